// The spanning tree switch: "disabled" is written at once, "enabled" only after the
// question and under the progress box, with the chassis poll paused for the box's whole run;
// the value is read after the set's reply, and a refused set stays shown.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include "classlib/dialogs.h"
#include "dedicated/messagetarget.h"
#include "l2windows/spanningtreealgorithmunit.h"
#include "standinhost.h"
#include "snmplib/snmperror.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Switch = "1.3.6.1.4.1.32473.11.78.1.2.1.2.1.0";

void Choose(QComboBox* combo, const char* text) { combo->setCurrentIndex(combo->findText(text)); }

std::string Panel0(TSpanningTreeAlgorithmForm& w) { return StatusPanel0(w.StatusBar1)->text().toStdString(); }

struct Ticks {
    Ticks() { TProgressForm::TickMs = 5; }
    ~Ticks() { TProgressForm::TickMs = 1000; }
};

TEST(SpanningTreeSwitch, DisabledIsWrittenAtOnceAndCancelWritesNothing)
{
    ASSERT_TRUE(withWindow<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", [](TSpanningTreeAlgorithmForm& w) {
        EXPECT_EQ(w.ComboBox1->currentText(), "disabled");
        snapshot(&w, "spanningtreealgorithm");
        MessageRecorder boxes(IDCANCEL);
        clearLog();
        Choose(w.ComboBox1, "enabled");
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown.front().text, "To enable STP may take a long time. Do you want to go on?");
        EXPECT_TRUE(logged("set").empty());
        EXPECT_EQ(w.ComboBox1->currentText(), "disabled"); // read again

        Choose(w.ComboBox1, "disabled");
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(boxes.Shown.size(), 1u);
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()), (std::vector<std::string>{Switch + " INTEGER 2"}));
        EXPECT_EQ(logged("get").size(), 1u);
    }));
}

TEST(SpanningTreeSwitch, EnablingRunsTheBoxWithThePollPausedThenReads)
{
    const Ticks fast;
    QTimer* poll = host().PollTimer();
    ASSERT_NE(poll, nullptr);
    poll->start();
    ASSERT_TRUE(withWindow<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", [poll](TSpanningTreeAlgorithmForm& w) {
        MessageRecorder boxes(IDOK);
        bool pollStoppedDuringBox = false;
        int lastStep = -1;
        QTimer probe;
        probe.setInterval(2);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (ProgressForm) {
                pollStoppedDuringBox = !poll->isActive();
                lastStep = ProgressForm->ProgressBar->value();
                EXPECT_EQ(ProgressForm->windowTitle(), "Enable STP Progress");
                ProgressForm->close(); // refused until the box is done
            }
        });
        probe.start();
        clearLog();
        Choose(w.ComboBox1, "enabled");
        w.SetButton->click();
        probe.stop();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(pollStoppedDuringBox);
        EXPECT_GE(lastStep, 25);
        EXPECT_TRUE(poll->isActive());
        poll->stop();
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(w.ComboBox1->currentText(), "enabled");
        EXPECT_EQ(wintest::sim().walk(Switch).front().value, "3");
        wintest::sim().setValue(Switch, "INTEGER", "2");
    }));
}

TEST(SpanningTreeSwitch, ARefusedSetStaysShownAndAClosePressedDuringTheBoxWaitsForIt)
{
    const Ticks fast;
    // The switch is on; the user turns it off and the switch answers genErr.
    wintest::sim().setValue(Switch, "INTEGER", "3");
    ASSERT_TRUE(withWindow<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", [](TSpanningTreeAlgorithmForm& w) {
        EXPECT_EQ(w.ComboBox1->currentText(), "enabled");
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        Choose(w.ComboBox1, "disabled");
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()), (std::vector<std::string>{Switch + " INTEGER 2"}));
        EXPECT_EQ(sets.front().errorStatus, 5);
        EXPECT_TRUE(logged("get").empty());
        const std::string genErr = SnmpMsgTable.Text(4);
        ASSERT_FALSE(genErr.empty());
        EXPECT_NE(Panel0(w).find(genErr), std::string::npos) << Panel0(w);
        EXPECT_EQ(w.ComboBox1->currentText(), "disabled") << "the user's choice stays shown";
        EXPECT_EQ(wintest::sim().walk(Switch).front().value, "3");
    }));
    wintest::sim().setValue(Switch, "INTEGER", "2");
    QPointer<TSpanningTreeAlgorithmForm> seen;
    ASSERT_TRUE(withWindow<TSpanningTreeAlgorithmForm>("SpanningTreeAlgorithm1", [&](TSpanningTreeAlgorithmForm& w) {
        seen = &w;
        MessageRecorder boxes(IDOK);
        QTimer::singleShot(20, &w, [&w] { w.reject(); });
        Choose(w.ComboBox1, "enabled");
        w.SetButton->click();
    }));
    EXPECT_TRUE(seen.isNull());
    wintest::sim().setValue(Switch, "INTEGER", "2");
}

} // namespace
