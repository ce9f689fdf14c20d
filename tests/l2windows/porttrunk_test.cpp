// Port trunking: the master port shown and entered as unit and port, the master and member
// rules with their messages in order, the three writes (add with createAndGo; set without
// master and type; delete with the status alone), and no exchange started while the
// synchronous walk runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "classlib/dialogs.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/messagetarget.h"
#include "l2windows/porttrunk.h"
#include "standinhost.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.2.9.3.1.";

// Combo_State items (active, notInService, createAndGo, createAndWait, destroy).
constexpr int Active = 0;
constexpr int CreateAndGo = 2;
constexpr int Destroy = 4;

QCheckBox* Box(TPortTrunkForm& w, int k) { return w.Grids->Grid(0)->PortCheckBoxes[k]; }

void Tick(TPortTrunkForm& w, std::initializer_list<int> boxes)
{
    for (int k : boxes)
        Box(w, k)->setChecked(true);
}

// A new trunk entered as the user does, with no row chosen.
void EnterNew(TPortTrunkForm& w, const char* unit, const char* port, std::initializer_list<int> members, int state)
{
    selectRow(w.LV_PortTrunk, -1);
    w.Grids->ClearPorts();
    w.ED_Index->setText("7");
    w.ED_Name->setText("new7");
    w.UnitEdit->setText(unit);
    w.PortEdit->setText(port);
    Tick(w, members);
    w.Combo_State->setCurrentIndex(state);
}

TEST(PortTrunkWindow, ShowsTheMasterAsUnitAndPort)
{
    ASSERT_TRUE(withWindow<TPortTrunkForm>("PortTrunk1", [](TPortTrunkForm& w) {
        EXPECT_EQ(w.windowTitle(), "Port Trunk Table :127.0.0.1");
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 1), (std::vector<std::string>{"uplink", "lacp-u3"}));
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.BT_Delete->isEnabled());
        EXPECT_TRUE(w.ED_Index->isEnabled());

        selectRow(w.LV_PortTrunk, 1);
        EXPECT_EQ(w.UnitEdit->text(), "3");
        EXPECT_EQ(w.PortEdit->text(), "2");
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{129, 130, 131}));
        EXPECT_EQ(w.Combo_Type->currentText(), "lacp");
        EXPECT_EQ(w.ST_FloodingPort->text(), "130");
        EXPECT_FALSE(w.ED_Index->isEnabled());
        EXPECT_TRUE(w.SetBtn->isEnabled());
        EXPECT_TRUE(w.BT_Delete->isEnabled());
        EXPECT_FALSE(w.BT_Set->isEnabled());
        snapshot(&w, "porttrunk");

        // Port numbers as unit and port, whatever the module.
        const struct {
            const char* master;
            const char* unit;
            const char* port;
        } table[] = {{"1", "1", "1"}, {"64", "1", "64"}, {"65", "2", "1"},
                     {"130", "3", "2"}, {"133", "3", "5"}, {"512", "8", "64"}};
        for (const auto& row : table) {
            SCOPED_TRACE(row.master);
            ASSERT_TRUE(wintest::sim().setValue(Entry + "3.2", "INTEGER", row.master));
            w.BT_Get->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(w.UnitEdit->text().isEmpty());
            selectRow(w.LV_PortTrunk, 1);
            EXPECT_EQ(w.UnitEdit->text(), row.unit);
            EXPECT_EQ(w.PortEdit->text(), row.port);
        }
        ASSERT_TRUE(wintest::sim().setValue(Entry + "3.2", "INTEGER", "130"));

        // No row: the entry is empty and Add is the write.
        selectRow(w.LV_PortTrunk, -1);
        EXPECT_TRUE(w.UnitEdit->text().isEmpty());
        EXPECT_TRUE(tickedBoxes(w.Grids->Grid(0)).empty());
        EXPECT_TRUE(w.BT_Set->isEnabled());
        EXPECT_FALSE(w.SetBtn->isEnabled());
    }));
}

TEST(PortTrunkWindow, RefusesMasterAndMembersInOrderWithNothingSent)
{
    ASSERT_TRUE(withWindow<TPortTrunkForm>("PortTrunk1", [](TPortTrunkForm& w) {
        struct Case {
            const char* unit;
            const char* port;
            std::vector<int> members;
            int state;
            const char* message;
            const char* focus; // the control that has the focus afterwards; null: unchanged
        };
        const Case refused[] = {
            {"", "1", {}, CreateAndGo, "Set valid master port!", nullptr},
            {"1", "", {}, CreateAndGo, "Set valid master port!", nullptr},
            {"0", "1", {}, CreateAndGo, "Set valid master port!", "UnitEdit"},
            {"10", "1", {}, CreateAndGo, "Set valid master port!", "UnitEdit"},
            {"1", "25", {0, 1}, CreateAndGo, "Set valid master port!", "PortEdit"}, // a 24-port module
            {"8", "25", {}, CreateAndGo, "Set valid master port!", "PortEdit"},     // no module: 24
            {"1", "1", {}, Active, "Choose Status createAndGo!", "Combo_State"},    // before the members
            {"8", "24", {}, CreateAndGo, "You must choose master port!", nullptr},
            {"1", "2", {0}, CreateAndGo, "You must choose master port!", nullptr},
            {"2", "1", {64}, CreateAndGo, "You must choose at least a member in the Unit 2!", nullptr},
            // Members on other units are not counted.
            {"1", "1", {0, 64, 65}, CreateAndGo, "You must choose at least a member in the Unit 1!", nullptr},
            {"2", "1", {64, 65, 66, 67, 68, 69, 70, 71, 72}, CreateAndGo, "The trunk member can't over eight!",
             nullptr},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(std::string(c.unit) + "/" + c.port + ": " + c.message);
            w.ED_Name->setFocus();
            EnterNew(w, c.unit, c.port, {}, c.state);
            for (int k : c.members)
                Tick(w, {k});
            clearLog();
            MessageRecorder boxes;
            w.BT_Set->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, c.message);
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(w.focusWidget()->objectName().toStdString(), c.focus ? c.focus : "ED_Name");
        }
        // The ninth member is taken off again; the eight before it stay.
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{64, 65, 66, 67, 68, 69, 70, 71}));

        // A unit with a module without front-panel ports takes 24 ports, like a missing one.
        ASSERT_TRUE(wintest::sim().insertModule(6, "TRQ-3111"));
        host().ReadUnitTable();
        w.BT_Get->click();
        ASSERT_TRUE(waitIdle(w));
        for (const auto& [port, message] : {std::pair{"24", "You must choose master port!"},
                                            std::pair{"25", "Set valid master port!"}}) {
            EnterNew(w, "6", port, {}, CreateAndGo);
            MessageRecorder boxes;
            w.BT_Set->click();
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, message) << port;
        }
        ASSERT_TRUE(wintest::sim().removeModule(6));
        host().ReadUnitTable();
    }));
}

TEST(PortTrunkWindow, AddsChangesAndDeletesWithTheirOwnColumns)
{
    ASSERT_TRUE(withWindow<TPortTrunkForm>("PortTrunk1", [](TPortTrunkForm& w) {
        // Add: createAndGo with name, master, members; a type nobody chose is left out.
        EnterNew(w, "2", "1", {64, 65}, CreateAndGo);
        w.Combo_Type->setCurrentIndex(-1);
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Entry + "2.7 STRING new7", Entry + "3.7 INTEGER 65",
                                                               Entry + "4.7 HEX " + portListHex({64, 65}),
                                                               Entry + "7.7 INTEGER 4"}));
        EXPECT_EQ(sets[0].errorStatus, 0);
        ASSERT_EQ(columnTexts(w.LV_PortTrunk, 0), (std::vector<std::string>{"1", "2", "7"}));
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 5).back(), "static");

        // A trunk that exists already: the switch's refusal is shown, nothing else changes.
        EnterNew(w, "1", "1", {0, 1}, CreateAndGo);
        w.ED_Index->setText("1");
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_NE(w.Request->LastWrite.Code, 0);
        const std::string panel = StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_FALSE(w.Request->LastWrite.Message.empty());
        EXPECT_NE(panel.find(w.Request->LastWrite.Message), std::string::npos) << panel;
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 1), (std::vector<std::string>{"uplink", "lacp-u3", "new7"}));

        // Set: name, members and status of the chosen trunk; master and type stay.
        selectRow(w.LV_PortTrunk, 2);
        w.ED_Name->setText("renamed");
        Tick(w, {66});
        w.Combo_Type->setCurrentText("lacp");
        w.Combo_State->setCurrentIndex(Active);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]),
                  (std::vector<std::string>{Entry + "2.7 STRING renamed", Entry + "4.7 HEX " + portListHex({64, 65, 66}),
                                            Entry + "7.7 INTEGER 1"}));
        EXPECT_FALSE(logged("getnext").empty()) << "read again after the set";
        EXPECT_TRUE(w.ED_Index->isEnabled());
        EXPECT_TRUE(w.ED_Index->text().isEmpty());
        EXPECT_FALSE(w.SetBtn->isEnabled());

        // A status nobody chose is not written either.
        selectRow(w.LV_PortTrunk, 2);
        w.Combo_State->setCurrentIndex(-1);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]).size(), 2u);

        // Delete: asks for destroy, then writes the status alone and reads nothing.
        selectRow(w.LV_PortTrunk, 2);
        {
            MessageRecorder boxes;
            w.BT_Delete->click();
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown[0].text, "Choose Status destroy!");
        }
        w.Combo_State->setCurrentIndex(Destroy);
        clearLog();
        w.BT_Delete->click();
        ASSERT_TRUE(waitIdle(w));
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Entry + "7.7 INTEGER 6"}));
        EXPECT_TRUE(logged("getnext").empty());
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 0).size(), 3u) << "listed until Refresh";
        EXPECT_TRUE(w.BT_Set->isEnabled());
        w.BT_Get->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 0), (std::vector<std::string>{"1", "2"}));
    }));
}

TEST(PortTrunkWindow, StartsNothingWhileTheWalkRuns)
{
    ASSERT_TRUE(withWindow<TPortTrunkForm>("PortTrunk1", [](TPortTrunkForm& w) {
        selectRow(w.LV_PortTrunk, -1);
        const int reads = w.Request->ReadCount;
        wintest::sim().delay(60);
        clearLog();
        MessageRecorder boxes;
        bool fired = false;
        QTimer::singleShot(30, &w, [&] {
            fired = true;
            EnterNew(w, "1", "1", {0, 1}, CreateAndGo);
            w.BT_Set->click(); // Add
            w.SetBtnClick();
            w.BT_DeleteClick();
            w.BT_Get->click();
        });
        w.BT_Get->click();
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        EXPECT_TRUE(fired);
        EXPECT_EQ(w.Request->ReadCount, reads + 1);
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 3u);
        for (const auto& box : boxes.Shown)
            EXPECT_EQ(box.text, "Get data not complete");
        EXPECT_EQ(columnTexts(w.LV_PortTrunk, 0), (std::vector<std::string>{"1", "2"}));
    }));
}

} // namespace
