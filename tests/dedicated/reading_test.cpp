// A dedicated window on a switch that does not answer: until its first read has ended it
// shows a busy cursor and a "Reading..." line, so that its empty controls and zeros are not
// taken for the switch's values; both go once the read has ended (here, timed out).
#include <gtest/gtest.h>

#include <QLabel>

#include "screenshot.h"
#include "simlibrary.h"
#include "windowworld.h"

namespace {

TEST(FirstRead, IsInSightUntilItHasEnded)
{
    ASSERT_TRUE(wintest::sim().mute(true));
    bool seen = false;
    const bool opened = wintest::withWindowOf(
        "PortControl1",
        [&](TDedicatedForm& form) {
            auto* reading = form.findChild<QLabel*>("ReadingLabel");
            ASSERT_NE(reading, nullptr);
            EXPECT_TRUE(reading->isVisible());
            EXPECT_EQ(reading->text(), "Reading...");
            EXPECT_EQ(form.cursor().shape(), Qt::BusyCursor);
            // Inside the window, in its middle.
            EXPECT_TRUE(form.rect().contains(reading->geometry()));
            trqtest::saveScreenshot(&form, "dedicated_reading");
            seen = true;
            ASSERT_TRUE(wintest::waitIdle(form, 60000));
            EXPECT_TRUE(trqtest::waitUntil([&] { return reading->isHidden(); }));
            EXPECT_NE(form.cursor().shape(), Qt::BusyCursor);
        },
        [](TDedicatedForm& form) { return form.Created() && !form.IsIdle(); });
    ASSERT_TRUE(wintest::sim().mute(false));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(seen);
}

} // namespace
