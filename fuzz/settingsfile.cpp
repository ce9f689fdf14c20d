// The per-device settings file: a file of any content read as start-up reads it, each
// problem reported in a message box (answered here without a screen).
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "classlib/dialogs.h"
#include "fuzzutil.h"
#include "mainwin/settingsfile.h"
#include "platform/exception.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string file = [] {
        SetMessageResponder([](const MessageRequest&) { return IDOK; });
        return fuzz::ScratchPath("10.1.1.7.cfg");
    }();
    fuzz::WriteFile(file, data, size);

    TDeviceSettingsTexts texts;
    VhSNMPDefaultsRecord defaults;
    bool found = false;
    TSnmpV3OptionSet flags;
    std::set<std::string> reported;
    try {
        ReadSettingsFile(file, {texts, defaults, found, flags}, &reported);
    } catch (const Exception&) {
    }
    return 0;
}
