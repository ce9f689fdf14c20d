#pragma once
// Network addresses: IpAddress (IPv4, or an IPv6 literal), UdpAddress (an IP address
// and a UDP port) and GenAddress (any of them, from text).
//
// Text forms accepted: a dotted quad ("10.0.0.1"), an IPv6 literal ("::1", also in
// brackets), or a host name. A host name is resolved once, with the system resolver,
// the first time the process meets it (the only place that may wait on the network);
// the result, found or not, is kept for the life of the process, so that requests
// that build their address again and again never wait twice.
#include "snmplib/engine/smi.h"

#include <array>
#include <cstdint>
#include <string>

class Address : public SnmpSyntax {
public:
    virtual Address* clone_address() const = 0;
    SnmpSyntax* clone() const override { return clone_address(); }
};

class IpAddress : public Address {
public:
    IpAddress() = default;
    IpAddress(const char* text);
    IpAddress(const std::string& text) : IpAddress(text.c_str()) {}
    // Four octets, network order.
    IpAddress(const unsigned char* octets4);

    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_IPADDR; }
    Address* clone_address() const override { return new IpAddress(*this); }
    bool valid() const override { return family_ != 0; }
    // Dotted quad, or the IPv6 text; empty when not valid.
    std::string get_printable() const override;

    int ip_version() const { return family_; }          // 4, 6 or 0 (not valid)
    const unsigned char* octets() const { return bytes_.data(); } // 4 or 16 octets
    std::size_t octet_count() const { return family_ == 6 ? 16 : family_ == 4 ? 4 : 0; }

    friend bool operator==(const IpAddress& a, const IpAddress& b)
    {
        return a.family_ == b.family_ && a.bytes_ == b.bytes_;
    }
    friend bool operator!=(const IpAddress& a, const IpAddress& b) { return !(a == b); }

protected:
    // Parses the host part: numeric forms, else the resolver (cached).
    bool parseHost(const std::string& host);

    int family_ = 0;
    std::array<unsigned char, 16> bytes_{};
};

class UdpAddress : public IpAddress {
public:
    UdpAddress() = default;
    // "host/port", "a.b.c.d:port", "[v6]:port" or a host alone (port 0).
    UdpAddress(const char* text);
    UdpAddress(const std::string& text) : UdpAddress(text.c_str()) {}
    UdpAddress(const IpAddress& ip, unsigned short port = 0) : IpAddress(ip), port_(port) {}

    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_OCTETS; }
    Address* clone_address() const override { return new UdpAddress(*this); }
    // "address/port"; empty when not valid.
    std::string get_printable() const override;

    unsigned short get_port() const { return port_; }
    void set_port(unsigned short port) { port_ = port; }

    friend bool operator==(const UdpAddress& a, const UdpAddress& b)
    {
        return static_cast<const IpAddress&>(a) == static_cast<const IpAddress&>(b) && a.port_ == b.port_;
    }
    friend bool operator!=(const UdpAddress& a, const UdpAddress& b) { return !(a == b); }

private:
    unsigned short port_ = 0;
};

// Any address, built from text or from another address.
class GenAddress : public Address {
public:
    GenAddress() = default;
    GenAddress(const char* text) : address_(text) {}
    GenAddress(const std::string& text) : address_(text) {}
    GenAddress(const Address& address);

    SmiUINT32 get_syntax() const override { return address_.get_syntax(); }
    Address* clone_address() const override { return new GenAddress(*this); }
    bool valid() const override { return address_.valid(); }
    std::string get_printable() const override { return address_.get_printable(); }
    const UdpAddress& udp() const { return address_; }

private:
    UdpAddress address_;
};

// The UDP address of any address: an IpAddress gets the given default port.
UdpAddress toUdpAddress(const Address& address, unsigned short defaultPort = 161);
