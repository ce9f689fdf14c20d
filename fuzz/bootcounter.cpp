// The boots counter file: an engine's counter looked up in a file of any content, then
// saved, and read back: the saved counter is found and the other engines keep theirs.
//
// Input: one byte for the length of the engine ID, the ID, then the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzutil.h"
#include "snmplib/engine/bootcounter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    static const std::string file = fuzz::ScratchPath("boots");
    std::size_t idLength = data[0] % 40;
    if (idLength > size - 1)
        idLength = size - 1;
    const OctetStr engineId(data + 1, idLength);
    const OctetStr other(std::string("\x80\x00\x1f\x88\x04other", 10));
    fuzz::WriteFile(file, data + 1 + idLength, size - 1 - idLength);

    unsigned int boots = 0;
    getBootCounter(file.c_str(), engineId, boots);
    unsigned int otherBoots = 0;
    const int otherFound = getBootCounter(file.c_str(), other, otherBoots);
    encodeBootCounterEngineId(engineId);

    if (idLength == 0 || engineId == other)
        return 0;
    if (saveBootCounter(file.c_str(), engineId, 4711) != 0)
        return 0;
    unsigned int again = 0;
    FUZZ_CHECK(getBootCounter(file.c_str(), engineId, again) == 0 && again == 4711,
               "the counter just saved is not read back");
    unsigned int otherAgain = 0;
    FUZZ_CHECK(getBootCounter(file.c_str(), other, otherAgain) == otherFound && otherAgain == otherBoots,
               "another engine's counter changed");
    return 0;
}
