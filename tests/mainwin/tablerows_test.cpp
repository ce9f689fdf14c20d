// Rows of the catalogue's table windows against the simulator, one window per shape of
// index: a row added, edited and deleted through the window, each set checked in the
// simulator's PDU log (its varbinds at the row's index, the status value the window passes,
// the agent's answer), and keys that only the index carries shown from it and never asked
// for.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "configwin/listviewpanel.h"
#include "mainsim.h"
#include "mainwin/catalogue.h"
#include "classlib/dialogs.h"
#include "screenshot.h"

using namespace mainsim;

namespace {

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();

// What the add window gets: a text for an edit, a label for a drop-down list.
struct Entry {
    int Column;
    const char* Text;
};

void EnterValue(QWidget* value, const char* text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(value))
        edit->setText(text);
    else
        Choose(value, text);
}

void Enter(QDialog* window, const Entry& entry)
{
    EnterValue(Find<QWidget>(window, ("ValueControl" + std::to_string(entry.Column)).c_str()), entry.Text);
}

struct RowCase {
    const char* Item;
    std::vector<Entry> Keys;   // typed into the add window
    std::vector<Entry> Values; // ticked and typed into the add window
    std::vector<std::string> Shown; // the new row's key cells
    std::string EntryOid;           // the table's entry
    std::string Index;              // the new row's index
    Varbinds Added;                 // without the entry and index: column, "TYPE value"
    bool EditOffered;
    Varbinds Edited; // empty: nothing to write there
    struct Edit {
        int Column = -1;
        const char* Text = nullptr;
    } EditWith;
    std::string Deleted; // the status column's "TYPE value"
    int StatusColumn;    // of the entry
};

Varbinds AtRow(const RowCase& c, const Varbinds& columns)
{
    Varbinds out;
    for (const auto& [column, value] : columns)
        out.emplace_back(c.EntryOid + "." + column + "." + c.Index, value);
    return out;
}

TEST(TableRows, EachShapeOfIndexAddsEditsAndDeletesItsRowAtTheIndexItsKeysMake)
{
    const std::string E = "1.3.6.1.4.1.32473";
    const RowCase cases[] = {
        // An IMPLIED name: its characters without a length.
        {"CommunityTargetAddressTable", {{0, "nms3"}}, {{6, "v2cparams"}}, {"nms3"}, "1.3.6.1.6.3.12.1.2.1",
         "110.109.115.51", {{"7", "STRING v2cparams"}, {"9", "INTEGER 4"}}, true, {{"5", "INTEGER 5"}}, {4, "5"},
         "INTEGER 6", 9},
        // A security model and a name with its length.
        {"SecurityTable1", {{0, "3"}, {1, "md5only"}}, {{2, "admin"}}, {"3", "md5only"}, "1.3.6.1.6.3.16.1.2.1",
         "3.7.109.100.53.111.110.108.121", {{"3", "STRING admin"}, {"5", "INTEGER 4"}}, true, {{"4", "INTEGER 2"}},
         {3, "volatile"}, "INTEGER 6", 5},
        // Four keys: group, context prefix, security model and a level chosen by its label.
        {"AccessTable1", {{0, "admin"}, {1, "ctx"}, {2, "3"}, {3, "authNoPriv"}}, {{5, "all"}},
         {"admin", "ctx", "3", "authNoPriv"}, "1.3.6.1.6.3.16.1.4.1", "5.97.100.109.105.110.3.99.116.120.3.2",
         {{"5", "STRING all"}, {"9", "INTEGER 4"}}, true, {{"4", "INTEGER 2"}}, {4, "prefix"}, "INTEGER 6", 9},
        // Three addresses; no Edit.
        {"StaticRPTableInformation1", {{0, "239.2.0.0"}, {1, "255.255.0.0"}, {2, "10.90.90.91"}}, {},
         {"239.2.0.0", "255.255.0.0", "10.90.90.91"}, E + ".11.78.1.3.10.6.1",
         "239.2.0.0.255.255.0.0.10.90.90.91", {{"4", "INTEGER 4"}}, false, {}, {}, "INTEGER 6", 4},
        // A name and an address; rows added with "valid" and deleted with "invalid". Its one
        // writable column is the state, which Edit does not offer: nothing to set there.
        {"DNSCtrlTable1", {{0, "new.local"}, {1, "10.90.90.54"}}, {}, {"new.local", "10.90.90.54"},
         E + ".11.78.1.3.3.2.6.1", "9.110.101.119.46.108.111.99.97.108.10.90.90.54", {{"3", "INTEGER 3"}}, true, {}, {},
         "INTEGER 2", 3},
        // Two numbers; a MAC address and a port list written as octets.
        {"RuleOfEthernetInformation1", {{0, "2"}, {1, "5"}}, {{3, "0080C8000002"}, {13, "F000000000000000"}}, {"2", "5"},
         E + ".12.9.3.1.1", "2.5", {{"4", "HEX 0080C8000002"}, {"14", "HEX F000000000000000"}, {"15", "INTEGER 4"}},
         true, {{"13", "INTEGER 1"}}, {12, "deny"}, "INTEGER 6", 15},
        // No Edit: a member added with its candidate and password.
        {"mmiMmbSwt", {{0, "3"}}, {{7, "4"}, {8, "secret"}}, {"3"}, E + ".12.8.1.3.1", "3",
         {{"8", "INTEGER 4"}, {"9", "STRING secret"}, {"10", "INTEGER 4"}}, false, {}, {}, "INTEGER 6", 10},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.Item);
        const TCatalogueRecord* record = FindCatalogueRecord(c.Item);
        ASSERT_NE(record, nullptr);
        MessageRecorder boxes(IDOK); // "Are you sure to delete it?"
        ASSERT_TRUE(sim().clearLog());
        EXPECT_TRUE(withModal(c.Item, [&](QDialog* window) {
            TSNMPListViewPanel* table = TablePanel(window);
            ASSERT_NE(table, nullptr);
            QTreeWidget* view = table->ListViewPanel->ListView;
            EXPECT_EQ(table->ButtonPanel->EditButton->isHidden(), !c.EditOffered);
            ASSERT_LT(RowWithKeys(view, c.Shown), 0);

            EXPECT_TRUE(withModal([&] { table->ButtonPanel->AddButton->click(); }, [&](QDialog* add) {
                for (const Entry& key : c.Keys)
                    Enter(add, key);
                for (const Entry& value : c.Values) {
                    Enter(add, value);
                    Find<QCheckBox>(add, ("CheckBox" + std::to_string(value.Column)).c_str())->setChecked(true);
                }
                trqtest::saveScreenshot(add, QString("add_") + c.Item);
                Find<QPushButton>(add, "SetCheckedButton")->click();
            }));
            ASSERT_TRUE(waitUntil([&] { return Idle(window) && RowWithKeys(view, c.Shown) >= 0; }));

            if (!c.Edited.empty()) {
                SelectRow(view, RowWithKeys(view, c.Shown));
                EditSelectedRow(table, c.EditWith.Column, [&](QWidget* value) { EnterValue(value, c.EditWith.Text); });
                ASSERT_TRUE(waitUntil([&] { return Idle(window); }));
            } else if (c.EditOffered) {
                // The status is the one writable column, and the edit window leaves out the
                // add and delete labels: the row has nothing else to offer there.
                SelectRow(view, RowWithKeys(view, c.Shown));
                EXPECT_TRUE(withModal([&] { table->ButtonPanel->EditButton->click(); }, [&](QDialog* edit) {
                    const std::string status = "ValueControl" + std::to_string(record->StatusColumn);
                    EXPECT_FALSE(Find<QWidget>(edit, status.c_str())->isVisible());
                }));
                ASSERT_TRUE(waitUntil([&] { return Idle(window) && RowWithKeys(view, c.Shown) >= 0; }));
            }

            ASSERT_GE(RowWithKeys(view, c.Shown), 0);
            SelectRow(view, RowWithKeys(view, c.Shown));
            table->ButtonPanel->DeleteButton->click();
            ASSERT_TRUE(waitUntil([&] { return Idle(window) && RowWithKeys(view, c.Shown) < 0; }));
            for (const std::string& line : memoLines(Generic(window)))
                EXPECT_EQ(line.find("ERROR"), std::string::npos) << line;
        }));
        const auto sets = Logged("set");
        ASSERT_EQ(sets.size(), c.Edited.empty() ? 2u : 3u);
        EXPECT_EQ(VarbindsOf(sets.front()), AtRow(c, c.Added));
        if (!c.Edited.empty()) {
            EXPECT_EQ(VarbindsOf(sets[1]), AtRow(c, c.Edited));
        }
        EXPECT_EQ(VarbindsOf(sets.back()), AtRow(c, {{std::to_string(c.StatusColumn), c.Deleted}}));
        for (const auto& set : sets)
            EXPECT_EQ(set.errorStatus, 0);
        // Nothing of the row is left in the simulator.
        EXPECT_TRUE(sim().walk(c.EntryOid + "." + std::to_string(c.StatusColumn) + "." + c.Index).empty());
    }
}

} // namespace

TEST(TableRows, AddingARowThatIsThereShowsTheAgentsRefusalAndChangesNothing)
{
    const std::string group = "1.3.6.1.6.3.16.1.2.1.3.3.6.115.104.97.100.101.115"; // 3, "shades"
    MessageRecorder boxes(IDOK);
    ASSERT_TRUE(sim().clearLog());
    EXPECT_TRUE(withModal("SecurityTable1", [&](QDialog* window) {
        TSNMPListViewPanel* table = TablePanel(window);
        ASSERT_NE(table, nullptr);
        EXPECT_TRUE(withModal([&] { table->ButtonPanel->AddButton->click(); }, [&](QDialog* add) {
            Enter(add, {0, "3"});
            Enter(add, {1, "shades"});
            Enter(add, {2, "guests"});
            Find<QCheckBox>(add, "CheckBox2")->setChecked(true);
            Find<QPushButton>(add, "SetCheckedButton")->click();
            ASSERT_TRUE(waitUntil([&] { return Idle(window) && !Logged("set").empty(); }));
            // The add window stays open with what the user typed.
            EXPECT_TRUE(add->isVisible());
            EXPECT_EQ(Find<QLineEdit>(add, "ValueControl2")->text(), "guests");
        }));
        const std::vector<std::string> lines = memoLines(Generic(window));
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back().rfind("Set: ", 0), 0u) << lines.back();
        EXPECT_NE(lines.back().find("nconsistent"), std::string::npos) << lines.back();
    }));
    const auto sets = Logged("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].errorStatus, 12); // inconsistentValue
    const auto served = sim().walk(group);
    ASSERT_EQ(served.size(), 1u);
    EXPECT_EQ(served[0].value, "admin");
}
