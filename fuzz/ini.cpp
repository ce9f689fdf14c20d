// The private-profile ini reader: a value looked up in an ini file of any content.
//
// Input: one byte for the buffer size, a line "section" TAB "key", then the file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzzutil.h"
#include "platform/profile.h"
#include "snmplib/utils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const std::string file = fuzz::ScratchPath("fuzz.ini");
    const unsigned bufferSize = data[0] < 0xf0 ? data[0] : 4096;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t eol = text.find('\n');
    const std::string names = text.substr(0, eol);
    const std::size_t tab = names.find('\t');
    const std::string section = names.substr(0, tab);
    const std::string key = tab == std::string::npos ? "" : names.substr(tab + 1);
    fuzz::WriteFile(file, eol == std::string::npos ? std::string() : text.substr(eol + 1));

    std::vector<char> buffer(bufferSize + 1, '\x55');
    const unsigned n =
        GetPrivateProfileStringA(section.c_str(), key.c_str(), "default", buffer.data(), bufferSize, file.c_str());
    // The result is the number of characters before the NUL, inside the buffer.
    FUZZ_CHECK(bufferSize == 0 || (n < bufferSize && buffer[n] == '\0'), "the result is not the text's length");
    FUZZ_CHECK(buffer[bufferSize] == '\x55', "written past the buffer's size");
    VhIni(file).ReadString(section, key, "");
    return 0;
}
