#include "dedicated/ipv4text.h"

int TIpv4Scan::Value(int part) const
{
    if (part < 0 || part >= static_cast<int>(Parts.size()))
        return -1;
    const std::string& text = Parts[static_cast<std::size_t>(part)];
    if (text.empty() || text.size() > 3)
        return -1;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

uint32_t TIpv4Scan::Address() const
{
    if (!Valid())
        return 0;
    uint32_t address = 0;
    for (const int octet : Octets)
        address = (address << 8) | static_cast<uint32_t>(octet);
    return address;
}

TIpv4Scan ScanIpv4(std::string_view text)
{
    TIpv4Scan scan;
    scan.Parts.emplace_back();
    for (const char c : text) {
        if (c == '.')
            scan.Parts.emplace_back();
        else
            scan.Parts.back().push_back(c);
    }
    if (text.empty()) {
        scan.Fault = TIpv4Fault::Empty;
        return scan;
    }
    const int count = static_cast<int>(scan.Parts.size());
    for (int i = 0; i < count; ++i) {
        const std::string& part = scan.Parts[static_cast<std::size_t>(i)];
        TIpv4Fault fault = TIpv4Fault::None;
        for (const char c : part)
            if (c < '0' || c > '9')
                fault = TIpv4Fault::BadCharacter;
        if (fault == TIpv4Fault::None) {
            if (part.empty())
                fault = TIpv4Fault::EmptyPart;
            else if (part.size() > 3)
                fault = TIpv4Fault::LongPart;
            else if (scan.Value(i) > 255)
                fault = TIpv4Fault::PartRange;
        }
        if (fault != TIpv4Fault::None) {
            scan.Fault = fault;
            scan.FaultPart = i;
            return scan;
        }
    }
    if (count != 4) {
        scan.Fault = TIpv4Fault::PartCount;
        return scan;
    }
    scan.Fault = TIpv4Fault::None;
    for (int i = 0; i < 4; ++i)
        scan.Octets[static_cast<std::size_t>(i)] = scan.Value(i);
    return scan;
}

std::optional<uint32_t> ParseIpv4(std::string_view text)
{
    const TIpv4Scan scan = ScanIpv4(text);
    if (!scan.Valid())
        return std::nullopt;
    return scan.Address();
}

std::string FormatIpv4(uint32_t address)
{
    std::string text;
    for (int shift = 24; shift >= 0; shift -= 8) {
        if (!text.empty())
            text.push_back('.');
        text.append(std::to_string((address >> shift) & 0xFFu));
    }
    return text;
}

bool IsContiguousMask(uint32_t mask)
{
    // The zero bits of a contiguous mask, read as a number, are one less than a power of two.
    const uint32_t zeros = ~mask;
    return (zeros & (zeros + 1)) == 0;
}

bool IsMaskOctet(int value)
{
    switch (value) {
    case 0: case 128: case 192: case 224: case 240: case 248: case 252: case 254: case 255:
        return true;
    default:
        return false;
    }
}

bool IsUnicastHost(uint32_t address)
{
    const uint32_t first = address >> 24;
    return first >= 1 && first <= 223 && first != 127;
}

TIpv4Class ClassOf(uint32_t address)
{
    const uint32_t first = address >> 24;
    if (first < 128)
        return TIpv4Class::A;
    if (first < 192)
        return TIpv4Class::B;
    if (first < 224)
        return TIpv4Class::C;
    if (first < 240)
        return TIpv4Class::D;
    return TIpv4Class::E;
}

bool SubnetsOverlap(uint32_t addressA, uint32_t maskA, uint32_t addressB, uint32_t maskB)
{
    // For contiguous masks the shorter one is the bits both have.
    const uint32_t shorter = maskA & maskB;
    return NetworkOf(addressA, shorter) == NetworkOf(addressB, shorter);
}

bool IsSubnetEdge(uint32_t address, const TIpv4Subnet& subnet)
{
    const uint32_t hostBits = ~subnet.Mask;
    if (!IsContiguousMask(subnet.Mask) || hostBits < 3) // /31, /32: no network or broadcast
        return false;
    const uint32_t network = NetworkOf(subnet.Address, subnet.Mask);
    return address == network || address == (network | hostBits);
}

bool IsNextHop(uint32_t hop, const std::vector<TIpv4Subnet>& subnets)
{
    if (!IsHostAddress(hop))
        return false;
    for (const TIpv4Subnet& subnet : subnets)
        if (IsSubnetEdge(hop, subnet))
            return false;
    return true;
}
