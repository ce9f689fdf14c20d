// The SNMP library against a real SNMPv3 agent, Debian's snmpd, restarted behind the same
// address the ways a switch restarts: a normal reboot (same engine ID, boots one higher),
// a reboot that lost the stored boots counter (same engine ID, boots back at 1), and a new
// engine ID. Every exchange goes through the program's own request layer.
//
// How to run it:
//   ctest --test-dir build -L realagent --output-on-failure
//   ctest --test-dir build -L realagent --repeat until-fail:20
//   build/tests/snmplib/snmplib_realagent_test --gtest_filter='*BootsLost*'
// It needs /usr/sbin/snmpd (Debian package snmpd, which scripts/deps.sh installs); without
// it every test is skipped and says why.
//
// Each agent is a child of the test on a free UDP port of 127.0.0.1 below the kernel's
// ephemeral range (so that no port-0 socket of a parallel test takes it while the agent
// restarts), with its configuration and persistent directory in a temporary folder:
// nothing of the machine's own SNMP set-up is read or written. The agent is killed when its
// test ends, however it ends, and with the test process if that dies.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/request.h"
#include "snmplib/snmperror.h"
#include "snmplib/snmpinit.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Ceilings for a loaded machine, never waits: every wait ends at its event.
constexpr auto kAgentCeiling = std::chrono::seconds(60);
constexpr int kCompletionCeilingMs = 120000;

const char* const kAuthPass = "authpass123";
const char* const kPrivPass = "privpass123";

const char* const kSnmpd = "/usr/sbin/snmpd";

// The lowest port of the kernel's ephemeral range (what port-0 sockets get).
int ephemeralLow()
{
    std::ifstream range("/proc/sys/net/ipv4/ip_local_port_range");
    int low = 0;
    range >> low;
    return low > 2048 ? low : 32768;
}

// A UDP port of 127.0.0.1 that is free now, below the ephemeral range.
int freePort()
{
    static std::mt19937 random(std::random_device{}());
    const int high = ephemeralLow();
    std::uniform_int_distribution<int> pick(std::max(1025, high - 12000), high - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int port = pick(random);
        const int s = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(static_cast<uint16_t>(port));
        const bool free = bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
        close(s);
        if (free)
            return port;
    }
    return 0;
}

// One snmpd, started, stopped and restarted by the test. Users md5des (MD5/DES) and
// shades (SHA-1/DES), authPriv, read-only.
class Snmpd {
public:
    enum class Restart {
        Reboot,      // stopped cleanly (it stores its boots), started again: boots + 1
        BootsLost,   // its stored state is gone: same engine ID (configured), boots 1
        NewEngineId, // configured with another engine ID: boots 1
        Replaced,    // another engine ID, and nothing stored of the old one: boots 1
    };

    explicit Snmpd(std::string engineId) : engineId_(std::move(engineId)) {}
    ~Snmpd() { kill(); }
    Snmpd(const Snmpd&) = delete;
    Snmpd& operator=(const Snmpd&) = delete;

    // Starts the agent on a free port; false with the reason (and the agent's output).
    bool start(std::string& error)
    {
        if (!dir_.isValid()) {
            error = "no temporary folder";
            return false;
        }
        // Another process may bind the port between the look and the agent's start.
        for (int attempt = 0; attempt < 5; ++attempt) {
            port_ = freePort();
            if (port_ == 0) {
                error = "no free UDP port on 127.0.0.1";
                return false;
            }
            if (launch(error))
                return true;
            if (error.find("Error opening specified endpoint") == std::string::npos)
                return false;
        }
        return false;
    }

    bool restart(Restart how, std::string& error)
    {
        if (!stop(error))
            return false;
        if (how == Restart::BootsLost || how == Restart::Replaced)
            std::ofstream(persistentFile(), std::ios::trunc) << "";
        if (how == Restart::NewEngineId || how == Restart::Replaced)
            engineId_ += "-new";
        return launch(error);
    }

    int port() const { return port_; }
    const std::string& output() const { return output_; }

private:
    std::string path(const char* name) const { return dir_.filePath(name).toStdString(); }
    std::string persistentFile() const { return path("persist/snmpd.conf"); }

    void writeConfiguration()
    {
        std::ofstream conf(path("snmpd.conf"), std::ios::trunc);
        conf << "agentAddress udp:127.0.0.1:" << port_ << "\n"
             << "engineID " << engineId_ << "\n"
             << "createUser md5des MD5 " << kAuthPass << " DES " << kPrivPass << "\n"
             << "createUser shades SHA " << kAuthPass << " DES " << kPrivPass << "\n"
             << "rouser md5des priv\n"
             << "rouser shades priv\n"
             << "sysName trq-real-agent\n"
             << "dontLogTCPWrappersConnects yes\n";
    }

    // Runs snmpd in the foreground, logging to the pipe, and reads until it says it runs
    // (it opens its port before that line), or until it ends.
    bool launch(std::string& error)
    {
        if (!std::filesystem::exists(path("persist")))
            std::filesystem::create_directories(path("persist"));
        if (!std::filesystem::exists(persistentFile()))
            std::ofstream(persistentFile()) << "";
        writeConfiguration();

        // Its own files only: -C reads no default configuration, -c names the two read
        // (ours and the persistent one, which holds the boots), the persistent directory
        // is private, and no MIB files are loaded.
        std::vector<std::string> args = {kSnmpd, "-f", "-Lo", "-C", "-c",
                                         path("snmpd.conf") + "," + persistentFile()};
        std::vector<std::string> env;
        for (char** e = environ; *e; ++e) {
            const std::string entry = *e;
            if (entry.rfind("SNMP", 0) != 0 && entry.rfind("MIBS=", 0) != 0 && entry.rfind("MIBDIRS=", 0) != 0)
                env.push_back(entry);
        }
        env.push_back("SNMP_PERSISTENT_DIR=" + path("persist"));
        env.push_back("MIBS=");
        env.push_back("MIBDIRS=");
        std::vector<char*> argv, envp;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);

        int pipefd[2];
        if (pipe2(pipefd, O_CLOEXEC) != 0) {
            error = std::string("pipe: ") + strerror(errno);
            return false;
        }
        const pid_t parent = getpid();
        const pid_t pid = fork();
        if (pid < 0) {
            close(pipefd[0]);
            close(pipefd[1]);
            error = std::string("fork: ") + strerror(errno);
            return false;
        }
        if (pid == 0) {
            // Async-signal-safe calls only: the test process has threads.
            dup2(pipefd[1], STDOUT_FILENO);
            dup2(pipefd[1], STDERR_FILENO);
            close_range(3, ~0U, 0);
            sigset_t none;
            sigemptyset(&none);
            sigprocmask(SIG_SETMASK, &none, nullptr);
            prctl(PR_SET_PDEATHSIG, SIGKILL); // a test that dies takes its agent with it
            if (getppid() != parent)
                _exit(127);
            execve(argv[0], argv.data(), envp.data());
            _exit(127);
        }
        close(pipefd[1]);
        pid_ = pid;
        out_ = pipefd[0];
        ended_ = false;
        output_ += "--- started on port " + std::to_string(port_) + "\n";
        const size_t from = output_.size();
        if (readUntil([&] { return output_.find("NET-SNMP version", from) != std::string::npos; }))
            return true;
        error = "snmpd did not start on port " + std::to_string(port_) + ":\n" + output_;
        kill();
        return false;
    }

    // Reads the agent's output until done(), the end of its output (it ended: ended_) or
    // the ceiling; the result of done().
    template <typename Done> bool readUntil(Done done)
    {
        const auto deadline = Clock::now() + kAgentCeiling;
        while (!done()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0)
                return false;
            pollfd p{out_, POLLIN, 0};
            const int r = poll(&p, 1, static_cast<int>(left));
            if (r < 0 && errno == EINTR)
                continue;
            if (r <= 0)
                return false;
            char buffer[4096];
            const ssize_t n = read(out_, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ended_ = true;
                return done();
            }
            output_.append(buffer, static_cast<size_t>(n));
        }
        return true;
    }

    // SIGTERM, and the agent stores its state (the boots) as it ends; the end of its
    // output is the event waited for.
    bool stop(std::string& error)
    {
        if (pid_ <= 0)
            return true;
        ::kill(pid_, SIGTERM);
        const bool ended = readUntil([&] { return ended_; });
        int status = 0;
        if (!ended)
            ::kill(pid_, SIGKILL);
        waitpid(pid_, &status, 0);
        pid_ = -1;
        close(out_);
        out_ = -1;
        if (!ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            error = "snmpd did not end cleanly on SIGTERM:\n" + output_;
            return false;
        }
        return true;
    }

    void kill()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
            pid_ = -1;
        }
        if (out_ >= 0) {
            close(out_);
            out_ = -1;
        }
    }

    QTemporaryDir dir_;
    std::string engineId_;
    int port_ = 0;
    pid_t pid_ = -1;
    int out_ = -1;
    bool ended_ = false;
    std::string output_;
};

// The library started once, its boots counter file in a temporary folder.
class LibraryEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        VhSNMPInit(dir_.path().toStdString());
    }

private:
    QTemporaryDir dir_;
};
[[maybe_unused]] ::testing::Environment* const g_library = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

// What the agent tells of itself, read in one get.
const VhSNMPObjectDesc AgentScalars[] = {
    {"1.3.6.1.2.1.1.5", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.6.3.10.2.1.2", "Engine boots", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {nullptr},
};

struct Mode {
    const char* label;
    bool async;
    const char* user;
    int32_t auth; // 2 MD5, 3 SHA-1
};

const Mode kModes[] = {
    {"async_md5des", true, "md5des", 2},
    {"sync_shades", false, "shades", 3},
};

// The library's code and text for an engine status.
struct LibraryError {
    int code = 0;
    std::string message;
};
LibraryError libraryError(int status)
{
    LibraryError e;
    TranslateSnmpStatus(status, e.code, e.message);
    return e;
}

struct Outcome {
    int code = 0;
    std::string message;
    std::string name, engineId, boots;
};

class RealAgent : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override
    {
        if (access(kSnmpd, X_OK) != 0)
            GTEST_SKIP() << kSnmpd << " is missing: install Debian's snmpd (scripts/deps.sh does) to run "
                         << "these tests against a real agent";
        // net-snmp keeps what it knows of an agent's boots and time by engine ID, for the
        // whole process: every agent has an ID of its own.
        static int agents = 0;
        agent = std::make_unique<Snmpd>("trq-real-" + std::to_string(++agents));
        std::string error;
        ASSERT_TRUE(agent->start(error)) << error;
    }

    void TearDown() override
    {
        if (HasFailure() && agent)
            std::cerr << "snmpd's output:\n" << agent->output() << std::endl;
        agent.reset();
    }

    void restart(Snmpd::Restart how)
    {
        std::string error;
        ASSERT_TRUE(agent->restart(how, error)) << error;
    }

    // One read of AgentScalars, authPriv, with this many retries and tries of this many
    // hundredths, the way the mode sends it.
    Outcome read(int retries, int hundredths)
    {
        VhSNMPRequest request;
        request.Device.Address = "127.0.0.1";
        request.Device.Port = static_cast<uint16_t>(agent->port());
        request.Security.Version = 3;
        request.Security.SecurityModel = 3;
        request.Security.SecurityName = GetParam().user;
        request.Security.SecurityLevel = 3;
        request.Security.AuthProtocol = GetParam().auth;
        request.Security.PrivProtocol = 2;
        request.Security.AuthPassword = kAuthPass;
        request.Security.PrivPassword = kPrivPass;
        request.Timeout = hundredths;
        request.Retries = retries;
        request.VarList = VhSNMPVarList(AgentScalars, SVT_SV, 0);

        Outcome outcome;
        if (GetParam().async) {
            int calls = 0;
            request.GetAsync(VhSNMPCompletion([&](const VhSNMPError& e, VhSNMPVarList&) {
                                 ++calls;
                                 outcome.code = e.Code;
                                 outcome.message = e.Message;
                             }),
                             true);
            EXPECT_TRUE(PumpWhile([&] { return calls == 0; }, kCompletionCeilingMs)) << "no completion";
        } else {
            try {
                request.Get(true);
            } catch (const Exception& e) {
                outcome.code = e.HelpContext;
                outcome.message = e.Message;
            }
        }
        if (outcome.code == 0) {
            outcome.name = request.VarList.Items[0]->Value;
            outcome.engineId = request.VarList.Items[1]->Value;
            outcome.boots = request.VarList.Items[2]->Value;
        }
        return outcome;
    }

    // Requests that should succeed get tries of 10 s: the agent answers within
    // milliseconds. A request that must wait out a try (the agent's answer is refused)
    // gets 5 s.
    Outcome read(int retries = 0) { return read(retries, 1000); }
    Outcome readShortTry(int retries) { return read(retries, 500); }

    std::unique_ptr<Snmpd> agent;
};

#define EXPECT_SUCCESS(outcome) EXPECT_EQ((outcome).code, 0) << (outcome).message

// A normal reboot: the agent's notInTimeWindow report (authenticated, boots one higher)
// brings the library into its time window within the request, which succeeds at once.
TEST_P(RealAgent, NormalRebootNeedsNoRetry)
{
    const Outcome first = read();
    ASSERT_EQ(first.code, 0) << first.message;
    EXPECT_EQ(first.name, "trq-real-agent");
    EXPECT_EQ(first.boots, "1");
    for (int boots = 2; boots <= 3; ++boots) {
        SCOPED_TRACE("reboot to " + std::to_string(boots));
        restart(Snmpd::Restart::Reboot);
        const Outcome after = read();
        EXPECT_SUCCESS(after);
        EXPECT_EQ(after.boots, std::to_string(boots));
        EXPECT_EQ(after.engineId, first.engineId);
    }
}

// The agent lost its stored boots: same engine ID, boots back at 1, lower than the library
// knows. The agent's reports then carry a boots that net-snmp alone never accepts; the
// library forgets the agent's boots and time instead. A request without a try left says
// "not in time window" (never "timed out") and the next one succeeds at its first try; a
// request with a try left succeeds at that try.
TEST_P(RealAgent, BootsLostAtARestart)
{
    ASSERT_EQ(read().code, 0);
    restart(Snmpd::Restart::Reboot);
    const Outcome before = read();
    ASSERT_EQ(before.code, 0) << before.message;
    ASSERT_EQ(before.boots, "2");

    restart(Snmpd::Restart::BootsLost);
    const Outcome refused = readShortTry(0);
    const LibraryError notInTimeWindow = libraryError(SNMPv3_USM_NOT_IN_TIME_WINDOW);
    EXPECT_EQ(refused.code, notInTimeWindow.code) << refused.message;
    EXPECT_EQ(refused.message, notInTimeWindow.message);
    const Outcome next = read();
    EXPECT_SUCCESS(next);
    EXPECT_EQ(next.boots, "1");
    EXPECT_EQ(next.engineId, before.engineId);

    // Again, with a try left: up to boots 2, then lost again.
    restart(Snmpd::Restart::Reboot);
    EXPECT_SUCCESS(read());
    restart(Snmpd::Restart::BootsLost);
    const Outcome retried = readShortTry(1);
    EXPECT_SUCCESS(retried);
    EXPECT_EQ(retried.boots, "1");
    EXPECT_SUCCESS(read());
}

// A new engine ID behind the same address. Configured anew, the agent still holds its users
// of the old ID and may answer the request still sent to it. Replaced, it answers with an
// unauthenticated unknownEngineID report that net-snmp drops: the request ends by its
// time-out, as "unknown engine ID" (never "timed out"). Either way the next request finds
// the new ID and succeeds at its first try.
TEST_P(RealAgent, NewEngineId)
{
    Outcome before = read();
    ASSERT_EQ(before.code, 0) << before.message;
    const LibraryError unknownEngineId = libraryError(SNMPv3_USM_UNKNOWN_ENGINEID);
    for (const Snmpd::Restart how : {Snmpd::Restart::NewEngineId, Snmpd::Restart::Replaced}) {
        const bool replaced = how == Snmpd::Restart::Replaced;
        SCOPED_TRACE(replaced ? "replaced" : "new engine ID");
        restart(how);
        const Outcome stale = readShortTry(0);
        if (replaced) {
            EXPECT_EQ(stale.code, unknownEngineId.code) << stale.message;
            EXPECT_EQ(stale.message, unknownEngineId.message);
        } else {
            EXPECT_TRUE(stale.code == 0 || stale.code == unknownEngineId.code) << stale.message;
        }
        const Outcome next = read();
        EXPECT_SUCCESS(next);
        EXPECT_NE(next.engineId, before.engineId);
        EXPECT_EQ(next.boots, "1");
        before = next;
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, RealAgent, ::testing::ValuesIn(kModes),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
