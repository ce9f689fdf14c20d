// The MSTP port state and port information windows with their editors: the version-
// dependent hello time, the table read after the set's reply, and writes at instances
// "port" and "port.instance".
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>

#include "l2windows/mstpportinfounit.h"
#include "l2windows/mstpportstateunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Version = "1.3.6.1.4.1.32473.12.15.1.2.0";
const std::string PortState = "1.3.6.1.4.1.32473.12.15.2.4.1.";

std::vector<std::string> SetOids()
{
    std::vector<std::string> oids;
    for (const auto& pdu : logged("set"))
        for (const auto& vb : pdu.varbinds)
            oids.push_back(vb.oid);
    return oids;
}

// Edits the selected row in the editor, as the user does, and presses Set.
// The editor's part runs from the editor's own loop; when no editor opens it never runs.
template <class Form, class Edit>
void EditRow(Form& w, Edit* editor, const std::function<void()>& enter)
{
    ASSERT_NE(editor, nullptr);
    bool ran = false;
    QTimer once;
    once.setSingleShot(true);
    QObject::connect(&once, &QTimer::timeout, editor, [&] {
        ran = true;
        enter();
        editor->btnEdit->click(); // writes and closes
    });
    once.start(0);
    w.btnEdit->click();
    EXPECT_TRUE(ran) << "the editor did not open";
    ASSERT_TRUE(waitIdle(w));
}

TEST(MstpPortState, LeavesTheHelloTimeOutUnderRstpAndReadsAfterTheReply)
{
    for (const char* version : {"1", "2"}) {
        SCOPED_TRACE(version);
        ASSERT_TRUE(wintest::sim().setValue(Version, "INTEGER", version));
        ASSERT_TRUE(withWindow<TMSTPPortStateForm>("mmiMSTPPortStaInf", [version](TMSTPPortStateForm& w) {
            EXPECT_EQ(w.windowTitle(), "Port State Information: 127.0.0.1");
            EXPECT_EQ(w.lblSTPVersion->text(), std::string(version) == "1" ? "rstp" : "mstp");
            selectRow(w.lvMSTPPortState, 1);
            EXPECT_EQ(w.Editor->edtPortIndex->text(), "2");
            clearLog();
            EditRow(w, w.Editor, [&w] {
                EXPECT_FALSE(w.Editor->edtOperHelloTime->isEnabled());
                w.Editor->edtAdminHelloTime->setText("300");
                w.Editor->edtExtPathCost->setText("40000");
                snapshot(w.Editor, "mstpportstateedit");
            });
            const std::vector<std::string> oids = SetOids();
            const bool hello = std::find(oids.begin(), oids.end(), PortState + "2.2") != oids.end();
            EXPECT_EQ(hello, std::string(version) == "2");
            EXPECT_NE(std::find(oids.begin(), oids.end(), PortState + "5.2"), oids.end());
            EXPECT_EQ(oids.size(), hello ? 7u : 6u);
            EXPECT_FALSE(logged("getnext").empty()); // the table again, after the reply
            const auto costs = columnTexts(w.lvMSTPPortState, 5);
            ASSERT_GT(costs.size(), 1u);
            EXPECT_EQ(costs[1], "40000");
            if (std::string(version) == "1")
                snapshot(&w, "mstpportstate");
        }));
    }
    wintest::sim().setValue(Version, "INTEGER", "1");
    wintest::sim().setValue(PortState + "2.2", "INTEGER", "200");
    wintest::sim().setValue(PortState + "5.2", "INTEGER", "20000");
}

// A number beyond the INTEGER column's type and an emptied field are refused before
// anything is sent, naming the field; the editor stays open with what was typed. The
// largest INTEGER goes out exactly.
TEST(MstpPortState, RefusesNumbersBeyondTheTypeAndEmptiedFieldsBeforeSending)
{
    ASSERT_TRUE(wintest::sim().setValue(Version, "INTEGER", "2"));
    ASSERT_TRUE(withWindow<TMSTPPortStateForm>("mmiMSTPPortStaInf", [](TMSTPPortStateForm& w) {
        const struct {
            QLineEdit* edit;
            const char* text;
            const char* box;   // the refusal's message box, or null
            const char* memo;  // the refusal's line in the memo, or null
        } cases[] = {
            {w.Editor->edtExtPathCost, "3000000000",
             "MSTP Port External Path Cost: Please enter a number between 0 and 2147483647!", nullptr},
            {w.Editor->edtAdminHelloTime, "", nullptr, "Administrate HelloTime is empty."},
            {w.Editor->edtExtPathCost, "", nullptr, "MSTP Port External Path Cost is empty."},
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.text);
            selectRow(w.lvMSTPPortState, -1); // Edit is enabled again by a new selection
            selectRow(w.lvMSTPPortState, 1);
            MessageRecorder boxes;
            clearLog();
            bool stayedOpen = false;
            QTimer::singleShot(0, w.Editor, [&] {
                c.edit->setText(c.text);
                w.Editor->btnEdit->click();
                stayedOpen = w.Editor->isVisible() && c.edit->text() == c.text;
                w.Editor->btnClose->click();
            });
            w.btnEdit->click();
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(logged("set").empty());
            EXPECT_TRUE(stayedOpen);
            if (c.box) {
                ASSERT_EQ(boxes.Shown.size(), 1u);
                EXPECT_EQ(boxes.Shown[0].text, c.box);
            } else {
                EXPECT_TRUE(boxes.Shown.empty());
                EXPECT_TRUE(w.memMsg->toPlainText().contains(c.memo)) << w.memMsg->toPlainText().toStdString();
            }
        }

        selectRow(w.lvMSTPPortState, -1);
        selectRow(w.lvMSTPPortState, 1);
        clearLog();
        EditRow(w, w.Editor, [&w] { w.Editor->edtExtPathCost->setText("2147483647"); });
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        const auto sent = varbinds(sets[0]);
        EXPECT_NE(std::find(sent.begin(), sent.end(), PortState + "5.2 INTEGER 2147483647"), sent.end());
    }));
    wintest::sim().setValue(Version, "INTEGER", "1");
    wintest::sim().setValue(PortState + "5.2", "INTEGER", "20000");
}

TEST(MstpPortInformation, WritesPathCostAndPriorityAtPortAndInstance)
{
    ASSERT_TRUE(withWindow<TMSTPPortInformationForm>("mmiMSTPPortInf", [](TMSTPPortInformationForm& w) {
        const auto ports = columnTexts(w.lvMSTPPortInfo, 0);
        const auto instances = columnTexts(w.lvMSTPPortInfo, 1);
        ASSERT_GT(ports.size(), 4u);
        EXPECT_EQ((std::vector<std::string>{ports[0], instances[0], ports[1], instances[1]}),
                  (std::vector<std::string>{"1", "0", "1", "1"}));
        snapshot(&w, "mstpportinfo");
        selectRow(w.lvMSTPPortInfo, 3); // port 2, instance 1
        clearLog();
        EditRow(w, w.Editor, [&w] {
            EXPECT_FALSE(w.Editor->cbxRole->isEnabled());
            w.Editor->edtPathCost->setText("55555");
            w.Editor->edtPriority->setText("64");
        });
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(varbinds(sets.front()), (std::vector<std::string>{
                                              "1.3.6.1.4.1.32473.12.15.2.5.1.4.2.1 INTEGER 55555",
                                              "1.3.6.1.4.1.32473.12.15.2.5.1.5.2.1 INTEGER 64",
                                          }));
    }));
    wintest::sim().setValue("1.3.6.1.4.1.32473.12.15.2.5.1.4.2.1", "INTEGER", "20000");
    wintest::sim().setValue("1.3.6.1.4.1.32473.12.15.2.5.1.5.2.1", "INTEGER", "128");
}

} // namespace
