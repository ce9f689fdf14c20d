#include "fixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "mainwin/mainunit.h"
#include "mainwin/settingsfile.h"
#include "mainwin/startup.h"
#include "snmplib/snmperror.h"

void StartupWorld::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    root = dir.path().toStdString() + "/";
    char buffer[4096];
    ASSERT_NE(getcwd(buffer, sizeof buffer), nullptr);
    savedCwd_ = buffer;
    ASSERT_EQ(chdir(root.c_str()), 0);
    setenv("TRQ3100_REGISTRY", path("registry.ini").c_str(), 1);
    setExeFolder("bin/");
    VhSNMPDefaults = VhSNMPDefaultsRecord();
    PlatformKind = PLATFORM_UNKNOWN;
    CfgFileFound = false;
    SnmpV3OptionSet = TSnmpV3OptionSet();
}

void StartupWorld::TearDown()
{
    SetExecutableFolder("");
    unsetenv("TRQ3100_REGISTRY");
    if (!savedCwd_.empty()) {
        EXPECT_EQ(chdir(savedCwd_.c_str()), 0);
    }
    for (const VhMessageFile& file : VhMessageFiles)
        file.Table->Reset();
    VhSNMPDefaults = VhSNMPDefaultsRecord();
    PlatformKind = PLATFORM_UNKNOWN;
    CfgFileFound = false;
    SnmpV3OptionSet = TSnmpV3OptionSet();
}

TMainForm* StartupWorld::createMainForm(const std::vector<std::string>& arguments)
{
    auto* form = new TMainForm(nullptr, arguments);
    // After the library's start, which sets the defaults, and before the first read.
    VhSNMPDefaults.Timeout = Timeout;
    form->FormCreate();
    return form;
}

void StartupWorld::writeSimulatorSettings(int port, const char* version) const
{
    TSettingsFileContent content;
    content.AgentPort = std::to_string(port);
    ASSERT_TRUE(SetSettingsValue(content, "Version", version));
    ASSERT_TRUE(WriteSettingsFile(path("127.0.0.1.cfg"), content));
}

std::string StartupWorld::path(const std::string& relative) const { return root + relative; }

void StartupWorld::writeFile(const std::string& relative, const std::string& bytes) const
{
    const std::filesystem::path file = path(relative);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string StartupWorld::readFile(const std::string& relative) const
{
    std::ifstream in(path(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void StartupWorld::writeRegistry(const std::string& text) const { writeFile("registry.ini", text); }

std::string StartupWorld::setExeFolder(const std::string& relative) const
{
    std::filesystem::create_directories(path(relative));
    SetExecutableFolder(path(relative));
    return path(relative);
}

std::string settingsFile(std::initializer_list<std::pair<const char*, const char*>> keys)
{
    std::string bytes("[Program Information]");
    bytes += '\0';
    for (const auto& [key, value] : keys) {
        bytes += std::string("\r\n") + key + "=" + value;
        bytes += '\0';
    }
    return bytes;
}
