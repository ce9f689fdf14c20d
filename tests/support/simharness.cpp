#include "simharness.h"

#include "sim/control.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <functional>
#include <sstream>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace trqtest {

namespace {

using Clock = std::chrono::steady_clock;

// Ceilings, never waits: generous for sanitizer builds on a machine loaded by other work.
const auto kStartTimeout = std::chrono::seconds(60);
const auto kStopTimeout = std::chrono::seconds(10);
const auto kControlTimeout = std::chrono::seconds(60);

std::string envOr(const char* name, const char* fallback)
{
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string resolve(const std::string& name, const char* shipped)
{
    if (name.empty())
        return simFile(shipped);
    if (name.find('/') == std::string::npos)
        return simFile(name);
    return name;
}

// Reads one line from fd within the deadline; false on EOF, error or time-out.
bool readLine(int fd, std::string& buffer, std::string& line, Clock::time_point deadline)
{
    for (;;) {
        size_t nl = buffer.find('\n');
        if (nl != std::string::npos) {
            line = buffer.substr(0, nl);
            buffer.erase(0, nl + 1);
            return true;
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd p{fd, POLLIN, 0};
        int r = poll(&p, 1, int(left));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        char buf[4096];
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        buffer.append(buf, size_t(n));
    }
}

} // namespace

std::string simBinary()
{
    return envOr("TRQ_BINARY_DIR", TRQ_SIM_BUILD_DIR) + "/sim/trq3100-sim";
}

std::string simFile(const std::string& name)
{
    return envOr("TRQ_SOURCE_DIR", TRQ_SIM_SOURCE_DIR) + "/sim/" + name;
}

struct SimProcess::Impl {
    SimOptions options;
    pid_t pid = -1;
    int out = -1;            // the simulator's stdout
    int control = -1;        // control socket
    int port = 0;
    bool attached = false;   // started elsewhere: never signalled or reaped here
    std::string dir;
    std::string outBuffer, controlBuffer;

    void closeFds()
    {
        if (out >= 0)
            close(out);
        if (control >= 0)
            close(control);
        out = control = -1;
    }
};

SimProcess::SimProcess(SimOptions options) : d(new Impl)
{
    d->options = std::move(options);
}

SimProcess::~SimProcess()
{
    stop();
    delete d;
}

bool SimProcess::start(std::string* error)
{
    auto fail = [&](const std::string& why) {
        lastError = why;
        if (error)
            *error = why;
        stop();
        return false;
    };
    if (d->pid > 0)
        return true;
    char tmpl[] = "/tmp/trq3100-sim-test-XXXXXX";
    if (!mkdtemp(tmpl))
        return fail(std::string("mkdtemp: ") + strerror(errno));
    d->dir = tmpl;

    std::string conf = resolve(d->options.conf, "trq3100-sim.conf");
    if (!d->options.confText.empty()) {
        conf = d->dir + "/sim.conf";
        std::ofstream(conf) << d->options.confText;
    }
    std::vector<std::string> args = {simBinary(),
                                     "--profile", resolve(d->options.profile, "trq3100.profile"),
                                     "--listen", "udp:127.0.0.1:0",
                                     "--conf", conf,
                                     "--dir", d->dir};
    args.insert(args.end(), d->options.extraArgs.begin(), d->options.extraArgs.end());
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int pipefd[2];
    if (pipe2(pipefd, O_CLOEXEC) != 0)
        return fail(std::string("pipe: ") + strerror(errno));
    const pid_t parent = getpid();
    pid_t pid = fork();
    if (pid < 0) {
        close(pipefd[0]);
        close(pipefd[1]);
        return fail(std::string("fork: ") + strerror(errno));
    }
    if (pid == 0) {
        // Only async-signal-safe calls here: the test process may have threads.
        dup2(pipefd[1], STDOUT_FILENO);
        close_range(3, ~0U, 0);                 // no sockets of the test leak into the agent
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        prctl(PR_SET_PDEATHSIG, SIGTERM);       // a crashed test leaves no simulator behind
        if (getppid() != parent)
            _exit(127);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipefd[1]);
    d->pid = pid;
    d->out = pipefd[0];

    std::string line;
    if (!readLine(d->out, d->outBuffer, line, Clock::now() + kStartTimeout) ||
        line.rfind("READY port=", 0) != 0)
        return fail("the simulator did not start (" + args[0] + "): " + (line.empty() ? "no READY line" : line));
    d->port = std::atoi(line.c_str() + 11);
    std::string why;
    if (!connectControl(why))
        return fail(why);
    return true;
}

bool SimProcess::connectControl(std::string& error)
{
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::string path = d->dir + "/control.sock";
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    d->control = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (d->control < 0 || connect(d->control, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        error = "cannot connect to " + path + ": " + strerror(errno);
        return false;
    }
    return true;
}

bool SimProcess::attach(const std::string& detachFile, std::string* error)
{
    stop();
    std::ifstream in(detachFile);
    std::string word;
    while (in >> word) {
        if (word.rfind("port=", 0) == 0)
            d->port = std::atoi(word.c_str() + 5);
        else if (word.rfind("pid=", 0) == 0)
            d->pid = std::atoi(word.c_str() + 4);
        else if (word.rfind("dir=", 0) == 0)
            d->dir = word.substr(4);
    }
    d->attached = true;
    std::string why = "no simulator described in " + detachFile;
    if (d->port <= 0 || d->pid <= 0 || d->dir.empty() || !connectControl(why)) {
        lastError = why;
        if (error)
            *error = why;
        stop();
        return false;
    }
    return true;
}

void SimProcess::stop()
{
    if (d->attached) {
        d->closeFds();
        d->pid = -1;
        d->port = 0;
        d->dir.clear();
        d->controlBuffer.clear();
        d->attached = false;
        return;
    }
    if (d->pid > 0) {
        kill(d->pid, SIGTERM);
        auto deadline = Clock::now() + kStopTimeout;
        int status = 0;
        for (;;) {
            pid_t r = waitpid(d->pid, &status, WNOHANG);
            if (r == d->pid || (r < 0 && errno != EINTR))
                break;
            if (Clock::now() > deadline) {
                kill(d->pid, SIGKILL);
                waitpid(d->pid, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        d->pid = -1;
    }
    d->closeFds();
    d->port = 0;
    d->outBuffer.clear();
    d->controlBuffer.clear();
    if (!d->dir.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(d->dir, ec);
        d->dir.clear();
    }
}

bool SimProcess::running() const
{
    if (d->attached)
        return d->pid > 0 && kill(d->pid, 0) == 0;
    return d->pid > 0 && waitpid(d->pid, nullptr, WNOHANG) == 0;
}

int SimProcess::port() const
{
    return d->port;
}

std::string SimProcess::command(const std::string& line)
{
    if (d->control < 0) {
        lastError = "the simulator is not running";
        return "ERR " + lastError;
    }
    std::string msg = line + "\n";
    size_t off = 0;
    while (off < msg.size()) {
        ssize_t n = send(d->control, msg.data() + off, msg.size() - off, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            lastError = std::string("control channel: ") + strerror(errno);
            return "ERR " + lastError;
        }
        off += size_t(n);
    }
    std::string answer, l;
    auto deadline = Clock::now() + kControlTimeout;
    while (readLine(d->control, d->controlBuffer, l, deadline)) {
        if (l == ".")
            return answer;
        if (!answer.empty())
            answer += '\n';
        answer += l;
    }
    lastError = "control channel closed or timed out";
    return "ERR " + lastError;
}

namespace {

bool ok(SimProcess& sim, const std::string& answer)
{
    if (answer.rfind("OK", 0) == 0)
        return true;
    sim.lastError = answer.rfind("ERR ", 0) == 0 ? answer.substr(4) : answer;
    return false;
}

} // namespace

bool SimProcess::mute(bool on) { return ok(*this, command(on ? "mute on" : "mute off")); }
bool SimProcess::delay(int ms) { return ok(*this, command("delay " + std::to_string(ms))); }
bool SimProcess::failNextSet(int errorStatus, int errorIndex)
{
    return ok(*this, command("failset " + std::to_string(errorStatus) + " " + std::to_string(errorIndex)));
}
bool SimProcess::report(const std::string& counter, int count)
{
    return ok(*this, command(counter == "off" ? "report off" : "report " + counter + " " + std::to_string(count)));
}
bool SimProcess::fault(const std::string& name, int every)
{
    return ok(*this, command(name == "off" ? "fault off" : "fault " + name + " " + std::to_string(every)));
}
bool SimProcess::setValue(const std::string& oid, const std::string& tag, const std::string& value)
{
    return ok(*this, command("set " + oid + " " + tag + " " + value));
}
bool SimProcess::removeValue(const std::string& oid) { return ok(*this, command("remove " + oid)); }
bool SimProcess::insertModule(int unit, const std::string& model)
{
    return ok(*this, command("module insert " + std::to_string(unit) + " " + model));
}
bool SimProcess::removeModule(int unit) { return ok(*this, command("module remove " + std::to_string(unit))); }
bool SimProcess::swapModules(int unitA, int unitB)
{
    return ok(*this, command("module swap " + std::to_string(unitA) + " " + std::to_string(unitB)));
}
bool SimProcess::setLeds(int unit, const std::string& hexOctets)
{
    return ok(*this, command("leds " + std::to_string(unit) + " " + hexOctets));
}
bool SimProcess::clearLog() { return ok(*this, command("log clear")); }

namespace {

// Calls line(kind, rest) for every line of a control answer after its "OK" line, the rest
// of the line as a stream after its first word.
void forEachLine(const std::string& answer, const std::function<void(const std::string&, std::istringstream&)>& line)
{
    std::istringstream in(answer);
    std::string text;
    std::getline(in, text); // OK n
    while (std::getline(in, text)) {
        std::istringstream w(text);
        std::string kind;
        w >> kind;
        line(kind, w);
    }
}

// One "VB oid tag value" line's fields after the word VB.
PduLogEntry::Varbind readVarbind(std::istringstream& w)
{
    PduLogEntry::Varbind vb;
    std::string value;
    w >> vb.oid >> vb.type >> value;
    vb.value = trqsim::unescapeField(value);
    return vb;
}

} // namespace

std::vector<PduLogEntry> SimProcess::pduLog()
{
    std::vector<PduLogEntry> out;
    const std::string answer = command("log");
    if (!ok(*this, answer))
        return out;
    forEachLine(answer, [&out](const std::string& kind, std::istringstream& w) {
        if (kind == "PDU") {
            PduLogEntry e;
            std::string name;
            size_t count;
            w >> e.type >> e.version >> name >> e.errorStatus >> e.errorIndex >> count;
            e.securityName = trqsim::unescapeField(name);
            out.push_back(std::move(e));
        } else if (kind == "VB" && !out.empty()) {
            out.back().varbinds.push_back(readVarbind(w));
        }
    });
    return out;
}

std::vector<PduLogEntry::Varbind> SimProcess::walk(const std::string& oid)
{
    std::vector<PduLogEntry::Varbind> out;
    const std::string answer = command("walk " + oid);
    if (!ok(*this, answer))
        return out;
    forEachLine(answer, [&out](const std::string& kind, std::istringstream& w) {
        if (kind == "VB")
            out.push_back(readVarbind(w));
    });
    return out;
}

// --- the shared simulator of a test binary ----------------------------------------------

namespace {

std::unique_ptr<SimProcess>& sharedSlot()
{
    static std::unique_ptr<SimProcess> sim;
    return sim;
}

} // namespace

SimProcess& sharedSim()
{
    auto& sim = sharedSlot();
    if (!sim)
        sim = std::make_unique<SimProcess>();
    if (!sim->running()) {
        sim->stop();
        std::string error;
        const char* fixture = std::getenv("TRQ_SIM_FILE");
        if (fixture && *fixture) {
            if (!sim->attach(fixture, &error))
                ADD_FAILURE() << "cannot attach to the fixture's trq3100-sim: " << error;
        } else if (!sim->start(&error))
            ADD_FAILURE() << "cannot start trq3100-sim: " << error;
    }
    return *sim;
}

void SimEnvironment::SetUp()
{
    SimProcess& sim = sharedSim();
    ASSERT_TRUE(sim.running()) << sim.lastError;
}

void SimEnvironment::TearDown()
{
    sharedSlot().reset();
}

} // namespace trqtest
