#include "snmplib/textforms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <locale.h>
#include <vector>

#include "platform/exception.h"
#include "platform/sysutils.h"
#include "snmplib/expression.h"
#include "snmplib/snmperror.h"
#include "snmplib/utils.h"
#include "snmplib/varlist.h"

namespace {

bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// A hex text's digit; any other character counts as 0.
int HexDigit(char c) { return std::max(HexDigitValue(c), 0); }

// The C locale for the number readers, made once and kept for the life of the process.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

// ---- Hex text -------------------------------------------------------------------------

std::string HexText(const unsigned char* octets, std::size_t length)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    if (!octets)
        return text;
    text.reserve(length * 2);
    for (std::size_t i = 0; i < length; ++i) {
        text += digits[octets[i] >> 4];
        text += digits[octets[i] & 0x0F];
    }
    return text;
}

std::string HexText(const std::string& octets)
{
    return HexText(reinterpret_cast<const unsigned char*>(octets.data()), octets.size());
}

std::string HexToOctets(const std::string& text)
{
    std::string digits;
    digits.reserve(text.size());
    for (const char c : text)
        if (c != ' ')
            digits += c;
    std::string octets;
    octets.reserve(digits.size() / 2 + 1);
    std::size_t i = 0;
    if (digits.size() % 2 == 1)
        octets += static_cast<char>(HexDigit(digits[i++]));
    for (; i + 1 < digits.size(); i += 2)
        octets += static_cast<char>(HexDigit(digits[i]) * 16 + HexDigit(digits[i + 1]));
    return octets;
}

// ---- Numbers --------------------------------------------------------------------------

uint32_t Atol32(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    uint32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = value * 10u + static_cast<uint32_t>(text[i] - '0');
    return negative ? 0u - value : value;
}

double AtofC(const std::string& text) { return strtod_l(text.c_str(), nullptr, CLocale()); }

long double AtoldC(const std::string& text) { return strtold_l(text.c_str(), nullptr, CLocale()); }

uint32_t DoubleToLow32(double value)
{
    if (!std::isfinite(value))
        return 0;
    // fmod is exact, so the remainder is the low 32 bits of the whole number.
    double rest = std::fmod(std::trunc(value), 4294967296.0);
    if (rest < 0)
        rest += 4294967296.0;
    return static_cast<uint32_t>(rest);
}

uint64_t DoubleToUInt64(long double value)
{
    if (!std::isfinite(value))
        return 0;
    constexpr long double two64 = 18446744073709551616.0L;
    long double rest = std::fmod(std::trunc(value), two64);
    if (rest < 0)
        rest += two64;
    if (rest >= two64) // a tiny negative remainder rounded up by the addition
        return 0;
    return static_cast<uint64_t>(rest);
}

std::string FloatToStr(double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // 15 significant digits, rounded once: d.dddddddddddddde[+-]x
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, result.ptr);
    std::size_t pos = 0;
    const bool negative = text[0] == '-';
    if (negative)
        ++pos;
    std::string digits;
    const std::size_t ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent >= 0) {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                out += digits + std::string(whole - digits.size(), '0');
            } else {
                out += digits.substr(0, whole) + "." + digits.substr(whole);
            }
        } else {
            out += "0.";
            out.append(static_cast<std::size_t>(-exponent - 1), '0');
            out += digits;
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    }
    return out;
}

// ---- TimeTicks text ------------------------------------------------------------------

std::string TimeTicksText(uint32_t ticks)
{
    const unsigned long t = ticks;
    const unsigned long d = t / 8640000, h = (t % 8640000) / 360000, m = (t % 360000) / 6000, s = (t % 6000) / 100,
                        c = t % 100;
    char text[64];
    if (d == 0)
        std::snprintf(text, sizeof text, "%lu:%02lu:%02lu.%02lu", h, m, s, c);
    else if (d == 1)
        std::snprintf(text, sizeof text, "1 day %lu:%02lu:%02lu.%02lu", h, m, s, c);
    else
        std::snprintf(text, sizeof text, "%lu days, %lu:%02lu:%02lu.%02lu", d, h, m, s, c);
    return text;
}

uint32_t TimeTicksFromText(const std::string& text)
{
    uint32_t d = 0, h = 0, m = 0, s = 0, c = 0;
    std::string rest = text;
    std::size_t p = rest.find("days");
    std::size_t skip = 4;
    if (p == std::string::npos) {
        p = rest.find("day");
        skip = 3;
    }
    if (p != std::string::npos) {
        d = Atol32(rest.substr(0, p));
        rest.erase(0, p + skip);
    }
    if ((p = rest.find(',')) != std::string::npos)
        rest.erase(0, p + 1);
    if ((p = rest.find(':')) != std::string::npos) {
        h = Atol32(rest.substr(0, p));
        rest.erase(0, p + 1);
        if ((p = rest.find(':')) != std::string::npos) {
            m = Atol32(rest.substr(0, p));
            rest.erase(0, p + 1);
        }
        if ((p = rest.find('.')) != std::string::npos) {
            s = Atol32(rest.substr(0, p));
            c = Atol32(rest.substr(p + 1));
        }
    }
    return d * 8640000u + h * 360000u + m * 6000u + s * 100u + c;
}

// ---- Date-time values ----------------------------------------------------------------

namespace {

constexpr double MSecsPerDay = 86400000.0;

// Days since 1970-01-01 of a proleptic Gregorian date, and back.
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& year, int& month, int& day)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (month <= 2));
}

const int64_t DateDelta = -DaysFromCivil(1899, 12, 30); // 1899-12-30 is day 0

bool IsLeapYear(int y) { return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0); }

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : days[m - 1];
}

// Day numbers of 0001-01-01 and of the day after 9999-12-31.
const double MinDateTime = static_cast<double>(DaysFromCivil(1, 1, 1) + DateDelta);
const double MaxDateTime = static_cast<double>(DaysFromCivil(10000, 1, 1) + DateDelta);

const char* const ShortMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const LongMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
const char* const ShortDayNames[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const LongDayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

bool MatchesNoCase(const std::string& text, std::size_t pos, const char* word)
{
    const std::size_t n = std::strlen(word);
    if (pos + n > text.size())
        return false;
    for (std::size_t i = 0; i < n; ++i)
        if (LowerAscii(text[pos + i]) != word[i])
            return false;
    return true;
}

std::string Padded(int value, int width)
{
    char text[32];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

// The designator text of a specifier: the letters of "am" or "pm" in the specifier's case.
std::string InCaseOf(const std::string& spec, const char* word)
{
    std::string out;
    for (std::size_t i = 0; word[i]; ++i) {
        const char s = i < spec.size() ? spec[i] : 'a';
        out += (s >= 'A' && s <= 'Z') ? static_cast<char>(word[i] - 32) : word[i];
    }
    return out;
}

[[noreturn]] void RaiseBadDateTime(const std::string& text)
{
    throw EConvertError("'" + text + "' is not a valid date and time");
}

} // namespace

bool TryEncodeDateTime(const DateTimeFields& f, double& value)
{
    if (f.Year < 1 || f.Year > 9999 || f.Month < 1 || f.Month > 12 || f.Day < 1 ||
        f.Day > DaysInMonth(f.Year, f.Month) || f.Hour < 0 || f.Hour > 23 || f.Minute < 0 || f.Minute > 59 ||
        f.Second < 0 || f.Second > 59 || f.MilliSecond < 0 || f.MilliSecond > 999)
        return false;
    const double days = static_cast<double>(DaysFromCivil(f.Year, f.Month, f.Day) + DateDelta);
    const double time = (f.Hour * 3600000.0 + f.Minute * 60000.0 + f.Second * 1000.0 + f.MilliSecond) / MSecsPerDay;
    value = days < 0 ? days - time : days + time;
    return true;
}

bool DecodeDateTime(double value, DateTimeFields& f)
{
    if (!std::isfinite(value) || value <= MinDateTime - 1 || value >= MaxDateTime)
        return false;
    const int64_t msecs = std::llround(value * MSecsPerDay);
    const int64_t msPerDay = static_cast<int64_t>(MSecsPerDay);
    int64_t days = msecs / msPerDay;
    int64_t time = msecs % msPerDay;
    if (time < 0)
        time = -time;
    if (days + 0.0 < MinDateTime || days + 0.0 >= MaxDateTime)
        return false;
    CivilFromDays(days - DateDelta, f.Year, f.Month, f.Day);
    f.Hour = static_cast<int>(time / 3600000);
    f.Minute = static_cast<int>(time / 60000 % 60);
    f.Second = static_cast<int>(time / 1000 % 60);
    f.MilliSecond = static_cast<int>(time % 1000);
    return true;
}

std::string FormatDateTime(const std::string& format, double value)
{
    DateTimeFields f;
    if (!DecodeDateTime(value, f))
        throw EConvertError("Invalid argument to date encode");

    // An am/pm specifier anywhere puts every hour on the 12-hour clock.
    bool twelve = false;
    for (std::size_t i = 0; i < format.size(); ++i)
        if (MatchesNoCase(format, i, "am/pm") || MatchesNoCase(format, i, "a/p") || MatchesNoCase(format, i, "ampm"))
            twelve = true;
    const int hour = twelve ? (f.Hour % 12 == 0 ? 12 : f.Hour % 12) : f.Hour;
    const bool pm = f.Hour >= 12;
    // 1970-01-01 was a Thursday; 0 is Sunday.
    const int weekDay = static_cast<int>((DaysFromCivil(f.Year, f.Month, f.Day) % 7 + 7 + 4) % 7);

    std::string out;
    char lastToken = ' ';
    std::size_t i = 0;
    while (i < format.size()) {
        const char c = format[i];
        const char token = static_cast<char>(LowerAscii(c));
        std::size_t run = 1;
        while (i + run < format.size() && LowerAscii(format[i + run]) == token)
            ++run;
        if (c == '"' || c == '\'') {
            const std::size_t end = format.find(c, i + 1);
            const std::size_t stop = end == std::string::npos ? format.size() : end;
            out += format.substr(i + 1, stop - i - 1);
            i = end == std::string::npos ? format.size() : end + 1;
            continue;
        }
        if (token == 'a') {
            if (MatchesNoCase(format, i, "am/pm")) {
                out += pm ? InCaseOf(format.substr(i + 3, 2), "pm") : InCaseOf(format.substr(i, 2), "am");
                i += 5;
            } else if (MatchesNoCase(format, i, "a/p")) {
                out += pm ? InCaseOf(format.substr(i + 2, 1), "p") : InCaseOf(format.substr(i, 1), "a");
                i += 3;
            } else if (MatchesNoCase(format, i, "ampm")) {
                out += pm ? "PM" : "AM";
                i += 4;
            } else {
                out += c;
                ++i;
            }
            continue;
        }
        bool isLetterToken = true;
        switch (token) {
        case 'y':
            out += run <= 2 ? Padded(f.Year % 100, 2) : Padded(f.Year, 4);
            break;
        case 'm':
            if (lastToken == 'h' && run <= 2) {
                out += Padded(f.Minute, static_cast<int>(run));
                break;
            }
            if (run == 1 || run == 2)
                out += Padded(f.Month, static_cast<int>(run));
            else if (run == 3)
                out += ShortMonthNames[f.Month - 1];
            else
                out += LongMonthNames[f.Month - 1];
            break;
        case 'd':
            if (run <= 2)
                out += Padded(f.Day, static_cast<int>(run));
            else if (run == 3)
                out += ShortDayNames[weekDay];
            else
                out += LongDayNames[weekDay];
            break;
        case 'h':
            out += Padded(hour, run >= 2 ? 2 : 1);
            break;
        case 'n':
            out += Padded(f.Minute, run >= 2 ? 2 : 1);
            break;
        case 's':
            out += Padded(f.Second, run >= 2 ? 2 : 1);
            break;
        case 'z':
            out += Padded(f.MilliSecond, run >= 3 ? 3 : 1);
            break;
        default:
            isLetterToken = false;
            out += format.substr(i, run);
            break;
        }
        if (isLetterToken || (token >= 'a' && token <= 'z'))
            lastToken = token;
        i += run;
    }
    return out;
}

const char* const DateTimeTextFormat = "yyyy/mm/dd hh:nn:ss am/pm";

std::string DateTimeText(double value) { return FormatDateTime(DateTimeTextFormat, value); }

namespace {

void SkipBlanks(const std::string& text, std::size_t& pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

// A decimal field of at most 9 digits; false when there is none.
bool ReadField(const std::string& text, std::size_t& pos, int& value)
{
    SkipBlanks(text, pos);
    std::size_t digits = 0;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        if (++digits > 9)
            return false;
        value = value * 10 + (text[pos++] - '0');
    }
    return digits > 0;
}

bool ReadChar(const std::string& text, std::size_t& pos, char c)
{
    SkipBlanks(text, pos);
    if (pos < text.size() && text[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

} // namespace

double StrToDateTime(const std::string& text)
{
    DateTimeFields f;
    std::size_t pos = 0;
    if (!ReadField(text, pos, f.Year) || !ReadChar(text, pos, '/') || !ReadField(text, pos, f.Month) ||
        !ReadChar(text, pos, '/') || !ReadField(text, pos, f.Day))
        RaiseBadDateTime(text);
    SkipBlanks(text, pos);
    if (pos < text.size()) {
        if (!ReadField(text, pos, f.Hour) || !ReadChar(text, pos, ':') || !ReadField(text, pos, f.Minute))
            RaiseBadDateTime(text);
        if (ReadChar(text, pos, ':')) {
            if (!ReadField(text, pos, f.Second))
                RaiseBadDateTime(text);
            if (ReadChar(text, pos, '.') && !ReadField(text, pos, f.MilliSecond))
                RaiseBadDateTime(text);
        }
        SkipBlanks(text, pos);
        if (pos < text.size()) {
            const bool pm = LowerAscii(text[pos]) == 'p';
            if (!pm && LowerAscii(text[pos]) != 'a')
                RaiseBadDateTime(text);
            ++pos;
            if (pos < text.size() && LowerAscii(text[pos]) == 'm')
                ++pos;
            if (f.Hour < 1 || f.Hour > 12)
                RaiseBadDateTime(text);
            f.Hour = f.Hour % 12 + (pm ? 12 : 0);
            SkipBlanks(text, pos);
            if (pos < text.size())
                RaiseBadDateTime(text);
        }
    }
    double value = 0;
    if (!TryEncodeDateTime(f, value))
        RaiseBadDateTime(text);
    return value;
}

double Now()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    std::tm tm{};
    localtime_r(&ts.tv_sec, &tm);
    DateTimeFields f;
    f.Year = tm.tm_year + 1900;
    f.Month = tm.tm_mon + 1;
    f.Day = tm.tm_mday;
    f.Hour = tm.tm_hour;
    f.Minute = tm.tm_min;
    f.Second = tm.tm_sec > 59 ? 59 : tm.tm_sec; // a leap second
    f.MilliSecond = static_cast<int>(ts.tv_nsec / 1000000);
    double value = 0;
    TryEncodeDateTime(f, value);
    return value;
}

// ---- Little-endian octets -------------------------------------------------------------

std::string DoubleToOctetsLE(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    std::string octets(8, '\0');
    for (int i = 0; i < 8; ++i)
        octets[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    return octets;
}

double DoubleFromOctetsLE(const unsigned char* octets8)
{
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | octets8[i];
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

// ---- Octet layouts and addresses ----------------------------------------------------------

std::string DisplayText(const std::string& octets) { return octets.substr(0, octets.find('\0')); }

bool DateAndTimeText(const unsigned char* octets, std::size_t length, std::string& text)
{
    if (!octets || length < 8)
        return false;
    // Without zone the value reads as zone "+0:0", which the text leaves out.
    unsigned char full[11] = {0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0};
    std::memcpy(full, octets, length < 11 ? length : 11);
    VhDateTime value(full);
    value.Year = static_cast<uint16_t>(full[0] << 8 | full[1]);
    text = value.ToString();
    return true;
}

std::string DateAndTimeOctets(const std::string& text)
{
    const VhDateTime value(text);
    unsigned char octets[11];
    value.CopyTo(octets);
    octets[0] = static_cast<unsigned char>(value.Year >> 8);
    octets[1] = static_cast<unsigned char>(value.Year & 0xFF);
    return std::string(reinterpret_cast<const char*>(octets), 11);
}

bool ParseDottedQuad(const std::string& text, unsigned char octets[4])
{
    const std::string t = Trim(text);
    unsigned char parsed[4];
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0) {
            if (pos >= t.size() || t[pos] != '.')
                return false;
            ++pos;
        }
        unsigned value = 0;
        std::size_t digits = 0;
        while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9' && digits < 4) {
            value = value * 10 + static_cast<unsigned>(t[pos++] - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || value > 255)
            return false;
        parsed[part] = static_cast<unsigned char>(value);
    }
    if (pos != t.size())
        return false;
    std::memcpy(octets, parsed, 4);
    return true;
}

std::string DottedQuad(const unsigned char* octets4)
{
    char text[20];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", octets4[0], octets4[1], octets4[2], octets4[3]);
    return text;
}

// ---- Typed values ---------------------------------------------------------------------

VhTypedForm TypedFormOf(unsigned syntax)
{
    switch (syntax) {
    case SNMP_SYNTAX_INTEGER: return {VhTypedForm::Number, "-2147483648", "2147483647"};
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER: return {VhTypedForm::Number, "0", "4294967295"};
    case SNMP_SYNTAX_COUNTER64: return {VhTypedForm::Number, "0", "18446744073709551615"};
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: return {VhTypedForm::DottedQuad};
    case SNMP_SYNTAX_OBJECTID: return {VhTypedForm::ObjectId};
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_IPV6ADDRESS: return {VhTypedForm::Hex};
    default: return {};
    }
}

namespace {

// The signed value of a decimal text, or false when it is none (or too long to matter).
// Before the number only the white space that the readers (Atol32, AtoldC) skip may
// stand: a control character there would have the number sent as 0.
bool DecimalValue(const std::string& text, __int128& value)
{
    std::size_t lead = 0;
    while (lead < text.size() && IsCSpace(text[lead]))
        ++lead;
    if (lead < text.size() && static_cast<unsigned char>(text[lead]) <= ' ')
        return false;
    const std::string t = Trim(text.substr(lead));
    std::size_t i = 0;
    const bool negative = i < t.size() && t[i] == '-';
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        ++i;
    if (i == t.size() || t.size() - i > 30)
        return false;
    __int128 v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return false;
        v = v * 10 + (t[i] - '0');
    }
    value = negative ? -v : v;
    return true;
}

// Dotted decimal arcs that encode as an object identifier.
bool IsObjectIdText(const std::string& text)
{
    std::size_t at = !text.empty() && text[0] == '.' ? 1 : 0;
    std::vector<uint64_t> arcs;
    while (true) {
        if (at >= text.size() || text[at] < '0' || text[at] > '9')
            return false;
        uint64_t arc = 0;
        for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
            arc = arc * 10 + static_cast<uint64_t>(text[at] - '0');
            if (arc > 0xFFFFFFFFull)
                return false;
        }
        arcs.push_back(arc);
        if (arcs.size() > 128)
            return false;
        if (at == text.size())
            break;
        if (text[at++] != '.')
            return false;
    }
    return arcs.size() >= 2 && arcs[0] <= 2 && (arcs[0] == 2 || arcs[1] < 40);
}

} // namespace

bool IsTypedValue(const std::string& text, unsigned syntax)
{
    const VhTypedForm form = TypedFormOf(syntax);
    switch (form.Form) {
    case VhTypedForm::Number: {
        __int128 value = 0, min = 0, max = 0;
        return DecimalValue(text, value) && DecimalValue(form.Min, min) && DecimalValue(form.Max, max) &&
               value >= min && value <= max;
    }
    case VhTypedForm::DottedQuad: {
        unsigned char octets[4];
        return ParseDottedQuad(text, octets);
    }
    case VhTypedForm::ObjectId: return IsObjectIdText(text);
    case VhTypedForm::Hex:
        return text.find_first_not_of("0123456789abcdefABCDEF ") == std::string::npos;
    default: return true;
    }
}

std::string TypedValueHint(unsigned syntax, const std::string& min, const std::string& max)
{
    const VhTypedForm form = TypedFormOf(syntax);
    switch (form.Form) {
    case VhTypedForm::Number:
        return ReplaceAll(ReplaceAll(CommonMsgTable.Text(8), "[MIN]", min.empty() ? form.Min : min), "[MAX]",
                          max.empty() ? form.Max : max);
    case VhTypedForm::DottedQuad: return "Please enter an IP address: four numbers from 0 to 255 separated by \".\"!";
    case VhTypedForm::ObjectId: return "Please enter an object identifier: numbers separated by \".\", such as 1.3.6.1!";
    case VhTypedForm::Hex: return "Please enter a hex string: digits 0-9 and A-F only!";
    default: return {};
    }
}
