#pragma once
// Start-up without windows: where the program runs (host platform, folders, registry),
// the message files, the command line and the per-device settings file.
//
// The main window's constructor runs these in order; each is a function of its inputs
// so that the rules can be exercised on temporary folder trees and argument vectors.
#include <string>
#include <vector>

#include "platform/paths.h"
#include "snmplib/defaults.h"

// ---- Program-wide start-up state ----

inline constexpr int PLATFORM_UNKNOWN = -1;
inline constexpr int PLATFORM_PELMORA = 0;
inline constexpr int PLATFORM_OPENVIEW = 1;

// Host platform: -1 not yet known, 0 Pelmora, 1 HP OpenView.
extern int PlatformKind;
// The per-device settings file existed the last time it was looked for.
extern bool CfgFileFound;

// Which SNMPv3 settings came from the settings file or the command line; the sibling
// tools are passed only these.
struct TSnmpV3OptionSet {
    bool ContextName = false;
    bool SecurityLevel = false;
    bool AuthProtocol = false;
    bool AuthPassword = false;
    bool PrivProtocol = false;
    bool PrivPassword = false;
};
extern TSnmpV3OptionSet SnmpV3OptionSet;

// The texts of the SNMP settings that the command line and the settings file gave (empty
// when neither did). The main window holds them; other windows read them there.
struct TDeviceSettingsTexts {
    std::string DeviceAddress;
    std::string ReadCommunity;
    std::string WriteCommunity;
    std::string AgentPort;
    std::string Version;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    std::string AuthProtocol;
    std::string PrivProtocol;
    std::string ContextEngineID;
    std::string SecurityLevel;
    std::string ContextName;
    std::string SecurityModel;
};

// ---- Folders ----
// The executable's folder is ExecutableFolder (platform/paths.h).

// The number of characters of text after the last occurrence of pattern; the length of
// text when pattern does not occur (or is empty); 0 when text ends with pattern.
int LengthAfterLast(const std::string& text, const std::string& pattern);

// The host platform of a program in exeFolder (ending with "/"): Pelmora when the text
// after the last "/varnholt_ems/" of the folder (the whole folder when it has none)
// holds exactly one "/" and "../TRQ3100.dat" exists beside it; HP OpenView otherwise.
int DetectPlatformKind(const std::string& exeFolder);

// Registry: the help path value less its last 12 characters (the file name), or "".
std::string HelpPathBase();
// Registry: the folder of the settings files under HP OpenView, or "" (current folder).
std::string OpenViewSettingsFolder();

// Loads the seven message files from base + "errmsg/"; a missing file keeps its table.
void LoadMessageFiles(const std::string& base);

// ---- Command line and settings file ----

// Whether text may name the device and its settings file: an IPv4 or IPv6 address, or
// a host name (letters, digits, "-", "_" and "." not at the start, not digits and dots
// alone). Nothing that could lead the file name into another folder passes.
bool IsValidDeviceAddress(const std::string& text);

enum class TCommandLineResult {
    Done,            // every argument was read
    NoArguments,     // "No parameter input"
    UnknownPlatform, // "Platform should be Pelmora or HP-OpenView"
    BadAddress,      // the "/I" value is no address
    NoAddress,       // no argument gave "/I"
};

struct TCommandLineInput {
    std::vector<std::string> Arguments; // without the program name
    int PlatformKind = PLATFORM_UNKNOWN;
    std::string ExeFolder;
    std::string SettingsFolder;
};

// What reading the command line fills.
struct TCommandLineTargets {
    TDeviceSettingsTexts& Texts;
    VhSNMPDefaultsRecord& Defaults;
    bool& CfgFileFound;
    TSnmpV3OptionSet& Flags;
};

// Reads the options, one per argument, each recognised only at the start of its
// argument. Before every argument but "/I" the device's settings file is read (when it
// exists; ReadSettingsFile, mainwin/settingsfile.h), so its values replace what earlier
// options set; each problem of the file is reported once. Numeric options that are not
// numbers raise EConvertError, its text led by the option ("/v: 'abc' is not a valid
// integer value").
// Stops at the first argument that fails (BadAddress, UnknownPlatform); NoAddress when
// every argument was read and none gave the address.
TCommandLineResult ReadCommandLine(const TCommandLineInput& input, const TCommandLineTargets& targets);

// Whether the arguments ask for the usage text: one of them is "--help", "-h" or "/?".
bool IsUsageRequest(const std::vector<std::string>& arguments);
// The usage text: every option of the command line, one a line, ending with a line break.
std::string UsageText();

// The message texts.
inline constexpr char MSG_NO_PARAMETER[] = "No parameter input";
inline constexpr char MSG_UNKNOWN_PLATFORM[] = "Platform should be Pelmora or HP-OpenView";
inline constexpr char MSG_NO_ADDRESS[] =
    "No device address: name the switch with the /I option, for example /I10.1.1.7";
// "Invalid device address: "<text>"", with a note when the text is empty.
std::string BadAddressMessage(const std::string& address);
