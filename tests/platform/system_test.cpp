#include "platform/screen.h"
#include "platform/system.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

TEST(Beep, IsCounted)
{
    const unsigned long before = BeepCount();
    EXPECT_TRUE(Beep(1000, 200));
    EXPECT_EQ(BeepCount(), before + 1);
}

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

TEST(LargeFonts, AnyResolutionButNinetySixScalesByOneAndAQuarter)
{
    EXPECT_FALSE(IsLargeFontsDpi(96));
    EXPECT_FALSE(IsLargeFontsDpi(96.3));
    EXPECT_TRUE(IsLargeFontsDpi(120));
    EXPECT_TRUE(IsLargeFontsDpi(72));
    EXPECT_EQ(ScaleFactorFor(true), 1.25f);
    EXPECT_EQ(ScaleFactorFor(false), 1.0f);
    const struct { int pixels; float scale; int result; } cases[] = {
        {793, 1.25f, 991}, {8, 1.25f, 10}, {40, 1.25f, 50}, {3, 1.25f, 3}, {-3, 1.25f, -3}, {555, 1.0f, 555},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScalePixels(c.pixels, c.scale), c.result) << c.pixels;
}

} // namespace
