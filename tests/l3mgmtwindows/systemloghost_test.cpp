// Syslog host window and its editor: the table with its labels, add (defaults applied when
// the editor shows), edit and delete with their varbinds, and the port and address rules.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTreeWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/loghosteditunit.h"
#include "l3mgmtwindows/systemloghostunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.12.2.1.";

// Runs inside() while the editor is open (as the window opens it, modally), then closes it.
void WithEditor(TSystemLogHostForm& w, QPushButton* opener, const std::function<void(TLogHostEditForm&)>& inside)
{
    ASSERT_NE(w.Editor, nullptr);
    // The timer goes with this call: when no editor opens, inside() never runs.
    bool ran = false;
    QTimer once;
    once.setSingleShot(true);
    QObject::connect(&once, &QTimer::timeout, [&] {
        ran = true;
        inside(*w.Editor);
        w.Editor->CloseButton->click();
    });
    once.start(0);
    opener->click();
    EXPECT_TRUE(ran) << "the editor did not open";
    ASSERT_TRUE(waitIdle(w));
}

void Choose(QComboBox* combo, const char* text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text;
    combo->setCurrentIndex(index);
}

// Back to the two servers of the profile.
void Restore()
{
    auto& sim = wintest::sim();
    for (int column = 1; column <= 7; ++column)
        for (int index : {3, 4})
            sim.removeValue(Entry + std::to_string(column) + "." + std::to_string(index));
    for (int index : {1, 2}) {
        std::string i = ".";
        i += std::to_string(index);
        sim.setValue(Entry + "1" + i, "INTEGER", std::to_string(index));
        sim.setValue(Entry + "2" + i, "INTEGER", std::to_string(index + 3));
        sim.setValue(Entry + "3" + i, "INTEGER", std::to_string(index + 1));
        sim.setValue(Entry + "4" + i, "INTEGER", index == 1 ? "514" : "6000");
        sim.setValue(Entry + "5" + i, "IPADDRESS", "10.1.1." + std::to_string(index));
        sim.setValue(Entry + "6" + i, "INTEGER", index == 1 ? "3" : "2");
        sim.setValue(Entry + "7" + i, "INTEGER", "1");
    }
}

TEST(SyslogRules, PortAndAddress)
{
    for (const char* port : {"514", "6000", "65535"})
        EXPECT_TRUE(IsSyslogUdpPort(port)) << port;
    for (const char* port : {"513", "515", "5999", "65536", "x", "", "-514"})
        EXPECT_FALSE(IsSyslogUdpPort(port)) << port;
    for (const char* address : {"10.1.1.1", "223.1.1.1", "0.0.0.0", "1.2.3.4"})
        EXPECT_TRUE(CheckSyslogAddress(address)) << address;
    // Class E is 240 to 255: 248.1.1.1 is refused too.
    for (const char* address : {"127.0.0.1", "224.0.0.1", "239.255.255.255", "240.1.1.1", "247.1.1.1", "248.1.1.1",
                                "255.255.255.255", "1.2.3", "1.2.3.4.5", "1.2..4", "1.2.3.256", "", "a.b.c.d",
                                "10.10.10.10.10.10"})
        EXPECT_FALSE(CheckSyslogAddress(address)) << address;
}

TEST(SystemLogHost, ListsTheServersAndDeletesOneWithItsStatusAlone)
{
    ASSERT_TRUE(withWindow<TSystemLogHostForm>("SystemLogServer1", [](TSystemLogHostForm& w) {
        EXPECT_EQ(w.windowTitle(), "System Log Host: 127.0.0.1");
        EXPECT_EQ(columnTexts(w.ListView1, 0),
                  (std::vector<std::string>{"SysLogServerIndex-first", "SysLogServerIndex-second"}));
        EXPECT_EQ(columnTexts(w.ListView1, 1), (std::vector<std::string>{"local4", "local5"}));
        EXPECT_EQ(columnTexts(w.ListView1, 4), (std::vector<std::string>{"10.1.1.1", "10.1.1.2"}));
        EXPECT_EQ(w.StaticText1->text(), "2");
        EXPECT_FALSE(w.EditButton->isEnabled());
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        snapshot(&w, "systemloghost");

        {
            MessageRecorder boxes;
            w.DeleteButton->setEnabled(true);
            w.DeleteButton->click();
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, "Choose the item first.");
        }
        selectRow(w.ListView1, 1);
        EXPECT_TRUE(w.EditButton->isEnabled());
        EXPECT_TRUE(w.DeleteButton->isEnabled());
        clearLog();
        w.DeleteButton->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), std::vector<std::string>{Entry + "7.2 INTEGER 6"});
        EXPECT_EQ(columnTexts(w.ListView1, 0), std::vector<std::string>{"SysLogServerIndex-first"});
        EXPECT_EQ(w.StaticText1->text(), "1");
    }));
    Restore();
}

TEST(SystemLogHost, DeleteWhileReadingIsRefused)
{
    ASSERT_TRUE(withWindow<TSystemLogHostForm>("SystemLogServer1", [](TSystemLogHostForm& w) {
        // The first row of a slow walk is there (and selected) while the rest is on its way.
        wintest::sim().delay(300);
        w.GetButton->click();
        QElapsedTimer clock;
        clock.start();
        while (w.ListView1->topLevelItemCount() == 0 && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_GT(w.ListView1->topLevelItemCount(), 0);
        ASSERT_FALSE(w.IsIdle());
        selectRow(w.ListView1, 0);
        clearLog();
        {
            MessageRecorder boxes;
            w.DeleteButton->setEnabled(true);
            w.DeleteButton->click();
            ASSERT_EQ(boxes.Shown.size(), 1u);
            EXPECT_EQ(boxes.Shown.front().text, "Get data not complete");
        }
        wintest::sim().delay(0);
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
    }));
}

TEST(SystemLogHost, AddsAServerWithTheDefaultsOfTheEditor)
{
    ASSERT_TRUE(withWindow<TSystemLogHostForm>("SystemLogServer1", [](TSystemLogHostForm& w) {
        selectRow(w.ListView1, 0); // a row loaded into the editor is replaced by the defaults
        WithEditor(w, w.AddButton, [&](TLogHostEditForm& e) {
            EXPECT_EQ(e.windowTitle(), "Log Host Edit: 127.0.0.1 (Add)");
            EXPECT_EQ(e.cbxIndex->currentIndex(), -1);
            EXPECT_EQ(e.FacComboBox->currentText(), "local0");
            EXPECT_EQ(e.SevComboBox->currentText(), "all");
            EXPECT_EQ(e.StateComboBox->currentText(), "disabled");
            EXPECT_EQ(e.RowComboBox->currentText(), "active");
            EXPECT_TRUE(e.PortEdit->text().isEmpty());
            EXPECT_TRUE(e.IPAddrEdit->text().isEmpty());
            EXPECT_TRUE(e.cbxIndex->isEnabled());
            snapshot(&e, "loghostedit_add");

            struct Case {
                std::function<void()> enter;
                const char* message;
            };
            const std::vector<Case> refusals = {
                {[&] {}, "Index is needed."},
                {[&] {
                     Choose(e.cbxIndex, "SysLogServerIndex-third");
                     e.PortEdit->setText("515");
                 },
                 "The range of UDP Port for syslog is 514 or 6000-65535."},
                {[&] { e.PortEdit->setText("6001"); }, "IP Address should be set."},
                {[&] { e.IPAddrEdit->setText("248.1.1.1"); }, "IP Address in not valid."},
                {[&] { e.IPAddrEdit->setText("10.1.1.2"); }, "IP Address must be different."},
                {[&] { e.IPAddrEdit->setText("10.1.1.3"); }, "State should be createAndGo."},
            };
            for (const Case& c : refusals) {
                SCOPED_TRACE(c.message);
                c.enter();
                clearLog();
                MessageRecorder boxes;
                e.SetButton->click();
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_EQ(boxes.Shown.front().text, c.message);
                EXPECT_TRUE(logged("set").empty());
            }
            // A refusal keeps what was entered (the defaults come only when the editor shows).
            EXPECT_EQ(e.IPAddrEdit->text(), "10.1.1.3");
            EXPECT_EQ(e.PortEdit->text(), "6001");

            Choose(e.RowComboBox, "createAndGo");
            Choose(e.SevComboBox, "warning");
            clearLog();
            e.SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(logged("set").size(), 1u);
            EXPECT_EQ(varbinds(logged("set")[0]),
                      (std::vector<std::string>{Entry + "2.3 INTEGER 0", Entry + "3.3 INTEGER 2",
                                                Entry + "4.3 INTEGER 6001", Entry + "5.3 IPADDRESS 10.1.1.3",
                                                Entry + "6.3 INTEGER 2", Entry + "7.3 INTEGER 4"}));
            EXPECT_TRUE(e.isVisible()); // stays open
        });
        EXPECT_EQ(columnTexts(w.ListView1, 4), (std::vector<std::string>{"10.1.1.1", "10.1.1.2", "10.1.1.3"}));

        // An empty port is not written: the switch gives its default.
        WithEditor(w, w.AddButton, [&](TLogHostEditForm& e) {
            Choose(e.cbxIndex, "SysLogServerIndex-fourth");
            e.IPAddrEdit->setText("192.168.0.9");
            Choose(e.RowComboBox, "createAndGo");
            clearLog();
            e.SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            const auto sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            for (const auto& vb : sets[0].varbinds)
                EXPECT_NE(vb.oid, Entry + "4.4");
        });
        EXPECT_EQ(columnTexts(w.ListView1, 3), (std::vector<std::string>{"514", "6000", "6001", "514"}));
    }));
    Restore();
}

TEST(SystemLogHost, EditsAServer)
{
    ASSERT_TRUE(withWindow<TSystemLogHostForm>("SystemLogServer1", [](TSystemLogHostForm& w) {
        selectRow(w.ListView1, 0);
        WithEditor(w, w.EditButton, [&](TLogHostEditForm& e) {
            EXPECT_EQ(e.windowTitle(), "Log Host Edit: 127.0.0.1");
            EXPECT_EQ(e.cbxIndex->currentText(), "SysLogServerIndex-first");
            EXPECT_EQ(e.IPAddrEdit->text(), "10.1.1.1");
            EXPECT_FALSE(e.cbxIndex->isEnabled());
            EXPECT_FALSE(e.RowComboBox->isEnabled());
            snapshot(&e, "loghostedit_edit");

            // Another server's address is refused.
            e.IPAddrEdit->setText("10.1.1.2");
            {
                MessageRecorder boxes;
                clearLog();
                e.SetButton->click();
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_EQ(boxes.Shown.front().text, "IP Address must be different.");
                EXPECT_TRUE(logged("set").empty());
            }
            // Its own address is accepted; the row status is never written.
            e.IPAddrEdit->setText("10.1.1.1");
            Choose(e.FacComboBox, "local7");
            clearLog();
            e.SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(logged("set").size(), 1u);
            EXPECT_EQ(varbinds(logged("set")[0]),
                      (std::vector<std::string>{Entry + "2.1 INTEGER 7", Entry + "3.1 INTEGER 2", Entry + "4.1 INTEGER 514",
                                                Entry + "5.1 IPADDRESS 10.1.1.1", Entry + "6.1 INTEGER 3"}));

            // 0.0.0.0 leaves the address as it is.
            e.IPAddrEdit->setText("0.0.0.0");
            clearLog();
            e.SetButton->click();
            ASSERT_TRUE(waitIdle(w));
            const auto sets = logged("set");
            ASSERT_EQ(sets.size(), 1u);
            for (const auto& vb : sets[0].varbinds)
                EXPECT_NE(vb.oid, Entry + "5.1");
        });
        const auto facilities = columnTexts(w.ListView1, 1), addresses = columnTexts(w.ListView1, 4);
        ASSERT_FALSE(facilities.empty());
        EXPECT_EQ(facilities.front(), "local7");
        EXPECT_EQ(addresses.front(), "10.1.1.1");
    }));
    Restore();
}

} // namespace
