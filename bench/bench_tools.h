#pragma once
// What the walk benchmarks share: timing a run of a net-snmp command-line tool, and the
// snmpwalk command lines they compare against.
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include "simharness.h"

extern char** environ;

namespace benchtools {

// Runs a command with its output thrown away; the wall time in seconds, or -1 when it
// cannot be started or fails.
inline double timed(const std::vector<std::string>& args)
{
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 0x1 /* O_WRONLY */, 0);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return clock.nsecsElapsed() / 1e9;
}

// The smaller of two times, a failed one (-1) not counting.
inline double best(double a, double b) { return a < 0 ? b : (b < 0 ? a : std::min(a, b)); }

// "snmpwalk -v2c" of a subtree of the agent at 127.0.0.1:port, numeric output, no MIBs
// (the engine has cleared MIBS and MIBDIRS for this process and its children).
inline std::vector<std::string> snmpwalkV2c(int port, const std::string& community, const std::string& oid)
{
    return {"snmpwalk", "-v2c", "-c", community, "-On", "-Oq", "127.0.0.1:" + std::to_string(port), oid};
}

// The rounds argument of a benchmark (best of that many), 3 when not given.
inline int rounds(int argc, char** argv) { return argc > 1 ? std::max(1, std::atoi(argv[1])) : 3; }

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

} // namespace benchtools
