#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

#include "snmplib/utils.h"

namespace {

using namespace std::string_literals;

// A settings file byte for byte as the SNMP settings window writes it: NUL after most
// values, CR LF in front of every key, no line break at the end.
std::string SettingsFile(bool v3)
{
    std::string s = "[Program Information]\0"s;
    s += "\r\nAgentIP=10.1.1.7\0"s;
    s += "\r\nAgentPort=1161\0"s;
    s += v3 ? "\r\nVersion=3\0"s : "\r\nVersion=1\0"s;
    s += v3 ? "\r\nSecurityName= admin \0"s : "\r\nSecurityName="s;
    s += "\r\nAuthPassword=secret phrase\0"s;
    s += "\r\nPrivPassword=\0"s;
    s += "\r\nAuthProtocol=1\0"s;
    s += "\r\nPrivProtocol=-1\0"s;
    s += "\r\nContextEngineID=800007e580\0"s;
    s += "\r\nSecurityLevel=2\0"s;
    s += "\r\nContextName=ctx\0"s;
    s += "\r\nGetCommStr=ctx\0"s;
    s += "\r\nSetCommStr=private\0"s;
    s += "\r\nUpdateDate=2024/05/01\0"s;
    s += "\r\nUpdateTime=10:11:12 AM\0"s;
    s += "\r\nSecurityModel=3"s;
    return s;
}

TEST(VhIni, ReadsTheSettingsFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (bool v3 : {true, false}) {
        SCOPED_TRACE(v3 ? "SNMPv3" : "SNMPv2c");
        const std::string path = dir.filePath(v3 ? "10.1.1.7.cfg" : "10.1.1.8.cfg").toStdString();
        std::ofstream(path, std::ios::binary) << SettingsFile(v3);
        const VhIni ini(path);
        const std::string section = "Program Information";
        EXPECT_EQ(ini.ReadString(section, "AgentPort", ""), "1161");
        EXPECT_EQ(ini.ReadString(section, "Version", ""), v3 ? "3" : "1");
        EXPECT_EQ(ini.ReadString(section, "SecurityName", "dflt"), v3 ? "admin" : "dflt");
        EXPECT_EQ(ini.ReadString(section, "AuthPassword", ""), "secret phrase");
        EXPECT_EQ(ini.ReadString(section, "PrivPassword", "none"), "none"); // empty value
        EXPECT_EQ(ini.ReadString(section, "PrivProtocol", ""), "-1");
        EXPECT_EQ(ini.ReadString(section, "UpdateTime", ""), "10:11:12 AM");
        EXPECT_EQ(ini.ReadString(section, "SecurityModel", ""), "3"); // last piece, no line end
        EXPECT_EQ(ini.ReadString("program information", "contextname", ""), "ctx");
        EXPECT_EQ(ini.ReadString(section, "GetCommunity", "public"), "public");
        EXPECT_EQ(ini.ReadString("Other", "AgentPort", "161"), "161");
    }
    EXPECT_EQ(VhIni(dir.filePath("missing.cfg").toStdString()).ReadString("Program Information", "Version", "0"),
              "0");
}

TEST(MakeFilePath, JoinsWithOneSlash)
{
    EXPECT_EQ(MakeFilePath("/opt/trq", "errmsg"), "/opt/trq/errmsg");
    EXPECT_EQ(MakeFilePath("/opt/trq/", "errmsg"), "/opt/trq/errmsg");
    EXPECT_EQ(MakeFilePath("", "VhSNMP_PP_BootCounter"), "VhSNMP_PP_BootCounter");
}

TEST(VhDateTime, TextRoundTrips)
{
    const std::pair<const char*, const char*> cases[] = {
        {"2024-5-17,13:45:9.3", "2024-5-17,13:45:9.3"},
        {"2024-5-17,13:45:9.3,+8:0", "2024-5-17,13:45:9.3,+8:0"},
        {"1999-12-31,23:59:59.9,-5:30", "1999-12-31,23:59:59.9,-5:30"},
        {"2024-5-17,13:45:9.3,+0:0", "2024-5-17,13:45:9.3"}, // no offset: the short form
        {"2024-5-17,13:45:9.3,-0:45", "2024-5-17,13:45:9.3,-0:45"},
        {"2024-5-17", "2024-5-17,0:0:0.0"}, // fields not given are 0
        {"garbage", "0-0-0,0:0:0.0"},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(VhDateTime(std::string(in)).ToString(), out) << in;

    const VhDateTime zoned(std::string("2024-5-17,13:45:9.3,+8:0"));
    EXPECT_EQ(zoned.Direction, '+');
    EXPECT_EQ(zoned.UtcHours, 8);
    EXPECT_EQ(zoned.Year, 2024);
}

TEST(VhDateTime, OctetsAndByteOrder)
{
    const VhDateTime original(std::string("2024-5-17,13:45:9.3,-5:30"));
    unsigned char octets[11];
    original.CopyTo(octets);
    EXPECT_EQ(VhDateTime(octets).ToString(), "2024-5-17,13:45:9.3,-5:30");

    // On the wire the year is most significant octet first.
    VhDateTime wire = original;
    SwapBytes16(wire.Year);
    wire.CopyTo(octets);
    EXPECT_EQ(octets[0], 0x07);
    EXPECT_EQ(octets[1], 0xE8);
    EXPECT_EQ(octets[8], '-');
    VhDateTime back(octets);
    SwapBytes16(back.Year);
    EXPECT_EQ(back.Year, 2024);

    const VhDateTime now;
    EXPECT_GE(now.Year, 2024);
    EXPECT_EQ(now.Direction, '+');
    EXPECT_EQ(now.DeciSeconds, 0);
}

TEST(VhNumList, Parsing)
{
    struct Case {
        char separator;
        const char* text;
        std::vector<int> values;
    };
    const Case cases[] = {
        {'.', "1.3.6.1", {1, 3, 6, 1}},
        {',', "1,2,3", {1, 2, 3}},
        {',', "", {}},
        {',', "5,", {5, 0}},
        {',', ",", {0, 0}},
        {',', "12.75,3", {12, 3}},   // fraction digits leave the whole number
        {',', "1.5.9,2", {1, 2}},    // a second "." is one more fraction
        {'.', "4294967295", {-1}},   // 32-bit wrap, no overflow trap
        {'.', "99999999999", {1215752191}},
        {',', "1a", {59}},           // 1 * 10 + ('a' - 48): characters are not rejected
    };
    for (const Case& c : cases) {
        VhNumList<int> list;
        list.Separator = c.separator;
        list.Assign(c.text);
        EXPECT_EQ(list.Values, c.values) << c.text;
        EXPECT_EQ(list.Count(), static_cast<int>(c.values.size())) << c.text;
    }

    VhNumList<int> list;
    list.Separator = ',';
    EXPECT_EQ(list.CountItems(""), 0);
    EXPECT_EQ(list.CountItems("7"), 1);
    EXPECT_EQ(list.CountItems("7,,8"), 3);
    list.Assign("3,17,9");
    EXPECT_EQ(list.IndexOf(17), 1);
    EXPECT_EQ(list.IndexOf(4), -1);
    list.Assign("");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOf(0), -1);

    VhNumList<unsigned int> u;
    EXPECT_EQ(u.Separator, '.');
    u.Assign("10.200.4294967295");
    EXPECT_EQ(u.Values, (std::vector<unsigned>{10, 200, 4294967295u}));
    EXPECT_TRUE(u.InRange(0, 4294967295u));
    EXPECT_FALSE(u.InRange(10, 200));
    u.Assign("");
    EXPECT_TRUE(u.InRange(5, 6));
}

TEST(VhBinaryString, OwnsACopy)
{
    VhBinaryString s;
    EXPECT_EQ(s.Length(), 0);
    EXPECT_EQ(s.Data(), nullptr);
    unsigned char bytes[] = {0, 1, 0xff};
    s.Assign(bytes, 3);
    bytes[1] = 9;
    ASSERT_EQ(s.Length(), 3);
    EXPECT_EQ(s.Data()[1], 1);
    EXPECT_EQ(s.Data()[2], 0xff);
    s.Clear();
    EXPECT_EQ(s.Length(), 0);
}

} // namespace
