// IP interface window and its editor: the interface rules on texts (address, mask, own
// network), adding a primary and a secondary interface on one VLAN and deleting them in
// order with one varbind each, the protected "System" interface, the Admin-State-only
// edit, and the busy rules.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/ipctrleditunit.h"
#include "l3mgmtwindows/ipctrlunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1";
constexpr char Menu[] = "IPControlTable1";
// Rows as the switch lists them: 10.90.90.90 (System), 172.16.1.1 (v20, secondary),
// 192.168.1.1 (v10), 192.168.2.1 (v20, primary).
constexpr int SystemRow = 0;
constexpr int V20SecondaryRow = 1;
constexpr int V20PrimaryRow = 3;

struct NewInterface {
    std::string address, ifIndex, name, mask, vlan;
    int secondary; // combo item: 0 true, 1 false
};

// Opens the editor with the button; once shown, the editor is filled and Set is pressed;
// an editor still open after that (a refused check) is closed without writing.
void RunEditor(TIpCtrlForm& w, QPushButton* opener, const std::function<void(TIPCtrlEdtForm&)>& fill)
{
    QTimer::singleShot(0, &w, [&w, fill] {
        fill(*w.Editor);
        w.Editor->btnSet->click();
        if (w.Editor->isVisible())
            w.Editor->reject();
    });
    opener->click();
}

void AddInterface(TIpCtrlForm& w, const NewInterface& n)
{
    RunEditor(w, w.btnAdd, [n](TIPCtrlEdtForm& e) {
        e.edtIPAddr->setText(QString::fromStdString(n.address));
        e.edtIndex->setText(QString::fromStdString(n.ifIndex));
        e.edtInterface->setText(QString::fromStdString(n.name));
        e.edtMask->setText(QString::fromStdString(n.mask));
        e.edtVlan->setText(QString::fromStdString(n.vlan));
        e.cbxMode->setCurrentIndex(0);
        e.cbxSecondary->setCurrentIndex(n.secondary);
        e.cbxOper->setCurrentIndex(0);
        e.cbxAdmin->setCurrentIndex(1);
    });
}

int RowOf(TIpCtrlForm& w, const std::string& address)
{
    const auto rows = columnTexts(w.ListView1, 0);
    const auto it = std::find(rows.begin(), rows.end(), address);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void DeleteRow(TIpCtrlForm& w, int row)
{
    selectRow(w.ListView1, row);
    w.RunHandler([&w] { w.btnDelClick(); });
}

TEST(IpInterfaceRules, AddressMaskAndOwnNetwork)
{
    const std::pair<const char*, bool> addresses[] = {
        {"10.1.1.1", true},        {"223.1.1.1", true},   {"010.1.1.1", true},   {"128.0.0.1", true},
        {"127.0.0.1", false},      {"224.0.0.5", false},  {"240.1.1.1", false},  {"250.1.1.1", false},
        {"255.1.1.1", false},      {"0.0.0.0", false},    {"255.255.255.255", false},
        {"10.1.1", false},         {"10.1.1.1.1", false}, {"10.1.1.256", false}, {"10.1..1", false},
        {"", false},               {"10.1.1.1 ", false},  {"a.b.c.d", false},
    };
    for (const auto& [text, ok] : addresses) {
        const TIpv4Verdict verdict = CheckInterfaceAddress(text);
        EXPECT_EQ(verdict.Ok, ok) << text;
        EXPECT_EQ(verdict.Message, ok ? "" : "Please input valid IP Address.") << text;
    }
    const std::pair<const char*, bool> masks[] = {
        {"255.0.0.0", true},  {"255.255.0.0", true},        {"255.255.255.0", true}, {"255.255.255.000", true},
        {"", false},          {"255.255.255.252", false},   {"255.128.0.0", false},  {"0.0.0.0", false},
        {"255.255.255.255", false},
    };
    for (const auto& [text, ok] : masks) {
        const TIpv4Verdict verdict = CheckInterfaceMask(text);
        EXPECT_EQ(verdict.Ok, ok) << text;
        EXPECT_EQ(verdict.Message, ok ? "" : "Please input valid Subnet Mask.") << text;
    }

    QTreeWidget rows;
    rows.setHeaderLabels({"IP Address", "IF Index", "Interface Name", "Subnet Mask"});
    new QTreeWidgetItem(&rows, {"10.1.1.1", "2", "a", "255.255.255.0"});
    struct Subnet {
        const char* address;
        const char* mask;
        bool ok;
    };
    const Subnet subnets[] = {
        {"10.1.2.1", "255.255.255.0", true},
        {"10.1.1.9", "255.255.255.0", false},
        {"10.1.1.9", "255.255.0.0", false}, // 10.1.0.0/16 holds 10.1.1.0/24
        {"10.2.1.9", "255.255.0.0", true},
        {"10.9.9.9", "255.0.0.0", false},
    };
    for (const Subnet& s : subnets) {
        const TIpv4Verdict verdict = CheckNewSubnet(s.address, s.mask, &rows);
        EXPECT_EQ(verdict.Ok, s.ok) << s.address << "/" << s.mask;
        EXPECT_EQ(verdict.Message, s.ok ? "" : "There is an same interface, please modify IP or Subnet Mask!");
    }
}

TEST(IpCtrlWindow, TheSystemInterfaceCanBeEditedButNeverDeleted)
{
    ASSERT_TRUE(withWindow<TIpCtrlForm>(Menu, [](TIpCtrlForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0),
                  (std::vector<std::string>{"10.90.90.90", "172.16.1.1", "192.168.1.1", "192.168.2.1"}));
        EXPECT_EQ(columnTexts(w.ListView1, 2), (std::vector<std::string>{"System", "ip_v20b", "ip_v10", "ip_v20"}));
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDel->isEnabled());
        EXPECT_FALSE(w.btnEdit->isEnabled());
        snapshot(&w, "ipctrl");

        selectRow(w.ListView1, SystemRow);
        EXPECT_FALSE(w.btnDel->isEnabled());
        EXPECT_TRUE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnAdd->isEnabled());
        EXPECT_EQ(w.Editor->edtInterface->text(), "System");

        MessageRecorder boxes;
        clearLog();
        w.RunHandler([&w] { w.btnDelClick(); });
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "The system IP interface can't be deleted.");
        EXPECT_TRUE(logged("set").empty());

        selectRow(w.ListView1, V20SecondaryRow);
        EXPECT_TRUE(w.btnDel->isEnabled());
        selectRow(w.ListView1, -1);
        EXPECT_TRUE(w.btnAdd->isEnabled());
        EXPECT_FALSE(w.btnDel->isEnabled());
    }));
}

TEST(IpCtrlWindow, EditWritesTheAdminStateAloneAndReadsAfterTheReply)
{
    ASSERT_TRUE(withWindow<TIpCtrlForm>(Menu, [](TIpCtrlForm& w) {
        selectRow(w.ListView1, V20PrimaryRow);
        clearLog();
        RunEditor(w, w.btnEdit, [](TIPCtrlEdtForm& e) {
            EXPECT_FALSE(e.edtIPAddr->isEnabled());
            EXPECT_EQ(e.btnSet->text(), "Edit");
            e.edtInterface->setText("renamed"); // disabled, but never sent
            e.cbxAdmin->setCurrentIndex(1);     // enabled
            snapshot(&e, "ipctrledit");
        });
        ASSERT_TRUE(waitIdle(w));
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Entry + ".10.192.168.2.1 INTEGER 3"}));
        EXPECT_FALSE(logged("getnext").empty()) << "read again after the reply";
        EXPECT_EQ(columnTexts(w.ListView1, 9).at(V20PrimaryRow), "enabled");
        EXPECT_FALSE(w.btnEdit->isEnabled());
        EXPECT_FALSE(w.btnDel->isEnabled());

        // Put the switch back.
        selectRow(w.ListView1, V20PrimaryRow);
        RunEditor(w, w.btnEdit, [](TIPCtrlEdtForm& e) { e.cbxAdmin->setCurrentIndex(0); });
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(columnTexts(w.ListView1, 9).at(V20PrimaryRow), "disabled");
    }));
}

TEST(IpCtrlWindow, APrimaryAndASecondaryPerVlanDeletedSecondaryFirstWithOneVarbindEach)
{
    ASSERT_TRUE(withWindow<TIpCtrlForm>(Menu, [](TIpCtrlForm& w) {
        MessageRecorder boxes;
        clearLog();
        // A secondary first is refused; then the primary goes out with every writable column.
        AddInterface(w, {"192.168.30.1", "31", "ip_v30b", "255.255.255.0", "v30", 0});
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "You should create primary interface at first.");
        AddInterface(w, {"192.168.030.001", "30", "ip_v30", "255.255.255.0", "v30", 1});
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        const std::string primary = ".192.168.30.1";
        EXPECT_EQ(varbinds(logged("set")[0]),
                  (std::vector<std::string>{Entry + ".3" + primary + " STRING ip_v30",
                                            Entry + ".4" + primary + " IPADDRESS 255.255.255.0",
                                            Entry + ".5" + primary + " STRING v30",
                                            Entry + ".6" + primary + " INTEGER 2",
                                            Entry + ".7" + primary + " INTEGER 2",
                                            Entry + ".8" + primary + " INTEGER 4",
                                            Entry + ".10" + primary + " INTEGER 3"}));
        ASSERT_GE(RowOf(w, "192.168.30.1"), 0);

        // The secondary; a third on the VLAN, a second secondary or a second primary are refused.
        AddInterface(w, {"192.168.31.1", "31", "ip_v30b", "255.255.255.0", "v30", 0});
        ASSERT_TRUE(waitIdle(w));
        ASSERT_GE(RowOf(w, "192.168.31.1"), 0);
        boxes.Shown.clear();
        clearLog();
        AddInterface(w, {"192.168.32.1", "32", "ip_v30c", "255.255.255.0", "v30", 0});
        AddInterface(w, {"192.168.32.1", "32", "ip_v30c", "255.255.255.0", "v30", 1});
        AddInterface(w, {"192.168.31.9", "32", "ip_v30c", "255.255.0.0", "v31", 1});
        AddInterface(w, {"192.168.33.1", "2", "ip_v30c", "255.255.255.0", "v31", 1});
        AddInterface(w, {"192.168.33.1", "33", "ip_v30", "255.255.255.0", "v31", 1});
        AddInterface(w, {"192.168.33.1", "x", "ip_v30", "255.255.255.0", "v31", 1});
        AddInterface(w, {"192.168.33.1", "33", "", "255.255.255.0", "v31", 1});
        AddInterface(w, {"192.168.40.1", "40", "ip_v40", "255.255.255.0", "v20", 0});
        AddInterface(w, {"192.168.40.1", "40", "ip_v40", "255.255.255.0", "v40", -1});
        std::vector<std::string> texts;
        for (const auto& box : boxes.Shown)
            texts.push_back(box.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"A VLAN can just create two interface.",
                                                   "This VLAN has been used to create primary interface.\n"
                                                   "Please choose true in Secondary",
                                                   "There is an same interface, please modify IP or Subnet Mask!",
                                                   "Please input different If Index.",
                                                   "Please input different Interface Name.",
                                                   "Please input If Index.",
                                                   "Please input Interface Name.",
                                                   "Please input different VLAN Name.",
                                                   "Please choose Secondary."}));
        EXPECT_TRUE(logged("set").empty());

        // The primary goes only after its secondary; each delete is the status alone.
        boxes.Shown.clear();
        DeleteRow(w, RowOf(w, "192.168.30.1"));
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "The secondary interface must be deleted first!");
        EXPECT_TRUE(logged("set").empty());
        for (const char* address : {"192.168.31.1", "192.168.30.1"}) {
            clearLog();
            DeleteRow(w, RowOf(w, address));
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(logged("set").size(), 1u) << address;
            EXPECT_EQ(varbinds(logged("set")[0]),
                      (std::vector<std::string>{Entry + ".8." + address + " INTEGER 6"}));
            EXPECT_EQ(RowOf(w, address), -1);
            EXPECT_EQ(w.Editor->cbxState->currentIndex(), w.Editor->cbxState->findText("active"))
                << "the choice is put back";
        }
        // Refresh right after a delete lists each row once.
        w.btnRefresh->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(columnTexts(w.ListView1, 0).size(), 4u);
    }));
}

TEST(IpCtrlWindow, AddWaitsForTheWholeTableAndACloseDuringAWalkIsSafe)
{
    ASSERT_TRUE(withWindow<TIpCtrlForm>(Menu, [](TIpCtrlForm& w) {
        MessageRecorder boxes;
        w.btnRefresh->click();
        ASSERT_FALSE(w.Request->IsIdle());
        clearLog();
        w.RunHandler([&w] { w.btnAddClick(); });
        ASSERT_EQ(boxes.Shown.size(), 1u);
        EXPECT_EQ(boxes.Shown[0].text, "Get data not complete");
        EXPECT_FALSE(w.Editor->isVisible());
        EXPECT_TRUE(logged("set").empty());
        // The window closes with the walk running.
        w.btnRefresh->click();
    }));
}

} // namespace
