// The public calls: engines, sending, cancelling (engine_p.h says how the engine is
// put together).
#include "snmplib/engine/engine_p.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace snmpengine;

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
    auto it = Process.Users.find(user->get_security_name().str());
    if (it == Process.Users.end())
        return SNMPv3_USM_UNKNOWN_SECURITY_NAME;
    if (it->second.authProtocol == SNMP_AUTHPROTOCOL_NONE ||
        (level == SNMP_SECURITY_LEVEL_AUTH_PRIV && it->second.privProtocol == SNMP_PRIVPROTOCOL_NONE))
        return SNMPv3_USM_UNSUPPORTED_SECURITY_LEVEL;
    return SNMP_CLASS_SUCCESS;
}

Request& Snmp::Impl::newRequest(bool sync, const SnmpTarget& target, const std::string& agent)
{
    auto owned = std::make_unique<Request>();
    Request& r = *owned;
    r.id = Process.NextRequestId++;
    r.owner = this;
    r.sync = sync;
    r.target.reset(target.clone());
    r.agent = agent;
    Process.Requests.emplace(r.id, owned.release());
    if (!sync && Process.ActivityHook)
        Process.ActivityHook();
    return r;
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

    Request& r = newRequest(sync, target, agentKey(target));
    r.command = command;
    r.callback = callback;
    r.callbackData = data;
    r.securityLevel = pdu.get_security_level();
    pdu.set_request_id(r.id);
    // The request keeps what it sent: a time-out hands that back. Sent at once, it is copied
    // once the datagram is out, so that the copy does not delay it.
    bool kept = false;
    const auto keepSent = [&r, &pdu, &kept, command] {
        if (kept)
            return;
        r.pdu = pdu;
        r.pdu.set_type(static_cast<unsigned short>(command));
        kept = true;
    };

    if (target.get_version() == version3 && !Process.EngineIds.count(r.agent)) {
        keepSent(); // sent once the engine ID is known
        r.state = State::WaitingForEngineId;
        if (!sync) {
            startProbe(r);
            return SNMP_CLASS_SUCCESS; // sent once the engine ID is known
        }
        // The probe of a synchronous request is waited for here, and ends here: no other
        // request waits for it, and the event loop, which ends the others, may not run
        // between synchronous calls.
        if (Request* probe = findRequest(startProbe(r))) {
            const unsigned long probeId = probe->id;
            waitFor(*probe);
            if (Request* done = findRequest(probeId); done && done->state == State::Done)
                erase(probeId);
        }
        if (r.state == State::Done) { // the probe failed
            const int reason = r.reason;
            erase(r.id);
            return reason;
        }
    }

    const int status = transmit(r, pdu);
    if (status != SNMP_CLASS_SUCCESS) {
        erase(r.id);
        return status;
    }
    keepSent();
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

// Hands a request to net-snmp with the varbinds, security level and context of pdu. On
// failure the request is left as it was.
int Snmp::Impl::transmit(Request& r, const Pdu& pdu)
{
    int status = SNMP_CLASS_SUCCESS;
    Session* s = sessionFor(r, status);
    if (!s)
        return status;
    const int type = r.command == sNMP_PDU_SET ? SNMP_MSG_SET : r.command == sNMP_PDU_GETNEXT ? SNMP_MSG_GETNEXT : SNMP_MSG_GET;
    netsnmp_pdu* npdu = snmp_pdu_create(type);
    if (!npdu)
        return SNMP_CLASS_RESOURCE_UNAVAIL;
    for (int i = 0; i < pdu.get_vb_count(); ++i) {
        if (!addVariable(npdu, pdu[i])) {
            snmp_free_pdu(npdu);
            return SNMP_CLASS_INVALID_PDU;
        }
    }
    const SnmpTarget& target = *r.target;
    if (target.get_version() == version3) {
        const auto discovery = Process.EngineIdDiscoveries.find(r.agent);
        r.discovery = discovery != Process.EngineIdDiscoveries.end() ? discovery->second : 0;
        npdu->securityLevel = pdu.get_security_level();
        const OctetStr& contextName = pdu.get_context_name();
        npdu->contextName = static_cast<char*>(malloc(contextName.len() + 1));
        memcpy(npdu->contextName, contextName.data(), contextName.len());
        npdu->contextName[contextName.len()] = '\0';
        npdu->contextNameLen = contextName.len();
        const OctetStr& contextEngineId = pdu.get_context_engine_id();
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
    Process.Engines.push_back(d.get());
}

Snmp::~Snmp()
{
    auto& list = Process.Engines;
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
    for (auto& [id, r] : Process.Requests)
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

bool SNMPRequestsOutstanding() { return !Process.Requests.empty(); }

void SNMPSetActivityHook(void (*hook)()) { Process.ActivityHook = hook; }

int Snmp::pending_count() const
{
    int n = 0;
    for (auto& [id, r] : Process.Requests)
        if (r->owner == d.get() && !r->probe && !r->sync)
            ++n;
    return n;
}
