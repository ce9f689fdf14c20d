// OSPF host table window and its editor: the host address refusals and the dotted-quad
// check, a host added with type of service 0 whatever row was selected before, an edit
// that writes only the ticked columns, a delete of the status alone, and the refusals
// before anything is sent.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "l3mgmtwindows/hosttableformeditunit.h"
#include "l3mgmtwindows/hosttableformunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.11.78.1.3.6.1";
constexpr char Menu[] = "HostTable1";

// Clicks the opener; once the editor shows, act() runs on it; an editor still open
// afterwards is closed without writing.
void RunEditor(THostTableForm& w, QPushButton* opener, const std::function<void(THostTableEditForm&)>& act)
{
    auto* poll = new QTimer(&w);
    poll->setInterval(1);
    QObject::connect(poll, &QTimer::timeout, &w, [&w, act, poll] {
        THostTableEditForm& e = *w.Editor;
        if (!e.isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act(e);
        if (e.isVisible())
            e.reject();
    });
    poll->start();
    opener->click();
}

int RowOf(THostTableForm& w, const std::string& address, const std::string& tos)
{
    return wintest::rowWithKeys(w.ListView1, {address, tos});
}

TEST(OspfHostRules, AddressRefusalsAndTheDottedQuad)
{
    const std::pair<const char*, const char*> refusals[] = {
        {"255.255.255.255", "you can't input this IP address"},
        {"0.0.0.0", "you can't input this IP address"},
        {"127.0.0.1", "you can't input ip address like 127.*.*.*"},
        {"10", "Please input a valid ip"},
        {"x.1.1.1", "Please input a valid ip"},
        {"224.0.0.5", "Please input a valid ip"},
        {"247.1.1.1", "Please input a valid ip"},
        {"223.1.1.1", ""},
        {"250.1.1.1", "Please input a valid ip"},
        {"255.1.1.1", "Please input a valid ip"},
        {"0.1.2.3", "Please input a valid ip"},
    };
    for (const auto& [text, message] : refusals)
        EXPECT_EQ(CheckHostAddress(text).Message, message) << text;

    const std::pair<const char*, bool> quads[] = {
        {"0.1.2.3", true},     {"10.1.1.5", true},    {"010.1.1.5", true},  {"255.255.255.255", true},
        {"10.0.0", false},     {"10.0.0.0.1", false}, {"10.00.1.1", false}, {"10..1.1", false},
        {"1000.1.1.1", false}, {".1.1.1", false},     {"1.1.1.", false},    {"1.1.1.256", false},
        {"1.1.1.0255", false}, {"1.2.3", false},      {"", false},          {"001.002.003.004", true},
    };
    for (const auto& [text, ok] : quads)
        EXPECT_EQ(CheckDottedQuad(text).Message, ok ? "" : "Please input a valid IP") << text;
}

TEST(OspfHostWindow, AddsEditsAndDeletesAHost)
{
    ASSERT_TRUE(withWindow<THostTableForm>(Menu, [](THostTableForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0), (std::vector<std::string>{"10.1.1.5", "192.168.3.7", "192.168.3.8"}));
        EXPECT_EQ(w.StaticText1->text(), "3");
        EXPECT_FALSE(w.EditButton->isEnabled());
        snapshot(&w, "hosttable");
        MessageRecorder boxes;

        // The last selected row had type of service 2: a new host still gets 0.
        selectRow(w.ListView1, RowOf(w, "192.168.3.8", "2"));
        EXPECT_EQ(w.Editor->TypeEdit->text(), "2");
        clearLog();
        RunEditor(w, w.AddButton, [](THostTableEditForm& e) {
            EXPECT_TRUE(e.IpEdit->isEnabled());
            EXPECT_TRUE(e.CheckBox1->isVisible());
            EXPECT_EQ(e.TypeEdit->text(), "0");
            EXPECT_EQ(e.StatusComboBox->currentText(), "createAndGo");
            e.IpEdit->setText("10.9.9.9");
            e.CheckBox3->setChecked(true);
            e.MetricEdit->setText("12");
            snapshot(&e, "hosttableedit-add");
            e.SetButton->click();
            EXPECT_TRUE(e.isVisible()) << "the editor stays open after a write";
        });
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string index = ".10.9.9.9.0";
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".3" + index + " INTEGER 12",
                                                                        Entry + ".5" + index + " INTEGER 4"}));
        const int added = RowOf(w, "10.9.9.9", "0");
        ASSERT_GE(added, 0) << "the index columns read back";
        EXPECT_FALSE(w.EditButton->isEnabled());

        // Edit: only the ticked columns, with the row's status.
        const std::pair<std::function<void(THostTableEditForm&)>, std::vector<std::string>> edits[] = {
            {[](THostTableEditForm& e) {
                 e.CheckBox4->setChecked(true);
                 e.AreaIdEdit->setText("0.0.0.2");
             },
             {Entry + ".4" + index + " IPADDRESS 0.0.0.2", Entry + ".5" + index + " INTEGER 1"}},
            {[](THostTableEditForm&) {}, {Entry + ".5" + index + " INTEGER 1"}},
        };
        for (const auto& [fill, expected] : edits) {
            selectRow(w.ListView1, RowOf(w, "10.9.9.9", "0"));
            clearLog();
            RunEditor(w, w.EditButton, [&fill](THostTableEditForm& e) {
                EXPECT_FALSE(e.IpEdit->isEnabled());
                EXPECT_FALSE(e.CheckBox1->isVisible());
                EXPECT_FALSE(e.CheckBox3->isChecked());
                EXPECT_EQ(e.IpEdit->text(), "10.9.9.9");
                fill(e);
                snapshot(&e, "hosttableedit");
                e.SetButton->click();
            });
            ASSERT_TRUE(waitIdle(w));
            EXPECT_TRUE(boxes.Shown.empty());
            ASSERT_EQ(logged("set").size(), 1u);
            EXPECT_EQ(varbinds(logged("set")[0]), expected);
        }
        const auto areas = columnTexts(w.ListView1, 3);
        EXPECT_EQ(areas[static_cast<std::size_t>(RowOf(w, "10.9.9.9", "0"))], "0.0.0.2");

        selectRow(w.ListView1, RowOf(w, "10.9.9.9", "0"));
        clearLog();
        w.DeleteButton->click();
        ASSERT_TRUE(waitIdle(w));
        ASSERT_EQ(logged("set").size(), 1u);
        EXPECT_EQ(varbinds(logged("set")[0]), (std::vector<std::string>{Entry + ".5" + index + " INTEGER 6"}));
        EXPECT_EQ(RowOf(w, "10.9.9.9", "0"), -1);
        EXPECT_EQ(w.StaticText1->text(), "3");
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        EXPECT_TRUE(boxes.Shown.empty());
    }));
}

TEST(OspfHostWindow, AFailedDeleteIsShownAndKeepsTheRow)
{
    ASSERT_TRUE(withWindow<THostTableForm>(Menu, [](THostTableForm& w) {
        ASSERT_TRUE(wintest::sim().failNextSet(5));
        selectRow(w.ListView1, RowOf(w, "10.1.1.5", "0"));
        w.DeleteButton->click();
        ASSERT_TRUE(waitIdle(w));
        const QStringList lines = w.Memo1->toPlainText().split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.last().startsWith("Set: ")) << lines.last().toStdString();
        EXPECT_FALSE(lines.last().contains("Ok!")) << lines.last().toStdString();
        EXPECT_GE(RowOf(w, "10.1.1.5", "0"), 0);
        EXPECT_FALSE(w.DeleteButton->isEnabled());
    }));
}

TEST(OspfHostWindow, RefusesBeforeSendingAndWhileBusy)
{
    ASSERT_TRUE(withWindow<THostTableForm>(Menu, [](THostTableForm& w) {
        struct Case {
            const char* address;
            bool metric;
            const char* area; // null: not ticked
            const char* message;
        };
        const Case cases[] = {
            {"", false, nullptr, "IP Address can't be empty"},
            {"127.0.0.1", false, nullptr, "you can't input ip address like 127.*.*.*"},
            {"224.0.0.5", false, nullptr, "Please input a valid ip"},
            {"10.0.0", false, nullptr, "Please input a valid IP"},
            {"10.1.1.300", false, nullptr, "Please input a valid IP"},
            {"10.2.2.2", true, nullptr, "you have choosed the Metric,it can't be empty"},
            {"10.2.2.2", false, "", "you have choosed the AreaID,it can't be empty"},
            {"10.2.2.2", false, "0.0.00.1", "Please input a valid IP"},
        };
        MessageRecorder boxes;
        clearLog();
        for (const Case& c : cases) {
            boxes.Shown.clear();
            RunEditor(w, w.AddButton, [&c](THostTableEditForm& e) {
                e.IpEdit->setText(c.address);
                e.CheckBox3->setChecked(c.metric);
                e.CheckBox4->setChecked(c.area != nullptr);
                e.AreaIdEdit->setText(c.area ? c.area : "");
                e.SetButton->click();
            });
            EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{c.message})) << c.address;
        }
        EXPECT_TRUE(logged("set").empty());

        boxes.Shown.clear();
        w.DeleteButton->setEnabled(true);
        w.DeleteButton->click();
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Choose the item first."}));
        EXPECT_FALSE(w.DeleteButton->isEnabled());

        // While a read runs: add mode does nothing at all, edit mode says so.
        selectRow(w.ListView1, 0);
        w.GetButton->click();
        ASSERT_FALSE(w.Request->IsIdle());
        boxes.Shown.clear();
        for (const int mode : {THostTableEditForm::AddMode, THostTableEditForm::EditMode}) {
            w.Editor->Mode = mode;
            w.Editor->IpEdit->setText("10.2.2.2");
            w.Editor->RunHandler([&w] { w.Editor->SetButtonClick(); });
        }
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not completed, please wait"}));
        ASSERT_TRUE(waitIdle(w));
        EXPECT_TRUE(logged("set").empty());
    }));
}

} // namespace
