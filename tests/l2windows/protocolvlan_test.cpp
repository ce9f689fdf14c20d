// Protocol VLAN window: which optional columns each write carries, the refusals before
// anything is sent, the synchronous walk that no click can nest an exchange into, and the
// rows it adds and deletes on the simulator.
#include <gtest/gtest.h>

#include <QStatusBar>
#include <QTimer>

#include "classlib/dialogs.h"
#include "l2windows/protcolvlanunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.16.1.1.1";

std::string Cell(int column, int vlan, const std::string& tagValue)
{
    return Entry + "." + std::to_string(column) + "." + std::to_string(vlan) + " " + tagValue;
}

void Choose(QComboBox* combo, const char* label)
{
    combo->setCurrentIndex(label ? combo->findText(label) : -1);
    ASSERT_TRUE(!label || combo->currentIndex() >= 0) << label;
}

int RowOf(TProtocolVlanForm& w, const std::string& vlan)
{
    const auto ids = columnTexts(w.ListView1, 0);
    for (std::size_t i = 0; i < ids.size(); ++i)
        if (ids[i] == vlan)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> SetOf(TProtocolVlanForm& w, QPushButton* button)
{
    clearLog();
    button->click();
    EXPECT_TRUE(waitIdle(w));
    const auto sets = logged("set");
    EXPECT_EQ(sets.size(), 1u);
    return sets.empty() ? std::vector<std::string>{} : varbinds(sets[0]);
}

TEST(ProtocolVlanWindow, AddSendsOnlyTheColumnsTheProtocolAllowsAndDeleteOnlyTheStatus)
{
    struct Case {
        int vlan;
        const char* name;
        const char* protocol;
        const char* advertisement;
        const char* userProtocol;
        const char* encap;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // A fixed protocol: never the user-defined number or the encapsulation.
        {7, "v7", "protocol-ip", "enabled", "123", "snap",
         {Cell(2, 7, "STRING v7"), Cell(3, 7, "INTEGER 2"), Cell(4, 7, "INTEGER 1"), Cell(7, 7, "INTEGER 4")}},
        // User-defined with both; an empty name and no advertisement are left out.
        {8, "", "protocol-userDefined", nullptr, "2048", "snap",
         {Cell(3, 8, "INTEGER 16"), Cell(5, 8, "INTEGER 2048"), Cell(6, 8, "INTEGER 3"), Cell(7, 8, "INTEGER 4")}},
        // User-defined without an encapsulation: its number alone.
        {9, "n9", "protocol-userDefined", "disabled", "2048", nullptr,
         {Cell(2, 9, "STRING n9"), Cell(3, 9, "INTEGER 16"), Cell(4, 9, "INTEGER 2"), Cell(5, 9, "INTEGER 2048"),
          Cell(7, 9, "INTEGER 4")}},
        // No protocol shown: the type and what hangs on it are left out.
        {11, "n11", nullptr, "enabled", "", nullptr,
         {Cell(2, 11, "STRING n11"), Cell(4, 11, "INTEGER 1"), Cell(7, 11, "INTEGER 4")}},
    };
    ASSERT_TRUE(withWindow<TProtocolVlanForm>("mmiProtovlan", [&](TProtocolVlanForm& w) {
        EXPECT_EQ(w.windowTitle(), "Protocol VLAN: 127.0.0.1");
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"1", "5", "100"}));
        EXPECT_EQ(w.StaticText1->text(), "3");
        EXPECT_NE(w.StatusBar1->currentMessage().indexOf("Get:"), -1);
        EXPECT_TRUE(w.Add->isEnabled());
        EXPECT_FALSE(w.Edit->isEnabled());
        EXPECT_FALSE(w.Delete->isEnabled());

        for (const Case& c : cases) {
            SCOPED_TRACE(c.vlan);
            w.Index->setText(QString::number(c.vlan));
            w.Name->setText(c.name);
            Choose(w.ProtocolType, c.protocol);
            w.ProtocolTypeChange();
            Choose(w.Advertisement, c.advertisement);
            w.UserProtocol->setText(c.userProtocol);
            Choose(w.Encap, c.encap);
            Choose(w.RowStatus, "createAndGo");
            EXPECT_EQ(SetOf(w, w.Add), c.expected);
            EXPECT_GE(RowOf(w, std::to_string(c.vlan)), 0) << "the table is read again";
            EXPECT_EQ(w.Index->text(), "") << "the controls are cleared";
            EXPECT_TRUE(w.Index->isEnabled());
        }

        // Delete: the status alone, for the selected row.
        for (const Case& c : cases) {
            selectRow(w.ListView1, RowOf(w, std::to_string(c.vlan)));
            EXPECT_FALSE(w.Index->isEnabled());
            EXPECT_FALSE(w.Add->isEnabled());
            EXPECT_EQ(SetOf(w, w.Delete), (std::vector<std::string>{Cell(7, c.vlan, "INTEGER 6")}));
        }
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"1", "5", "100"}));
    }));
}

TEST(ProtocolVlanWindow, EditWritesTheShownRowOrDestroysItWithItsName)
{
    ASSERT_TRUE(withWindow<TProtocolVlanForm>("mmiProtovlan", [](TProtocolVlanForm& w) {
        // The user-defined row: its controls follow the protocol and come back as they were.
        selectRow(w.ListView1, RowOf(w, "100"));
        EXPECT_EQ(w.Index->text(), "100");
        EXPECT_EQ(w.ProtocolType->currentText(), "protocol-userDefined");
        EXPECT_TRUE(w.UserProtocol->isEnabled());
        EXPECT_TRUE(w.Encap->isEnabled());
        snapshot(&w, "protocolvlan");
        EXPECT_EQ(SetOf(w, w.Edit),
                  (std::vector<std::string>{Cell(2, 100, "STRING lab"), Cell(3, 100, "INTEGER 16"),
                                            Cell(4, 100, "INTEGER 2"), Cell(5, 100, "INTEGER 2048"),
                                            Cell(6, 100, "INTEGER 3"), Cell(7, 100, "INTEGER 1")}));

        // A fixed protocol: the number and encapsulation stay out, the edits are locked.
        selectRow(w.ListView1, RowOf(w, "5"));
        EXPECT_FALSE(w.UserProtocol->isEnabled());
        EXPECT_EQ(SetOf(w, w.Edit), (std::vector<std::string>{Cell(2, 5, "STRING ipnet"), Cell(3, 5, "INTEGER 2"),
                                                              Cell(4, 5, "INTEGER 1"), Cell(7, 5, "INTEGER 1")}));

        // Edit with "destroy": the name (even empty) and the status.
        w.Index->setText("12");
        Choose(w.ProtocolType, "protocol-ip");
        Choose(w.RowStatus, "createAndGo");
        SetOf(w, w.Add);
        selectRow(w.ListView1, RowOf(w, "12"));
        Choose(w.RowStatus, "destroy");
        EXPECT_EQ(SetOf(w, w.Edit), (std::vector<std::string>{Cell(2, 12, "STRING "), Cell(7, 12, "INTEGER 6")}));
        EXPECT_EQ(RowOf(w, "12"), -1);
    }));
}

TEST(ProtocolVlanWindow, BadEntriesAreRefusedBeforeAnythingIsSent)
{
    ASSERT_TRUE(withWindow<TProtocolVlanForm>("mmiProtovlan", [](TProtocolVlanForm& w) {
        MessageRecorder boxes;
        clearLog();
        Choose(w.RowStatus, "createAndGo");
        w.Index->setText("");
        w.Add->click();
        w.Index->setText("5");
        w.Add->click();
        w.Index->setText("05"); // not the same text: passes the duplicate test
        Choose(w.RowStatus, "active");
        w.Add->click();
        w.Index->setText("");
        w.EditClick();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        std::vector<std::string> texts;
        for (const auto& box : boxes.Shown)
            texts.push_back(box.text);
        EXPECT_EQ(texts, (std::vector<std::string>{"Index must be set.",
                                                   "There is already a record with the same Index. Please modified it.",
                                                   "Row State must be createAndGo.", "Index must be set."}));

        // Delete with no VLAN ID: the key is refused, the text in the status bar.
        w.Index->setText("");
        w.DeleteClick();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
        EXPECT_EQ(w.StatusBar1->currentMessage(), "VLAN ID is empty.");
    }));
}

TEST(ProtocolVlanWindow, NoClickStartsAnExchangeDuringTheSynchronousWalk)
{
    ASSERT_TRUE(withWindow<TProtocolVlanForm>("mmiProtovlan", [](TProtocolVlanForm& w) {
        clearLog();
        w.Get->click();
        const std::size_t oneWalk = logged("getnext").size();
        ASSERT_GT(oneWalk, 0u);

        selectRow(w.ListView1, RowOf(w, "5"));
        MessageRecorder boxes;
        wintest::sim().delay(40);
        clearLog();
        bool clicked = false;
        QTimer::singleShot(10, &w, [&] {
            clicked = true;
            w.GetClick();
            w.AddClick();
            w.EditClick();
            w.DeleteClick();
        });
        w.GetClick(); // returns once the walk has ended
        wintest::sim().delay(0);
        ASSERT_TRUE(clicked);
        EXPECT_TRUE(logged("set").empty());
        EXPECT_EQ(logged("getnext").size(), oneWalk);
        ASSERT_EQ(boxes.Shown.size(), 3u);
        for (const auto& box : boxes.Shown)
            EXPECT_EQ(box.text, "Get data not complete");
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"1", "5", "100"}));
    }));
}

TEST(ProtocolVlanWindow, AnAgentRefusalShowsInTheStatusBarAndTheWindowStaysUsable)
{
    ASSERT_TRUE(withWindow<TProtocolVlanForm>("mmiProtovlan", [](TProtocolVlanForm& w) {
        w.Index->setText("13");
        Choose(w.ProtocolType, "protocol-ip");
        Choose(w.RowStatus, "createAndGo");
        ASSERT_TRUE(wintest::sim().failNextSet(10));
        clearLog();
        w.Add->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(logged("set").size(), 1u);
        EXPECT_TRUE(logged("getnext").empty()) << "a failed write is not followed by a read";
        EXPECT_EQ(w.StatusBar1->currentMessage(), "(SNMP) Cannot create/set variable, Wrong Value!");
        EXPECT_TRUE(w.Add->isEnabled());
        EXPECT_EQ(w.Index->text(), "");
        EXPECT_EQ(RowOf(w, "13"), -1);
    }));
}

} // namespace
