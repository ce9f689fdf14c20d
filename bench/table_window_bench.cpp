// Table-window benchmark: the generic table window (TConfigForm in list-view mode, built
// the way a menu handler builds one, offscreen) filling with the 2000-row x 4-column table
// of the bench profile, against "snmptable -v2c -CB" (get-next, like ours) of the same
// columns, on one simulator. Both run as whole processes, and again around an empty table:
// the fill's own time is the difference (bench_tools.h).
//
// Then the growth: the window's own clock for filling 1,000 and 10,000 rows (the bench
// profile's tables 99.20.1 and 99.21.1); their ratio is at most 11 when adding a row costs
// the same however many rows are shown. Each fill also reports its paint events of the list
// view and the longest gap of a 10 ms timer during the fill (input is handled throughout).
//
// Usage: trq_table_window_bench [rounds]   (paired rounds, default 15)
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "bench_tools.h"
#include "classlib/application.h"
#include "configwin/configform.h"
#include "configwin/listviewpanel.h"
#include "configwin/snmplistviewpanel.h"
#include "snmplib/bind/request2edits.h"
#include "snmplib/defaults.h"
#include "snmplib/snmpinit.h"

namespace {

// The tables of the bench profile, by name: entry OID and rows.
const std::map<std::string, std::pair<std::string, int>> Tables = {
    {"bench", {"1.3.6.1.4.1.32473.99.1.1", 2000}},
    {"k1", {"1.3.6.1.4.1.32473.99.20.1", 1000}},
    {"k10", {"1.3.6.1.4.1.32473.99.21.1", 10000}},
    {"empty", {"1.3.6.1.4.1.32473.99.99.1", 0}},
};

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

// The child: one table window filled with one table, as a program of its own; prints
// rows=, fill= (seconds from show to the end of the walk), paints= and gap= (ms).
int Child(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtimeDir; // the offscreen platform asks for one
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    TApplication app(argc, argv); // the program's application, as it runs the windows
    const auto table = Tables.find(argv[3]);
    if (table == Tables.end())
        return 1;
    QTemporaryDir bootDir;
    VhSNMPInit(bootDir.path().toStdString());
    VhSNMPDefaults.Device.Address = "127.0.0.1";
    VhSNMPDefaults.Device.Port = static_cast<uint16_t>(std::atoi(argv[2]));
    VhSNMPDefaults.Security.Version = 1; // SNMPv2c, as snmptable -v2c
    VhSNMPDefaults.Security.ReadCommunity = "mardle";

    const std::string entry = table->second.first;
    const std::string columns[] = {entry + ".1", entry + ".2", entry + ".3", entry + ".4"};
    const VhSNMPObjectDesc descriptors[] = {
        {columns[0].c_str(), "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
        {columns[1].c_str(), "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
        {columns[2].c_str(), "Counter", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
        {columns[3].c_str(), "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
        {nullptr},
    };
    TConfigForm form(qApp);
    auto* request = new VhSNMPRequest2Edits(&form);
    request->Request.VarList = VhSNMPVarList(descriptors, MVT_FMV, 1);
    TSNMPListViewPanel* panel = form.SetListViewMode(request, -1, nullptr, -1, nullptr);
    form.setWindowTitle("Bench Table: 127.0.0.1");
    QTreeWidget* view = panel->ListViewPanel->ListView;
    PaintCounter paints;
    view->viewport()->installEventFilter(&paints);

    QElapsedTimer clock;
    qint64 lastTick = 0, worstGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        worstGap = std::max(worstGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    clock.start();
    ticker.start(10);
    bool done = false, failed = false;
    request->OnGetComplete = [&](VhSNMPRequest2Controls*, VhSNMPError* error) {
        done = true;
        failed = !error || error->Code != 0;
    };
    form.show();
    while (!done && clock.elapsed() < 300000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents); // sleeps
    const double fill = clock.nsecsElapsed() / 1e9;
    worstGap = std::max(worstGap, clock.elapsed() - lastTick);
    QCoreApplication::processEvents(); // the last paint
    const int rows = view->topLevelItemCount();
    const QTreeWidgetItem* last = rows ? view->topLevelItem(rows - 1) : nullptr;
    std::printf("rows=%d\nlast=%s\nfill=%.6f\npaints=%d\ngap=%lld\n", rows,
                last ? (last->text(0) + "|" + last->text(1)).toLocal8Bit().constData() : "", fill, paints.Paints,
                static_cast<long long>(worstGap));
    form.close();
    return done && !failed && rows == table->second.second ? 0 : 1;
}

bool RowsRight(const benchtools::Run& r, int rows)
{
    if (!r.ok || benchtools::field(r.output, "rows") != rows)
        return false;
    return rows == 0 ||
           r.output.find("last=" + std::to_string(rows) + "|bench row " + std::to_string(rows) + "\n") !=
               std::string::npos;
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
    const benchtools::BenchMib mib;
    const std::string port = std::to_string(sim->port());
    const auto snmptable = [&](const char* table) { return mib.snmptable({"-v2c", "-c", "mardle"}, sim->port(), table); };
    const auto ours = [&](const char* table) { return benchtools::self({"--child", port, table}); };

    benchtools::Compare fills;
    std::vector<double> k1, k10;
    for (int round = 0; round < rounds; ++round) {
        const benchtools::Run o = benchtools::run(*sim, ours("bench"));
        const benchtools::Run p = benchtools::run(*sim, snmptable("benchTable"));
        const benchtools::Run ob = benchtools::run(*sim, ours("empty"));
        const benchtools::Run pb = benchtools::run(*sim, snmptable("emptyTable"));
        const int peerRows = benchtools::countLines(p.output, "");
        if (!RowsRight(o, 2000) || !RowsRight(ob, 0)) {
            std::fprintf(stderr, "table window failed or wrong:\n%s%s\n", o.output.c_str(), ob.output.c_str());
            return 1;
        }
        if (!p.ok || !pb.ok || peerRows != 2000 || p.output.find(benchtools::BenchMib::lastRow()) == std::string::npos) {
            std::fprintf(stderr, "snmptable failed or is missing (Debian package snmp): %d rows\n", peerRows);
            return 1;
        }
        fills.add(o, p, ob, pb);
        const benchtools::Run r1 = benchtools::run(*sim, ours("k1"));
        const benchtools::Run r10 = benchtools::run(*sim, ours("k10"));
        if (!RowsRight(r1, 1000) || !RowsRight(r10, 10000)) {
            std::fprintf(stderr, "table window failed or wrong:\n%s%s\n", r1.output.c_str(), r10.output.c_str());
            return 1;
        }
        k1.push_back(benchtools::field(r1.output, "fill"));
        k10.push_back(benchtools::field(r10.output, "fill"));
        std::printf("round %d: window %.3f s (empty %.3f s; in-window fill %.3f s, %g paints, longest gap %g ms), "
                    "snmptable %.3f s (empty %.3f s); fill of 1,000 rows %.3f s (%g paints), 10,000 rows %.3f s (%g "
                    "paints, longest gap %g ms)\n",
                    round + 1, o.wall, ob.wall, benchtools::field(o.output, "fill"), benchtools::field(o.output, "paints"),
                    benchtools::field(o.output, "gap"), p.wall, pb.wall, k1.back(), benchtools::field(r1.output, "paints"),
                    k10.back(), benchtools::field(r10.output, "paints"), benchtools::field(r10.output, "gap"));
    }
    using C = benchtools::Compare;
    fills.print("filling 2000 rows x 4 columns", "generic table window:", "snmptable -v2c -CB:");
    std::printf("  in-window fill of 1,000 rows %.3f s, of 10,000 rows %.3f s\n", benchtools::median(k1),
                benchtools::median(k10));
    bool met = benchtools::verdict("fill window/snmptable", fills.jobRatios(C::wall), 1.5);
    std::vector<double> growth;
    for (std::size_t i = 0; i < k1.size(); ++i)
        growth.push_back(k10[i] / k1[i]);
    met &= benchtools::verdict("fill 10,000 rows/1,000 rows", growth, 11.0);
    return met ? 0 : 2;
}
