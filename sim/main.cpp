// trq3100-sim: an SNMP agent on net-snmp's agent library that plays a TRQ-3100 chassis on
// loopback for the tests, the benchmarks and the demo. See sim/README.md.
#include "sim/control.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/agent/mib_modules.h>
#include <net-snmp/library/snmp_secmod.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fcntl.h>
#include <fstream>
#include <netinet/in.h>
#include <string>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

extern "C" {
extern netsnmp_session* main_session;   // the agent's first listening session (libnetsnmpagent)
}

namespace {

using namespace trqsim;
using Clock = std::chrono::steady_clock;

const char* const kAppName = "trq3100-sim";

SimState g_state;
int g_signalPipe[2] = {-1, -1};
LogEntry* g_current = nullptr;           // log entry of the request being processed

// --- conversions between net-snmp varbinds and store values ----------------------------

Oid toOid(const oid* name, size_t len)
{
    return Oid(name, name + len);
}

std::vector<oid> fromOid(const Oid& o)
{
    return std::vector<oid>(o.begin(), o.end());
}

Value fromVarbind(const netsnmp_variable_list* vb)
{
    Value v;
    v.type = vb->type;
    switch (vb->type) {
    case ASN_INTEGER:
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        if (vb->val.integer)
            v.num = vb->type == ASN_INTEGER ? int64_t(int32_t(*vb->val.integer))
                                            : int64_t(uint32_t(*vb->val.integer));
        break;
    case ASN_COUNTER64:
        if (vb->val.counter64)
            v.c64 = (uint64_t(vb->val.counter64->high) << 32) | uint32_t(vb->val.counter64->low);
        break;
    case ASN_OBJECT_ID:
        if (vb->val.objid)
            v.oid = toOid(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    case ASN_NULL:
        break;
    default:
        if (vb->val.string)
            v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        break;
    }
    return v;
}

void toVarbind(netsnmp_variable_list* vb, const Value& v)
{
    switch (v.type) {
    case TagInteger: {
        long n = long(v.num);
        snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
        break;
    }
    case TagCounter32:
    case TagGauge32:
    case TagTimeTicks: {
        u_long n = v.uptime ? u_long(netsnmp_get_agent_uptime()) : u_long(v.num);
        snmp_set_var_typed_value(vb, v.type, &n, sizeof n);
        break;
    }
    case TagCounter64: {
        struct counter64 c;
        c.high = u_long(v.c64 >> 32);
        c.low = u_long(v.c64 & 0xFFFFFFFFu);
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case TagObjectId: {
        std::vector<oid> o = fromOid(v.oid);
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, o.data(), o.size() * sizeof(oid));
        break;
    }
    case TagNull:
        snmp_set_var_typed_value(vb, ASN_NULL, nullptr, 0);
        break;
    default:
        snmp_set_var_typed_value(vb, v.type, v.bytes.data(), v.bytes.size());
        break;
    }
}

LogVarbind logVarbind(const netsnmp_variable_list* vb)
{
    return LogVarbind{toOid(vb->name, vb->name_length), fromVarbind(vb)};
}

// --- the MIB handler -------------------------------------------------------------------

// The fault on the values of the read being answered (wrongtype, bigstring), if any, and
// whether the long octet string of bigstring has gone out in this reply.
std::string g_valueFault;
bool g_bigStringSent = false;

// The value as the fault serves it: of another type than the object's (wrongtype), or the
// reply's first value as an octet string of 65,000 octets (bigstring).
Value faulty(const Value& v)
{
    if (g_valueFault == "bigstring") {
        if (g_bigStringSent)
            return v;
        g_bigStringSent = true;
        Value big;
        big.type = TagOctetString;
        big.bytes.assign(65000, 'B');
        return big;
    }
    Value w;
    switch (v.type) {
    case TagOctetString: case TagIpAddress: case TagCounter64: case TagOpaque:
        w.type = TagInteger;
        w.num = 7;
        break;
    default:
        w.type = TagOctetString;
        w.bytes = "wrong type";
        break;
    }
    return w;
}

void serve(netsnmp_variable_list* vb, const Value& v)
{
    toVarbind(vb, g_valueFault.empty() ? v : faulty(v));
}

// One set PDU, across every registration it touches.
struct SetTxn {
    std::vector<std::pair<netsnmp_request_info*, SetVarbind>> varbinds;
    SetPlan plan;
    UndoLog undo;
    bool planned = false, applied = false, undone = false;
};

const char* const kTxnName = "trq3100-sim-set";

void freeTxn(void* p)
{
    delete static_cast<SetTxn*>(p);
}

SetTxn& txnOf(netsnmp_agent_request_info* reqinfo)
{
    auto* t = static_cast<SetTxn*>(netsnmp_agent_get_list_data(reqinfo, kTxnName));
    if (!t) {
        t = new SetTxn;
        netsnmp_agent_add_list_data(reqinfo, netsnmp_create_data_list(kTxnName, t, freeTxn));
    }
    return *t;
}

int storeHandler(netsnmp_mib_handler*, netsnmp_handler_registration* reg, netsnmp_agent_request_info* reqinfo,
                 netsnmp_request_info* requests)
{
    Store& store = g_state.profile.store;
    const Oid root = toOid(reg->rootoid, reg->rootoid_len);
    switch (reqinfo->mode) {
    case MODE_GET:
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid name = toOid(r->requestvb->name, r->requestvb->name_length);
            const Cell* c = oidStartsWith(name, root) ? store.find(name) : nullptr;
            if (c)
                serve(r->requestvb, c->value);
            else
                netsnmp_set_request_error(reqinfo, r, store.knownObject(name) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
        break;
    case MODE_GETNEXT: {
        const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
        for (netsnmp_request_info* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid name = toOid(r->requestvb->name, r->requestvb->name_length);
            if (name < root)
                name = root;       // before the subtree: its first cell (upper_bound skips root itself)
            auto* next = store.next(name, root);
            while (next && v1 && next->second.value.type == TagCounter64)
                next = store.next(next->first, root);     // SNMPv1 cannot carry Counter64
            if (!next)
                continue;                                  // the agent goes on to the next subtree
            if (next->first.size() <= MAX_OID_LEN) {
                oid o[MAX_OID_LEN];
                std::copy(next->first.begin(), next->first.end(), o);
                snmp_set_var_objid(r->requestvb, o, next->first.size());
            } else {
                const std::vector<oid> o = fromOid(next->first);
                snmp_set_var_objid(r->requestvb, o.data(), o.size());
            }
            serve(r->requestvb, next->second.value);
        }
        break;
    }
    case MODE_SET_RESERVE1: {
        SetTxn& t = txnOf(reqinfo);
        for (netsnmp_request_info* r = requests; r; r = r->next)
            t.varbinds.push_back({r, SetVarbind{toOid(r->requestvb->name, r->requestvb->name_length),
                                                fromVarbind(r->requestvb)}});
        break;
    }
    case MODE_SET_RESERVE2: {
        // The first call of this phase sees every varbind of the PDU: validate them together.
        SetTxn& t = txnOf(reqinfo);
        if (t.planned)
            break;
        t.planned = true;
        std::stable_sort(t.varbinds.begin(), t.varbinds.end(),
                         [](const auto& a, const auto& b) { return a.first->index < b.first->index; });
        std::vector<SetVarbind> vbs;
        for (const auto& v : t.varbinds)
            vbs.push_back(v.second);
        SetError err;
        if (g_state.failStatus != 0 && !vbs.empty()) {
            err.status = g_state.failStatus;
            err.index = std::min<int>(g_state.failIndex, int(vbs.size()));
            g_state.failStatus = 0;
        } else
            err = store.plan(vbs, t.plan);
        if (err.status != 0)
            netsnmp_set_request_error(reqinfo, t.varbinds[size_t(err.index) - 1].first, err.status);
        break;
    }
    case MODE_SET_ACTION: {
        SetTxn& t = txnOf(reqinfo);
        if (!t.applied) {
            t.applied = true;
            t.undo = store.apply(t.plan);
        }
        break;
    }
    case MODE_SET_UNDO: {
        SetTxn& t = txnOf(reqinfo);
        if (t.applied && !t.undone) {
            t.undone = true;
            store.undo(t.undo);
        }
        break;
    }
    default:
        break;              // COMMIT and FREE: nothing held outside the transaction
    }
    return SNMP_ERR_NOERROR;
}

// --- what net-snmp's framework modules serve ----------------------------------------------

// The engine group, the message-processing statistics and the USM statistics as the modules
// that serve them read them from the library, for the control channel's walk.
std::vector<std::pair<Oid, Value>> frameworkValues()
{
    std::vector<std::pair<Oid, Value>> out;
    auto add = [&](const char* at, uint8_t type, int64_t num, const std::string& bytes = {}) {
        Value v;
        v.type = type;
        v.num = num;
        v.bytes = bytes;
        Oid o;
        parseOid(at, o);
        out.emplace_back(o, v);
    };
    u_char id[SNMP_MAXBUF_SMALL];
    const size_t idLength = snmpv3_get_engineID(id, sizeof id);
    add("1.3.6.1.6.3.10.2.1.1.0", TagOctetString, 0, std::string(reinterpret_cast<const char*>(id), idLength));
    add("1.3.6.1.6.3.10.2.1.2.0", TagInteger, int64_t(snmpv3_local_snmpEngineBoots()));
    add("1.3.6.1.6.3.10.2.1.3.0", TagInteger, int64_t(snmpv3_local_snmpEngineTime()));
    add("1.3.6.1.6.3.10.2.1.4.0", TagInteger, 1500);     // the size the engine module reports
    const char* const mpd[] = {"1.3.6.1.6.3.11.2.1.1.0", "1.3.6.1.6.3.11.2.1.2.0", "1.3.6.1.6.3.11.2.1.3.0"};
    for (int i = 0; i < 3; ++i)
        add(mpd[i], TagCounter32, int64_t(snmp_get_statistic(STAT_MPD_STATS_START + i)));
    for (int i = 0; i < 6; ++i)
        add(("1.3.6.1.6.3.15.1.1." + std::to_string(i + 1) + ".0").c_str(), TagCounter32,
            int64_t(snmp_get_statistic(STAT_USM_STATS_START + i)));
    return out;
}

// --- SNMPv3 engine and users ---------------------------------------------------------------

// The engine restarts as far as its peers can tell: engineBoots one higher, or back at 1
// when the stored counter was lost (the library's configuration handler sets the value it
// reads plus one).
long engineReboot(bool resetBoots)
{
    std::string boots = resetBoots ? std::string("0") : std::to_string(snmpv3_local_snmpEngineBoots());
    engineBoots_conf("engineBoots", boots.data());
    // The USM module answers from its engine-time cache, where the agent's own engine
    // has an entry too: it must carry the new boots, or every report would still say the
    // old value and no manager could ever get back into the time window.
    u_char id[SNMP_MAXBUF_SMALL];
    const size_t idLength = snmpv3_get_engineID(id, sizeof id);
    set_enginetime(id, u_int(idLength), u_int(snmpv3_local_snmpEngineBoots()), u_int(snmpv3_local_snmpEngineTime()),
                   TRUE);
    return long(snmpv3_local_snmpEngineBoots());
}

// A new authentication pass phrase for a user of the agent: the key localised to the
// agent's engine ID replaces the old one, so that a manager with the old key fails.
bool setAuthPass(const std::string& name, const std::string& pass, std::string* why)
{
    if (pass.size() < 8) {
        *why = "pass phrase shorter than 8 characters";
        return false;
    }
    u_char id[SNMP_MAXBUF_SMALL];
    const size_t idLength = snmpv3_get_engineID(id, sizeof id);
    std::string userName = name;
    struct usmUser* user = usm_get_user(id, idLength, userName.data());
    if (!user || !user->authProtocol ||
        snmp_oid_compare(user->authProtocol, user->authProtocolLen, usmNoAuthProtocol,
                         OID_LENGTH(usmNoAuthProtocol)) == 0) {
        *why = "no user with authentication: " + name;
        return false;
    }
    u_char ku[SNMP_MAXBUF_SMALL], kul[SNMP_MAXBUF_SMALL];
    size_t kuLength = sizeof ku, kulLength = sizeof kul;
    std::string phrase = pass;
    if (generate_Ku(user->authProtocol, u_int(user->authProtocolLen), reinterpret_cast<u_char*>(phrase.data()),
                    phrase.size(), ku, &kuLength) != SNMPERR_SUCCESS ||
        generate_kul(user->authProtocol, u_int(user->authProtocolLen), id, idLength, ku, kuLength, kul,
                     &kulLength) != SNMPERR_SUCCESS) {
        *why = "cannot derive the key";
        return false;
    }
    SNMP_FREE(user->authKey);
    user->authKey = static_cast<u_char*>(netsnmp_memdup(kul, kulLength));
    user->authKeyLen = user->authKey ? kulLength : 0;
    return true;
}

// --- PDU log, mute and delay -----------------------------------------------------------

const char* pduType(int command)
{
    switch (command) {
    case SNMP_MSG_GET: return "get";
    case SNMP_MSG_GETNEXT: return "getnext";
    case SNMP_MSG_GETBULK: return "getbulk";
    case SNMP_MSG_SET: return "set";
    default: return "other";
    }
}

void noteResponse(long reqid, int errstat, int errindex)
{
    LogEntry* e = g_current;
    if (!e || e->answered || e->requestId != reqid)
        return;
    e->errorStatus = errstat;
    e->errorIndex = errindex;
    e->answered = true;
}

// Answers a request with a REPORT of the counter instead of a response, as the agent
// reports a failure itself: the request's message and request IDs, no context, the counter
// as the only varbind; a notInTimeWindow report is authenticated, the others are not.
bool sendReport(netsnmp_session* session, netsnmp_pdu* request, const Oid& counter)
{
    const int flags = request->flags;
    request->flags |= UCD_MSG_FLAG_FORCE_PDU_COPY;
    netsnmp_pdu* report = snmp_clone_pdu(request);
    request->flags = flags;
    if (!report)
        return false;
    report->flags = flags;
    snmp_free_varbind(report->variables);
    report->variables = nullptr;
    report->command = SNMP_MSG_REPORT;
    report->errstat = 0;
    report->errindex = 0;
    SNMP_FREE(report->contextName);
    report->contextName = strdup("");
    report->contextNameLen = 0;
    if (report->securityStateRef) {
        struct snmp_secmod_def* sm = find_sec_mod(report->securityModel);
        if (sm && sm->pdu_free_state_ref)
            sm->pdu_free_state_ref(report->securityStateRef);
        report->securityStateRef = nullptr;
    }
    Oid timeWindow;
    reportCounter("notInTimeWindows", timeWindow);
    report->securityLevel = counter == timeWindow ? SNMP_SEC_LEVEL_AUTHNOPRIV : SNMP_SEC_LEVEL_NOAUTH;
    std::vector<oid> name = fromOid(counter);
    u_long one = 1;
    snmp_pdu_add_variable(report, name.data(), name.size(), ASN_COUNTER, reinterpret_cast<u_char*>(&one), sizeof one);
    if (snmp_send(session, report) == 0) {
        snmp_free_pdu(report);
        return false;
    }
    return true;
}

// The fault of the wire (drop, duplicate, truncate) for the reply being made, if any.
std::string g_wireFault;

bool isRead(int command)
{
    return command == SNMP_MSG_GET || command == SNMP_MSG_GETNEXT || command == SNMP_MSG_GETBULK;
}

// Answers a read with a reply of the fault's making (see knownFault); false when the
// fault is not one of those or the request is SNMPv3 (the agent then answers as usual).
bool sendFaultyReply(netsnmp_session* session, netsnmp_pdu* request, const std::string& fault)
{
    if (request->version == SNMP_VERSION_3)
        return false;
    netsnmp_pdu* reply = snmp_clone_pdu(request);
    if (!reply)
        return false;
    reply->command = SNMP_MSG_RESPONSE;
    reply->errstat = 0;
    reply->errindex = 0;
    if (fault == "reqid") {
        reply->reqid = request->reqid + 1000;
    } else if (fault == "pdutype") {
        reply->command = SNMP_MSG_GET;
    } else if (fault == "short") {
        netsnmp_variable_list** last = &reply->variables;
        while (*last && (*last)->next_variable)
            last = &(*last)->next_variable;
        snmp_free_var(*last);
        *last = nullptr;
    } else if (fault == "long") {
        static const oid extra[] = {1, 3, 6, 1, 2, 1, 1, 5, 0};
        snmp_pdu_add_variable(reply, extra, OID_LENGTH(extra), ASN_OCTET_STR, reinterpret_cast<const u_char*>("x"), 1);
    } else if (fault == "backwards") {
        for (netsnmp_variable_list* vb = reply->variables; vb; vb = vb->next_variable) {
            Oid name = toOid(vb->name, vb->name_length);
            if (!name.empty() && name.back() > 0)
                --name.back();
            else if (!name.empty())
                name.pop_back();
            const std::vector<oid> o = fromOid(name);
            snmp_set_var_objid(vb, o.data(), o.size());
        }
    } else if (fault == "endless" && request->command == SNMP_MSG_GETNEXT) {
        for (netsnmp_variable_list* vb = reply->variables; vb; vb = vb->next_variable) {
            const auto found = g_state.profile.store.endlessNext(toOid(vb->name, vb->name_length));
            if (!found) {
                snmp_set_var_typed_value(vb, SNMP_ENDOFMIBVIEW, nullptr, 0);
                continue;
            }
            const std::vector<oid> name = fromOid(found->first);
            snmp_set_var_objid(vb, name.data(), name.size());
            serve(vb, found->second);
        }
    }
    if (fault != "reqid" && fault != "pdutype" && fault != "short" && fault != "long" && fault != "stuck" &&
        fault != "backwards" &&
        fault != "nosuchobject" && fault != "nosuchinstance" && fault != "endofmibview" &&
        !(fault == "endless" && request->command == SNMP_MSG_GETNEXT)) {
        snmp_free_pdu(reply);
        return false;
    }
    const u_char exception = fault == "nosuchobject"     ? SNMP_NOSUCHOBJECT
                             : fault == "nosuchinstance" ? SNMP_NOSUCHINSTANCE
                             : fault == "endofmibview"   ? SNMP_ENDOFMIBVIEW
                                                         : 0;
    if (request->version == SNMP_VERSION_1 && exception) {
        snmp_free_pdu(reply);
        return false;
    }
    for (netsnmp_variable_list* vb = reply->variables; vb; vb = vb->next_variable) {
        if (exception) {
            snmp_set_var_typed_value(vb, exception, nullptr, 0);
        } else if (vb->type == ASN_NULL) {
            long one = 1; // the value of an OID as asked (stuck) or of a get's varbind
            snmp_set_var_typed_value(vb, ASN_INTEGER, reinterpret_cast<u_char*>(&one), sizeof one);
        }
    }
    if (snmp_send(session, reply) == 0) {
        snmp_free_pdu(reply);
        return false;
    }
    return true;
}

int loggingCallback(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !pdu)
        return handle_snmp_packet(op, session, reqid, pdu, magic);
    LogEntry e;
    e.type = pduType(pdu->command);
    e.version = pdu->version == SNMP_VERSION_3 ? 3 : int(pdu->version);
    if (pdu->version == SNMP_VERSION_3)
        e.securityName.assign(pdu->securityName ? pdu->securityName : "", pdu->securityNameLen);
    else if (pdu->community)
        e.securityName.assign(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
    for (netsnmp_variable_list* vb = pdu->variables; vb; vb = vb->next_variable)
        e.varbinds.push_back(logVarbind(vb));
    e.requestId = pdu->reqid;
    const size_t kLogLimit = 100000;           // long benchmark runs keep the newest entries
    if (g_state.log.size() >= kLogLimit)
        g_state.log.erase(g_state.log.begin(), g_state.log.begin() + long(kLogLimit / 2));
    g_state.log.push_back(std::move(e));
    if (g_state.reportCount > 0 && pdu->version == SNMP_VERSION_3 && pdu->securityNameLen > 0) {
        --g_state.reportCount;
        g_state.log.back().answered = true;
        sendReport(session, pdu, g_state.reportOid);
        return 1;
    }
    if (!g_state.fault.empty() && isRead(pdu->command) && ++g_state.faultSeen % g_state.faultEvery == 0) {
        const std::string& fault = g_state.fault;
        if (fault == "drop" || fault == "duplicate" || fault == "truncate") {
            g_wireFault = fault;
        } else if (fault == "wrongtype" || fault == "bigstring") {
            g_valueFault = fault;
            g_bigStringSent = false;
        } else if (sendFaultyReply(session, pdu, fault)) {
            g_state.log.back().answered = true;
            return 1;
        }
    }
    g_current = &g_state.log.back();
    int rc = handle_snmp_packet(op, session, reqid, pdu, magic);
    g_current = nullptr;
    g_wireFault.clear();
    g_valueFault.clear();
    return rc;
}

// SNMPv3 responses are encrypted before they reach the transport: read their status here.
SecmodOutMsg* g_usmEncodeReverse = nullptr;
SecmodOutMsg* g_usmEncodeForward = nullptr;

int usmEncodeReverse(struct snmp_secmod_outgoing_params* p)
{
    if (p->pdu && p->pdu->command == SNMP_MSG_RESPONSE)
        noteResponse(p->pdu->reqid, int(p->pdu->errstat), int(p->pdu->errindex));
    return g_usmEncodeReverse(p);
}

int usmEncodeForward(struct snmp_secmod_outgoing_params* p)
{
    if (p->pdu && p->pdu->command == SNMP_MSG_RESPONSE)
        noteResponse(p->pdu->reqid, int(p->pdu->errstat), int(p->pdu->errindex));
    return g_usmEncodeForward(p);
}

// SNMPv1/v2c responses: message = SEQUENCE { version, community, PDU { reqid, status, index, ... } }.
void noteCommunityResponse(const void* buf, int size)
{
    std::vector<u_char> data(static_cast<const u_char*>(buf), static_cast<const u_char*>(buf) + size);
    size_t len = data.size();
    u_char type;
    u_char* p = asn_parse_sequence(data.data(), &len, &type, ASN_SEQUENCE | ASN_CONSTRUCTOR, "message");
    long version = 0, reqid = 0, errstat = 0, errindex = 0;
    u_char community[256];
    size_t clen = sizeof community;
    if (p)
        p = asn_parse_int(p, &len, &type, &version, sizeof version);
    if (!p || version == SNMP_VERSION_3)
        return;
    p = asn_parse_string(p, &len, &type, community, &clen);
    if (p)
        p = asn_parse_header(p, &len, &type);
    if (!p || type != SNMP_MSG_RESPONSE)
        return;
    p = asn_parse_int(p, &len, &type, &reqid, sizeof reqid);
    if (p)
        p = asn_parse_int(p, &len, &type, &errstat, sizeof errstat);
    if (p)
        p = asn_parse_int(p, &len, &type, &errindex, sizeof errindex);
    if (p)
        noteResponse(reqid, int(errstat), int(errindex));
}

struct DelayedSend {
    Clock::time_point due;
    netsnmp_transport* transport;
    std::vector<u_char> data;
    std::vector<u_char> opaque;
};
std::deque<DelayedSend> g_delayed;
int (*g_udpSend)(netsnmp_transport*, const void*, int, void**, int*) = nullptr;

int sendHook(netsnmp_transport* t, const void* buf, int size, void** opaque, int* olength)
{
    noteCommunityResponse(buf, size);
    if (g_state.mute)
        return size;                         // dropped, as if lost on the wire
    if (g_wireFault == "drop")
        return size;
    if (g_wireFault == "truncate")
        return g_udpSend(t, buf, size / 2, opaque, olength) >= 0 ? size : -1;
    if (g_wireFault == "duplicate")
        g_udpSend(t, buf, size, opaque, olength);
    if (g_state.delayMs > 0) {
        DelayedSend d;
        d.due = Clock::now() + std::chrono::milliseconds(g_state.delayMs);
        d.transport = t;
        d.data.assign(static_cast<const u_char*>(buf), static_cast<const u_char*>(buf) + size);
        if (opaque && *opaque && olength && *olength > 0)
            d.opaque.assign(static_cast<u_char*>(*opaque), static_cast<u_char*>(*opaque) + *olength);
        g_delayed.push_back(std::move(d));
        return size;
    }
    return g_udpSend(t, buf, size, opaque, olength);
}

void sendDue(Clock::time_point now)
{
    while (!g_delayed.empty() && g_delayed.front().due <= now) {
        DelayedSend& d = g_delayed.front();
        void* opaque = d.opaque.empty() ? nullptr : d.opaque.data();
        int olength = int(d.opaque.size());
        g_udpSend(d.transport, d.data.data(), int(d.data.size()), &opaque, &olength);
        g_delayed.pop_front();
    }
}

// --- control socket --------------------------------------------------------------------

struct ControlClient {
    int fd;
    std::string input;
};

int openControlSocket(const std::string& path, std::string& error)
{
    sockaddr_un addr{};
    if (path.size() >= sizeof addr.sun_path) {
        error = "control socket path too long: " + path;
        return -1;
    }
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = std::string("socket: ") + strerror(errno);
        return -1;
    }
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, path.c_str(), sizeof addr.sun_path - 1);
    unlink(path.c_str());
    if (bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(fd, 8) != 0) {
        error = "control socket " + path + ": " + strerror(errno);
        close(fd);
        return -1;
    }
    return fd;
}

bool serveClient(ControlClient& c)
{
    char buf[4096];
    ssize_t n = recv(c.fd, buf, sizeof buf, 0);
    if (n <= 0)
        return false;
    c.input.append(buf, size_t(n));
    size_t nl;
    while ((nl = c.input.find('\n')) != std::string::npos) {
        std::string line = c.input.substr(0, nl);
        c.input.erase(0, nl + 1);
        std::string answer = runControlCommand(g_state, line) + "\n.\n";
        size_t off = 0;
        while (off < answer.size()) {
            ssize_t w = send(c.fd, answer.data() + off, answer.size() - off, MSG_NOSIGNAL);
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0)
                return false;
            off += size_t(w);
        }
    }
    return true;
}

// --- start-up --------------------------------------------------------------------------

void onSignal(int)
{
    int saved = errno;
    char c = 1;
    if (write(g_signalPipe[1], &c, 1) < 0) {
        // nothing to do: the pipe is full, so a wake-up is already pending
    }
    errno = saved;
}

void usage()
{
    std::fprintf(stderr,
                 "usage: trq3100-sim [--profile FILE] [--listen udp:127.0.0.1:PORT] [--conf FILE] [--dir DIR]\n"
                 "  --profile  the device profile (default: the shipped trq3100.profile)\n"
                 "  --listen   the UDP endpoint; port 0 picks a free port (default udp:127.0.0.1:0)\n"
                 "  --conf     communities and v3 users (default: the shipped trq3100-sim.conf)\n"
                 "  --dir      a private directory for the control socket (default: a new temporary one)\n"
                 "  --engine-id TEXT  the agent's SNMPv3 engine ID, made from TEXT (default: random)\n"
                 "  --detach FILE  run in the background once ready; FILE receives \"port=N pid=P dir=D\"\n"
                 "  --stop FILE    end the simulator that --detach described in FILE\n"
                 "Prints \"READY port=N\" when it answers; SIGTERM ends it.\n");
}

int boundPort(netsnmp_transport* t)
{
    sockaddr_storage ss{};
    socklen_t len = sizeof ss;
    if (!t || getsockname(t->sock, reinterpret_cast<sockaddr*>(&ss), &len) != 0)
        return -1;
    if (ss.ss_family == AF_INET)
        return ntohs(reinterpret_cast<sockaddr_in*>(&ss)->sin_port);
    if (ss.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<sockaddr_in6*>(&ss)->sin6_port);
    return -1;
}

// --stop FILE: SIGTERM to the detached simulator, then wait until it is gone.
int stopDetached(const std::string& file)
{
    std::ifstream in(file);
    std::string word;
    long pid = 0;
    while (in >> word)
        if (word.rfind("pid=", 0) == 0)
            pid = std::atol(word.c_str() + 4);
    if (pid <= 0) {
        std::fprintf(stderr, "trq3100-sim: no simulator described in %s\n", file.c_str());
        return 1;
    }
    if (kill(pid_t(pid), SIGTERM) == 0) {
        auto deadline = Clock::now() + std::chrono::seconds(5);
        auto gone = [pid] {
            // Reaping is up to its new parent, so an exited simulator may linger as a zombie.
            std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
            std::string text;
            std::getline(stat, text);
            size_t paren = text.rfind(')');
            return !stat || paren == std::string::npos || paren + 2 >= text.size() || text[paren + 2] == 'Z';
        };
        while (!gone() && Clock::now() < deadline)
            usleep(1000);
    }
    std::remove(file.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::string profilePath = std::string(TRQ_SIM_SHARE_DIR) + "/trq3100.profile";
    std::string confPath = std::string(TRQ_SIM_SHARE_DIR) + "/trq3100-sim.conf";
    std::string listen = "udp:127.0.0.1:0";
    std::string dir, detachFile, engineId;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc)
                return false;
            out = argv[++i];
            return true;
        };
        bool ok = true;
        if (a == "--profile") ok = value(profilePath);
        else if (a == "--listen") ok = value(listen);
        else if (a == "--conf") ok = value(confPath);
        else if (a == "--dir") ok = value(dir);
        else if (a == "--detach") ok = value(detachFile);
        else if (a == "--engine-id") ok = value(engineId) && !engineId.empty();
        else if (a == "--stop") {
            std::string file;
            return value(file) ? stopDetached(file) : (usage(), 2);
        }
        else if (a == "--help" || a == "-h") {
            usage();
            return 0;
        } else
            ok = false;
        if (!ok) {
            usage();
            return 2;
        }
    }

    std::string error;
    if (!loadProfile(profilePath, g_state.profile, &error)) {
        std::fprintf(stderr, "trq3100-sim: %s\n", error.c_str());
        return 1;
    }
    if (access(confPath.c_str(), R_OK) != 0) {
        std::fprintf(stderr, "trq3100-sim: cannot read %s\n", confPath.c_str());
        return 1;
    }
    bool ownDir = dir.empty();
    if (ownDir) {
        char tmpl[] = "/tmp/trq3100-sim-XXXXXX";
        if (!mkdtemp(tmpl)) {
            std::fprintf(stderr, "trq3100-sim: mkdtemp: %s\n", strerror(errno));
            return 1;
        }
        dir = tmpl;
    }

    if (!engineId.empty()) {
        // The engine ID must be known before the users are made (their keys are localised
        // with it): a configuration of our own that names it first.
        std::ifstream in(confPath);
        const std::string withId = dir + "/engine-id.conf";
        std::ofstream out(withId);
        out << "engineID " << engineId << "\n" << in.rdbuf();
        if (!out) {
            std::fprintf(stderr, "trq3100-sim: cannot write %s\n", withId.c_str());
            return 1;
        }
        confPath = withId;
    }

    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        std::fprintf(stderr, "trq3100-sim: pipe: %s\n", strerror(errno));
        return 1;
    }
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    signal(SIGPIPE, SIG_IGN);

    // net-snmp: no MIB files, no system configuration, nothing persisted, nothing outside dir.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", "", 1);
    setenv("SNMPCONFPATH", dir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", dir.c_str(), 1);
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, dir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OPTIONALCONFIG, confPath.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_AGENTX_MASTER, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, listen.c_str());

    // The SNMP framework only: the engine and statistics groups, and the access control that
    // the configuration file's users and communities get. The user, access-control, target,
    // notification and community tables are the profile's: the windows that manage them
    // create and destroy their rows there, never the agent's own users and views.
    char modules[] = "usmStats snmpEngine snmpMPDStats vacm_conf";
    add_to_init_list(modules);
    init_agent(kAppName);
    init_mib_modules();
    init_usm_conf(kAppName);            // createUser lines in the configuration file
    g_state.frameworkValues = frameworkValues;
    g_state.engineReboot = engineReboot;
    g_state.setAuthPass = setAuthPass;

    for (const Oid& s : g_state.profile.subtrees) {
        std::vector<oid> o = fromOid(s);
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            "trq3100", storeHandler, o.data(), o.size(), HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            std::fprintf(stderr, "trq3100-sim: cannot register %s\n", oidToString(s).c_str());
            return 1;
        }
    }

    init_snmp(kAppName);
    if (init_master_agent() != 0 || !main_session) {
        std::fprintf(stderr, "trq3100-sim: cannot listen on %s\n", listen.c_str());
        return 1;
    }
    netsnmp_transport* transport = snmp_sess_transport(snmp_sess_pointer(main_session));
    int port = boundPort(transport);
    if (port <= 0) {
        std::fprintf(stderr, "trq3100-sim: cannot read the bound port\n");
        return 1;
    }
    main_session->callback = loggingCallback;
    g_udpSend = transport->f_send;
    transport->f_send = sendHook;
    if (struct snmp_secmod_def* usm = find_sec_mod(USM_SEC_MODEL_NUMBER)) {
        g_usmEncodeReverse = usm->encode_reverse;
        g_usmEncodeForward = usm->encode_forward;
        if (g_usmEncodeReverse)
            usm->encode_reverse = usmEncodeReverse;
        if (g_usmEncodeForward)
            usm->encode_forward = usmEncodeForward;
    }

    const std::string controlPath = dir + "/control.sock";
    int controlFd = openControlSocket(controlPath, error);
    if (controlFd < 0) {
        std::fprintf(stderr, "trq3100-sim: %s\n", error.c_str());
        return 1;
    }
    std::vector<ControlClient> clients;

    std::printf("READY port=%d\n", port);
    std::fflush(stdout);
    if (!detachFile.empty()) {
        // The parent reports and leaves; the child serves with its output in dir/sim.log,
        // so that whoever waits for the parent's output is not held up.
        std::fflush(stderr);
        pid_t child = fork();
        if (child < 0) {
            std::fprintf(stderr, "trq3100-sim: fork: %s\n", strerror(errno));
            return 1;
        }
        if (child > 0) {
            std::ofstream(detachFile) << "port=" << port << " pid=" << child << " dir=" << dir << "\n";
            _exit(0);
        }
        setsid();
        int log = open((dir + "/sim.log").c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
        int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
            close(log);
        }
        if (null >= 0) {
            dup2(null, STDIN_FILENO);
            close(null);
        }
    }

    bool running = true;
    while (running) {
        int maxfd = 0, block = 0;
        fd_set readfds;
        FD_ZERO(&readfds);
        struct timeval tv {1, 0};
        snmp_select_info(&maxfd, &readfds, &tv, &block);
        auto add = [&](int fd) {
            FD_SET(fd, &readfds);
            maxfd = std::max(maxfd, fd + 1);
        };
        add(g_signalPipe[0]);
        add(controlFd);
        for (const ControlClient& c : clients)
            add(c.fd);
        if (block)
            tv = {1, 0};
        if (!g_delayed.empty()) {
            auto wait = std::chrono::duration_cast<std::chrono::microseconds>(g_delayed.front().due - Clock::now());
            long us = std::max<long>(0, long(wait.count()));
            if (us < tv.tv_sec * 1000000L + tv.tv_usec)
                tv = {us / 1000000, us % 1000000};
        }
        int n = select(maxfd, &readfds, nullptr, nullptr, &tv);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            std::fprintf(stderr, "trq3100-sim: select: %s\n", strerror(errno));
            break;
        }
        if (FD_ISSET(g_signalPipe[0], &readfds)) {
            running = false;
            break;
        }
        if (n > 0) {
            snmp_read(&readfds);
            if (FD_ISSET(controlFd, &readfds)) {
                int fd = accept4(controlFd, nullptr, nullptr, SOCK_CLOEXEC);
                if (fd >= 0)
                    clients.push_back({fd, {}});
            }
            for (size_t i = 0; i < clients.size();) {
                if (FD_ISSET(clients[i].fd, &readfds) && !serveClient(clients[i])) {
                    close(clients[i].fd);
                    clients.erase(clients.begin() + long(i));
                } else
                    ++i;
            }
        } else
            snmp_timeout();
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        sendDue(Clock::now());
    }

    for (const ControlClient& c : clients)
        close(c.fd);
    close(controlFd);
    unlink(controlPath.c_str());
    g_delayed.clear();
    snmp_shutdown(kAppName);
    shutdown_master_agent();
    shutdown_agent();
    close(g_signalPipe[0]);
    close(g_signalPipe[1]);
    if (ownDir)
        std::filesystem::remove_all(dir);
    return 0;
}
