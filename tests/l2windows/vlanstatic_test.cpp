// Static VLAN window: the walk with the three port grids loaded bit-exact, Add, Set and
// Delete with exactly the varbinds of a whole row, local VLANs, the VLAN ID's lock, the two
// requests' busy rules, and the grids following the chassis.
#include <gtest/gtest.h>

#include <algorithm>

#include <QCheckBox>
#include <QTest>
#include <QTimer>

#include "configwin/stackingportuitform.h"
#include "l2windows/vlanstaticformunit.h"
#include "standinhost.h"
#include "classlib/dialogs.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Static = "1.3.6.1.2.1.17.7.1.4.3.1";
enum Grid { Egress, Forbidden, Untagged };
constexpr int Vlan10 = 1; // rows: VLANs 1, 10, 20

TStackingPortUitForm* GridOf(TVlanStaticForm& w, Grid grid) { return w.Grids->Grid(grid); }

// The set of a whole row, in column order: name, forbidden, untagged, egress, status.
std::vector<std::string> RowSet(int vlan, const std::string& name, const std::vector<int>& forbidden,
                                const std::vector<int>& untagged, const std::vector<int>& egress, int status)
{
    std::string index = ".";
    index += std::to_string(vlan);
    std::vector<std::string> out{Static + ".1" + index + " STRING " + name};
    out.push_back(Static + ".3" + index + " HEX " + portListHex(forbidden));
    out.push_back(Static + ".4" + index + " HEX " + portListHex(untagged));
    out.push_back(Static + ".2" + index + " HEX " + portListHex(egress));
    out.push_back(Static + ".5" + index + " INTEGER " + std::to_string(status));
    return out;
}

TEST(VlanStaticWindow, SelectingARowLoadsEveryControlAndTheGridsBitExact)
{
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        EXPECT_EQ(w.windowTitle(), "VLAN Static Table: 127.0.0.1");
        EXPECT_EQ(columnTexts(w.LV_dot1qVlanStaticEntry, 0), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(w.ST_Count2->text(), "3");
        EXPECT_EQ(w.NextFreeLocalVlanIndex->text(), "0");
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        for (Grid grid : {Egress, Forbidden, Untagged})
            EXPECT_EQ(visiblePages(GridOf(w, grid)), (std::vector<std::string>{"Unit1 TRQ-3120", "Unit2 TRQ-3114",
                                                                                "Unit3 TRQ-3117", "Unit4 TRQ-3118",
                                                                                "Unit5 TRQ-3122"}));

        GridOf(w, Egress)->PortCheckBoxes[512]->setChecked(true); // "CPU Unit9": not bound
        selectRow(w.LV_dot1qVlanStaticEntry, Vlan10);
        EXPECT_EQ(w.ED_VLANID->text(), "10");
        EXPECT_FALSE(w.ED_VLANID->isEnabled()) << "the row's key is locked while it is shown";
        EXPECT_EQ(w.ED_VLANName->text(), "v10");
        EXPECT_EQ(w.Status->currentText(), "Active");
        EXPECT_EQ(tickedBoxes(GridOf(w, Egress)), (std::vector<int>{0, 64, 511, 512}));
        EXPECT_EQ(tickedBoxes(GridOf(w, Forbidden)), (std::vector<int>{511}));
        EXPECT_EQ(tickedBoxes(GridOf(w, Untagged)), (std::vector<int>{0}));
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        snapshot(&w, "vlanstatic");

        // Set writes the whole row; with no status shown, the row without its status.
        for (const bool statusShown : {true, false}) {
            selectRow(w.LV_dot1qVlanStaticEntry, Vlan10);
            if (!statusShown)
                w.Status->setCurrentIndex(-1);
            clearLog();
            w.SetBtn->click();
            ASSERT_TRUE(waitIdle(w));
            const auto sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            auto expected = RowSet(10, "v10", {511}, {0}, {0, 64, 511}, 1);
            if (!statusShown)
                expected.pop_back();
            EXPECT_EQ(varbinds(sets[0]), expected);
        }

        // A click on empty space clears the editors, except the CPU unit's boxes.
        selectRow(w.LV_dot1qVlanStaticEntry, Vlan10);
        selectRow(w.LV_dot1qVlanStaticEntry, -1);
        EXPECT_TRUE(w.ED_VLANID->isEnabled());
        EXPECT_EQ(w.ED_VLANID->text(), "");
        EXPECT_EQ(tickedBoxes(GridOf(w, Egress)), (std::vector<int>{512}));
        EXPECT_FALSE(w.SetBtn->isEnabled());
    }));
}

TEST(VlanStaticWindow, AddAndDeleteSendTheWholeRowForTheRightVlan)
{
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        QTest::keyClicks(w.ED_VLANID, "3x0");
        EXPECT_EQ(w.ED_VLANID->text(), "30") << "the VLAN ID takes digits only";
        w.ED_VLANName->setText("v30");
        GridOf(w, Egress)->PortCheckBoxes[64]->setChecked(true);   // unit 2, port 1: octet 8, 0x80
        GridOf(w, Untagged)->PortCheckBoxes[575]->setChecked(true); // "CPU Unit9": not written
        clearLog();
        w.AddBtn->click();
        ASSERT_TRUE(waitIdle(w));
        auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), RowSet(30, "v30", {}, {}, {64}, 4));
        EXPECT_EQ(columnTexts(w.LV_dot1qVlanStaticEntry, 0), (std::vector<std::string>{"1", "10", "20", "30"}));

        // Delete addresses the selected row, whatever the VLAN ID edit was made to hold.
        selectRow(w.LV_dot1qVlanStaticEntry, 3);
        w.ED_VLANID->setText("1");
        clearLog();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), RowSet(30, "v30", {}, {}, {64}, 6));
        EXPECT_EQ(columnTexts(w.LV_dot1qVlanStaticEntry, 0), (std::vector<std::string>{"1", "10", "20"}));
    }));
}

// The VLAN ID has no range of its own: local VLANs (4095 and above) are added, set and
// deleted like the others, and the agent answers for the range. What is no whole number
// of the column's type, or nothing, is refused before anything is sent, naming the field.
TEST(VlanStaticWindow, LocalVlansAreAddedSetAndDeletedAndNoNumberIsRefused)
{
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        for (const int vlan : {4095, 5000}) {
            SCOPED_TRACE(vlan);
            w.ED_VLANID->setText(QString::number(vlan));
            w.ED_VLANName->setText("local");
            clearLog();
            w.AddBtn->click();
            ASSERT_TRUE(waitIdle(w));
            auto sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(varbinds(sets[0]), RowSet(vlan, "local", {}, {}, {}, 4));
            const auto ids = columnTexts(w.LV_dot1qVlanStaticEntry, 0);
            const int row = static_cast<int>(std::find(ids.begin(), ids.end(), std::to_string(vlan)) - ids.begin());
            ASSERT_LT(row, static_cast<int>(ids.size()));

            selectRow(w.LV_dot1qVlanStaticEntry, row);
            w.ED_VLANName->setText("renamed");
            clearLog();
            w.SetBtn->click();
            ASSERT_TRUE(waitIdle(w));
            sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(varbinds(sets[0]), RowSet(vlan, "renamed", {}, {}, {}, 1));

            selectRow(w.LV_dot1qVlanStaticEntry, row);
            clearLog();
            w.DeleteBtn->click();
            ASSERT_TRUE(waitIdle(w));
            sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(varbinds(sets[0]), RowSet(vlan, "renamed", {}, {}, {}, 6));
            EXPECT_EQ(columnTexts(w.LV_dot1qVlanStaticEntry, 0), (std::vector<std::string>{"1", "10", "20"}));
        }

        MessageRecorder boxes;
        clearLog();
        for (const char* id : {"4294967296", ""}) {
            w.ED_VLANID->setText(id);
            w.AddBtn->click();
        }
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "VLAN ID: Please enter a number between 0 and 4294967295!");
        EXPECT_NE(w.Memo1->toPlainText().indexOf("VLAN ID is empty."), -1);
    }));
}

TEST(VlanStaticWindow, WhileEitherRequestIsBusyRefreshIsIgnoredAndWritesAreRefused)
{
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        selectRow(w.LV_dot1qVlanStaticEntry, Vlan10);
        wintest::sim().delay(30);
        MessageRecorder boxes;
        clearLog();
        w.RefreshBtn->click();
        w.RefreshBtn->click();
        w.AddBtn->click();
        w.SetBtn->click();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        EXPECT_TRUE(logged("set").empty());
        EXPECT_EQ(logged("get").size(), 1u) << "one read of the next free index";
        ASSERT_EQ(boxes.Shown.size(), 1u) << "Set and Delete stay disabled until a row is selected again";
        EXPECT_EQ(boxes.Shown[0].text, "Get data not complete");
    }));
}

// The window opens with the boxes of the grid on screen only: the others are built when
// their page is first shown, or when a selected row is loaded into them.
TEST(VlanStaticWindow, OnlyTheGridOnScreenIsBuiltAtOpening)
{
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        const auto boxes = [&w] {
            qsizetype count = 0;
            for (const TStackingPortUitForm* grid : w.findChildren<TStackingPortUitForm*>())
                count += grid->findChildren<QCheckBox*>().size();
            return count;
        };
        EXPECT_EQ(boxes(), 576) << "one grid of nine units of 64 ports";
        EXPECT_TRUE(w.Grids->Built(Egress));
        EXPECT_FALSE(w.Grids->Built(Forbidden));
        EXPECT_FALSE(w.Grids->Built(Untagged));

        w.PageControl1->setCurrentWidget(w.ScrollBox2->parentWidget());
        EXPECT_TRUE(w.Grids->Built(Forbidden));
        EXPECT_FALSE(w.Grids->Built(Untagged));
        EXPECT_EQ(boxes(), 2 * 576);

        selectRow(w.LV_dot1qVlanStaticEntry, Vlan10);
        EXPECT_TRUE(w.Grids->Built(Untagged)) << "the row is loaded into every grid";
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(Forbidden)), (std::vector<int>{511}));
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(Untagged)), (std::vector<int>{0}));
        EXPECT_EQ(visiblePages(w.Grids->Grid(Untagged)).size(), 5u) << "the units shown at opening";
        snapshot(&w, "vlanstatic-forbidden");
    }));
}

TEST(VlanStaticWindow, PortGridsFollowTheChassis)
{
    // First open with the main window's unit list still empty: the grids wait for its read.
    host().UnitList->clear();
    ASSERT_TRUE(withWindow<TVlanStaticForm>("StaticForm1", [](TVlanStaticForm& w) {
        EXPECT_EQ(visiblePages(GridOf(w, Untagged)).size(), 5u);
        EXPECT_EQ(visibleBoxCounts(GridOf(w, Untagged)), (std::vector<int>{24, 12, 12, 16, 2}));

        // A module leaves, another comes: after the chassis poll, Refresh shows them.
        ASSERT_TRUE(wintest::sim().removeModule(3));
        ASSERT_TRUE(wintest::sim().insertModule(6, "TRQ-3115"));
        host().ReadUnitTable();
        w.RefreshBtn->click();
        ASSERT_TRUE(waitIdle(w));
        for (Grid grid : {Egress, Forbidden, Untagged}) {
            EXPECT_EQ(visiblePages(GridOf(w, grid)), (std::vector<std::string>{"Unit1 TRQ-3120", "Unit2 TRQ-3114",
                                                                                "Unit4 TRQ-3118", "Unit5 TRQ-3122",
                                                                                "Unit6 TRQ-3115"}));
            EXPECT_EQ(visibleBoxCounts(GridOf(w, grid)), (std::vector<int>{24, 12, 16, 2, 8}));
        }

        // A second Refresh while the first waits for the unit list changes nothing twice.
        host().UnitList->clear();
        wintest::sim().delay(20);
        QTimer::singleShot(5, &w, [&w] { w.RefreshBtn->click(); });
        w.RefreshBtn->click();
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        EXPECT_EQ(visiblePages(GridOf(w, Egress)), (std::vector<std::string>{"Unit1 TRQ-3120", "Unit2 TRQ-3114",
                                                                              "Unit4 TRQ-3118", "Unit5 TRQ-3122",
                                                                              "Unit6 TRQ-3115"}));
    }));
    ASSERT_TRUE(wintest::sim().removeModule(6));
    ASSERT_TRUE(wintest::sim().insertModule(3, "TRQ-3117"));
    host().ReadUnitTable();
}

} // namespace
