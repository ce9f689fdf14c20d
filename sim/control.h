#pragma once
// The simulator's line-based control protocol (sim/README.md): command execution and the
// field escaping shared with the test harness.
#include "sim/profile.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace trqsim {

// A field on a protocol line: bytes outside '!'..'~' and '%' become %XX; the empty text is "-"
// (and a lone "-" is "%2D").
std::string escapeField(const std::string& text);
std::string unescapeField(const std::string& field);

// A varbind as the request carried it; its text is made only when the log is asked for.
struct LogVarbind {
    Oid name;
    Value value;        // value.type is the varbind's BER type, known to the store or not
};

struct LogEntry {
    std::string type;         // get, getnext, getbulk, set, other
    int version = 0;          // 0 v1, 1 v2c, 3 v3
    std::string securityName; // community or USM user
    std::vector<LogVarbind> varbinds;
    int errorStatus = 0;
    int errorIndex = 0;
    long requestId = 0;
    bool answered = false;
};

// Protocol text of one entry: "PDU type version name status index count" and one
// "VB oid tag value" line per varbind.
std::string formatLogEntry(const LogEntry& e);

// Everything the control commands act on.
struct SimState {
    Profile profile;
    bool mute = false;
    int delayMs = 0;
    int failStatus = 0;       // error-status for the next set (0: none)
    int failIndex = 1;
    std::vector<LogEntry> log;
    // The next reportCount SNMPv3 requests of a user are answered with a REPORT of this
    // counter instead of a response.
    Oid reportOid;
    int reportCount = 0;
    // The values that net-snmp's own framework modules serve (engine, message processing
    // and USM statistics), as they are at the moment of asking; the walk command lists them
    // beside the store's.
    std::function<std::vector<std::pair<Oid, Value>>()> frameworkValues;
    // The agent's SNMPv3 engine restarts (control command "engine reboot"): engineBoots
    // goes up by one, or with resetBoots ("engine reboot reset", a switch whose stored
    // boots were lost) starts again at 1 under the same engine ID; the new value is returned.
    std::function<long(bool resetBoots)> engineReboot;
    // A USM user of the agent gets a new authentication pass phrase (control command
    // "passwd"): its key is localised anew; false with the reason when it cannot.
    std::function<bool(const std::string& user, const std::string& pass, std::string* why)> setAuthPass;
    // A fault on the replies to reads (control command "fault"): its name, applied to every
    // faultEvery-th read (1: each one); none while empty. faultSeen counts the reads.
    std::string fault;
    int faultEvery = 1;
    long faultSeen = 0;
};

// The faults the "fault" command knows: on the wire (drop, duplicate, truncate: the
// agent's own reply, lost, sent twice or cut in half) or in a reply of the simulator's own
// making, SNMPv1/v2c only (reqid: another request id; pdutype: a get instead of a
// response; short and long: one varbind fewer or more than asked; stuck: every OID as
// asked, so that a walk does not advance; backwards: every OID one before the one asked;
// nosuchobject, nosuchinstance, endofmibview: that exception in every varbind; endless: a get-next never leaves a column, answering past its
// last row with one more row, forever), or in the values the agent serves, every version
// (wrongtype: each value of another type than its object's; bigstring: the reply's first
// value an octet string of 65,000 octets).
bool knownFault(const std::string& name);

// The counters a REPORT can carry, by name (usmStats and snmp MPD / target counters):
// unsupportedSecLevels, notInTimeWindows, unknownUserNames, unknownEngineIDs,
// wrongDigests, decryptionErrors, unknownSecurityModels, invalidMsgs,
// unknownPDUHandlers, unavailableContexts, unknownContexts. False for another name.
bool reportCounter(const std::string& name, Oid& counter);

// Runs one command line; returns the answer without the terminating "." line.
std::string runControlCommand(SimState& state, const std::string& line);

} // namespace trqsim
