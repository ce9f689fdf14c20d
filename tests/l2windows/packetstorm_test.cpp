// Packet storm control: the recover list of all nine units (72 octets, the CPU unit's
// bits included) and the trap state written in one set, a 64-octet list refused with
// -519, a 3 s time-out, and no exchange started while one runs.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTimer>

#include "classlib/dialogs.h"
#include "classlib/radiogroup.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/messagetarget.h"
#include "l2windows/packetstormcontrolformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Storm = "1.3.6.1.4.1.32473.12.25.1.";
const std::string Served = portListHex({0, 1, 512}, 72);

std::string PanelText(TPacketStormControlForm& w) { return StatusPanel0(w.StatusBar1)->text().toStdString(); }

TEST(PacketStormWindow, WritesAllNineUnitsAndTheTrapStateInOneSet)
{
    ASSERT_TRUE(withWindow<TPacketStormControlForm>("mmiTrafficCtrl", [](TPacketStormControlForm& w) {
        EXPECT_EQ(w.windowTitle(), "Traffic Control: 127.0.0.1");
        const TStackingPortUitForm* grid = w.Grids->Grid(0);
        EXPECT_EQ(tickedBoxes(grid), (std::vector<int>{0, 1, 512}));
        EXPECT_EQ(w.rgPktStromTrapCtrl->Items(), (QStringList{"none", "stormOccurred", "stormCleared", "both"}));
        EXPECT_EQ(w.rgPktStromTrapCtrl->ItemIndex(), 1);
        snapshot(&w, "packetstormcontrol");

        grid->PortCheckBoxes[1]->setChecked(false);
        grid->PortCheckBoxes[5]->setChecked(true);
        grid->PortCheckBoxes[575]->setChecked(true);
        w.rgPktStromTrapCtrl->SetItemIndex(3);
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Storm + "1.0 HEX " + portListHex({0, 5, 512, 575}, 72),
                                                               Storm + "2.0 INTEGER 4"}));
        EXPECT_EQ(sets[0].errorStatus, 0);
        EXPECT_TRUE(logged("get").empty()) << "a scalar group is not read again";

        ASSERT_TRUE(wintest::sim().setValue(Storm + "1.0", "HEX", Served));
        ASSERT_TRUE(wintest::sim().setValue(Storm + "2.0", "INTEGER", "2"));
    }));
}

TEST(PacketStormWindow, RefusesAListWithoutTheCpuUnit)
{
    ASSERT_TRUE(withWindow<TPacketStormControlForm>("mmiTrafficCtrl", [](TPacketStormControlForm& w) {
        ASSERT_TRUE(wintest::sim().setValue(Storm + "1.0", "HEX", portListHex({2})));
        w.btnGet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.Request->LastRead.Code, -519);
        EXPECT_NE(PanelText(w).find("Out of range for the bit(byte) index"), std::string::npos) << PanelText(w);
        // The controls now hold partly the switch's values, partly older ones: Set writes
        // nothing until a read has succeeded.
        {
            w.rgPktStromTrapCtrl->SetItemIndex(3);
            clearLog();
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(boxTexts(boxes), std::vector<std::string>{"Get data not complete"});
        }

        ASSERT_TRUE(wintest::sim().setValue(Storm + "1.0", "HEX", Served));
        w.btnGet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.Request->LastRead.Code, 0) << PanelText(w);
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{0, 1, 512}));

        // A refused set is shown as its result line, as every window shows it.
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(PanelText(w).rfind("Set: ", 0), 0u) << PanelText(w);
        EXPECT_NE(PanelText(w).find("Receive at"), std::string::npos) << PanelText(w);
    }));
}

TEST(PacketStormWindow, WaitsThreeSecondsAndStartsNothingMeanwhile)
{
    ASSERT_TRUE(withWindow<TPacketStormControlForm>("mmiTrafficCtrl", [](TPacketStormControlForm& w) {
        const int reads = w.Request->ReadCount;
        wintest::sim().delay(1500);
        clearLog();
        bool fired = false;
        QTimer::singleShot(100, &w, [&] {
            fired = true;
            w.btnGet->click();
            w.btnSet->click();
        });
        w.btnGet->click();
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        EXPECT_TRUE(fired);
        EXPECT_EQ(w.Request->LastRead.Code, 0) << PanelText(w);
        EXPECT_EQ(w.Request->ReadCount, reads + 1);
        EXPECT_EQ(logged("get").size(), 1u);
        EXPECT_TRUE(logged("set").empty());
    }));
}

} // namespace
