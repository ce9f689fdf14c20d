// Static multicast and unicast filter windows: three-part instances with MAC arcs, the
// writes of the selected row, deletes by "invalid" with and without the port list, a
// status the list has no label for left out of the write, and rows whose FDB ID or VLAN
// lies above 4094 changed and deleted like the others.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPlainTextEdit>

#include "classlib/dialogs.h"
#include "configwin/stackingportuitform.h"
#include "l2windows/multicastfilterinformationformunit.h"
#include "l2windows/unicastfilterinformationformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Multicast = "1.3.6.1.2.1.17.7.1.3.2.1";
const std::string Unicast = "1.3.6.1.2.1.17.7.1.3.1.1";
const std::string Group10 = ".10.1.0.94.1.2.3.5"; // VLAN 10, 01005E010203, receive port 5
const std::string Station6 = ".1.0.1.2.3.4.6.3";  // FDB 1, 000102030406, receive port 3

std::vector<std::string> OneSet()
{
    const auto sets = logged("set");
    EXPECT_EQ(sets.size(), 1u);
    return sets.empty() ? std::vector<std::string>{} : varbinds(sets[0]);
}

TEST(MulticastFilterWindow, SetWritesTheSelectedRowsPortsAndAStatusOnlyWhenShown)
{
    ASSERT_TRUE(withWindow<TMulticastFilterInformationForm>("MulticastInformation1", [](TMulticastFilterInformationForm& w) {
        EXPECT_EQ(w.windowTitle(), "Multicast Filter Information: 127.0.0.1");
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 0), (std::vector<std::string>{"1", "10", "20"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 1),
                  (std::vector<std::string>{"01005E000009", "01005E010203", "01005E000007"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 2), (std::vector<std::string>{"0", "5", "0"}));
        EXPECT_EQ(w.ST_Count->text(), "3");
        EXPECT_FALSE(w.GroupBox1->isVisible());
        EXPECT_FALSE(w.SetBtn->isEnabled());

        selectRow(w.LV_dot1qStaticMulticastEntry, 0);
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{0, 1, 2}));
        EXPECT_EQ(w.Status->currentText(), "permanent");
        EXPECT_TRUE(w.SetBtn->isEnabled());
        snapshot(&w, "multicastfilterinformation");
        w.Grids->Grid(0)->PortCheckBoxes[64]->setChecked(true);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        const std::string group9 = ".1.1.0.94.0.0.9.0";
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Multicast + ".3" + group9 + " HEX " + portListHex({0, 1, 2, 64}),
                                                      Multicast + ".5" + group9 + " INTEGER 3"}));
        EXPECT_TRUE(tickedBoxes(w.Grids->Grid(0)).empty());
        EXPECT_FALSE(w.SetBtn->isEnabled());

        // deleteOnReset(4) has no label: the status is not written as something else.
        selectRow(w.LV_dot1qStaticMulticastEntry, 2);
        EXPECT_EQ(w.Status->currentIndex(), -1);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Multicast + ".3.20.1.0.94.0.0.7.0 HEX " + portListHex({3})}));
        EXPECT_EQ(wintest::sim().command("get " + Multicast + ".5.20.1.0.94.0.0.7.0").substr(0, 12), "OK INTEGER 4");

        ASSERT_TRUE(wintest::sim().setValue(Multicast + ".3" + group9, "HEX", portListHex({0, 1, 2})));
    }));
}

TEST(MulticastFilterWindow, DeleteWritesInvalidWithThePortsAndReadsTheTableAgain)
{
    ASSERT_TRUE(withWindow<TMulticastFilterInformationForm>("MulticastInformation1", [](TMulticastFilterInformationForm& w) {
        selectRow(w.LV_dot1qStaticMulticastEntry, 1);
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{64, 511}));
        clearLog();
        w.btnDelete->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Multicast + ".3" + Group10 + " HEX " + portListHex({64, 511}),
                                                      Multicast + ".5" + Group10 + " INTEGER 2"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 0), (std::vector<std::string>{"1", "20"}));
        EXPECT_EQ(TDedicatedForm::SelectedRow(w.LV_dot1qStaticMulticastEntry), -1);
        EXPECT_FALSE(w.SetBtn->isEnabled());
        EXPECT_FALSE(w.btnDelete->isEnabled());

        // Set and Delete while a read runs are refused.
        wintest::sim().delay(30);
        MessageRecorder boxes;
        clearLog();
        w.RefreshBtn->click();
        w.SetBtnClick();
        w.btnDeleteClick();
        ASSERT_TRUE(waitIdle(w));
        wintest::sim().delay(0);
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 2u);
        EXPECT_EQ(boxes.Shown[0].text, "Get data not complete");
    }));
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".3" + Group10, "HEX", portListHex({64, 511})));
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".4" + Group10, "HEX", portListHex({})));
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".5" + Group10, "INTEGER", "3"));
}

TEST(UnicastFilterWindow, DeleteWritesTheSelectedRowsStatusAloneAndKeepsTheColumnMask)
{
    ASSERT_TRUE(withWindow<TUnicastFilterInformationForm>("UnicastInformation1", [](TUnicastFilterInformationForm& w) {
        EXPECT_EQ(w.windowTitle(), "Unicast Filter Information: 127.0.0.1");
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticUnicastEntry, 1),
                  (std::vector<std::string>{"000102030405", "000102030406", "AABBCCDDEEFF"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticUnicastEntry, 2), (std::vector<std::string>{"0", "3", "0"}));
        EXPECT_FALSE(w.KeyPanel->isVisible());
        EXPECT_FALSE(w.Memo1->toPlainText().contains("no device unit information"));

        selectRow(w.LV_dot1qStaticUnicastEntry, 1);
        EXPECT_EQ(w.ED_UnicastVID->text(), "1");
        EXPECT_EQ(w.UnicastAddress->text(), "000102030406");
        EXPECT_EQ(tickedBoxes(w.Grids->Grid(0)), (std::vector<int>{64, 511}));
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        snapshot(&w, "unicastfilterinformation");

        // A click on empty space clears the grid and disables Delete.
        selectRow(w.LV_dot1qStaticUnicastEntry, -1);
        EXPECT_TRUE(tickedBoxes(w.Grids->Grid(0)).empty());
        EXPECT_FALSE(w.DeleteBtn->isEnabled());

        selectRow(w.LV_dot1qStaticUnicastEntry, 1);
        w.Grids->Grid(0)->PortCheckBoxes[5]->setChecked(true); // never written by a delete
        clearLog();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Unicast + ".4" + Station6 + " INTEGER 2"}));
        EXPECT_EQ(w.Request->Request.VarList.GetItem(3)->Access, unsigned(SNMP_ACCESS_READWRITE));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticUnicastEntry, 1),
                  (std::vector<std::string>{"000102030405", "AABBCCDDEEFF"}));
        EXPECT_FALSE(w.DeleteBtn->isEnabled());

        // With no row chosen: the warning, nothing sent.
        MessageRecorder boxes;
        clearLog();
        w.DeleteBtnClick();
        EXPECT_TRUE(logged("set").empty());
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Please select which entry you want to delete.");
        EXPECT_EQ(boxes.Shown[0].icon, MessageIcon::Warning);
    }));
    ASSERT_TRUE(wintest::sim().setValue(Unicast + ".3" + Station6, "HEX", portListHex({64, 511})));
    ASSERT_TRUE(wintest::sim().setValue(Unicast + ".4" + Station6, "INTEGER", "3"));
}

// A row's keys are the switch's: an FDB ID or VLAN above 4094 (the hidden key edits' own
// range) is changed and deleted like any other, and no message names a hidden field.
TEST(StaticFilterWindows, RowsAboveVlan4094AreChangedAndDeleted)
{
    const std::string group = ".5000.1.0.94.0.0.5.0";   // VLAN 5000, 01005E000005, receive port 0
    const std::string station = ".5000.0.1.2.3.4.7.0"; // FDB 5000, 000102030407, receive port 0
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".3" + group, "HEX", portListHex({1})));
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".4" + group, "HEX", portListHex({})));
    ASSERT_TRUE(wintest::sim().setValue(Multicast + ".5" + group, "INTEGER", "3"));
    ASSERT_TRUE(wintest::sim().setValue(Unicast + ".3" + station, "HEX", portListHex({2})));
    ASSERT_TRUE(wintest::sim().setValue(Unicast + ".4" + station, "INTEGER", "3"));
    MessageRecorder boxes;
    ASSERT_TRUE(withWindow<TMulticastFilterInformationForm>("MulticastInformation1", [&](TMulticastFilterInformationForm& w) {
        ASSERT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 0), (std::vector<std::string>{"1", "10", "20", "5000"}));
        selectRow(w.LV_dot1qStaticMulticastEntry, 3);
        w.Grids->Grid(0)->PortCheckBoxes[3]->setChecked(true);
        clearLog();
        w.SetBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Multicast + ".3" + group + " HEX " + portListHex({1, 3}),
                                                      Multicast + ".5" + group + " INTEGER 3"}));
        selectRow(w.LV_dot1qStaticMulticastEntry, 3);
        clearLog();
        w.btnDelete->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Multicast + ".3" + group + " HEX " + portListHex({1, 3}),
                                                      Multicast + ".5" + group + " INTEGER 2"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticMulticastEntry, 0), (std::vector<std::string>{"1", "10", "20"}));
    }));
    ASSERT_TRUE(withWindow<TUnicastFilterInformationForm>("UnicastInformation1", [&](TUnicastFilterInformationForm& w) {
        ASSERT_EQ(columnTexts(w.LV_dot1qStaticUnicastEntry, 0), (std::vector<std::string>{"1", "1", "10", "5000"}));
        selectRow(w.LV_dot1qStaticUnicastEntry, 3);
        clearLog();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(OneSet(), (std::vector<std::string>{Unicast + ".4" + station + " INTEGER 2"}));
        EXPECT_EQ(columnTexts(w.LV_dot1qStaticUnicastEntry, 0), (std::vector<std::string>{"1", "1", "10"}));
    }));
    EXPECT_TRUE(boxes.Shown.empty()) << boxes.Shown.front().text;
}

} // namespace
