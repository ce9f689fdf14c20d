// The engine over net-snmp's single-session API.
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
#include "snmplib/engine/snmp.h"

#include "snmplib/engine/snmperrs.h"

#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>

// net-snmp declares its own snmp_callback type; keep it out of the way of ours.
#define snmp_callback netsnmp_snmp_callback
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/large_fd_set.h>
#undef snmp_callback

#include <poll.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <unistd.h>
#include <unordered_map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// ---------------------------------------------------------------------------------
// Library start-up: once per process, private (no configuration files, no MIB files,
// nothing persistent read or written).

bool g_netsnmpReady = false;

bool initNetSnmp()
{
    if (g_netsnmpReady)
        return true;
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    // net-snmp insists on a persistent directory (it makes a certificate index there);
    // one per user, reused by every run, keeps it out of the system's and the user's.
    const std::string dir = QDir::tempPath().toStdString() + "/trq3100-netsnmp-" + std::to_string(getuid());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
    // The library's warnings stay quiet (what goes wrong in an exchange reaches the
    // caller as a status); its errors still go to stderr.
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_ERR);
    init_snmp("trq3100");
    g_netsnmpReady = true;
    return true;
}

// ---------------------------------------------------------------------------------
// Users registered with usmAddUserName.

struct User {
    long authProtocol = SNMP_AUTHPROTOCOL_NONE;
    long privProtocol = SNMP_PRIVPROTOCOL_NONE;
    std::string authPassword;
    std::string privPassword;
    unsigned generation = 0;
};

std::map<std::string, User> g_users;
unsigned g_userGeneration = 0;

// The agents' engine IDs, by "address/port".
std::map<std::string, std::string> g_engineIds;

// Removes every user of this name from net-snmp's key cache.
void purgeNetSnmpUsers(const std::string& name)
{
    struct usmUser* user = usm_get_userList();
    while (user) {
        struct usmUser* next = user->next;
        if (user->name && name == user->name) {
            usm_remove_user(user);
            usm_free_user(user);
        }
        user = next;
    }
}

// ---------------------------------------------------------------------------------
// Status mapping.

int reportStatus(const netsnmp_pdu* pdu)
{
    static const struct {
        oid prefix[10];
        size_t length;
        int status;
    } known[] = {
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 1}, 10, SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 2}, 10, SNMPv3_USM_NOT_IN_TIME_WINDOW},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 3}, 10, SNMPv3_USM_UNKNOWN_SECURITY_NAME},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 4}, 10, SNMPv3_USM_UNKNOWN_ENGINEID},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 5}, 10, SNMPv3_USM_AUTHENTICATION_FAILURE},
        {{1, 3, 6, 1, 6, 3, 15, 1, 1, 6}, 10, SNMPv3_USM_DECRYPTION_ERROR},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 1}, 10, SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 2}, 10, SNMPv3_MP_INVALID_MESSAGE},
        {{1, 3, 6, 1, 6, 3, 11, 2, 1, 3}, 10, SNMPv3_MP_UNKNOWN_PDU_HANDLERS},
        {{1, 3, 6, 1, 6, 3, 12, 1, 4}, 9, SNMPv3_MP_UNAVAILABLE_CONTEXT},
        {{1, 3, 6, 1, 6, 3, 12, 1, 5}, 9, SNMPv3_MP_UNKNOWN_CONTEXT},
    };
    if (!pdu || !pdu->variables)
        return SNMP_CLASS_ERROR;
    const netsnmp_variable_list* vb = pdu->variables;
    for (const auto& k : known) {
        if (vb->name_length >= k.length && snmp_oid_ncompare(vb->name, vb->name_length, k.prefix, k.length, k.length) == 0)
            return k.status;
    }
    return SNMP_CLASS_ERROR;
}

// net-snmp's error numbers (a failed send, a security error) to engine statuses.
int libraryErrorStatus(int error)
{
    switch (error) {
    case SNMPERR_TIMEOUT: return SNMP_CLASS_TIMEOUT;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_ADDRESS:
    case SNMPERR_BAD_RECVFROM: return SNMP_CLASS_TL_FAILED;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL: return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return SNMPv3_USM_NOT_IN_TIME_WINDOW;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID: return SNMPv3_USM_UNKNOWN_ENGINEID;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return SNMPv3_USM_AUTHENTICATION_FAILURE;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return SNMPv3_USM_DECRYPTION_ERROR;
    case SNMPERR_USM_ENCRYPTIONERROR: return SNMPv3_USM_ENCRYPTION_ERROR;
    case SNMPERR_USM_PARSEERROR: return SNMPv3_USM_PARSE_ERROR;
    case SNMPERR_USM_GENERICERROR: return SNMPv3_USM_ERROR;
    case SNMPERR_UNKNOWN_SEC_MODEL: return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    case SNMPERR_INVALID_MSG: return SNMPv3_MP_INVALID_MESSAGE;
    case SNMPERR_UNKNOWN_PDU: return SNMPv3_MP_UNKNOWN_PDU_HANDLERS;
    case SNMPERR_TOO_LONG: return SNMP_CLASS_INVALID_PDU;
    default: return SNMP_CLASS_ERROR;
    }
}

// ---------------------------------------------------------------------------------
// PDU conversion.

bool addVariable(netsnmp_pdu* npdu, const Vb& vb)
{
    const Oid& name = vb.get_oid();
    if (name.len() == 0 || name.len() > MAX_OID_LEN)
        return false;
    oid arcs[MAX_OID_LEN];
    for (std::size_t i = 0; i < name.len(); ++i)
        arcs[i] = name[i];
    const SnmpSyntax* value = vb.get_value();
    const SmiUINT32 syntax = vb.get_syntax();
    netsnmp_variable_list* added = nullptr;
    switch (syntax) {
    case sNMP_SYNTAX_INT32: {
        long v = static_cast<long>(static_cast<const SnmpInt32&>(*value));
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_UINT32:
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS: {
        u_long v = static_cast<unsigned long>(static_cast<const SnmpUInt32&>(*value));
        const u_char type = syntax == sNMP_SYNTAX_UINT32 ? ASN_UINTEGER
                            : syntax == sNMP_SYNTAX_CNTR32 ? ASN_COUNTER
                            : syntax == sNMP_SYNTAX_GAUGE32 ? ASN_GAUGE
                                                            : ASN_TIMETICKS;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), type, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_CNTR64: {
        const auto& c = static_cast<const Counter64&>(*value);
        struct counter64 v;
        v.high = c.high();
        v.low = c.low();
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_BITS: {
        const auto* octets = dynamic_cast<const OctetStr*>(value);
        if (!octets)
            return false;
        const u_char type = syntax == sNMP_SYNTAX_OCTETS ? ASN_OCTET_STR
                            : syntax == sNMP_SYNTAX_OPAQUE ? ASN_OPAQUE
                                                           : ASN_BIT_STR;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), type, octets->data(), octets->len());
        break;
    }
    case sNMP_SYNTAX_OID: {
        const auto& o = static_cast<const Oid&>(*value);
        if (o.len() > MAX_OID_LEN)
            return false;
        oid v[MAX_OID_LEN];
        for (std::size_t i = 0; i < o.len(); ++i)
            v[i] = o[i];
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_OBJECT_ID, v, o.len() * sizeof(oid));
        break;
    }
    case sNMP_SYNTAX_IPADDR: {
        const auto* ip = dynamic_cast<const IpAddress*>(value);
        if (!ip || ip->ip_version() != 4)
            return false;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_IPADDRESS, ip->octets(), 4);
        break;
    }
    default:
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

Vb fromVariable(const netsnmp_variable_list* v)
{
    Vb vb;
    vb.set_oid(Oid(v->name, v->name_length));
    switch (v->type) {
    case ASN_INTEGER: vb.set_value(SnmpInt32(*v->val.integer)); break;
    case ASN_COUNTER: vb.set_value(Counter32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_GAUGE: vb.set_value(Gauge32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_TIMETICKS: vb.set_value(TimeTicks(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_UINTEGER: vb.set_value(SnmpUInt32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_COUNTER64: vb.set_value(Counter64(v->val.counter64->high, v->val.counter64->low)); break;
    case ASN_OCTET_STR: vb.set_value(OctetStr(v->val.string, v->val_len)); break;
    case ASN_OPAQUE: vb.set_value(OpaqueStr(v->val.string, v->val_len)); break;
    case ASN_BIT_STR: vb.set_value(BitStr(v->val.string, v->val_len)); break;
    case ASN_IPADDRESS:
        if (v->val_len >= 4)
            vb.set_value(IpAddress(v->val.string));
        break;
    case ASN_OBJECT_ID: vb.set_value(Oid(v->val.objid, v->val_len / sizeof(oid))); break;
    case SNMP_NOSUCHOBJECT: vb.set_syntax(sNMP_SYNTAX_NOSUCHOBJECT); break;
    case SNMP_NOSUCHINSTANCE: vb.set_syntax(sNMP_SYNTAX_NOSUCHINSTANCE); break;
    case SNMP_ENDOFMIBVIEW: vb.set_syntax(sNMP_SYNTAX_ENDOFMIBVIEW); break;
    default: break; // ASN_NULL and anything unknown: no value
    }
    return vb;
}

void fillFromResponse(Pdu& out, const netsnmp_pdu* in)
{
    const unsigned long id = out.get_request_id();
    const int level = out.get_security_level();
    const OctetStr contextName = out.get_context_name();
    const OctetStr contextEngineId = out.get_context_engine_id();
    out = Pdu();
    int count = 0;
    for (const netsnmp_variable_list* v = in->variables; v; v = v->next_variable)
        ++count;
    out.reserve(count);
    for (const netsnmp_variable_list* v = in->variables; v; v = v->next_variable)
        out += fromVariable(v);
    out.set_error_status(static_cast<int>(in->errstat));
    out.set_error_index(static_cast<int>(in->errindex));
    out.set_type(static_cast<unsigned short>(in->command));
    out.set_request_id(id);
    out.set_security_level(level);
    out.set_context_name(contextName);
    out.set_context_engine_id(contextEngineId);
}

std::string hexOf(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

// Socket notifiers whose signal is being handled: they are deleted later, not from
// inside their own signal (a callback may delete the engine).
std::set<QSocketNotifier*> g_emitting;

void dropNotifier(QSocketNotifier*& notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    if (g_emitting.count(notifier))
        notifier->deleteLater();
    else
        delete notifier;
    notifier = nullptr;
}

// The registry of every outstanding request of every engine.
struct Request;
std::unordered_map<unsigned long, Request*> g_requests;
unsigned long g_nextRequestId = 1;

int engineCallback(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic);

} // namespace

// ---------------------------------------------------------------------------------

namespace {

struct Session {
    std::string key;
    std::string agent;         // "address/port"
    std::string securityName;  // SNMPv3 sessions
    void* handle = nullptr;    // net-snmp single-session handle
    int fd = -1;
    bool sync = false;
    bool v3 = false;           // an SNMPv3 session with a user (not a probe)
    bool retired = false;      // no new requests; closed once nothing is in flight
    std::set<unsigned long> inFlight;
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
};

long perTryMicroseconds(const SnmpTarget& target)
{
    return static_cast<long>(std::max<unsigned long>(target.get_timeout(), 1)) * 10000L;
}

// The latest a request can still end by itself: its tries from now, with a margin.
// net-snmp ends every request well before; the deadline only catches one it dropped.
void armDeadline(Request& r)
{
    const long budget = perTryMicroseconds(*r.target) * (r.target->get_retry() + 1);
    r.deadline = Clock::now() + std::chrono::microseconds(budget) + std::chrono::seconds(2);
}

// Reads one datagram of a session's socket (net-snmp's callbacks record it).
void readDatagram(Session* s)
{
    netsnmp_large_fd_set set;
    netsnmp_large_fd_set_init(&set, s->fd + 1);
    NETSNMP_LARGE_FD_SET(s->fd, &set);
    snmp_sess_read2(s->handle, &set);
    netsnmp_large_fd_set_cleanup(&set);
}

// Reads every datagram waiting on a session's socket, waiting at most waitMs for the first.
void readPending(Session* s, int waitMs = 0)
{
    for (int n = 0; n < 256; ++n) {
        struct pollfd p = {s->fd, POLLIN, 0};
        if (::poll(&p, 1, n == 0 ? waitMs : 0) <= 0 || !(p.revents & POLLIN))
            return;
        readDatagram(s);
    }
}

void keepEngineId(Request& probe, const netsnmp_pdu* pdu)
{
    if (pdu && pdu->securityEngineID && pdu->securityEngineIDLen)
        probe.discoveredEngineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
}

} // namespace

struct Snmp::Impl {
    Snmp* q = nullptr;
    std::map<std::string, std::unique_ptr<Session>> sessions; // by key; retired ones too
    std::deque<unsigned long> completed;                       // to deliver, in order
    std::shared_ptr<bool> alive = std::make_shared<bool>(true);
    bool closing = false;

    static std::vector<Impl*>& engines()
    {
        static std::vector<Impl*> list;
        return list;
    }

    // ----- sending

    int send(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data, bool sync);
    int checkTarget(const SnmpTarget& target, const Pdu& pdu) const;
    Session* sessionFor(const Request& r, int& status);
    Session* probeSessionFor(const Request& r, int& status);
    Session* openSession(const std::string& key, netsnmp_session& settings, const Request& r, bool sync);
    int transmit(Request& r);
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

namespace {

Request* findRequest(unsigned long id)
{
    auto it = g_requests.find(id);
    return it == g_requests.end() ? nullptr : it->second;
}

int engineCallback(int op, netsnmp_session* session, int, netsnmp_pdu* pdu, void* magic)
{
    Request* r = findRequest(static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(magic)));
    if (!r || r->state != State::InFlight || r->owner->closing)
        return 1;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RESEND:
        ++r->tries;
        armDeadline(*r);
        return 1;
    case NETSNMP_CALLBACK_OP_SEC_ERROR:
        // Comes together with the REPORT (before or after it, by build); the report
        // itself completes the request.
        r->reported = (pdu && pdu->command == SNMP_MSG_REPORT) ? reportStatus(pdu)
                                                                : libraryErrorStatus(session ? session->s_snmp_errno : 0);
        armDeadline(*r);
        return 1;
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            int status = reportStatus(pdu);
            if (status == SNMP_CLASS_ERROR && r->reported)
                status = r->reported;
            if (r->probe) {
                keepEngineId(*r, pdu);
                r->owner->finish(*r, r->discoveredEngineId.empty() ? status : SNMP_CLASS_SUCCESS, nullptr);
                return 1;
            }
            // notInTimeWindow: net-snmp now knows the agent's boots and time and sends
            // the request again while the tries last.
            if (status == SNMPv3_USM_NOT_IN_TIME_WINDOW && r->tries <= r->target->get_retry()) {
                ++r->tries;
                r->reported = status;
                armDeadline(*r);
                return 1;
            }
            r->owner->finish(*r, status, pdu);
            return 1;
        }
        if (r->probe) {
            keepEngineId(*r, pdu);
            r->owner->finish(*r, r->discoveredEngineId.empty() ? SNMP_CLASS_ERROR : SNMP_CLASS_SUCCESS, nullptr);
            return 1;
        }
        r->owner->finish(*r, SNMP_CLASS_ASYNC_RESPONSE, pdu);
        return 1;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        r->owner->finish(*r, r->reported ? r->reported : SNMP_CLASS_TIMEOUT, nullptr);
        return 1;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        r->owner->finish(*r, SNMP_CLASS_TL_FAILED, nullptr);
        return 1;
    default:
        return 1;
    }
}

// The agent's address and port as a key: the address's octets and the port's two, with no
// formatting (it is made for every request).
std::string agentKey(const SnmpTarget& target)
{
    const UdpAddress& address = target.get_udp_address();
    const std::size_t length = address.ip_version() == 6 ? 16 : address.ip_version() == 4 ? 4 : 0;
    std::string key(1, static_cast<char>('0' + address.ip_version())); // keys of both families never meet
    key.append(reinterpret_cast<const char*>(address.octets()), length);
    key += static_cast<char>(address.get_port() >> 8);
    key += static_cast<char>(address.get_port() & 0xFF);
    return key;
}

std::string peerName(const UdpAddress& address)
{
    const std::string host = address.IpAddress::get_printable();
    if (address.ip_version() == 6)
        return "udp6:[" + host + "]:" + std::to_string(address.get_port());
    return "udp:" + host + ":" + std::to_string(address.get_port());
}

} // namespace

// ---------------------------------------------------------------------------------
// Sending.

int Snmp::Impl::checkTarget(const SnmpTarget& target, const Pdu& pdu) const
{
    if (!target.valid())
        return SNMP_CLASS_INVALID_TARGET;
    for (int i = 0; i < pdu.get_vb_count(); ++i) {
        if (!pdu[i].get_oid().valid() || pdu[i].get_oid().len() > MAX_OID_LEN)
            return SNMP_CLASS_INVALID_OID;
    }
    const snmp_version version = target.get_version();
    if (version != version1 && version != version2c && version != version3)
        return SNMP_CLASS_INVALID_TARGET;
    if (version != version3)
        return SNMP_CLASS_SUCCESS;
    const auto* user = dynamic_cast<const UTarget*>(&target);
    if (!user)
        return SNMP_CLASS_INVALID_TARGET;
    if (user->get_security_model() != SNMP_SECURITY_MODEL_USM)
        return SNMPv3_MP_UNSUPPORTED_SECURITY_MODEL;
    const int level = pdu.get_security_level();
    if (level < SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV || level > SNMP_SECURITY_LEVEL_AUTH_PRIV)
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    if (level == SNMP_SECURITY_LEVEL_NOAUTH_NOPRIV)
        return SNMP_CLASS_SUCCESS;
    auto it = g_users.find(user->get_security_name().str());
    if (it == g_users.end())
        return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    if (it->second.authProtocol == SNMP_AUTHPROTOCOL_NONE ||
        (level == SNMP_SECURITY_LEVEL_AUTH_PRIV && it->second.privProtocol == SNMP_PRIVPROTOCOL_NONE))
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    return SNMP_CLASS_SUCCESS;
}

int Snmp::Impl::send(int command, Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data, bool sync)
{
    if (!sync && !callback)
        return SNMP_CLASS_INVALID_CALLBACK;
    // A set that writes nothing is never sent: the agent would call it a success.
    if (command == sNMP_PDU_SET && pdu.get_vb_count() == 0)
        return SNMP_CLASS_INVALID_PDU;
    const int check = checkTarget(target, pdu);
    if (check != SNMP_CLASS_SUCCESS)
        return check;

    auto owned = std::make_unique<Request>();
    Request& r = *owned;
    r.id = g_nextRequestId++;
    r.owner = this;
    r.command = command;
    r.sync = sync;
    r.pdu = pdu;
    r.pdu.set_request_id(r.id);
    r.pdu.set_type(static_cast<unsigned short>(command));
    r.target.reset(target.clone());
    r.callback = callback;
    r.callbackData = data;
    r.agent = agentKey(target);
    g_requests.emplace(r.id, owned.release());
    pdu.set_request_id(r.id);

    if (target.get_version() == version3 && !g_engineIds.count(r.agent)) {
        r.state = State::WaitingForEngineId;
        if (!sync) {
            startProbe(r);
            return SNMP_CLASS_SUCCESS; // sent once the engine ID is known
        }
        // The probe of a synchronous request is waited for here.
        if (Request* probe = findRequest(startProbe(r)))
            waitFor(*probe);
        if (r.state == State::Done) { // the probe failed
            const int reason = r.reason;
            erase(r.id);
            return reason;
        }
    }

    const int status = transmit(r);
    if (status != SNMP_CLASS_SUCCESS) {
        erase(r.id);
        return status;
    }
    if (!sync)
        return SNMP_CLASS_SUCCESS;
    waitFor(r);
    int result = r.reason;
    if (result == SNMP_CLASS_ASYNC_RESPONSE) {
        pdu = r.pdu;
        result = pdu.get_error_status();
    }
    erase(r.id);
    return result;
}

// Hands a request to net-snmp. On failure the request is left as it was.
int Snmp::Impl::transmit(Request& r)
{
    int status = SNMP_CLASS_SUCCESS;
    Session* s = sessionFor(r, status);
    if (!s)
        return status;
    const int type = r.command == sNMP_PDU_SET ? SNMP_MSG_SET : r.command == sNMP_PDU_GETNEXT ? SNMP_MSG_GETNEXT : SNMP_MSG_GET;
    netsnmp_pdu* npdu = snmp_pdu_create(type);
    if (!npdu)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    for (int i = 0; i < r.pdu.get_vb_count(); ++i) {
        if (!addVariable(npdu, r.pdu[i])) {
            snmp_free_pdu(npdu);
            return SNMP_CLASS_INVALID_PDU;
        }
    }
    const SnmpTarget& target = *r.target;
    if (target.get_version() == version3) {
        npdu->securityLevel = r.pdu.get_security_level();
        const OctetStr& contextName = r.pdu.get_context_name();
        npdu->contextName = static_cast<char*>(malloc(contextName.len() + 1));
        memcpy(npdu->contextName, contextName.data(), contextName.len());
        npdu->contextName[contextName.len()] = '\0';
        npdu->contextNameLen = contextName.len();
        const OctetStr& contextEngineId = r.pdu.get_context_engine_id();
        if (contextEngineId.len()) {
            npdu->contextEngineID = static_cast<u_char*>(netsnmp_memdup(contextEngineId.data(), contextEngineId.len()));
            npdu->contextEngineIDLen = contextEngineId.len();
        }
    } else {
        OctetStr community;
        if (const auto* c = dynamic_cast<const CTarget*>(&target))
            community = r.command == sNMP_PDU_SET ? c->get_writecommunity() : c->get_readcommunity();
        else if (const auto* u = dynamic_cast<const UTarget*>(&target))
            community = u->get_security_name();
        npdu->community = static_cast<u_char*>(malloc(community.len() + 1));
        memcpy(npdu->community, community.data(), community.len());
        npdu->community_len = community.len();
    }
    r.state = State::InFlight;
    r.session = s;
    r.tries = 0;
    armDeadline(r);
    s->inFlight.insert(r.id);
    const void* magic = reinterpret_cast<void*>(static_cast<std::uintptr_t>(r.id));
    if (snmp_sess_async_send(s->handle, npdu, engineCallback, const_cast<void*>(magic)) == 0) {
        netsnmp_session* ns = snmp_sess_session(s->handle);
        const int error = ns ? ns->s_snmp_errno : SNMPERR_GENERR;
        snmp_free_pdu(npdu);
        s->inFlight.erase(r.id);
        r.state = State::WaitingForEngineId;
        r.session = nullptr;
        return libraryErrorStatus(error == 0 ? SNMPERR_GENERR : error);
    }
    return SNMP_CLASS_SUCCESS;
}

Session* Snmp::Impl::openSession(const std::string& key, netsnmp_session& settings, const Request& r, bool sync)
{
    const SnmpTarget& target = *r.target;
    const std::string peer = peerName(target.get_udp_address());
    settings.peername = const_cast<char*>(peer.c_str());
    settings.retries = target.get_retry();
    settings.timeout = perTryMicroseconds(target);
    settings.callback = engineCallback;
    settings.callback_magic = nullptr;
    void* handle = snmp_sess_open(&settings);
    if (!handle)
        return nullptr;
    // net-snmp clears the no-probe flag once the session is open and would then probe,
    // blocking, on the first send without an engine ID (our own probes): set it again.
    if (settings.version == SNMP_VERSION_3)
        snmp_sess_session(handle)->flags |= SNMP_FLAGS_DONT_PROBE;
    netsnmp_transport* transport = snmp_sess_transport(handle);
    auto s = std::make_unique<Session>();
    s->key = key;
    s->agent = r.agent;
    s->handle = handle;
    s->fd = transport ? transport->sock : -1;
    s->sync = sync;
    if (!sync && s->fd >= 0 && QCoreApplication::instance()) {
        s->notifier = new QSocketNotifier(s->fd, QSocketNotifier::Read);
        Session* raw = s.get();
        QSocketNotifier* notifier = s->notifier;
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this, raw, notifier] {
            // Erased on every way out, also when a completion throws.
            struct Emitting {
                QSocketNotifier* n;
                ~Emitting() { g_emitting.erase(n); }
            } emitting{notifier};
            g_emitting.insert(notifier);
            readSession(raw);
        });
    }
    Session* raw = s.get();
    sessions[key] = std::move(s);
    return raw;
}

Session* Snmp::Impl::sessionFor(const Request& r, int& status)
{
    const SnmpTarget& target = *r.target;
    const bool v3 = target.get_version() == version3;
    std::string key = std::string(r.sync ? "S|" : "A|") + r.agent + "|" + std::to_string(target.get_version()) + "|" +
                      std::to_string(target.get_timeout()) + "|" + std::to_string(target.get_retry());
    const User* user = nullptr;
    std::string name;
    std::string engineId;
    if (v3) {
        name = static_cast<const UTarget&>(target).get_security_name().str();
        auto u = g_users.find(name);
        if (u != g_users.end())
            user = &u->second;
        auto known = g_engineIds.find(r.agent);
        if (known == g_engineIds.end()) {
            status = SNMPv3_USM_UNKNOWN_ENGINEID;
            return nullptr;
        }
        engineId = known->second;
        key += "|" + hexOf(name) + "|" + std::to_string(r.pdu.get_security_level()) + "|" + hexOf(engineId) + "|" +
               std::to_string(user ? user->generation : 0);
    }
    auto it = sessions.find(key);
    if (it != sessions.end() && !it->second->retired)
        return it->second.get();
    if (it != sessions.end()) { // a retired session of the same key is still draining
        static unsigned long retiredCount = 0;
        auto node = sessions.extract(it);
        node.mapped()->key += "|retired#" + std::to_string(++retiredCount);
        node.key() = node.mapped()->key;
        sessions.insert(std::move(node));
    }

    netsnmp_session settings;
    snmp_sess_init(&settings);
    if (!v3) {
        settings.version = target.get_version() == version1 ? SNMP_VERSION_1 : SNMP_VERSION_2c;
        static char community[] = "public"; // each PDU carries its own
        settings.community = reinterpret_cast<u_char*>(community);
        settings.community_len = 6;
        Session* s = openSession(key, settings, r, r.sync);
        if (!s)
            status = SNMP_CLASS_TL_FAILED;
        return s;
    }
    settings.version = SNMP_VERSION_3;
    settings.securityModel = SNMP_SEC_MODEL_USM;
    settings.securityName = const_cast<char*>(name.c_str());
    settings.securityNameLen = name.size();
    settings.securityLevel = r.pdu.get_security_level();
    settings.securityEngineID = reinterpret_cast<u_char*>(const_cast<char*>(engineId.data()));
    settings.securityEngineIDLen = engineId.size();
    settings.flags |= SNMP_FLAGS_DONT_PROBE;
    if (user && user->authProtocol != SNMP_AUTHPROTOCOL_NONE) {
        oid* authProto = user->authProtocol == SNMP_AUTHPROTOCOL_HMACSHA ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
        settings.securityAuthProto = authProto;
        settings.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        settings.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (generate_Ku(authProto, USM_AUTH_PROTO_MD5_LEN,
                        reinterpret_cast<const u_char*>(user->authPassword.data()), user->authPassword.size(),
                        settings.securityAuthKey, &settings.securityAuthKeyLen) != SNMPERR_SUCCESS) {
            status = SNMPv3_USM_ERROR;
            return nullptr;
        }
        if (user->privProtocol != SNMP_PRIVPROTOCOL_NONE) {
            settings.securityPrivProto = user->privProtocol == SNMP_PRIVPROTOCOL_AES128 ? usmAESPrivProtocol : usmDESPrivProtocol;
            settings.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            settings.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (generate_Ku(authProto, USM_AUTH_PROTO_MD5_LEN,
                            reinterpret_cast<const u_char*>(user->privPassword.data()), user->privPassword.size(),
                            settings.securityPrivKey, &settings.securityPrivKeyLen) != SNMPERR_SUCCESS) {
                status = SNMPv3_USM_ERROR;
                return nullptr;
            }
        }
    }
    Session* s = openSession(key, settings, r, r.sync);
    if (!s) {
        status = SNMP_CLASS_TL_FAILED;
        return nullptr;
    }
    s->securityName = name;
    s->v3 = true;
    return s;
}

Session* Snmp::Impl::probeSessionFor(const Request& r, int& status)
{
    const SnmpTarget& target = *r.target;
    const std::string key = std::string(r.sync ? "S|" : "A|") + "probe|" + r.agent + "|" +
                            std::to_string(target.get_timeout()) + "|" + std::to_string(target.get_retry());
    auto it = sessions.find(key);
    if (it != sessions.end())
        return it->second.get();
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.version = SNMP_VERSION_3;
    settings.securityModel = SNMP_SEC_MODEL_USM;
    settings.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
    static char empty[] = "";
    settings.securityName = empty;
    settings.securityNameLen = 0;
    settings.flags |= SNMP_FLAGS_DONT_PROBE;
    Session* s = openSession(key, settings, r, r.sync);
    if (!s)
        status = SNMP_CLASS_TL_FAILED;
    return s;
}

// Sends an engine-ID probe to the agent of a waiting request, unless one is on its way.
// Returns the ID of the probe in flight, or 0 when it could not be sent (it has then
// failed already, and taken the waiting requests with it).
unsigned long Snmp::Impl::startProbe(const Request& waiting)
{
    for (auto& [id, other] : g_requests) {
        if (other->probe && other->owner == this && other->agent == waiting.agent && other->sync == waiting.sync &&
            other->state == State::InFlight)
            return id;
    }
    auto owned = std::make_unique<Request>();
    Request& p = *owned;
    p.id = g_nextRequestId++;
    p.owner = this;
    p.probe = true;
    p.sync = waiting.sync;
    p.target.reset(waiting.target->clone());
    p.agent = waiting.agent;
    g_requests.emplace(p.id, owned.release());

    int status = SNMP_CLASS_SUCCESS;
    Session* s = probeSessionFor(p, status);
    netsnmp_pdu* npdu = s ? snmp_pdu_create(SNMP_MSG_GET) : nullptr;
    if (npdu) {
        npdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        npdu->securityName = strdup(""); // no user, on purpose
        npdu->securityNameLen = 0;
        npdu->contextName = strdup("");
        npdu->contextNameLen = 0;
        p.state = State::InFlight;
        p.session = s;
        armDeadline(p);
        s->inFlight.insert(p.id);
        if (snmp_sess_async_send(s->handle, npdu, engineCallback, reinterpret_cast<void*>(static_cast<std::uintptr_t>(p.id))) != 0)
            return p.id;
        netsnmp_session* ns = snmp_sess_session(s->handle);
        status = libraryErrorStatus(ns ? ns->s_snmp_errno : SNMPERR_GENERR);
        snmp_free_pdu(npdu);
        s->inFlight.erase(p.id);
    } else if (status == SNMP_CLASS_SUCCESS) {
        status = SNMP_CLASS_RESOURCE_UNAVAIL;
    }
    // Could not even send: the probe fails now and takes its waiting requests with it.
    p.state = State::InFlight;
    finish(p, status == SNMP_CLASS_SUCCESS ? SNMP_CLASS_ERROR : status, nullptr);
    return 0;
}

// Records the outcome of a request (called from net-snmp's callback and from the pump;
// never calls back into the application).
void Snmp::Impl::finish(Request& r, int reason, const netsnmp_pdu* reply)
{
    if (r.state == State::Done)
        return;
    r.state = State::Done;
    r.reason = reason;
    if (r.session) {
        r.session->inFlight.erase(r.id);
        r.session = nullptr;
    }
    if (reply)
        fillFromResponse(r.pdu, reply);
    if ((reason == SNMPv3_USM_UNKNOWN_ENGINEID || reason == SNMP_CLASS_TIMEOUT) && !r.probe &&
        r.target->get_version() == version3) {
        // The agent may have a new engine ID: discover it again before the next request.
        // One that was replaced or reset behind the same address often says nothing about
        // the old ID, so a time-out counts as well.
        g_engineIds.erase(r.agent);
        for (Impl* e : engines())
            e->retireSessions(r.agent, std::string());
    }
    if (r.probe) {
        probeFinished(r);
        return;
    }
    if (!r.sync)
        completed.push_back(r.id);
}

// A probe is over: release the requests that waited for it (the synchronous one is
// sent by its waiting caller; asynchronous ones from the pump, see deliver()).
void Snmp::Impl::probeFinished(Request& probe)
{
    if (probe.reason == SNMP_CLASS_SUCCESS && !probe.discoveredEngineId.empty())
        g_engineIds[probe.agent] = probe.discoveredEngineId;
    completed.push_back(probe.id);
    if (probe.sync) {
        for (auto& [id, r] : g_requests) {
            if (r->owner == this && !r->probe && r->sync && r->agent == probe.agent &&
                r->state == State::WaitingForEngineId && probe.reason != SNMP_CLASS_SUCCESS) {
                r->state = State::Done;
                r->reason = probe.reason;
            }
        }
    }
}

// Blocks until one request is over, reading its session's socket only. For
// synchronous calls, which wait by definition.
void Snmp::Impl::waitFor(Request& r)
{
    const unsigned long id = r.id;
    while (true) {
        Request* current = findRequest(id);
        if (!current || current->state != State::InFlight || !current->session)
            return;
        readPending(current->session, 50);
        current = findRequest(id);
        if (current && current->state == State::InFlight && current->session)
            snmp_sess_timeout(current->session->handle);
        current = findRequest(id);
        if (current && current->state == State::InFlight && Clock::now() > current->deadline)
            finish(*current, current->reported ? current->reported : SNMP_CLASS_TIMEOUT, nullptr);
    }
}

// ---------------------------------------------------------------------------------
// Event loop.

void Snmp::Impl::readSession(Session* s)
{
    // The notifier fires while a datagram waits: one read, no look first and none after
    // (the notifier fires again for the next one), so a reply costs the event loop's wait
    // and the read alone. The read never blocks: net-snmp reads with MSG_DONTWAIT.
    readDatagram(s);
    deliver();
}

void Snmp::Impl::pump()
{
    std::vector<Session*> list;
    for (auto& [key, s] : sessions)
        if (!s->sync)
            list.push_back(s.get());
    for (Session* s : list) {
        readPending(s);
        if (!s->inFlight.empty())
            snmp_sess_timeout(s->handle);
    }
    checkDeadlines();
    closeIdleRetiredSessions();
    deliver();
}

// A request that net-snmp no longer reports on (it dropped it without a word) ends
// when its whole time budget is over.
void Snmp::Impl::checkDeadlines()
{
    const auto now = Clock::now();
    std::vector<Request*> late;
    for (auto& [id, r] : g_requests)
        if (r->owner == this && r->state == State::InFlight && now > r->deadline)
            late.push_back(r);
    for (Request* r : late)
        finish(*r, r->reported ? r->reported : SNMP_CLASS_TIMEOUT, nullptr);
}

void Snmp::Impl::closeIdleRetiredSessions()
{
    for (auto it = sessions.begin(); it != sessions.end();) {
        Session* s = it->second.get();
        if (s->retired && s->inFlight.empty()) {
            dropNotifier(s->notifier);
            snmp_sess_close(s->handle);
            it = sessions.erase(it);
        } else {
            ++it;
        }
    }
}

void Snmp::Impl::retireSessions(const std::string& agent, const std::string& securityName)
{
    for (auto& [key, s] : sessions) {
        if (!s->v3)
            continue;
        if (!agent.empty() && s->agent != agent)
            continue;
        if (!securityName.empty() && s->securityName != securityName)
            continue;
        s->retired = true;
    }
}

void Snmp::Impl::erase(unsigned long id)
{
    auto it = g_requests.find(id);
    if (it == g_requests.end())
        return;
    Request* r = it->second;
    if (r->session)
        r->session->inFlight.erase(id);
    g_requests.erase(it);
    delete r;
}

// Calls the callbacks of completed requests, one at a time, each removed before its
// callback runs; survives callbacks that pump events, send, cancel or delete the engine.
void Snmp::Impl::deliver()
{
    std::shared_ptr<bool> guard = alive;
    while (*guard && !completed.empty()) {
        const unsigned long id = completed.front();
        completed.pop_front();
        Request* r = findRequest(id);
        if (!r || r->owner != this)
            continue;
        if (r->probe) {
            // Send the asynchronous requests that waited for this agent's engine ID.
            const bool ok = r->reason == SNMP_CLASS_SUCCESS;
            const int reason = r->reason;
            const std::string agent = r->agent;
            erase(id);
            std::vector<Request*> waiting;
            for (auto& [wid, w] : g_requests)
                if (w->owner == this && !w->probe && !w->sync && w->agent == agent && w->state == State::WaitingForEngineId)
                    waiting.push_back(w);
            std::sort(waiting.begin(), waiting.end(), [](Request* a, Request* b) { return a->id < b->id; });
            for (Request* w : waiting) {
                const int status = ok ? transmit(*w) : reason;
                if (status != SNMP_CLASS_SUCCESS) {
                    w->state = State::InFlight;
                    finish(*w, status, nullptr);
                }
            }
            continue;
        }
        complete(id, r->reason);
    }
}

// Forgets a request, then calls its callback with what it held.
void Snmp::Impl::complete(unsigned long id, int reason)
{
    Request* r = findRequest(id);
    if (!r)
        return;
    Pdu pdu = std::move(r->pdu);
    std::unique_ptr<SnmpTarget> target = std::move(r->target);
    const snmp_callback callback = r->callback;
    void* data = r->callbackData;
    erase(id);
    if (callback)
        callback(reason, q, pdu, *target, data);
}

// ---------------------------------------------------------------------------------
// Public interface.

Snmp::Snmp(int& status, unsigned short port) : d(std::make_unique<Impl>())
{
    d->q = this;
    if (port != 0) {
        status = SNMP_CLASS_TL_UNSUPPORTED;
        return;
    }
    status = initNetSnmp() ? SNMP_CLASS_SUCCESS : SNMP_CLASS_INTERNAL_ERROR;
    Impl::engines().push_back(d.get());
}

Snmp::~Snmp()
{
    auto& list = Impl::engines();
    list.erase(std::remove(list.begin(), list.end(), d.get()), list.end());
    d->closing = true;
    // Close every session first: net-snmp reports its outstanding requests as timed
    // out right away, which the closing flag turns into nothing.
    for (auto& [key, s] : d->sessions) {
        dropNotifier(s->notifier);
        snmp_sess_close(s->handle);
        s->handle = nullptr;
        s->inFlight.clear();
    }
    d->sessions.clear();
    // Then every asynchronous request still owed a callback learns that the engine is gone.
    std::vector<unsigned long> ids;
    for (auto& [id, r] : g_requests)
        if (r->owner == d.get())
            ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    for (unsigned long id : ids) {
        Request* r = findRequest(id);
        if (!r)
            continue;
        r->session = nullptr;
        if (r->probe || r->sync || !r->callback) {
            d->erase(id);
            continue;
        }
        d->complete(id, SNMP_CLASS_SESSION_DESTROYED);
    }
    *d->alive = false;
}

int Snmp::get(Pdu& pdu, const SnmpTarget& target) { return d->send(sNMP_PDU_GET, pdu, target, nullptr, nullptr, true); }
int Snmp::get_next(Pdu& pdu, const SnmpTarget& target) { return d->send(sNMP_PDU_GETNEXT, pdu, target, nullptr, nullptr, true); }
int Snmp::set(Pdu& pdu, const SnmpTarget& target) { return d->send(sNMP_PDU_SET, pdu, target, nullptr, nullptr, true); }

int Snmp::get(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data)
{
    return d->send(sNMP_PDU_GET, pdu, target, callback, data, false);
}

int Snmp::get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data)
{
    return d->send(sNMP_PDU_GETNEXT, pdu, target, callback, data, false);
}

int Snmp::set(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* data)
{
    return d->send(sNMP_PDU_SET, pdu, target, callback, data, false);
}

int Snmp::cancel(unsigned long requestId)
{
    Request* r = findRequest(requestId);
    if (!r || r->owner != d.get() || r->probe || r->sync)
        return SNMP_CLASS_INVALID_REQID;
    d->erase(requestId); // a reply still on its way finds no record and is dropped
    return SNMP_CLASS_SUCCESS;
}

int Snmp::pending_count() const
{
    int n = 0;
    for (auto& [id, r] : g_requests)
        if (r->owner == d.get() && !r->probe && !r->sync)
            ++n;
    return n;
}

void SNMPProcessPendingEvents()
{
    const std::vector<Snmp::Impl*> list = Snmp::Impl::engines();
    for (Snmp::Impl* e : list) {
        const auto& now = Snmp::Impl::engines();
        if (std::find(now.begin(), now.end(), e) != now.end())
            e->pump();
    }
}

int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol, const OctetStr& authPassword,
                   const OctetStr& privPassword)
{
    initNetSnmp();
    const std::string name = securityName.str();
    User user;
    user.authProtocol = authProtocol;
    user.privProtocol = privProtocol;
    user.authPassword = authPassword.str();
    user.privPassword = privPassword.str();
    int status = SNMPv3_USM_OK;
    if (authProtocol != SNMP_AUTHPROTOCOL_NONE && authProtocol != SNMP_AUTHPROTOCOL_HMACMD5 &&
        authProtocol != SNMP_AUTHPROTOCOL_HMACSHA)
        status = SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL;
    else if (privProtocol != SNMP_PRIVPROTOCOL_NONE && privProtocol != SNMP_PRIVPROTOCOL_DES &&
             privProtocol != SNMP_PRIVPROTOCOL_AES128)
        status = SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL;
    else if (privProtocol != SNMP_PRIVPROTOCOL_NONE && authProtocol == SNMP_AUTHPROTOCOL_NONE)
        status = SNMPv3_USM_ERROR;
    else if ((authProtocol != SNMP_AUTHPROTOCOL_NONE && user.authPassword.size() < USM_LENGTH_P_MIN) ||
             (privProtocol != SNMP_PRIVPROTOCOL_NONE && user.privPassword.size() < USM_LENGTH_P_MIN))
        status = SNMPv3_USM_ERROR;

    auto it = g_users.find(name);
    const bool same = it != g_users.end() && status == SNMPv3_USM_OK && it->second.authProtocol == authProtocol &&
                      it->second.privProtocol == privProtocol && it->second.authPassword == user.authPassword &&
                      it->second.privPassword == user.privPassword;
    if (same)
        return SNMPv3_USM_OK;
    // New or changed: the keys net-snmp derived for this name are stale.
    purgeNetSnmpUsers(name);
    for (Snmp::Impl* e : Snmp::Impl::engines())
        e->retireSessions(std::string(), name);
    if (status != SNMPv3_USM_OK) {
        g_users.erase(name);
        return status;
    }
    user.generation = ++g_userGeneration;
    g_users[name] = user;
    return SNMPv3_USM_OK;
}

int mpInit(Snmp&, const OctetStr& engineId, unsigned int boots)
{
    initNetSnmp();
    if (engineId.len())
        set_exact_engineID(engineId.data(), engineId.len());
    // The configuration-line handler is the library's one public way to set the counter.
    char value[16];
    snprintf(value, sizeof value, "%u", boots);
    engineBoots_conf("engineBoots", value);
    return SNMPv3_MP_OK;
}
