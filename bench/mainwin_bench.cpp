// Main-window benchmark: start-up and the idle cost of the chassis view, against the
// net-snmp tools reading the same objects from the same simulator (the shipped profile).
//
// Start-up: the program as the host platform starts it (a whole process: the class
// library's application, the main window built and shown over SNMPv2c), timed from spawn
// until the chassis view is populated: the unit strips built, the first unit's front panel
// shown (its thumbnail clicked as soon as it is there), its LEDs coloured by their first
// read, the power and fan states read; then the process ends. The peer is the set of tools
// that read the same objects: snmpwalk of each unit-table and fan-table column, snmpget of
// the RMON state, the two power states and the unit's LED octets, one process each, their
// wall times summed. Target: at most 3 x.
//
// Idle cost: the same program keeps polling, with the poll intervals accelerated so that a
// simulated hour takes seconds. Its CPU time per simulated hour is built from three phases
// measured inside the process (getrusage): the LED poll alone (every 3 s, accelerated x300),
// the chassis poll alone (every 30 s, accelerated x1000) and neither (the timers, the blinking and
// the engine's pump running with nothing to read): 1,200 LED reads + 120 chassis polls +
// 3,600 s of the rest. The peer runs the tools of one LED poll (snmpget) and of one chassis
// poll (snmpwalk of each unit-table and fan-table column, snmpget of the scalars) and is
// charged 1,200 and 120 of them; a tool's CPU time does not depend on when it runs, so they
// run back to back. Target: at most 2 x. RSS is sampled after the first cycles and at the
// end: flat means at most 5 % growth.
//
// Idle in real time: the program at its own periods for 6.5 s from a second after start-up
// (two LED polls)
// wakes at most 20 times a second (its voluntary context switches), and its CPU time is at
// most 3 x that of one persistent process making the same requests at the same periods
// with net-snmp's synchronous calls (idle_peer.c).
//
// Usage: trq_mainwin_bench [rounds]   (paired rounds, default 15)
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

#include "bench_tools.h"
#include "classlib/application.h"
#include "mainwin/mainunit.h"
#include "chassis/modulepanels.h"
#include "chassis/powerform.h"
#include "platform/paths.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/bind/request2leds.h"
#include "snmplib/ledcolormap.h"

namespace {

const char* const kUnitColumns[] = {"1.3.6.1.4.1.32473.12.11.1.9.5.1.1", "1.3.6.1.4.1.32473.12.11.1.9.5.1.3",
                                    "1.3.6.1.4.1.32473.12.11.1.9.5.1.9"};
const char* const kFanColumns[] = {"1.3.6.1.4.1.32473.12.11.1.7.1.1", "1.3.6.1.4.1.32473.12.11.1.7.1.2",
                                   "1.3.6.1.4.1.32473.12.11.1.7.1.3"};
const char* const kScalars[] = {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4.0", "1.3.6.1.4.1.32473.12.11.1.3.0",
                                "1.3.6.1.4.1.32473.12.11.1.4.0"};
const char* const kLedColumn = "1.3.6.1.4.1.32473.12.11.1.9.5.1.5";

double CpuSeconds()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
}

// Resident set size in kB.
long RssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// Runs the message loop until done() or the time is up (sleeping between events).
bool WaitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake; // done() may change without an event of its own
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(1);
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// Runs the message loop for that long, adding no timer of its own but the one that ends it.
void RunFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Chains a counter onto a request's completion handler.
void CountCompletions(VhSNMPRequest2Controls* request, int* count)
{
    auto previous = request->OnGetComplete;
    request->OnGetComplete = [previous, count](VhSNMPRequest2Controls* sender, VhSNMPError* error) {
        if (error && error->Code == 0)
            ++*count;
        if (previous)
            previous(sender, error);
    };
}

// The child: the program as the host starts it, up to the populated chassis view; then,
// with "idle", the three polling phases. Prints its figures as key=value lines.
int Child(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir; // registry, settings file, executable folder and runtime folder
    const std::string root = dir.path().toStdString() + "/";
    std::filesystem::create_directories(root + "bin");
    std::filesystem::create_directories(root + "run");
    std::filesystem::permissions(root + "run", std::filesystem::perms::owner_all);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", (root + "run").c_str());
    if (chdir(root.c_str()) != 0)
        return 1;
    setenv("TRQ3100_REGISTRY", (root + "registry.ini").c_str(), 1);
    SetExecutableFolder(root + "bin/");
    {
        std::ofstream cfg(root + "127.0.0.1.cfg", std::ios::binary);
        const std::pair<const char*, std::string> keys[] = {
            {"AgentPort", argv[3]}, {"Version", "1"}, {"SecurityModel", "3"},
            {"SecurityLevel", "-1"}, {"AuthProtocol", "-1"}, {"PrivProtocol", "-1"}};
        cfg << "[Program Information]" << '\0';
        for (const auto& [key, value] : keys)
            cfg << "\r\n" << key << "=" << value << '\0';
    }
    const bool idle = std::strcmp(argv[2], "idle") == 0;

    // Milliseconds since the process started, at each step of the start-up.
    const auto sinceStart = [] {
        timespec now {};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::ifstream stat("/proc/self/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        for (int k = 3; k <= 22; ++k)
            fields >> field; // field 22: start time in clock ticks after boot
        return (now.tv_sec + now.tv_nsec / 1e9 - std::atof(field.c_str()) / sysconf(_SC_CLK_TCK)) * 1e3;
    };
    const double atMain = sinceStart();
    TApplication application(argc, argv);
    const double atApplication = sinceStart();
    TMainForm* form = TMainForm::Create({"/I127.0.0.1", "/Rmardle", "/Wquillon"});
    if (!form || application.Terminated())
        return 1;
    const double atCreated = sinceStart();
    form->show();
    const double atShown = sinceStart();

    // The first unit's thumbnail, clicked as the user would.
    auto* thumb = qobject_cast<TModuleThumbnailForm*>(form->Chassis->SlotForms && form->Chassis->SlotForms->size() > 1
                                                          ? form->Chassis->SlotForms->at(1)
                                                          : nullptr);
    if (!thumb) {
        std::printf("error=no unit thumbnail (%s)\n", form->StatusText().c_str());
        return 1;
    }
    QLabel* panel0 = form->StatusBarPanel0();
    panel0->clear();
    thumb->Image1Click();
    // Coloured: some LED of the shown panel is lit (before the first value all are off).
    const auto ledsShown = [&] {
        const TModulePanelForm* panel = form->Chassis->CurrentPanelForm;
        if (!panel || !panel->LedRequest || panel->LedRequest->Busy)
            return false;
        for (const auto& led : panel->LedRequest->Leds)
            if (led->ColorMap && led->Color != led->ColorMap->OffColor)
                return true;
        return false;
    };
    const auto powerRead = [&] {
        return PowerForm && PowerForm->PowerRequest && PowerForm->FanRequest && !PowerForm->PowerRequest->Busy &&
               !PowerForm->FanRequest->Busy && PowerForm->PowerImageIndexes[0] >= 0 &&
               PowerForm->FanImageIndexes[0] >= 0;
    };
    if (!WaitFor([&] { return ledsShown() && powerRead() && form->Chassis->CurrentPanelForm; }, 30000)) {
        std::printf("error=chassis view not populated (%s)\n", panel0->text().toLocal8Bit().constData());
        return 1;
    }
    std::printf("units=%d\n", static_cast<int>(form->Chassis->SlotForms->size()));
    std::printf("steps=main %.0f ms, application %.0f ms, main window created %.0f ms, shown %.0f ms, populated %.0f ms\n",
                atMain, atApplication, atCreated, atShown, sinceStart());
    if (!idle) {
        std::fflush(stdout);
        std::_Exit(0); // the view is populated: the figure ends here, as a killed program would
    }

    // ---- Idle in real time, at the program's own periods: the wake-ups of the whole
    // process (its voluntary context switches: each one a sleep ended by a wake-up) and its
    // CPU time, from a second after the first LED read (the window's first paint is over
    // then) for realMs: the next LED reads come 3 s and 6 s after the first.
    const int realMs = argc > 5 ? std::atoi(argv[5]) : 0;
    if (realMs > 0) {
        RunFor(1000);
        struct rusage before {}, after {};
        getrusage(RUSAGE_SELF, &before);
        const double cpuBefore = CpuSeconds();
        RunFor(realMs);
        getrusage(RUSAGE_SELF, &after);
        std::printf("realcpu=%.6f\nwakeups=%.2f\n", CpuSeconds() - cpuBefore,
                    (after.ru_nvcsw - before.ru_nvcsw) / (realMs / 1e3));
    }

    // ---- Idle: the phases. Accelerated so that the polls' CPU time stands well above the
    // rest's: LEDs every 10 ms (x300), the chassis every 30 ms (x1000). ----
    const int phaseMs = std::atoi(argv[4]);
    TModulePanelForm* panel = form->Chassis->CurrentPanelForm;
    int ledReads = 0, unitReads = 0;
    CountCompletions(panel->LedRequest, &ledReads);
    CountCompletions(form->Chassis->UnitRequest, &unitReads);
    const int chassisInterval = form->Timer1->interval();

    // Nothing polled: the LEDs keep blinking, the timers run.
    form->Timer1->stop();
    panel->LedRequest->Start(1000000);
    RunFor(200);
    double cpu = CpuSeconds();
    QElapsedTimer clock;
    clock.start();
    RunFor(phaseMs);
    const double restPerSecond = (CpuSeconds() - cpu) / (clock.nsecsElapsed() / 1e9);

    // The LED poll alone.
    panel->LedRequest->Start(TModulePanelForm::LedPeriod / 300);
    RunFor(phaseMs / 5);
    const long rssFirst = RssKb();
    ledReads = 0;
    cpu = CpuSeconds();
    clock.restart();
    RunFor(phaseMs);
    double spent = CpuSeconds() - cpu - restPerSecond * (clock.nsecsElapsed() / 1e9);
    const double perLed = ledReads > 0 ? spent / ledReads : -1;
    const int ledCount = ledReads;

    // The chassis poll alone.
    panel->LedRequest->Start(1000000);
    RunFor(100);
    form->Timer1->setInterval(chassisInterval / 1000);
    form->Timer1->start();
    RunFor(phaseMs / 5);
    unitReads = 0;
    cpu = CpuSeconds();
    clock.restart();
    RunFor(phaseMs);
    spent = CpuSeconds() - cpu - restPerSecond * (clock.nsecsElapsed() / 1e9);
    const double perChassis = unitReads > 0 ? spent / unitReads : -1;
    const int chassisCount = unitReads;
    // Both again, to the end.
    panel->LedRequest->Start(TModulePanelForm::LedPeriod / 300);
    RunFor(phaseMs);
    const long rssEnd = RssKb();

    const double perHour = 1200 * perLed + 120 * perChassis + 3600 * restPerSecond;
    std::printf("rest=%.6f\nled=%.6f\nleds=%d\nchassis=%.6f\npolls=%d\nhour=%.4f\nrss1=%ld\nrss2=%ld\n",
                restPerSecond, perLed, ledCount, perChassis, chassisCount, perHour, rssFirst, rssEnd);
    std::fflush(stdout);
    std::_Exit(ledCount > 0 && chassisCount > 0 ? 0 : 1);
}

std::vector<std::string> Get(int port, std::vector<std::string> oids)
{
    std::vector<std::string> args = {"snmpget", "-v2c", "-c", "mardle", "-On", "-Oq", "127.0.0.1:" + std::to_string(port)};
    args.insert(args.end(), oids.begin(), oids.end());
    return args;
}

struct Tools {
    double wall = 0, cpu = 0;
    bool ok = true;
    std::string output;
    void add(const benchtools::Run& r)
    {
        wall += r.wall;
        cpu += r.cpu;
        ok = ok && r.ok;
        output += r.output;
    }
};

// The tools of one chassis poll; with the LED octets of unit 1, the objects start-up reads.
Tools ChassisTools(int port, bool withLeds)
{
    Tools t;
    for (const char* column : kUnitColumns)
        t.add(benchtools::run(benchtools::snmpwalkV2c(port, "mardle", column)));
    for (const char* column : kFanColumns)
        t.add(benchtools::run(benchtools::snmpwalkV2c(port, "mardle", column)));
    std::vector<std::string> scalars(std::begin(kScalars), std::end(kScalars));
    if (withLeds)
        scalars.push_back(std::string(kLedColumn) + ".1");
    t.add(benchtools::run(Get(port, scalars)));
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 3 && std::strcmp(argv[1], "--child") == 0)
        return Child(argc, argv);
    const int rounds = benchtools::rounds(argc, argv);
    trqtest::SimOptions options; // the shipped profile
    trqtest::SimProcess sim(options);
    std::string error;
    if (!sim.start(&error)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", error.c_str());
        return 1;
    }
    const std::string port = std::to_string(sim.port());
    const int phaseMs = 1500;
    const int realMs = 6500; // two LED polls, no chassis poll, on both sides

    std::vector<double> startRatio, startOurs, startPeer, idleRatio, rssRatio, ourHour, peerHour, wakeups,
        persistentRatio;
    for (int round = 0; round < rounds; ++round) {
        const benchtools::Run o = benchtools::run(sim, benchtools::self({"--child", "startup", port}));
        const Tools p = ChassisTools(sim.port(), true);
        if (!o.ok || benchtools::field(o.output, "units") < 2) {
            std::fprintf(stderr, "start-up failed:\n%s\n", o.output.c_str());
            return 1;
        }
        if (!p.ok || p.output.find(kUnitColumns[2]) == std::string::npos) {
            std::fprintf(stderr, "the net-snmp tools failed or are missing (Debian package snmp)\n");
            return 1;
        }
        startOurs.push_back(o.wall);
        startPeer.push_back(p.wall);
        startRatio.push_back(o.wall / p.wall);

        const benchtools::Run i = benchtools::run(
            sim, benchtools::self({"--child", "idle", port, std::to_string(phaseMs), std::to_string(realMs)}));
        if (!i.ok) {
            std::fprintf(stderr, "idle run failed:\n%s\n", i.output.c_str());
            return 1;
        }
        const benchtools::Run persistent =
            benchtools::run(sim, benchtools::sibling("trq_idle_peer", {port, std::to_string(realMs)}));
        if (!persistent.ok || benchtools::field(persistent.output, "leds") < 2) {
            std::fprintf(stderr, "the persistent peer failed:\n%s\n", persistent.output.c_str());
            return 1;
        }
        wakeups.push_back(benchtools::field(i.output, "wakeups"));
        const double peerCpu = benchtools::field(persistent.output, "cpu");
        persistentRatio.push_back(peerCpu > 0 ? benchtools::field(i.output, "realcpu") / peerCpu : 1e9);
        std::printf("round %d: idle %.1f s in real time: program %.1f ms cpu, %.1f wake-ups/s; persistent peer %.1f ms "
                    "cpu, %g context switches\n",
                    round + 1, realMs / 1e3, benchtools::field(i.output, "realcpu") * 1e3, wakeups.back(),
                    peerCpu * 1e3, benchtools::field(persistent.output, "switches"));
        const Tools led = [&] {
            Tools t;
            t.add(benchtools::run(Get(sim.port(), {std::string(kLedColumn) + ".1"})));
            return t;
        }();
        const Tools chassis = ChassisTools(sim.port(), false);
        const double peer = 1200 * led.cpu + 120 * chassis.cpu;
        const double ours = benchtools::field(i.output, "hour");
        ourHour.push_back(ours);
        peerHour.push_back(peer);
        idleRatio.push_back(ours / peer);
        rssRatio.push_back(benchtools::field(i.output, "rss2") / benchtools::field(i.output, "rss1"));
        const std::size_t steps = o.output.find("steps=");
        std::printf("round %d: start-up %s\n", round + 1,
                    steps == std::string::npos ? "" : o.output.substr(steps + 6, o.output.find('\n', steps) - steps - 6).c_str());
        std::printf("round %d: start-up %.3f s, tools %.3f s; idle: LED read %.2f ms cpu (%g reads), chassis poll "
                    "%.2f ms cpu (%g polls), rest %.2f ms cpu/s, %.2f s cpu per hour; tools: snmpget %.2f ms cpu, "
                    "chassis tools %.2f ms cpu, %.2f s cpu per hour; rss %g -> %g kB\n",
                    round + 1, o.wall, p.wall, benchtools::field(i.output, "led") * 1e3, benchtools::field(i.output, "leds"),
                    benchtools::field(i.output, "chassis") * 1e3, benchtools::field(i.output, "polls"),
                    benchtools::field(i.output, "rest") * 1e3, ours, led.cpu * 1e3, chassis.cpu * 1e3, peer,
                    benchtools::field(i.output, "rss1"), benchtools::field(i.output, "rss2"));
        std::fflush(stdout);
    }
    std::printf("start-up to the populated chassis view, medians of %d rounds: program %.3f s, tools %.3f s\n", rounds,
                benchtools::median(startOurs), benchtools::median(startPeer));
    std::printf("idle CPU per simulated hour, medians: program %.2f s, tools %.2f s\n", benchtools::median(ourHour),
                benchtools::median(peerHour));
    bool met = benchtools::verdict("start-up program/tools", startRatio, 3.0);
    met &= benchtools::verdict("idle cpu per hour program/snmpget", idleRatio, 2.0);
    met &= benchtools::verdict("idle rss end/after first cycles", rssRatio, 1.05);
    std::vector<double> perTwenty;
    for (double w : wakeups)
        perTwenty.push_back(w / 20.0);
    met &= benchtools::verdict("idle wake-ups per second/20", perTwenty, 1.0);
    met &= benchtools::verdict("idle cpu program/persistent peer", persistentRatio, 3.0);
    return met ? 0 : 2;
}
