#include "platform/system.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(TickCount, AdvancesAndWrapsAtThirtyTwoBits)
{
    const uint32_t a = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const uint32_t b = GetTickCount();
    EXPECT_GE(static_cast<uint32_t>(b - a), 20u);

    // Put the count just before the wrap: the unsigned difference still measures time.
    SetTickCountBias(0);
    SetTickCountBias(0xFFFFFFF0u - GetTickCount());
    const uint32_t beforeWrap = GetTickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    const uint32_t afterWrap = GetTickCount();
    SetTickCountBias(0);
    EXPECT_GE(beforeWrap, 0xFFFFFFF0u);
    EXPECT_LT(afterWrap, beforeWrap);
    EXPECT_GE(static_cast<uint32_t>(afterWrap - beforeWrap), 40u);
}

} // namespace
