#pragma once
// Library start-up: the one SNMP engine object of the program, the SNMPv3 engine-boots
// counter, the defaults record (snmplib/defaults.h) and the event processor that lets the
// engine deliver asynchronous replies on the user-interface thread.
//
// Start-up calls VhSNMPInit once, before it fills VhSNMPDefaults from the command line
// and the per-device settings file. The engine object lives to the end of the process.
#include <cstdint>
#include <functional>
#include <string>

#include <QPointer>

#include "snmplib/defaults.h"

class QTimer;
class Pdu;
class Snmp;
class SnmpTarget;

// Creates the engine (once), counts the boots counter of the engine ID
// "VhSNMP_PP_Application" up by one in the file "VhSNMP_PP_BootCounter" of directory (the
// current directory for ""), initialises SNMPv3 message processing with it, resets the
// defaults record and starts the event processor. Raises -506 when the engine cannot be
// created, -507 when the boots file cannot be read, -508 when it cannot be written; the
// defaults are then left alone and the event processor is not started.
void VhSNMPInit(const std::string& directory);

// The engine object, or null before VhSNMPInit.
Snmp* VhSNMPSession();

// Lets the engine read the replies that have arrived, handle time-outs and retries and
// call the completions of finished requests. Does nothing before VhSNMPInit. Wait loops
// that may run inside a completion call it themselves, since the event timer is idle
// while a completion runs.
void VhSNMPProcessEvents();

// Runs the message loop while condition() holds, for at most timeoutMs (negative: no
// limit). The SNMP engine is pumped as well, so the wait also ends when it runs inside a
// completion (the library's event timer is idle then). Returns !condition(); false at
// once, without waiting, when there is no application object.
bool PumpWhile(const std::function<bool()>& condition, int timeoutMs = -1);

// The 20 ms timer that calls VhSNMPProcessEvents from the message loop (time-outs and
// retries; replies are read by the engine's socket notifiers as they arrive, so a walk
// waits in the message loop without spinning). The timer is made
// on the first Start (an application object must exist then) and goes with the
// application object. Between Start and Stop it ticks only while a request is
// outstanding: an idle program is not woken 50 times a second for nothing, and the
// engine wakes the timer when the next request is registered.
class _SnmpEventProcessor {
public:
    _SnmpEventProcessor() = default;
    ~_SnmpEventProcessor();
    _SnmpEventProcessor(const _SnmpEventProcessor&) = delete;
    _SnmpEventProcessor& operator=(const _SnmpEventProcessor&) = delete;

    void Start();
    void Stop();
    // The timer's handler: idle while the engine works, so that a completion that runs a
    // message loop of its own does not enter it again.
    void OnTimer();

    // Between Start and Stop.
    bool Active() const;
    // The timer is counting down (a request is outstanding).
    bool Ticking() const;
    // A request was registered: the timer ticks again (not inside its own handler, which
    // starts it again as it ends).
    void Wake();
    // A reply was handed over: with nothing left outstanding the timer stops at once instead
    // of ticking once more for nothing.
    void Rest();
    static constexpr int Interval = 20; // milliseconds

private:
    QPointer<QTimer> Timer;
    bool Running = false; // between Start and Stop
    bool InHandler = false;
};

extern _SnmpEventProcessor SnmpEventProcessor;

// Operation byte of a reply block (VhSNMPReplyBlock, snmplib/request.h).
constexpr uint8_t VHSNMP_OP_SET = 0;          // a set; the reply's values are not stored
constexpr uint8_t VHSNMP_OP_GET = 1;          // a get or get-next; the reply is stored
constexpr uint8_t VHSNMP_OP_SET_READBACK = 2; // a set asked with read-back: as VHSNMP_OP_SET

// The engine's one completion function for every asynchronous get, get-next and set:
// frees the block, then hands the reply to the request that sent it.
void SnmpAsyncCallback(int reason, Snmp* session, Pdu& pdu, SnmpTarget& target, void* block);
