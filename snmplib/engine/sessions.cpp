// net-snmp sessions: one per peer and credential set, opened, retired and closed.
#include "snmplib/engine/engine_p.h"

#include <charconv>
#include <string_view>

#include <QCoreApplication>
#include <QSocketNotifier>

using namespace snmpengine;

namespace snmpengine {

namespace {

std::string peerName(const UdpAddress& address)
{
    const std::string host = address.IpAddress::get_printable();
    if (address.ip_version() == 6)
        return "udp6:[" + host + "]:" + std::to_string(address.get_port());
    return "udp:" + host + ":" + std::to_string(address.get_port());
}

void appendHex(std::string& key, std::string_view bytes)
{
    static const char digits[] = "0123456789abcdef";
    for (unsigned char c : bytes) {
        key += digits[c >> 4];
        key += digits[c & 15];
    }
}

void appendNumber(std::string& key, unsigned long n)
{
    char text[24];
    key.append(text, static_cast<std::size_t>(std::to_chars(text, text + sizeof text, n).ptr - text));
}

} // namespace

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

void dropNotifier(QSocketNotifier*& notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    if (Process.Emitting.count(notifier))
        notifier->deleteLater();
    else
        delete notifier;
    notifier = nullptr;
}


} // namespace snmpengine

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
                ~Emitting() { Process.Emitting.erase(n); }
            } emitting{notifier};
            Process.Emitting.insert(notifier);
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
    // Built in one piece, in a text that keeps its storage: every request looks its
    // session up by it.
    std::string& key = sessionKey;
    key.clear();
    key += r.sync ? "S|" : "A|";
    key += r.agent;
    key += '|';
    appendNumber(key, static_cast<unsigned long>(target.get_version()));
    key += '|';
    appendNumber(key, target.get_timeout());
    key += '|';
    appendNumber(key, static_cast<unsigned long>(target.get_retry()));
    const User* user = nullptr;
    std::string name;
    std::string engineId;
    if (v3) {
        name = static_cast<const UTarget&>(target).get_security_name().str();
        auto u = Process.Users.find(name);
        if (u != Process.Users.end())
            user = &u->second;
        auto known = Process.EngineIds.find(r.agent);
        if (known == Process.EngineIds.end()) {
            status = SNMPv3_USM_UNKNOWN_ENGINEID;
            return nullptr;
        }
        engineId = known->second;
        key += '|';
        appendHex(key, name);
        key += '|';
        appendNumber(key, static_cast<unsigned long>(r.securityLevel));
        key += '|';
        appendHex(key, engineId);
        key += '|';
        appendNumber(key, user ? user->generation : 0);
    }
    auto it = sessions.find(key);
    if (it != sessions.end() && !it->second->retired)
        return it->second.get();
    if (it != sessions.end()) { // a retired session of the same key is still draining
        auto node = sessions.extract(it);
        node.mapped()->key += "|retired#" + std::to_string(++Process.RetiredSessions);
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
    settings.securityLevel = r.securityLevel;
    settings.securityEngineID = reinterpret_cast<u_char*>(const_cast<char*>(engineId.data()));
    settings.securityEngineIDLen = engineId.size();
    settings.flags |= SNMP_FLAGS_DONT_PROBE;
    if (user && user->authProtocol != SNMP_AUTHPROTOCOL_NONE) {
        oid* authProto = user->authProtocol == SNMP_AUTHPROTOCOL_HMACSHA ? usmHMACSHA1AuthProtocol : usmHMACMD5AuthProtocol;
        // Both keys are derived from their pass phrases with the authentication protocol.
        const auto derive = [authProto](const std::string& passPhrase, u_char* key, size_t* length) {
            return generate_Ku(authProto, USM_AUTH_PROTO_MD5_LEN, reinterpret_cast<const u_char*>(passPhrase.data()),
                               passPhrase.size(), key, length) == SNMPERR_SUCCESS;
        };
        settings.securityAuthProto = authProto;
        settings.securityAuthProtoLen = USM_AUTH_PROTO_MD5_LEN;
        settings.securityAuthKeyLen = USM_AUTH_KU_LEN;
        if (!derive(user->authPassword, settings.securityAuthKey, &settings.securityAuthKeyLen)) {
            status = SNMPv3_USM_ERROR;
            return nullptr;
        }
        if (user->privProtocol != SNMP_PRIVPROTOCOL_NONE) {
            settings.securityPrivProto = user->privProtocol == SNMP_PRIVPROTOCOL_AES128 ? usmAESPrivProtocol : usmDESPrivProtocol;
            settings.securityPrivProtoLen = USM_PRIV_PROTO_DES_LEN;
            settings.securityPrivKeyLen = USM_PRIV_KU_LEN;
            if (!derive(user->privPassword, settings.securityPrivKey, &settings.securityPrivKeyLen)) {
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
