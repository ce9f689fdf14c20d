// Current VLAN window: the walk with a two-part index, the grids of the selected VLAN, the
// clearing that spares the CPU unit's boxes, and Refresh ignored while a read runs.
#include <gtest/gtest.h>

#include <QCheckBox>

#include "configwin/stackingportuitform.h"
#include "l2windows/vlancurrenttableformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

enum Grid { Egress, Untagged };

TEST(VlanCurrentWindow, ShowsTheSelectedVlansPortsAndClearsThemAgain)
{
    ASSERT_TRUE(withWindow<TVLanCurrentTableForm>("CurrentForm1", [](TVLanCurrentTableForm& w) {
        EXPECT_EQ(w.windowTitle(), "VLAN Current Table: 127.0.0.1");
        EXPECT_FALSE(w.SetBtn->isVisible());
        EXPECT_EQ(columnTexts(w.LV_dot1qVlanCurrentEntry, 1), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qVlanCurrentEntry, 5),
                  (std::vector<std::string>{"permanent", "permanent", "permanent"}));
        EXPECT_EQ(w.ST_Count2->text(), "3");
        EXPECT_EQ(w.VlanNumDeletes->text(), "3");

        w.Grids->Grid(Egress)->PortCheckBoxes[520]->setChecked(true);
        selectRow(w.LV_dot1qVlanCurrentEntry, 1);
        EXPECT_EQ(w.StaticText1->text(), "10");
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(Egress)), (std::vector<int>{0, 64, 511, 520}));
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(Untagged)), (std::vector<int>{0}));
        snapshot(&w, "vlancurrent");

        selectRow(w.LV_dot1qVlanCurrentEntry, -1);
        EXPECT_EQ(w.StaticText1->text(), "");
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(Egress)), (std::vector<int>{520}));
        EXPECT_TRUE(tickedBoxes(w.Grids->Grid(Untagged)).empty());
    }));
}

TEST(VlanCurrentWindow, APortListTooShortForItsBoxesIsReportedInTheMemo)
{
    const std::string egress20 = "1.3.6.1.2.1.17.7.1.4.2.1.4.0.20";
    wintest::sim().setValue(egress20, "HEX", "FF");
    ASSERT_TRUE(withWindow<TVLanCurrentTableForm>("CurrentForm1", [](TVLanCurrentTableForm& w) {
        selectRow(w.LV_dot1qVlanCurrentEntry, 2);
        EXPECT_NE(w.Memo1->toPlainText().indexOf(
                      "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!"),
                  -1);
    }));
    wintest::sim().setValue(egress20, "HEX", portListHex({0, 1, 2, 3, 192, 193, 194, 195, 196, 197, 198, 199, 200, 201,
                                                          202, 203, 204, 205, 206, 207}));
}

TEST(VlanCurrentWindow, RefreshDoesNothingWhileAReadRuns)
{
    ASSERT_TRUE(withWindow<TVLanCurrentTableForm>("CurrentForm1", [](TVLanCurrentTableForm& w) {
        clearLog();
        w.RefreshBtn->click();
        w.RefreshBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("get").size(), 1u);
        EXPECT_EQ(w.LV_dot1qVlanCurrentEntry->topLevelItemCount(), 3);
    }));
}

} // namespace
