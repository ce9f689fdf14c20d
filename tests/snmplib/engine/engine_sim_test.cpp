// The engine layer against the device simulator on loopback.
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "simharness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const kSysObjectId = "1.3.6.1.2.1.1.2.0";
const char* const kSysName = "1.3.6.1.2.1.1.5.0";
const char* const kSysContact = "1.3.6.1.2.1.1.4.0";
const char* const kUnitEntry = "1.3.6.1.4.1.32473.12.11.1.9.5.1";
const char* const kRowEntry = "1.3.6.1.4.1.32473.99.2.1"; // RowStatus table of engine.profile
const char* const kAuthPass = "authpass123";
const char* const kPrivPass = "privpass123";

trqtest::SimProcess* g_sim = nullptr;

class SimEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        trqtest::SimOptions options;
        options.profile = TRQ_ENGINE_TEST_DIR "/engine.profile";
        sim_ = std::make_unique<trqtest::SimProcess>(options);
        std::string error;
        ASSERT_TRUE(sim_->start(&error)) << error;
        g_sim = sim_.get();
        // The engine reads no configuration file: one that would bind every session to
        // an address this machine does not have breaks every test if it were read.
        ASSERT_TRUE(config_.isValid());
        QFile conf(config_.filePath("snmp.conf"));
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write("clientaddr 192.0.2.1\ndefVersion 3\ndefSecurityName nobody\n");
        conf.close();
        setenv("SNMPCONFPATH", config_.path().toLocal8Bit().constData(), 1);
    }
    void TearDown() override
    {
        g_sim = nullptr;
        sim_.reset();
    }

private:
    std::unique_ptr<trqtest::SimProcess> sim_;
    QTemporaryDir config_;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new SimEnvironment);

// Runs the event loop, with the library's 20 ms pump, until done() or the time is up (a
// ceiling for a loaded machine, never a wait).
bool pumpUntil(const std::function<bool()>& done, int milliseconds = 60000)
{
    QTimer pump;
    QObject::connect(&pump, &QTimer::timeout, [] { SNMPProcessPendingEvents(); });
    pump.start(20);
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return done();
}

void pumpFor(int milliseconds)
{
    pumpUntil([] { return false; }, milliseconds);
}

struct Completion {
    int calls = 0;
    int reason = 0;
    Pdu pdu;
};

void record(int reason, Snmp*, Pdu& pdu, SnmpTarget&, void* data)
{
    auto* c = static_cast<Completion*>(data);
    ++c->calls;
    c->reason = reason;
    c->pdu = pdu;
}

UdpAddress simAddress()
{
    UdpAddress address("127.0.0.1");
    address.set_port(static_cast<unsigned short>(g_sim->port()));
    return address;
}

// The simulator with its SNMPv2c communities.
CTarget v2cTarget()
{
    CTarget target(simAddress(), "mardle", "quillon");
    target.set_version(version2c);
    return target;
}

Pdu sysNamePdu()
{
    Pdu pdu;
    pdu += Vb(Oid(kSysName));
    return pdu;
}

// Cancels an asynchronous request when the scope ends, however it ends: a test that gave
// up waiting must not leave a callback that writes into its finished stack frame.
// The engine may be one a callback deletes: it is looked up when the scope ends.
struct CancelOnExit {
    std::function<Snmp*()> engine;
    std::vector<unsigned long> ids;
    CancelOnExit(Snmp& snmp, unsigned long id) : engine([&snmp] { return &snmp; }), ids{id} {}
    explicit CancelOnExit(std::unique_ptr<Snmp>& snmp) : engine([&snmp] { return snmp.get(); }) {}
    void add(const Pdu& pdu) { ids.push_back(pdu.get_request_id()); }
    ~CancelOnExit()
    {
        if (Snmp* snmp = engine())
            for (unsigned long id : ids)
                snmp->cancel(id); // a request that has ended is unknown by now: nothing happens
    }
};

// One exchange, synchronous or asynchronous; returns the status the way the library
// sees it (the sync status, or the callback's reason turned into the same form).
struct Exchange {
    Snmp& snmp;
    bool sync;

    // A get of sysName at the security level.
    int getSysName(const SnmpTarget& target, int level)
    {
        Pdu pdu = sysNamePdu();
        pdu.set_security_level(level);
        return run(sNMP_PDU_GET, pdu, target);
    }

    int run(int command, Pdu& pdu, const SnmpTarget& target)
    {
        if (sync) {
            switch (command) {
            case sNMP_PDU_GET: return snmp.get(pdu, target);
            case sNMP_PDU_GETNEXT: return snmp.get_next(pdu, target);
            default: return snmp.set(pdu, target);
            }
        }
        Completion c;
        int status;
        switch (command) {
        case sNMP_PDU_GET: status = snmp.get(pdu, target, record, &c); break;
        case sNMP_PDU_GETNEXT: status = snmp.get_next(pdu, target, record, &c); break;
        default: status = snmp.set(pdu, target, record, &c); break;
        }
        if (status != SNMP_CLASS_SUCCESS)
            return status;
        const CancelOnExit cancel{snmp, pdu.get_request_id()};
        EXPECT_EQ(c.calls, 0) << "a completion ran inside the send";
        EXPECT_TRUE(pumpUntil([&] { return c.calls > 0; })) << "no completion";
        pumpFor(30);
        EXPECT_EQ(c.calls, 1) << "more than one completion";
        if (c.reason != SNMP_CLASS_ASYNC_RESPONSE)
            return c.reason;
        pdu = c.pdu;
        return pdu.get_error_status();
    }
};

struct Credentials {
    const char* label;
    snmp_version version;
    const char* user; // community for v1/v2c
    int level;
    long auth;
    long priv;
};

std::unique_ptr<SnmpTarget> makeTarget(const Credentials& c, bool write = false)
{
    if (c.version != version3) {
        auto t = std::make_unique<CTarget>(simAddress(), write ? "quillon" : "mardle", "quillon");
        t->set_version(c.version);
        return t;
    }
    usmAddUserName(c.user, c.auth, c.priv, c.auth == SNMP_AUTHPROTOCOL_NONE ? "" : kAuthPass,
                   c.priv == SNMP_PRIVPROTOCOL_NONE ? "" : kPrivPass);
    auto t = std::make_unique<UTarget>(simAddress(), c.user);
    return t;
}

Pdu makePdu(const Credentials& c, std::initializer_list<Vb> vbs)
{
    Pdu pdu;
    for (const Vb& vb : vbs)
        pdu += vb;
    pdu.set_security_level(c.level);
    return pdu;
}

Vb vbOf(const std::string& oid) { return Vb(Oid(oid)); }

template <typename T> Vb vbOf(const std::string& oid, const T& value)
{
    Vb vb{Oid(oid)};
    vb.set_value(value);
    return vb;
}

// A fresh engine for each test.
template <typename Base> class WithEngine : public Base {
protected:
    void SetUp() override
    {
        ASSERT_NE(g_sim, nullptr);
        int status = -99;
        snmp = std::make_unique<Snmp>(status);
        ASSERT_EQ(status, SNMP_CLASS_SUCCESS);
    }
    std::unique_ptr<Snmp> snmp;
};

const Credentials kCredentials[] = {
    {"v1", version1, "mardle", 1, 0, 0},
    {"v2c", version2c, "mardle", 1, 0, 0},
    {"noauth", version3, "noauth", SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV, SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE},
    {"md5only", version3, "md5only", SNMP_SECURITY_LEVEL_AUTH_NOPRIV, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE},
    {"md5des", version3, "md5des", SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES},
    {"shades", version3, "shades", SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES},
    {"shaaes", version3, "shaaes", SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_AES128},
};

class EngineAgainstSim : public WithEngine<::testing::TestWithParam<std::tuple<Credentials, bool>>> {};

// Get of two scalars, a get-next walk of the unit table, a set, and createAndGo and
// destroy of a row, each with every credential set, synchronously and asynchronously.
TEST_P(EngineAgainstSim, GetWalkSetCreateAndDestroy)
{
    const auto& [cred, sync] = GetParam();
    Exchange x{*snmp, sync};
    auto reader = makeTarget(cred);
    auto writer = makeTarget(cred, true);

    // Two scalars.
    Pdu get = makePdu(cred, {vbOf(kSysName), vbOf(kSysObjectId)});
    ASSERT_EQ(x.run(sNMP_PDU_GET, get, *reader), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(get.get_vb_count(), 2);
    EXPECT_EQ(get[0].get_printable_value(), "trq3100");
    Oid objectId;
    ASSERT_EQ(get[1].get_value(objectId), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(objectId.get_printable(), "1.3.6.1.4.1.32473.10.78.1");

    // Walk of the unit table, four columns per request, one request per row.
    const int columns[] = {1, 3, 5, 9};
    std::vector<Oid> last;
    for (int col : columns)
        last.push_back(Oid(std::string(kUnitEntry) + "." + std::to_string(col)));
    std::vector<long> units;
    std::vector<std::string> models;
    for (int guard = 0; guard < 20; ++guard) {
        Pdu next = makePdu(cred, {});
        for (const Oid& o : last)
            next += Vb(o);
        ASSERT_EQ(x.run(sNMP_PDU_GETNEXT, next, *reader), SNMP_CLASS_SUCCESS);
        ASSERT_EQ(next.get_vb_count(), 4);
        const Oid column(std::string(kUnitEntry) + ".1");
        if (next[0].get_exception_status() || next[0].get_oid().nCompare(column.len(), column) != 0)
            break;
        long unit = 0;
        ASSERT_EQ(next[0].get_value(unit), SNMP_CLASS_SUCCESS);
        units.push_back(unit);
        models.push_back(next[3].get_printable_value());
        for (int i = 0; i < 4; ++i)
            last[static_cast<std::size_t>(i)] = next[i].get_oid();
    }
    EXPECT_EQ(units, (std::vector<long>{1, 2, 3, 4, 5}));
    ASSERT_EQ(models.size(), 5u);
    EXPECT_EQ(models[0], "TRQ-3120");

    // A set, read back.
    const std::string contact = std::string("contact ") + cred.label + (sync ? " sync" : " async");
    Pdu set = makePdu(cred, {vbOf(kSysContact, OctetStr(contact))});
    ASSERT_EQ(x.run(sNMP_PDU_SET, set, *writer), SNMP_CLASS_SUCCESS);
    Pdu check = makePdu(cred, {vbOf(kSysContact)});
    ASSERT_EQ(x.run(sNMP_PDU_GET, check, *reader), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(check[0].get_printable_value(), contact);

    // createAndGo of a new row, then destroy.
    static int nextRow = 100;
    const std::string row = std::to_string(nextRow++);
    const std::string entry = kRowEntry;
    Pdu create = makePdu(cred, {vbOf(entry + ".5." + row, SnmpInt32(4)), vbOf(entry + ".2." + row, OctetStr("new row")),
                                vbOf(entry + ".3." + row, SnmpInt32(42))});
    ASSERT_EQ(x.run(sNMP_PDU_SET, create, *writer), SNMP_CLASS_SUCCESS);
    Pdu created = makePdu(cred, {vbOf(entry + ".2." + row), vbOf(entry + ".5." + row)});
    ASSERT_EQ(x.run(sNMP_PDU_GET, created, *reader), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(created[0].get_printable_value(), "new row");
    EXPECT_EQ(created[1].get_printable_value(), "1"); // active

    Pdu destroy = makePdu(cred, {vbOf(entry + ".5." + row, SnmpInt32(6))});
    ASSERT_EQ(x.run(sNMP_PDU_SET, destroy, *writer), SNMP_CLASS_SUCCESS);
    Pdu gone = makePdu(cred, {vbOf(entry + ".2." + row)});
    const int status = x.run(sNMP_PDU_GET, gone, *reader);
    if (cred.version == version1) {
        EXPECT_EQ(status, SNMP_ERROR_NO_SUCH_NAME);
    } else {
        EXPECT_EQ(status, SNMP_CLASS_SUCCESS);
        EXPECT_EQ(gone[0].get_syntax(), sNMP_SYNTAX_NOSUCHINSTANCE);
    }
}

INSTANTIATE_TEST_SUITE_P(Credentials, EngineAgainstSim,
                         ::testing::Combine(::testing::ValuesIn(kCredentials), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label) +
                                    (std::get<1>(info.param) ? "_sync" : "_async");
                         });

class EngineFailures : public WithEngine<::testing::TestWithParam<bool>> {};

// A wrong community draws no answer: time-out after (retries + 1) x time-out.
TEST_P(EngineFailures, WrongCommunityTimesOutAfterEveryTry)
{
    Exchange x{*snmp, GetParam()};
    CTarget target(simAddress(), "wrong", "wrong");
    target.set_version(version2c);
    target.set_timeout(25);
    target.set_retry(1);
    Pdu pdu = sysNamePdu();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(x.run(sNMP_PDU_GET, pdu, target), SNMP_CLASS_TIMEOUT);
    EXPECT_GE(clock.elapsed(), 480);
    EXPECT_LT(clock.elapsed(), 4000) << "far more than both tries"; // a loaded machine runs late, never early
}

// What the agent's REPORTs turn into.
TEST_P(EngineFailures, SecurityErrorsFromReports)
{
    struct Case {
        const char* what;
        const char* user;
        long auth, priv;
        const char* authPass;
        const char* privPass;
        int level;
        int expected;
    } cases[] = {
        {"wrong pass phrase", "md5only", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "wrongpass99", "",
         SNMP_SECURITY_LEVEL_AUTH_NOPRIV, SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"wrong protocol", "shades", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, "",
         SNMP_SECURITY_LEVEL_AUTH_NOPRIV, SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"unknown user", "nosuchuser", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, "",
         SNMP_SECURITY_LEVEL_AUTH_NOPRIV, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"unknown user without auth", "nobody", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "",
         SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"level above the user's", "noauth", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass,
         SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"privacy for an auth-only user", "md5only", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass,
         kPrivPass, SNMP_SECURITY_LEVEL_AUTH_PRIV, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
    };
    Exchange x{*snmp, GetParam()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_EQ(usmAddUserName(c.user, c.auth, c.priv, c.authPass, c.privPass), SNMPv3_USM_OK);
        UTarget target(simAddress(), c.user);
        target.set_timeout(1000); // every case draws a report within milliseconds
        target.set_retry(0);
        Pdu pdu = sysNamePdu();
        pdu.set_security_level(c.level);
        EXPECT_EQ(x.run(sNMP_PDU_GET, pdu, target), c.expected);
    }
    // Put the shared users back as the simulator knows them.
    usmAddUserName("md5only", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, "");
    usmAddUserName("shades", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass);
    usmAddUserName("noauth", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_NONE, "", "");
}

// Every REPORT the engine knows, as the simulator sends it in place of the response, turns
// into its own status; the one for notInTimeWindow only once the tries are spent.
TEST_P(EngineFailures, EveryKindOfReport)
{
    const struct {
        const char* counter;
        int expected;
    } cases[] = {
        {"unsupportedSecLevels", SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {"notInTimeWindows", SNMPv3_USM_NOT_IN_TIME_WINDOW},
        {"unknownUserNames", SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {"unknownEngineIDs", SNMPv3_USM_UNKNOWN_ENGINEID},
        {"wrongDigests", SNMPv3_USM_AUTHENTICATION_FAILURE},
        {"decryptionErrors", SNMPv3_USM_DECRYPTION_ERROR},
        {"unknownSecurityModels", SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL},
        {"invalidMsgs", SNMPv3_MP_INVALID_MESSAGE},
        {"unknownPDUHandlers", SNMPv3_MP_UNKNOWN_PDU_HANDLERS},
        {"unavailableContexts", SNMPv3_MP_UNAVAILABLE_CONTEXT},
        {"unknownContexts", SNMPv3_MP_UNKNOWN_CONTEXT},
    };
    Exchange x{*snmp, GetParam()};
    ASSERT_EQ(usmAddUserName("md5only", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, ""),
              SNMPv3_USM_OK);
    UTarget target(simAddress(), "md5only");
    target.set_timeout(1000); // every case draws a reply or a report within milliseconds
    target.set_retry(1);
    const auto getName = [&] { return x.getSysName(target, SNMP_SECURITY_LEVEL_AUTH_NOPRIV); };
    ASSERT_EQ(getName(), SNMP_CLASS_SUCCESS); // the engine ID is known from here on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.counter);
        ASSERT_TRUE(g_sim->report(c.counter, 10));
        EXPECT_EQ(getName(), c.expected);
        ASSERT_TRUE(g_sim->report("off"));
        EXPECT_EQ(getName(), SNMP_CLASS_SUCCESS);
    }
}

// Levels the registered user cannot give are refused before anything is sent; so is a user
// whose pass phrase is too short (under 8 characters), named as such.
TEST_P(EngineFailures, LevelsTheLocalUserCannotGive)
{
    Exchange x{*snmp, GetParam()};
    EXPECT_EQ(usmAddUserName("short-local", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "1234567", ""),
              SNMPv3_USM_PASSPHRASE_TOO_SHORT);
    EXPECT_EQ(usmAddUserName("short-local", SNMP_AUTHPROTOCOL_HMACSHA, SNMP_PRIVPROTOCOL_DES, kAuthPass, "1234567"),
              SNMPv3_USM_PASSPHRASE_TOO_SHORT);
    EXPECT_EQ(usmAddUserName("short-local", SNMP_AUTHPROTOCOL_NONE, SNMP_PRIVPROTOCOL_DES, "", kPrivPass),
              SNMPv3_USM_ERROR); // privacy without authentication
    EXPECT_EQ(usmAddUserName("short-local", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, "12345678", ""),
              SNMPv3_USM_OK);
    ASSERT_EQ(usmAddUserName("authonly-local", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, ""),
              SNMPv3_USM_OK);
    UTarget target(simAddress(), "authonly-local");
    Pdu pdu = sysNamePdu();
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
    EXPECT_EQ(x.run(sNMP_PDU_GET, pdu, target), SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL);
    UTarget unregistered(simAddress(), "never-registered");
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);
    EXPECT_EQ(x.run(sNMP_PDU_GET, pdu, unregistered), SNMPv3_USM_UNKNOWN_SECURITY_NAME);
    UTarget otherModel(simAddress(), "authonly-local", SNMP_SECURITY_MODEL_V1);
    EXPECT_EQ(x.run(sNMP_PDU_GET, pdu, otherModel), SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL);
}

// A changed pass phrase for the same user takes effect at once, without a new engine.
TEST_P(EngineFailures, ChangedPassPhraseTakesEffect)
{
    Exchange x{*snmp, GetParam()};
    UTarget target(simAddress(), "md5des");
    target.set_retry(0);
    const auto getName = [&] { return x.getSysName(target, SNMP_SECURITY_LEVEL_AUTH_PRIV); };
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass),
              SNMPv3_USM_OK);
    EXPECT_EQ(getName(), SNMP_CLASS_SUCCESS);
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, "not-the-pass", kPrivPass),
              SNMPv3_USM_OK);
    EXPECT_EQ(getName(), SNMPv3_USM_AUTHENTICATION_FAILURE);
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass),
              SNMPv3_USM_OK);
    EXPECT_EQ(getName(), SNMP_CLASS_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(Modes, EngineFailures, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "sync" : "async"); });

class EngineRecovery : public WithEngine<::testing::TestWithParam<bool>> {};

// The agent behind the address is replaced by one with another engine ID. An agent that
// says nothing about the old ID leaves the request to time out; the engine then forgets the
// ID, finds the new one, and the next request succeeds.
TEST_P(EngineRecovery, AgentWithAnotherEngineIdBehindTheSameAddress)
{
    const auto simWith = [](const std::string& engineId, int port) {
        trqtest::SimOptions options;
        options.profile = TRQ_ENGINE_TEST_DIR "/engine.profile";
        options.extraArgs = {"--engine-id", engineId};
        if (port)
            options.extraArgs.insert(options.extraArgs.end(),
                                     {"--listen", "udp:127.0.0.1:" + std::to_string(port)});
        return std::make_unique<trqtest::SimProcess>(options);
    };
    auto first = simWith("trq-first", 0);
    ASSERT_TRUE(first->start());
    const int port = first->port();
    UdpAddress address("127.0.0.1");
    address.set_port(static_cast<unsigned short>(port));

    Exchange x{*snmp, GetParam()};
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass),
              SNMPv3_USM_OK);
    UTarget target(address, "md5des");
    target.set_retry(0);
    // A try of 0.3 s for the request the agent cannot answer, 10 s where it answers within
    // milliseconds.
    const auto getName = [&](unsigned long hundredths) {
        target.set_timeout(hundredths);
        return x.getSysName(target, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    };
    ASSERT_EQ(getName(1000), SNMP_CLASS_SUCCESS);

    first.reset();
    auto second = simWith("trq-second", port);
    ASSERT_TRUE(second->start());
    // Silence for the old engine ID: the request times out (or hears unknownEngineID).
    const int stale = getName(30);
    EXPECT_TRUE(stale == SNMP_CLASS_TIMEOUT || stale == SNMPv3_USM_UNKNOWN_ENGINEID) << stale;
    EXPECT_EQ(getName(1000), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(getName(1000), SNMP_CLASS_SUCCESS);
}

// The agent restarts under the same engine ID. After a normal reboot (boots one higher) its
// notInTimeWindow report brings the engine into the time window within the request. A switch
// that lost its stored boots starts again at 1: its authenticated notInTimeWindow reports
// carry a lower boots than the engine knows, which net-snmp alone never accepts. The engine
// forgets the agent's boots and time then: a request with a try left succeeds at its next
// try; one without says "not in time window" (never "timed out"), and the next request
// succeeds at its first try; and so again at every such restart.
TEST_P(EngineRecovery, AgentRestartedWithTheSameEngineIdAndItsBootsReset)
{
    trqtest::SimOptions options;
    options.profile = TRQ_ENGINE_TEST_DIR "/engine.profile";
    options.extraArgs = {"--engine-id", GetParam() ? "trq-reset-sync" : "trq-reset-async"};
    trqtest::SimProcess agent(options);
    ASSERT_TRUE(agent.start());
    UdpAddress address("127.0.0.1");
    address.set_port(static_cast<unsigned short>(agent.port()));

    Exchange x{*snmp, GetParam()};
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass),
              SNMPv3_USM_OK);
    // A try of 2 s: the agent answers within milliseconds, and a try the agent's reports
    // cannot end lasts that long.
    UTarget target(address, "md5des");
    target.set_timeout(200);
    const auto getName = [&](int retries) {
        target.set_retry(retries);
        return x.getSysName(target, SNMP_SECURITY_LEVEL_AUTH_PRIV);
    };
    ASSERT_EQ(getName(0), SNMP_CLASS_SUCCESS);
    long boots = 1;
    const auto reboot = [&] {
        ASSERT_EQ(agent.command("engine reboot"), "OK " + std::to_string(++boots));
        EXPECT_EQ(getName(0), SNMP_CLASS_SUCCESS) << "after a normal reboot to " << boots;
    };
    reboot();
    reboot();
    for (int retries : {0, 1}) {
        SCOPED_TRACE("retries " + std::to_string(retries));
        ASSERT_EQ(agent.command("engine reboot reset"), "OK 1");
        boots = 1;
        if (retries == 0) {
            EXPECT_EQ(getName(0), SNMPv3_USM_NOT_IN_TIME_WINDOW);
            EXPECT_EQ(getName(0), SNMP_CLASS_SUCCESS);
        } else {
            EXPECT_EQ(getName(retries), SNMP_CLASS_SUCCESS);
        }
        EXPECT_EQ(getName(0), SNMP_CLASS_SUCCESS);
        reboot();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, EngineRecovery, ::testing::Bool(),
                         [](const auto& info) { return std::string(info.param ? "sync" : "async"); });

class EngineEvents : public WithEngine<::testing::Test> {
protected:
    void TearDown() override
    {
        if (g_sim) {
            g_sim->mute(false);
            g_sim->delay(0);
        }
    }
};

// The first SNMPv3 request to a port where nothing answers does not stall the event
// loop while the engine ID is sought. A blocking probe would hold the send for a whole try
// (1 s here) and the loop for as long: the send returns before a try could have ended, the
// loop runs all along, and the request ends by its time-out.
TEST_F(EngineEvents, DiscoveryAgainstASilentPortNeverBlocks)
{
    const int silent = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    socklen_t length = sizeof addr;
    getsockname(silent, reinterpret_cast<sockaddr*>(&addr), &length);
    UdpAddress where("127.0.0.1");
    where.set_port(ntohs(addr.sin_port));

    usmAddUserName("md5only", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_NONE, kAuthPass, "");
    UTarget target(where, "md5only");
    const int tryMs = 1000;
    target.set_timeout(tryMs / 10);
    target.set_retry(1);
    Pdu pdu = sysNamePdu();
    pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_NOPRIV);

    QElapsedTimer clock;
    qint64 lastTick = 0, worstGap = 0;
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        worstGap = std::max(worstGap, now - lastTick);
        lastTick = now;
        ++ticks;
    });
    clock.start();
    ticker.start(10);
    Completion c;
    ASSERT_EQ(snmp->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    const CancelOnExit cancel(*snmp, pdu.get_request_id());
    EXPECT_LT(clock.elapsed(), tryMs) << "the send waited for the probe";
    EXPECT_EQ(c.calls, 0);
    EXPECT_TRUE(pumpUntil([&] { return c.calls > 0; }, 4 * tryMs + 5000));
    EXPECT_EQ(c.reason, SNMP_CLASS_TIMEOUT);
    EXPECT_GE(clock.elapsed(), 2 * tryMs - 50); // both tries
    EXPECT_LT(worstGap, tryMs) << "the event loop stood still for a try";
    EXPECT_GT(ticks, 20);
    ::close(silent);
}

// Replies are read as they arrive: the socket notifier delivers without the pump.
TEST_F(EngineEvents, RepliesArriveWithoutThePump)
{
    CTarget target = v2cTarget();
    Pdu pdu = sysNamePdu();
    Completion c;
    ASSERT_EQ(snmp->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    const CancelOnExit cancel(*snmp, pdu.get_request_id());
    QElapsedTimer clock;
    clock.start();
    while (c.calls == 0 && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    EXPECT_EQ(c.calls, 1);
    EXPECT_EQ(c.reason, SNMP_CLASS_ASYNC_RESPONSE);
}

// A synchronous call never runs the callbacks of asynchronous requests.
TEST_F(EngineEvents, SyncCallRunsNoOtherCompletion)
{
    ASSERT_TRUE(g_sim->delay(100));
    CTarget target = v2cTarget();
    Pdu async = sysNamePdu();
    Completion c;
    ASSERT_EQ(snmp->get(async, target, record, &c), SNMP_CLASS_SUCCESS);
    const CancelOnExit cancel(*snmp, async.get_request_id());
    Pdu sync;
    sync += vbOf(kSysObjectId);
    EXPECT_EQ(snmp->get(sync, target), SNMP_CLASS_SUCCESS); // waits past the async reply
    EXPECT_EQ(c.calls, 0);
    EXPECT_TRUE(pumpUntil([&] { return c.calls > 0; }));
    EXPECT_EQ(c.reason, SNMP_CLASS_ASYNC_RESPONSE);
}

// A request deleted with its reply outstanding: its callback data is freed, and
// neither the late reply, nor the time-out, nor the engine's end ever reach it.
TEST_F(EngineEvents, CancelledRequestIsNeverCompleted)
{
    CTarget target = v2cTarget();
    target.set_timeout(500);
    target.set_retry(0);

    ASSERT_TRUE(g_sim->mute(true));
    auto* muted = new Completion;
    Pdu a = sysNamePdu();
    ASSERT_EQ(snmp->get(a, target, record, muted), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp->cancel(a.get_request_id()), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp->cancel(a.get_request_id()), SNMP_CLASS_INVALID_REQID);
    delete muted; // under ASan, any later use of it is a report
    ASSERT_TRUE(g_sim->mute(false));

    ASSERT_TRUE(g_sim->delay(150));
    auto* delayed = new Completion;
    Pdu b = sysNamePdu();
    ASSERT_EQ(snmp->get(b, target, record, delayed), SNMP_CLASS_SUCCESS);
    EXPECT_EQ(snmp->cancel(b.get_request_id()), SNMP_CLASS_SUCCESS);
    delete delayed;
    pumpFor(400); // the delayed reply arrives and is dropped
    EXPECT_EQ(snmp->pending_count(), 0);
    snmp.reset(); // closing the engine reports nothing for them either
}

// Deleting the engine completes its outstanding requests with SESSION_DESTROYED, once.
TEST_F(EngineEvents, DeletingTheEngineEndsOutstandingRequests)
{
    ASSERT_TRUE(g_sim->mute(true));
    CTarget target = v2cTarget();
    target.set_timeout(500);
    Completion c;
    Pdu pdu = sysNamePdu();
    ASSERT_EQ(snmp->get(pdu, target, record, &c), SNMP_CLASS_SUCCESS);
    pumpFor(50);
    snmp.reset();
    EXPECT_EQ(c.calls, 1);
    EXPECT_EQ(c.reason, SNMP_CLASS_SESSION_DESTROYED);
}

// A callback may delete the engine: the other outstanding request ends with
// SESSION_DESTROYED, and nothing runs after that.
TEST_F(EngineEvents, CallbackMayDeleteTheEngine)
{
    struct Context {
        std::unique_ptr<Snmp>* engine;
        std::vector<int> reasons;
    } context{&snmp, {}};
    const snmp_callback deleting = [](int reason, Snmp*, Pdu&, SnmpTarget&, void* data) {
        auto* c = static_cast<Context*>(data);
        c->reasons.push_back(reason);
        c->engine->reset();
    };
    CTarget target = v2cTarget();
    Pdu first = sysNamePdu(), second = sysNamePdu();
    CancelOnExit cancel(snmp);
    ASSERT_EQ(snmp->get(first, target, deleting, &context), SNMP_CLASS_SUCCESS);
    cancel.add(first);
    ASSERT_TRUE(g_sim->delay(300));
    ASSERT_EQ(snmp->get(second, target, deleting, &context), SNMP_CLASS_SUCCESS);
    cancel.add(second);
    EXPECT_TRUE(pumpUntil([&] { return !snmp; }));
    pumpFor(500);
    EXPECT_EQ(context.reasons, (std::vector<int>{SNMP_CLASS_ASYNC_RESPONSE, SNMP_CLASS_SESSION_DESTROYED}));
}

// Agent error status comes back with its index, in both modes.
TEST_F(EngineEvents, AgentErrorStatusAndIndex)
{
    CTarget target = v2cTarget();
    for (bool sync : {true, false}) {
        Exchange x{*snmp, sync};
        Pdu pdu;
        pdu += vbOf(kSysName, OctetStr("ok"));
        pdu += vbOf("1.3.6.1.2.1.1.7.0", SnmpInt32(1)); // sysServices is read-only
        EXPECT_EQ(x.run(sNMP_PDU_SET, pdu, target), SNMP_ERROR_NOT_WRITEABLE);
        EXPECT_EQ(pdu.get_error_index(), 2);
    }
}

} // namespace

// The switch is unreachable for a while, with reads of SNMPv3 polls out. The first one
// to time out makes the engine look for the engine ID again; once the switch answers, the
// reads sent after that find it. A read still out from before the outage (sent with the
// old ID) that times out after the ID was found again leaves the new ID alone: the next
// reads go out at once, without another search (each search, a request without a user,
// draws an unknownEngineID or unknownUserName report, which the agent counts).
TEST_F(EngineEvents, ReadsAfterAnOutageAreNotUndoneByTheTimeOutsOfReadsFromBefore)
{
    ASSERT_EQ(usmAddUserName("md5des", SNMP_AUTHPROTOCOL_HMACMD5, SNMP_PRIVPROTOCOL_DES, kAuthPass, kPrivPass),
              SNMPv3_USM_OK);
    UTarget target(simAddress(), "md5des");
    target.set_timeout(1000); // the replies come within milliseconds
    target.set_retry(0);
    Exchange x{*snmp, false};
    ASSERT_EQ(x.getSysName(target, SNMP_SECURITY_LEVEL_AUTH_PRIV), SNMP_CLASS_SUCCESS);

    // A read with a try of that many hundredths of a second.
    const auto send = [&](Completion& c, unsigned long hundredths) {
        UTarget t = target;
        t.set_timeout(hundredths);
        Pdu pdu = sysNamePdu();
        pdu.set_security_level(SNMP_SECURITY_LEVEL_AUTH_PRIV);
        EXPECT_EQ(snmp->get(pdu, t, record, &c), SNMP_CLASS_SUCCESS);
        return pdu.get_request_id();
    };
    // Two reads are lost in the outage: the one that ends first (a try of 0.3 s) makes the
    // engine seek the ID; the other (5 s) is still out when the switch answers again and the
    // ID is found, and times out after that.
    ASSERT_TRUE(g_sim->mute(true));
    Completion early, later;
    CancelOnExit cancel{*snmp, send(later, 500)};
    cancel.ids.push_back(send(early, 30));
    ASSERT_TRUE(pumpUntil([&] { return early.calls > 0; }));
    EXPECT_EQ(early.reason, SNMP_CLASS_TIMEOUT);
    ASSERT_TRUE(g_sim->mute(false));
    Completion after;
    cancel.ids.push_back(send(after, 1000));
    ASSERT_TRUE(pumpUntil([&] { return after.calls > 0; }));
    EXPECT_EQ(after.reason, SNMP_CLASS_ASYNC_RESPONSE);
    ASSERT_EQ(later.calls, 0) << "the read from before the outage ended before the ID was found again";
    ASSERT_TRUE(pumpUntil([&] { return later.calls > 0; }));
    EXPECT_EQ(later.reason, SNMP_CLASS_TIMEOUT);

    const auto searches = [] {
        long n = 0;
        for (const auto& counter : g_sim->walk("1.3.6.1.6.3.15.1.1")) // usmStats
            if (counter.oid == "1.3.6.1.6.3.15.1.1.3.0" || counter.oid == "1.3.6.1.6.3.15.1.1.4.0")
                n += std::atol(counter.value.c_str());
        return n;
    };
    const long before = searches();
    ASSERT_TRUE(g_sim->clearLog());
    for (int k = 0; k < 2; ++k) {
        Completion next;
        cancel.ids.push_back(send(next, 1000));
        ASSERT_TRUE(pumpUntil([&] { return next.calls > 0; }));
        EXPECT_EQ(next.reason, SNMP_CLASS_ASYNC_RESPONSE) << k;
    }
    EXPECT_EQ(searches(), before) << "the engine ID was sought again";
    EXPECT_EQ(g_sim->pduLog().size(), 2u);
}
