// AAA server information and server control windows: an add sends only the filled columns
// for the address and protocol, a duplicate pair and an address that is no dotted quad are
// refused, Edit sends the filled values or deletes with "destroy", Delete sends the status
// alone; group membership is added and removed at the group name's length-prefixed
// instance, one write at a time.
#include <gtest/gtest.h>

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/serverinfounit.h"
#include "l3mgmtwindows/tacacsservercontrolunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Hosts = "1.3.6.1.4.1.32473.12.5.10.1";
const std::string Members = "1.3.6.1.4.1.32473.12.5.12.1";

std::vector<std::vector<std::string>> Sets()
{
    std::vector<std::vector<std::string>> all;
    for (const auto& pdu : logged("set"))
        all.push_back(varbinds(pdu));
    return all;
}

int RowOf(TServerInformationForm& w, const std::string& ip, const std::string& protocol)
{
    for (int row = 0; row < RowCountOf(w.ListView1); ++row)
        if (CellByTitle(w.ListView1, row, "Server IP") == ip &&
            CellByTitle(w.ListView1, row, "Server Auth Protocol") == protocol)
            return row;
    return -1;
}

void FillHost(TServerInformationForm& w, const char* ip, int protocol, const char* port, const char* key)
{
    w.IPEdit->setText(ip);
    w.ProtocolComboBox->setCurrentIndex(protocol);
    w.PortEdit->setText(port);
    w.KeyEdit->setText(key);
    w.TimeoutEdit->clear();
    w.RetryCEdit->clear();
    w.RowComboBox->setCurrentIndex(TServerInformationForm::CreateAndGoItem);
}

TEST(ServerInformationWindow, AddEditAndDeleteSendExactlyTheirColumns)
{
    ASSERT_TRUE(withFactory<TServerInformationForm>("TServerInformationForm", [](TServerInformationForm& w) {
        EXPECT_EQ(w.windowTitle().toStdString().rfind("Server Information: ", 0), 0u);
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"10.90.90.11", "10.90.90.20"}));
        EXPECT_EQ(w.Static->text(), "2");
        EXPECT_EQ(w.ProtocolComboBox->currentIndex(), -1);
        snapshot(&w, "serverinformation");

        MessageRecorder boxes;
        clearLog();
        // Refusals first: nothing is sent.
        FillHost(w, "", 1, "", "");
        w.AddButton->click();
        FillHost(w, "10.1.1.5", -1, "", "");
        w.AddButton->click();
        FillHost(w, "10.1.1", 1, "", "");
        w.AddButton->click();
        // A server is a host: no broadcast, loopback, multicast or all-zero address.
        for (const char* notHost : {"0.0.0.0", "255.255.255.255", "127.0.0.1", "224.0.0.1"}) {
            FillHost(w, notHost, 1, "", "");
            w.AddButton->click();
        }
        FillHost(w, "10.90.90.20", 2, "", "");
        w.AddButton->click();
        FillHost(w, "10.1.1.5", 1, "", "");
        w.RowComboBox->setCurrentIndex(0);
        w.AddButton->click();
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{
                                    "Server IP must be set.", "Protocol must be set.", "Please input a valid Server IP.",
                                    "Please input a valid Server IP.", "Please input a valid Server IP.",
                                    "Please input a valid Server IP.", "Please input a valid Server IP.",
                                    "Has already a record with the same Server IP and Protocol. Please change Server "
                                    "IP or Protocol.",
                                    "Row State must be createAndGo."}));
        EXPECT_TRUE(logged("set").empty());

        // Only the keys and createAndGo: the switch's defaults stand for the rest.
        boxes.Shown.clear();
        const std::string xtacacs = ".10.1.1.5.2";
        FillHost(w, "010.1.1.5", 1, "", "");
        w.AddButton->click();
        EXPECT_TRUE(boxes.Shown.empty());
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Hosts + ".7" + xtacacs + " INTEGER 4"}}));
        int row = RowOf(w, "10.1.1.5", "xtacacs");
        ASSERT_GE(row, 0);
        EXPECT_EQ(CellByTitle(w.ListView1, row, "Server Auth Port"), "49");
        EXPECT_TRUE(w.IPEdit->text().isEmpty()) << "reset after the write";
        // The same address with another protocol is another server.
        FillHost(w, "10.1.1.5", 3, "1812", "shared");
        w.AddButton->click();
        EXPECT_GE(RowOf(w, "10.1.1.5", "radius"), 0);

        // Edit: the filled values, never the row status.
        selectRow(w.ListView1, RowOf(w, "10.1.1.5", "xtacacs"));
        EXPECT_FALSE(w.IPEdit->isEnabled());
        EXPECT_FALSE(w.AddButton->isEnabled());
        w.PortEdit->setText("1500");
        w.KeyEdit->setText("k5");
        w.TimeoutEdit->clear();
        w.RetryCEdit->clear();
        clearLog();
        w.EditButton->click();
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Hosts + ".3" + xtacacs + " INTEGER 1500", Hosts + ".4" + xtacacs + " STRING k5"}}));
        EXPECT_EQ(CellByTitle(w.ListView1, RowOf(w, "10.1.1.5", "xtacacs"), "Server Auth Key"), "k5");

        // Edit with "destroy" deletes; Delete likewise: the status alone.
        selectRow(w.ListView1, RowOf(w, "10.1.1.5", "xtacacs"));
        w.RowComboBox->setCurrentIndex(TServerInformationForm::DestroyItem);
        clearLog();
        w.EditButton->click();
        selectRow(w.ListView1, RowOf(w, "10.1.1.5", "radius"));
        w.DeleteButton->click();
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Hosts + ".7" + xtacacs + " INTEGER 6"},
                                                                  {Hosts + ".7.10.1.1.5.4 INTEGER 6"}}));
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"10.90.90.11", "10.90.90.20"}));
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(ServerInformationWindow, AFailedWriteShowsItsErrorAndKeepsTheRows)
{
    ASSERT_TRUE(withFactory<TServerInformationForm>("TServerInformationForm", [](TServerInformationForm& w) {
        selectRow(w.ListView1, 0);
        w.KeyEdit->setText("other");
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        clearLog();
        w.EditButton->click();
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("getnext").empty());
        EXPECT_NE(StatusPanel0(w.StatusBar1)->text().toStdString().find("General Error"), std::string::npos);
        EXPECT_EQ(CellByTitle(w.ListView1, 0, "Server Auth Key"), "radkey1");
        EXPECT_TRUE(w.AddButton->isEnabled());
        EXPECT_FALSE(w.EditButton->isEnabled());
    }));
}

TEST(ServerControlWindow, MembershipIsAddedAndRemovedAtTheLengthPrefixedInstance)
{
    ASSERT_TRUE(withFactory<TAAASrvCtrlForm>("TAAASrvCtrlForm", [](TAAASrvCtrlForm& w) {
        EXPECT_EQ(w.windowTitle().toStdString().rfind("Server Control: ", 0), 0u);
        EXPECT_EQ(columnTexts(w.lvOper, 0), (std::vector<std::string>{"radius"}));
        EXPECT_FALSE(w.lvOper->isVisible());
        snapshot(&w, "servercontrol");

        struct Entry {
            const char* group;
            const char* ip;
            int protocol;
            int oper;
        };
        const Entry refused[] = {
            {"", "10.90.90.20", 2, 0}, {"ops", "", 2, 0}, {"ops", "10.90.90.20", -1, 0},
            {"ops", "10.90.90.20", 2, -1}, {"ops", "10.90.90.300", 2, 0}, {"ops", "10.90.90", 2, 0},
            // A server is a host address.
            {"ops", "0.0.0.0", 2, 0}, {"ops", "255.255.255.255", 2, 0}, {"ops", "127.0.0.1", 2, 0},
            {"ops", "224.0.0.1", 2, 0},
        };
        const auto fill = [&w](const Entry& e) {
            w.edtSrvGrpName->setText(e.group);
            w.edtSrvIP->setText(e.ip);
            w.cbxAuthPtcl->setCurrentIndex(e.protocol);
            w.cbxOper->setCurrentIndex(e.oper);
        };
        MessageRecorder boxes;
        clearLog();
        for (const Entry& e : refused) {
            fill(e);
            w.btnSet->click();
        }
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{
                                    "Please input Server Group Name.", "Please input Server IP Address.",
                                    "Please choose Server Authentication Protocol.", "Please choose Operate.",
                                    "Please input a valid Server IP Address.",
                                    "Please input a valid Server IP Address.",
                                    "Please input a valid Server IP Address.",
                                    "Please input a valid Server IP Address.",
                                    "Please input a valid Server IP Address.",
                                    "Please input a valid Server IP Address."}));
        EXPECT_TRUE(logged("set").empty());

        // Add (1), then a second Set before the reply is refused; then delete (2).
        boxes.Shown.clear();
        const std::string instance = ".3.111.112.115.10.90.90.20.3";
        fill({"ops", "010.90.90.20", 2, 0});
        w.btnSet->click();
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
        fill({"ops", "10.90.90.20", 2, 1});
        w.btnSet->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Members + ".4" + instance + " INTEGER 1"},
                                                                  {Members + ".4" + instance + " INTEGER 2"}}));
        EXPECT_EQ(wintest::sim().command("get " + Members + ".4" + instance).substr(0, 3), "ERR");
        EXPECT_EQ(StatusPanel0(w.stbResult)->text().toStdString().rfind("Set: (VhSNMP++) Ok!", 0), 0u);
    }));
}

} // namespace
