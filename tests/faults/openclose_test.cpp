// Every window the menu opens, opened and closed over and over: afterwards nothing is left
// behind: no open file descriptor (sockets among them), no outstanding request, no
// top-level widget, no object under the main window; in the sanitizer build the leak
// checker answers for memory when the binary ends.
//
// Every dedicated window and a few generic windows that stand for the rest (a group of
// scalars, a table, a table keyed by port) are opened TRQ_OPENCLOSE_TIMES times (100);
// every other generic window a few times: the generic windows are one class built from
// descriptor tables, so 131 x 100 would repeat the same code at minutes of cost. Half the
// openings close the window at once, while its first read is still on the way (the close
// stops and awaits the request); the others once the window has settled. The windows come
// from the menu table, the form table and the catalogue: a window joins when its factory
// or record does. Run in shards.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTimer>

#include <iostream>
#include <set>

#include "configwin/configform.h"
#include "configwin/snmppanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/snmpinit.h"

namespace {

// Generic windows opened as often as the dedicated ones.
const char* const RepresentativeGeneric[] = {"AlarmControl1", "CPUUtilization1", "DefaultUserPrioritiesofEachPort1"};
const int FewTimes = 3;

int Times()
{
    const int n = qEnvironmentVariableIntValue("TRQ_OPENCLOSE_TIMES");
    return n > 0 ? n : 100;
}

struct Window {
    const TMenuItemDef* Item;
    bool Often;
};

std::vector<Window> Windows()
{
    std::vector<Window> windows;
    std::set<std::string> forms;
    for (const TMenuItemDef* item = MainMenuItems; item->Name; ++item) {
        if (ResolveMenuItem(*item).State != TMenuItemState::Works)
            continue;
        if (item->Kind == MENU_COMPILED_WINDOW) {
            // Several items may open one form: once is enough.
            if (item->Target && forms.insert(item->Target).second)
                windows.push_back({item, true});
        } else if (item->Kind == MENU_GENERIC_TABLE || item->Kind == MENU_GENERIC_EDITOR) {
            bool often = false;
            for (const char* name : RepresentativeGeneric)
                often = often || std::string(name) == item->Name;
            windows.push_back({item, often});
        }
    }
    return windows;
}

struct Handles {
    int Fds = 0;
    int Pending = 0;
    int TopLevel = 0;
    int Objects = 0;
    bool operator==(const Handles&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Handles& h)
{
    return out << h.Fds << " file descriptors, " << h.Pending << " outstanding requests, " << h.TopLevel
               << " top-level widgets, " << h.Objects << " objects under the main window";
}

Handles Count()
{
    Handles h;
    h.Fds = static_cast<int>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
    h.Pending = VhSNMPSession() ? VhSNMPSession()->pending_count() : 0;
    h.TopLevel = static_cast<int>(QApplication::topLevelWidgets().size());
    h.Objects = static_cast<int>(mainsim::mainForm().findChildren<QObject*>().size());
    return h;
}

// Nothing outstanding and every closed window deleted.
Handles Settled()
{
    mainsim::waitUntil([] { return !mainsim::mainForm().Chassis->PollRunning && Count().Pending == 0; }, 10000);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Count();
}

// Opens the window as its menu item does and closes it at once (true) or once ready.
bool OpenAndClose(const TMenuItemDef& item, bool atOnce)
{
    const auto ready = [atOnce](QDialog* window) { return atOnce || mainsim::windowHasRead(window); };
    const auto close = [](QDialog* window) { window->reject(); };
    if (item.Kind == MENU_COMPILED_WINDOW)
        return mainsim::withModal([&item] { mainsim::mainForm().OpenCompiledWindow(item); }, close, ready);
    QAction* action = mainsim::mainForm().MenuItem(item.Name);
    return action && mainsim::withModal(action, close, ready);
}

class OpenClose : public ::testing::TestWithParam<Window> {};

TEST_P(OpenClose, LeavesNothingBehind)
{
    const Window& w = GetParam();
    // The chassis poll stays out of the count: its timer waits through the test.
    QTimer* poll = mainsim::mainForm().Timer1;
    const bool polling = poll->isActive();
    poll->stop();
    // The first openings may make what stays for the program's life (sessions, Qt's font
    // and style caches): once for the binary, over the windows that stand for the rest,
    // then for this window, closed at once and once ready.
    static bool warmed = false;
    if (!warmed) {
        warmed = true;
        for (const Window& other : Windows())
            if (other.Often)
                for (bool atOnce : {true, false})
                    OpenAndClose(*other.Item, atOnce);
    }
    for (bool atOnce : {true, false})
        ASSERT_TRUE(OpenAndClose(*w.Item, atOnce)) << w.Item->Name;
    const Handles before = Settled();
    const int times = w.Often ? Times() : FewTimes;
    int opened = 0;
    for (int k = 0; k < times; ++k)
        opened += OpenAndClose(*w.Item, k % 2 == 0) ? 1 : 0;
    const Handles after = Settled();
    std::cout << w.Item->Name << ": opened and closed " << opened << " times; before: " << before
              << "; after: " << after << std::endl;
    EXPECT_EQ(opened, times);
    EXPECT_EQ(after, before);
    if (polling)
        poll->start();
}

INSTANTIATE_TEST_SUITE_P(Menu, OpenClose, ::testing::ValuesIn(Windows()),
                         [](const ::testing::TestParamInfo<Window>& info) { return std::string(info.param.Item->Name); });

} // namespace
