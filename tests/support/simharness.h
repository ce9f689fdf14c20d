#pragma once
// Starts a private trq3100-sim on 127.0.0.1 (port 0), reads "READY port=N", talks to it
// over its control channel, and stops it (SIGTERM + waitpid). Implemented next to the
// simulator; every integration test uses it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trqtest {

struct SimOptions {
    std::string profile;               // empty: the shipped sim/trq3100.profile; a bare file name: sim/<name>
    std::string conf;                  // empty: the shipped sim/trq3100-sim.conf; a bare file name: sim/<name>
    std::vector<std::string> extraArgs;
    std::string confText = {};         // when set: written to the private directory and used instead of conf
};

struct PduLogEntry {
    std::string type;                  // "get", "getnext", "getbulk", "set", ...
    int version = 0;                   // 0 v1, 1 v2c, 3 v3
    std::string securityName;          // community or USM user
    struct Varbind { std::string oid, type, value; };
    std::vector<Varbind> varbinds;     // as received
    int errorStatus = 0;               // of the response sent (or that would have been)
    int errorIndex = 0;
};

class SimProcess {
public:
    explicit SimProcess(SimOptions options = {});
    ~SimProcess();                     // stops the simulator
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool start(std::string* error = nullptr);
    // Uses a simulator started elsewhere (trq3100-sim --detach FILE, e.g. the CTest fixture form);
    // stop() then only disconnects.
    bool attach(const std::string& detachFile, std::string* error = nullptr);
    void stop();
    bool running() const;
    int port() const;                  // the UDP port the agent answers on

    // Control channel. Each returns false (and fills lastError) when the simulator refused.
    bool mute(bool on);                          // drop every reply
    bool delay(int milliseconds);                // delay every reply
    bool failNextSet(int errorStatus, int errorIndex = 1);
    // The next count SNMPv3 requests of a user draw a REPORT of the counter (a name of
    // sim/README.md, e.g. "notInTimeWindows") instead of a response; "off" ends it.
    bool report(const std::string& counter, int count = 1);
    // Every nth read meets the fault (sim/README.md, "fault"); "off" ends it.
    bool fault(const std::string& name, int every = 1);
    bool setValue(const std::string& oid, const std::string& tag, const std::string& value);
    bool removeValue(const std::string& oid);
    bool insertModule(int unit, const std::string& model);
    bool removeModule(int unit);
    bool swapModules(int unitA, int unitB);
    bool setLeds(int unit, const std::string& hexOctets);
    std::vector<PduLogEntry> pduLog();
    // The served values under oid, in OID order (as an SNMP walk of it would give them).
    std::vector<PduLogEntry::Varbind> walk(const std::string& oid);
    bool clearLog();
    std::string command(const std::string& line); // raw control line, raw answer
    std::string lastError;

private:
    bool connectControl(std::string& error);
    struct Impl;
    Impl* d;
};

// Paths of the shipped simulator files and binary (from TRQ_SOURCE_DIR / TRQ_BINARY_DIR,
// falling back to the build tree the harness was built in).
std::string simBinary();
std::string simFile(const std::string& name); // sim/<name>

// The private simulator of one test binary (shipped profile and users), started on first
// use and stopped at exit or by SimEnvironment::TearDown; with TRQ_SIM_FILE set (a test that
// requires a trq_sim_fixture) it is the fixture's simulator instead. Tests that change its
// state (mute, delay, modules, values) restore what they changed.
SimProcess& sharedSim();

// GoogleTest environment that starts sharedSim() before the first test (a start failure
// fails the run) and stops it after the last. Register it with TRQ_SIM_ENVIRONMENT() at
// namespace scope in one source file of the test binary.
class SimEnvironment : public ::testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
};

} // namespace trqtest

#define TRQ_SIM_ENVIRONMENT()                                                                      \
    static ::testing::Environment* const trq_sim_environment_ [[maybe_unused]] =                   \
        ::testing::AddGlobalTestEnvironment(new ::trqtest::SimEnvironment)
