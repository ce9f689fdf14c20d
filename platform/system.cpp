#include "platform/system.h"

#include <atomic>
#include <chrono>

namespace {
std::atomic<uint32_t> tickBias{0};
} // namespace

uint32_t GetTickCount()
{
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<uint32_t>(static_cast<uint64_t>(ms.count())) + tickBias.load();
}

void SetTickCountBias(uint32_t bias) { tickBias = bias; }
