// 802.1D port capabilities window: the capability bits of every bridge port with its name,
// the row count, a Refresh during a walk ignored, and a Refresh that cannot start leaving
// Refresh usable (the Done flag does not stick).
#include <gtest/gtest.h>

#include <set>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "l2windows/portcapabilities8021dformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

constexpr char Menu[] = "PortCapbility1";
const std::string FirstColumn = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2";

int WalksStarted()
{
    int walks = 0;
    for (const auto& pdu : logged("getnext"))
        walks += !pdu.varbinds.empty() && pdu.varbinds.front().oid == FirstColumn;
    return walks;
}

TEST(PortCapabilities8021d, ListsTheCapabilityBitsOfEveryBridgePort)
{
    ASSERT_TRUE(withWindow<TPortCapabilities8021dForm>(Menu, [](TPortCapabilities8021dForm& w) {
        EXPECT_TRUE(w.Done);
        const auto ports = columnTexts(w.LV_dot1dPortCapabilitiesEntry, 0);
        ASSERT_EQ(ports.size(), 66u);
        EXPECT_EQ(ports[0], "1");
        EXPECT_EQ(ports[64], "257"); // unit 5, the two-port module
        const auto names = columnTexts(w.LV_dot1dPortCapabilitiesEntry, 1);
        EXPECT_EQ(names[64], "5:1");
        const auto bits = columnTexts(w.LV_dot1dPortCapabilitiesEntry, 2);
        EXPECT_EQ(bits[0], "E0");
        EXPECT_EQ(bits[64], "80");
        EXPECT_EQ(w.ST_Count->text(), "66");
        snapshot(&w, "portcapabilities8021d");
    }));
}

TEST(PortCapabilities8021d, RefreshDuringAWalkIsIgnoredAndTheFlagNeverSticks)
{
    ASSERT_TRUE(withWindow<TPortCapabilities8021dForm>(Menu, [](TPortCapabilities8021dForm& w) {
        clearLog();
        wintest::sim().delay(10);
        w.RefreshBtn->click();
        EXPECT_FALSE(w.Done);
        w.RefreshBtn->click();
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(w.Done);
        EXPECT_EQ(WalksStarted(), 1);
        const auto ports = columnTexts(w.LV_dot1dPortCapabilitiesEntry, 0);
        EXPECT_EQ(std::set<std::string>(ports.begin(), ports.end()).size(), 66u);
        EXPECT_EQ(ports.size(), 66u);

        // A walk that times out ends the gate too.
        wintest::sim().mute(true);
        w.RefreshBtn->click();
        EXPECT_FALSE(w.Done);
        ASSERT_TRUE(waitIdle(w, 10000));
        wintest::sim().mute(false);
        EXPECT_TRUE(w.Done);
        EXPECT_FALSE(w.Memo1->toPlainText().split('\n').last().contains("Ok!"));
        clearLog();
        w.RefreshBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(WalksStarted(), 1);
        EXPECT_EQ(w.ST_Count->text(), "66");
    }));
}

} // namespace
