// The simulator's profile: a profile file of any content loaded as the simulator loads
// it. Includes are left out: they only read other files. So are row generators wider
// than 1000 rows: the loader refuses more than 100000 rows itself, and a few inputs near
// that limit would take most of the time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "fuzzutil.h"
#include "sim/profile.h"

namespace {

bool WideRowGenerator(const std::string& text)
{
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string directive, entry, from, to;
        words >> directive >> entry >> from >> to;
        if (directive != "@rows")
            continue;
        const long long a = std::strtoll(from.c_str(), nullptr, 10);
        const long long b = std::strtoll(to.c_str(), nullptr, 10);
        if (b - a > 1000)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    static const std::string file = fuzz::ScratchPath("fuzz.profile");
    if (memmem(data, size, "@include", 8))
        return 0;
    if (memmem(data, size, "@rows", 5) && WideRowGenerator(std::string(reinterpret_cast<const char*>(data), size)))
        return 0;
    fuzz::WriteFile(file, data, size);
    trqsim::Profile profile;
    std::string error;
    trqsim::loadProfile(file, profile, &error);
    return 0;
}
