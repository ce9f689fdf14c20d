#pragma once
// What the benchmarks share. Both sides of a comparison are timed the same way: each run
// is a whole process (ours is this benchmark started again in its child mode, the peer a
// net-snmp command-line tool), its wall time taken around spawn and wait, its CPU time
// (user + system) from the kernel's account of the child. Rounds are paired, ours then
// the peer, and the medians are printed. Every run's rows are checked.
#include <QElapsedTimer>

#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "simharness.h"

extern char** environ;

namespace benchtools {

struct Run {
    bool ok = false;     // started and exited with status 0
    double wall = 0;     // seconds
    double cpu = 0;      // seconds of user + system time
    std::string output;  // what it wrote to stdout
};

// Runs a command to its end with its output collected (stderr stays the terminal's).
inline Run run(const std::vector<std::string>& args)
{
    Run r;
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return r;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    const bool spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned) {
        char buffer[65536];
        ssize_t n;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0 || (n < 0 && errno == EINTR))
            if (n > 0)
                r.output.append(buffer, static_cast<std::size_t>(n));
    }
    close(out[0]);
    if (!spawned)
        return r;
    int status = 0;
    struct rusage usage {};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    r.wall = clock.nsecsElapsed() / 1e9;
    r.cpu = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec + usage.ru_stime.tv_usec / 1e6;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

// The same, on a simulator whose PDU log is emptied first. The log is the tests' record,
// no part of an agent's work: left to grow, it costs the simulator more memory and time per
// request the more varbinds a request has, and the sides would not meet the same agent.
inline Run run(trqtest::SimProcess& sim, const std::vector<std::string>& args)
{
    sim.clearLog();
    return run(args);
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The lines of a text that begin with prefix.
inline int countLines(const std::string& text, const std::string& prefix)
{
    int n = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            end = text.size();
        if (text.compare(at, prefix.size(), prefix) == 0)
            ++n;
        at = end + 1;
    }
    return n;
}

// The number after "key=" in a child's output; -1 when there is none.
inline double field(const std::string& output, const std::string& key)
{
    const std::size_t at = output.find(key + "=");
    return at == std::string::npos ? -1 : std::atof(output.c_str() + at + key.size() + 1);
}

// "snmpwalk -v2c" of a subtree of the agent at 127.0.0.1:port: one line per varbind,
// numeric OIDs, no MIB files.
inline std::vector<std::string> snmpwalkV2c(int port, const std::string& community, const std::string& oid)
{
    return {"snmpwalk", "-v2c", "-c", community, "-On", "-Oq", "127.0.0.1:" + std::to_string(port), oid};
}

// "snmptable -CB" of a table of the bench profile: get-next of every column in one request
// per row, the exchange our walks make. snmptable finds a table's columns only in a MIB
// module; this one, of our own, is written to a temporary folder and names the bench table
// (benchTable, 99.1) and the same columns of a table that does not exist (emptyTable, 99.99).
class BenchMib {
public:
    BenchMib() { std::ofstream(dir_.filePath("TRQ-BENCH-MIB.txt").toStdString()) << text(); }

    // security: the version and credentials ("-v2c", "-c", community, or the SNMPv3 options).
    std::vector<std::string> snmptable(const std::vector<std::string>& security, int port, const std::string& table) const
    {
        std::vector<std::string> args{"snmptable"};
        args.insert(args.end(), security.begin(), security.end());
        args.insert(args.end(), {"-M", dir_.path().toStdString(), "-m", "TRQ-BENCH-MIB", "-CB", "-CH", "-Cf", ","});
        args.push_back("127.0.0.1:" + std::to_string(port));
        args.push_back("TRQ-BENCH-MIB::" + table);
        return args;
    }

    // The last row of the bench table as snmptable prints it.
    static const char* lastRow() { return "2000,\"bench row 2000\",2000000,3"; }

private:
    static std::string table(const std::string& name, const std::string& arcs)
    {
        const std::string entry = name + "Entry";
        std::string type = entry;
        type[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(type[0])));
        std::string mib = name + "Table OBJECT-TYPE\n    SYNTAX SEQUENCE OF " + type +
                          "\n    MAX-ACCESS not-accessible\n    STATUS current\n    DESCRIPTION \"A table.\"\n    ::= { iso " +
                          arcs + " }\n\n" + entry + " OBJECT-TYPE\n    SYNTAX " + type +
                          "\n    MAX-ACCESS not-accessible\n    STATUS current\n    DESCRIPTION \"A row.\"\n    INDEX { " +
                          name + "Index }\n    ::= { " + name + "Table 1 }\n\n" + type + " ::= SEQUENCE { " + name +
                          "Index INTEGER, " + name + "Name OCTET STRING, " + name + "Counter Counter32, " + name +
                          "Mode INTEGER }\n\n";
        const struct {
            const char* column;
            const char* syntax;
            const char* access;
        } columns[] = {{"Index", "INTEGER", "read-only"},
                       {"Name", "OCTET STRING", "read-write"},
                       {"Counter", "Counter32", "read-only"},
                       {"Mode", "INTEGER", "read-write"}};
        int number = 0;
        for (const auto& c : columns)
            mib += name + c.column + " OBJECT-TYPE\n    SYNTAX " + c.syntax + "\n    MAX-ACCESS " + c.access +
                   "\n    STATUS current\n    DESCRIPTION \"A column.\"\n    ::= { " + entry + " " +
                   std::to_string(++number) + " }\n\n";
        return mib;
    }
    static std::string text()
    {
        return "TRQ-BENCH-MIB DEFINITIONS ::= BEGIN\n\n" + table("bench", "3 6 1 4 1 32473 99 1") +
               table("empty", "3 6 1 4 1 32473 99 99") + "END\n";
    }

    QTemporaryDir dir_;
};

// This program, started again with arguments (its child mode).
inline std::vector<std::string> self(std::vector<std::string> args)
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    args.insert(args.begin(), n > 0 ? std::string(path, static_cast<std::size_t>(n)) : std::string("/proc/self/exe"));
    return args;
}

// A program built beside this one (in the same folder), with arguments.
inline std::vector<std::string> sibling(const std::string& name, std::vector<std::string> args)
{
    std::string path = self({}).front();
    path = path.substr(0, path.rfind('/') + 1) + name;
    args.insert(args.begin(), path);
    return args;
}

// The rounds argument of a benchmark (paired rounds), 15 when not given: a verdict is the
// median of at least that many rounds, so that one round disturbed by the machine's other
// work does not decide it.
inline int rounds(int argc, char** argv)
{
    return argc > 1 && argv[1][0] != '-' ? std::max(1, std::atoi(argv[1])) : 15;
}

// A simulator playing the bench profile; null (and a message) when it does not start.
inline std::unique_ptr<trqtest::SimProcess> startBenchSim()
{
    trqtest::SimOptions options;
    options.profile = "bench.profile";
    auto sim = std::make_unique<trqtest::SimProcess>(options);
    std::string error;
    if (!sim->start(&error)) {
        std::fprintf(stderr, "cannot start the simulator: %s\n", error.c_str());
        return nullptr;
    }
    return sim;
}

// One comparison over paired rounds. Each side runs twice a round: the whole job, and the
// same program doing the same start-up, set-up and exit around an empty job (an empty
// table or subtree). The job's own time is the difference, taken the same way for both;
// the whole runs count as well. Ratios are the medians of the per-round ratios.
struct Compare {
    std::vector<Run> ours, peer, oursBase, peerBase;
    void add(const Run& o, const Run& p, const Run& ob, const Run& pb)
    {
        ours.push_back(o);
        peer.push_back(p);
        oursBase.push_back(ob);
        peerBase.push_back(pb);
    }
    template <class F>
    static std::vector<double> each(const std::vector<Run>& runs, F f)
    {
        std::vector<double> v;
        for (const Run& r : runs)
            v.push_back(f(r));
        return v;
    }
    static double wall(const Run& r) { return r.wall; }
    static double cpu(const Run& r) { return r.cpu; }
    // The job's own wall (or CPU) time of one side in round i.
    template <class F>
    static double job(const std::vector<Run>& full, const std::vector<Run>& base, std::size_t i, F f)
    {
        return f(full[i]) - f(base[i]);
    }
    template <class F>
    double jobMedian(bool ourSide, F f) const
    {
        std::vector<double> v;
        for (std::size_t i = 0; i < ours.size(); ++i)
            v.push_back(ourSide ? job(ours, oursBase, i, f) : job(peer, peerBase, i, f));
        return median(v);
    }
    // The per-round ratios of the jobs' own times.
    template <class F>
    std::vector<double> jobRatios(F f) const
    {
        std::vector<double> v;
        for (std::size_t i = 0; i < ours.size(); ++i) {
            const double p = job(peer, peerBase, i, f);
            v.push_back(p > 0 ? job(ours, oursBase, i, f) / p : 1e9);
        }
        return v;
    }
    template <class F>
    double jobRatio(F f) const
    {
        return median(jobRatios(f));
    }
    template <class F>
    double wholeRatio(F f) const
    {
        std::vector<double> v;
        for (std::size_t i = 0; i < ours.size(); ++i)
            v.push_back(f(peer[i]) > 0 ? f(ours[i]) / f(peer[i]) : 1e9);
        return median(v);
    }
    // Prints the medians: the jobs' own times and the whole runs'.
    void print(const char* what, const char* oursName, const char* peerName) const
    {
        std::printf("%s, medians of %zu rounds:\n", what, ours.size());
        std::printf("  %-34s job %.3f s (cpu %.3f s), whole process %.3f s (cpu %.3f s)\n", oursName,
                    jobMedian(true, wall), jobMedian(true, cpu), median(each(ours, wall)), median(each(ours, cpu)));
        std::printf("  %-34s job %.3f s (cpu %.3f s), whole process %.3f s (cpu %.3f s)\n", peerName,
                    jobMedian(false, wall), jobMedian(false, cpu), median(each(peer, wall)), median(each(peer, cpu)));
        std::printf("  whole-process ratio %.2f (cpu %.2f)\n", wholeRatio(wall), wholeRatio(cpu));
    }
};

// Prints "ratio NAME VALUE (target <= T) ok|MISSED"; true when the target is met.
inline bool verdict(const char* name, double value, double target)
{
    const bool met = value >= 0 && value <= target;
    std::printf("ratio %-40s %6.2f (target <= %.2f) %s\n", name, value, target, met ? "ok" : "MISSED");
    return met;
}

// The same for the per-round values of a figure: the verdict is their median, printed with
// their range, "ratio NAME MEDIAN [MIN-MAX] (target <= T) ok|MISSED".
inline bool verdict(const char* name, const std::vector<double>& values, double target)
{
    const double value = median(values);
    const bool met = value >= 0 && value <= target;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("ratio %-40s %6.2f [%.2f-%.2f] (target <= %.2f) %s\n", name, value, values.empty() ? -1 : *low,
                values.empty() ? -1 : *high, target, met ? "ok" : "MISSED");
    return met;
}

// A figure without a target, for information: its median and range.
inline void information(const char* name, const std::vector<double>& values)
{
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::printf("ratio %-40s %6.2f [%.2f-%.2f]\n", name, median(values), values.empty() ? -1 : *low,
                values.empty() ? -1 : *high);
}

} // namespace benchtools
