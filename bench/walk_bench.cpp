// Walk benchmark: the engine's asynchronous get-next walk against the net-snmp command
// line tools, on one simulator in one run.
//
// Table 1.3.6.1.4.1.32473.99.1.1 of the bench profile: 2000 rows x 4 columns.
//   engine     one get-next per row with all 4 columns, each sent from the previous
//              reply's completion (the library's walk), SNMPv2c;
//   snmpwalk   "snmpwalk -v2c" of one column (2000 requests), and of the whole table
//              (8000 requests, one varbind each).
// Prints the times and the ratios (lines starting with "ratio"); the target is an
// engine walk of 4 columns that takes no longer than snmpwalk of one column.
//
// Usage: trq_walk_bench [rounds]   (best of rounds, default 3)
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "bench_tools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const char* const kEntry = "1.3.6.1.4.1.32473.99.1.1";
const int kRows = 2000;

struct Walk {
    Snmp* snmp = nullptr;
    CTarget* target = nullptr;
    std::vector<Oid> columns;
    std::vector<Oid> last;
    int rows = 0;
    int failures = 0;
    bool done = false;

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
        for (int i = 0; i < pdu.get_vb_count(); ++i)
            w->last[static_cast<std::size_t>(i)] = pdu[i].get_oid();
        w->next();
    }
};

double engineWalk(Snmp& snmp, int port, int& rows)
{
    UdpAddress address("127.0.0.1");
    address.set_port(static_cast<unsigned short>(port));
    CTarget target(address, "mardle", "quillon");
    target.set_version(version2c);
    Walk walk;
    walk.snmp = &snmp;
    walk.target = &target;
    for (int col = 1; col <= 4; ++col)
        walk.columns.push_back(Oid(std::string(kEntry) + "." + std::to_string(col)));
    walk.last = walk.columns;

    QTimer pump; // the library's 20 ms event timer
    QObject::connect(&pump, &QTimer::timeout, [] { SNMPProcessPendingEvents(); });
    pump.start(20);
    QElapsedTimer clock;
    clock.start();
    walk.next();
    while (!walk.done && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    const double seconds = clock.nsecsElapsed() / 1e9;
    rows = walk.failures ? -1 : walk.rows;
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = benchtools::rounds(argc, argv);
    const auto simulator = benchtools::startBenchSim();
    if (!simulator)
        return 1;
    trqtest::SimProcess& sim = *simulator;
    int status = 0;
    Snmp snmp(status);
    if (status != SNMP_CLASS_SUCCESS) {
        std::fprintf(stderr, "cannot create the engine: %d\n", status);
        return 1;
    }
    // The tools load no MIB files (the engine has set MIBS and MIBDIRS empty for this
    // process), so their start-up costs no more than ours.
    const auto column = benchtools::snmpwalkV2c(sim.port(), "mardle", std::string(kEntry) + ".2");
    const auto table = benchtools::snmpwalkV2c(sim.port(), "mardle", kEntry);

    double engine = -1, walkColumn = -1, walkTable = -1;
    for (int round = 0; round < rounds; ++round) {
        int rows = 0;
        const double e = engineWalk(snmp, sim.port(), rows);
        if (rows != kRows) {
            std::fprintf(stderr, "engine walk: %d rows instead of %d\n", rows, kRows);
            return 1;
        }
        engine = benchtools::best(engine, e);
        walkColumn = benchtools::best(walkColumn, benchtools::timed(column));
        walkTable = benchtools::best(walkTable, benchtools::timed(table));
        std::printf("round %d: engine %.3f s, snmpwalk column %.3f s, snmpwalk table %.3f s\n", round + 1, e,
                    walkColumn, walkTable);
    }
    std::printf("engine async walk, %d rows x 4 columns: %.3f s (%.0f rows/s)\n", kRows, engine, kRows / engine);
    if (walkColumn < 0 || walkTable < 0) {
        std::printf("snmpwalk failed or is missing (Debian package snmp); no ratios\n");
        return 1;
    }
    std::printf("snmpwalk -v2c one column (%d rows): %.3f s\n", kRows, walkColumn);
    std::printf("snmpwalk -v2c whole table (%d varbinds): %.3f s\n", kRows * 4, walkTable);
    std::printf("ratio engine_4col/snmpwalk_1col %.2f (target <= 1.00)\n", engine / walkColumn);
    std::printf("ratio engine_4col/snmpwalk_table %.2f\n", engine / walkTable);
    return engine <= walkColumn ? 0 : 2;
}
