// RADIUS server window and its editor: the address rules on texts, the two-write add (the
// second write only after the first succeeded, never over a server the window did not
// list), each refusal of the editor, the changed-values-only edit and its unchanged
// refusal, the status-only delete, and the busy rule.
#include <gtest/gtest.h>

#include <QTimer>
#include <QTreeWidget>

#include "classlib/dialogs.h"
#include "dedicated/listquery.h"
#include "l3mgmtwindows/radiusservereditunit.h"
#include "l3mgmtwindows/radiusserverunit.h"
#include "windowworld.h"

using namespace wintest;

namespace {

const std::string Entry = "1.3.6.1.4.1.32473.12.3.2.4.1";
constexpr char Menu[] = "RadiusServerTabl1";

struct Server {
    int index; // item of the index box: 0 first, 1 second, 2 third
    const char* ip;
    const char* key;
    const char* auth;
    const char* acct;
};

// Opens the editor with the button; once shown, act() runs, the exchanges it started end,
// and the editor is closed.
void RunEditor(TRadiusServerForm& w, QPushButton* opener, const std::function<void(TRadiusServerEditForm&)>& act)
{
    QTimer::singleShot(0, &w, [&w, act] {
        act(*w.Editor);
        waitIdle(w);
        w.Editor->reject();
    });
    opener->click();
}

void Fill(TRadiusServerEditForm& e, const Server& s)
{
    e.IndexComboBox->setCurrentIndex(s.index);
    e.IpEdit->setText(s.ip);
    e.KeyEdit->setText(s.key);
    e.PortIndexEdit->setText(s.auth);
    e.AccountPortEdit->setText(s.acct);
}

std::vector<std::vector<std::string>> Sets()
{
    std::vector<std::vector<std::string>> all;
    for (const auto& pdu : logged("set"))
        all.push_back(varbinds(pdu));
    return all;
}

TEST(RadiusServerRules, AddressSyntaxRangeAndForm)
{
    const std::pair<const char*, const char*> syntax[] = {
        {"10.1.1.1", ""},
        {"010.1.1.1", ""},
        {"0.0.0.0", ""},
        {"1.1.1.0255", ""},
        {"", "Please input a valid ip!"},
        {"1.2.3", "Please input a valid ip!"},
        {"1.2.3.4.5", "Please input a valid ip!"},
        {"1.2.3.", "Please input a valid ip!"},
        {".1.2.3", "Please input a valid ip!"},
        {"1..2.3", "Please input a valid ip!"},
        {"00.1.1.1", "Please input a valid ip!"},
        {"1.1.1.00", "Please input a valid ip!"},
        {"1000.1.1.1", "Please input a valid ip"},
        {"1.1.1.1000", "Please input a valid ip!"},
        {"1.256.1.1", "Please input a valid ip!"},
        {"1.a.1.1", "Please input a valid ip!"},
        {"1.1.1.1 ", "Please input a valid ip!"},
        {"001.001.001.0001", "Please input a valid ip!"}, // 16 characters
    };
    for (const auto& [text, message] : syntax) {
        const TIpv4Verdict verdict = CheckRadiusIpSyntax(text);
        EXPECT_EQ(verdict.Ok, *message == '\0') << text;
        EXPECT_EQ(verdict.Message, message) << text;
    }
    const std::pair<const char*, const char*> range[] = {
        {"12.7.0.1", ""},
        {"250.1.1.1", "IP address can not in class e"},
        {"255.1.1.1", "IP address can not in class e"},
        {"223.255.255.255", ""},
        {"255.255.255.255", "you can't input this ip address"},
        {"127.0.0.1", "you can't input ip address like 127.*.*.*"},
        {"224.0.0.1", "IP address can not in class d"},
        {"239.1.1.1", "IP address can not in class d"},
        {"240.0.0.1", "IP address can not in class e"},
        {"247.1.1.1", "IP address can not in class e"},
    };
    for (const auto& [text, message] : range) {
        const TIpv4Verdict verdict = CheckRadiusIpRange(text);
        EXPECT_EQ(verdict.Ok, *message == '\0') << text;
        EXPECT_EQ(verdict.Message, message) << text;
    }
    EXPECT_EQ(RadiusIpText("010.001.0.0255"), "10.1.0.255");
    EXPECT_EQ(RadiusIpText("255.255.255.0255"), "255.255.255.255");
}

TEST(RadiusServerWindow, AddWritesTwiceInOrderThenEditsAndDeletesTheRow)
{
    ASSERT_TRUE(withWindow<TRadiusServerForm>(Menu, [](TRadiusServerForm& w) {
        EXPECT_EQ(columnTexts(w.ListView1, 0),
                  (std::vector<std::string>{"RadiusServerIndex-first", "RadiusServerIndex-second"}));
        EXPECT_EQ(w.StaticText1->text(), "2");
        EXPECT_FALSE(w.EditButton->isEnabled());
        snapshot(&w, "radiusserver");

        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.AddButton, [](TRadiusServerEditForm& e) {
            EXPECT_FALSE(e.StatusComboBox->isEnabled());
            EXPECT_EQ(e.StatusComboBox->currentText(), "createAndGo");
            EXPECT_TRUE(e.IpEdit->text().isEmpty());
            Fill(e, {2, "010.1.1.3", "k3", "1812", "1700"});
            snapshot(&e, "radiusserveredit");
            e.SetButton->click();
        });
        EXPECT_TRUE(boxes.Shown.empty());
        const std::string row = ".3";
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Entry + ".6" + row + " INTEGER 4"},
                              {Entry + ".2" + row + " IPADDRESS 10.1.1.3", Entry + ".3" + row + " STRING k3",
                               Entry + ".5" + row + " INTEGER 1700", Entry + ".6" + row + " INTEGER 1"}}));
        const int third = FindRowByCaption(w.ListView1, "RadiusServerIndex-third");
        ASSERT_GE(third, 0);
        EXPECT_EQ(CellByTitle(w.ListView1, third, "Authentication Port"), "1812");
        EXPECT_EQ(CellByTitle(w.ListView1, third, "Accounting Port"), "1700");

        // Edit: unchanged is refused; a new key goes out alone with the status.
        selectRow(w.ListView1, third);
        clearLog();
        RunEditor(w, w.EditButton, [](TRadiusServerEditForm& e) {
            EXPECT_FALSE(e.IndexComboBox->isEnabled());
            EXPECT_EQ(e.IpEdit->text(), "10.1.1.3");
            e.SetButton->click();
            e.KeyEdit->setText("k3new");
            e.SetButton->click();
        });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"the variable is already exist"}));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{
                              {Entry + ".3" + row + " STRING k3new", Entry + ".6" + row + " INTEGER 1"}}));
        EXPECT_EQ(CellByTitle(w.ListView1, third, "Key"), "k3new");

        // Delete: the status alone.
        boxes.Shown.clear();
        EXPECT_FALSE(w.DeleteButton->isEnabled());
        w.RunHandler([&w] { w.DeleteButtonClick(); });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Choose the item first."}));
        selectRow(w.ListView1, third);
        clearLog();
        w.DeleteButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Entry + ".6" + row + " INTEGER 6"}}));
        EXPECT_EQ(w.StaticText1->text(), "2");
        EXPECT_FALSE(w.DeleteButton->isEnabled());
    }));
}

TEST(RadiusServerWindow, DefaultValuesAreLeftToTheSwitch)
{
    ASSERT_TRUE(withWindow<TRadiusServerForm>(Menu, [](TRadiusServerForm& w) {
        for (const Server& defaults : {Server{2, "", "", "", ""}, Server{2, "0.0.0.0", "", "1812", "1813"}}) {
            clearLog();
            RunEditor(w, w.AddButton, [&defaults](TRadiusServerEditForm& e) {
                Fill(e, defaults);
                e.SetButton->click();
            });
            EXPECT_EQ(Sets(), (std::vector<std::vector<std::string>>{{Entry + ".6.3 INTEGER 4"},
                                                                      {Entry + ".6.3 INTEGER 1"}}))
                << defaults.ip;
            const int row = FindRowByCaption(w.ListView1, "RadiusServerIndex-third");
            ASSERT_GE(row, 0);
            EXPECT_EQ(CellByTitle(w.ListView1, row, "IP Address"), "0.0.0.0");
            selectRow(w.ListView1, row);
            w.DeleteButton->click();
            ASSERT_TRUE(waitIdle(w));
            ASSERT_EQ(FindRowByCaption(w.ListView1, "RadiusServerIndex-third"), -1);
        }
    }));
}

TEST(RadiusServerWindow, EditorRefusalsSendNothing)
{
    ASSERT_TRUE(withWindow<TRadiusServerForm>(Menu, [](TRadiusServerForm& w) {
        const Server refused[] = {
            {0, "10.1.1.9", "", "", ""},         // index taken
            {2, "127.0.0.1", "", "", ""},
            {2, "224.0.0.1", "", "", ""},
            {2, "240.0.0.1", "", "", ""},
            {2, "255.255.255.255", "", "", ""},
            {2, "1.2.3", "", "", ""},
            {2, "1000.1.1.1", "", "", ""},
            {2, "10.90.90.12", "", "1645", "1646"}, // the values of the second server
        };
        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.AddButton, [&refused](TRadiusServerEditForm& e) {
            for (const Server& s : refused) {
                Fill(e, s);
                e.SetButton->click();
            }
        });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{
                                    "Index is already exist!", "you can't input ip address like 127.*.*.*",
                                    "IP address can not in class d", "IP address can not in class e",
                                    "you can't input this ip address", "Please input a valid ip!",
                                    "Please input a valid ip", "the variable is already exist"}));
        EXPECT_TRUE(logged("set").empty());
    }));
}

TEST(RadiusServerWindow, AddChecksEveryValueFirstAndRemovesAHalfMadeRow)
{
    ASSERT_TRUE(withWindow<TRadiusServerForm>(Menu, [](TRadiusServerForm& w) {
        // Values of the second write, refused by their formats before the row is created.
        const std::string longKey(33, 'k');
        const Server refused[] = {
            {2, "10.1.1.3", "k3", "70000", ""},
            {2, "10.1.1.3", "k3", "", "0"},
            {2, "10.1.1.3", longKey.c_str(), "", ""},
        };
        for (const Server& s : refused) {
            SCOPED_TRACE(s.key);
            MessageRecorder boxes;
            clearLog();
            RunEditor(w, w.AddButton, [&s](TRadiusServerEditForm& e) {
                Fill(e, s);
                e.SetButton->click();
            });
            EXPECT_EQ(boxes.Shown.size(), 1u);
            EXPECT_TRUE(logged("set").empty());
            EXPECT_EQ(FindRowByCaption(w.ListView1, "RadiusServerIndex-third"), -1);
        }

        // The switch creates the row but refuses its values: the row is destroyed again.
        bool armed = false;
        w.Request->OnEndOfWrite = [&armed](const VhSNMPError&) {
            if (!armed)
                armed = wintest::sim().failNextSet(10);
        };
        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.AddButton, [](TRadiusServerEditForm& e) {
            Fill(e, {2, "10.1.1.3", "k3", "", ""});
            e.SetButton->click();
        });
        w.Request->OnEndOfWrite = nullptr;
        EXPECT_TRUE(armed);
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 3u);
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Entry + ".6.3 INTEGER 4"}));
        EXPECT_EQ(sets[1].errorStatus, 10);
        EXPECT_EQ(varbinds(sets[2]), (std::vector<std::string>{Entry + ".6.3 INTEGER 6"}));
        EXPECT_EQ(sets[2].errorStatus, 0);
        EXPECT_EQ(boxTexts(boxes),
                  (std::vector<std::string>{"The server's values were refused: the new row was removed again."}));
        EXPECT_EQ(FindRowByCaption(w.ListView1, "RadiusServerIndex-third"), -1);
        EXPECT_EQ(wintest::sim().command("get " + Entry + ".6.3").rfind("OK", 0), std::string::npos);
    }));
}

TEST(RadiusServerWindow, AFailedCreateStopsTheAddAndAWriteWaitsForTheRead)
{
    // A server the window has not listed yet: createAndGo meets it and must not overwrite it.
    ASSERT_TRUE(wintest::sim().setValue(Entry + ".2.3", "IPADDRESS", "10.9.9.9"));
    ASSERT_TRUE(wintest::sim().setValue(Entry + ".3.3", "STRING", "theirs"));
    ASSERT_TRUE(wintest::sim().setValue(Entry + ".6.3", "INTEGER", "1"));
    ASSERT_TRUE(withWindow<TRadiusServerForm>(Menu, [](TRadiusServerForm& w) {
        // The window read before the row came: take it out of the list view.
        const int third = FindRowByCaption(w.ListView1, "RadiusServerIndex-third");
        ASSERT_GE(third, 0);
        delete w.ListView1->takeTopLevelItem(third);

        MessageRecorder boxes;
        clearLog();
        RunEditor(w, w.AddButton, [](TRadiusServerEditForm& e) {
            Fill(e, {2, "10.1.1.3", "mine", "", ""});
            e.SetButton->click();
        });
        EXPECT_TRUE(boxes.Shown.empty());
        const auto sets = logged("set");
        ASSERT_EQ(sets.size(), 1u) << "no second write after a refused create";
        EXPECT_EQ(varbinds(sets[0]), (std::vector<std::string>{Entry + ".6.3 INTEGER 4"}));
        EXPECT_EQ(sets[0].errorStatus, 12);
        EXPECT_EQ(wintest::sim().command("get " + Entry + ".2.3").substr(0, 23), "OK IPADDRESS 10.9.9.9");
        EXPECT_NE(w.Memo1->toPlainText().toStdString().find("Set: "), std::string::npos);

        // While the table is read, the editor writes nothing.
        clearLog();
        RunEditor(w, w.AddButton, [&w](TRadiusServerEditForm& e) {
            Fill(e, {2, "10.1.1.4", "", "", ""});
            w.GetButton->click();
            ASSERT_FALSE(w.Request->IsIdle());
            e.SetButton->click();
        });
        EXPECT_EQ(boxTexts(boxes), (std::vector<std::string>{"Get data not complete"}));
        EXPECT_TRUE(logged("set").empty());

        // Put the switch back.
        const int row = FindRowByCaption(w.ListView1, "RadiusServerIndex-third");
        ASSERT_GE(row, 0);
        selectRow(w.ListView1, row);
        w.DeleteButton->click();
        ASSERT_TRUE(waitIdle(w));
        EXPECT_EQ(FindRowByCaption(w.ListView1, "RadiusServerIndex-third"), -1);
    }));
}

} // namespace
