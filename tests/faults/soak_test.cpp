// A long run in little time: the main window polls the chassis on a short timer while every
// window the menu opens is opened and closed, cycle after cycle, and the simulator inserts
// and removes a module between windows. After the first cycle nothing may grow: resident
// memory and heap in use (within the tolerances below), open file descriptors (sockets
// among them), widgets, and the objects the main window owns. The figures of each cycle are
// printed; TRQ_SOAK_CYCLES sets the number of cycles (3).
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPixmapCache>
#include <QTimer>

#include <iostream>
#include <malloc.h>

#include "configwin/configform.h"
#include "configwin/snmpeditorpanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menutable.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/snmpinit.h"

namespace {

using mainsim::sim;

struct Figures {
    long RssKb = 0;
    int Fds = 0;
    int Objects = 0;
    int Widgets = 0;
    long HeapKb = 0; // allocated and not freed
};

// The program at rest before the figures are taken, so that every cycle is measured in the
// same state however fast the machine is: the poll stopped and not running, no reply awaited
// (the power and fan reads a chassis refresh starts among them), every closed window's
// deferred deletion done.
void Settle(TMainForm& main)
{
    main.Timer1->stop();
    EXPECT_TRUE(mainsim::waitUntil([&main] { return !main.Chassis->PollRunning; }, 120000));
    main.Chassis->RefreshChassis();
    EXPECT_TRUE(mainsim::waitUntil([] { return VhSNMPSession()->pending_count() == 0 && !QApplication::activeModalWidget(); },
                                   120000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

Figures Measure()
{
    // Qt keeps the style's drawings of every size it met in a cache bounded by its limit
    // (10 MB): not the program's, and emptied so that it does not hide a leak.
    QPixmapCache::clear();
    // Freed memory goes back to the system first: resident memory then counts what is held.
    malloc_trim(0);
    Figures f;
    QFile status("/proc/self/status");
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmRSS:"))
                f.RssKb = line.mid(6).trimmed().split(' ').front().toLong();
    f.Fds = static_cast<int>(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
    f.Objects = static_cast<int>(mainsim::mainForm().findChildren<QObject*>().size());
    f.Widgets = static_cast<int>(QApplication::allWidgets().size());
    f.HeapKb = static_cast<long>(mallinfo2().uordblks / 1024);
    return f;
}

// The windows of the main menu that are built (generic and dedicated).
std::vector<const TMenuItemDef*> Windows()
{
    std::vector<const TMenuItemDef*> windows;
    for (const TMenuItemDef* item = MainMenuItems; item->Name; ++item) {
        const bool window = item->Kind == MENU_GENERIC_TABLE || item->Kind == MENU_GENERIC_EDITOR ||
                            item->Kind == MENU_COMPILED_WINDOW;
        if (window && ResolveMenuItem(*item).State == TMenuItemState::Works)
            windows.push_back(item);
    }
    return windows;
}

TEST(Soak, NothingGrowsAfterTheFirstCycle)
{
    const int cycles = qEnvironmentVariableIntValue("TRQ_SOAK_CYCLES") > 0 ? qEnvironmentVariableIntValue("TRQ_SOAK_CYCLES") : 3;
    // Tolerances after the first cycle: the allocator's slack in resident memory, and about
    // 60 kB of heap per cycle that Qt's font and text caches were seen to take.
    const long rssToleranceKb = 4096;
    const long heapToleranceKbPerCycle = 128;
    const int objectTolerance = 8; // the poll's own request objects, alive or not at the moment
    TMainForm& main = mainsim::mainForm();
    main.Timer1->setInterval(200);
    main.Timer1->start();
    const std::vector<const TMenuItemDef*> windows = Windows();
    ASSERT_GT(windows.size(), 100u);
    std::vector<Figures> figures;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        int opened = 0;
        for (std::size_t k = 0; k < windows.size(); ++k) {
            if (k % 20 == 0) {
                EXPECT_TRUE(k % 40 == 0 ? sim().insertModule(6, "TRQ-3114") : sim().removeModule(6));
            }
            QAction* action = main.MenuItem(windows[k]->Name);
            ASSERT_NE(action, nullptr) << windows[k]->Name;
            opened += mainsim::withModal(action, [](QDialog* window) { window->reject(); }, mainsim::windowHasRead);
        }
        // The chassis as it was at the start of the cycle before the figures are taken.
        sim().removeModule(6);
        Settle(main);
        EXPECT_EQ(opened, static_cast<int>(windows.size())) << "cycle " << cycle;
        figures.push_back(Measure());
        main.Timer1->start();
        std::cout << "cycle " << cycle << ": " << opened << " windows opened and closed; RSS " << figures.back().RssKb
                  << " kB, " << figures.back().Fds << " file descriptors, " << figures.back().Objects
                  << " objects under the main window, " << figures.back().Widgets << " widgets in all, heap in use "
                  << figures.back().HeapKb << " kB" << std::endl;
    }
    main.Timer1->setInterval(30000);
    const Figures& first = figures.front();
    const Figures& last = figures.back();
#ifndef __SANITIZE_ADDRESS__
    // The sanitizer build holds freed memory back on purpose (and counts no heap of the C
    // library's); its leak checker answers for memory there.
    EXPECT_LE(last.RssKb, first.RssKb + rssToleranceKb);
    EXPECT_LE(last.HeapKb, first.HeapKb + heapToleranceKbPerCycle * (cycles - 1));
#else
    (void)rssToleranceKb;
    (void)heapToleranceKbPerCycle;
#endif
    EXPECT_LE(last.Fds, first.Fds);
    EXPECT_LE(last.Objects, first.Objects + objectTolerance);
    EXPECT_LE(last.Widgets, first.Widgets);
}

} // namespace
