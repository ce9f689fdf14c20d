#include "sim/control.h"

#include <cstdlib>
#include <map>
#include <sstream>

namespace trqsim {

std::string escapeField(const std::string& text)
{
    if (text.empty())
        return "-";
    if (text == "-")
        return "%2D";
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (c <= ' ' || c > '~' || c == '%') {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        } else
            out += char(c);
    }
    return out;
}

std::string unescapeField(const std::string& field)
{
    if (field == "-")
        return "";
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        std::string b;
        if (field[i] == '%' && i + 2 < field.size() && parseHex(field.substr(i + 1, 2), b)) {
            out += b;
            i += 2;
        } else
            out += field[i];
    }
    return out;
}

std::string formatLogEntry(const LogEntry& e)
{
    std::ostringstream s;
    s << "PDU " << e.type << ' ' << e.version << ' ' << escapeField(e.securityName) << ' ' << e.errorStatus << ' '
      << e.errorIndex << ' ' << e.varbinds.size();
    for (const LogVarbind& vb : e.varbinds) {
        s << "\nVB " << oidToString(vb.name) << ' ';
        switch (vb.value.type) {
        case TagInteger: case TagOctetString: case TagObjectId: case TagIpAddress: case TagCounter32:
        case TagGauge32: case TagTimeTicks: case TagCounter64: case TagOpaque: case TagNull:
            s << tagName(vb.value) << ' ' << escapeField(valueText(vb.value));
            break;
        default:
            s << "TYPE" << int(vb.value.type) << ' ' << escapeField(hexOf(vb.value.bytes));
            break;
        }
    }
    return s.str();
}

bool knownFault(const std::string& name)
{
    static const char* const names[] = {"drop",  "duplicate", "truncate",     "reqid",           "pdutype",
                                        "short", "long",      "stuck",        "nosuchobject",    "nosuchinstance",
                                        "endofmibview", "wrongtype", "bigstring", "endless", "backwards"};
    for (const char* n : names)
        if (name == n)
            return true;
    return false;
}

bool reportCounter(const std::string& name, Oid& counter)
{
    static const struct {
        const char* name;
        const char* oid;
    } counters[] = {
        {"unsupportedSecLevels", "1.3.6.1.6.3.15.1.1.1.0"}, {"notInTimeWindows", "1.3.6.1.6.3.15.1.1.2.0"},
        {"unknownUserNames", "1.3.6.1.6.3.15.1.1.3.0"},     {"unknownEngineIDs", "1.3.6.1.6.3.15.1.1.4.0"},
        {"wrongDigests", "1.3.6.1.6.3.15.1.1.5.0"},         {"decryptionErrors", "1.3.6.1.6.3.15.1.1.6.0"},
        {"unknownSecurityModels", "1.3.6.1.6.3.11.2.1.1.0"}, {"invalidMsgs", "1.3.6.1.6.3.11.2.1.2.0"},
        {"unknownPDUHandlers", "1.3.6.1.6.3.11.2.1.3.0"},   {"unavailableContexts", "1.3.6.1.6.3.12.1.4.0"},
        {"unknownContexts", "1.3.6.1.6.3.12.1.5.0"},
    };
    for (const auto& c : counters)
        if (name == c.name)
            return parseOid(c.oid, counter);
    return false;
}

namespace {

std::vector<std::string> split(const std::string& line, size_t maxWords)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i >= line.size())
            break;
        if (out.size() + 1 == maxWords) {
            out.push_back(line.substr(i));
            break;
        }
        size_t j = line.find(' ', i);
        if (j == std::string::npos)
            j = line.size();
        out.push_back(line.substr(i, j - i));
        i = j;
    }
    return out;
}

bool toInt(const std::string& s, long& out)
{
    char* end = nullptr;
    out = std::strtol(s.c_str(), &end, 10);
    return !s.empty() && *end == '\0';
}

} // namespace

std::string runControlCommand(SimState& st, const std::string& rawLine)
{
    std::string line = rawLine;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    auto w = split(line, 0);
    if (w.empty())
        return "ERR empty command";
    const std::string& cmd = w[0];
    std::string why;
    long n = 0, m = 0;
    Oid oid;

    if (cmd == "ping")
        return "OK pong";
    if (cmd == "mute" && w.size() == 2 && (w[1] == "on" || w[1] == "off")) {
        st.mute = w[1] == "on";
        return "OK";
    }
    if (cmd == "delay" && w.size() == 2 && toInt(w[1], n) && n >= 0) {
        st.delayMs = int(n);
        return "OK";
    }
    // Any error-status an agent could put in its response, inside the protocol's 0..18 or not.
    if (cmd == "failset" && (w.size() == 2 || w.size() == 3) && toInt(w[1], n) && n >= INT32_MIN && n <= INT32_MAX &&
        (w.size() == 2 || (toInt(w[2], m) && m >= 1))) {
        st.failStatus = int(n);
        st.failIndex = w.size() == 3 ? int(m) : 1;
        return "OK";
    }
    if (cmd == "fault" && w.size() == 2 && w[1] == "off") {
        st.fault.clear();
        return "OK";
    }
    if (cmd == "fault" && (w.size() == 2 || w.size() == 3) && knownFault(w[1]) &&
        (w.size() == 2 || (toInt(w[2], n) && n >= 1 && n <= 1000000))) {
        st.fault = w[1];
        st.faultEvery = w.size() == 3 ? int(n) : 1;
        st.faultSeen = 0;
        return "OK";
    }
    if (cmd == "report" && w.size() == 2 && w[1] == "off") {
        st.reportCount = 0;
        return "OK";
    }
    if (cmd == "report" && (w.size() == 2 || w.size() == 3) && (w.size() == 2 || (toInt(w[2], n) && n >= 1))) {
        if (!reportCounter(w[1], oid))
            return "ERR unknown report: " + w[1];
        st.reportOid = oid;
        st.reportCount = w.size() == 3 ? int(n) : 1;
        return "OK";
    }
    if (cmd == "engine" && (w.size() == 2 || (w.size() == 3 && w[2] == "reset")) && w[1] == "reboot") {
        if (!st.engineReboot)
            return "ERR no SNMP engine";
        return "OK " + std::to_string(st.engineReboot(w.size() == 3));
    }
    if (cmd == "passwd" && w.size() == 3) {
        if (!st.setAuthPass)
            return "ERR no SNMP engine";
        if (!st.setAuthPass(unescapeField(w[1]), unescapeField(w[2]), &why))
            return "ERR " + why;
        return "OK";
    }
    if (cmd == "set") {
        auto a = split(line, 4);
        if (a.size() < 3 || !parseOid(a[1], oid))
            return "ERR usage: set OID TAG VALUE";
        Cell c;
        if (!parseValue(a[2], a.size() > 3 ? a[3] : "", c.value, &why))
            return "ERR " + why;
        Store& store = st.profile.store;
        if (const Cell* old = store.find(oid))
            c.access = old->access;
        else if (const TableDef* t = store.tableOf(oid)) {
            auto def = t->columns.find(oid[t->entry.size()]);
            if (def != t->columns.end())
                c.access = def->second.access;
        }
        store.put(oid, c);
        return "OK";
    }
    if (cmd == "get" && w.size() == 2 && parseOid(w[1], oid)) {
        const Cell* c = st.profile.store.find(oid);
        if (!c)
            return "ERR no such object";
        return "OK " + tagName(c->value) + " " + escapeField(valueText(c->value));
    }
    if (cmd == "walk" && w.size() == 2 && parseOid(w[1], oid)) {
        // What an SNMP walk of the subtree would give, in OID order.
        std::map<Oid, Value> served;
        for (auto it = st.profile.store.cells().lower_bound(oid);
             it != st.profile.store.cells().end() && oidStartsWith(it->first, oid); ++it)
            if (it->second.access != Access::NotAccessible)
                served.emplace(it->first, it->second.value);
        if (st.frameworkValues)
            for (auto& [at, value] : st.frameworkValues())
                if (oidStartsWith(at, oid))
                    served.emplace(at, value);
        std::string lines;
        for (const auto& [at, value] : served)
            lines += "\nVB " + oidToString(at) + " " + tagName(value) + " " + escapeField(valueText(value));
        return "OK " + std::to_string(served.size()) + lines;
    }
    if (cmd == "remove" && w.size() == 2 && parseOid(w[1], oid))
        return "OK " + std::to_string(st.profile.store.removeSubtree(oid));
    if (cmd == "module" && w.size() == 4 && w[1] == "insert" && toInt(w[2], n)) {
        if (!st.profile.chassis.insertModule(st.profile.store, int(n), w[3], &why))
            return "ERR " + why;
        return "OK";
    }
    if (cmd == "module" && w.size() == 3 && w[1] == "remove" && toInt(w[2], n)) {
        if (!st.profile.chassis.removeModule(st.profile.store, int(n), &why))
            return "ERR " + why;
        return "OK";
    }
    if (cmd == "module" && w.size() == 4 && w[1] == "swap" && toInt(w[2], n) && toInt(w[3], m)) {
        if (!st.profile.chassis.swapModules(st.profile.store, int(n), int(m), &why))
            return "ERR " + why;
        return "OK";
    }
    if (cmd == "leds" && w.size() >= 3 && toInt(w[1], n)) {
        std::string octets;
        auto a = split(line, 3);
        if (!parseHex(a[2], octets))
            return "ERR bad hex octets";
        if (!st.profile.chassis.setLeds(st.profile.store, int(n), octets, &why))
            return "ERR " + why;
        return "OK";
    }
    if (cmd == "log" && w.size() == 1) {
        std::string out = "OK " + std::to_string(st.log.size());
        for (const LogEntry& e : st.log) {
            out += '\n';
            out += formatLogEntry(e);
        }
        return out;
    }
    if (cmd == "log" && w.size() == 2 && w[1] == "clear") {
        st.log.clear();
        return "OK";
    }
    return "ERR unknown command or bad arguments: " + line;
}

} // namespace trqsim
