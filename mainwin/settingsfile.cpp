#include "mainwin/settingsfile.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <QLocale>

#include "classlib/dialogs.h"
#include "platform/files.h"
#include "platform/sysutils.h"
#include "snmplib/utils.h"

using K = TSettingsKey;
using N = TSettingsNul;
using C = TSettingsFileContent;

const TSettingsKeyDef SettingsKeys[16] = {
    {K::AgentIP, "AgentIP", N::Always, &C::AgentIP, nullptr},
    {K::AgentPort, "AgentPort", N::Always, &C::AgentPort, nullptr},
    {K::Version, "Version", N::Always, nullptr, nullptr},
    // Without SNMPv3 the security name is left empty, and so is its terminating NUL.
    {K::SecurityName, "SecurityName", N::WithSnmpV3, &C::SecurityName, nullptr},
    {K::AuthPassword, "AuthPassword", N::Always, &C::AuthPassword, nullptr},
    {K::PrivPassword, "PrivPassword", N::Always, &C::PrivPassword, nullptr},
    {K::AuthProtocol, "AuthProtocol", N::Always, nullptr, &C::AuthProtocolIndex},
    {K::PrivProtocol, "PrivProtocol", N::Always, nullptr, &C::PrivProtocolIndex},
    {K::ContextEngineID, "ContextEngineID", N::Always, &C::ContextEngineID, nullptr},
    {K::SecurityLevel, "SecurityLevel", N::Always, nullptr, &C::SecurityLevelIndex},
    {K::ContextName, "ContextName", N::Always, &C::ContextName, nullptr},
    // The read community is the context name's field.
    {K::GetCommStr, "GetCommStr", N::Always, &C::ContextName, nullptr},
    {K::SetCommStr, "SetCommStr", N::Always, &C::WriteCommunity, nullptr},
    {K::UpdateDate, "UpdateDate", N::Always, nullptr, nullptr},
    {K::UpdateTime, "UpdateTime", N::Always, nullptr, nullptr},
    {K::SecurityModel, "SecurityModel", N::Never, nullptr, nullptr},
};

namespace {

// The version the file records for each choice of the settings window.
const char* const VersionTexts[] = {"0", "1", "3"};
constexpr int SnmpV3Index = 2;
constexpr char SecurityModelText[] = "3"; // user-based security, whatever the version

const TSettingsKeyDef* FindKey(std::string_view name)
{
    for (const TSettingsKeyDef& def : SettingsKeys)
        if (name == def.Name)
            return &def;
    return nullptr;
}

std::string ValueText(const TSettingsKeyDef& def, const TSettingsFileContent& c)
{
    switch (def.Key) {
    case K::Version:
        return c.VersionIndex >= 0 && c.VersionIndex <= SnmpV3Index ? VersionTexts[c.VersionIndex] : "";
    case K::SecurityName: return c.VersionIndex == SnmpV3Index ? c.SecurityName : std::string();
    case K::UpdateDate: return SettingsDateText(c.Updated);
    case K::UpdateTime: return SettingsTimeText(c.Updated);
    case K::SecurityModel: return SecurityModelText;
    default: break;
    }
    if (def.Text)
        return c.*def.Text;
    if (def.Index)
        return IntToStr(c.*def.Index);
    return std::string();
}

} // namespace

const char* SettingsKeyName(TSettingsKey key)
{
    for (const TSettingsKeyDef& def : SettingsKeys)
        if (def.Key == key)
            return def.Name;
    return "";
}

// ---- Writing --------------------------------------------------------------------------

std::string SettingsDateText(const QDateTime& when) { return fromQt(QLocale::c().toString(when.date(), "M/d/yyyy")); }

std::string SettingsTimeText(const QDateTime& when) { return fromQt(QLocale::c().toString(when.time(), "h:mm:ss AP")); }

std::string SettingsFileBytes(const TSettingsFileContent& c)
{
    std::string out = std::string("[") + SETTINGS_SECTION + "]";
    out += '\0';
    for (const TSettingsKeyDef& def : SettingsKeys) {
        out += std::string("\r\n") + def.Name + "=" + ValueText(def, c);
        if (def.Nul == N::Always || (def.Nul == N::WithSnmpV3 && c.VersionIndex == SnmpV3Index))
            out += '\0';
    }
    return out;
}

bool WriteSettingsFile(const std::string& fileName, const TSettingsFileContent& content)
{
    return ReplaceFileContents(fileName, SettingsFileBytes(content));
}

bool SetSettingsValue(TSettingsFileContent& content, std::string_view key, const std::string& value)
{
    const TSettingsKeyDef* def = FindKey(key);
    if (!def || def->Key == K::GetCommStr)
        return false;
    if (def->Key == K::Version) {
        for (int i = 0; i <= SnmpV3Index; ++i)
            if (value == VersionTexts[i]) {
                content.VersionIndex = i;
                return true;
            }
        return false;
    }
    if (def->Text) {
        content.*def->Text = value;
        return true;
    }
    if (def->Index) {
        try {
            content.*def->Index = StrToInt(value);
            return true;
        } catch (const EConvertError&) {
            return false;
        }
    }
    return false;
}

// ---- Reading --------------------------------------------------------------------------

std::string SettingsFileName(int platformKind, const std::string& exeFolder, const std::string& settingsFolder,
                             const std::string& deviceAddress)
{
    if (!IsValidDeviceAddress(deviceAddress))
        return std::string();
    switch (platformKind) {
    case PLATFORM_OPENVIEW: return settingsFolder + deviceAddress + ".cfg";
    case PLATFORM_PELMORA: return exeFolder + deviceAddress + ".cfg";
    default: return std::string();
    }
}

void ReadSettingsFile(const std::string& fileName, const TCommandLineTargets& targets, std::set<std::string>* reported)
{
    // A file that is there but cannot be read is named once; the settings stay as they are.
    int readError = 0;
    if (!ReadWholeFile(fileName, &readError)) {
        if (readError != ENOENT && (!reported || reported->insert(fileName).second))
            MessageBoxA(nullptr,
                        "Settings file " + fileName + " cannot be read (" + std::strerror(readError) +
                            "); the default settings are used.",
                        ExecutableFileName(), MB_OK | MB_ICONWARNING);
        return;
    }
    const VhIni ini(fileName);
    TDeviceSettingsTexts& texts = targets.Texts;
    VhSNMPDefaultsRecord& defaults = targets.Defaults;
    TSnmpV3OptionSet& flags = targets.Flags;

    const auto read = [&](TSettingsKey key) { return ini.ReadString(SETTINGS_SECTION, SettingsKeyName(key), ""); };
    // A key that must hold a number: absent (or empty), it keeps the default without a
    // word; holding anything else, it is named once and left out.
    const auto number = [&](TSettingsKey key, const std::string& text, int& value) {
        if (text.empty())
            return false;
        try {
            value = StrToInt(text);
            return true;
        } catch (const EConvertError&) {
            if (!reported || reported->insert(fileName + '\n' + SettingsKeyName(key)).second)
                MessageBoxA(nullptr,
                            "Settings file " + fileName + ": the key " + SettingsKeyName(key) + " holds \"" + text +
                                "\", which is not a number; the key is ignored.",
                            ExecutableFileName(), MB_OK | MB_ICONWARNING);
            return false;
        }
    };
    // The file holds 0-based list indexes; the library counts from 1.
    const auto indexPlusOne = [](int index) { return static_cast<int32_t>(static_cast<int64_t>(index) + 1); };

    int n = 0;
    std::string text = read(K::AgentPort);
    if (number(K::AgentPort, text, n)) {
        defaults.Device.Port = static_cast<uint16_t>(n);
        texts.AgentPort = IntToStr(defaults.Device.Port);
    }
    text = read(K::Version);
    if (number(K::Version, text, n)) {
        defaults.Security.Version = static_cast<uint8_t>(n);
        texts.Version = IntToStr(static_cast<int8_t>(defaults.Security.Version));
    }
    // A text that counts only when it is not empty.
    const auto readGiven = [&](TSettingsKey key, std::string& field, std::string& fieldText, bool& flag) {
        const std::string value = read(key);
        if (!value.empty()) {
            field = value;
            fieldText = value;
            flag = true;
        }
    };
    readGiven(K::ContextName, defaults.Scope.ContextName, texts.ContextName, flags.ContextName);
    text = read(K::ContextEngineID);
    defaults.Scope.ContextEngineID = text;
    texts.ContextEngineID = text;
    text = read(K::SecurityModel);
    if (number(K::SecurityModel, text, n)) {
        defaults.Security.SecurityModel = n;
        texts.SecurityModel = IntToStr(n);
    }
    // A list index other than "0" (none) is taken, counted from 1.
    const auto readIndex = [&](TSettingsKey key, int32_t& field, std::string& fieldText, bool& flag) {
        const std::string value = read(key);
        if (value != "0" && number(key, value, n)) {
            field = indexPlusOne(n);
            fieldText = IntToStr(field);
            flag = true;
        }
    };
    readIndex(K::SecurityLevel, defaults.Security.SecurityLevel, texts.SecurityLevel, flags.SecurityLevel);
    text = read(K::SecurityName);
    defaults.Security.SecurityName = text;
    texts.SecurityName = text;
    readIndex(K::AuthProtocol, defaults.Security.AuthProtocol, texts.AuthProtocol, flags.AuthProtocol);
    readIndex(K::PrivProtocol, defaults.Security.PrivProtocol, texts.PrivProtocol, flags.PrivProtocol);
    readGiven(K::AuthPassword, defaults.Security.AuthPassword, texts.AuthPassword, flags.AuthPassword);
    readGiven(K::PrivPassword, defaults.Security.PrivPassword, texts.PrivPassword, flags.PrivPassword);
}

