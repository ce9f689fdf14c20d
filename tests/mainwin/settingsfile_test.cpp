// The per-device settings file: what the writer writes, the reader reads back, and the
// tool that writes it for the demo writes the same bytes as the settings window.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>

#include "fixture.h"
#include "mainwin/settingsfile.h"
#include "platform/files.h"

namespace {

class SettingsFile : public StartupWorld {
protected:
    struct Read {
        TDeviceSettingsTexts texts;
        VhSNMPDefaultsRecord defaults;
        bool found = false;
        TSnmpV3OptionSet flags;
    };
    Read read(const std::string& file)
    {
        Read r;
        ReadSettingsFile(file, {r.texts, r.defaults, r.found, r.flags});
        return r;
    }
};

TEST_F(SettingsFile, WhatTheWriterWritesIsReadBack)
{
    TSettingsFileContent v2c;
    v2c.AgentIP = "10.1.1.7";
    v2c.AgentPort = "1161";
    v2c.VersionIndex = 1;
    v2c.ContextName = "mardle";
    v2c.WriteCommunity = "quillon";

    TSettingsFileContent v3 = v2c;
    v3.VersionIndex = 2;
    v3.SecurityName = "md5des";
    v3.AuthPassword = "authpass123";
    v3.PrivPassword = "privpass123";
    v3.AuthProtocolIndex = 2;
    v3.PrivProtocolIndex = 1;
    v3.SecurityLevelIndex = 2;
    v3.ContextEngineID = "80001f8880";
    v3.ContextName = "";

    const std::string file = path("10.1.1.7.cfg");
    ASSERT_TRUE(WriteSettingsFile(file, v2c));
    Read r = read(file);
    EXPECT_EQ(r.defaults.Device.Port, 1161);
    EXPECT_EQ(r.defaults.Security.Version, 1);
    EXPECT_EQ(r.defaults.Scope.ContextName, "mardle");
    EXPECT_EQ(r.defaults.Security.SecurityName, "");
    EXPECT_EQ(r.defaults.Security.SecurityLevel, 0); // -1 (none chosen) + 1
    EXPECT_EQ(r.defaults.Security.SecurityModel, 3);
    EXPECT_TRUE(r.flags.ContextName);
    EXPECT_FALSE(r.flags.AuthPassword);

    ASSERT_TRUE(WriteSettingsFile(file, v3));
    r = read(file);
    EXPECT_EQ(r.defaults.Security.Version, 3);
    EXPECT_EQ(r.defaults.Security.SecurityName, "md5des");
    EXPECT_EQ(r.defaults.Security.AuthPassword, "authpass123");
    EXPECT_EQ(r.defaults.Security.PrivPassword, "privpass123");
    EXPECT_EQ(r.defaults.Security.AuthProtocol, 3);
    EXPECT_EQ(r.defaults.Security.PrivProtocol, 2);
    EXPECT_EQ(r.defaults.Security.SecurityLevel, 3);
    EXPECT_EQ(r.defaults.Scope.ContextEngineID, "80001f8880");
    EXPECT_EQ(r.texts.SecurityLevel, "3");
    EXPECT_FALSE(r.flags.ContextName);
    EXPECT_TRUE(r.flags.PrivPassword);
}

// The keys are the file's own; the ones the writer makes itself are refused.
TEST_F(SettingsFile, ValuesAreSetByTheFilesKeys)
{
    TSettingsFileContent c;
    EXPECT_TRUE(SetSettingsValue(c, "Version", "3"));
    EXPECT_EQ(c.VersionIndex, 2);
    EXPECT_TRUE(SetSettingsValue(c, "AuthProtocol", "1"));
    EXPECT_EQ(c.AuthProtocolIndex, 1);
    EXPECT_TRUE(SetSettingsValue(c, "SetCommStr", "quillon"));
    EXPECT_EQ(c.WriteCommunity, "quillon");
    for (const auto& [key, value] : {std::pair{"Version", "2"}, {"AuthProtocol", "x"}, {"GetCommStr", "a"},
                                     {"UpdateDate", "1/1/2007"}, {"SecurityModel", "3"}, {"Port", "161"}})
        EXPECT_FALSE(SetSettingsValue(c, key, value)) << key << "=" << value;
    EXPECT_EQ(c.VersionIndex, 2);
    EXPECT_EQ(c.AuthProtocolIndex, 1);
}

// run.sh makes the demo's file with the tool: the bytes are the settings window's but for
// the time of writing, and start-up reads them.
TEST_F(SettingsFile, TheToolWritesWhatTheWindowWrites)
{
    const QString tool = QString::fromLocal8Bit(qgetenv("TRQ_BINARY_DIR")) + "/mainwin/trq3100-writesettings";
    const std::string file = path("127.0.0.1.cfg");
    const QStringList arguments = {QString::fromStdString(file), "AgentIP=127.0.0.1", "AgentPort=16100", "Version=1",
                                   "ContextName=mardle", "SetCommStr=quillon"};
    QProcess process;
    process.start(tool, arguments);
    ASSERT_TRUE(process.waitForFinished(10000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

    TSettingsFileContent expected;
    expected.AgentIP = "127.0.0.1";
    expected.AgentPort = "16100";
    expected.VersionIndex = 1;
    expected.ContextName = "mardle";
    expected.WriteCommunity = "quillon";
    const std::optional<std::string> bytes = ReadWholeFile(file);
    ASSERT_TRUE(bytes);
    // The same bytes, up to the line of the date.
    const std::string window = SettingsFileBytes(expected);
    const std::size_t dated = window.find("\r\nUpdateDate=");
    ASSERT_NE(dated, std::string::npos);
    EXPECT_EQ(bytes->substr(0, dated), window.substr(0, dated));
    EXPECT_NE(bytes->find("\r\nUpdateTime="), std::string::npos);
    EXPECT_TRUE(bytes->ends_with(std::string("\r\nSecurityModel=3")));

    const Read r = read(file);
    EXPECT_EQ(r.defaults.Device.Port, 16100);
    EXPECT_EQ(r.defaults.Security.Version, 1);
    EXPECT_EQ(r.defaults.Scope.ContextName, "mardle");

    // A key the file does not have (a mistyped one, or an argument without "=") is refused
    // and nothing is written; the error names the key, never the value, which may be a
    // pass phrase.
    const struct {
        const char* argument;
        const char* names;
    } refused[] = {{"Port=161", "Port"}, {"AuthPasword=s3cret-phrase", "AuthPasword"}, {"s3cret-phrase", "argument 2"}};
    for (const auto& r : refused) {
        QProcess bad;
        bad.start(tool, {QString::fromStdString(path("x.cfg")), r.argument});
        ASSERT_TRUE(bad.waitForFinished(10000));
        EXPECT_EQ(bad.exitCode(), 2) << r.argument;
        const std::string said = bad.readAllStandardError().toStdString();
        EXPECT_NE(said.find(r.names), std::string::npos) << said;
        EXPECT_EQ(said.find("161"), std::string::npos) << said;
        EXPECT_EQ(said.find("s3cret"), std::string::npos) << said;
        EXPECT_FALSE(ReadWholeFile(path("x.cfg")));
    }
}

} // namespace
