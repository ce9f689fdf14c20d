// The registry reader: keys opened and values read from a registry file of any content;
// with the first byte's low bit set the key is opened with creation, so that the file is
// written back with it.
//
// Input: one byte of flags, a line "key path" TAB "value name", then the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzzutil.h"
#include "platform/registry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const std::string file = [] {
        const std::string f = fuzz::ScratchPath("registry.ini");
        setenv("TRQ3100_REGISTRY", f.c_str(), 1);
        return f;
    }();
    const bool create = data[0] & 1;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t eol = text.find('\n');
    const std::string names = text.substr(0, eol);
    const std::size_t tab = names.find('\t');
    const std::string key = names.substr(0, tab);
    const std::string value = tab == std::string::npos ? "" : names.substr(tab + 1);
    fuzz::WriteFile(file, eol == std::string::npos ? std::string() : text.substr(eol + 1));

    TRegistry registry;
    registry.KeyExists(key);
    if (registry.OpenKey(key, create)) {
        registry.ReadString(value);
        registry.ValueExists(value);
        // A relative key below the open one.
        if (registry.OpenKey("Sub", false))
            registry.ReadString(value);
        registry.CloseKey();
    }
    if (create && registry.OpenKey(key, false)) // what was created is there
        registry.ReadString(value);
    return 0;
}
