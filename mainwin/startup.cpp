#include "mainwin/startup.h"

#include <arpa/inet.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <set>
#include <system_error>

#include "classlib/dialogs.h"
#include "mainwin/settingsfile.h"
#include "platform/exception.h"
#include "platform/registry.h"
#include "platform/sysutils.h"
#include "snmplib/snmperror.h"
#include "snmplib/utils.h"

int PlatformKind = PLATFORM_UNKNOWN;
bool CfgFileFound = false;
TSnmpV3OptionSet SnmpV3OptionSet;

namespace {

bool fileExists(const std::string& name)
{
    std::error_code ec;
    return !name.empty() && std::filesystem::is_regular_file(name, ec);
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool isIpAddress(const std::string& text)
{
    unsigned char buffer[16];
    if (inet_pton(AF_INET, text.c_str(), buffer) == 1)
        return true;
    // An IPv6 address, possibly with a zone ("fe80::1%eth0").
    const size_t zone = text.find('%');
    const std::string address = text.substr(0, zone);
    if (inet_pton(AF_INET6, address.c_str(), buffer) != 1)
        return false;
    if (zone == std::string::npos)
        return true;
    const std::string name = text.substr(zone + 1);
    return !name.empty() &&
           std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '-' || c == '.'; });
}

bool isHostName(const std::string& text)
{
    if (text.empty() || text.size() > 253 || text.front() == '.' || text.front() == '-')
        return false;
    // Digits and dots alone are meant as an IPv4 address ("10.1.1.300" is a typing
    // error, not a name to look up).
    if (text.find_first_not_of("0123456789.") == std::string::npos)
        return false;
    return std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
               c == '.';
    });
}

} // namespace

// ---- Folders ----

int LengthAfterLast(const std::string& text, const std::string& pattern)
{
    if (pattern.empty())
        return static_cast<int>(text.size());
    size_t rest = 0; // start of the text after the last occurrence found so far
    for (size_t at = text.find(pattern); at != std::string::npos; at = text.find(pattern, rest))
        rest = at + pattern.size();
    return static_cast<int>(text.size() - rest);
}

int DetectPlatformKind(const std::string& exeFolder)
{
    const int after = LengthAfterLast(exeFolder, "/varnholt_ems/");
    const std::string tail = exeFolder.substr(exeFolder.size() - static_cast<size_t>(after));
    const auto slashes = std::count(tail.begin(), tail.end(), '/');
    if (slashes == 1 && fileExists(exeFolder + "../TRQ3100.dat"))
        return PLATFORM_PELMORA;
    return PLATFORM_OPENVIEW;
}

std::string HelpPathBase()
{
    std::string value;
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (registry.OpenKey("\\SOFTWARE\\Varnholt\\Modules\\HelpPath", true)) {
        value = registry.ReadString("1.3.6.1.4.1.32473.10.61.1");
        registry.CloseKey();
    }
    // The value names a help file of twelve characters inside the folder.
    return value.size() > 12 ? value.substr(0, value.size() - 12) : std::string();
}

std::string OpenViewSettingsFolder()
{
    std::string folder;
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (registry.OpenKey("\\SOFTWARE\\Varnholt\\Pelmora5.1\\ExePath", false)) {
        folder = registry.ReadString("Path") + "../Conf/MBF/";
        registry.CloseKey();
    }
    if (registry.OpenKey("\\SOFTWARE\\Varnholt\\Pelmora5.1\\MibFile", false)) {
        folder = registry.ReadString("Path");
        registry.CloseKey();
    }
    return folder;
}

void LoadMessageFiles(const std::string& base)
{
    for (const VhMessageFile& file : VhMessageFiles)
        LoadTextLines(*file.Table, base + "errmsg/" + file.FileName);
}

// ---- Command line and settings file ----

bool IsValidDeviceAddress(const std::string& text) { return isIpAddress(text) || isHostName(text); }

std::string BadAddressMessage(const std::string& address)
{
    return "Invalid device address: \"" + address + "\"" + (address.empty() ? " (the /I option is empty)" : "");
}

TCommandLineResult ReadCommandLine(const TCommandLineInput& input, const TCommandLineTargets& targets)
{
    if (input.Arguments.empty())
        return TCommandLineResult::NoArguments;

    TDeviceSettingsTexts& texts = targets.Texts;
    VhSNMPDefaultsRecord& defaults = targets.Defaults;
    TSnmpV3OptionSet& flags = targets.Flags;
    std::set<std::string> reported;
    bool addressGiven = false;

    // A context name or pass phrase counts as given when it is not empty; a protocol when
    // it is not 0.
    const auto given = [](const std::string& value, std::string& field, std::string& fieldText, bool& flag) {
        field = value;
        if (!value.empty()) {
            fieldText = value;
            flag = true;
        }
    };
    const auto protocol = [](const std::string& value, int32_t& field, std::string& fieldText, bool& flag) {
        field = StrToInt(value);
        if (field != 0) {
            fieldText = IntToStr(field);
            flag = true;
        }
    };

    for (const std::string& argument : input.Arguments) {
        // One option per argument: its two characters lead the argument, the value is
        // the rest of it (possibly empty).
        const std::string value = argument.size() > 2 ? argument.substr(2) : std::string();

        if (startsWith(argument, "/I")) {
            if (!IsValidDeviceAddress(value))
                return TCommandLineResult::BadAddress;
            texts.DeviceAddress = value;
            defaults.Device.Address = value;
            addressGiven = true;
            continue;
        }

        // The settings file is read anew before every other argument.
        if (input.PlatformKind != PLATFORM_PELMORA && input.PlatformKind != PLATFORM_OPENVIEW)
            return TCommandLineResult::UnknownPlatform;
        const std::string file =
            SettingsFileName(input.PlatformKind, input.ExeFolder, input.SettingsFolder, texts.DeviceAddress);
        targets.CfgFileFound = fileExists(file);
        if (targets.CfgFileFound)
            ReadSettingsFile(file, targets, &reported);

        // A number that is not one names its option: the user sees what to mend.
        try {
            if (startsWith(argument, "/R")) {
                defaults.Security.ReadCommunity = value;
                texts.ReadCommunity = value;
            } else if (startsWith(argument, "/W")) {
                defaults.Security.WriteCommunity = value;
                texts.WriteCommunity = value;
            } else if (startsWith(argument, "/v")) {
                defaults.Security.Version = static_cast<uint8_t>(StrToInt(value));
                texts.Version = IntToStr(static_cast<int8_t>(defaults.Security.Version));
            } else if (texts.Version == "3" || defaults.Security.Version == 3) {
                if (startsWith(argument, "/t")) {
                    defaults.Device.Port = static_cast<uint16_t>(StrToInt(value));
                    texts.AgentPort = IntToStr(defaults.Device.Port);
                } else if (startsWith(argument, "/c")) {
                    given(value, defaults.Scope.ContextName, texts.ContextName, flags.ContextName);
                } else if (startsWith(argument, "/d")) {
                    defaults.Scope.ContextEngineID = value;
                    texts.ContextEngineID = value;
                } else if (startsWith(argument, "/m")) {
                    defaults.Security.SecurityModel = StrToInt(value);
                    texts.SecurityModel = IntToStr(defaults.Security.SecurityModel);
                } else if (startsWith(argument, "/l")) {
                    defaults.Security.SecurityLevel = StrToInt(value);
                    if (defaults.Security.SecurityLevel != 0) {
                        flags.SecurityLevel = true;
                        texts.SecurityLevel = IntToStr(defaults.Security.SecurityLevel);
                    }
                } else if (startsWith(argument, "/n")) {
                    defaults.Security.SecurityName = value;
                    texts.SecurityName = value;
                } else if (startsWith(argument, "/A")) {
                    given(value, defaults.Security.AuthPassword, texts.AuthPassword, flags.AuthPassword);
                } else if (startsWith(argument, "/P")) {
                    given(value, defaults.Security.PrivPassword, texts.PrivPassword, flags.PrivPassword);
                } else if (startsWith(argument, "/a")) {
                    protocol(value, defaults.Security.AuthProtocol, texts.AuthProtocol, flags.AuthProtocol);
                } else if (startsWith(argument, "/p")) {
                    protocol(value, defaults.Security.PrivProtocol, texts.PrivProtocol, flags.PrivProtocol);
                }
            }
        } catch (const EConvertError& e) {
            throw EConvertError(argument.substr(0, 2) + ": " + e.Message, e.HelpContext);
        }
    }
    // Without an address there is no device to manage.
    return addressGiven ? TCommandLineResult::Done : TCommandLineResult::NoAddress;
}

// ---- Usage ----

bool IsUsageRequest(const std::vector<std::string>& arguments)
{
    return std::any_of(arguments.begin(), arguments.end(),
                       [](const std::string& a) { return a == "--help" || a == "-h" || a == "/?"; });
}

std::string UsageText()
{
    return "Usage: trq3100 /I<address> [/R<community>] [/W<community>] [/v<version>] [SNMPv3 options]\n"
           "Manages one TRQ-3100 switch over SNMP. One option per argument, its value written\n"
           "directly after its two characters (/I10.1.1.7, /Rpublic).\n"
           "\n"
           "  /I<address>    the switch: an IPv4 or IPv6 address or a host name; comes first\n"
           "  /R<community>  read community (default mardle)\n"
           "  /W<community>  write community (default quillon)\n"
           "  /v<version>    SNMP version: 0 SNMPv1 (default), 1 SNMPv2c, 3 SNMPv3\n"
           "With SNMPv3 (/v3, or a settings file that says so) also:\n"
           "  /t<port>       the switch's UDP port (default 161)\n"
           "  /n<name>       security name (the USM user)\n"
           "  /l<level>      security level: 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
           "  /a<protocol>   authentication protocol: 1 none, 2 MD5, 3 SHA-1\n"
           "  /A<phrase>     authentication pass phrase\n"
           "  /p<protocol>   privacy protocol: 1 none, 2 DES\n"
           "  /P<phrase>     privacy pass phrase\n"
           "  /c<name>       context name\n"
           "  /d<id>         context engine ID\n"
           "  /m<model>      security model (3 USM)\n"
           "  --help, -h, /? print this text and end\n"
           "\n"
           "The settings file <address>.cfg (written by the SNMP settings window) is read again\n"
           "before every option but /I: its port, version and SNMPv3 settings replace those of\n"
           "earlier options. Numbers must be decimal integers; a start-up error ends the program\n"
           "with exit status 1.\n";
}
