#include "platform/registry.h"

#include <sys/stat.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace std::string_literals;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath("etc/registry.ini").toStdString();
        setenv("TRQ3100_REGISTRY", path.c_str(), 1);
    }
    void TearDown() override { unsetenv("TRQ3100_REGISTRY"); }
    void write(const std::string& text)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    }
    std::string contents() const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    QTemporaryDir dir;
    std::string path;
};

TEST_F(RegistryTest, FileComesFromTheEnvironmentWithADefault)
{
    EXPECT_EQ(RegistryFilePath(), path);
    unsetenv("TRQ3100_REGISTRY");
    EXPECT_EQ(RegistryFilePath(), "/etc/trq3100/registry.ini");
    setenv("TRQ3100_REGISTRY", "", 1);
    EXPECT_EQ(RegistryFilePath(), "/etc/trq3100/registry.ini");
}

TEST_F(RegistryTest, ReadsValuesOfAKeyCaseInsensitively)
{
    write("; host paths\r\n"
          "[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\r\n"
          "1.3.6.1.4.1.32473.10.61.1 = /opt/help/module12.hlp \r\n"
          "[\\SOFTWARE\\Hewlett-Packard\\OpenView]\n"
          "OV_PATH=/opt/ov\n"
          "Empty=\n");
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\software\\VARNHOLT\\modules\\HelpPath", false));
    EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.32473.10.61.1"), "/opt/help/module12.hlp");
    EXPECT_EQ(reg.ReadString("OV_PATH"), "");
    EXPECT_FALSE(reg.ValueExists("OV_PATH"));
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Hewlett-Packard\\OpenView", false));
    EXPECT_EQ(reg.ReadString("ov_path"), "/opt/ov");
    EXPECT_TRUE(reg.ValueExists("Empty"));
    EXPECT_EQ(reg.ReadString("Empty"), "");
    reg.CloseKey();
    EXPECT_EQ(reg.ReadString("OV_PATH"), "");
}

TEST_F(RegistryTest, KeyExistsForItsSectionOrOneBelowIt)
{
    write("[\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\pelmora51.exe]\n");
    TRegistry reg;
    const std::string appPaths = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    EXPECT_TRUE(reg.KeyExists(appPaths + "PELMORA51.EXE"));
    EXPECT_FALSE(reg.KeyExists(appPaths + "pelmora5.exe"));
    EXPECT_TRUE(reg.KeyExists("\\SOFTWARE\\Microsoft"));
    EXPECT_FALSE(reg.KeyExists("\\SOFTWARE\\Micro")); // a prefix of a name is not a parent
    EXPECT_TRUE(reg.OpenKey("\\SOFTWARE", false));
    EXPECT_TRUE(reg.KeyExists("Microsoft\\Windows")); // relative to the open key
    reg.RootKey = HKEY_CURRENT_USER;
    EXPECT_FALSE(reg.KeyExists("\\SOFTWARE"));
}

TEST_F(RegistryTest, OpenWithCreateAddsTheMissingKeyOnly)
{
    write("[\\A]\nx=1"); // no final newline
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Varnholt\\Modules\\HelpPath", false));
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\Varnholt\\Modules\\HelpPath", true));
    EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.32473.10.61.1"), "");
    EXPECT_EQ(contents(), "[\\A]\nx=1\n[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n");
    ASSERT_TRUE(reg.OpenKey("\\a", true));
    EXPECT_EQ(reg.ReadString("X"), "1");
    EXPECT_EQ(contents(), "[\\A]\nx=1\n[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n"); // unchanged
}

TEST_F(RegistryTest, MissingFileCreatesItAndUnwritableFileFailsTheOpen)
{
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\A"));
    EXPECT_FALSE(reg.OpenKey("\\A", false));
    ASSERT_TRUE(reg.OpenKey("\\A", true)); // creates the folder and the file
    EXPECT_EQ(contents(), "[\\A]\n");

    const std::string blocked = dir.filePath("file").toStdString();
    std::ofstream(blocked) << "x";
    setenv("TRQ3100_REGISTRY", (blocked + "/registry.ini").c_str(), 1);
    EXPECT_FALSE(reg.OpenKey("\\A", true));
    EXPECT_EQ(reg.CurrentPath(), "\\A"); // a failed open leaves the open key alone
}

TEST_F(RegistryTest, UnreadableFileIsAnEmptyRegistryAndIsLeftAlone)
{
    const std::string folder = dir.filePath("folder").toStdString();
    std::filesystem::create_directories(folder);
    const std::string pipe = dir.filePath("pipe").toStdString();
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& file : {folder, pipe, std::string("/proc/self/mem")}) {
        setenv("TRQ3100_REGISTRY", file.c_str(), 1);
        TRegistry reg;
        EXPECT_FALSE(reg.KeyExists("\\SOFTWARE")) << file;
        EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Varnholt\\Modules\\HelpPath", false)) << file;
        // Not even to create a key: nothing is written into what is there.
        EXPECT_FALSE(reg.OpenKey("\\SOFTWARE\\Varnholt\\Modules\\HelpPath", true)) << file;
        EXPECT_EQ(reg.ReadString("1.3.6.1.4.1.32473.10.61.1"), "") << file;
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(RegistryTest, MalformedFileIsReadWithoutHarm)
{
    write("\0\0\xFF\xFE garbage\n[\\Broken\nname=value outside any key\n=\n[]\n[\\K]]\n"
          "no equals sign\n=anonymous\nv=a=b\n[\\K]\nv=second section\n"s);
    TRegistry reg;
    EXPECT_FALSE(reg.KeyExists("\\Broken"));
    ASSERT_TRUE(reg.OpenKey("\\K]", false));
    EXPECT_EQ(reg.ReadString("v"), "a=b");
    ASSERT_TRUE(reg.OpenKey("\\K", false));
    EXPECT_EQ(reg.ReadString("v"), "second section");
    EXPECT_EQ(reg.ReadString(""), "");
}

} // namespace
