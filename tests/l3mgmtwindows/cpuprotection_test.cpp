// CPU protection window: only the ticked fields are written, the thresholds are checked
// against each other (an unticked one in its last-read value), the missing-field messages
// come in their order, and the group is read again after a set.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "dedicated/messagetarget.h"
#include "l3mgmtwindows/cpuprotectionformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Cpu = "1.3.6.1.4.1.32473.12.19.";

std::string Served(const std::string& oid) { return wintest::sim().walk(oid).front().value; }

void Restore()
{
    wintest::sim().setValue(Cpu + "1.1.0", "INTEGER", "3");
    wintest::sim().setValue(Cpu + "2.1.0", "INTEGER", "50");
    wintest::sim().setValue(Cpu + "2.2.0", "INTEGER", "30");
    wintest::sim().setValue(Cpu + "2.3.0", "INTEGER", "1");
    wintest::sim().setValue(Cpu + "2.4.0", "INTEGER", "2");
}

TEST(CpuProtection, ReadsTheGroupAndWritesOnlyTheTickedFields)
{
    ASSERT_TRUE(withWindow<TCPUProtectionForm>("mmiCPUProt", [](TCPUProtectionForm& w) {
        EXPECT_EQ(w.cbxCPUProtectionState->currentText(), "enabled");
        EXPECT_EQ(w.edtRising->text(), "50");
        EXPECT_EQ(w.edtFalling->text(), "30");
        EXPECT_EQ(w.cbxMode->currentText(), "strict");
        EXPECT_EQ(w.cbxAlarm->currentText(), "disabled");
        EXPECT_EQ(w.edtCurrentState->text(), "normal");
        EXPECT_EQ(w.LastRising, 50);
        EXPECT_EQ(w.LastFalling, 30);
        EXPECT_TRUE(w.btnSet->isEnabled());
        snapshot(&w, "cpuprotection");

        // With no box ticked, Set does nothing and says nothing.
        clearLog();
        {
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(boxes.Shown.empty());
        }
        EXPECT_TRUE(logged("set").empty());

        w.ckCpuProtectionState->click();
        EXPECT_TRUE(w.btnSet->isEnabled());
        w.ckCpuProtectionState->click();
        EXPECT_FALSE(w.btnSet->isEnabled());

        // The state alone.
        w.ckCpuProtectionState->click();
        w.cbxCPUProtectionState->setCurrentIndex(w.cbxCPUProtectionState->findText("disabled"));
        w.edtRising->setText("90"); // not ticked: not written
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), std::vector<std::string>{Cpu + "1.1.0 INTEGER 2"});
        // Read again after the reply: the rising threshold is the switch's again.
        EXPECT_EQ(logged("get").size(), 1u);
        EXPECT_EQ(w.edtRising->text(), "50");

        // Both thresholds, the mode and the alarm; never the current state.
        w.btnCheckAll->click();
        w.edtRising->setText("80");
        w.edtFalling->setText("40");
        w.cbxMode->setCurrentIndex(w.cbxMode->findText("fuzzy"));
        w.cbxAlarm->setCurrentIndex(w.cbxAlarm->findText("enabled"));
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Cpu + "1.1.0 INTEGER 2", Cpu + "2.1.0 INTEGER 80", Cpu + "2.2.0 INTEGER 40",
                                            Cpu + "2.3.0 INTEGER 2", Cpu + "2.4.0 INTEGER 3"}));
        EXPECT_EQ(w.LastRising, 80);
        EXPECT_EQ(w.LastFalling, 40);
        w.btnClearCheck->click();
        EXPECT_FALSE(w.btnSet->isEnabled());
    }));
    Restore();
}

TEST(CpuProtection, RefusesInTheOrderGivenAndSendsNothing)
{
    struct Case {
        const char* what;
        std::vector<QCheckBox* TCPUProtectionForm::*> ticked;
        std::function<void(TCPUProtectionForm&)> enter;
        const char* message;
    };
    using F = TCPUProtectionForm;
    const std::vector<Case> cases = {
        {"no state", {&F::ckCpuProtectionState}, [](F& w) { w.cbxCPUProtectionState->setCurrentIndex(-1); },
         "Please choose CPU Protection State"},
        {"no rising", {&F::ckRising}, [](F& w) { w.edtRising->clear(); }, "Please input Rising Threshold"},
        {"no falling", {&F::ckFalling}, [](F& w) { w.edtFalling->clear(); }, "Please input Falling Threshold"},
        {"no alarm", {&F::ckAlarm}, [](F& w) { w.cbxAlarm->setCurrentIndex(-1); }, "Please choose Alarm State"},
        {"neither mode nor alarm: the mode is named",
         {&F::ckAlarm, &F::ckMode},
         [](F& w) {
             w.cbxAlarm->setCurrentIndex(-1);
             w.cbxMode->setCurrentIndex(-1);
         },
         "Please choose Mode"},
        {"falling above the last-read rising", {&F::ckFalling}, [](F& w) { w.edtFalling->setText("60"); },
         "Falling Threshold should be less than Rising Threshold"},
        {"equal thresholds",
         {&F::ckRising, &F::ckFalling},
         [](F& w) {
             w.edtRising->setText("70");
             w.edtFalling->setText("70");
         },
         "Falling Threshold should be less than Rising Threshold"},
    };
    ASSERT_TRUE(withWindow<TCPUProtectionForm>("mmiCPUProt", [&](TCPUProtectionForm& w) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            w.btnClearCheck->click();
            w.btnGet->click();
            ASSERT_TRUE(waitIdle(w));
            for (auto box : c.ticked)
                (w.*box)->click();
            c.enter(w);
            clearLog();
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(logged("set").empty());
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, c.message);
        }
    }));
}

TEST(CpuProtection, ARefusedSetKeepsItsTextAndTheEntries)
{
    ASSERT_TRUE(withWindow<TCPUProtectionForm>("mmiCPUProt", [](TCPUProtectionForm& w) {
        w.ckRising->click();
        w.edtRising->setText("75");
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(Served(Cpu + "2.1.0"), "50");
        EXPECT_EQ(w.edtRising->text(), "75");
        const std::string panel = StatusPanel0(w.stbStatus)->text().toStdString();
        EXPECT_FALSE(panel.empty());
        EXPECT_EQ(panel.find("Ok"), std::string::npos) << panel;
    }));
}

} // namespace
