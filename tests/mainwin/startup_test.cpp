// Start-up without windows: the command line against the defaults record, the settings
// file reader, the device address check, platform detection, registry folders and the
// message files.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "classlib/dialogs.h"
#include "fixture.h"
#include "mainwin/settingsfile.h"
#include "mainwin/startup.h"
#include "platform/exception.h"
#include "snmplib/snmperror.h"

namespace {

using State = std::map<std::string, std::string>;

struct Outcome {
    TDeviceSettingsTexts texts;
    VhSNMPDefaultsRecord defaults;
    bool cfgFileFound = false;
    TSnmpV3OptionSet flags;
    TCommandLineResult result = TCommandLineResult::Done;

    State state() const
    {
        const auto b = [](bool v) { return std::string(v ? "1" : "0"); };
        const auto& d = defaults;
        return {
            {"addr", d.Device.Address},
            {"port", std::to_string(d.Device.Port)},
            {"ver", std::to_string(d.Security.Version)},
            {"read", d.Security.ReadCommunity},
            {"write", d.Security.WriteCommunity},
            {"ctx", d.Scope.ContextName},
            {"engine", d.Scope.ContextEngineID},
            {"model", std::to_string(d.Security.SecurityModel)},
            {"level", std::to_string(d.Security.SecurityLevel)},
            {"name", d.Security.SecurityName},
            {"authpass", d.Security.AuthPassword},
            {"privpass", d.Security.PrivPassword},
            {"auth", std::to_string(d.Security.AuthProtocol)},
            {"priv", std::to_string(d.Security.PrivProtocol)},
            {"DeviceAddress", texts.DeviceAddress},
            {"ReadCommunity", texts.ReadCommunity},
            {"WriteCommunity", texts.WriteCommunity},
            {"AgentPort", texts.AgentPort},
            {"Version", texts.Version},
            {"SecurityName", texts.SecurityName},
            {"AuthPassword", texts.AuthPassword},
            {"PrivPassword", texts.PrivPassword},
            {"AuthProtocol", texts.AuthProtocol},
            {"PrivProtocol", texts.PrivProtocol},
            {"ContextEngineID", texts.ContextEngineID},
            {"SecurityLevel", texts.SecurityLevel},
            {"ContextName", texts.ContextName},
            {"SecurityModel", texts.SecurityModel},
            {"f.ContextName", b(flags.ContextName)},
            {"f.SecurityLevel", b(flags.SecurityLevel)},
            {"f.AuthProtocol", b(flags.AuthProtocol)},
            {"f.AuthPassword", b(flags.AuthPassword)},
            {"f.PrivProtocol", b(flags.PrivProtocol)},
            {"f.PrivPassword", b(flags.PrivPassword)},
            {"cfg", b(cfgFileFound)},
        };
    }
};

class CommandLine : public StartupWorld {
protected:
    Outcome run(const std::vector<std::string>& args, int platform = PLATFORM_PELMORA)
    {
        Outcome o;
        TCommandLineInput input;
        input.Arguments = args;
        input.PlatformKind = platform;
        input.ExeFolder = path("bin/");
        input.SettingsFolder = path("conf/");
        o.result = ReadCommandLine(input, {o.texts, o.defaults, o.cfgFileFound, o.flags});
        return o;
    }
    // The settings file of 10.1.1.7 beside the executable.
    void deviceFile(const std::string& bytes) { writeFile("bin/10.1.1.7.cfg", bytes); }
};

// Every field of the outcome equals the baseline (nothing given) except the listed ones.
void expectState(const Outcome& outcome, const State& changes, const std::string& label)
{
    State expected = Outcome().state();
    for (const auto& [key, value] : changes) {
        ASSERT_TRUE(expected.count(key)) << label << ": no field " << key;
        expected[key] = value;
    }
    const State actual = outcome.state();
    for (const auto& [key, value] : expected)
        EXPECT_EQ(actual.at(key), value) << label << ": field " << key;
}

const std::string kV2cFile =
    settingsFile({{"AgentIP", "10.1.1.7"}, {"AgentPort", "161"}, {"Version", "1"}, {"AuthPassword", ""},
                  {"PrivPassword", ""}, {"AuthProtocol", "-1"}, {"PrivProtocol", "-1"}, {"ContextEngineID", ""},
                  {"SecurityLevel", "-1"}, {"ContextName", "mardle"}, {"SecurityModel", "3"}});
const std::string kV3File =
    settingsFile({{"AgentPort", "162"}, {"Version", "3"}, {"SecurityName", "md5des"}, {"AuthPassword", "authpass123"},
                  {"PrivPassword", ""}, {"AuthProtocol", "1"}, {"PrivProtocol", "0"}, {"ContextEngineID", "8000"},
                  {"SecurityLevel", "1"}, {"ContextName", ""}, {"SecurityModel", "3"}});
// What kV2cFile gives: the lists' -1 become 0, each with its flag.
const State kV2cState = {{"port", "161"},          {"ver", "1"},           {"ctx", "mardle"},
                         {"model", "3"},           {"level", "0"},         {"auth", "0"},
                         {"priv", "0"},            {"AgentPort", "161"},   {"Version", "1"},
                         {"ContextName", "mardle"}, {"SecurityModel", "3"}, {"SecurityLevel", "0"},
                         {"AuthProtocol", "0"},    {"PrivProtocol", "0"},  {"f.ContextName", "1"},
                         {"f.SecurityLevel", "1"}, {"f.AuthProtocol", "1"}, {"f.PrivProtocol", "1"},
                         {"cfg", "1"}};

State with(State base, const State& more)
{
    for (const auto& [k, v] : more)
        base[k] = v;
    return base;
}

TEST_F(CommandLine, ArgumentVectorsWithoutSettingsFile)
{
    const struct {
        const char* label;
        std::vector<std::string> args;
        State changes;
    } cases[] = {
        {"address, communities, version",
         {"/I10.1.1.7", "/Rpublic", "/Wprivate", "/v1"},
         {{"addr", "10.1.1.7"}, {"read", "public"}, {"write", "private"}, {"ver", "1"}, {"DeviceAddress", "10.1.1.7"},
          {"ReadCommunity", "public"}, {"WriteCommunity", "private"}, {"Version", "1"}}},
        {"address alone looks for no file", {"/I10.1.1.7"}, {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}}},
        {"an option inside an argument is no option", {"x/I10.1.1.8", "a/R/v3"}, {}},
        {"options are case-sensitive", {"/i10.1.1.7", "/r"}, {}},
        {"the value runs to the end of the argument", {"/R/Wpass"}, {{"read", "/Wpass"}, {"ReadCommunity", "/Wpass"}}},
        {"a community holding option text", {"/Rpub/v3/t99"}, {{"read", "pub/v3/t99"}, {"ReadCommunity", "pub/v3/t99"}}},
        {"empty community", {"/W"}, {{"write", ""}}},
        {"SNMPv3 options are ignored without SNMPv3",
         {"/I10.1.1.7", "/t1161", "/nuser", "/l3", "/Apass/vx", "/a2", "/cctx"},
         {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}}},
        {"every SNMPv3 option",
         {"/v3", "/t1161", "/cctx", "/d8000", "/m3", "/l3", "/nuser", "/Aauth/vx", "/Ppriv", "/a2", "/p2"},
         {{"ver", "3"},           {"Version", "3"},         {"port", "1161"},       {"AgentPort", "1161"},
          {"ctx", "ctx"},         {"ContextName", "ctx"},   {"f.ContextName", "1"}, {"engine", "8000"},
          {"ContextEngineID", "8000"}, {"model", "3"},      {"SecurityModel", "3"}, {"level", "3"},
          {"SecurityLevel", "3"}, {"f.SecurityLevel", "1"}, {"name", "user"},       {"SecurityName", "user"},
          {"authpass", "auth/vx"}, {"AuthPassword", "auth/vx"}, {"f.AuthPassword", "1"}, {"privpass", "priv"},
          {"PrivPassword", "priv"}, {"f.PrivPassword", "1"}, {"auth", "2"},         {"AuthProtocol", "2"},
          {"f.AuthProtocol", "1"}, {"priv", "2"},           {"PrivProtocol", "2"},  {"f.PrivProtocol", "1"}}},
        {"empty or zero SNMPv3 values set no text and no flag",
         {"/v3", "/c", "/l0", "/A", "/P", "/a0", "/p0"},
         {{"ver", "3"}, {"Version", "3"}, {"level", "0"}, {"auth", "0"}, {"priv", "0"}}},
        {"a protocol keeps its text when a later option gives 0",
         {"/v3", "/a3", "/a0"},
         {{"ver", "3"}, {"Version", "3"}, {"auth", "0"}, {"AuthProtocol", "3"}, {"f.AuthProtocol", "1"}}},
        {"version and port keep 8 and 16 bits",
         {"/v259", "/t70000"},
         {{"ver", "3"}, {"Version", "3"}, {"port", "4464"}, {"AgentPort", "4464"}}},
        {"version 255 reads -1 as a signed byte", {"/v255"}, {{"ver", "255"}, {"Version", "-1"}}},
    };
    for (const auto& c : cases) {
        const Outcome o = run(c.args);
        // Every option applies; without "/I" there is still no device to manage.
        EXPECT_EQ(o.result, o.texts.DeviceAddress.empty() ? TCommandLineResult::NoAddress : TCommandLineResult::Done)
            << c.label;
        expectState(o, c.changes, c.label);
    }
}

TEST_F(CommandLine, SettingsFileIsReadBeforeEachOptionAfterTheAddress)
{
    const struct {
        const char* label;
        std::string file;
        std::vector<std::string> args;
        State changes;
    } cases[] = {
        {"SNMPv2c file: the file's settings and the communities of the options",
         kV2cFile,
         {"/I10.1.1.7", "/Rpublic", "/Wprivate"},
         with(kV2cState, {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}, {"read", "public"},
                          {"ReadCommunity", "public"}, {"write", "private"}, {"WriteCommunity", "private"}})},
        {"the file read again before /t sets the version back, so /t is ignored",
         kV2cFile,
         {"/I10.1.1.7", "/v3", "/t1161"},
         with(kV2cState, {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}})},
        {"SNMPv3 file: its port replaces /t once a later option reads the file again",
         kV3File,
         {"/I10.1.1.7", "/t1161", "/Rpublic"},
         {{"addr", "10.1.1.7"},        {"DeviceAddress", "10.1.1.7"}, {"read", "public"},
          {"ReadCommunity", "public"}, {"port", "162"},               {"AgentPort", "162"},
          {"ver", "3"},                {"Version", "3"},              {"name", "md5des"},
          {"SecurityName", "md5des"},  {"authpass", "authpass123"},   {"AuthPassword", "authpass123"},
          {"f.AuthPassword", "1"},     {"auth", "2"},                 {"AuthProtocol", "2"},
          {"f.AuthProtocol", "1"},     {"engine", "8000"},            {"ContextEngineID", "8000"},
          {"level", "2"},              {"SecurityLevel", "2"},        {"f.SecurityLevel", "1"},
          {"model", "3"},              {"SecurityModel", "3"},        {"cfg", "1"}}},
        {"the last option keeps its effect over the file",
         kV3File,
         {"/I10.1.1.7", "/t1161"},
         {{"addr", "10.1.1.7"},       {"DeviceAddress", "10.1.1.7"}, {"port", "1161"},
          {"AgentPort", "1161"},      {"ver", "3"},                  {"Version", "3"},
          {"name", "md5des"},         {"SecurityName", "md5des"},    {"authpass", "authpass123"},
          {"AuthPassword", "authpass123"}, {"f.AuthPassword", "1"},  {"auth", "2"},
          {"AuthProtocol", "2"},      {"f.AuthProtocol", "1"},       {"engine", "8000"},
          {"ContextEngineID", "8000"}, {"level", "2"},               {"SecurityLevel", "2"},
          {"f.SecurityLevel", "1"},   {"model", "3"},                {"SecurityModel", "3"},
          {"cfg", "1"}}},
        {"options before the address look for no file",
         kV2cFile,
         {"/Rpublic", "/I10.1.1.7"},
         {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}, {"read", "public"}, {"ReadCommunity", "public"}}},
    };
    for (const auto& c : cases) {
        deviceFile(c.file);
        const Outcome o = run(c.args);
        EXPECT_EQ(o.result, TCommandLineResult::Done) << c.label;
        expectState(o, c.changes, c.label);
    }
}

TEST_F(CommandLine, SettingsFileLocationFollowsThePlatform)
{
    writeFile("conf/10.1.1.7.cfg", kV2cFile);
    EXPECT_EQ(run({"/I10.1.1.7", "/Rx"}, PLATFORM_OPENVIEW).defaults.Security.Version, 1);
    EXPECT_FALSE(run({"/I10.1.1.7", "/Rx"}, PLATFORM_PELMORA).cfgFileFound);

    // Neither platform: refused before any option is applied; the address alone is fine.
    const Outcome unknown = run({"/I10.1.1.7", "/Rx"}, PLATFORM_UNKNOWN);
    EXPECT_EQ(unknown.result, TCommandLineResult::UnknownPlatform);
    EXPECT_EQ(unknown.defaults.Security.ReadCommunity, "mardle");
    EXPECT_EQ(run({"/I10.1.1.7"}, PLATFORM_UNKNOWN).result, TCommandLineResult::Done);
}

TEST_F(CommandLine, NoArgumentsAndBadNumbers)
{
    EXPECT_EQ(run({}).result, TCommandLineResult::NoArguments);
    EXPECT_THROW(run({"/I10.1.1.7", "/vabc"}), EConvertError);
    EXPECT_THROW(run({"/v3", "/t"}), EConvertError);
    EXPECT_THROW(run({"/v3", "/l1x"}), EConvertError);
}

TEST_F(CommandLine, DeviceAddressMustNotLeadOutOfTheFolder)
{
    for (const char* good : {"10.1.1.7", "::1", "fe80::1%eth0", "2001:db8::7", "switch-01.example.com", "SW_3",
                             "3com", "10.1.1.7a"})
        EXPECT_TRUE(IsValidDeviceAddress(good)) << good;
    // Digits and dots alone must make an IPv4 address.
    for (const char* bad : {"", "../10.1.1.7", "10.1.1.7/..", "/etc/passwd", "a b", ".hidden", "-x", "..",
                            "a\\b", "fe80::1%", "x;rm", "999.1.1.1", "10.1.1.300", "10.1.1", "10.1.1.7.", "1",
                            "010.1.1.7", "10..1.7"})
        EXPECT_FALSE(IsValidDeviceAddress(bad)) << bad;

    writeFile("10.1.1.7.cfg", kV2cFile); // where "../" would lead from bin/
    const Outcome o = run({"/I../10.1.1.7", "/Rx"});
    EXPECT_EQ(o.result, TCommandLineResult::BadAddress);
    expectState(o, {}, "bad address");
    EXPECT_EQ(SettingsFileName(PLATFORM_PELMORA, "/b/", "/c/", "../x"), "");
    EXPECT_EQ(SettingsFileName(PLATFORM_PELMORA, "/b/", "/c/", "10.1.1.7"), "/b/10.1.1.7.cfg");
    EXPECT_EQ(SettingsFileName(PLATFORM_OPENVIEW, "/b/", "/c/", "10.1.1.7"), "/c/10.1.1.7.cfg");
}

TEST_F(CommandLine, MalformedSettingsFileIsNamedOnceAndSkipped)
{
    // SecurityModel is absent and SecurityLevel empty: they keep their defaults silently.
    deviceFile(settingsFile({{"AgentPort", "16x"}, {"Version", "1"}, {"SecurityLevel", ""}, {"AuthProtocol", "0"},
                             {"PrivProtocol", "two"}, {"SecurityName", "u"}}));
    MessageRecorder boxes;
    const Outcome o = run({"/I10.1.1.7", "/Rpublic", "/Wprivate"});
    EXPECT_EQ(o.result, TCommandLineResult::Done);
    // The file was read twice; each bad key is reported once, naming the file.
    ASSERT_EQ(boxes.Shown.size(), 2u);
    EXPECT_NE(boxes.Shown[0].text.find(path("bin/10.1.1.7.cfg")), std::string::npos) << boxes.Shown[0].text;
    EXPECT_NE(boxes.Shown[0].text.find("AgentPort"), std::string::npos) << boxes.Shown[0].text;
    EXPECT_NE(boxes.Shown[0].text.find("16x"), std::string::npos) << boxes.Shown[0].text;
    EXPECT_NE(boxes.Shown[1].text.find("PrivProtocol"), std::string::npos) << boxes.Shown[1].text;
    // The other keys and the options still apply.
    expectState(o, {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}, {"read", "public"},
                    {"ReadCommunity", "public"}, {"write", "private"}, {"WriteCommunity", "private"}, {"ver", "1"},
                    {"Version", "1"}, {"name", "u"}, {"SecurityName", "u"}, {"cfg", "1"}},
                "malformed");
}

TEST_F(CommandLine, UnreadableSettingsFileIsNamedOnceAndTheDefaultsStay)
{
    // A regular file whose read fails even for root: the process's memory at address 0.
    std::filesystem::create_directories(path("bin"));
    std::filesystem::create_symlink("/proc/self/mem", path("bin/10.1.1.7.cfg"));
    MessageRecorder boxes;
    const Outcome o = run({"/I10.1.1.7", "/Rpublic", "/v1", "/Wprivate"});
    EXPECT_EQ(o.result, TCommandLineResult::Done);
    ASSERT_EQ(boxes.Shown.size(), 1u);
    EXPECT_EQ(boxes.Shown[0].text, "Settings file " + path("bin/10.1.1.7.cfg") +
                                       " cannot be read (Input/output error); the default settings are used.");
    expectState(o, {{"addr", "10.1.1.7"}, {"DeviceAddress", "10.1.1.7"}, {"read", "public"},
                    {"ReadCommunity", "public"}, {"write", "private"}, {"WriteCommunity", "private"}, {"ver", "1"},
                    {"Version", "1"}, {"cfg", "1"}},
                "unreadable");
}

TEST(LengthAfterLast, CountsAfterTheLastOccurrence)
{
    EXPECT_EQ(LengthAfterLast("/h/varnholt_ems/TRQ3100/", "/varnholt_ems/"), 8);
    EXPECT_EQ(LengthAfterLast("/h/varnholt_ems/a/varnholt_ems/b/", "/varnholt_ems/"), 2);
    EXPECT_EQ(LengthAfterLast("/h/varnholt_ems/", "/varnholt_ems/"), 0);
    EXPECT_EQ(LengthAfterLast("/tools/", "/varnholt_ems/"), 7);
    EXPECT_EQ(LengthAfterLast("aaa", "aa"), 1);
}

class Platform : public StartupWorld {};

TEST_F(Platform, DetectedFromTheFolderTree)
{
    const struct {
        const char* exeFolder;
        const char* marker; // "" for none
        int kind;
    } cases[] = {
        {"host/varnholt_ems/TRQ3100/", "host/varnholt_ems/TRQ3100.dat", PLATFORM_PELMORA},
        {"p2/varnholt_ems/TRQ3100/", "", PLATFORM_OPENVIEW},
        {"p3/varnholt_ems/TRQ3100/bin/", "p3/varnholt_ems/TRQ3100/TRQ3100.dat", PLATFORM_OPENVIEW},
        {"p4/tools/", "p4/TRQ3100.dat", PLATFORM_OPENVIEW},
        {"p5/varnholt_ems/x/varnholt_ems/TRQ3100/", "p5/varnholt_ems/x/varnholt_ems/TRQ3100.dat", PLATFORM_PELMORA},
        {"p6/varnholt_ems/TRQ3100/", "p6/varnholt_ems/TRQ3100/TRQ3100.dat", PLATFORM_OPENVIEW},
    };
    for (const auto& c : cases) {
        const std::string folder = setExeFolder(c.exeFolder);
        if (*c.marker)
            writeFile(c.marker, "");
        EXPECT_EQ(DetectPlatformKind(folder), c.kind) << c.exeFolder;
    }
}

TEST_F(Platform, RegistryGivesHelpBaseAndOpenViewFolder)
{
    EXPECT_EQ(HelpPathBase(), ""); // no registry file
    EXPECT_EQ(OpenViewSettingsFolder(), "");

    writeRegistry("[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.61.1=" + path("help/") +
                  "module12.hlp\n");
    EXPECT_EQ(HelpPathBase(), path("help/"));
    writeRegistry("[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.61.1=module12.hlp\n");
    EXPECT_EQ(HelpPathBase(), "");

    writeRegistry("[\\SOFTWARE\\Varnholt\\Pelmora5.1\\ExePath]\nPath=/opt/pm/bin/\n");
    EXPECT_EQ(OpenViewSettingsFolder(), "/opt/pm/bin/../Conf/MBF/");
    writeRegistry("[\\SOFTWARE\\Varnholt\\Pelmora5.1\\ExePath]\nPath=/opt/pm/bin/\n"
                  "[\\SOFTWARE\\Varnholt\\Pelmora5.1\\MibFile]\nPath=/opt/pm/mib/\n");
    EXPECT_EQ(OpenViewSettingsFolder(), "/opt/pm/mib/");
}

TEST_F(Platform, MessageFilesComeFromTheHelpBase)
{
    writeFile("help/errmsg/snmp.err", "Agent says too big\nAgent says no such name\n");
    writeFile("help/errmsg/snmp.msg", "Read [ERROR] [VARLIST] [TIME]\nWrote [ERROR] [VARLIST] [TIME]\n");
    writeFile("errmsg/snmp.err", "from the current folder\n"); // must not be taken
    writeRegistry("[\\SOFTWARE\\Varnholt\\Modules\\HelpPath]\n1.3.6.1.4.1.32473.10.61.1=" + path("help/") +
                  "module12.hlp\n");
    const std::string builtIn = SnmpErrorText(-102);
    LoadMessageFiles(HelpPathBase());
    EXPECT_EQ(SnmpErrorText(-101), "Agent says too big");
    EXPECT_EQ(SnmpErrorText(-102), "Agent says no such name");
    EXPECT_EQ(ResultMsgTable.Text(0), "Read [ERROR] [VARLIST] [TIME]");
    EXPECT_FALSE(SnmpUsmMsgTable.IsLoaded()); // missing file: the built-in table stays
    SnmpMsgTable.Reset();
    EXPECT_EQ(SnmpErrorText(-102), builtIn);
}

} // namespace
