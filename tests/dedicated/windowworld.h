#pragma once
// The world of a dedicated window's test: a private simulator (one per test binary), a host
// for the windows, and helpers to open a window as its menu item does, wait until its
// requests are idle, act as the user would, read the simulator's PDU log and save the
// window's picture.
//
// Two worlds implement it; a binary links one of them and lists tests/dedicated/world.cpp
// among its sources, which starts the world (UseWindowWorld) once for the binary:
//   trq_windowworld  a stand-in host (standinhost.h) on the windows' own libraries, without
//                    the main window: every window's own test (tests/l2windows, tests/l3mgmtwindows);
//   trq_windowtest   the main window as the host platform starts it (tests/mainwin/mainsim.h):
//                    the tests whose subject is the menu or the main window with its windows.
//
//   TEST(PortControl, SetsOnePort)
//   {
//       ASSERT_TRUE(wintest::withWindow<TPortControlForm>("PortControl1", [](TPortControlForm& w) {
//           wintest::selectRow(w.ListView1, 2);
//           wintest::clearLog();
//           w.SetButton->click();
//           ASSERT_TRUE(wintest::waitIdle(w));
//           const auto sets = wintest::logged("set");
//           ...
//           wintest::snapshot(&w, "portcontrol");
//       }));
//   }
#include <functional>
#include <string>
#include <vector>

#include <QDialog>

#include "classlib/dialogs.h"
#include "dedicated/dedicatedform.h"
#include "simharness.h"

class QTreeWidget;
class TStackingPortUitForm;

namespace wintest {

// Registers the world's host on a private simulator for the test binary.
bool UseWindowWorld(const std::string& profile = "trq3100.profile");

// Opens the window as its menu handler does and runs inside() once FormCreate has run and
// every request of the window is idle (60 s at most); the window is then closed and the
// call returns once it is gone. False when no such window opened. The menu item is named
// as the menu table names it ("PortControl1"); withFactory opens a form class's window
// as the menu item that names the class does (for entries the menu hides).
bool withWindowOf(const std::string& menuItem, const std::function<void(TDedicatedForm&)>& inside,
                  const std::function<bool(TDedicatedForm&)>& ready = {});
bool withFactoryOf(const std::string& formClass, const std::function<void(TDedicatedForm&)>& inside,
                   const std::function<bool(TDedicatedForm&)>& ready = {});

template <class Form>
bool withWindow(const std::string& menuItem, const std::function<void(Form&)>& inside,
                const std::function<bool(TDedicatedForm&)>& ready = {})
{
    return withWindowOf(menuItem, [&](TDedicatedForm& form) { inside(dynamic_cast<Form&>(form)); }, ready);
}
template <class Form>
bool withFactory(const std::string& formClass, const std::function<void(Form&)>& inside,
                 const std::function<bool(TDedicatedForm&)>& ready = {})
{
    return withFactoryOf(formClass, [&](TDedicatedForm& form) { inside(dynamic_cast<Form&>(form)); }, ready);
}

// The default readiness: FormCreate has run and every request is idle.
bool settled(TDedicatedForm& form);
// Runs the message loop until the window has settled (or the time is up).
bool waitIdle(TDedicatedForm& form, int milliseconds = 20000);

// ---- The simulator ----

// The binary's simulator.
trqtest::SimProcess& sim();
// Runs the message loop until done() or the time is up; the result of done().
bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000);

void clearLog();
// The PDUs of that type ("set", "getnext", "get") logged since the last clearLog.
std::vector<trqtest::PduLogEntry> logged(const std::string& type);
// A PDU's varbinds as "OID TAG VALUE" lines.
std::vector<std::string> varbinds(const trqtest::PduLogEntry& pdu);
// The 64-octet PortList with those bit positions set, as the simulator logs it (hex).
std::string portListHex(const std::vector<int>& bits, int octets = 64);

// ---- The user ----

// Selects the row (as a click on it does); -1 clears the selection (a click on empty space).
void selectRow(QTreeWidget* view, int row);
// The texts of the message boxes shown, in order.
std::vector<std::string> boxTexts(const MessageRecorder& boxes);
// The texts of the view's column, top to bottom.
std::vector<std::string> columnTexts(const QTreeWidget* view, int column);
// The list-view row whose first columns (the keys) show these texts; -1 if none.
int rowWithKeys(const QTreeWidget* view, const std::vector<std::string>& keys);
// The indexes of a grid's ticked boxes.
std::vector<int> tickedBoxes(const TStackingPortUitForm* grid);
// The captions of a grid's visible unit pages, and the number of visible boxes on each.
std::vector<std::string> visiblePages(const TStackingPortUitForm* grid);
std::vector<int> visibleBoxCounts(const TStackingPortUitForm* grid);

// Saves the window's picture as $TRQ_SCREENSHOT_DIR/<name>.png (when set), and fails the
// test when a label of the window is clipped.
void snapshot(QWidget* window, const std::string& name);

// ---- For the worlds ----

// Runs open() (which shows the window modally and returns once it is gone) and inside()
// with the dedicated window it shows, as withWindowOf says.
bool runModal(const std::function<void()>& open, const std::function<void(TDedicatedForm&)>& inside,
              const std::function<bool(TDedicatedForm&)>& ready);

} // namespace wintest
