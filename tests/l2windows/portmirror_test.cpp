// Port mirroring: the target shown as unit and port, the target entry's refusals, a target
// that is also a source refused with nothing sent, and the one set of all four objects.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include "classlib/dialogs.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/messagetarget.h"
#include "l2windows/portmirror.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Mirror = "1.3.6.1.4.1.32473.11.78.1.2.10.";

// Types the target as the user does.
void Type(TPortMirrorForm& w, const char* unit, const char* port)
{
    w.UnitEdit->setText(unit);
    emit w.UnitEdit->textEdited(unit);
    w.PortEdit->setText(port);
    emit w.PortEdit->textEdited(port);
}

TEST(PortMirror, RefusesBadTargetsAndWritesAllFourObjects)
{
    ASSERT_TRUE(withWindow<TPortMirrorForm>("PortMirror1", [](TPortMirrorForm& w) {
        EXPECT_EQ(w.windowTitle(), "Port Mirror Table:127.0.0.1");
        EXPECT_EQ(w.UnitEdit->text(), "2"); // target 65
        EXPECT_EQ(w.PortEdit->text(), "1");
        EXPECT_TRUE(w.CK_Status->isChecked());
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{0, 1}));
        snapshot(&w, "portmirror");

        struct Case {
            const char* unit;
            const char* port;
            const char* message;
            const char* unitAfter;
        };
        const Case refused[] = {
            {"0", "1", "Set valid target port", "0"},
            {"10", "1", "Set valid target port", "0"},
            {"1", "25", "Set valid target port", "0"}, // a 24-port module
            {"1", "2", "Mirror port can not be member port!", "1"},
        };
        for (const Case& c : refused) {
            SCOPED_TRACE(c.message);
            Type(w, c.unit, c.port);
            clearLog();
            MessageRecorder boxes;
            w.BT_Set->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, c.message);
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(w.UnitEdit->text().toStdString(), c.unitAfter);
        }
        // A target that is a source on either grid is refused.
        for (const int grid : {0, 1}) {
            SCOPED_TRACE(grid == 0 ? "ingress grid" : "egress grid");
            QCheckBox* source = w.Grids->Grid(grid)->PortCheckBoxes[9];
            source->setChecked(true);
            Type(w, "1", "10");
            clearLog();
            MessageRecorder boxes;
            w.BT_Set->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_EQ(boxTexts(boxes), std::vector<std::string>{"Mirror port can not be member port!"});
            EXPECT_TRUE(logged("set").empty());
            source->setChecked(false);
        }
        // After a target refused and reset, Set without typing asks for a mirror port.
        Type(w, "10", "1");
        {
            MessageRecorder boxes;
            w.BT_Set->click();
        }
        MessageRecorder boxes;
        w.BT_Set->click();
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "Set valid mirror port");

        Type(w, "3", "5");
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        const auto vbs = varbinds(sets.front());
        ASSERT_EQ(vbs.size(), 4u);
        EXPECT_EQ(vbs[0], Mirror + "1.0 INTEGER 133");
        EXPECT_EQ(vbs[1].rfind(Mirror + "2.0 HEX C0", 0), 0u) << vbs[1];
        EXPECT_EQ(vbs[3], Mirror + "4.0 INTEGER 3");
        EXPECT_EQ(w.UnitEdit->text(), "3");
        EXPECT_EQ(w.PortEdit->text(), "5");
        wintest::sim().setValue(Mirror + "1.0", "INTEGER", "65");
    }));
}

TEST(PortMirror, UnitNineIsATargetAndAFailedSetKeepsTheResultLine)
{
    ASSERT_TRUE(withWindow<TPortMirrorForm>("PortMirror1", [](TPortMirrorForm& w) {
        MessageRecorder boxes;
        // Unit 9 is not listed: it takes 24 ports, port numbers 513 to 536.
        Type(w, "9", "24");
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()).at(0), Mirror + "1.0 INTEGER 536");
        EXPECT_EQ(sets.front().errorStatus, 0);

        // The switch's target already on unit 9: Set without typing writes it unchanged.
        ASSERT_TRUE(wintest::sim().setValue(Mirror + "1.0", "INTEGER", "520"));
        w.BT_Refresh->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.UnitEdit->text(), "9");
        EXPECT_EQ(w.PortEdit->text(), "8");
        clearLog();
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()).at(0), Mirror + "1.0 INTEGER 520");

        // A refused set is reported as every window reports it: its result line.
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        const std::string line = StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_EQ(line.rfind("Set: ", 0), 0u) << line;
        EXPECT_NE(line.find("Receive at"), std::string::npos) << line;
        EXPECT_TRUE(boxes.Shown.empty());
        wintest::sim().setValue(Mirror + "1.0", "INTEGER", "65");
    }));
}

} // namespace
