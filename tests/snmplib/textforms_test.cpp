#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>

#include <QTemporaryDir>

#include "snmplib/textforms.h"
#include "values_test_util.h"

namespace {

TEST(TextForms, HexTextIsUpperCaseWithoutSeparators)
{
    EXPECT_EQ(HexText(Octets({0x00, 0x1F, 0xAB})), "001FAB");
    EXPECT_EQ(HexText(Octets({0x00, 0x11, 0x22, 0x33, 0x44, 0x55})), "001122334455");
    EXPECT_EQ(HexText(std::string()), "");
}

TEST(TextForms, HexTextReadBack)
{
    const struct {
        const char* text;
        std::string octets;
    } cases[] = {
        {"001FAB", Octets({0x00, 0x1F, 0xAB})},
        {"1 2 3", Octets({0x01, 0x23})},       // blanks dropped, odd count: the first digit alone
        {"zz", Octets({0x00})},                // not hex: the digit 0
        {"", ""},
        {"abc", Octets({0x0A, 0xBC})},
        {"0a0B", Octets({0x0A, 0x0B})},
        {"0A:0B", Octets({0x00, 0xA0, 0x0B})}, // only the space is dropped
        {"\t1", Octets({0x01})},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HexToOctets(c.text), c.octets) << c.text;
}

TEST(TextForms, Atol32ReadsLikeA32BitCLibrary)
{
    const struct {
        const char* text;
        uint32_t value;
    } cases[] = {
        {"4294967295", 4294967295u}, {"-1", 4294967295u}, {"12abc", 12},      {"", 0},
        {"  +7", 7},                 {"\n-2", 4294967294u}, {"4294967296", 0}, {"abc", 0},
        {"- 5", 0},                  {"99999999999999999999999999", 3825205247u},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Atol32(c.text), c.value) << c.text;
    EXPECT_EQ(Atol32Signed("4294967295"), -1);
}

TEST(TextForms, FloatToStrIsTheGeneralFifteenDigitForm)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {25, "25"},
        {0.5, "0.5"},
        {2.5, "2.5"},
        {-1.25, "-1.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {999999999999999, "999999999999999"},
        {1e15, "1E15"},
        {123456789012345678.0, "1.23456789012346E17"},
        {0.00001, "0.00001"},
        {0.000001, "1E-6"},
        {1.5e-7, "1.5E-7"},
        {-2.5e300, "-2.5E300"},
        {39078.5452430556, "39078.5452430556"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
}

// Switches LC_NUMERIC to a locale whose decimal separator is a comma, building one into a
// private directory when the machine has the sources but no compiled locale.
bool UseCommaLocale()
{
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            return true;
    if (std::system("test -f /usr/share/i18n/locales/de_DE && command -v localedef >/dev/null") != 0)
        return false;
    const QTemporaryDir dir; // a loaded locale stays usable after its files are removed
    const std::string kept = dir.path().toStdString();
    const std::string command = "localedef -i de_DE -f UTF-8 " + kept + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0)
        return false;
    setenv("LOCPATH", kept.c_str(), 1);
    const bool ok = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    return ok;
}

TEST(TextForms, NumberFormsIgnoreTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!UseCommaLocale())
        GTEST_SKIP() << "no locale with a decimal comma on this machine";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    EXPECT_STREQ(probe, "2,5"); // the C library now writes a comma
    EXPECT_EQ(AtofC("2.5"), 2.5);
    EXPECT_EQ(AtoldC("2.5"), 2.5L);
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    EXPECT_EQ(StrToDateTime("1900/01/01 12:00:00 pm"), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TextForms, AtofReadsTheLongestLeadingNumber)
{
    EXPECT_EQ(AtofC(" 2.5xyz"), 2.5);
    EXPECT_EQ(AtofC("1E3"), 1000);
    EXPECT_EQ(AtofC("abc"), 0);
    EXPECT_EQ(AtofC(""), 0);
    EXPECT_TRUE(std::isinf(AtofC("1e999")));
    EXPECT_EQ(AtoldC("18446744073709551615"), 18446744073709551615.0L);
}

TEST(TextForms, DoubleToIntegerConversionsKeepTheLowBits)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(DoubleToLow32(2.9), 2u);
    EXPECT_EQ(DoubleToLow32(-2.9), 4294967294u);
    EXPECT_EQ(DoubleToLow32(-1), 4294967295u);
    EXPECT_EQ(DoubleToLow32(4294967296.0 + 5), 5u);
    EXPECT_EQ(DoubleToLow32(25e9), 3525163520u);
    EXPECT_EQ(DoubleToLow32(1e300), 0u);
    EXPECT_EQ(DoubleToLow32(nan), 0u);
    EXPECT_EQ(DoubleToLow32(inf), 0u);
    EXPECT_EQ(DoubleToUInt64(4294967296.0L), 4294967296ull);
    EXPECT_EQ(DoubleToUInt64(-1.0L), std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(DoubleToUInt64(18446744073709551616.0L), 0ull);
    EXPECT_EQ(DoubleToUInt64(1e4000L), 0ull); // infinity in long double
    EXPECT_EQ(DoubleToUInt64(nan), 0ull);
}

TEST(TextForms, TimeTicksText)
{
    const struct {
        uint32_t ticks;
        const char* text;
    } cases[] = {
        {0, "0:00:00.00"},
        {99, "0:00:00.99"},
        {360099, "1:00:00.99"},
        {372304, "1:02:03.04"},
        {8640000, "1 day 0:00:00.00"},
        {17280000, "2 days, 0:00:00.00"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TimeTicksText(c.ticks), c.text);
        EXPECT_EQ(TimeTicksFromText(c.text), c.ticks) << c.text;
    }
}

TEST(TextForms, TimeTicksTextReadBackTakesWhatItFinds)
{
    EXPECT_EQ(TimeTicksFromText("12345"), 0u);
    EXPECT_EQ(TimeTicksFromText(""), 0u);
    EXPECT_EQ(TimeTicksFromText("1:02"), 360000u);
    EXPECT_EQ(TimeTicksFromText("3 days"), 25920000u);
    EXPECT_EQ(TimeTicksFromText(":::...,,,days day"), 0u);
    // Huge parts wrap modulo 2^32 instead of overflowing.
    EXPECT_EQ(TimeTicksFromText("99999999999999 days, 99999999999:99:99.99"),
              uint32_t(Atol32("99999999999999") * 8640000u + Atol32("99999999999") * 360000u + 99u * 6000u +
                       99u * 100u + 99u));
}

double DateTime(int y, int m, int d, int h = 0, int n = 0, int s = 0, int ms = 0)
{
    double value = 0;
    EXPECT_TRUE(TryEncodeDateTime({y, m, d, h, n, s, ms}, value));
    return value;
}

TEST(TextForms, DateTimeValueCountsDaysSince18991230)
{
    EXPECT_EQ(DateTime(1899, 12, 30), 0);
    EXPECT_EQ(DateTime(1900, 1, 1), 2);
    EXPECT_EQ(DateTime(2005, 1, 1), 38353);
    EXPECT_DOUBLE_EQ(DateTime(2006, 12, 27, 13, 5, 9), 39078 + (13 * 3600 + 5 * 60 + 9) / 86400.0);
    EXPECT_DOUBLE_EQ(DateTime(1899, 12, 29, 6), -1.25); // the fraction counts away from zero
    double unchanged = 7;
    EXPECT_FALSE(TryEncodeDateTime({2006, 2, 29, 0, 0, 0, 0}, unchanged));
    EXPECT_FALSE(TryEncodeDateTime({2006, 1, 1, 24, 0, 0, 0}, unchanged));
    EXPECT_EQ(unchanged, 7);
}

TEST(TextForms, DateTimeTextUsesTheFixedTwelveHourForm)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {DateTime(2006, 12, 27, 13, 5, 9), "2006/12/27 01:05:09 pm"},
        {DateTime(2006, 12, 27, 0, 0, 0), "2006/12/27 12:00:00 am"},
        {DateTime(2006, 12, 27, 12, 0, 0), "2006/12/27 12:00:00 pm"},
        {DateTime(2000, 2, 29, 23, 59, 59), "2000/02/29 11:59:59 pm"},
        {-1.25, "1899/12/29 06:00:00 am"},
        {DateTime(1, 1, 1), "0001/01/01 12:00:00 am"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateTimeText(c.value), c.text);
        EXPECT_DOUBLE_EQ(StrToDateTime(c.text), c.value) << c.text;
    }
}

TEST(TextForms, FormatDateTimeSpecifiers)
{
    const double t = DateTime(2006, 12, 7, 13, 5, 9, 45);
    EXPECT_EQ(FormatDateTime("hh:nn:ss ampm", t), "01:05:09 PM");
    EXPECT_EQ(FormatDateTime("hh:nn:ss AM/PM", t), "01:05:09 PM");
    EXPECT_EQ(FormatDateTime("h:mm a/p", t), "1:05 p");
    EXPECT_EQ(FormatDateTime("yy-m-d hh:nn:ss.zzz", t), "06-12-7 13:05:09.045");
    EXPECT_EQ(FormatDateTime("ddd dd mmm yyyy", t), "Thu 07 Dec 2006");
    EXPECT_EQ(FormatDateTime("dddd d mmmm", t), "Thursday 7 December");
    EXPECT_EQ(FormatDateTime("'at' hh\"h\"", t), "at 13h");
}

TEST(TextForms, DateTimeOutsideTheCalendarIsAConversionError)
{
    for (const double value : {1e10, -1e10, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity(), -693594.0, 2958466.0})
        EXPECT_THROW(DateTimeText(value), EConvertError) << value;
    EXPECT_NO_THROW(DateTimeText(-693593.0));
    EXPECT_NO_THROW(DateTimeText(2958465.99));
}

TEST(TextForms, StrToDateTimeReadsTheFixedForm)
{
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/12/27"), DateTime(2006, 12, 27));
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/12/27 13:05"), DateTime(2006, 12, 27, 13, 5));
    EXPECT_DOUBLE_EQ(StrToDateTime(" 2006/12/27  1:05:09PM "), DateTime(2006, 12, 27, 13, 5, 9));
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/12/27 12:00:00 a"), DateTime(2006, 12, 27));
    EXPECT_DOUBLE_EQ(StrToDateTime("2006/12/27 13:05:09.045"), DateTime(2006, 12, 27, 13, 5, 9, 45));
}

TEST(TextForms, StrToDateTimeRefusesAnythingElse)
{
    for (const char* text : {"", "2006", "2006/12", "2006-12-27", "2006/13/01", "2006/02/30", "2006/12/27 25:00",
                             "2006/12/27 13:05:09 pm", "2006/12/27 0:05 am", "2006/12/27 1:5:9 xm",
                             "2006/12/27 1:5:9 pm x", "99999999999/1/1", "10000/1/1", "0/1/1", "2006/12/27 13:",
                             "2006/12/27 13:05:", "2006/12/27 13:05:09."})
        EXPECT_THROW(StrToDateTime(text), EConvertError) << text;
}

TEST(TextForms, NowIsTheLocalClock)
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    const double expected = DateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min);
    EXPECT_NEAR(Now(), expected, 2.0 / (24 * 60));
}

TEST(TextForms, DateAndTimeOctets)
{
    const std::string zoned = Octets({0x07, 0xD6, 0x0C, 0x1B, 0x0D, 0x05, 0x09, 0x00, 0x2B, 0x08, 0x00});
    const auto text = [](const std::string& octets) {
        std::string t = "unchanged";
        const bool ok = DateAndTimeText(reinterpret_cast<const unsigned char*>(octets.data()), octets.size(), t);
        return ok ? t : "refused: " + t;
    };
    EXPECT_EQ(text(zoned), "2006-12-27,13:5:9.0,+8:0");
    EXPECT_EQ(text(zoned + "extra"), "2006-12-27,13:5:9.0,+8:0");
    EXPECT_EQ(text(zoned.substr(0, 8)), "2006-12-27,13:5:9.0"); // no zone
    EXPECT_EQ(text(zoned.substr(0, 10)), "2006-12-27,13:5:9.0,+8:0");
    EXPECT_EQ(text(zoned.substr(0, 7)), "refused: unchanged");
    EXPECT_EQ(text(""), "refused: unchanged");

    EXPECT_EQ(DateAndTimeOctets("2006-12-27,13:5:9.0,+8:0"), zoned);
    EXPECT_EQ(DateAndTimeOctets("2005-1-2,3:4:5.6,-1:30"),
              Octets({0x07, 0xD5, 1, 2, 3, 4, 5, 6, '-', 1, 30}));
}

TEST(TextForms, DottedQuad)
{
    const struct {
        const char* text;
        bool ok;
    } cases[] = {
        {"10.0.0.1", true}, {" 192.168.0.255 ", true}, {"10.0.0", false},  {"10.0.0.1.5", false},
        {"256.0.0.1", false}, {"1..2.3", false},       {"a.b.c.d", false}, {"", false},
        {"0010.0.0.1", false}, {"10.0.0.1x", false},   {"-1.0.0.1", false}, {"99999999999.0.0.1", false},
    };
    for (const auto& c : cases) {
        unsigned char quad[4] = {9, 9, 9, 9};
        EXPECT_EQ(ParseDottedQuad(c.text, quad), c.ok) << c.text;
        if (!c.ok) {
            EXPECT_EQ(quad[0], 9) << c.text;
        }
    }
    unsigned char quad[4];
    ASSERT_TRUE(ParseDottedQuad("192.168.0.1", quad));
    EXPECT_EQ(DottedQuad(quad), "192.168.0.1");
}

// A typed text stands for a value of its syntax only in that syntax's own form and range;
// syntaxes without a form take anything.
TEST(TextForms, TypedValuesOfEachForm)
{
    const struct {
        unsigned syntax;
        const char* text;
        bool ok;
    } cases[] = {
        {SNMP_SYNTAX_INTEGER, "-2147483648", true}, {SNMP_SYNTAX_INTEGER, "2147483647", true},
        {SNMP_SYNTAX_INTEGER, " +12 ", true},       {SNMP_SYNTAX_INTEGER, "2147483648", false},
        {SNMP_SYNTAX_INTEGER, "abc", false},         {SNMP_SYNTAX_INTEGER, "12abc", false},
        {SNMP_SYNTAX_INTEGER, "", false},            {SNMP_SYNTAX_INTEGER, "-", false},
        {SNMP_SYNTAX_INTEGER, "1 2", false},         {SNMP_SYNTAX_GAUGE, "4294967295", true},
        // Only the white space the readers skip may stand before the number: "\x01" "5"
        // would be sent as 0. Any blank may follow it.
        {SNMP_SYNTAX_INTEGER, "\t\r\n 5\x01", true}, {SNMP_SYNTAX_INTEGER, "\x01" "5", false},
        {SNMP_SYNTAX_COUNTER64, " \x1f" "18446744073709551615", false},
        {SNMP_SYNTAX_COUNTER, "-1", false},          {SNMP_SYNTAX_UINTEGER, "4294967296", false},
        {SNMP_SYNTAX_COUNTER64, "18446744073709551615", true},
        {SNMP_SYNTAX_COUNTER64, "18446744073709551616", false},
        {SNMP_SYNTAX_IPADDRESS, "10.0.0.255", true}, {SNMP_SYNTAX_IPADDRESS, "999.1.1.1", false},
        {SNMP_SYNTAX_NSAPADDR, "10.0.0", false},     {SNMP_SYNTAX_OCTETSTR, "00 1F ab", true},
        {SNMP_SYNTAX_MACADDRESS, "0080C80000GG", false}, {SNMP_SYNTAX_OPAQUE, "x", false},
        {SNMP_SYNTAX_DISPLAYSTR, "anything at all", true}, {SNMP_SYNTAX_TIMETICKS, "1:00:00.00", true},
        // An object identifier encodes: two arcs at least, each below 2^32, the first 0..2.
        {SNMP_SYNTAX_OBJECTID, "1.3.6.1.4.1.32473", true}, {SNMP_SYNTAX_OBJECTID, ".1.3.6", true},
        {SNMP_SYNTAX_OBJECTID, "2.999.4294967295", true},  {SNMP_SYNTAX_OBJECTID, "abc", false},
        {SNMP_SYNTAX_OBJECTID, "", false},                 {SNMP_SYNTAX_OBJECTID, "1", false},
        {SNMP_SYNTAX_OBJECTID, "1.3..6", false},           {SNMP_SYNTAX_OBJECTID, "1.3.", false},
        {SNMP_SYNTAX_OBJECTID, "3.1", false},              {SNMP_SYNTAX_OBJECTID, "1.40", false},
        {SNMP_SYNTAX_OBJECTID, "1.3.4294967296", false},   {SNMP_SYNTAX_OBJECTID, " 1.3.6", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsTypedValue(c.text, c.syntax), c.ok) << std::hex << c.syntax << " \"" << c.text << "\"";
}

} // namespace
