// BOOTP relay window and its editor: at most four servers per interface (names compared
// exactly), a server created with state valid and removed with invalid for the selected
// row, nothing to delete right after an Add, and server addresses checked before they
// become instance arcs.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/bootctrltableformunit.h"
#include "l3mgmtwindows/newbootpctrlformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1";
const std::string IpV10 = ".6.105.112.95.118.49.48";
constexpr char Menu[] = "mmiDHCPRelayCtrl";
const std::string LongName(108, 'n');

// Adds through the editor: filled and Set pressed once it shows; an editor still open
// afterwards (a refusal) is closed without writing. True when the editor closed itself.
bool AddServer(TBOOTCtrlTableForm& w, const std::string& name, const std::string& server,
               const std::string& picture = {})
{
    bool closedItself = false;
    auto* poll = new QTimer(&w);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, name, server, poll, picture, &closedItself] {
        TNewBootpCtrlForm& e = *w.Editor;
        if (!e.isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        EXPECT_TRUE(e.Edit1->text().isEmpty());
        e.Edit1->setText(QString::fromStdString(name));
        e.Edit2->setText(QString::fromStdString(server));
        if (!picture.empty())
            snapshot(&e, picture);
        e.DeleteBtn->click();
        closedItself = !e.isVisible();
        if (e.isVisible())
            e.reject();
    });
    poll->start();
    w.AddBtn->click();
    return closedItself;
}

int RowOf(TBOOTCtrlTableForm& w, const std::string& name, const std::string& server)
{
    return wintest::rowWithKeys(w.ListView1, {name, server});
}

TEST(BootpRelayWindow, AddsAServerAndRemovesTheSelectedOne)
{
    ASSERT_TRUE(withWindow<TBOOTCtrlTableForm>(Menu, [](TBOOTCtrlTableForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0),
                  (std::vector<std::string>{"System", "System", "System", "System", "ip_v10"}));
        EXPECT_EQ(columnTexts(w.ListView1, 2), std::vector<std::string>(5, "valid"));
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        snapshot(&w, "bootprelay");

        MessageRecorder boxes;
        selectRow(w.ListView1, RowOf(w, "System", "10.90.90.2"));
        EXPECT_TRUE(w.DeleteBtn->isEnabled());
        clearLog();
        ASSERT_TRUE(AddServer(w, "ip_v10", "192.168.001.101", "bootprelayedit"));
        EXPECT_EQ(w.Editor->windowTitle(), w.windowTitle() + " (Add)");
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string added = Entry + ".3" + IpV10 + ".192.168.1.101";
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{added + " INTEGER 3"}));
        ASSERT_GE(RowOf(w, "ip_v10", "192.168.1.101"), 0);

        // Right after an Add there is no row to delete: the edits hold the added key.
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_EQ(TDedicatedForm::SelectedRow(w.ListView1), -1);
        clearLog();
        w.RunHandler([&w] { w.DeleteBtnClick(); });
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());

        selectRow(w.ListView1, RowOf(w, "ip_v10", "192.168.1.101"));
        clearLog();
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{added + " INTEGER 2"}));
        EXPECT_EQ(RowOf(w, "ip_v10", "192.168.1.101"), -1);
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 5u);
        EXPECT_FALSE(w.DeleteBtn->isEnabled());
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(BootpRelayWindow, FourServersPerInterfaceAndAddressesCheckedFirst)
{
    ASSERT_TRUE(withWindow<TBOOTCtrlTableForm>(Menu, [](TBOOTCtrlTableForm& w) {
        const std::tuple<const char*, const char*, const char*> refused[] = {
            {"System", "10.90.90.9", "One interface can just with four bootp servers at most."},
            {"", "10.1.1.1", "Interface Name is empty."},
            {"ip_v10", "1.2.3", "Please input a valid IP"},
            {"ip_v10", "10.1.1.300", "Please input a valid IP"},
            {"ip_v10", "", "Please input a valid IP"},
            // A server is a host address.
            {"ip_v10", "0.0.0.0", "Please input a valid IP"},
            {"ip_v10", "255.255.255.255", "Please input a valid IP"},
            {"ip_v10", "127.0.0.1", "Please input a valid IP"},
            {"ip_v10", "224.0.0.1", "Please input a valid IP"},
            // 108 characters: the instance would pass the 128 arcs of an OID.
            {LongName.c_str(), "10.1.1.1", "Interface Name is too long."},
        };
        MessageRecorder boxes;
        clearLog();
        for (const auto& [name, server, message] : refused) {
            boxes.Shown.clear();
            EXPECT_FALSE(AddServer(w, name, server));
            EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{message})) << name << " " << server;
        }
        EXPECT_TRUE(logged("set").empty());

        // The name is compared exactly: "system" is another interface.
        boxes.Shown.clear();
        ASSERT_TRUE(AddServer(w, "system", "10.90.90.9"));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        ASSERT_EQ(logged("set").size(), 1u);
        const int row = RowOf(w, "system", "10.90.90.9");
        ASSERT_GE(row, 0);
        selectRow(w.ListView1, row);
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(RowOf(w, "system", "10.90.90.9"), -1);

        // The longest name that fits is written as typed.
        const std::string longest(107, 'n');
        clearLog();
        ASSERT_TRUE(AddServer(w, longest, "10.1.1.1"));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(logged("set")[0].errorStatus, 0);
        const int longRow = RowOf(w, longest, "10.1.1.1");
        ASSERT_GE(longRow, 0);
        selectRow(w.ListView1, longRow);
        w.DeleteBtn->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(RowOf(w, longest, "10.1.1.1"), -1);

        // While a read runs: Refresh is ignored, Delete and the editor's Set refuse.
        selectRow(w.ListView1, 0);
        w.RefreshBtn->click();
        ASSERT_FALSE(w.Request->IsIdle());
        const int reads = w.Request->ReadCount;
        w.RunHandler([&w] { w.RefreshBtnClick(); });
        EXPECT_EQ(w.Request->ReadCount, reads);
        boxes.Shown.clear();
        clearLog();
        w.RunHandler([&w] { w.DeleteBtnClick(); });
        w.Editor->Edit1->setText("ip_v10");
        w.Editor->Edit2->setText("192.168.1.102");
        w.Editor->RunHandler([&w] { w.Editor->DeleteBtnClick(); });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not complete", "Get data not complete"}));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
    }));
}

} // namespace
