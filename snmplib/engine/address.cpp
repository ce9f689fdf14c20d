#include "snmplib/engine/address.h"

#include <typeinfo>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cstring>
#include <map>
#include <mutex>

namespace {

struct Resolved {
    int family = 0;
    std::array<unsigned char, 16> bytes{};
};

// Host names met so far, with what the resolver said (family 0: not found).
Resolved resolveCached(const std::string& name)
{
    static std::mutex mutex;
    static std::map<std::string, Resolved> cache;
    {
        std::lock_guard<std::mutex> lock(mutex);
        auto it = cache.find(name);
        if (it != cache.end())
            return it->second;
    }
    Resolved result;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &list) == 0) {
        // The first IPv4 answer is preferred, else the first IPv6 one.
        for (int pass = 0; pass < 2 && !result.family; ++pass) {
            for (addrinfo* ai = list; ai; ai = ai->ai_next) {
                if (pass == 0 && ai->ai_family == AF_INET) {
                    const auto* sin = reinterpret_cast<const sockaddr_in*>(ai->ai_addr);
                    std::memcpy(result.bytes.data(), &sin->sin_addr, 4);
                    result.family = 4;
                    break;
                }
                if (pass == 1 && ai->ai_family == AF_INET6) {
                    const auto* sin6 = reinterpret_cast<const sockaddr_in6*>(ai->ai_addr);
                    std::memcpy(result.bytes.data(), &sin6->sin6_addr, 16);
                    result.family = 6;
                    break;
                }
            }
        }
        freeaddrinfo(list);
    }
    std::lock_guard<std::mutex> lock(mutex);
    cache.emplace(name, result);
    return result;
}

bool isAllDigits(const std::string& text)
{
    if (text.empty() || text.size() > 5)
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

} // namespace

IpAddress::IpAddress(const char* text)
{
    if (text)
        parseHost(text);
}

IpAddress::IpAddress(const unsigned char* octets4)
{
    if (octets4) {
        std::memcpy(bytes_.data(), octets4, 4);
        family_ = 4;
    }
}

bool IpAddress::parseHost(const std::string& hostText)
{
    family_ = 0;
    bytes_.fill(0);
    std::string host = hostText;
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (host.empty())
        return false;
    in_addr v4{};
    if (inet_pton(AF_INET, host.c_str(), &v4) == 1) {
        std::memcpy(bytes_.data(), &v4, 4);
        family_ = 4;
        return true;
    }
    in6_addr v6{};
    if (inet_pton(AF_INET6, host.c_str(), &v6) == 1) {
        std::memcpy(bytes_.data(), &v6, 16);
        family_ = 6;
        return true;
    }
    // Only something that looks like a host name goes to the resolver; a broken
    // dotted quad such as "10.0.0" or "1.2.3.256" is not valid.
    bool allNumeric = true;
    for (char c : host) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                        c == '-' || c == '.' || c == '_';
        if (!ok)
            return false;
        if (!((c >= '0' && c <= '9') || c == '.'))
            allNumeric = false;
    }
    if (allNumeric)
        return false;
    const Resolved r = resolveCached(host);
    family_ = r.family;
    bytes_ = r.bytes;
    return family_ != 0;
}

std::string IpAddress::get_printable() const
{
    if (family_ == 4) {
        // The dotted quad without the C library's formatting (a reply's sender is printed):
        // at most three digits an octet, so "255.255.255.255" fills the buffer at most.
        char quad[15];
        char* out = quad;
        for (std::size_t i = 0; i < 4; ++i) {
            if (i)
                *out++ = '.';
            const unsigned octet = bytes_[i];
            if (octet >= 100)
                *out++ = static_cast<char>('0' + octet / 100);
            if (octet >= 10)
                *out++ = static_cast<char>('0' + octet / 10 % 10);
            *out++ = static_cast<char>('0' + octet % 10);
        }
        return std::string(quad, out);
    }
    char buffer[INET6_ADDRSTRLEN] = {};
    if (family_ == 6)
        inet_ntop(AF_INET6, bytes_.data(), buffer, sizeof buffer);
    return buffer;
}

UdpAddress::UdpAddress(const char* textIn)
{
    if (!textIn)
        return;
    const std::string text = textIn;
    std::string host = text;
    std::string port;
    const auto slash = text.rfind('/');
    if (slash != std::string::npos) {
        host = text.substr(0, slash);
        port = text.substr(slash + 1);
    } else if (!text.empty() && text.front() == '[') {
        const auto close = text.find(']');
        if (close != std::string::npos && close + 1 < text.size() && text[close + 1] == ':') {
            host = text.substr(0, close + 1);
            port = text.substr(close + 2);
        }
    } else {
        const auto colon = text.find(':');
        if (colon != std::string::npos && text.find(':', colon + 1) == std::string::npos) {
            host = text.substr(0, colon);
            port = text.substr(colon + 1);
        }
    }
    if (slash != std::string::npos || !port.empty() || host != text) {
        if (!isAllDigits(port) || std::stoul(port) > 65535)
            return;
        port_ = static_cast<unsigned short>(std::stoul(port));
    }
    parseHost(host);
}

std::string UdpAddress::get_printable() const
{
    if (!valid())
        return {};
    return IpAddress::get_printable() + "/" + std::to_string(port_);
}

GenAddress::GenAddress(const Address& address) : address_(toUdpAddress(address, 0)) {}

UdpAddress toUdpAddress(const Address& address, unsigned short defaultPort)
{
    // Every request's target is given a UdpAddress: known by its type at once.
    if (typeid(address) == typeid(UdpAddress))
        return static_cast<const UdpAddress&>(address);
    if (const auto* gen = dynamic_cast<const GenAddress*>(&address))
        return gen->udp();
    if (const auto* udp = dynamic_cast<const UdpAddress*>(&address))
        return *udp;
    if (const auto* ip = dynamic_cast<const IpAddress*>(&address))
        return UdpAddress(*ip, defaultPort);
    return UdpAddress();
}
