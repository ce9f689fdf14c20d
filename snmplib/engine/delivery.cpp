// Outcomes: net-snmp's callback records them, the event loop's pump and the waits of
// synchronous calls collect them, deliver() hands them to the callers.
#include "snmplib/engine/engine_p.h"

#include <net-snmp/library/snmpUDPBaseDomain.h>

#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

using namespace snmpengine;

namespace snmpengine {

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


namespace {

// net-snmp's read of an IPv4 UDP datagram asks the kernel for the socket's own address
// after every datagram (for its diagnostics) and collects the address the datagram was
// sent to (for an agent's replies). A manager's session uses neither: this is the same
// read without them, one system call a reply instead of two. What it hands net-snmp is
// what net-snmp's read does: the sender's address in an address pair of its own type,
// freed by net-snmp with the message.
int readUdp4(netsnmp_transport* t, void* buffer, int size, void** opaque, int* olength)
{
    *opaque = nullptr;
    *olength = 0;
    if (!t || t->sock < 0)
        return -1;
    auto* pair = static_cast<netsnmp_indexed_addr_pair*>(calloc(1, sizeof(netsnmp_indexed_addr_pair)));
    if (!pair)
        return -1;
    socklen_t length = sizeof(struct sockaddr);
    int n;
    do
        n = static_cast<int>(recvfrom(t->sock, buffer, static_cast<std::size_t>(size), MSG_DONTWAIT,
                                      &pair->remote_addr.sa, &length));
    while (n < 0 && errno == EINTR);
    *opaque = pair;
    *olength = sizeof(netsnmp_indexed_addr_pair);
    return n;
}

void readDatagram(Session* s)
{
    netsnmp_transport* transport = snmp_sess_transport(s->handle);
    if (transport && transport->f_recv == netsnmp_udpbase_recv)
        transport->f_recv = readUdp4;
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

} // namespace

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


} // namespace snmpengine

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
        // the old ID, so a time-out counts as well. A request sent before the ID now known
        // was found (one lost while the agent was unreachable) says nothing about it.
        const auto known = Process.EngineIdDiscoveries.find(r.agent);
        if (known == Process.EngineIdDiscoveries.end() || known->second == r.discovery) {
            Process.EngineIds.erase(r.agent);
            Process.EngineIdDiscoveries.erase(r.agent);
            for (Snmp::Impl* e : Process.Engines)
                e->retireSessions(r.agent, std::string());
        }
    }
    if (r.probe) {
        probeFinished(r);
        return;
    }
    if (!r.sync)
        completed.push_back(r.id);
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
    for (auto& [id, r] : Process.Requests)
        if (r->owner == this && r->state == State::InFlight && now > r->deadline)
            late.push_back(r);
    for (Request* r : late)
        finish(*r, r->reported ? r->reported : SNMP_CLASS_TIMEOUT, nullptr);
}


void Snmp::Impl::erase(unsigned long id)
{
    auto it = Process.Requests.find(id);
    if (it == Process.Requests.end())
        return;
    Request* r = it->second;
    if (r->session)
        r->session->inFlight.erase(id);
    Process.Requests.erase(it);
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
            for (auto& [wid, w] : Process.Requests)
                if (w->owner == this && !w->probe && !w->sync && w->agent == agent && w->state == State::WaitingForEngineId)
                    waiting.push_back(w);
            std::sort(waiting.begin(), waiting.end(), [](Request* a, Request* b) { return a->id < b->id; });
            for (Request* w : waiting) {
                const int status = ok ? transmit(*w, w->pdu) : reason;
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

void SNMPProcessPendingEvents()
{
    const std::vector<Snmp::Impl*> list = Process.Engines;
    for (Snmp::Impl* e : list) {
        const auto& now = Process.Engines;
        if (std::find(now.begin(), now.end(), e) != now.end())
            e->pump();
    }
}
