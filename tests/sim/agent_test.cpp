// trq3100-sim on loopback, driven by net-snmp's command-line tools and the control channel.
#include "simharness.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TRQ_SIM_ENVIRONMENT();

namespace {

using trqtest::sharedSim;

const std::string kUnitTable = "1.3.6.1.4.1.32473.12.11.1.9.5.1";
const std::string kPortControl = "1.3.6.1.4.1.32473.11.78.1.2.3.2.1";
const std::string kPortInfo = "1.3.6.1.4.1.32473.11.78.1.2.3.1.1";

struct ToolResult {
    int status = -1;
    std::string out;    // stdout and stderr together
};

// The tools' own persistent directory, instead of the machine's /var/lib/snmp.
struct ToolDir {
    std::string path;
    ToolDir()
    {
        char tmpl[] = "/tmp/trq-sim-tools-XXXXXX";
        path = mkdtemp(tmpl) ? tmpl : "/tmp";
    }
    ~ToolDir()
    {
        if (path != "/tmp")
            std::filesystem::remove_all(path);
    }
};

// Runs one net-snmp tool (argument vector, no shell) and collects its output.
ToolResult runTool(std::vector<std::string> args)
{
    static ToolDir toolDir;
    ToolResult r;
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        return r;
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    // Numeric OIDs, no MIB files, no configuration or state of the machine.
    std::vector<std::string> env = {"MIBS=", "SNMPCONFPATH=" + toolDir.path, "SNMP_PERSISTENT_DIR=" + toolDir.path};
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("PATH=", 0) == 0 || std::string(*e).rfind("LD_", 0) == 0)
            env.push_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        dup2(fds[1], STDERR_FILENO);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    ssize_t n;
    while ((n = read(fds[0], buf, sizeof buf)) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            r.out.append(buf, size_t(n));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

void expectLines(const std::string& out, std::initializer_list<const char*> lines)
{
    for (const char* line : lines)
        EXPECT_NE(out.find(line), std::string::npos) << line << "\n" << out;
}

std::string agent() { return "127.0.0.1:" + std::to_string(sharedSim().port()); }

std::vector<std::string> v2c(const std::string& tool, const std::string& community)
{
    return {tool, "-v2c", "-c", community, "-On", "-t", "2", "-r", "1", agent()};
}

ToolResult walk(const std::string& oid)
{
    auto a = v2c("snmpwalk", "mardle");
    a.push_back(oid);
    return runTool(a);
}

ToolResult get(const std::vector<std::string>& oids, const std::string& community = "mardle")
{
    auto a = v2c("snmpget", community);
    a.insert(a.end(), oids.begin(), oids.end());
    return runTool(a);
}

ToolResult set(const std::vector<std::string>& triples, const std::string& version = "-v2c")
{
    std::vector<std::string> a = {"snmpset", version, "-c", "quillon", "-On", "-t", "2", "-r", "1", agent()};
    a.insert(a.end(), triples.begin(), triples.end());
    return runTool(a);
}

} // namespace

TEST(SimAgent, WalksTheUnitTableOfTheShippedChassis)
{
    ToolResult r = walk(kUnitTable);
    ASSERT_EQ(r.status, 0) << r.out;
    expectLines(r.out, {
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.1.1 = INTEGER: 1",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.1.5 = INTEGER: 5",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.3.2 = INTEGER: 65",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.3.5 = INTEGER: 257",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.9.1 = STRING: \"TRQ-3120\"",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.9.2 = STRING: \"TRQ-3114\"",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.9.3 = STRING: \"TRQ-3117\"",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.9.4 = STRING: \"TRQ-3118\"",
        ".1.3.6.1.4.1.32473.12.11.1.9.5.1.9.5 = STRING: \"TRQ-3122\"",
    });
    EXPECT_EQ(r.out.find(".9.5.1.1.6 "), std::string::npos) << "units 6..8 are empty";
}

TEST(SimAgent, SetOfTheReadOnlyUnitTableIsRefused)
{
    ToolResult r = set({kUnitTable + ".9.1", "s", "TRQ-3114"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("notWritable"), std::string::npos) << r.out;
    EXPECT_NE(walk(kUnitTable + ".9.1").out.find("\"TRQ-3120\""), std::string::npos);
}

// A multi-varbind set is all or nothing: the first varbind is valid, the second is not.
TEST(SimAgent, SetFailingOnItsSecondVarbindLeavesTheFirstUnchanged)
{
    struct Case {
        const char* version;
        std::vector<std::string> second;
        const char* reason;
    } cases[] = {
        {"-v2c", {kPortControl + ".3.2", "i", "9"}, "wrongValue"},
        {"-v2c", {kPortControl + ".3.2", "s", "x"}, "wrongType"},
        {"-v2c", {kPortControl + ".1.2", "i", "7"}, "notWritable"},
        {"-v2c", {kPortControl + ".3.5000", "i", "2"}, "noCreation"},
        {"-v2c", {"1.3.6.1.2.1.1.5.0", "s", std::string(300, 'x')}, "wrongLength"},   // another subtree
        {"-v1", {kPortControl + ".3.2", "i", "9"}, "badValue"},
        {"-v1", {kPortControl + ".1.2", "i", "7"}, "noSuchName"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {kPortControl + ".3.1", "i", "2"};
        args.insert(args.end(), c.second.begin(), c.second.end());
        ToolResult r = set(args, c.version);
        EXPECT_NE(r.status, 0) << c.reason;
        EXPECT_NE(r.out.find(c.reason), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("Failed object: ." + c.second[0]), std::string::npos) << r.out;
        EXPECT_NE(get({kPortControl + ".3.1"}).out.find("INTEGER: 3"), std::string::npos) << c.reason;
    }
}

TEST(SimAgent, CommunitiesAreReadOnlyAndReadWrite)
{
    ToolResult denied = set({"1.3.6.1.2.1.1.5.0", "s", "x"});
    ASSERT_EQ(denied.status, 0) << denied.out;               // quillon writes
    std::vector<std::string> a = {"snmpset", "-v2c", "-c", "mardle", "-On", "-t", "2", "-r", "1", agent(),
                                  "1.3.6.1.2.1.1.5.0", "s", "y"};
    denied = runTool(a);
    EXPECT_NE(denied.status, 0);
    EXPECT_NE(denied.out.find("noAccess"), std::string::npos) << denied.out;
    EXPECT_NE(get({"1.3.6.1.2.1.1.5.0"}).out.find("STRING: \"x\""), std::string::npos);
    EXPECT_EQ(set({"1.3.6.1.2.1.1.5.0", "s", "trq3100"}).status, 0);

    ToolResult unknown = runTool({"snmpget", "-v2c", "-c", "nobody", "-t", "0.2", "-r", "0", agent(),
                                  "1.3.6.1.2.1.1.5.0"});
    EXPECT_NE(unknown.status, 0);
    EXPECT_NE(unknown.out.find("Timeout"), std::string::npos) << unknown.out;
}

TEST(SimAgent, EveryShippedV3UserReadsAndWrites)
{
    const std::vector<std::vector<std::string>> users = {
        {"-u", "noauth", "-l", "noAuthNoPriv"},
        {"-u", "md5only", "-l", "authNoPriv", "-a", "MD5", "-A", "authpass123"},
        {"-u", "md5des", "-l", "authPriv", "-a", "MD5", "-A", "authpass123", "-x", "DES", "-X", "privpass123"},
        {"-u", "shades", "-l", "authPriv", "-a", "SHA", "-A", "authpass123", "-x", "DES", "-X", "privpass123"},
        {"-u", "shaaes", "-l", "authPriv", "-a", "SHA", "-A", "authpass123", "-x", "AES", "-X", "privpass123"},
    };
    for (const auto& user : users) {
        std::vector<std::string> a = {"snmpset", "-v3", "-On", "-t", "2", "-r", "1"};
        a.insert(a.end(), user.begin(), user.end());
        a.insert(a.end(), {agent(), "1.3.6.1.2.1.1.6.0", "s", "lab " + user[1]});
        ToolResult r = runTool(a);
        EXPECT_EQ(r.status, 0) << user[1] << ": " << r.out;
        a[0] = "snmpget";
        a.resize(a.size() - 2);
        r = runTool(a);
        EXPECT_NE(r.out.find("STRING: \"lab " + user[1] + "\""), std::string::npos) << r.out;
    }
    std::vector<std::string> wrong = {"snmpget", "-v3", "-On", "-t", "2", "-r", "0"};
    wrong.insert(wrong.end(), users[4].begin(), users[4].end());
    wrong[wrong.size() - 5] = "wrongpass1";
    wrong.insert(wrong.end(), {agent(), "1.3.6.1.2.1.1.6.0"});
    ToolResult r = runTool(wrong);
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("Authentication failure"), std::string::npos) << r.out;
    EXPECT_EQ(set({"1.3.6.1.2.1.1.6.0", "s", ""}).status, 0);
}

// The SNMPv3 framework tables are the profile's: a user row created and destroyed there gives
// the agent no such user. The engine and USM statistics groups are net-snmp's own, and the
// walk command lists them as an SNMP walk gives them.
TEST(SimAgent, FrameworkTablesAreTheProfilesAndTheWalkListsTheAgentsOwnGroups)
{
    auto& sim = sharedSim();
    const std::string guest = "1.3.6.1.6.3.15.1.2.2.1.13.11.128.0.126.217.3.0.128.200.16.0.1.5.103.117.101.115.116";
    ASSERT_EQ(set({guest, "i", "4"}).status, 0);
    ASSERT_EQ(sim.walk(guest).size(), 1u);
    ToolResult r = runTool({"snmpget", "-v3", "-u", "guest", "-l", "noAuthNoPriv", "-On", "-t", "1", "-r", "0",
                            agent(), "1.3.6.1.2.1.1.5.0"});
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.out.find("Unknown user name"), std::string::npos) << r.out;
    ASSERT_EQ(set({guest, "i", "6"}).status, 0);
    EXPECT_TRUE(sim.walk(guest).empty());

    for (const std::string group : {"1.3.6.1.6.3.15.1.1", "1.3.6.1.6.3.11.2.1", "1.3.6.1.6.3.10.2.1"}) {
        SCOPED_TRACE(group);
        const auto listed = sim.walk(group);
        r = walk(group);
        ASSERT_EQ(r.status, 0) << r.out;
        ASSERT_FALSE(listed.empty());
        for (const auto& vb : listed) {
            if (vb.oid == "1.3.6.1.6.3.10.2.1.3.0")
                continue; // the engine's time goes on
            const std::size_t at = r.out.find("." + vb.oid + " = ");
            ASSERT_NE(at, std::string::npos) << vb.oid << "\n" << r.out;
            // The tool breaks long octet strings over lines: compare without white space.
            std::string line;
            for (char c : r.out.substr(at + 1, r.out.find("\n.", at + 1) - at - 1))
                if (!std::isspace(static_cast<unsigned char>(c)))
                    line += c;
            EXPECT_NE(line.find(":" + vb.value), std::string::npos) << line << " / " << vb.type << " " << vb.value;
        }
    }
}

TEST(SimAgent, PduLogRecordsRequestsAndTheStatusAnswered)
{
    auto& sim = sharedSim();
    ASSERT_TRUE(sim.clearLog()) << sim.lastError;
    get({kUnitTable + ".9.1"});
    set({kPortControl + ".3.1", "i", "3", kPortControl + ".4.1", "i", "7"});
    std::vector<std::string> v3 = {"snmpset", "-v3", "-u", "shaaes", "-l", "authPriv", "-a", "SHA", "-A",
                                   "authpass123", "-x", "AES", "-X", "privpass123", "-t", "2", "-r", "1",
                                   agent(), "1.3.6.1.4.1.32473.12.1.2.6.0", "i", "9"};
    runTool(v3);

    auto log = sim.pduLog();
    ASSERT_EQ(log.size(), 3u) << sim.lastError;
    EXPECT_EQ(log[0].type, "get");
    EXPECT_EQ(log[0].version, 1);
    EXPECT_EQ(log[0].securityName, "mardle");
    ASSERT_EQ(log[0].varbinds.size(), 1u);
    EXPECT_EQ(log[0].varbinds[0].oid, kUnitTable + ".9.1");
    EXPECT_EQ(log[0].varbinds[0].type, "NULL");

    EXPECT_EQ(log[1].type, "set");
    EXPECT_EQ(log[1].securityName, "quillon");
    ASSERT_EQ(log[1].varbinds.size(), 2u);
    EXPECT_EQ(log[1].varbinds[1].type, "INTEGER");
    EXPECT_EQ(log[1].varbinds[1].value, "7");
    EXPECT_EQ(log[1].errorStatus, 10);        // wrongValue: Nway 7 is not in the list
    EXPECT_EQ(log[1].errorIndex, 2);

    EXPECT_EQ(log[2].version, 3);
    EXPECT_EQ(log[2].securityName, "shaaes");
    EXPECT_EQ(log[2].errorStatus, 10);
    EXPECT_EQ(log[2].errorIndex, 1);
}

TEST(SimAgent, MuteDropsRepliesAndDelayHoldsThem)
{
    auto& sim = sharedSim();
    ASSERT_TRUE(sim.mute(true));
    ToolResult r = runTool({"snmpget", "-v2c", "-c", "mardle", "-t", "0.2", "-r", "0", agent(), "1.3.6.1.2.1.1.5.0"});
    ASSERT_TRUE(sim.mute(false));
    EXPECT_NE(r.out.find("Timeout"), std::string::npos) << r.out;

    ASSERT_TRUE(sim.delay(600));
    ToolResult early = runTool({"snmpget", "-v2c", "-c", "mardle", "-t", "0.1", "-r", "0", agent(), "1.3.6.1.2.1.1.5.0"});
    ToolResult late = runTool({"snmpget", "-v2c", "-c", "mardle", "-t", "5", "-r", "0", agent(), "1.3.6.1.2.1.1.5.0"});
    ASSERT_TRUE(sim.delay(0));
    EXPECT_NE(early.out.find("Timeout"), std::string::npos) << early.out;
    EXPECT_EQ(late.status, 0) << late.out;
}

TEST(SimAgent, FailNextSetAnswersTheGivenStatusOnceAndChangesNothing)
{
    auto& sim = sharedSim();
    ASSERT_TRUE(sim.failNextSet(5, 2));
    ToolResult r = set({kPortControl + ".5.1", "i", "3", kPortControl + ".6.1", "i", "3"});
    EXPECT_NE(r.out.find("genErr"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Failed object: ." + kPortControl + ".6.1"), std::string::npos) << r.out;
    EXPECT_NE(get({kPortControl + ".5.1"}).out.find("INTEGER: 2"), std::string::npos);

    ASSERT_EQ(set({kPortControl + ".5.1", "i", "3"}).status, 0);
    EXPECT_NE(get({kPortControl + ".5.1"}).out.find("INTEGER: 3"), std::string::npos);
    ASSERT_EQ(set({kPortControl + ".5.1", "i", "2"}).status, 0);
}

TEST(SimAgent, ModulesAndLedsChangeAtRunTime)
{
    auto& sim = sharedSim();
    ASSERT_TRUE(sim.insertModule(7, "TRQ-3119")) << sim.lastError;
    ASSERT_TRUE(sim.setLeds(7, "0202020201")) << sim.lastError;
    ToolResult units = walk(kUnitTable + ".9");
    ToolResult leds = get({kUnitTable + ".5.7", kUnitTable + ".3.7"});
    ToolResult ports = walk(kPortInfo + ".4");
    ASSERT_TRUE(sim.removeModule(7)) << sim.lastError;
    ToolResult after = walk(kUnitTable + ".9");

    EXPECT_NE(units.out.find(".9.5.1.9.7 = STRING: \"TRQ-3119\""), std::string::npos) << units.out;
    EXPECT_NE(leds.out.find("Hex-STRING: 02 02 02 02 01"), std::string::npos) << leds.out;
    EXPECT_NE(leds.out.find("INTEGER: 385"), std::string::npos) << leds.out;
    EXPECT_NE(ports.out.find(".1.1.4.385 = INTEGER: 12"), std::string::npos) << ports.out;
    EXPECT_NE(ports.out.find(".1.1.4.396 = INTEGER: 12"), std::string::npos) << ports.out;
    EXPECT_EQ(ports.out.find(".1.1.4.397 "), std::string::npos) << ports.out;
    EXPECT_EQ(after.out.find(".9.5.1.9.7 "), std::string::npos) << after.out;
    EXPECT_FALSE(sim.removeModule(7));
    EXPECT_FALSE(sim.insertModule(9, "TRQ-3119"));
    EXPECT_FALSE(sim.insertModule(6, "TRQ-9999"));
}

TEST(SimAgent, SwapExchangesModulesWithTheirLeds)
{
    auto& sim = sharedSim();
    ASSERT_TRUE(sim.insertModule(7, "TRQ-3119")) << sim.lastError;
    ASSERT_TRUE(sim.setLeds(7, "0202020281")) << sim.lastError;
    ASSERT_TRUE(sim.swapModules(7, 8)) << sim.lastError; // into an empty unit
    ASSERT_TRUE(sim.swapModules(2, 8)) << sim.lastError; // with the TRQ-3114 of unit 2
    ToolResult units = walk(kUnitTable + ".9");
    ToolResult leds = get({kUnitTable + ".5.2", kUnitTable + ".3.8"});
    ToolResult ports = walk(kPortInfo + ".4");
    ASSERT_TRUE(sim.swapModules(8, 2)) << sim.lastError;
    ASSERT_TRUE(sim.removeModule(8)) << sim.lastError;

    EXPECT_NE(units.out.find(".9.5.1.9.2 = STRING: \"TRQ-3119\""), std::string::npos) << units.out;
    EXPECT_NE(units.out.find(".9.5.1.9.8 = STRING: \"TRQ-3114\""), std::string::npos) << units.out;
    EXPECT_EQ(units.out.find(".9.5.1.9.7 "), std::string::npos) << units.out;
    EXPECT_NE(leds.out.find("Hex-STRING: 02 02 02 02 81"), std::string::npos) << leds.out;
    EXPECT_NE(leds.out.find("INTEGER: 449"), std::string::npos) << leds.out;
    EXPECT_NE(ports.out.find(".1.1.4.65 = INTEGER: 12"), std::string::npos) << ports.out;
    EXPECT_NE(ports.out.find(".1.1.4.449 = INTEGER: 5"), std::string::npos) << ports.out;
    EXPECT_FALSE(sim.swapModules(6, 7)); // both empty
    EXPECT_FALSE(sim.swapModules(2, 2));
    EXPECT_FALSE(sim.swapModules(2, 9));
}

// Tables of the test profile, on a simulator of their own.
class SimTestProfile : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        sim_ = new trqtest::SimProcess(trqtest::SimOptions{"test.profile", "", {}});
        std::string error;
        ASSERT_TRUE(sim_->start(&error)) << error;
    }
    static void TearDownTestSuite()
    {
        delete sim_;
        sim_ = nullptr;
    }
    static ToolResult tool(const std::string& name, const std::string& version, std::vector<std::string> args)
    {
        std::vector<std::string> a = {name, version, "-c", name == "snmpset" ? "quillon" : "mardle", "-On",
                                      "-t", "2", "-r", "1", "127.0.0.1:" + std::to_string(sim_->port())};
        a.insert(a.end(), args.begin(), args.end());
        return runTool(a);
    }
    static trqtest::SimProcess* sim_;
};
trqtest::SimProcess* SimTestProfile::sim_ = nullptr;

TEST_F(SimTestProfile, ServesEveryTypeExactly)
{
    ToolResult r = tool("snmpwalk", "-v2c", {"1.3.6.1.4.1.32473.99.7"});
    expectLines(r.out, {
        ".99.7.1.0 = INTEGER: -5",
        ".99.7.2.0 = STRING: \"two words\"",
        ".99.7.3.0 = Hex-STRING: 00 01 FE FF",
        ".99.7.4.0 = OID: .1.3.6.1.4.1.32473.99",
        ".99.7.5.0 = IpAddress: 192.168.1.20",
        ".99.7.6.0 = Counter32: 4294967295",
        ".99.7.7.0 = Gauge32: 100",
        ".99.7.8.0 = Timeticks: (12345)",
        ".99.7.9.0 = Counter64: 18446744073709551615",
        ".99.7.10.0 = Opaque: ",
    });

    // SNMPv1 cannot carry Counter64: a v1 walk steps over it.
    ToolResult v1 = tool("snmpwalk", "-v1", {"1.3.6.1.4.1.32473.99.7"});
    EXPECT_EQ(v1.status, 0) << v1.out;
    EXPECT_EQ(v1.out.find(".99.7.9.0"), std::string::npos) << v1.out;
    EXPECT_NE(v1.out.find(".99.7.10.0"), std::string::npos) << v1.out;
}

TEST_F(SimTestProfile, MissingCellsAreNoSuchInstanceAndUnknownObjectsNoSuchObject)
{
    ToolResult r = tool("snmpget", "-v2c", {"1.3.6.1.4.1.32473.99.4.1.2.3", "1.3.6.1.4.1.32473.99.4.1.2.4",
                                            "1.3.6.1.4.1.32473.99.9.0"});
    EXPECT_NE(r.out.find(".99.4.1.2.3 = No Such Instance"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.4.1.2.4 = STRING: \"row 4\""), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.9.0 = No Such Object"), std::string::npos) << r.out;

    ToolResult bulk = tool("snmpbulkwalk", "-v2c", {"1.3.6.1.4.1.32473.99.6.1.2"});
    EXPECT_NE(bulk.out.find(".99.6.1.2.65 = Gauge32: 1"), std::string::npos) << bulk.out;
    EXPECT_EQ(bulk.out.find(".99.6.1.2.66 "), std::string::npos) << bulk.out;
}

TEST_F(SimTestProfile, RowStatusRowsAreCreatedAndDestroyedOverTheWire)
{
    const std::string R = "1.3.6.1.4.1.32473.99.2.1.";
    // createAndGo first, its required name after it, in one PDU.
    ToolResult r = tool("snmpset", "-v2c", {R + "5.9", "i", "4", R + "2.9", "s", "nine", R + "4.9", "a", "10.9.9.9"});
    ASSERT_EQ(r.status, 0) << r.out;
    r = tool("snmpwalk", "-v2c", {R.substr(0, R.size() - 1)});
    EXPECT_NE(r.out.find(".99.2.1.1.9 = INTEGER: 9"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.2.1.3.9 = INTEGER: 0"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.2.1.4.9 = IpAddress: 10.9.9.9"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.2.1.5.9 = INTEGER: 1"), std::string::npos) << r.out;

    r = tool("snmpset", "-v2c", {R + "5.10", "i", "4"});
    EXPECT_NE(r.out.find("inconsistentValue"), std::string::npos) << r.out;
    r = tool("snmpset", "-v2c", {R + "2.9", "s", "an overlong name of the row"});
    EXPECT_NE(r.out.find("wrongLength"), std::string::npos) << r.out;

    ASSERT_EQ(tool("snmpset", "-v2c", {R + "5.9", "i", "6"}).status, 0);
    r = tool("snmpwalk", "-v2c", {R.substr(0, R.size() - 1)});
    EXPECT_EQ(r.out.find(".9 = "), std::string::npos) << r.out;

    // State-column table: invalid(2) deletes the row.
    const std::string T = "1.3.6.1.4.1.32473.99.3.1.";
    ASSERT_EQ(tool("snmpset", "-v2c", {T + "4.2", "i", "2"}).status, 0);
    r = tool("snmpwalk", "-v2c", {"1.3.6.1.4.1.32473.99.3.1.1"});
    EXPECT_NE(r.out.find(".99.3.1.1.1 = "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(".99.3.1.1.2 = "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".99.3.1.1.3 = "), std::string::npos) << r.out;
}

TEST(SimHarness, StartsPrivateSimulatorsAndStopsThem)
{
    trqtest::SimProcess a, b;
    std::string error;
    ASSERT_TRUE(a.start(&error)) << error;
    ASSERT_TRUE(b.start(&error)) << error;
    EXPECT_NE(a.port(), b.port());
    EXPECT_TRUE(a.running());
    a.stop();
    EXPECT_FALSE(a.running());
    EXPECT_EQ(a.port(), 0);
    EXPECT_FALSE(a.mute(true));
    EXPECT_EQ(b.command("ping"), "OK pong");
    a.stop();                                         // a second stop does nothing

    trqtest::SimProcess broken(trqtest::SimOptions{"/nonexistent.profile", "", {}});
    EXPECT_FALSE(broken.start(&error));
    EXPECT_NE(error.find("did not start"), std::string::npos) << error;
    EXPECT_FALSE(broken.running());
}

// A profile that cannot be served ends the simulator at once with the line at fault.
TEST(SimHarness, AHostileProfileEndsTheSimulatorWithItsLine)
{
    ToolDir dir;
    const std::string profile = dir.path + "/hostile.profile";
    std::ofstream(profile) << "@subtree 1.3.6\n@rows 1.3.6.1 1 2\n1 INTEGER ro {" << std::string(100000, '(')
                           << "1}\n@end\n";
    const ToolResult r = runTool({trqtest::simBinary(), "--profile", profile, "--listen", "udp:127.0.0.1:0"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out.rfind("trq3100-sim: " + profile + ":3: expression {", 0), 0u) << r.out.substr(0, 200);
    EXPECT_NE(r.out.find("nested too deeply"), std::string::npos) << r.out.substr(0, 200);
}

// A test's own configuration: other communities, a fixed engine ID and a boots counter
// (engineBoots N with the same engine ID as oldEngineID starts at N + 1).
TEST(SimHarness, UsesATestsOwnConfiguration)
{
    trqtest::SimOptions options;
    options.confText = "rwcommunity other 127.0.0.1\n"
                       "engineID trq-test\n"
                       "oldEngineID 0x80001f88047472712d74657374\n"
                       "engineBoots 41\n";
    trqtest::SimProcess sim(options);
    std::string error;
    ASSERT_TRUE(sim.start(&error)) << error;
    std::string port = "127.0.0.1:" + std::to_string(sim.port());
    ToolResult r = runTool({"snmpget", "-v2c", "-c", "other", "-On", "-t", "2", "-r", "1", port,
                            "1.3.6.1.6.3.10.2.1.1.0", "1.3.6.1.6.3.10.2.1.2.0"});
    EXPECT_NE(r.out.find("Hex-STRING: 80 00 1F 88 04 74 72 71 2D 74 65 73 74"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(".1.3.6.1.6.3.10.2.1.2.0 = INTEGER: 42"), std::string::npos) << r.out;
    r = runTool({"snmpget", "-v2c", "-c", "mardle", "-t", "0.2", "-r", "0", port, "1.3.6.1.2.1.1.5.0"});
    EXPECT_NE(r.out.find("Timeout"), std::string::npos) << r.out;
}
