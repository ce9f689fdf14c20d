// Request-level walk benchmark: a VhSNMPRequest walking the 2000-row x 4-column table of
// the bench profile the way the windows drive it (GetAsync(first), then GetAsync(false)
// from each row's completion, replies delivered by the engine's socket notifiers while
// the message loop sleeps), against "snmpwalk -v2c" of one column, on one simulator:
// on plain loopback and with every reply 1 ms late. Both run as whole processes, and
// again around an empty walk (a table, a subtree with nothing in it): the walk's own time
// is the difference (bench_tools.h). Prints the medians of paired rounds, wall and CPU
// time, and the ratios of the walks with their targets.
//
// Usage: trq_walk_request_bench [rounds]   (paired rounds, default 5)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include "bench_tools.h"
#include "snmplib/request.h"
#include "snmplib/snmpinit.h"

namespace {

const int kRows = 2000;
const char* const kColumn = "1.3.6.1.4.1.32473.99.1.1.2";
const char* const kNothing = "1.3.6.1.4.1.32473.99.99"; // no object lies under it

const VhSNMPObjectDesc BenchTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Counter", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

// The same columns of a table that does not exist.
const VhSNMPObjectDesc EmptyTable[] = {
    {"1.3.6.1.4.1.32473.99.99.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.99.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.99.1.3", "Counter", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.99.1.4", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

// The window's side of a walk: counts the rows and asks for the next one.
struct Walker {
    explicit Walker(VhSNMPRequest& request) : Request(request) {}

    VhSNMPRequest& Request;
    int Rows = 0;
    bool Done = false;
    bool Failed = false;
    std::string LastRow;

    void Reply(const VhSNMPError& e, VhSNMPVarList& list)
    {
        if (e.Code != 0) {
            std::fprintf(stderr, "walk failed: %d %s\n", e.Code, e.Message.c_str());
            Failed = Done = true;
            return;
        }
        if (e.EndOfData) {
            Done = true;
            return;
        }
        ++Rows;
        LastRow = list.Items[0]->Value + "|" + list.Items[1]->Value + "|" + list.Items[2]->Value + "|" +
                  list.Items[3]->Value;
        Request.GetAsync(VhSNMPCompletion(this, &Walker::Reply), false);
    }
};

// The child: one walk, as a program of its own; prints rows=, last= and walk= (its own
// clock). "--child PORT empty" walks the empty table.
int Child(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir bootDir;
    VhSNMPInit(bootDir.path().toStdString());
    VhSNMPRequest request;
    request.Device.Port = static_cast<uint16_t>(std::atoi(argv[2]));
    request.Security.Version = 1; // SNMPv2c, as snmpwalk -v2c
    const bool empty = argc > 3 && std::strcmp(argv[3], "empty") == 0;
    request.VarList = VhSNMPVarList(empty ? EmptyTable : BenchTable, MVT_FMV, 1);
    Walker walker(request);
    QElapsedTimer clock;
    clock.start();
    request.GetAsync(VhSNMPCompletion(&walker, &Walker::Reply), true);
    while (!walker.Done && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents); // sleeps
    std::printf("rows=%d\nlast=%s\nwalk=%.6f\n", walker.Failed ? -1 : walker.Rows, walker.LastRow.c_str(),
                clock.nsecsElapsed() / 1e9);
    return walker.Done && !walker.Failed ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::strcmp(argv[1], "--child") == 0)
        return Child(argc, argv);
    const int rounds = benchtools::rounds(argc, argv);
    const auto sim = benchtools::startBenchSim();
    if (!sim)
        return 1;
    const auto ours = benchtools::self({"--child", std::to_string(sim->port())});
    const auto oursBase = benchtools::self({"--child", std::to_string(sim->port()), "empty"});
    const auto peer = benchtools::snmpwalkV2c(sim->port(), "mardle", kColumn);
    const auto peerBase = benchtools::snmpwalkV2c(sim->port(), "mardle", kNothing);
    const std::string lastRow = "2000|bench row 2000|2000000|3";

    bool met = true;
    for (const int delay : {0, 1}) {
        if (!sim->delay(delay))
            return 1;
        benchtools::Compare walks;
        for (int round = 0; round < rounds; ++round) {
            const benchtools::Run o = benchtools::run(ours);
            const benchtools::Run p = benchtools::run(peer);
            const benchtools::Run ob = benchtools::run(oursBase);
            const benchtools::Run pb = benchtools::run(peerBase);
            const int oursRows = static_cast<int>(benchtools::field(o.output, "rows"));
            const int peerRows = benchtools::countLines(p.output, std::string(".") + kColumn + ".");
            if (!o.ok || oursRows != kRows || o.output.find("last=" + lastRow + "\n") == std::string::npos ||
                !ob.ok || benchtools::field(ob.output, "rows") != 0) {
                std::fprintf(stderr, "request walk failed or wrong:\n%s%s\n", o.output.c_str(), ob.output.c_str());
                return 1;
            }
            if (!p.ok || peerRows != kRows || !pb.ok) {
                std::fprintf(stderr, "snmpwalk failed or is missing (Debian package snmp): %d rows\n", peerRows);
                return 1;
            }
            walks.add(o, p, ob, pb);
            std::printf("reply delay %d ms, round %d: request walk %.3f s (empty %.3f s), snmpwalk column %.3f s "
                        "(empty %.3f s)\n",
                        delay, round + 1, o.wall, ob.wall, p.wall, pb.wall);
        }
        const std::string what = "reply delay " + std::to_string(delay) + " ms: walk of " +
                                 std::to_string(kRows) + " rows";
        walks.print(what.c_str(), "request, 4 columns:", "snmpwalk -v2c, one column:");
        using C = benchtools::Compare;
        met &= benchtools::verdict(delay ? "walk request_4col/snmpwalk_1col, 1 ms" : "walk request_4col/snmpwalk_1col",
                                   walks.jobRatio(C::wall), delay ? 1.0 : 1.1);
        met &= benchtools::verdict(delay ? "cpu request/snmpwalk, 1 ms" : "cpu request/snmpwalk",
                                   walks.jobRatio(C::cpu), 2.0);
    }
    sim->delay(0);
    return met ? 0 : 2;
}
