// Walk benchmark: the engine's asynchronous get-next walk against "snmpwalk -v2c", on one
// simulator. Table 1.3.6.1.4.1.32473.99.1.1 of the bench profile: 2000 rows x 4 columns.
//   engine     one get-next per row with all 4 columns, each sent from the previous
//              reply's completion (the library's walk), SNMPv2c; the message loop sleeps
//              between replies, which the engine's socket notifier delivers;
//   snmpwalk   "snmpwalk -v2c" of one column (2000 requests), and of the whole table
//              (8000 requests, one varbind each);
//   snmptable  "snmptable -v2c -CB": the same 2000 get-next requests of 4 columns as ours,
//              so the agent does the same work for both sides.
// Both run as whole processes, and again around an empty walk (a subtree with nothing in
// it): the walk's own time is the difference (bench_tools.h). Prints the medians of paired
// rounds and the ratios (lines starting with "ratio"): the engine's walk of 4 columns
// against snmptable of the same requests (the target), and for information against
// snmpwalk of one column and of the whole table.
//
// Usage: trq_walk_bench [rounds]   (paired rounds, default 15)
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "bench_tools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kEntry = "1.3.6.1.4.1.32473.99.1.1";
const char* const kNothing = "1.3.6.1.4.1.32473.99.99.1"; // no object lies under it
const int kRows = 2000;

struct Walk {
    Snmp* snmp = nullptr;
    CTarget* target = nullptr;
    std::vector<Oid> columns;
    std::vector<Oid> last;
    int rows = 0;
    int failures = 0;
    bool done = false;
    std::string lastName;

    void next()
    {
        Pdu pdu;
        for (const Oid& o : last)
            pdu += Vb(o);
        if (snmp->get_next(pdu, *target, &Walk::completed, this) != SNMP_CLASS_SUCCESS) {
            ++failures;
            done = true;
        }
    }

    static void completed(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* data)
    {
        auto* w = static_cast<Walk*>(data);
        if (reason != SNMP_CLASS_ASYNC_RESPONSE || pdu.get_error_status() != 0 ||
            pdu.get_vb_count() != static_cast<int>(w->columns.size())) {
            ++w->failures;
            w->done = true;
            return;
        }
        const Oid& first = pdu[0].get_oid();
        if (pdu[0].get_exception_status() || first.nCompare(w->columns[0].len(), w->columns[0]) != 0) {
            w->done = true;
            return;
        }
        ++w->rows;
        w->lastName = pdu[1].get_printable_value();
        for (int i = 0; i < pdu.get_vb_count(); ++i)
            w->last[static_cast<std::size_t>(i)] = pdu[i].get_oid();
        w->next();
    }
};

// The child: one walk as a program of its own; prints rows= and last=. "--child PORT
// empty" walks columns under which nothing lies.
int Child(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    int status = 0;
    Snmp snmp(status);
    if (status != SNMP_CLASS_SUCCESS)
        return 1;
    UdpAddress address("127.0.0.1");
    address.set_port(static_cast<unsigned short>(std::atoi(argv[2])));
    CTarget target(address, "mardle", "quillon");
    target.set_version(version2c);
    Walk walk;
    walk.snmp = &snmp;
    walk.target = &target;
    const bool empty = argc > 3 && std::strcmp(argv[3], "empty") == 0;
    for (int col = 1; col <= 4; ++col)
        walk.columns.push_back(Oid(std::string(empty ? kNothing : kEntry) + "." + std::to_string(col)));
    walk.last = walk.columns;

    QTimer pump; // the library's 20 ms event timer
    QObject::connect(&pump, &QTimer::timeout, [] { SNMPProcessPendingEvents(); });
    pump.start(20);
    QElapsedTimer clock;
    clock.start();
    walk.next();
    while (!walk.done && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents); // sleeps
    std::printf("rows=%d\nlast=%s\nwalk=%.6f\n", walk.failures ? -1 : walk.rows, walk.lastName.c_str(),
                clock.nsecsElapsed() / 1e9);
    return walk.done && !walk.failures ? 0 : 1;
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
    const auto column = benchtools::snmpwalkV2c(sim->port(), "mardle", std::string(kEntry) + ".2");
    const auto table = benchtools::snmpwalkV2c(sim->port(), "mardle", kEntry);
    const auto nothing = benchtools::snmpwalkV2c(sim->port(), "mardle", kNothing);
    const benchtools::BenchMib mib;
    const auto sameRequests = mib.snmptable({"-v2c", "-c", "mardle"}, sim->port(), "benchTable");
    const auto sameRequestsBase = mib.snmptable({"-v2c", "-c", "mardle"}, sim->port(), "emptyTable");

    benchtools::Compare byColumn, byTable, byRequests;
    for (int round = 0; round < rounds; ++round) {
        const benchtools::Run e = benchtools::run(*sim, ours);
        const benchtools::Run c = benchtools::run(*sim, column);
        const benchtools::Run t = benchtools::run(*sim, table);
        const benchtools::Run eb = benchtools::run(*sim, oursBase);
        const benchtools::Run nb = benchtools::run(*sim, nothing);
        const benchtools::Run s = benchtools::run(*sim, sameRequests);
        const benchtools::Run sb = benchtools::run(*sim, sameRequestsBase);
        if (!e.ok || benchtools::field(e.output, "rows") != kRows ||
            e.output.find("last=bench row 2000\n") == std::string::npos || !eb.ok ||
            benchtools::field(eb.output, "rows") != 0) {
            std::fprintf(stderr, "engine walk failed or wrong:\n%s%s\n", e.output.c_str(), eb.output.c_str());
            return 1;
        }
        const int columnRows = benchtools::countLines(c.output, "." + std::string(kEntry) + ".2.");
        const int tableRows = benchtools::countLines(t.output, "." + std::string(kEntry) + ".");
        if (!c.ok || !t.ok || !nb.ok || columnRows != kRows || tableRows != 4 * kRows) {
            std::fprintf(stderr, "snmpwalk failed or is missing (Debian package snmp): %d, %d lines\n", columnRows,
                         tableRows);
            return 1;
        }
        if (!s.ok || !sb.ok || benchtools::countLines(s.output, "") != kRows ||
            s.output.find(benchtools::BenchMib::lastRow()) == std::string::npos) {
            std::fprintf(stderr, "snmptable failed or is missing (Debian package snmp):\n%s\n", s.output.c_str());
            return 1;
        }
        byColumn.add(e, c, eb, nb);
        byTable.add(e, t, eb, nb);
        byRequests.add(e, s, eb, sb);
        std::printf("round %d: engine %.3f s (empty %.3f s), snmpwalk column %.3f s, table %.3f s (empty %.3f s), "
                    "snmptable %.3f s (empty %.3f s)\n",
                    round + 1, e.wall, eb.wall, c.wall, t.wall, nb.wall, s.wall, sb.wall);
    }
    using C = benchtools::Compare;
    byColumn.print("walk of 2000 rows", "engine, 4 columns:", "snmpwalk -v2c, one column:");
    std::printf("  snmpwalk -v2c of the whole table (%d varbinds): job %.3f s\n", 4 * kRows, byTable.jobMedian(false, C::wall));
    // The goal is against the peer that makes the same requests; the others are for
    // information.
    bool met = benchtools::verdict("walk engine_4col/snmptable_4col", byRequests.jobRatios(C::wall), 1.0);
    std::printf("  snmptable -v2c -CB (the same %d requests): job %.3f s\n", kRows, byRequests.jobMedian(false, C::wall));
    benchtools::information("walk engine_4col/snmpwalk_1col", byColumn.jobRatios(C::wall));
    benchtools::information("walk engine_4col/snmpwalk_table", byTable.jobRatios(C::wall));
    met &= benchtools::verdict("cpu engine/snmptable_4col", byRequests.jobRatios(C::cpu), 2.0);
    return met ? 0 : 2;
}
