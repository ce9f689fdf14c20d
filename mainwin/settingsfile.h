#pragma once
// The per-device settings file: "<device address>.cfg", written by the SNMP settings
// window and read by start-up before each command-line option. One key table drives both.
//
// The file is the concatenation of fixed pieces: the section header, then one CR LF +
// key line per setting in table order, most ended by a NUL byte, no final line break. It
// is written through a temporary file renamed over the old one and readable by its owner
// only (it holds SNMPv3 pass phrases).
//
// UpdateDate and UpdateTime hold the time of writing in fixed forms, whatever the locale:
// the date as month/day/year ("M/d/yyyy", 12/27/2006) and the time on the 12-hour clock
// ("h:mm:ss AM", 3:07:09 PM).
#include <set>
#include <string>
#include <string_view>

#include <QDateTime>

#include "mainwin/startup.h"

// The one section of the settings file.
inline constexpr char SETTINGS_SECTION[] = "Program Information";

// What one settings file holds.
struct TSettingsFileContent {
    std::string AgentIP;
    std::string AgentPort;
    int VersionIndex = 0; // 0 SNMPv1, 1 SNMPv2c, 2 SNMPv3
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int AuthProtocolIndex = -1; // 0 None, 1 HMACMD5, 2 HMAC_SHA, -1 none chosen
    int PrivProtocolIndex = -1; // 0 None, 1 CBC_DES, -1 none chosen
    std::string ContextEngineID;
    int SecurityLevelIndex = -1; // 0 NoAuthNoPriv, 1 AuthNoPriv, 2 AuthPriv, -1 none chosen
    std::string ContextName;
    std::string WriteCommunity;
    QDateTime Updated;
};

// The keys, in the order the file holds them.
enum class TSettingsKey {
    AgentIP,
    AgentPort,
    Version,
    SecurityName,
    AuthPassword,
    PrivPassword,
    AuthProtocol,
    PrivProtocol,
    ContextEngineID,
    SecurityLevel,
    ContextName,
    GetCommStr,
    SetCommStr,
    UpdateDate,
    UpdateTime,
    SecurityModel,
};

// When a key's line ends with a NUL byte.
enum class TSettingsNul { Always, WithSnmpV3, Never };

// One key of the file: its name, its NUL, and the content field it is written from (a
// text, a list index written as a number, or neither for the keys the writer makes).
struct TSettingsKeyDef {
    TSettingsKey Key;
    const char* Name;
    TSettingsNul Nul;
    std::string TSettingsFileContent::*Text;
    int TSettingsFileContent::*Index;
};

extern const TSettingsKeyDef SettingsKeys[16];
const char* SettingsKeyName(TSettingsKey key);

// The file's bytes.
std::string SettingsFileBytes(const TSettingsFileContent& content);
std::string SettingsDateText(const QDateTime& when);
std::string SettingsTimeText(const QDateTime& when);
// Writes the file (ReplaceFileContents, platform/files.h); false when it could not.
bool WriteSettingsFile(const std::string& fileName, const TSettingsFileContent& content);
// Sets the content field that the key's line is written from to what the file would hold
// ("Version=3": SNMPv3, "AuthProtocol=1": HMACMD5). False for a key the writer makes
// itself (GetCommStr follows ContextName; the dates; SecurityModel) and for an unknown key
// or a value that is not a number where the key holds one.
bool SetSettingsValue(TSettingsFileContent& content, std::string_view key, const std::string& value);

// The settings file of the device: the settings folder (HP OpenView) or the executable's
// folder (Pelmora), the address and ".cfg". "" when the platform is neither or the
// address does not pass IsValidDeviceAddress.
std::string SettingsFileName(int platformKind, const std::string& exeFolder, const std::string& settingsFolder,
                             const std::string& deviceAddress);

// Reads the settings file into the targets (the reader run before each option). A key
// that should hold a number keeps the default when it is absent or empty; holding anything
// else, it is reported once in a message box naming the file and the key, and is left out.
// A file that cannot be read is reported once and changes nothing. Files and keys already
// reported in reported are not reported again.
void ReadSettingsFile(const std::string& fileName, const TCommandLineTargets& targets,
                      std::set<std::string>* reported = nullptr);
