#include <gtest/gtest.h>

#include <climits>

#include "snmplib/subfield.h"
#include "snmplib/textforms.h"
#include "values_test_util.h"

namespace {

const unsigned AllCodes[] = {
    SNMP_SYNTAX_BOOLEAN,    SNMP_SYNTAX_INTEGER,   SNMP_SYNTAX_BITSTR,     SNMP_SYNTAX_OCTETSTR,
    SNMP_SYNTAX_NULL,       SNMP_SYNTAX_OBJECTID,  SNMP_SYNTAX_IPADDRESS,  SNMP_SYNTAX_COUNTER,
    SNMP_SYNTAX_GAUGE,      SNMP_SYNTAX_TIMETICKS, SNMP_SYNTAX_OPAQUE,     SNMP_SYNTAX_NSAPADDR,
    SNMP_SYNTAX_COUNTER64,  SNMP_SYNTAX_UINTEGER,  SNMP_SYNTAX_DOUBLE,     SNMP_SYNTAX_MACADDRESS,
    SNMP_SYNTAX_DATETIME,   SNMP_SYNTAX_BCDATETIME, SNMP_SYNTAX_DISPLAYSTR, SNMP_SYNTAX_IPV6ADDRESS,
    SNMP_SYNTAX_BOOL8,      SNMP_SYNTAX_INT8,      SNMP_SYNTAX_UINT8,      SNMP_SYNTAX_BOOL16,
    SNMP_SYNTAX_INT16,      SNMP_SYNTAX_UINT16,
};

const std::string DateAndTime = Octets({0x07, 0xD6, 0x0C, 0x1B, 0x0D, 0x05, 0x09, 0x00, 0x2B, 0x08, 0x00});

TEST(SubFields, TextsBecomeOctetsAndBack)
{
    const struct {
        unsigned code;
        const char* text;
        std::string octets;
        const char* back; // the text the octets read back as
    } cases[] = {
        {SNMP_SYNTAX_BOOLEAN, "true", Octets({1, 0, 0, 0}), "true"},
        {SNMP_SYNTAX_BOOL8, "true", Octets({1}), "true"},
        {SNMP_SYNTAX_BOOL16, "true", Octets({0, 1}), "true"},
        {SNMP_SYNTAX_BOOLEAN, "True", Octets({0, 0, 0, 0}), "false"},
        {SNMP_SYNTAX_BOOL8, "TRUE", Octets({0}), "false"},
        {SNMP_SYNTAX_BOOL16, "1", Octets({0, 0}), "false"},
        {SNMP_SYNTAX_BOOL8, "yes", Octets({0}), "false"},
        {SNMP_SYNTAX_INT8, "-1", Octets({0xFF}), "-1"},
        {SNMP_SYNTAX_UINT8, "-1", Octets({0xFF}), "255"},
        {SNMP_SYNTAX_INT8, "300", Octets({0x2C}), "44"},
        {SNMP_SYNTAX_UINT8, "300", Octets({0x2C}), "44"},
        {SNMP_SYNTAX_INT16, "65535", Octets({0xFF, 0xFF}), "-1"},
        {SNMP_SYNTAX_UINT16, "65535", Octets({0xFF, 0xFF}), "65535"},
        {SNMP_SYNTAX_INT16, "258", Octets({0x01, 0x02}), "258"},
        {SNMP_SYNTAX_UINT16, "258", Octets({0x01, 0x02}), "258"},
        {SNMP_SYNTAX_INTEGER, "-2", Octets({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        {SNMP_SYNTAX_COUNTER, "-1", Octets({0xFF, 0xFF, 0xFF, 0xFF}), "4294967295"},
        {SNMP_SYNTAX_GAUGE, "258", Octets({0x02, 0x01, 0, 0}), "258"},
        {SNMP_SYNTAX_UINTEGER, "12abc", Octets({12, 0, 0, 0}), "12"},
        {SNMP_SYNTAX_TIMETICKS, "1:00:00.00", Octets({0x40, 0x7E, 0x05, 0x00}), "1:00:00.00"},
        {SNMP_SYNTAX_COUNTER64, "4294967296", Octets({0, 0, 0, 0, 1, 0, 0, 0}), "4294967296"},
        {SNMP_SYNTAX_DOUBLE, "2.5", DoubleToOctetsLE(2.5), "2.5"},
        {SNMP_SYNTAX_BCDATETIME, "1900/01/01 12:00:00 pm", DoubleToOctetsLE(2.5), "1900/01/01 12:00:00 pm"},
        {SNMP_SYNTAX_IPADDRESS, "192.168.0.1", Octets({0xC0, 0xA8, 0x00, 0x01}), "192.168.0.1"},
        {SNMP_SYNTAX_NSAPADDR, "10.0.0.1", Octets({10, 0, 0, 1}), "10.0.0.1"},
        {SNMP_SYNTAX_OBJECTID, "1.3.256", Octets({1, 0, 0, 0, 3, 0, 0, 0, 0, 1, 0, 0}), "1.3.256"},
        {SNMP_SYNTAX_OCTETSTR, "1 2 3", Octets({0x01, 0x23}), "0123"},
        {SNMP_SYNTAX_BITSTR, "F0", Octets({0xF0}), "F0"},
        {SNMP_SYNTAX_OPAQUE, "zz", Octets({0x00}), "00"},
        {SNMP_SYNTAX_MACADDRESS, "0011223344556677", Octets({0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77}),
         "0011223344556677"}, // every octet is printed
        {SNMP_SYNTAX_IPV6ADDRESS, "000102030405060708090A0B0C0D0E0F",
         Octets({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}), "000102030405060708090A0B0C0D0E0F"},
        {SNMP_SYNTAX_DISPLAYSTR, "abc", "abc", "abc"},
        {SNMP_SYNTAX_DATETIME, "2006-12-27,13:5:9.0,+8:0", DateAndTime, "2006-12-27,13:5:9.0,+8:0"},
    };
    for (const auto& c : cases) {
        const OctetStr octets = TextToOctets(c.text, c.code);
        EXPECT_EQ(octets.str(), c.octets) << std::hex << c.code << " " << c.text;
        EXPECT_EQ(OctetsToText(octets, c.code), c.back) << std::hex << c.code << " " << c.text;
    }
}

TEST(SubFields, NullIsEmptyOctets)
{
    for (const unsigned code : AllCodes) {
        EXPECT_EQ(TextToOctets("(NULL)", code).len(), 0u) << std::hex << code;
        EXPECT_EQ(OctetsToText(OctetStr(), code), code == SNMP_SYNTAX_DISPLAYSTR ? "" : "(NULL)") << std::hex << code;
        EXPECT_EQ(OctetsToText(OctetStr("x"), SNMP_SYNTAX_NULL), "(NULL)");
        EXPECT_EQ(TextToOctets("5", SNMP_SYNTAX_NULL).len(), 0u);
    }
}

TEST(SubFields, SubFieldCutsItsWidthAtTheOffset)
{
    const OctetStr eight(Octets({0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17}));
    EXPECT_EQ(SubField(eight, 3, SNMP_SYNTAX_UINT8).str(), Octets({0x13}));
    EXPECT_EQ(SubField(eight, 6, SNMP_SYNTAX_UINT16).str(), Octets({0x16, 0x17}));
    EXPECT_EQ(SubField(eight, 4, SNMP_SYNTAX_INTEGER).str(), Octets({0x14, 0x15, 0x16, 0x17}));
    EXPECT_EQ(SubField(eight, 0, SNMP_SYNTAX_COUNTER64).str(), eight.str());
    EXPECT_EQ(SubField(eight, 5, SNMP_SYNTAX_OCTETSTR).str(), Octets({0x15, 0x16, 0x17}));
    EXPECT_EQ(SubField(eight, 8, SNMP_SYNTAX_OCTETSTR).len(), 0u);
    EXPECT_EQ(SubField(eight, 2, SNMP_SYNTAX_NULL).len(), 0u);

    const struct {
        int32_t offset;
        unsigned code;
    } outside[] = {
        {7, SNMP_SYNTAX_UINT16}, {5, SNMP_SYNTAX_INTEGER}, {1, SNMP_SYNTAX_COUNTER64}, {0, SNMP_SYNTAX_DATETIME},
        {0, SNMP_SYNTAX_IPV6ADDRESS}, {9, SNMP_SYNTAX_OCTETSTR}, {9, SNMP_SYNTAX_DISPLAYSTR}, {-1, SNMP_SYNTAX_UINT8},
        {INT32_MIN, SNMP_SYNTAX_OCTETSTR}, {INT32_MAX, SNMP_SYNTAX_UINT8}, {INT32_MAX, SNMP_SYNTAX_OBJECTID},
    };
    for (const auto& c : outside)
        EXPECT_EQ(RaisedCode([&] { SubField(eight, c.offset, c.code); }), -519) << c.offset << " " << c.code;
}

TEST(SubFields, SubFieldOfEmptyOctetsIsEmpty)
{
    for (const unsigned code : AllCodes)
        for (const int32_t offset : {0, 3, 100, INT32_MAX})
            EXPECT_EQ(SubField(OctetStr(), offset, code).len(), 0u) << std::hex << code << " " << offset;
}

TEST(SubFields, ShortOctetsAreRefused)
{
    const struct {
        unsigned code;
        std::string octets;
    } cases[] = {
        {SNMP_SYNTAX_IPADDRESS, TextToOctets("1.2", SNMP_SYNTAX_IPADDRESS).str()}, // two numbers, two octets
        {SNMP_SYNTAX_MACADDRESS, Octets({1, 2, 3, 4, 5})},
        {SNMP_SYNTAX_IPV6ADDRESS, std::string(15, 'x')},
        {SNMP_SYNTAX_BOOLEAN, Octets({1, 0, 0})},
        {SNMP_SYNTAX_INTEGER, Octets({1})},
        {SNMP_SYNTAX_TIMETICKS, Octets({1, 2, 3})},
        {SNMP_SYNTAX_COUNTER64, std::string(7, 'x')},
        {SNMP_SYNTAX_DOUBLE, std::string(7, 'x')},
        {SNMP_SYNTAX_BCDATETIME, std::string(7, 'x')},
        {SNMP_SYNTAX_DATETIME, DateAndTime.substr(0, 7)},
        {SNMP_SYNTAX_BOOL16, Octets({1})},
        {SNMP_SYNTAX_INT16, Octets({1})},
        {SNMP_SYNTAX_OBJECTID, Octets({1, 0, 0, 0, 3})}, // a trailing part of an arc
    };
    for (const auto& c : cases)
        EXPECT_EQ(RaisedCode([&] { OctetsToText(OctetStr(c.octets), c.code); }), -518) << std::hex << c.code;
}

TEST(SubFields, DateAndTimeWithoutZoneReads)
{
    EXPECT_EQ(OctetsToText(OctetStr(DateAndTime.substr(0, 8)), SNMP_SYNTAX_DATETIME), "2006-12-27,13:5:9.0");
}

TEST(SubFields, UnknownCodesAreRefused)
{
    for (const unsigned code : {0u, 7u, 0x3Fu, 0x4Eu, 0xC0u, 0xC7u, 0xFFFFFFFFu}) {
        EXPECT_EQ(RaisedCode([&] { TextToOctets("1", code); }), -511) << code;
        EXPECT_EQ(RaisedCode([&] { SubField(OctetStr("1234"), 0, code); }), -511) << code;
        EXPECT_EQ(RaisedCode([&] { OctetsToText(OctetStr("1234"), code); }), -511) << code;
    }
}

TEST(SubFields, OddTextsConvertWithoutRaising)
{
    EXPECT_EQ(TextToOctets("10.0.x", SNMP_SYNTAX_IPADDRESS).len(), 0u);
    EXPECT_EQ(TextToOctets("99999999999999999999", SNMP_SYNTAX_INTEGER).str(), Octets({0xFF, 0xFF, 0x0F, 0x63}));
    EXPECT_EQ(TextToOctets("1e999", SNMP_SYNTAX_COUNTER64).str(), std::string(8, '\0'));
    EXPECT_EQ(TextToOctets("99999999999-99999-x", SNMP_SYNTAX_DATETIME).len(), 11u);
    EXPECT_EQ(TextToOctets("", SNMP_SYNTAX_DATETIME).len(), 11u);
    EXPECT_EQ(OctetsToText(TextToOctets("nan", SNMP_SYNTAX_DOUBLE), SNMP_SYNTAX_DOUBLE), "NAN");
    EXPECT_THROW(TextToOctets("tomorrow", SNMP_SYNTAX_BCDATETIME), EConvertError);
    EXPECT_THROW(OctetsToText(OctetStr(DoubleToOctetsLE(1e300)), SNMP_SYNTAX_BCDATETIME), EConvertError);
}

} // namespace
