#pragma once
// The engine's inside, shared by its files (never included outside snmplib/engine).
//
// How it is put together:
// - Every request is a record with an ID of our own, kept in one registry. net-snmp's
//   callback data is that ID, never a pointer, so a reply or time-out for a record that
//   was cancelled, finished or deleted finds nothing and is dropped.
// - net-snmp's callback only records the outcome. Completions are called later from
//   deliver(), which runs only from the event loop (the pump or a socket notifier), so
//   no completion ever runs inside a send, a read or a close of net-snmp.
// - One net-snmp session per peer and credential set; the community goes on each PDU.
//   Synchronous calls use sessions of their own and wait on that socket alone.
// - SNMPv3: the agent's engine ID is discovered with a probe of our own (a get without
//   varbinds and without a user, answered with a usmStatsUnknownEngineIDs report) sent
//   like any other request, and kept per agent; sessions are opened with it and never
//   probe by themselves (net-snmp's own probe blocks).
// - What the process holds beyond one engine object (net-snmp's start, the users, the
//   agents' engine IDs, the request registry, the engines) is one object, Process.
//
// The files, by job:
//   snmp.cpp       the public calls: engines, sending, cancelling
//   sessions.cpp   net-snmp sessions: keys, opening, retiring, closing
//   discovery.cpp  engine-ID discovery (the probes)
//   usm.cpp        user-based-security users, this engine's own ID and boots, agents'
//                  time windows
//   delivery.cpp   net-snmp's callback, the event loop's pump, waiting, delivering outcomes
//   pduconv.cpp    PDUs between the engine's classes and net-snmp's
//   errormap.cpp   net-snmp's errors and REPORTs to engine statuses
//   process.cpp    the process-wide state and net-snmp's one start
#include "snmplib/engine/snmp.h"

#include "snmplib/engine/snmperrs.h"

// net-snmp declares its own snmp_callback type; keep it out of the way of ours.
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/snmp_secmod.h>
#undef snmp_callback

#include <algorithm>
#include <chrono>
#include <deque>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class QSocketNotifier;

namespace snmpengine {

using Clock = std::chrono::steady_clock;

// A set of a few values, kept in a list: what a session has in flight and the notifiers
// being served change with every request, and a list keeps its storage from one to the next
// where a tree makes and frees a node each time.
template <typename T> class SmallSet {
public:
    void insert(const T& value)
    {
        if (!count(value))
            items_.push_back(value);
    }
    void erase(const T& value)
    {
        const auto it = std::find(items_.begin(), items_.end(), value);
        if (it != items_.end()) {
            *it = items_.back();
            items_.pop_back();
        }
    }
    bool count(const T& value) const { return std::find(items_.begin(), items_.end(), value) != items_.end(); }
    bool empty() const { return items_.empty(); }
    void clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T> items_;
};

// A user registered with usmAddUserName.
struct User {
    long authProtocol = SNMP_AUTHPROTOCOL_NONE;
    long privProtocol = SNMP_PRIVPROTOCOL_NONE;
    std::string authPassword;
    std::string privPassword;
    unsigned generation = 0;
};

struct Session {
    std::string key;
    std::string agent;         // "address/port"
    std::string securityName;  // SNMPv3 sessions
    void* handle = nullptr;    // net-snmp single-session handle
    int fd = -1;
    bool sync = false;
    bool v3 = false;           // an SNMPv3 session with a user (not a probe)
    bool retired = false;      // no new requests; closed once nothing is in flight
    SmallSet<unsigned long> inFlight;
    QSocketNotifier* notifier = nullptr;
};

enum class State { WaitingForEngineId, InFlight, Done };

struct Request {
    unsigned long id = 0;
    Snmp::Impl* owner = nullptr;
    int command = 0;               // sNMP_PDU_GET, GETNEXT, SET; 0 for an engine-ID probe
    bool sync = false;
    bool probe = false;
    Pdu pdu;                       // as sent; the reply replaces it
    int securityLevel = 0;         // SNMPv3: the level it is sent at
    std::unique_ptr<SnmpTarget> target;
    snmp_callback callback = nullptr;
    void* callbackData = nullptr;
    State state = State::WaitingForEngineId;
    Session* session = nullptr;
    std::string agent;
    int reason = SNMP_CLASS_SUCCESS;
    int tries = 0;                 // retransmissions so far
    int reported = 0;              // status of a security error noticed on the way
    Clock::time_point deadline;
    std::string discoveredEngineId; // probes
    unsigned long discovery = 0;    // SNMPv3: the discovery of the engine ID it was sent with
};

// Everything the engine keeps for the whole process.
struct EngineProcess {
    bool NetSnmpReady = false;
    std::map<std::string, User> Users;
    unsigned UserGeneration = 0;
    // The agents' engine IDs, by agentKey.
    std::map<std::string, std::string> EngineIds;
    // Which discovery found each of them (numbered from 1), so that a request sent with an
    // older one cannot make the engine forget a newer one.
    std::map<std::string, unsigned long> EngineIdDiscoveries;
    unsigned long Discoveries = 0;
    // Socket notifiers whose signal is being handled: they are deleted later, not from
    // inside their own signal (a callback may delete the engine).
    SmallSet<QSocketNotifier*> Emitting;
    // The registry of every outstanding request of every engine.
    std::unordered_map<unsigned long, Request*> Requests;
    unsigned long NextRequestId = 1;
    std::vector<Snmp::Impl*> Engines;
    unsigned long RetiredSessions = 0; // sessions renamed to drain, for unique keys
    void (*ActivityHook)() = nullptr;  // SNMPSetActivityHook
};
extern EngineProcess Process;

// ---- process.cpp
// Starts net-snmp once per process, privately (no configuration files, no MIB files,
// nothing persistent read or written).
bool initNetSnmp();
Request* findRequest(unsigned long id);

// ---- usm.cpp
// Hooks net-snmp's user-based security so that an agent whose boots went back (a switch
// that lost its stored counter) is not locked out: see usm.cpp. Called once, after
// net-snmp's start.
void watchTimeWindows();

// ---- errormap.cpp
int reportStatus(const netsnmp_pdu* pdu);
// net-snmp's error numbers (a failed send, a security error) to engine statuses.
int libraryErrorStatus(int error);

// ---- pduconv.cpp
bool addVariable(netsnmp_pdu* npdu, const Vb& vb);
void fillFromResponse(Pdu& out, const netsnmp_pdu* in);

// ---- sessions.cpp
// The agent's address and port as a key.
std::string agentKey(const SnmpTarget& target);
void dropNotifier(QSocketNotifier*& notifier);

// ---- discovery.cpp
void keepEngineId(Request& probe, const netsnmp_pdu* pdu);

// ---- delivery.cpp
int engineCallback(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);
long perTryMicroseconds(const SnmpTarget& target);
// The latest a request can still end by itself: its tries from now, with a margin.
// net-snmp ends every request well before; the deadline only catches one it dropped.
void armDeadline(Request& r);

} // namespace snmpengine

struct Snmp::Impl {
    using Session = snmpengine::Session;
    using Request = snmpengine::Request;

    Snmp* q = nullptr;
    std::map<std::string, std::unique_ptr<Session>> sessions; // by key; retired ones too
    std::deque<unsigned long> completed;                       // to deliver, in order
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    bool closing = false;
    std::string sessionKey; // sessionFor's work text, kept from one request to the next

    // ----- sending

    int send(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data, bool sync);
    // A new request of this engine to the target's agent, in the registry.
    Request& newRequest(bool sync, const SnmpTarget& target, const std::string& agent);
    int checkTarget(const SnmpTarget& target, const Pdu& pdu) const;
    Session* sessionFor(const Request& r, int& status);
    Session* probeSessionFor(const Request& r, int& status);
    Session* openSession(const std::string& key, netsnmp_session& settings, const Request& r, bool sync);
    int transmit(Request& r, const Pdu& pdu);
    unsigned long startProbe(const Request& waiting);
    void finish(Request& r, int reason, const netsnmp_pdu* reply);
    void probeFinished(Request& probe);
    void waitFor(Request& r);

    // ----- event loop

    void readSession(Session* s);
    void pump();
    void checkDeadlines();
    void closeIdleRetiredSessions();
    void deliver();
    void erase(unsigned long id);
    void complete(unsigned long id, int reason);
    void retireSessions(const std::string& agent, const std::string& securityName);
};
