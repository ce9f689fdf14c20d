// Port control window: the walk of every port, a set of one port's four values followed by
// a read once the set's reply is in, a Nway value without a label left out of the set, the
// busy rule, closing during a walk and during a set, and large fonts.
#include <gtest/gtest.h>

#include "classlib/dialogs.h"
#include "l2windows/portcontrolunit.h"
#include "standinhost.h"
#include "simlibrary.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Control = "1.3.6.1.4.1.32473.11.78.1.2.3.2.1";
constexpr int Port66 = 25; // row of unit 2, port 2 (after unit 1's 24 ports)
enum Column { PortIndex, PortNumber, UnitIndex, Admin, Nway, Flow, Lock };

TEST(PortControlWindow, ListsEveryPortAndWritesOnePortBeforeReadingAgain)
{
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
        EXPECT_EQ(w.windowTitle(), "Port Control Table: 127.0.0.1");
        EXPECT_EQ(w.ListView1->topLevelItemCount(), 66); // 24 + 12 + 12 + 16 + 2 ports
        EXPECT_EQ(w.StaticText1->text(), "66");
        EXPECT_FALSE(w.SetButton->isEnabled());

        selectRow(w.ListView1, Port66);
        EXPECT_EQ(w.PortIndexEdit->text(), "66");
        EXPECT_EQ(w.PortNumEdit->text(), "2:2");
        EXPECT_EQ(w.UnitIndexEdit->text(), "2");
        EXPECT_EQ(w.AdminComboBox->currentText(), "enabled");
        EXPECT_EQ(w.NwayComboBox->currentText(), "nway-enabled");
        EXPECT_FALSE(w.PortIndexEdit->isEnabled());
        EXPECT_TRUE(w.SetButton->isEnabled());
        snapshot(&w, "portcontrol");

        w.AdminComboBox->setCurrentIndex(0);  // disabled
        w.FlowComboBox->setCurrentIndex(1);   // enabled
        clearLog();
        w.SetButton->click();
        EXPECT_FALSE(w.SetButton->isEnabled());
        ASSERT_TRUE(waitIdle(w));
        const auto log = wintest::sim().pduLog();
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front().type, "set") << "the read starts once the set's reply is in";
        EXPECT_EQ(varbinds(log.front()), (std::vector<std::string>{Control + ".3.66 INTEGER 2", Control + ".4.66 INTEGER 2",
                                                                   Control + ".5.66 INTEGER 3", Control + ".6.66 INTEGER 2"}));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(w.ListView1->topLevelItem(Port66)->text(Admin), "disabled");
        EXPECT_FALSE(w.SetButton->isEnabled()) << "each read ends with Set disabled";
    }));
    wintest::sim().setValue(Control + ".3.66", "INTEGER", "3");
    wintest::sim().setValue(Control + ".5.66", "INTEGER", "2");
}

TEST(PortControlWindow, ANwayValueWithoutALabelIsNotWritten)
{
    wintest::sim().setValue(Control + ".4.3", "INTEGER", "7");
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
        selectRow(w.ListView1, 2);
        EXPECT_EQ(w.NwayComboBox->currentIndex(), -1);
        clearLog();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Control + ".3.3 INTEGER 3", Control + ".5.3 INTEGER 2",
                                                               Control + ".6.3 INTEGER 2"}));
    }));
    wintest::sim().setValue(Control + ".4.3", "INTEGER", "2");
}

TEST(PortControlWindow, SetWithoutAPortIsRefusedAndSendsNothing)
{
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
        selectRow(w.ListView1, -1);
        EXPECT_EQ(w.PortIndexEdit->text(), "");
        EXPECT_FALSE(w.SetButton->isEnabled());
        // The handler itself refuses too.
        clearLog();
        MessageRecorder boxes;
        w.RunHandler([&w] { w.SetButtonClick(); });
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(boxTexts(boxes), std::vector<std::string>{"Port Index can not be empty!"});
        EXPECT_TRUE(logged("set").empty());
    }));
}

// The get-nexts of the window's walks; the first of a walk asks for the columns themselves.
int WalkPdus(bool firstOnly = false)
{
    int count = 0;
    for (const auto& pdu : logged("getnext")) {
        const std::string oid = pdu.varbinds.empty() ? std::string() : pdu.varbinds[0].oid;
        count += firstOnly ? oid == Control + ".1" : oid.rfind(Control + ".", 0) == 0;
    }
    return count;
}
int WalksStarted() { return WalkPdus(true); }

TEST(PortControlWindow, RefreshAndSetDoNothingWhileAReadRuns)
{
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
        selectRow(w.ListView1, 0);
        clearLog();
        w.GetButton->click();
        w.GetButton->click();
        w.SetButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(WalksStarted(), 1);
        EXPECT_TRUE(logged("set").empty());
    }));
}

TEST(PortControlWindow, ClosingWaitsForTheOutstandingReplyOnly)
{
    wintest::sim().delay(30);
    // During the first walk, asked twice: the walk stops at its next reply.
    clearLog();
    ASSERT_TRUE(withWindowOf(
        "PortControl1",
        [](TDedicatedForm& w) {
            EXPECT_FALSE(w.IsIdle());
            w.close();
            w.close();
            EXPECT_TRUE(w.Closing());
        },
        [](TDedicatedForm& w) { return w.Created(); }));
    EXPECT_EQ(WalksStarted(), 1);
    EXPECT_LT(WalkPdus(), 3) << "the walk ends at the reply that was outstanding";
    // During a set.
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
        selectRow(w.ListView1, 0);
        w.SetButton->click();
        EXPECT_FALSE(w.IsIdle());
        w.close();
        w.close();
    }));
    wintest::sim().delay(0);
    trqtest::pump(100); // late replies find nothing to reach
}

TEST(PortControlWindow, LargeFontsMakeTheWindowAQuarterWiderAndHigher)
{
    QSize normal, large;
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [&](TPortControlForm& w) { normal = w.size(); }));
    host().Large = true;
    ASSERT_TRUE(withWindow<TPortControlForm>("PortControl1", [&](TPortControlForm& w) { large = w.size(); }));
    host().Large = false;
    EXPECT_EQ(large, QSize(normal.width() * 5 / 4, normal.height() * 5 / 4));
}

} // namespace
