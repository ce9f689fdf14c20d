// The simulator's profile: a profile file of any content loaded as the simulator loads
// it. Includes are left out: they only read other files.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzzutil.h"
#include "sim/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string file = fuzz::ScratchPath("fuzz.profile");
    if (memmem(data, size, "@include", 8))
        return 0;
    fuzz::WriteFile(file, data, size);
    trqsim::Profile profile;
    std::string error;
    trqsim::loadProfile(file, profile, &error);
    return 0;
}
