// GARP timers window: the timers of every bridge port with its name, the hidden editor
// panel's edits locked after each walk and loaded by a selection, and Refresh starting no
// second walk over a running one.
#include <gtest/gtest.h>

#include <set>

#include <QLineEdit>
#include <QPlainTextEdit>

#include "l2windows/garpformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

constexpr char Menu[] = "GVRP1";

// Walks started since the last clearLog: get-next PDUs asking for the first column's base.
int WalksStarted(const std::string& base)
{
    int walks = 0;
    for (const auto& pdu : logged("getnext"))
        walks += !pdu.varbinds.empty() && pdu.varbinds.front().oid == base;
    return walks;
}

TEST(GarpTimers, ListsEveryBridgePortAndLocksTheEditsUntilARowIsSelected)
{
    ASSERT_TRUE(withWindow<TGARPForm>(Menu, [](TGARPForm& w) {
        EXPECT_TRUE(w.windowTitle().startsWith("GARP Form: "));
        EXPECT_FALSE(w.Panel5->isVisible());
        EXPECT_FALSE(w.SetBtn->isVisible());
        const auto ports = columnTexts(w.LV_dot1dPortGarpEntry, TGARPForm::PortIndex);
        ASSERT_EQ(ports.size(), 66u);
        EXPECT_EQ(ports[24], "65");
        EXPECT_EQ(columnTexts(w.LV_dot1dPortGarpEntry, TGARPForm::PortNumber)[24], "2:1");
        EXPECT_EQ(columnTexts(w.LV_dot1dPortGarpEntry, TGARPForm::LeaveAllTime)[24], "1000");
        EXPECT_EQ(w.ST_Count->text(), "66");
        EXPECT_FALSE(w.GarpJoinTime->isEnabled());
        selectRow(w.LV_dot1dPortGarpEntry, 3);
        EXPECT_TRUE(w.GarpJoinTime->isEnabled());
        EXPECT_EQ(w.GarpJoinTime->text(), "20");
        EXPECT_EQ(w.GarpLeaveTime->text(), "60");
        snapshot(&w, "garp");
    }));
}

TEST(GarpTimers, RefreshDuringAWalkStartsNoSecondWalk)
{
    ASSERT_TRUE(withWindow<TGARPForm>(Menu, [](TGARPForm& w) {
        clearLog();
        wintest::sim().delay(10);
        w.RefreshBtn->click();
        w.RefreshBtn->click();
        w.RefreshBtn->click();
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(WalksStarted("1.3.6.1.2.1.17.1.4.1.1"), 1);
        const auto ports = columnTexts(w.LV_dot1dPortGarpEntry, TGARPForm::PortIndex);
        EXPECT_EQ(ports.size(), 66u);
        EXPECT_EQ(std::set<std::string>(ports.begin(), ports.end()).size(), 66u);
        EXPECT_FALSE(w.GarpJoinTime->isEnabled());
        // A Refresh once the walk is over walks again.
        clearLog();
        w.RefreshBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(WalksStarted("1.3.6.1.2.1.17.1.4.1.1"), 1);
        EXPECT_EQ(w.ST_Count->text(), "66");
    }));
}

} // namespace
