// 802.1Q basic configuration and VLAN port information windows: the base group and its
// GVRP set, and the per-port set at the selected port's instance with the port selected
// again after the read.
#include <gtest/gtest.h>

#include <algorithm>

#include <QPlainTextEdit>

#include "classlib/dialogs.h"

#include "l2windows/vlangeneralinfounit.h"
#include "l2windows/vlanportinfomationunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string GvrpStatus = "1.3.6.1.2.1.17.7.1.1.5.0";
const std::string PortVlan = "1.3.6.1.2.1.17.7.1.4.5.1";

TEST(VlanBasicWindow, ShowsTheBaseGroupAndSetsTheGvrpStatusAlone)
{
    ASSERT_TRUE(withWindow<TVLanGeneralInfoForm>("BasicConfigure", [](TVLanGeneralInfoForm& w) {
        EXPECT_EQ(w.windowTitle(), "802.1Q Basic Configure: 127.0.0.1");
        EXPECT_EQ(w.VlanVersionNumber->text(), "1");
        EXPECT_EQ(w.MaxVlanId->text(), "4094");
        EXPECT_EQ(w.MaxSupportedVlans->text(), "255");
        EXPECT_EQ(w.CurrentNumOfVlans->text(), "3");
        EXPECT_EQ(w.GvrpStatus->currentText(), "disabled");
        snapshot(&w, "vlangeneralinfo");

        for (const auto& [label, value] : {std::pair{"enabled", "1"}, std::pair{"disabled", "2"}}) {
            w.GvrpStatus->setCurrentIndex(w.GvrpStatus->findText(label));
            clearLog();
            w.SetBtn->click();
            ASSERT_TRUE(waitIdle(w));
            const auto sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{GvrpStatus + " INTEGER " + value}));
            EXPECT_TRUE(logged("get").empty()) << "the group is not read again";
        }

        // With no status shown (as before the first read) nothing is written.
        w.GvrpStatus->setCurrentIndex(-1);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        EXPECT_TRUE(w.Memo1->toPlainText().contains("Nothing to set"));
    }));
}

TEST(VlanPortInformationWindow, SetWritesTheSelectedPortAndSelectsItAgain)
{
    ASSERT_TRUE(withWindow<TVLanPortInfomationForm>("PortsInfo1", [](TVLanPortInfomationForm& w) {
        EXPECT_EQ(w.windowTitle(), "VLAN Port Information Form: 127.0.0.1");
        const auto ports = columnTexts(w.LV_dot1qPortVlanEntry, 0);
        ASSERT_GE(ports.size(), 3u);
        EXPECT_EQ(ports[2], "3");
        EXPECT_EQ(w.ST_Count->text().toStdString(), std::to_string(ports.size()));
        EXPECT_EQ(columnTexts(w.LV_dot1qPortVlanEntry, 1)[2], "10");
        EXPECT_EQ(columnTexts(w.LV_dot1qPortVlanEntry, 6)[2], "0080C8000001");
        EXPECT_FALSE(w.SetBtn->isEnabled());

        selectRow(w.LV_dot1qPortVlanEntry, 2);
        EXPECT_EQ(w.PortVLanID->text(), "10");
        EXPECT_TRUE(w.SetBtn->isEnabled());
        snapshot(&w, "vlanportinfomation");
        w.PortVLanID->setText("20");
        w.IngressFiltering->setCurrentIndex(w.IngressFiltering->findText("true"));
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{PortVlan + ".1.3 GAUGE 20", PortVlan + ".2.3 INTEGER 1",
                                                               PortVlan + ".3.3 INTEGER 1", PortVlan + ".4.3 INTEGER 2"}));
        EXPECT_FALSE(logged("getnext").empty()) << "the table is read again";
        EXPECT_EQ(TDedicatedForm::SelectedRow(w.LV_dot1qPortVlanEntry), 2);
        EXPECT_EQ(w.PortVLanID->text(), "20");
        EXPECT_EQ(w.IngressFiltering->currentText(), "true");
        EXPECT_TRUE(w.SetBtn->isEnabled());

        ASSERT_TRUE(wintest::sim().setValue(PortVlan + ".1.3", "GAUGE", "10"));
        ASSERT_TRUE(wintest::sim().setValue(PortVlan + ".3.3", "INTEGER", "2"));

        // Refresh during a walk only disables Set.
        wintest::sim().delay(20);
        clearLog();
        w.RefreshBtn->click();
        w.RefreshBtn->click();
        EXPECT_FALSE(w.SetBtn->isEnabled());
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        const auto walks = logged("getnext");
        ASSERT_FALSE(walks.empty());
        EXPECT_EQ(std::count_if(walks.begin(), walks.end(),
                                [](const auto& pdu) { return pdu.varbinds.at(0).oid == "1.3.6.1.2.1.17.1.4.1.1"; }),
                  1)
            << "one walk";
        EXPECT_EQ(TDedicatedForm::SelectedRow(w.LV_dot1qPortVlanEntry), -1);
        EXPECT_EQ(w.PortVLanID->text(), "");
    }));
}

TEST(VlanPortInformationWindow, APvidOutsideItsRangeIsRefused)
{
    ASSERT_TRUE(withWindow<TVLanPortInfomationForm>("PortsInfo1", [](TVLanPortInfomationForm& w) {
        selectRow(w.LV_dot1qPortVlanEntry, 0);
        MessageRecorder boxes;
        w.PortVLanID->setText("4095");
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Port VLAN ID: Please enter a number between 1 and 4094!");
    }));
}

} // namespace
