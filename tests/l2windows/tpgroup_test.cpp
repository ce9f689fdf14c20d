// Group destination forwarding window: opened from its factory (its menu entry is hidden:
// tests/dedicated/everywindow_test.cpp), its own caption, the two-part index of VLAN and MAC address, and both grids.
#include <gtest/gtest.h>

#include "configwin/stackingportuitform.h"
#include "l2windows/tpgroupdestinationforwardedformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

TEST(TpGroupWindow, OpensFromItsFactoryAndShowsTheSelectedGroupsPorts)
{
    ASSERT_TRUE(withFactory<TTpGroupDestinationForwardedForm>(
        "TTpGroupDestinationForwardedForm", [](TTpGroupDestinationForwardedForm& w) {
            EXPECT_EQ(w.windowTitle(), "Tp Group Destination Forwarded");
            EXPECT_EQ(columnTexts(w.LV_dot1qTpGroupEntry, 0), (std::vector<std::string>{"1", "1", "10"}));
            EXPECT_EQ(columnTexts(w.LV_dot1qTpGroupEntry, 1),
                      (std::vector<std::string>{"01005E000001", "01005E000002", "01005E7F0005"}));
            selectRow(w.LV_dot1qTpGroupEntry, 1);
            EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{0, 64, 511}));
            EXPECT_EQ(tickedBoxes(w.Grids->Grid(1)), (std::vector<int>{64}));
            snapshot(&w, "tpgroupdestinationforwarded");

            w.RefreshBtn->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_EQ(w.LV_dot1qTpGroupEntry->topLevelItemCount(), 3);
            EXPECT_TRUE(tickedBoxes(w.Grids->Grid(0)).empty());
        }));
}

} // namespace
