#include "platform/profile.h"

#include <sys/stat.h>

#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

using namespace std::string_literals;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    std::string write(const std::string& bytes)
    {
        const std::string path = dir.filePath("10.1.1.7.cfg").toStdString();
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        return path;
    }
    std::string read(const std::string& path, const char* section, const char* key, const char* def = "",
                     unsigned size = 4096)
    {
        std::string buf(size + 1, '\x7F');
        const unsigned n = GetPrivateProfileStringA(section, key, def, buf.data(), size, path.c_str());
        EXPECT_EQ(n, std::string(buf.c_str()).size()) << key;
        EXPECT_EQ(buf[size], '\x7F') << "wrote past the buffer";
        return buf.c_str();
    }
    QTemporaryDir dir;
};

// The settings file exactly as the SNMP settings window writes it, for SNMPv1 (the
// SecurityName piece has no NUL) and without a final line break.
const std::string kWrittenV1 = "[Program Information]\0"s +
                               "\r\nAgentIP=10.1.1.7\0"s + "\r\nAgentPort=161\0"s +
                               "\r\nVersion=0\0"s + "\r\nSecurityName="s +
                               "\r\nAuthPassword=\0"s + "\r\nPrivPassword=\0"s +
                               "\r\nAuthProtocol=-1\0"s + "\r\nPrivProtocol=-1\0"s +
                               "\r\nContextEngineID=\0"s + "\r\nSecurityLevel=-1\0"s +
                               "\r\nContextName=mardle\0"s + "\r\nGetCommStr=mardle\0"s +
                               "\r\nSetCommStr=quillon\0"s + "\r\nSecurityModel=3";

TEST_F(ProfileTest, ReadsTheFileTheSettingsWindowWrites)
{
    const std::string path = write(kWrittenV1);
    const struct { const char* key; const char* value; } cases[] = {
        {"AgentIP", "10.1.1.7"},   {"AgentPort", "161"},      {"Version", "0"},          {"SecurityName", ""},
        {"AuthPassword", ""},      {"PrivPassword", ""},      {"AuthProtocol", "-1"},    {"PrivProtocol", "-1"},
        {"ContextEngineID", ""},   {"SecurityLevel", "-1"},   {"ContextName", "mardle"}, {"SetCommStr", "quillon"},
        {"SecurityModel", "3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(read(path, "Program Information", c.key, "dflt"), c.value) << c.key;
    EXPECT_EQ(read(path, "Program Information", "UpdateDate", "dflt"), "dflt");
}

TEST_F(ProfileTest, NamesAreCaseInsensitiveAndTrimmed)
{
    const std::string path = write("; comment\n[Other]\nkey=other\n  [ program INFORMATION ]  \n"
                                   "  Key  =  some value \t\n"
                                   "Second=two\r\n"
                                   "NoEquals\n"
                                   "Last=no newline");
    EXPECT_EQ(read(path, "Program Information", "KEY"), "some value");
    EXPECT_EQ(read(path, "PROGRAM information", "second"), "two");
    EXPECT_EQ(read(path, "Program Information", "last"), "no newline");
    EXPECT_EQ(read(path, "Other", "Key"), "other");
    EXPECT_EQ(read(path, "Other", "Second", "d"), "d");
    EXPECT_EQ(read(path, "Program Information", "NoEquals", "d"), "d");
}

TEST_F(ProfileTest, MissingFileOrKeyGivesTheDefaultAsGiven)
{
    const std::string missing = dir.filePath("none.cfg").toStdString();
    EXPECT_EQ(read(missing, "Program Information", "AgentPort", " 161 "), " 161 ");
    EXPECT_EQ(read(missing, "Program Information", "AgentPort", nullptr), "");
    EXPECT_EQ(read(missing, "Program Information", "AgentPort", ""), "");
    const std::string path = write("[A]\nx=1\n");
    EXPECT_EQ(read(path, "B", "x", "d"), "d");
    EXPECT_EQ(read(path, "A", "y", "d"), "d");
}

TEST_F(ProfileTest, UnreadableFileGivesTheDefault)
{
    const std::string pipe = dir.filePath("pipe.cfg").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& file : {dir.path().toStdString(), pipe, std::string("/proc/self/mem")})
        EXPECT_EQ(read(file, "Program Information", "AgentPort", "161"), "161") << file;
}

TEST_F(ProfileTest, LongValueIsCutToTheBuffer)
{
    const std::string longValue(5000, 'v');
    const std::string path = write("[S]\nK=" + longValue + "\nShort=abc\n");
    EXPECT_EQ(read(path, "S", "K"), std::string(4095, 'v'));
    EXPECT_EQ(read(path, "S", "Short", "", 3), "ab");
    EXPECT_EQ(read(path, "S", "Short", "", 1), "");
    EXPECT_EQ(read(path, "S", "Missing", "default", 4), "def");
    char untouched = 'x';
    EXPECT_EQ(GetPrivateProfileStringA("S", "Short", "", &untouched, 0, path.c_str()), 0u);
    EXPECT_EQ(untouched, 'x');
}

TEST_F(ProfileTest, BrokenLinesDoNotStopTheReader)
{
    const std::string path = write("\0\0garbage\xFF\n[Broken\nK=in broken\n[S]\n=no name\nK=v\nJ= abc \0junk=x\n"s);
    EXPECT_EQ(read(path, "S", "K"), "v");
    EXPECT_EQ(read(path, "S", "J"), "abc"); // the value ends at the NUL byte
    EXPECT_EQ(read(path, "S", "junk", "d"), "d");
    EXPECT_EQ(read(path, "Broken", "K", "d"), "d");
}

} // namespace
