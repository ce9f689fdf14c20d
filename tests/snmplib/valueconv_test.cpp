#include <gtest/gtest.h>

#include "snmplib/engine/snmperrs.h"
#include "snmplib/engine/vb.h"
#include "snmplib/textforms.h"
#include "values_test_util.h"

namespace {

constexpr VhOptionPair EnabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VhOptionList EnabledList(EnabledPairs, OVT_INTEGER, false);

const double Dec27 = 39078 + (13 * 3600 + 5 * 60 + 9) / 86400.0; // 2006/12/27 01:05:09 pm
const std::string DateAndTime = Octets({0x07, 0xD6, 0x0C, 0x1B, 0x0D, 0x05, 0x09, 0x00, 0x2B, 0x08, 0x00});

Vb WithValue(const SnmpSyntax& value)
{
    Vb vb(Oid("1.3.6.1.4.1.32473.99.1.0"));
    vb.set_value(value);
    return vb;
}

// The value text that item code shows for the varbind.
std::string Shown(unsigned code, const Vb& vb, const VhOptionList* options = nullptr)
{
    VhSNMPRequest request;
    const int i = AddItem(request, code, "before", SNMP_ACCESS_READWRITE, options);
    request.VbToText(i, vb);
    return request.VarList.GetItem(i)->Value;
}

// The varbind that item code sends for the value text.
Vb Sent(unsigned code, const std::string& text, const VhOptionList* options = nullptr)
{
    VhSNMPRequest request;
    const int i = AddItem(request, code, text, SNMP_ACCESS_READWRITE, options);
    Vb vb(Oid("1.3.6.1.4.1.32473.99.1.0"));
    request.TextToVb(i, vb);
    return vb;
}

std::string OctetsOf(const Vb& vb)
{
    OctetStr o;
    EXPECT_EQ(vb.get_value(o), SNMP_CLASS_SUCCESS);
    return o.str();
}

TEST(ValueConversion, ReceivedValuesShowInTheirTextForm)
{
    const struct {
        unsigned code;
        Vb vb;
        const char* text;
    } cases[] = {
        {SNMP_SYNTAX_BOOLEAN, WithValue(SnmpInt32(2)), "true"},
        {SNMP_SYNTAX_BOOLEAN, WithValue(SnmpInt32(0)), "false"},
        {SNMP_SYNTAX_INTEGER, WithValue(SnmpInt32(-5)), "-5"},
        {SNMP_SYNTAX_INTEGER, WithValue(Gauge32(4294967295u)), "-1"},
        {SNMP_SYNTAX_COUNTER, WithValue(Counter32(4294967295u)), "4294967295"},
        {SNMP_SYNTAX_GAUGE, WithValue(Gauge32(7)), "7"},
        {SNMP_SYNTAX_UINTEGER, WithValue(SnmpUInt32(8)), "8"},
        {SNMP_SYNTAX_COUNTER64, WithValue(Counter64(1, 5)), "4294967301"},
        {SNMP_SYNTAX_COUNTER64, WithValue(Counter64(~0ull)), "18446744073709551615"},
        {SNMP_SYNTAX_TIMETICKS, WithValue(TimeTicks(0)), "0:00:00.00"},
        {SNMP_SYNTAX_TIMETICKS, WithValue(TimeTicks(8640000)), "1 day 0:00:00.00"},
        {SNMP_SYNTAX_TIMETICKS, WithValue(TimeTicks(17280000)), "2 days, 0:00:00.00"},
        {SNMP_SYNTAX_OBJECTID, WithValue(Oid("1.3.6.1.2.1.1.3")), "1.3.6.1.2.1.1.3"},
        {SNMP_SYNTAX_IPADDRESS, WithValue(IpAddress("192.168.0.1")), "192.168.0.1"},
        {SNMP_SYNTAX_NSAPADDR, WithValue(IpAddress("10.0.0.1")), "10.0.0.1"},
        {SNMP_SYNTAX_OCTETSTR, WithValue(OctetStr("abc")), "616263"},
        {SNMP_SYNTAX_OCTETSTR, WithValue(OctetStr(Octets({0x00, 0x1F, 0xAB}))), "001FAB"},
        {SNMP_SYNTAX_OCTETSTR, WithValue(OctetStr("")), ""},
        {SNMP_SYNTAX_BITSTR, WithValue(BitStr(Octets({0x80}))), "80"},
        {SNMP_SYNTAX_OPAQUE, WithValue(OpaqueStr(Octets({0x01, 0x02}))), "0102"},
        {SNMP_SYNTAX_MACADDRESS, WithValue(OctetStr(Octets({0, 0x11, 0x22, 0x33, 0x44, 0x55}))), "001122334455"},
        {SNMP_SYNTAX_IPV6ADDRESS, WithValue(OctetStr(std::string(15, '\0') + "\x01")),
         "00000000000000000000000000000001"},
        {SNMP_SYNTAX_DISPLAYSTR, WithValue(OctetStr("abc")), "abc"},
        {SNMP_SYNTAX_DISPLAYSTR, WithValue(OctetStr(Octets({'a', 'b', 0, 'c'}))), "ab"},
        {SNMP_SYNTAX_DISPLAYSTR, WithValue(OctetStr("")), ""},
        {SNMP_SYNTAX_DISPLAYSTR, WithValue(OctetStr("\xE9t\xE9")), "\xE9t\xE9"}, // bytes as they are
        {SNMP_SYNTAX_DATETIME, WithValue(OctetStr(DateAndTime)), "2006-12-27,13:5:9.0,+8:0"},
        {SNMP_SYNTAX_DATETIME, WithValue(OctetStr(DateAndTime.substr(0, 8))), "2006-12-27,13:5:9.0"},
        {SNMP_SYNTAX_DATETIME, WithValue(OctetStr("")), "(NULL)"},
        {SNMP_SYNTAX_BCDATETIME, WithValue(OctetStr(DoubleToOctetsLE(Dec27))), "2006/12/27 01:05:09 pm"},
        {SNMP_SYNTAX_DOUBLE, WithValue(OctetStr(DoubleToOctetsLE(2.5))), "2.5"},
        {SNMP_SYNTAX_DOUBLE, WithValue(OctetStr(DoubleToOctetsLE(2.5) + "xx")), "2.5"},
        {SNMP_SYNTAX_NULL, WithValue(SnmpInt32(3)), "(NULL)"},
        // A value of another type than the item's reads as no value.
        {SNMP_SYNTAX_INTEGER, WithValue(OctetStr("12")), "(NULL)"},
        {SNMP_SYNTAX_OCTETSTR, WithValue(SnmpInt32(12)), "(NULL)"},
        {SNMP_SYNTAX_IPADDRESS, WithValue(OctetStr("1234")), "(NULL)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.code, c.vb), c.text) << std::hex << c.code << " " << c.text;
}

TEST(ValueConversion, VarbindsWithoutValueShowNull)
{
    const SmiUINT32 tags[] = {sNMP_SYNTAX_NULL, sNMP_SYNTAX_NOSUCHOBJECT, sNMP_SYNTAX_NOSUCHINSTANCE,
                              sNMP_SYNTAX_ENDOFMIBVIEW};
    const unsigned codes[] = {SNMP_SYNTAX_BOOLEAN,    SNMP_SYNTAX_INTEGER,   SNMP_SYNTAX_OCTETSTR,
                              SNMP_SYNTAX_OBJECTID,   SNMP_SYNTAX_IPADDRESS, SNMP_SYNTAX_COUNTER,
                              SNMP_SYNTAX_TIMETICKS,  SNMP_SYNTAX_COUNTER64, SNMP_SYNTAX_MACADDRESS,
                              SNMP_SYNTAX_DATETIME,   SNMP_SYNTAX_DOUBLE,    SNMP_SYNTAX_IPV6ADDRESS};
    for (const SmiUINT32 tag : tags) {
        Vb vb(Oid("1.3.6.1.4.1.32473.99.1.0"));
        vb.set_syntax(tag);
        for (const unsigned code : codes)
            EXPECT_EQ(Shown(code, vb), "(NULL)") << std::hex << tag << " " << code;
        EXPECT_EQ(Shown(SNMP_SYNTAX_DISPLAYSTR, vb), "") << std::hex << tag;
    }
}

TEST(ValueConversion, ReceivedValuesShowTheirLabel)
{
    EXPECT_EQ(Shown(SNMP_SYNTAX_INTEGER, WithValue(SnmpInt32(2)), &EnabledList), "disabled");
    EXPECT_EQ(Shown(SNMP_SYNTAX_INTEGER, WithValue(SnmpInt32(3)), &EnabledList), "3");
}

// A date or number of the wrong length shows its octets as hex text instead of failing the
// read; a code without a text form still fails and keeps the text.
TEST(ValueConversion, OddLengthsShowAsHexAndUnknownCodesFail)
{
    VhSNMPRequest request;
    const int dt = AddItem(request, SNMP_SYNTAX_DATETIME, "before");
    const int dbl = AddItem(request, SNMP_SYNTAX_DOUBLE, "before");
    const int bcd = AddItem(request, SNMP_SYNTAX_BCDATETIME, "before");
    const struct {
        int item;
        std::string octets;
        const char* text;
    } odd[] = {
        {dt, DateAndTime.substr(0, 7), "07D60C1B0D0509"},
        {dt, DateAndTime.substr(0, 9), "07D60C1B0D0509002B"},
        {dt, DateAndTime.substr(0, 10), "07D60C1B0D0509002B08"},
        {dbl, "\x01\x02\x03", "010203"},
        {bcd, std::string(7, '\0'), "00000000000000"},
        // A bcdatetime outside the calendar.
        {bcd, DoubleToOctetsLE(1e300), "9C7500883CE4377E"},
    };
    for (const auto& c : odd) {
        EXPECT_NO_THROW(request.VbToText(c.item, WithValue(OctetStr(c.octets)))) << c.text;
        EXPECT_EQ(request.VarList.GetItem(c.item)->Value, c.text);
    }

    const int sub = AddItem(request, SNMP_SYNTAX_INT8, "before");
    const int other = AddItem(request, 0x30, "before");
    EXPECT_EQ(RaisedCode([&] { request.VbToText(sub, WithValue(OctetStr("x"))); }), -511);
    EXPECT_EQ(RaisedCode([&] { request.VbToText(other, WithValue(SnmpInt32(1))); }), -511);
    for (const int i : {sub, other})
        EXPECT_EQ(request.VarList.GetItem(i)->Value, "before");
    EXPECT_EQ(RaisedCode([&] { request.VbToText(99, WithValue(SnmpInt32(1))); }), -12);
}

TEST(ValueConversion, ValueTextsAreSentOnTheirWireTypes)
{
    const struct {
        unsigned code;
        const char* text;
        SmiUINT32 tag;
        const char* printable;
    } cases[] = {
        {SNMP_SYNTAX_BOOLEAN, "true", sNMP_SYNTAX_INT32, "1"},
        {SNMP_SYNTAX_BOOLEAN, "True", sNMP_SYNTAX_INT32, "0"}, // only the exact text "true" is 1
        {SNMP_SYNTAX_INTEGER, "-1", sNMP_SYNTAX_INT32, "-1"},
        {SNMP_SYNTAX_INTEGER, "4294967295", sNMP_SYNTAX_INT32, "-1"},
        {SNMP_SYNTAX_INTEGER, "12abc", sNMP_SYNTAX_INT32, "12"},
        {SNMP_SYNTAX_INTEGER, "(null)", sNMP_SYNTAX_INT32, "0"}, // not the marker
        {SNMP_SYNTAX_INTEGER, "99999999999999999999", sNMP_SYNTAX_INT32, "1661992959"},
        {SNMP_SYNTAX_COUNTER, "-1", sNMP_SYNTAX_GAUGE32, "4294967295"},
        {SNMP_SYNTAX_GAUGE, "7", sNMP_SYNTAX_GAUGE32, "7"},
        {SNMP_SYNTAX_UINTEGER, "8", sNMP_SYNTAX_GAUGE32, "8"},
        {SNMP_SYNTAX_COUNTER64, "4294967301", sNMP_SYNTAX_CNTR64, "4294967301"},
        {SNMP_SYNTAX_COUNTER64, "18446744073709551615", sNMP_SYNTAX_CNTR64, "18446744073709551615"},
        {SNMP_SYNTAX_TIMETICKS, "1:02:03.04", sNMP_SYNTAX_TIMETICKS, "372304"},
        {SNMP_SYNTAX_TIMETICKS, "12345", sNMP_SYNTAX_TIMETICKS, "0"},
        {SNMP_SYNTAX_OBJECTID, "1.3.6.1", sNMP_SYNTAX_OID, "1.3.6.1"},
        {SNMP_SYNTAX_IPADDRESS, "10.0.0.1", sNMP_SYNTAX_IPADDR, "10.0.0.1"},
        {SNMP_SYNTAX_NSAPADDR, "10.0.0.2", sNMP_SYNTAX_IPADDR, "10.0.0.2"},
        {SNMP_SYNTAX_DISPLAYSTR, "(null)", sNMP_SYNTAX_OCTETS, "(null)"},
    };
    for (const auto& c : cases) {
        const Vb vb = Sent(c.code, c.text);
        EXPECT_EQ(vb.get_syntax(), c.tag) << c.text;
        EXPECT_EQ(vb.get_printable_value(), c.printable) << c.text;
    }
    // 1e30 modulo 2^64, explicitly, not an undefined conversion.
    Counter64 big;
    ASSERT_EQ(Sent(SNMP_SYNTAX_COUNTER64, "1e30").get_value(big), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(big.value(), DoubleToUInt64(1e30L));
}

TEST(ValueConversion, OctetValueTextsAreSentAsOctetString)
{
    const struct {
        unsigned code;
        const char* text;
        std::string octets;
    } cases[] = {
        {SNMP_SYNTAX_OCTETSTR, "1 2 3", Octets({0x01, 0x23})},
        {SNMP_SYNTAX_OCTETSTR, "zz", Octets({0x00})},
        {SNMP_SYNTAX_OCTETSTR, "", ""},
        {SNMP_SYNTAX_BITSTR, "80", Octets({0x80})},
        {SNMP_SYNTAX_OPAQUE, "0102", Octets({0x01, 0x02})},
        {SNMP_SYNTAX_MACADDRESS, "001122334455", Octets({0, 0x11, 0x22, 0x33, 0x44, 0x55})},
        {SNMP_SYNTAX_IPV6ADDRESS, "FE80", Octets({0xFE, 0x80})},
        {SNMP_SYNTAX_DISPLAYSTR, "abc", "abc"},
        {SNMP_SYNTAX_DATETIME, "2006-12-27,13:5:9.0,+8:0", DateAndTime},
        {SNMP_SYNTAX_BCDATETIME, "2006/12/27 01:05:09 pm", DoubleToOctetsLE(StrToDateTime("2006/12/27 13:05:09"))},
        {SNMP_SYNTAX_DOUBLE, "2.5", DoubleToOctetsLE(2.5)},
        {SNMP_SYNTAX_DOUBLE, "junk", DoubleToOctetsLE(0)},
    };
    for (const auto& c : cases) {
        const Vb vb = Sent(c.code, c.text);
        EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_OCTETS) << c.text;
        EXPECT_EQ(OctetsOf(vb), c.octets) << c.text;
    }
}

TEST(ValueConversion, NullMarkerIsSentAsNullForEveryCode)
{
    for (unsigned code = 1; code <= SNMP_SYNTAX_IPV6ADDRESS; ++code) {
        if (code > SNMP_SYNTAX_OBJECTID && code < SNMP_SYNTAX_IPADDRESS)
            continue;
        Vb vb = WithValue(SnmpInt32(5));
        VhSNMPRequest request;
        AddItem(request, code, "(NULL)");
        request.TextToVb(0, vb);
        EXPECT_EQ(vb.get_syntax(), sNMP_SYNTAX_NULL) << std::hex << code;
    }
    EXPECT_EQ(Sent(SNMP_SYNTAX_NULL, "5").get_syntax(), sNMP_SYNTAX_NULL);
}

TEST(ValueConversion, LabelsAreSentAsTheirValue)
{
    const Vb vb = Sent(SNMP_SYNTAX_INTEGER, "enabled", &EnabledList);
    EXPECT_EQ(vb.get_printable_value(), "1");
}

TEST(ValueConversion, UnsendableTextsFailAndLeaveTheVarbind)
{
    const struct {
        unsigned code;
        const char* text;
        int code_raised;
    } cases[] = {
        {SNMP_SYNTAX_INT8, "1", -511},
        {0x30, "1", -511},
        {SNMP_SYNTAX_IPADDRESS, "10.0.0", -518},
        {SNMP_SYNTAX_IPADDRESS, "host.example", -518}, // never a name lookup from a value text
        {SNMP_SYNTAX_OBJECTID, "abc", -518},
        {SNMP_SYNTAX_OBJECTID, "", -518},
    };
    for (const auto& c : cases) {
        VhSNMPRequest request;
        AddItem(request, c.code, c.text);
        Vb vb = WithValue(SnmpInt32(5));
        EXPECT_EQ(RaisedCode([&] { request.TextToVb(0, vb); }), c.code_raised) << c.text;
        EXPECT_EQ(vb.get_printable_value(), "5") << c.text;
    }
    EXPECT_THROW(Sent(SNMP_SYNTAX_BCDATETIME, "not a date"), EConvertError);
}

TEST(ValueConversion, TextsRoundTripThroughTheWire)
{
    const struct {
        unsigned code;
        const char* text;
    } cases[] = {
        {SNMP_SYNTAX_BOOLEAN, "true"},
        {SNMP_SYNTAX_INTEGER, "-2147483648"},
        {SNMP_SYNTAX_COUNTER, "4294967295"},
        {SNMP_SYNTAX_COUNTER64, "18446744073709551615"},
        {SNMP_SYNTAX_TIMETICKS, "497 days, 2:27:52.95"},
        {SNMP_SYNTAX_OBJECTID, "1.3.6.1.4.1.32473"},
        {SNMP_SYNTAX_IPADDRESS, "255.255.255.255"},
        {SNMP_SYNTAX_OCTETSTR, "00FF7F"},
        {SNMP_SYNTAX_MACADDRESS, "00112233AABB"},
        {SNMP_SYNTAX_DISPLAYSTR, "port 1/2"},
        {SNMP_SYNTAX_DATETIME, "2005-1-2,3:4:5.6,-1:30"},
        {SNMP_SYNTAX_BCDATETIME, "2006/12/27 01:05:09 pm"},
        {SNMP_SYNTAX_DOUBLE, "-0.000123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(c.code, Sent(c.code, c.text)), c.text) << c.text;
}

class Conversions : public ::testing::Test {
protected:
    int Item(unsigned code, const char* getExpr, const char* setExpr = nullptr,
             const VhOptionList* options = nullptr)
    {
        const int i = AddItem(request, code, "before", SNMP_ACCESS_READWRITE, options);
        if (getExpr)
            request.VarList.GetItem(i)->GetExpr = getExpr;
        if (setExpr)
            request.VarList.GetItem(i)->SetExpr = setExpr;
        return i;
    }
    std::string Value(int i) { return request.VarList.GetItem(i)->Value; }
    VhSNMPRequest request;
};

TEST_F(Conversions, ExpressionsSetTheValueTextByTheTargetCode)
{
    AddItem(request, SNMP_SYNTAX_INTEGER, "25"); // item 0
    const struct {
        unsigned code;
        const char* expr;
        const char* text;
    } cases[] = {
        {SNMP_SYNTAX_DOUBLE, "$0/10", "2.5"},
        {SNMP_SYNTAX_COUNTER, "$0*100", "2500"},
        {SNMP_SYNTAX_INTEGER, "$0*1000000000", "-769803776"}, // the low 32 bits
        {SNMP_SYNTAX_INTEGER, "0-$0/10", "-2"},                // truncated toward zero
        {SNMP_SYNTAX_UINTEGER, "0-1", "4294967295"},
        {SNMP_SYNTAX_BOOLEAN, "$0-25", "false"},
        {SNMP_SYNTAX_BOOLEAN, "$0", "true"},
        {SNMP_SYNTAX_TIMETICKS, "$0*360000", "1 day 1:00:00.00"},
        {SNMP_SYNTAX_COUNTER64, "$0*1000000000", "25000000000"},
        {SNMP_SYNTAX_BCDATETIME, "2.5", "1900/01/01 12:00:00 pm"},
        {SNMP_SYNTAX_INTEGER, "1/0", "0"}, // infinity has no low bits
    };
    for (const auto& c : cases) {
        const int i = Item(c.code, c.expr);
        request.ConvertValue(i, true);
        EXPECT_EQ(Value(i), c.text) << c.expr;
    }
}

TEST_F(Conversions, DirectionChoosesTheExpression)
{
    AddItem(request, SNMP_SYNTAX_INTEGER, "25");
    const int shown = Item(SNMP_SYNTAX_INTEGER, "$0*2", nullptr);
    request.ConvertValue(shown, false);
    EXPECT_EQ(Value(shown), "before");
    const int sent = Item(SNMP_SYNTAX_INTEGER, nullptr, "$0/5");
    request.ConvertValue(sent, false);
    EXPECT_EQ(Value(sent), "5");
    const int labelled = Item(SNMP_SYNTAX_INTEGER, "$0-23", nullptr, &EnabledList);
    request.ConvertValue(labelled, true);
    EXPECT_EQ(Value(labelled), "disabled");
}

TEST_F(Conversions, FailuresLeaveTheValueText)
{
    AddItem(request, SNMP_SYNTAX_INTEGER, "(NULL)");     // item 0
    AddItem(request, SNMP_SYNTAX_DISPLAYSTR, "eth1");    // item 1
    const struct {
        unsigned code;
        const char* expr;
        int raised;
    } cases[] = {
        {SNMP_SYNTAX_INTEGER, "$0+1", -512},
        {SNMP_SYNTAX_INTEGER, "$1+1", -513}, // no strings in a conversion
        {SNMP_SYNTAX_OCTETSTR, "1", -513},
        {SNMP_SYNTAX_INTEGER, "$7", -513},
    };
    for (const auto& c : cases) {
        const int i = Item(c.code, c.expr);
        EXPECT_EQ(RaisedCode([&] { request.ConvertValue(i, true); }), c.raised) << c.expr;
        EXPECT_EQ(Value(i), "before") << c.expr;
    }
}

} // namespace
