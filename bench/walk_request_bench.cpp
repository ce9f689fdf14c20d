// Request-level walk benchmark: a VhSNMPRequest walking the 2000-row x 4-column table of
// the bench profile the way the windows drive it (GetAsync(first), then GetAsync(false)
// from each row's completion, replies delivered by the engine's socket notifiers while
// the message loop sleeps), against "snmptable -CB" of the table, which makes the same
// get-next requests of 4 columns, so that the agent does the same work for both sides: on
// plain loopback and with every reply 1 ms late; and again over SNMPv3 at authPriv (SHA-1,
// DES) as the same user on both sides, on plain loopback. Over SNMPv2c the reference
// client (raw_walk.cpp: the same requests, no library) is the limit. Every side runs as a
// whole process, and again around an empty walk (a table, a subtree with nothing in it):
// the walk's own time is the difference (bench_tools.h), so process start-up is taken out.
// Prints the medians of paired rounds with their ranges, wall and CPU time, and the ratios
// of the walks with their targets; snmpwalk of one column is for information.
//
// Usage: trq_walk_request_bench [rounds]   (paired rounds, default 15)
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
const char* const kV3User = "shades";
const char* const kV3AuthPass = "authpass123";
const char* const kV3PrivPass = "privpass123";

// The net-snmp tools' options for the simulator's user at authPriv (SHA-1, DES).
const std::vector<std::string> kV3Options = {"-v3", "-l", "authPriv", "-u", kV3User, "-a", "SHA",
                                             "-A", kV3AuthPass, "-x", "DES", "-X", kV3PrivPass};

// "snmpwalk -v3" as that user, numeric OIDs, no MIB files.
std::vector<std::string> snmpwalkV3(int port, const std::string& oid)
{
    std::vector<std::string> args{"snmpwalk"};
    args.insert(args.end(), kV3Options.begin(), kV3Options.end());
    args.insert(args.end(), {"-On", "-Oq", "127.0.0.1:" + std::to_string(port), oid});
    return args;
}

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
// clock). "--child PORT VERSION [empty]": VERSION v2c or v3 (the simulator's user
// "shades" at authPriv); "empty" walks the empty table.
int Child(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir bootDir;
    VhSNMPInit(bootDir.path().toStdString());
    VhSNMPRequest request;
    request.Device.Port = static_cast<uint16_t>(std::atoi(argv[2]));
    request.Security.Version = 1; // SNMPv2c, as snmpwalk -v2c
    if (std::strcmp(argv[3], "v3") == 0) {
        request.Security.Version = 3;
        request.Security.SecurityModel = 3;
        request.Security.SecurityName = kV3User;
        request.Security.SecurityLevel = 3; // authPriv
        request.Security.AuthProtocol = 3;  // SHA-1
        request.Security.PrivProtocol = 2;  // DES
        request.Security.AuthPassword = kV3AuthPass;
        request.Security.PrivPassword = kV3PrivPass;
    }
    const bool empty = argc > 4 && std::strcmp(argv[4], "empty") == 0;
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
    if (argc > 3 && std::strcmp(argv[1], "--child") == 0)
        return Child(argc, argv);
    const int rounds = benchtools::rounds(argc, argv);
    const auto sim = benchtools::startBenchSim();
    if (!sim)
        return 1;
    const std::string port = std::to_string(sim->port());
    const std::string lastRow = "2000|bench row 2000|2000000|3";

    // The goals are against snmptable -CB, net-snmp's client making the same requests as
    // the same user, and, over SNMPv2c, against the reference client (trq_raw_walk: the same
    // requests encoded by hand, no library, sleeping in recv()); snmpwalk of one column is
    // for information.
    struct Case {
        const char* Version; // v2c or v3
        int Delay;           // ms of every reply
        const char* Ratio;   // name of the wall-time ratio against snmptable
        const char* CpuRatio;
        const char* ColumnRatio; // against snmpwalk of one column
        const char* RawRatio;    // against the reference client (SNMPv2c only)
        const char* RawCpuRatio;
    };
    const Case cases[] = {
        {"v2c", 0, "walk request_4col/snmptable_4col", "cpu request/snmptable_4col", "walk request_4col/snmpwalk_1col",
         "walk request_4col/raw_4col", "cpu request/raw_4col"},
        {"v2c", 1, "walk request_4col/snmptable_4col, 1 ms", "cpu request/snmptable_4col, 1 ms",
         "walk request_4col/snmpwalk_1col, 1 ms", "walk request_4col/raw_4col, 1 ms", "cpu request/raw_4col, 1 ms"},
        {"v3", 0, "walk v3 authPriv request_4col/snmptable_4col", "cpu v3 authPriv request/snmptable_4col",
         "walk v3 authPriv request_4col/snmpwalk_1col", nullptr, nullptr},
    };
    const benchtools::BenchMib mib;
    bool met = true;
    for (const Case& c : cases) {
        if (!sim->delay(c.Delay))
            return 1;
        const bool v3 = std::strcmp(c.Version, "v3") == 0;
        const auto ours = benchtools::self({"--child", port, c.Version});
        const auto oursBase = benchtools::self({"--child", port, c.Version, "empty"});
        const auto peer = v3 ? snmpwalkV3(sim->port(), kColumn) : benchtools::snmpwalkV2c(sim->port(), "mardle", kColumn);
        const auto peerBase =
            v3 ? snmpwalkV3(sim->port(), kNothing) : benchtools::snmpwalkV2c(sim->port(), "mardle", kNothing);
        const std::vector<std::string> security = v3 ? kV3Options : std::vector<std::string>{"-v2c", "-c", "mardle"};
        const auto sameRequests = mib.snmptable(security, sim->port(), "benchTable");
        const auto sameRequestsBase = mib.snmptable(security, sim->port(), "emptyTable");
        const auto raw = benchtools::sibling("trq_raw_walk", {port, "mardle"});
        const auto rawBase = benchtools::sibling("trq_raw_walk", {port, "mardle", "empty"});
        benchtools::Compare walks, byRequests, byRaw;
        for (int round = 0; round < rounds; ++round) {
            const benchtools::Run o = benchtools::run(*sim, ours);
            const benchtools::Run p = benchtools::run(*sim, peer);
            const benchtools::Run ob = benchtools::run(*sim, oursBase);
            const benchtools::Run pb = benchtools::run(*sim, peerBase);
            const benchtools::Run t = benchtools::run(*sim, sameRequests);
            const benchtools::Run tb = benchtools::run(*sim, sameRequestsBase);
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
            if (!t.ok || !tb.ok || benchtools::countLines(t.output, "") != kRows ||
                t.output.find(benchtools::BenchMib::lastRow()) == std::string::npos) {
                std::fprintf(stderr, "snmptable failed or is missing (Debian package snmp):\n%s\n", t.output.c_str());
                return 1;
            }
            walks.add(o, p, ob, pb);
            byRequests.add(o, t, ob, tb);
            double rawWall = 0, rawBaseWall = 0;
            if (c.RawRatio) {
                const benchtools::Run w = benchtools::run(*sim, raw);
                const benchtools::Run wb = benchtools::run(*sim, rawBase);
                if (!w.ok || benchtools::field(w.output, "rows") != kRows ||
                    w.output.find("last=" + lastRow + "\n") == std::string::npos || !wb.ok) {
                    std::fprintf(stderr, "the reference client failed or is wrong:\n%s\n", w.output.c_str());
                    return 1;
                }
                byRaw.add(o, w, ob, wb);
                rawWall = w.wall;
                rawBaseWall = wb.wall;
            }
            std::printf("%s, reply delay %d ms, round %d: request walk %.3f s (empty %.3f s), snmpwalk column %.3f s "
                        "(empty %.3f s), snmptable %.3f s (empty %.3f s), reference client %.3f s (empty %.3f s)\n",
                        c.Version, c.Delay, round + 1, o.wall, ob.wall, p.wall, pb.wall, t.wall, tb.wall, rawWall,
                        rawBaseWall);
        }
        const std::string what = std::string(c.Version) + ", reply delay " + std::to_string(c.Delay) +
                                 " ms: walk of " + std::to_string(kRows) + " rows";
        byRequests.print(what.c_str(), "request, 4 columns:", "snmptable -CB, the same requests:");
        using C = benchtools::Compare;
        met &= benchtools::verdict(c.Ratio, byRequests.jobRatios(C::wall), 1.0);
        met &= benchtools::verdict(c.CpuRatio, byRequests.jobRatios(C::cpu), 2.0);
        benchtools::information(c.ColumnRatio, walks.jobRatios(C::wall));
        if (c.RawRatio) {
            byRaw.print(what.c_str(), "request, 4 columns:", "reference client, the same requests:");
            met &= benchtools::verdict(c.RawRatio, byRaw.jobRatios(C::wall), 1.1);
            met &= benchtools::verdict(c.RawCpuRatio, byRaw.jobRatios(C::cpu), 1.5);
        }
    }
    sim->delay(0);
    return met ? 0 : 2;
}
