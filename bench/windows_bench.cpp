// Every-window benchmark: each window that a menu item opens (the generic windows of the
// catalogue, the port editors of the port popup and the dedicated windows of the form
// table; an item whose window is not built yet is skipped, so new windows join by
// themselves) is opened from its menu item in the main window managing the simulator
// (SNMPv2c, the shipped profile), as the menu sweep of the tests does. Timed from the
// click to the window's first read shown (a generic window: every request idle and a
// result line for each; a dedicated window: FormCreate run and every request idle); the
// window is then closed. The peer reads the same objects with the net-snmp tools: the
// simulator's log of the window's PDUs gives them (every OID of its get requests, in one
// snmpget; every subtree it walked with get-next, one snmpwalk each), the tools' wall
// times summed. Rounds are paired per window (the window, then its tools). The ten
// windows slowest against their tools are printed, each with a target of 2 x.
//
// While a window reads, a 1 ms timer measures the longest gap between two turns of the
// message loop (the user's clicks wait that long); printed as a ratio to 50 ms (the
// longest gap of all rounds). Again in the thread's CPU time between two
// turns: on a busy machine a long gap with little CPU time in it was the scheduler serving
// other processes, not the program. RSS after every window has been opened and closed
// once: at most 150 MB.
//
// Usage: trq_windows_bench [rounds]   (paired rounds, default 15)
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <set>

#include "bench_tools.h"
#include "classlib/application.h"
#include "classlib/dialogs.h"
#include "configwin/configform.h"
#include "configwin/snmppanel.h"
#include "dedicated/dedicatedform.h"
#include "mainsim.h"
#include "mainwin/mainunit.h"
#include "mainwin/menudispatch.h"
#include "mainwin/menukinds.h"
#include "mainwin/menutable.h"
#include "chassis/powerform.h"
#include "snmplib/bind/request2edits.h"

using namespace mainsim;

namespace {

int g_rounds = 15;
bool g_met = true;

double ThreadCpu()
{
    timespec t {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

long RssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

struct Window {
    const TMenuItemDef* Def;
    bool Popup;
    std::string Title;
    std::vector<double> Ours, Peer, Ratio;
    std::vector<std::vector<std::string>> Tools; // the peer's commands
    long Growth = 0; // kB of RSS the openings after the first added
};

struct Opening {
    bool Opened = false;
    double Seconds = -1;     // click to first read shown
    double WorstGap = 0;     // ms between two turns of the message loop
    double WorstGapCpu = 0;  // ms of this thread's CPU time in that gap
    double WorstCpu = 0;     // the most CPU time (ms) of this thread between two turns
    std::string Title;
};

// Opens the item's window, times it and closes it.
Opening Open(QAction* action)
{
    Opening o;
    QElapsedTimer clock;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    ticker.setInterval(1);
    qint64 last = 0;
    double lastCpu = ThreadCpu();
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double cpu = ThreadCpu();
        const double gap = (now - last) / 1e6;
        o.WorstCpu = std::max(o.WorstCpu, (cpu - lastCpu) * 1e3);
        if (gap > o.WorstGap) {
            o.WorstGap = gap;
            o.WorstGapCpu = (cpu - lastCpu) * 1e3;
        }
        last = now;
        lastCpu = cpu;
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window || !window->isVisible() || o.Opened)
            return;
        if (!windowHasRead(window) && clock.elapsed() < ReadyWithin)
            return;
        o.Seconds = now / 1e9;
        o.Opened = windowHasRead(window);
        o.Title = window->windowTitle().toStdString();
        ticker.stop();
        const QPointer<QDialog> guard(window);
        window->reject();
        if (guard && guard->isVisible())
            guard->close();
    });
    clock.start();
    ticker.start();
    action->trigger();
    ticker.stop();
    return o;
}

// The tools that read what the window read, from the simulator's log of its PDUs.
std::vector<std::vector<std::string>> PeerTools(const std::vector<trqtest::PduLogEntry>& log)
{
    const std::string agent = "127.0.0.1:" + std::to_string(sim().port());
    std::vector<std::string> gets;
    std::set<std::string> seenGets;
    std::vector<std::string> walks;
    std::set<std::string> seenWalks;
    // A get-next continues a walk under way when it has as many varbinds as the walk's
    // first and each lies under that one's OID, past the one before; otherwise it starts a
    // walk. Walks of several requests can be under way at once.
    struct Walk {
        std::vector<std::string> Roots, Previous;
    };
    std::vector<Walk> under;
    for (const trqtest::PduLogEntry& pdu : log) {
        if (pdu.type == "get") {
            for (const auto& vb : pdu.varbinds)
                if (seenGets.insert(vb.oid).second)
                    gets.push_back(vb.oid);
            continue;
        }
        if (pdu.type != "getnext" && pdu.type != "getbulk")
            continue;
        std::vector<std::string> oids;
        for (const auto& vb : pdu.varbinds)
            oids.push_back(vb.oid);
        const auto continues = [&](const Walk& walk) {
            if (walk.Roots.size() != oids.size())
                return false;
            for (std::size_t k = 0; k < oids.size(); ++k)
                if (oids[k].compare(0, walk.Roots[k].size() + 1, walk.Roots[k] + ".") != 0 || oids[k] == walk.Previous[k])
                    return false;
            return true;
        };
        const auto walk = std::find_if(under.begin(), under.end(), continues);
        if (walk != under.end()) {
            walk->Previous = oids;
            continue;
        }
        under.push_back({oids, oids});
        for (const std::string& root : oids)
            if (seenWalks.insert(root).second)
                walks.push_back(root);
    }
    std::vector<std::vector<std::string>> tools;
    for (std::size_t at = 0; at < gets.size(); at += 100) {
        std::vector<std::string> command = {"snmpget", "-v2c", "-c", readSecurityName(), "-On", "-Oq", agent};
        command.insert(command.end(), gets.begin() + static_cast<long>(at),
                       gets.begin() + static_cast<long>(std::min(gets.size(), at + 100)));
        tools.push_back(command);
    }
    for (const std::string& root : walks)
        tools.push_back({"snmpwalk", "-v2c", "-c", readSecurityName(), "-On", "-Oq", agent, root});
    return tools;
}

// Every window a menu item opens; TRQ_BENCH_ONLY=<item>,<item>... picks some (for a profile).
std::vector<Window> AllWindows()
{
    const std::string only = std::getenv("TRQ_BENCH_ONLY") ? "," + std::string(std::getenv("TRQ_BENCH_ONLY")) + "," : "";
    std::vector<Window> all;
    for (int popup = 0; popup < 2; ++popup)
        for (const TMenuItemDef* item = popup ? PortInfoPopupMenuItems : MainMenuItems; item->Name; ++item) {
            if (item->Kind != MENU_GENERIC_TABLE && item->Kind != MENU_GENERIC_EDITOR &&
                item->Kind != MENU_PORT_EDITOR && item->Kind != MENU_COMPILED_WINDOW)
                continue;
            if (ResolveMenuItem(*item).State != TMenuItemState::Works)
                continue;
            if (!only.empty() && only.find("," + std::string(item->Name) + ",") == std::string::npos)
                continue;
            all.push_back({item, popup == 1, {}, {}, {}, {}, {}});
        }
    return all;
}

TEST(EveryWindow, OpensAgainstTheTools)
{
    std::vector<Window> windows = AllWindows();
    ASSERT_FALSE(windows.empty());
    // The main window's own chassis poll is stopped: the simulator's log then holds the
    // window's PDUs alone.
    mainForm().Timer1->stop();
    // The main window's own start-up reads (power and fans) end first.
    ASSERT_TRUE(waitUntil([] {
        return PowerForm && !PowerForm->PowerRequest->Busy && !PowerForm->FanRequest->Busy;
    }));
    MessageRecorder boxes(IDCANCEL);
    double worstGap = 0;
    std::vector<double> roundGaps;
    std::string worstGapWindow;
    double worstGapCpu = 0;
    std::vector<double> roundCpuGaps;
    double worstCpu = 0;
    std::string worstCpuWindow;
    long rssAfterOne = -1;
    for (int round = 0; round < g_rounds; ++round) {
        double roundGap = 0, roundCpu = 0;
        for (Window& w : windows) {
            std::unique_ptr<StandInPortButton> port;
            if (w.Popup)
                port = std::make_unique<StandInPortButton>(70);
            QAction* action = mainForm().MenuItem(w.Def->Name);
            ASSERT_NE(action, nullptr) << w.Def->Name;
            ASSERT_TRUE(sim().clearLog());
            const long rssBefore = RssKb();
            const Opening o = Open(action);
            if (round > 0)
                w.Growth += RssKb() - rssBefore;
            EXPECT_TRUE(o.Opened) << w.Def->Name << " did not open or did not read";
            if (!o.Opened)
                continue;
            w.Title = o.Title;
            if (w.Tools.empty()) {
                const auto log = sim().pduLog();
                w.Tools = PeerTools(log);
                // TRQ_BENCH_DUMP=<menu item>: the window's PDUs, to see what its tools read.
                if (const char* dump = std::getenv("TRQ_BENCH_DUMP"); dump && w.Def->Name == std::string(dump))
                    for (const auto& pdu : log) {
                        std::fprintf(stderr, "%s", pdu.type.c_str());
                        for (const auto& vb : pdu.varbinds)
                            std::fprintf(stderr, " %s", vb.oid.c_str());
                        std::fprintf(stderr, "\n");
                    }
            }
            double peer = 0;
            for (const auto& command : w.Tools) {
                const benchtools::Run r = benchtools::run(command);
                EXPECT_TRUE(r.wall > 0) << command.front() << " did not run";
                peer += r.wall;
            }
            w.Ours.push_back(o.Seconds);
            w.Peer.push_back(peer);
            w.Ratio.push_back(peer > 0 ? o.Seconds / peer : 1e9);
            roundGap = std::max(roundGap, o.WorstGap);
            roundCpu = std::max(roundCpu, o.WorstCpu);
            if (o.WorstCpu > worstCpu) {
                worstCpu = o.WorstCpu;
                worstCpuWindow = w.Def->Name;
            }
            if (o.WorstGap > worstGap) {
                worstGap = o.WorstGap;
                worstGapCpu = o.WorstGapCpu;
                worstGapWindow = w.Def->Name;
            }
        }
        roundGaps.push_back(roundGap);
        roundCpuGaps.push_back(roundCpu);
        if (round == 0)
            rssAfterOne = RssKb();
        std::printf("round %d: longest gap of the message loop %.1f ms, most CPU time between two turns %.1f ms, "
                    "rss %.1f MB\n",
                    round + 1, roundGap, roundCpu, RssKb() / 1024.0);
        std::fflush(stdout);
    }
    // A window that reads nothing from the switch (About, the SNMP settings) has no tools
    // to be compared with: it is listed last, without a ratio.
    const auto ratioOf = [](const Window& w) { return w.Tools.empty() ? -1.0 : benchtools::median(w.Ratio); };
    std::sort(windows.begin(), windows.end(), [&](const Window& a, const Window& b) { return ratioOf(a) > ratioOf(b); });
    std::printf("%zu windows, medians of %d rounds (window: click to first read shown; tools: wall time summed):\n",
                windows.size(), g_rounds);
    int within = 0, compared = 0;
    for (const Window& w : windows) {
        const std::string title = "\"" + w.Title + "\"";
        if (w.Tools.empty()) {
            std::printf("  %-28s %-44s window %7.1f ms  reads nothing from the switch\n", w.Def->Name, title.c_str(),
                        benchtools::median(w.Ours) * 1e3);
            continue;
        }
        const double ratio = ratioOf(w);
        ++compared;
        within += ratio <= 2.0 ? 1 : 0;
        std::printf("  %-28s %-44s window %7.1f ms  tools %7.1f ms (%zu)  ratio %.2f\n", w.Def->Name, title.c_str(),
                    benchtools::median(w.Ours) * 1e3, benchtools::median(w.Peer) * 1e3, w.Tools.size(), ratio);
    }
    std::printf("%d of %d windows within 2 x their tools; longest gap %.1f ms in %s (%.1f ms of it CPU time)\n", within,
                compared, worstGap, worstGapWindow.c_str(), worstGapCpu);
    std::printf("most CPU time between two turns of the message loop %.1f ms, in %s\n", worstCpu, worstCpuWindow.c_str());
    for (std::size_t k = 0; k < windows.size() && k < 10 && !windows[k].Tools.empty(); ++k) {
        const std::string name = "window " + std::string(windows[k].Def->Name) + "/tools";
        g_met &= benchtools::verdict(name.c_str(), windows[k].Ratio, 2.0);
    }
    // The message loop is judged by its worst round: one stall is one the user meets.
    const auto worstOf = [](const std::vector<double>& v) { return v.empty() ? -1.0 : *std::max_element(v.begin(), v.end()) / 50.0; };
    g_met &= benchtools::verdict("event loop longest gap, worst round/50 ms", worstOf(roundGaps), 1.0);
    // The same gap counted in this thread's CPU time: what the program itself holds the
    // loop for, without the time the machine's scheduler gives to other processes.
    g_met &= benchtools::verdict("event loop longest gap, own cpu, worst round/50 ms", worstOf(roundCpuGaps), 1.0);
    g_met &= benchtools::verdict("rss after every window/150 MB", rssAfterOne / 1024.0 / 150.0, 1.0);
    std::printf("rss after every window opened and closed once %.1f MB, after %d rounds %.1f MB\n",
                rssAfterOne / 1024.0, g_rounds, RssKb() / 1024.0);
    // Where the later rounds' growth came from (a window that keeps something each time).
    std::sort(windows.begin(), windows.end(), [](const Window& a, const Window& b) { return a.Growth > b.Growth; });
    std::printf("rss added by the openings after the first, most first:");
    for (std::size_t k = 0; k < windows.size() && k < 8; ++k)
        std::printf(" %s %ld kB;", windows[k].Def->Name, windows[k].Growth);
    std::printf("\n");
}

[[maybe_unused]] const bool g_environment = UseMainWindowOnSimulator();

} // namespace

int main(int argc, char** argv)
{
    g_rounds = benchtools::rounds(argc, argv);
    int gtestArgc = 1;
    ::testing::InitGoogleTest(&gtestArgc, argv);
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QTemporaryDir runtimeDir;
    if (runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        setenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit().constData(), 1);
    }
    TApplication app(argc, argv); // the program's application, as it runs the windows
    const int failed = RUN_ALL_TESTS();
    return failed ? 1 : g_met ? 0 : 2;
}
