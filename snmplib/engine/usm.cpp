// User-based security: the users registered with usmAddUserName, and this engine's
// own engine ID and boots.
#include "snmplib/engine/engine_p.h"

#include <cstdio>
#include <cstring>

using namespace snmpengine;

namespace {

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

// net-snmp's decoding of incoming user-based-security messages, which ours wraps.
SecmodInMsg* netSnmpUsmDecode = nullptr;

// Gives every request in flight on the session a status to end with if its tries run
// out, in place of "timed out".
void markInFlight(const netsnmp_session* sess, int status)
{
    for (Snmp::Impl* engine : Process.Engines) {
        for (auto& [key, session] : engine->sessions) {
            if (!session->handle || snmp_sess_session(session->handle) != sess)
                continue;
            for (unsigned long id : session->inFlight)
                if (Request* r = findRequest(id))
                    r->reported = status;
        }
    }
}

// An unauthenticated answer (a report) from another engine than the one the session was
// opened for, naming a user net-snmp holds no key for at that engine: the unknownEngineID
// report of an agent that now runs under another engine ID (a switch replaced, or given
// a new ID, behind the same address). net-snmp drops it, so the requests to the old ID
// would end as "timed out" although the agent answered; they end as "unknown engine ID",
// and the engine finds the new ID before the next request (see finish()).
bool fromAnotherEngine(const struct snmp_secmod_incoming_params* parms, int result)
{
    const netsnmp_session* sess = parms->sess;
    return (result == SNMPERR_USM_UNKNOWNSECURITYNAME || result == SNMPERR_USM_UNKNOWNENGINEID) &&
           parms->secLevel == SNMP_SEC_LEVEL_NOAUTH && !(parms->msg_flags & SNMP_MSG_FLAG_RPRT_BIT) && sess &&
           sess->securityEngineID && sess->securityEngineIDLen && parms->secEngineID && parms->secEngineIDLen &&
           *parms->secEngineIDLen &&
           (*parms->secEngineIDLen != sess->securityEngineIDLen ||
            memcmp(parms->secEngineID, sess->securityEngineID, sess->securityEngineIDLen) != 0);
}

// An authenticated message (its digest checks out) that net-snmp refuses as not in the time
// window: the agent's boots and time lie before what net-snmp knows of its engine. net-snmp
// never accepts a lower boots, so an agent restarted under the same engine ID with its boots
// reset (a switch that lost its stored counter) answers every request with such reports, each
// dropped, until the program ends. Its boots and time are forgotten here: the next message
// to it goes out with none, its notInTimeWindow report then tells them anew and net-snmp
// sends the request again. The requests out to it now end as "not in time window" if
// they run out of tries (a try goes out at their time-out, with the new time).
int usmDecode(struct snmp_secmod_incoming_params* parms)
{
    const int result = netSnmpUsmDecode(parms);
    if (fromAnotherEngine(parms, result)) {
        markInFlight(parms->sess, SNMPv3_USM_UNKNOWN_ENGINEID);
        return result;
    }
    if (result != SNMPERR_USM_NOTINTIMEWINDOW || parms->secLevel == SNMP_SEC_LEVEL_NOAUTH || !parms->secEngineID ||
        !parms->secEngineIDLen || *parms->secEngineIDLen == 0)
        return result;
    free_enginetime(parms->secEngineID, *parms->secEngineIDLen);
    markInFlight(parms->sess, SNMPv3_USM_NOT_IN_TIME_WINDOW);
    return result;
}

} // namespace

namespace snmpengine {

void watchTimeWindows()
{
    struct snmp_secmod_def* usm = find_sec_mod(USM_SEC_MODEL_NUMBER);
    if (!usm || !usm->decode || netSnmpUsmDecode)
        return;
    netSnmpUsmDecode = usm->decode;
    usm->decode = usmDecode;
}

} // namespace snmpengine

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
        status = SNMPv3_USM_PASSPHRASE_TOO_SHORT;

    auto it = Process.Users.find(name);
    const bool same = it != Process.Users.end() && status == SNMPv3_USM_OK && it->second.authProtocol == authProtocol &&
                      it->second.privProtocol == privProtocol && it->second.authPassword == user.authPassword &&
                      it->second.privPassword == user.privPassword;
    if (same)
        return SNMPv3_USM_OK;
    // New or changed: the keys net-snmp derived for this name are stale.
    purgeNetSnmpUsers(name);
    for (Snmp::Impl* e : Process.Engines)
        e->retireSessions(std::string(), name);
    if (status != SNMPv3_USM_OK) {
        Process.Users.erase(name);
        return status;
    }
    user.generation = ++Process.UserGeneration;
    Process.Users[name] = user;
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
