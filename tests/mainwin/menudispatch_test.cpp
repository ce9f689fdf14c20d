// Menu dispatch against the simulator: what every menu item is bound to, the generic-window
// road with its layout and its named exceptions, the port popup, and rows edited, added and
// deleted through windows the catalogue builds, checked in the simulator's PDU log.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <iostream>
#include <map>
#include <memory>

#include "configwin/configform.h"
#include "configwin/ctrlbtnpanel.h"
#include "configwin/editspanel.h"
#include "configwin/listviewpanel.h"
#include "configwin/optionlists.h"
#include "configwin/snmplistviewpanel.h"
#include "mainsim.h"
#include "mainwin/about.h"
#include "mainwin/catalogue.h"
#include "mainwin/formtable.h"
#include "mainwin/genericwindow.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "chassis/requestlifetime.h"
#include "classlib/dialogs.h"
#include "classlib/speedbutton.h"
#include "screenshot.h"
#include "snmplib/bind/request2edits.h"

using namespace mainsim;

namespace {

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator("test.profile");

const std::string E = "1.3.6.1.4.1.32473";

// Opens the scalar window of the menu item, chooses the label in the row's drop-down list,
// ticks the row and sets it; the varbinds of the one set sent (none when not one was sent).
Varbinds SetLabelFromWindow(const std::string& item, int row, const char* label)
{
    EXPECT_TRUE(sim().clearLog());
    const std::string n = std::to_string(row);
    EXPECT_TRUE(withModal(item, [&](QDialog* window) {
        Choose(Find<QWidget>(window, ("ValueControl" + n).c_str()), label);
        Find<QCheckBox>(window, ("CheckBox" + n).c_str())->setChecked(true);
        Find<QPushButton>(window, "SetCheckedButton")->click();
        waitUntil([&] { return Idle(window) && !Logged("set").empty(); });
    }));
    const auto sets = Logged("set");
    return sets.size() == 1 ? VarbindsOf(sets[0]) : Varbinds{};
}

// ---- What every item is bound to ----------------------------------------------------------

const char* StateName(TMenuItemState state)
{
    switch (state) {
    case TMenuItemState::Works: return "works";
    case TMenuItemState::ActionNotBuilt: return "action not built yet";
    case TMenuItemState::Nothing: return "does nothing (empty handler)";
    case TMenuItemState::NotBuilt: return "disabled: window not built yet";
    case TMenuItemState::Unbound: return "UNBOUND";
    }
    return "?";
}

TEST(MenuDispatch, EveryItemIsBoundAndTheListSaysWhatEachDoes)
{
    const std::set<std::string> followRmonState = {"Statistics1", "History1", "AlarmEvent1"};
    std::map<TMenuItemState, std::vector<std::string>> listing;
    int items = 0;
    for (const TMenuItemDef* table : {MainMenuItems, PortInfoPopupMenuItems}) {
        for (const TMenuItemDef* item = table; item->Name; ++item) {
            if (!item->Kind)
                continue;
            ++items;
            SCOPED_TRACE(item->Name);
            const TMenuBinding binding = ResolveMenuItem(*item);
            TMenuItemState expected = TMenuItemState::ActionNotBuilt;
            switch (item->Kind) {
            case MENU_REFRESH:
            case MENU_SIBLING_TOOL:
            case MENU_DEVICE_ACTION:
            case MENU_HELP: expected = TMenuItemState::Works; break;
            case MENU_GENERIC_TABLE:
            case MENU_GENERIC_EDITOR:
            case MENU_PORT_EDITOR:
                expected = FindCatalogueRecord(item->Name) ? TMenuItemState::Works : TMenuItemState::NotBuilt;
                break;
            case MENU_COMPILED_WINDOW:
                expected = FindFormFactory(item->Target)->Create ? TMenuItemState::Works : TMenuItemState::NotBuilt;
                break;
            case MENU_NOTHING: expected = TMenuItemState::Nothing; break;
            }
            EXPECT_EQ(StateName(binding.State), std::string(StateName(expected))) << binding.Note;
            EXPECT_EQ(static_cast<bool>(binding.Handler), expected != TMenuItemState::NotBuilt);

            QAction* action = mainForm().MenuItem(item->Name);
            ASSERT_NE(action, nullptr);
            // (Qt reports a hidden action as disabled, whatever its own state.)
            if (!followRmonState.count(item->Name) && action->isVisible()) {
                EXPECT_EQ(action->isEnabled(), expected != TMenuItemState::NotBuilt);
            }
            if (expected == TMenuItemState::NotBuilt) {
                EXPECT_NE(action->toolTip().toStdString().find(item->Target), std::string::npos)
                    << action->toolTip().toStdString();
            }
            listing[binding.State].push_back(std::string(item->Name) + " '" + item->Kind + "' " +
                                             (item->Target ? item->Target : "") + ": " + binding.Note);
        }
    }
    EXPECT_EQ(items, 216);
    for (const auto& [state, names] : listing) {
        std::cout << "== " << StateName(state) << " (" << names.size() << ")\n";
        for (const std::string& name : names)
            std::cout << "   " << name << "\n";
    }
    // Every window of the catalogue opens from its item.
    for (const TCatalogueGroup* group : CatalogueGroups())
        for (const TCatalogueRecord* record : group->Records)
            for (const TMenuItemDef* table : {MainMenuItems, PortInfoPopupMenuItems})
                for (const TMenuItemDef* item = table; item->Name; ++item)
                    if (std::string(item->Name) == record->MenuItem) {
                        EXPECT_EQ(ResolveMenuItem(*item).State, TMenuItemState::Works) << item->Name;
                    }
}

TEST(MenuDispatch, DedicatedWindowOpensFromItsFactoryAndItsGlobalIsClearedAfterwards)
{
    QPointer<QDialog> shown;
    EXPECT_TRUE(withModal("About1", [&](QDialog* window) {
        shown = window;
        EXPECT_NE(qobject_cast<TAboutForm*>(window), nullptr);
        EXPECT_EQ(AboutForm, window);
    }));
    EXPECT_TRUE(shown.isNull());
    EXPECT_EQ(AboutForm, nullptr);
}

// ---- The generic road ---------------------------------------------------------------------

TEST(GenericRoad, OpeningTwiceBuildsAFreshWindowAndRequestAndReadsAgain)
{
    ASSERT_TRUE(sim().clearLog());
    std::vector<QPointer<QDialog>> windows;
    std::vector<const VhSNMPRequest2Edits*> requests;
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(withModal("UnitTable1", [&](QDialog* window) {
            windows.emplace_back(window);
            TConfigForm* form = Generic(window);
            ASSERT_TRUE(form && !form->Requests.empty());
            requests.push_back(form->Requests.front());
            ExpectRowsAsServed(*FindCatalogueRecord("UnitTable1"), Generic(window));
        }));
        EXPECT_TRUE(windows.back().isNull());
    }
    // Each window walked the table from its start.
    int walks = 0;
    for (const auto& pdu : Logged("getnext"))
        walks += !pdu.varbinds.empty() && pdu.varbinds[0].oid == E + ".12.11.1.9.5.1.1";
    EXPECT_EQ(walks, 2);
    EXPECT_EQ(mainForm().WindowTitle, "Unit Table");
}

TEST(GenericRoad, LargeFontsScaleTheSizesTheCatalogueGives)
{
    const float normal = mainForm().ScaleFactor;
    const auto heightOf = [](const char* item) {
        int height = 0;
        withModal(item, [&](QDialog* window) { height = window->height(); });
        return height;
    };
    const auto widthOf = [](const char* item) {
        int width = 0;
        withModal(item, [&](QDialog* window) { width = window->width(); });
        return width;
    };
    mainForm().ScaleFactor = 1.0f;
    const int severity = heightOf("mmiSysSvt"); // height +20
    const int capabilities = widthOf("MibCapabilities1"); // width +100
    EXPECT_EQ(heightOf("UnitTable1"), 450);
    mainForm().ScaleFactor = 1.25f;
    EXPECT_EQ(heightOf("UnitTable1"), 562);
    EXPECT_EQ(heightOf("mmiSysSvt"), severity + 25 - 20);
    EXPECT_EQ(widthOf("MibCapabilities1"), capabilities + 125 - 100);
    mainForm().ScaleFactor = normal;
}

TEST(GenericRoad, TheTimeZoneHintSitsBelowItsRowInRed)
{
    EXPECT_TRUE(withModal("CurrentTime1", [&](QDialog* window) {
        auto* hint = Find<QLabel>(window, "TimeZoneHint");
        auto* caption = Find<QLabel>(window, "CaptionLabel4");
        ASSERT_TRUE(hint && caption);
        EXPECT_EQ(hint->x(), caption->x());
        EXPECT_EQ(hint->y(), caption->y() + caption->height() + 8);
        EXPECT_TRUE(hint->text().startsWith("System Time Zone is local time offset in minutes from GMT.\ne.g.,"));
        EXPECT_TRUE(hint->isVisible());
        // Whole inside the window.
        EXPECT_TRUE(window->rect().contains(QRect(hint->mapTo(window, QPoint(0, 0)), hint->size())));
    }));
}

// A table the catalogue could hold, on the simulator's RowStatus test table: rows are added
// with "createAndGo" and deleted with "destroy", Edit is hidden, a format on the name.
const VhSNMPObjectDesc TestRowsObjects[] = {
    {"1.3.6.1.4.1.32473.99.2.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.99.2.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.3", "Value", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.4", "Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.2.1.5", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {},
};
constexpr TCatalogueRecord TestRows = {
    .MenuItem = "TestRows", .Title = "Rows", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = TestRowsObjects, .StatusColumn = 4, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .EditHidden = true, .EditWidth = 150, .Formats = {{1, "%s{l16}"}},
};

TEST(GenericRoad, ARecordWithARowStatusAddsAndDeletesRowsAndHidesEdit)
{
    ASSERT_TRUE(sim().clearLog());
    MessageRecorder boxes(IDOK); // "Are you sure to delete it?"
    const TGenericWindow built = BuildGenericWindow(TestRows, 1.0f);
    const std::unique_ptr<TConfigForm> form(built.Form);
    form->setWindowTitle(QString::fromStdString(GenericWindowCaption(TestRows, "127.0.0.1")));
    EXPECT_TRUE(withModal([&] { form->exec(); }, [&](QDialog* window) {
        TSNMPListViewPanel* table = TablePanel(window);
        ASSERT_NE(table, nullptr);
        QTreeWidget* view = table->ListViewPanel->ListView;
        EXPECT_TRUE(table->ButtonPanel->EditButton->isHidden());
        EXPECT_FALSE(table->ButtonPanel->AddButton->isHidden());
        EXPECT_EQ(table->EditsPanel->Rows[1].ValueControl->width(), 150);
        // A double click edits nothing.
        bool editOpened = false;
        QTimer::singleShot(300, [&] {
            if (auto* edit = qobject_cast<QDialog*>(QApplication::activeModalWidget()); edit && edit != window) {
                editOpened = true;
                edit->reject();
            }
        });
        emit view->itemDoubleClicked(view->topLevelItem(0), 0);
        waitUntil([] { return false; }, 400);
        EXPECT_FALSE(editOpened);

        EXPECT_TRUE(withModal([&] { table->ButtonPanel->AddButton->click(); }, [&](QDialog* add) {
            Find<QLineEdit>(add, "ValueControl0")->setText("7");
            Find<QLineEdit>(add, "ValueControl1")->setText("seven");
            Find<QCheckBox>(add, "CheckBox1")->setChecked(true);
            Find<QPushButton>(add, "SetCheckedButton")->click();
        }));
        ASSERT_TRUE(waitUntil([&] { return Idle(window) && RowWithKeys(view, {"7"}) >= 0; }));
        SelectRow(view, RowWithKeys(view, {"7"}));
        table->ButtonPanel->DeleteButton->click();
        ASSERT_TRUE(waitUntil([&] { return Idle(window) && RowWithKeys(view, {"7"}) < 0; }));
    }));
    const auto sets = Logged("set");
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(VarbindsOf(sets[0]), (Varbinds{{"1.3.6.1.4.1.32473.99.2.1.2.7", "STRING seven"},
                                             {"1.3.6.1.4.1.32473.99.2.1.5.7", "INTEGER 4"}}));
    EXPECT_EQ(VarbindsOf(sets[1]), (Varbinds{{"1.3.6.1.4.1.32473.99.2.1.5.7", "INTEGER 6"}}));
    EXPECT_EQ(sets[0].errorStatus, 0);
    EXPECT_EQ(sets[1].errorStatus, 0);
}

// Keys that have no OID of their own (a blank): taken from each row's index, never read.
const VhSNMPObjectDesc BlankKeyObjects[] = {
    {" ", "Key", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.99.3.1.3", "Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {},
};
constexpr TCatalogueRecord BlankKey = {
    .MenuItem = "BlankKey", .Title = "Blank", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = BlankKeyObjects,
};

TEST(GenericRoad, AKeyWithoutAnOidIsTakenFromTheIndexAndNeverSent)
{
    ASSERT_TRUE(sim().clearLog());
    const TGenericWindow built = BuildGenericWindow(BlankKey, 1.0f);
    const std::unique_ptr<TConfigForm> form(built.Form);
    EXPECT_TRUE(withModal([&] { form->exec(); }, [&](QDialog* window) {
        ExpectRowsAsServed(BlankKey, Generic(window));
        QTreeWidget* view = TablePanel(window)->ListViewPanel->ListView;
        SelectRow(view, RowWithKeys(view, {"2"}));
        EditSelectedRow(TablePanel(window), 1, [](QWidget* port) { qobject_cast<QLineEdit*>(port)->setText("9"); });
        waitUntil([&] { return Idle(window); });
    }));
    // Only the port column went out, in every read and in the set.
    for (const auto& pdu : sim().pduLog())
        for (const auto& vb : pdu.varbinds)
            EXPECT_EQ(vb.oid.rfind(BlankKeyObjects[1].Oid, 0), 0u) << vb.oid;
    const auto sets = Logged("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(VarbindsOf(sets[0]), (Varbinds{{"1.3.6.1.4.1.32473.99.3.1.3.2", "INTEGER 9"}}));
    ASSERT_TRUE(sim().setValue("1.3.6.1.4.1.32473.99.3.1.3.2", "INTEGER", "2"));
}

// ---- Named exceptions -----------------------------------------------------------------------

TEST(RmonControl, TheRmonEntriesFollowTheStateSetInTheWindowOnceItCloses)
{
    const std::string state = E + ".11.78.1.2.1.2.4";
    ASSERT_TRUE(sim().setValue(state + ".0", "INTEGER", "3"));
    QAction* statistics = mainForm().MenuItem("Statistics1");
    ASSERT_NE(statistics, nullptr);
    mainForm().UpdateRmonMenus();
    ASSERT_TRUE(waitUntil([&] { return RequestIdle(mainForm().MainRequest) && statistics->isEnabled(); }));
    EXPECT_TRUE(withModal("RMONSetting1", [&](QDialog* window) {
        Choose(Find<QWidget>(window, "ValueControl0"), "disabled");
        auto* set = Find<QPushButton>(window, "SetCheckedButton");
        EXPECT_EQ(set->text(), "Set");
        set->click();
        const auto served = [&] {
            const auto values = sim().walk(state + ".0");
            return values.empty() ? std::string() : values.front().value;
        };
        ASSERT_TRUE(waitUntil([&] { return Idle(window) && served() == "2"; }));
        EXPECT_TRUE(statistics->isEnabled()); // until the window closes
        Find<QPushButton>(window, "CloseButton")->click();
    }));
    EXPECT_TRUE(waitUntil([&] { return mainForm().ST_RmonState->text() == "disabled"; }));
    for (const char* name : {"Statistics1", "History1", "AlarmEvent1"}) {
        const QAction* item = mainForm().MenuItem(name);
        EXPECT_TRUE(item && !item->isEnabled()) << name;
    }

    ASSERT_TRUE(sim().setValue(state + ".0", "INTEGER", "3"));
    mainForm().UpdateRmonMenus();
    EXPECT_TRUE(waitUntil([&] { return statistics->isEnabled(); }));
}

TEST(LearningConstraints, RowsTakeVlanAndSetFromTheirIndexAndTheDefaultsAreReadBesideThem)
{
    const std::string entry = "1.3.6.1.2.1.17.7.1.4.8.1";
    ASSERT_TRUE(sim().clearLog());
    EXPECT_TRUE(withModal("LearningConstraintTable", [&](QDialog* window) {
        TSNMPListViewPanel* table = TablePanel(window);
        ASSERT_NE(table, nullptr);
        QTreeWidget* view = table->ListViewPanel->ListView;
        EXPECT_EQ(view->topLevelItemCount(), 3);
        const int row = RowWithKeys(view, {"10", "2"});
        ASSERT_GE(row, 0);
        EXPECT_EQ(view->topLevelItem(row)->text(2), "shared");
        auto* defaults = Find<TEditsPanel>(window, "ConstraintDefaultsPanel");
        ASSERT_NE(defaults, nullptr);
        ASSERT_EQ(defaults->Rows.size(), 2u);
        const auto* id = qobject_cast<QLineEdit*>(defaults->Rows[0].ValueControl.data());
        ASSERT_NE(id, nullptr);
        EXPECT_EQ(id->text(), "1");
        auto* type = qobject_cast<QComboBox*>(defaults->Rows[1].ValueControl.data());
        ASSERT_NE(type, nullptr);
        EXPECT_EQ(type->currentText(), "independent");

        // The rows are walked without the scalars; the scalars are read with their ".0".
        for (const auto& pdu : Logged("getnext"))
            for (const auto& vb : pdu.varbinds)
                EXPECT_EQ(vb.oid.rfind(entry + ".", 0), 0u) << vb.oid;
        const auto gets = Logged("get");
        ASSERT_EQ(gets.size(), 1u);
        EXPECT_EQ(VarbindsOf(gets[0]), (Varbinds{{"1.3.6.1.2.1.17.7.1.4.9.0", "NULL "},
                                                 {"1.3.6.1.2.1.17.7.1.4.10.0", "NULL "}}));

        // The default type is written from its drop-down, alone, and read again after the
        // reply; with no choice shown nothing is written.
        auto* set = Find<QPushButton>(window, "ConstraintDefaultsSetButton");
        ASSERT_NE(set, nullptr);
        EXPECT_FALSE(set->autoDefault());
        type->setCurrentIndex(-1);
        ASSERT_TRUE(sim().clearLog());
        set->click();
        Choose(type, "independent");
        set->click();
        ASSERT_TRUE(waitUntil([&] { return !Logged("get").empty(); }));
        const auto typeSets = Logged("set");
        ASSERT_EQ(typeSets.size(), 1u);
        EXPECT_EQ(VarbindsOf(typeSets[0]), (Varbinds{{"1.3.6.1.2.1.17.7.1.4.10.0", "INTEGER 1"}}));
        ASSERT_TRUE(waitUntil([&] { return type->currentText() == "independent"; }));
        ASSERT_TRUE(sim().clearLog());

        SelectRow(view, row);
        EditSelectedRow(table, 2, [](QWidget* type) { Choose(type, "independent"); });
    }));
    const auto sets = Logged("set");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(VarbindsOf(sets[0]), (Varbinds{{entry + ".3.10.2", "INTEGER 1"}}));
    ASSERT_TRUE(sim().setValue(entry + ".3.10.2", "INTEGER", "2"));
}

// ---- The port popup -----------------------------------------------------------------------

TEST(PortPopup, ReadsAndSetsEveryObjectAtThePortOfItsButtonAndLeavesItDown)
{
    StandInPortButton other(5);
    TChassisView::SetButtonDown(other.Button, true);
    StandInPortButton port(70);
    ASSERT_TRUE(sim().clearLog());
    EXPECT_TRUE(withModal("PortInformation2", [&](QDialog* window) {
        EXPECT_EQ(window->windowTitle(), "Port Information Table: 127.0.0.1");
        const auto gets = Logged("get");
        ASSERT_EQ(gets.size(), 1u);
        Varbinds expected;
        for (int column = 1; column <= 6; ++column)
            expected.emplace_back(E + ".11.78.1.2.3.1.1." + std::to_string(column) + ".70", "NULL ");
        EXPECT_EQ(VarbindsOf(gets[0]), expected);
        EXPECT_FALSE(other.Button->isChecked());
        EXPECT_TRUE(port.Button->isChecked());
        // Edit width: the first row's control + 102.
        EXPECT_EQ(Find<QWidget>(window, "ValueControl0")->width(), 121 + 102);
    }));
    EXPECT_TRUE(port.Button->isChecked());

    const std::string admin = E + ".11.78.1.2.3.2.1.3.70";
    EXPECT_EQ(SetLabelFromWindow("PortConfiguration1", 3, "disabled"), (Varbinds{{admin, "INTEGER 2"}}));
    ASSERT_TRUE(sim().setValue(admin, "INTEGER", "3"));
}

// ---- Rows of the catalogue's tables ---------------------------------------------------------

TEST(PortNumberColumn, EachRowPairsItsPortsNameWithItsOwnValuesWhenThePortSetsDiffer)
{
    // Port 3 has no priority row; port 10 has no name in the port table.
    const std::string priority = "1.3.6.1.2.1.17.6.1.2.1.1";
    const std::string name = E + ".11.78.1.2.3.1.1.2.10";
    ASSERT_TRUE(sim().removeValue(priority + ".1.3"));
    ASSERT_TRUE(sim().removeValue(priority + ".2.3"));
    ASSERT_TRUE(sim().removeValue(name));
    EXPECT_TRUE(withModal("DefaultUserPrioritiesofEachPort1", [&](QDialog* window) {
        ExpectRowsAsServed(*FindCatalogueRecord("DefaultUserPrioritiesofEachPort1"), Generic(window));
        QTreeWidget* view = TablePanel(window)->ListViewPanel->ListView;
        const QTreeWidgetItem* three = view->topLevelItem(RowWithKeys(view, {"3"}));
        const QTreeWidgetItem* ten = view->topLevelItem(RowWithKeys(view, {"10"}));
        ASSERT_TRUE(three && ten);
        EXPECT_EQ(three->text(1), "1:3");
        EXPECT_EQ(three->text(2), "");
        EXPECT_EQ(ten->text(1), "");
        EXPECT_EQ(ten->text(2), "2");
    }));
    ASSERT_TRUE(sim().setValue(priority + ".1.3", "INTEGER", "3"));
    ASSERT_TRUE(sim().setValue(priority + ".2.3", "INTEGER", "8"));
    ASSERT_TRUE(sim().setValue(name, "STRING", "1:10"));
}

struct EditCase {
    const char* item;
    std::vector<std::string> keys; // of the row edited
    int column;
    const char* text;
    std::string oid; // the one varbind sent
    std::string sent;
    std::string before; // "TAG value" restored afterwards
};

TEST(TableEdits, EditSendsTheWrittenColumnAtTheSelectedRowsIndex)
{
    const EditCase cases[] = {
        {"DefaultUserPrioritiesofEachPort1", {"5"}, 2, "7", "1.3.6.1.2.1.17.6.1.2.1.1.1.5", "INTEGER 7", "INTEGER 5"},
        {"RegeneratedUserPriorities1", {"66", "3"}, 2, "6", "1.3.6.1.2.1.17.6.1.2.2.1.2.66.3", "INTEGER 6",
         "INTEGER 3"},
        {"AgentSuportedUpdateFiles1", {"2"}, 4, "new.txt", E + ".12.1.2.1.1.5.2", "STRING new.txt", "STRING log.txt"},
        {"mmiInstInf", {"1"}, 11, "4096", E + ".12.15.2.3.1.12.1", "INTEGER 4096", "INTEGER 36864"},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_TRUE(sim().clearLog());
        EXPECT_TRUE(withModal(c.item, [&](QDialog* window) {
            TSNMPListViewPanel* table = TablePanel(window);
            ASSERT_NE(table, nullptr);
            const int row = RowWithKeys(table->ListViewPanel->ListView, c.keys);
            ASSERT_GE(row, 0);
            SelectRow(table->ListViewPanel->ListView, row);
            EditSelectedRow(table, c.column, [&](QWidget* value) {
                auto* edit = qobject_cast<QLineEdit*>(value);
                ASSERT_NE(edit, nullptr);
                edit->setText(c.text);
            });
            waitUntil([&] { return Idle(window); });
        }));
        const auto sets = Logged("set");
        ASSERT_EQ(sets.size(), 1u);
        EXPECT_EQ(VarbindsOf(sets[0]), (Varbinds{{c.oid, c.sent}}));
        EXPECT_EQ(sets[0].errorStatus, 0);
        const std::size_t blank = c.before.find(' ');
        ASSERT_TRUE(sim().setValue(c.oid, c.before.substr(0, blank), c.before.substr(blank + 1)));
    }
}

TEST(ScalarSets, ASetFromAMenuWindowSendsTheTickedObjectWithItsDotZero)
{
    const std::string link = E + ".11.78.1.2.1.3.3.0";
    EXPECT_EQ(SetLabelFromWindow("AlarmControl1", 2, "enabled"), (Varbinds{{link, "INTEGER 3"}}));
    ASSERT_TRUE(sim().setValue(link, "INTEGER", "2"));
}

} // namespace
