// Port security delete and traffic segmentation: the unit/port entry and its refusals in
// their order, the one set of the delete, and the forward ports of one port written from
// the chooser; Refresh and Set do nothing while the table is walked.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/messagetarget.h"
#include "l2windows/portsecuritylock.h"
#include "l2windows/trafficforwardunit1.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Delete = "1.3.6.1.4.1.32473.11.78.1.2.7.2.";

TEST(PortSecurityDelete, RefusesInItsOrderAndWritesOneSet)
{
    struct Case {
        const char* vlan;
        const char* unit;
        const char* port;
        const char* mac;
        const char* message; // empty: written
        const char* unitAfter;
    };
    const Case cases[] = {
        {"", "10", "1", "zz", "You should input Vlan name.", "10"},
        {"v1", "10", "1", "0080C8300001", "You should input valid port.", "0"},
        {"v1", "0", "1", "0080C8300001", "You should input valid port.", "0"},
        {"v1", "1", "25", "0080C8300001", "You should input valid port.", "0"}, // a 24-port module
        {"v1", "3", "5", "0080C830001", "You should input valid MAC address.", "3"},
        {"v1", "3", "5", "00:80:C8:30:00", "You should input valid MAC address.", "3"},
        {"v1", "3", "5", "0080c8300001", "", "3"},
        {"v1", "9", "24", "0080c8300001", "", "9"}, // unit 9, not listed: 24 ports
    };
    ASSERT_TRUE(withWindow<TPrtSecDelCtrlForm>("mmiPortSecLockDel", [&](TPrtSecDelCtrlForm& w) {
        EXPECT_EQ(w.windowTitle(), "Port Security Delete: 127.0.0.1");
        EXPECT_EQ(w.UnitEdit->text(), "0");
        snapshot(&w, "portsecuritydelete");
        for (const Case& c : cases) {
            SCOPED_TRACE(c.message);
            w.edtVlan->setText(c.vlan);
            w.UnitEdit->setText(c.unit);
            w.PortEdit->setText(c.port);
            w.edtMac->setText(c.mac);
            clearLog();
            MessageRecorder boxes;
            w.btnSet->click();
            ASSERT_TRUE(waitIdle(w));
            if (*c.message) {
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_EQ(boxes.Shown.front().text, c.message);
                EXPECT_TRUE(logged("set").empty());
            } else {
                EXPECT_TRUE(boxes.Shown.empty());
                const auto sets = logged("set");
                ASSERT_EQ(sets.size(), 1u);
                const int port = (std::stoi(c.unit) - 1) * 64 + std::stoi(c.port);
                EXPECT_EQ(varbinds(sets.front()), (std::vector<std::string>{
                                                      Delete + "1.0 STRING v1",
                                                      Delete + "2.0 INTEGER " + std::to_string(port),
                                                      Delete + "3.0 HEX 0080C8300001",
                                                      Delete + "4.0 INTEGER 2",
                                                  }));
            }
            EXPECT_EQ(w.UnitEdit->text().toStdString(), c.unitAfter);
        }

        // A refused set is reported as every window reports it: its result line.
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        MessageRecorder boxes;
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        const std::string line = StatusPanel0(w.StatusBar1)->text().toStdString();
        EXPECT_EQ(line.rfind("Set: ", 0), 0u) << line;
        EXPECT_NE(line.find("Receive at"), std::string::npos) << line;
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(TrafficSegmentation, WritesTheSelectedPortsForwardPorts)
{
    ASSERT_TRUE(withWindow<TTrafficSegmentationForm>("TrafficSegmentationTable1", [](TTrafficSegmentationForm& w) {
        EXPECT_EQ(w.windowTitle(), "Traffic Segmentation Table: 127.0.0.1");
        EXPECT_FALSE(w.BT_Set->isEnabled());
        const auto ports = columnTexts(w.LV_TrafficForward, 0);
        ASSERT_GT(ports.size(), 64u);
        const int row65 = static_cast<int>(std::find(ports.begin(), ports.end(), "65") - ports.begin());
        selectRow(w.LV_TrafficForward, row65);
        EXPECT_EQ(w.EDIT_Unit->text(), "2");
        EXPECT_EQ(w.EDIT_Port->text(), "1");
        EXPECT_TRUE(w.BT_Set->isEnabled());
        snapshot(&w, "trafficsegmentation");
        // Port 65 may no longer forward to port 2 (box 1).
        w.Grids->Grid(0)->PortCheckBoxes[1]->setChecked(false);
        clearLog();
        w.BT_Set->click();
        w.BT_Get->click(); // ignored: the set and its read are under way
        w.BT_Set->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        const auto vbs = varbinds(sets.front());
        ASSERT_EQ(vbs.size(), 1u);
        EXPECT_EQ(vbs.front().rfind("1.3.6.1.4.1.32473.11.78.1.2.14.1.1.2.65 HEX BF", 0), 0u) << vbs.front();
        EXPECT_FALSE(w.BT_Set->isEnabled());
        EXPECT_EQ(logged("getnext").size(), static_cast<std::size_t>(ports.size() + 1)); // one walk
        wintest::sim().setValue("1.3.6.1.4.1.32473.11.78.1.2.14.1.1.2.65", "HEX", std::string(128, 'F'));
    }));
}

} // namespace
