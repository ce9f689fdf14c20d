// The read-only table windows and the equipment window: each opened as its menu item (or,
// for the entries the menu hides, its form-table row) opens it, its rows as the simulator
// serves them, what the selection, Refresh and Stop do, failures shown where the window
// shows its messages, and never a set.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

#include "dedicated/messagetarget.h"
#include "l3mgmtwindows/diagnosticsinformationformunit.h"
#include "l3mgmtwindows/equipmentbasicinfoformunit.h"
#include "l3mgmtwindows/expandipunit.h"
#include "l3mgmtwindows/igmpsrclistformunit.h"
#include "l3mgmtwindows/macstatistictableformunit.h"
#include "l3mgmtwindows/portcapabilitysetting.h"
#include "windowworld.h"

using namespace wintest;

namespace {

using Texts = std::vector<std::string>;

const std::string TimedOut = "(SNMPClass) SNMP request timed out!";

bool memoHas(const QPlainTextEdit* memo, const std::string& text)
{
    return memo->toPlainText().contains(QString::fromStdString(text));
}

struct ViewCase {
    const char* Opener; // menu item, or form class for a hidden entry
    bool Hidden;
    const char* Caption;
    int Rows;
    int Column;
    Texts FirstCells; // the column's first cells
    const char* Picture;
};

TEST(ReadOnlyViews, ShowTheTablesAsServedAndNeverWrite)
{
    const std::vector<ViewCase> cases = {
        {"CIDRRFC20961", false, "Routing Table: 127.0.0.1", 4, 0, {"0.0.0.0", "10.90.0.0", "10.170.0.0", "172.18.0.0"},
         "expandip"},
        {"TIGMPSrcListForm", true, "Group Information: 127.0.0.1", 3, 2, {"10.90.91.1", "10.90.91.2", "10.90.91.3"},
         "igmpsrclist"},
        {"TPortCapabilityForm", true, "Port Capability: 127.0.0.1", -1, 1, {"Capability", "Capability", "Capability", "None"},
         "portcapability"},
        {"DiagnosticsInformation1", false, "Diagnostics Information Form: 127.0.0.1", 4, 0,
         {"0080C8300001", "0080C8300002"}, "diagnostics"},
        {"StatisticTable1", false, "MAC Statistics Table: 127.0.0.1", 4, 2, {"11", "22", "33", "44"}, "macstatistics"},
    };
    for (const ViewCase& c : cases) {
        SCOPED_TRACE(c.Opener);
        clearLog();
        const auto inside = [&](TDedicatedForm& form) {
            auto& w = dynamic_cast<TReadOnlyTableForm&>(form);
            EXPECT_EQ(w.windowTitle().toStdString(), c.Caption);
            if (c.Rows >= 0) {
                EXPECT_EQ(w.ListView->topLevelItemCount(), c.Rows);
            }
            Texts cells = columnTexts(w.ListView, c.Column);
            cells.resize(std::min(cells.size(), c.FirstCells.size()));
            EXPECT_EQ(cells, c.FirstCells);
            if (w.Memo1) {
                EXPECT_FALSE(memoHas(w.Memo1, "rror")) << w.Memo1->toPlainText().toStdString();
            }
            selectRow(w.ListView, 1);
            w.RefreshButton->click();
            ASSERT_TRUE(waitIdle(w));
            snapshot(&w, c.Picture);
        };
        EXPECT_TRUE(c.Hidden ? withFactoryOf(c.Opener, inside) : withWindowOf(c.Opener, inside));
        EXPECT_TRUE(logged("set").empty());
    }
}

TEST(RoutingTable, SplitsTheFourKeysIntoTheEditsAndClearsThemOnRefresh)
{
    ASSERT_TRUE(withWindow<TExpandIPForm>("CIDRRFC20961", [](TExpandIPForm& w) {
        EXPECT_EQ(w.RowCount->text(), "4");
        EXPECT_EQ(columnTexts(w.ListView, 3), (Texts{"10.90.90.254", "0.0.0.0", "0.0.0.0", "10.90.90.1"}));
        EXPECT_EQ(columnTexts(w.ListView, 6), (Texts{"netmgmt", "local", "local", "ospf"}));
        selectRow(w.ListView, 3);
        Texts edits;
        for (QLineEdit* e : w.Edits)
            edits.push_back(e->text().toStdString());
        EXPECT_EQ(edits, (Texts{"172.18.0.0", "255.255.255.0", "0", "10.90.90.1"}));

        clearLog();
        w.RefreshButton->click();
        w.RefreshButton->click(); // ignored: the walk runs
        for (QLineEdit* e : w.Edits)
            EXPECT_TRUE(e->text().isEmpty());
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.ListView->topLevelItemCount(), 4);
        const auto first = logged("getnext");
        ASSERT_FALSE(first.empty());
        EXPECT_EQ(varbinds(first.front()).size(), 12u); // one walk, every column but the index at once
    }));
}

TEST(IgmpSourceList, StopEndsTheWalkAndRefreshWalksAgainFromAnEmptyList)
{
    ASSERT_TRUE(withFactory<TIGMPSrcListForm>("TIGMPSrcListForm", [](TIGMPSrcListForm& w) {
        EXPECT_EQ(w.Request->Request.Timeout, 200);
        ASSERT_NE(w.StopButton, nullptr);
        wintest::sim().delay(300);
        QTimer::singleShot(450, &w, [&w] { w.StopButton->click(); });
        w.RefreshButton->click(); // returns once the walk ends
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_LT(w.ListView->topLevelItemCount(), 3);

        w.RefreshButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.ListView->topLevelItemCount(), 3);
        EXPECT_EQ(columnTexts(w.ListView, 0), (Texts{"1", "1", "2"}));
    }));
}

TEST(IgmpSourceList, ASilentAgentEndsTheWalkWithTheTimeOutInTheMemo)
{
    ASSERT_TRUE(withFactory<TIGMPSrcListForm>("TIGMPSrcListForm", [](TIGMPSrcListForm& w) {
        wintest::sim().mute(true);
        w.RefreshButton->click();
        wintest::sim().mute(false);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(memoHas(w.Memo1, TimedOut)) << w.Memo1->toPlainText().toStdString();
    }));
}

TEST(MacStatistics, ATimedOutRefreshIsShownNotAnEmptyTable)
{
    ASSERT_TRUE(withWindow<TMacStatisticTableForm>("StatisticTable1", [](TMacStatisticTableForm& w) {
        // The first read shows the switch's rows, and no failure.
        const auto served = wintest::sim().walk("1.3.6.1.4.1.32473.12.3.6.2.1.1");
        ASSERT_FALSE(served.empty());
        EXPECT_EQ(columnTexts(w.ListView, 0).size(), served.size());
        EXPECT_FALSE(memoHas(w.Memo1, TimedOut));
        w.Request->Request.Timeout = 30;
        wintest::sim().mute(true);
        w.RefreshButton->click();
        wintest::sim().mute(false);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(memoHas(w.Memo1, TimedOut)) << w.Memo1->toPlainText().toStdString();
    }));
}

TEST(PortCapability, DecodesTheAuthenticatorBit)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"80", "Capability"}, {"C0", "Capability"}, {"c0", "Capability"}, {"40", "None"}, {"00", "None"},
        {"8000", "Capability"}, {"Capability", "Capability"}, {"None", "None"}, {"00000001", "None"},
        {"", ""}, {"8", ""}, {"zz", ""}, {"(NOTDONE)", ""},
    };
    for (const auto& [text, label] : cases)
        EXPECT_EQ(TPortCapabilityForm::CapabilityLabel(text), label) << text;
}

TEST(EquipmentBasicInformation, ShowsTheStackingObjectsAndTheFixedCapacity)
{
    wintest::sim().setValue("1.3.6.1.4.1.32473.12.11.1.1.0", "HEX", "00");
    ASSERT_TRUE(withWindow<TEquipmentBasicInfoForm>("Test1", [](TEquipmentBasicInfoForm& w) {
        EXPECT_EQ(w.windowTitle(), "Equipment Basic Information :127.0.0.1");
        EXPECT_EQ(w.Edit1->text(), "Redundant Power and Stacking");
        EXPECT_EQ(w.Edit2->text(), "8");
        EXPECT_EQ(w.Edit3->text(), "5");
        EXPECT_EQ(w.Edit4->text(), "2");
        EXPECT_EQ(w.edtTopology->text(), "Duplex Chain");
        snapshot(&w, "equipmentbasicinfo");

        wintest::sim().setValue("1.3.6.1.4.1.32473.12.11.1.9.3.0", "INTEGER", "3");
        w.BitBtn1->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(w.Edit3->text(), "3");
        EXPECT_EQ(w.Edit1->text(), "Redundant Power and Stacking");
    }));
    wintest::sim().setValue("1.3.6.1.4.1.32473.12.11.1.1.0", "HEX", "C0");
    wintest::sim().setValue("1.3.6.1.4.1.32473.12.11.1.9.3.0", "INTEGER", "5");
}

} // namespace
