// Request-level walk benchmark: a VhSNMPRequest walking the 2000-row x 4-column table of
// the bench profile the way the windows drive it (GetAsync(first), then GetAsync(false)
// from each row's completion, replies pumped by the library's event timer and the
// engine's socket notifiers), against "snmpwalk -v2c" of one column, on one simulator in
// one run. Prints the times and a "ratio" line; the target is a ratio of 1.0 or less.
//
// Usage: trq_walk_request_bench [rounds]   (best of rounds, default 3)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

#include "bench_tools.h"
#include "snmplib/request.h"
#include "snmplib/snmpinit.h"

namespace {

const int kRows = 2000;

const VhSNMPObjectDesc BenchTable[] = {
    {"1.3.6.1.4.1.32473.99.1.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.99.1.1.3", "Counter", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.99.1.1.4", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
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
        LastRow = list.Items[0]->Value + " " + list.Items[1]->Value;
        Request.GetAsync(VhSNMPCompletion(this, &Walker::Reply), false);
    }
};

double requestWalk(VhSNMPRequest& request, int& rows, std::string& lastRow)
{
    Walker walker(request);
    QElapsedTimer clock;
    clock.start();
    request.GetAsync(VhSNMPCompletion(&walker, &Walker::Reply), true);
    while (!walker.Done && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    const double seconds = clock.nsecsElapsed() / 1e9;
    rows = walker.Failed || !walker.Done ? -1 : walker.Rows;
    lastRow = walker.LastRow;
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = benchtools::rounds(argc, argv);
    const auto sim = benchtools::startBenchSim();
    if (!sim)
        return 1;
    QTemporaryDir bootDir;
    VhSNMPInit(bootDir.path().toStdString());

    VhSNMPRequest request;
    request.Device.Port = static_cast<uint16_t>(sim->port());
    request.Security.Version = 1; // SNMPv2c, as snmpwalk -v2c
    request.VarList = VhSNMPVarList(BenchTable, MVT_FMV, 1);

    const auto column = benchtools::snmpwalkV2c(sim->port(), "mardle", "1.3.6.1.4.1.32473.99.1.1.2");
    double walk = -1, walkColumn = -1;
    for (int round = 0; round < rounds; ++round) {
        int rows = 0;
        std::string lastRow;
        const double w = requestWalk(request, rows, lastRow);
        if (rows != kRows || lastRow != "2000 bench row 2000") {
            std::fprintf(stderr, "request walk: %d rows instead of %d, last row \"%s\"\n", rows, kRows,
                         lastRow.c_str());
            return 1;
        }
        const double c = benchtools::timed(column);
        walk = benchtools::best(walk, w);
        walkColumn = benchtools::best(walkColumn, c);
        std::printf("round %d: request walk %.3f s, snmpwalk column %.3f s\n", round + 1, w, c);
    }
    std::printf("request async walk, %d rows x 4 columns: %.3f s (%.0f rows/s)\n", kRows, walk, kRows / walk);
    if (walkColumn < 0) {
        std::printf("snmpwalk failed or is missing (Debian package snmp); no ratio\n");
        return 1;
    }
    std::printf("snmpwalk -v2c one column (%d rows): %.3f s\n", kRows, walkColumn);
    std::printf("ratio request_4col/snmpwalk_1col %.2f (target <= 1.00)\n", walk / walkColumn);
    return walk <= walkColumn ? 0 : 2;
}
