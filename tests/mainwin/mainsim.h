#pragma once
// The main window as the host platform starts it, managing a private simulator: one per
// test binary (a GoogleTest environment), in a private folder with its own registry and
// settings file (SNMPv2c, the simulator's port). Helpers to run the modal windows that menu
// items open and to compare what a window shows with what the simulator serves.
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "simharness.h"

class QAction;
class QDialog;
class QPlainTextEdit;
class QPushButton;
class TConfigForm;
class TSNMPListViewPanel;
class QTreeWidget;
class QWidget;
class TMainForm;
struct TCatalogueRecord;
struct TMenuItemDef;

namespace mainsim {

// How the program talks to the simulator: SNMPv2c or SNMPv1 with its communities, or SNMPv3
// as the simulator's user "shades" at authPriv (SHA-1, DES).
enum class SimSecurity { Community, CommunityV1, UsmAuthPriv };

// Registers the environment (call once, at namespace scope of one file of the binary).
bool UseMainWindowOnSimulator(const std::string& profile = "trq3100.profile",
                              SimSecurity security = SimSecurity::Community);

// The version (0 SNMPv1, 1 SNMPv2c, 3 SNMPv3) and the community or user that the program's reads carry.
int readVersion();
std::string readSecurityName();

TMainForm& mainForm();
trqtest::SimProcess& sim();

// How long withModal lets a window get ready, in ms: a ceiling, never a wait. A walk of some
// hundred rows takes tens of seconds in the sanitizer build on a machine busy with other tests.
inline constexpr int ReadyWithin = 60000;

// Triggers the menu item (of the menu bar or the port popup) and runs inside() with the
// modal window it opens, once ready(window) holds (by default: a generic window's first
// read has ended; any other window at once) or ReadyWithin has passed; true when a window opened
// and the item's handler returned. A window inside() leaves open is closed. The checks run
// from the modal window's own loop, never inside a handler that pumps messages.
bool withModal(QAction* item, const std::function<void(QDialog* window)>& inside,
               const std::function<bool(QDialog* window)>& ready = {});
// The same for any call that opens a modal window (a button click, exec()).
bool withModal(const std::function<void()>& open, const std::function<void(QDialog* window)>& inside,
               const std::function<bool(QDialog* window)>& ready = {});
bool withModal(const std::string& menuItem, const std::function<void(QDialog* window)>& inside,
               const std::function<bool(QDialog* window)>& ready = {});

// A generic window's first read has ended: every request idle, a result line for each.
bool firstReadDone(TConfigForm* form);
// A window has read: a generic window's first read has ended, a dedicated window has run
// its FormCreate and every request is idle; any other window at once.
bool windowHasRead(QDialog* window);

// An item of the main menu or of the port popup menu.
struct MenuEntry {
    const TMenuItemDef* Def;
    bool Popup;
};
// Every item of the main menu, then of the port popup menu, that keep() takes.
std::vector<MenuEntry> menuEntries(const std::function<bool(const TMenuItemDef&)>& keep);
// A test-name form of an entry: its item name ("Popup_" before a popup item), every
// character but letters and digits as '_'.
std::string menuEntryName(const MenuEntry& entry);
// Runs the message loop until done() or the time is up; the result of done().
bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000);
QPlainTextEdit* memoOf(TConfigForm* form);
std::vector<std::string> memoLines(TConfigForm* form);

// A port button of the shown front panel with this port number as its Tag, registered in
// the main window's port buttons and set as the port popup's component.
class StandInPortButton {
public:
    explicit StandInPortButton(int port);
    ~StandInPortButton();
    QPushButton* Button;
};

// What a generic window of the record shows against what the simulator serves: a scalar
// group's values (at the instance suffix, ".0" without one), or a table's rows, one per
// instance that any readable column has, each cell the value at that instance or empty.
void ExpectScalarsAsServed(const TCatalogueRecord& record, TConfigForm* form, const std::string& suffix);
void ExpectRowsAsServed(const TCatalogueRecord& record, TConfigForm* form);

// ---- Reading the simulator's PDU log and driving the windows' controls ----

using Varbinds = std::vector<std::pair<std::string, std::string>>; // oid, "TYPE value"

Varbinds VarbindsOf(const trqtest::PduLogEntry& pdu);
// The logged PDUs of one type ("get", "getnext", "set"), oldest first.
std::vector<trqtest::PduLogEntry> Logged(const std::string& type);

// The child of that name, with a test failure when there is none. A missing plain control
// (a button, check box, edit, drop-down list or widget) is stood in for by a hidden one of
// the window's, so that the case that looked for it fails alone and its binary goes on.
template <class T>
T* Find(QWidget* parent, const char* name)
{
    T* child = parent ? parent->findChild<T*>(name) : nullptr;
    EXPECT_NE(child, nullptr) << name;
    if constexpr (std::is_same_v<T, QWidget> || std::is_same_v<T, QPushButton> || std::is_same_v<T, QCheckBox> ||
                  std::is_same_v<T, QLineEdit> || std::is_same_v<T, QComboBox>) {
        if (!child && parent) {
            child = new T(parent);
            child->hide();
        }
    }
    return child;
}

// The window as a generic window, and its table panel (null for a scalar window).
TConfigForm* Generic(QDialog* window);
TSNMPListViewPanel* TablePanel(QDialog* window);
// The list-view row whose first columns (the keys) show these texts; -1 if none.
int RowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys);
void SelectRow(QTreeWidget* view, int row);
// Chooses the label in a drop-down list.
void Choose(QWidget* combo, const char* label);
// Writes one column of the selected row in the table's edit window.
void EditSelectedRow(TSNMPListViewPanel* table, int column, const std::function<void(QWidget* value)>& enter);
// Every request of the generic window idle.
bool Idle(QDialog* window);

} // namespace mainsim
