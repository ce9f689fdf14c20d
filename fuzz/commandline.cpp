// The command line: the arguments the host platform starts the program with, read with
// the device's settings file beside the executable (10.1.1.7.cfg, a valid SNMPv3 file).
//
// Input: one byte choosing the host platform, then the arguments separated by NUL bytes;
// at most 12 of them (the settings file is read again before each one).
#include <cstddef>
#include <cstdint>
#include <string>

#include "classlib/dialogs.h"
#include "fuzzutil.h"
#include "mainwin/settingsfile.h"
#include "mainwin/startup.h"
#include "platform/exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const std::string folder = [] {
        SetMessageResponder([](const MessageRequest&) { return IDOK; });
        TSettingsFileContent v3;
        v3.AgentIP = "10.1.1.7";
        v3.AgentPort = "1161";
        v3.VersionIndex = 2;
        v3.SecurityName = "md5des";
        v3.AuthPassword = "authpass123";
        v3.PrivPassword = "privpass123";
        v3.AuthProtocolIndex = 1;
        v3.PrivProtocolIndex = 1;
        v3.SecurityLevelIndex = 2;
        v3.ContextEngineID = "80001f8880";
        FUZZ_CHECK(WriteSettingsFile(fuzz::ScratchPath("10.1.1.7.cfg"), v3), "cannot write the settings file");
        return fuzz::ScratchDir() + "/";
    }();

    TCommandLineInput input;
    input.PlatformKind = static_cast<int>(data[0] % 3) - 1;
    input.ExeFolder = folder;
    input.SettingsFolder = folder;
    std::string argument;
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0) {
            if (input.Arguments.size() == 11)
                break;
            input.Arguments.push_back(argument);
            argument.clear();
        } else {
            argument += static_cast<char>(data[i]);
        }
    }
    if (size > 1)
        input.Arguments.push_back(argument);

    TDeviceSettingsTexts texts;
    VhSNMPDefaultsRecord defaults;
    bool found = false;
    TSnmpV3OptionSet flags;
    try {
        ReadCommandLine(input, {texts, defaults, found, flags});
    } catch (const Exception&) {
    }
    IsValidDeviceAddress(argument);
    return 0;
}
