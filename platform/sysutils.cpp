#include "platform/sysutils.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

bool isBlank(unsigned char c) { return c <= ' '; }

unsigned char lowerAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }
unsigned char upperAscii(unsigned char c) { return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 32) : c; }

// Parses the text the way the class library's integer conversion does; false when it is
// not an integer or does not fit. Hexadecimal texts may use all 32 bits ("$FFFFFFFF" is -1).
bool parseInt(const std::string& text, int& out)
{
    const std::string s = Trim(text);
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size())
        return false;

    uint64_t magnitude = 0;
    const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    for (; i < s.size(); ++i) {
        const int d = hex ? HexDigitValue(s[i]) : (s[i] >= '0' && s[i] <= '9' ? s[i] - '0' : -1);
        if (d < 0)
            return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (magnitude > limit)
            return false;
    }
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    const uint32_t value = negative ? static_cast<uint32_t>(0u - bits) : bits;
    out = static_cast<int>(value);
    return true;
}

} // namespace

int StrToInt(const std::string& s)
{
    int value = 0;
    if (!parseInt(s, value))
        throw EConvertError("'" + s + "' is not a valid integer value", 0);
    return value;
}

int StrToIntDef(const std::string& s, int def)
{
    int value = 0;
    return parseInt(s, value) ? value : def;
}

std::string IntToStr(long long v) { return std::to_string(v); }

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int AnsiCompareText(const std::string& a, const std::string& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = lowerAscii(static_cast<unsigned char>(a[i]));
        const int cb = lowerAscii(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int AnsiCompareStr(const std::string& a, const std::string& b)
{
    const int r = a.compare(b); // std::string compares bytes as unsigned char
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::string Trim(const std::string& s)
{
    size_t begin = 0;
    size_t end = s.size();
    while (begin < end && isBlank(static_cast<unsigned char>(s[begin])))
        ++begin;
    while (end > begin && isBlank(static_cast<unsigned char>(s[end - 1])))
        --end;
    return s.substr(begin, end - begin);
}

std::string UpperCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        c = static_cast<char>(upperAscii(static_cast<unsigned char>(c)));
    return r;
}

std::string LowerCase(const std::string& s)
{
    std::string r = s;
    for (char& c : r)
        c = static_cast<char>(lowerAscii(static_cast<unsigned char>(c)));
    return r;
}

QString toQt(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }

std::string fromQt(const QString& s)
{
    const QByteArray bytes = s.toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
