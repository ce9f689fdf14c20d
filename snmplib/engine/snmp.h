#pragma once
// The SNMP engine: get, get-next and set, synchronous or with a completion callback.
//
// Synchronous calls return when the reply is in, or when every try has timed out:
// SNMP_CLASS_SUCCESS, the agent's error status (1..18), or an engine status
// (SNMP_CLASS_TIMEOUT, a message-processing or user-based-security status for a
// REPORT, ...). The Pdu then holds the reply's varbinds, error status and index.
//
// Asynchronous calls return a send status at once. When it is SNMP_CLASS_SUCCESS, the
// callback is called exactly once later, from the event loop (SNMPProcessPendingEvents
// or the engine's socket notifiers), never inside an engine call, with the reason:
//   SNMP_CLASS_ASYNC_RESPONSE   a response; its error status and index are in the Pdu;
//   SNMP_CLASS_TIMEOUT          no reply after (retries + 1) tries;
//   a USM or MP status          the agent answered with a REPORT (unknown user, wrong
//                               digest, unsupported security level, ...);
//   SNMP_CLASS_TL_FAILED and others  the request could not be sent after all;
//   SNMP_CLASS_SESSION_DESTROYED the engine was deleted with the request outstanding
//                               (called from the engine's destructor).
// A cancelled request's callback is never called. The Pdu given to an asynchronous call
// receives the request ID to cancel it with.
//
// A set without a varbind is refused with SNMP_CLASS_INVALID_PDU and never sent.
//
// SNMPv1/SNMPv2c requests use the target's read community for get and get-next and its
// write community for set. SNMPv3 requests use the user registered under the target's
// security name with usmAddUserName, and the Pdu's security level, context name and
// context engine ID. The agent's engine ID is discovered without blocking the event
// loop and kept per agent address; an unknownEngineID report or a time-out of a request
// to the agent makes the engine discover it again before the next request (an agent
// replaced or reset behind the same address may only go silent).
#include "snmplib/engine/pdu.h"
#include "snmplib/engine/target.h"

#include <memory>

class Snmp;

typedef void (*snmp_callback)(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* callbackData);

class Snmp {
public:
    // status receives SNMP_CLASS_SUCCESS, or a failure (the engine is then unusable).
    // port is the local UDP port; only 0 (any port) is supported.
    explicit Snmp(int& status, unsigned short port = 0);
    ~Snmp();
    Snmp(const Snmp&) = delete;
    Snmp& operator=(const Snmp&) = delete;

    int get(Pdu& pdu, const SnmpTarget& target);
    int get_next(Pdu& pdu, const SnmpTarget& target);
    int set(Pdu& pdu, const SnmpTarget& target);

    int get(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* callbackData);
    int get_next(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* callbackData);
    int set(Pdu& pdu, const SnmpTarget& target, snmp_callback callback, void* callbackData);

    // Forgets an outstanding asynchronous request: its callback will not be called, and
    // a reply that still arrives is dropped. SNMP_CLASS_INVALID_REQID when unknown.
    int cancel(unsigned long requestId);

    // Asynchronous requests whose callback is still to come.
    int pending_count() const;

    struct Impl;

private:
    std::unique_ptr<Impl> d;
};

// Reads the replies that have arrived, handles time-outs and retries, and calls the
// callbacks of completed asynchronous requests. Called from a 20 ms timer.
void SNMPProcessPendingEvents();

// Whether any engine has a request whose outcome is still to come or to be delivered: the
// event loop's timer has work to do only then.
bool SNMPRequestsOutstanding();
// Called (on the same thread) whenever an asynchronous request is registered, so that a
// timer that sleeps while nothing is outstanding can start again. Null: nothing is called.
void SNMPSetActivityHook(void (*hook)());

// Registers a user-based-security user, or changes it: a changed pass phrase or protocol
// takes effect at the next request (the keys derived from the old one are dropped).
// authProtocol: SNMP_AUTHPROTOCOL_NONE/HMACMD5/HMACSHA; privProtocol:
// SNMP_PRIVPROTOCOL_NONE/DES/AES128. Pass phrases of a protocol in use need at least 8
// characters. Returns SNMPv3_USM_OK, SNMPv3_USM_UNSUPPORTED_AUTHPROTOCOL,
// SNMPv3_USM_UNSUPPORTED_PRIVPROTOCOL, SNMPv3_USM_PASSPHRASE_TOO_SHORT or
// SNMPv3_USM_ERROR (privacy without authentication); on failure the name has no user
// afterwards.
int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);

// Sets this engine's own SNMPv3 engine ID and boots counter. Returns SNMPv3_MP_OK.
int mpInit(Snmp& snmp, const OctetStr& engineId, unsigned int boots);
