// Engine-ID discovery: a probe per agent, and the requests that wait for it.
#include "snmplib/engine/engine_p.h"

#include <cstdint>
#include <cstring>

using namespace snmpengine;

namespace snmpengine {

void keepEngineId(Request& probe, const netsnmp_pdu* pdu)
{
    if (pdu && pdu->securityEngineID && pdu->securityEngineIDLen)
        probe.discoveredEngineId.assign(reinterpret_cast<const char*>(pdu->securityEngineID), pdu->securityEngineIDLen);
}

} // namespace snmpengine

// Sends an engine-ID probe to the agent of a waiting request, unless one is on its way.
// Returns the ID of the probe in flight, or 0 when it could not be sent (it has then
// failed already, and taken the waiting requests with it).
unsigned long Snmp::Impl::startProbe(const Request& waiting)
{
    for (auto& [id, other] : Process.Requests) {
        if (other->probe && other->owner == this && other->agent == waiting.agent && other->sync == waiting.sync &&
            other->state == State::InFlight)
            return id;
    }
    Request& p = newRequest(waiting.sync, *waiting.target, waiting.agent);
    p.probe = true;

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

// A probe is over: release the requests that waited for it (the synchronous one is
// sent by its waiting caller; asynchronous ones from the pump, see deliver()).
void Snmp::Impl::probeFinished(Request& probe)
{
    if (probe.reason == SNMP_CLASS_SUCCESS && !probe.discoveredEngineId.empty()) {
        Process.EngineIds[probe.agent] = probe.discoveredEngineId;
        Process.EngineIdDiscoveries[probe.agent] = ++Process.Discoveries;
    }
    completed.push_back(probe.id);
    if (probe.sync) {
        for (auto& [id, r] : Process.Requests) {
            if (r->owner == this && !r->probe && r->sync && r->agent == probe.agent &&
                r->state == State::WaitingForEngineId && probe.reason != SNMP_CLASS_SUCCESS) {
                r->state = State::Done;
                r->reason = probe.reason;
            }
        }
    }
}
