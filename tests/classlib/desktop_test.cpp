// The desktop's bell and the large-fonts rule of the screen.
#include "classlib/beep.h"
#include "classlib/screen.h"

#include <gtest/gtest.h>

namespace {

TEST(Beep, IsCounted)
{
    const unsigned long before = BeepCount();
    EXPECT_TRUE(Beep(1000, 200));
    EXPECT_EQ(BeepCount(), before + 1);
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
