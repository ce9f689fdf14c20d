#pragma once
// Dotted IPv4 texts, as the windows' checks read them.
//
// One scanner reads a text once and reports what it holds: its parts (the texts between
// the dots) and the first thing that makes it no plain dotted address. Parts are decimal,
// also with leading zeros ("010.1.1.1" is 10.1.1.1, never octal). The windows' own checks
// (each with its rules, message texts and message order) are policy functions in the
// window's file, built on one policy per address role below (IsHostAddress, IsNextHop),
// of the shape
//
//   TIpv4Verdict CheckNextHop(const std::string& text);   // Accept() or Refuse("...")
//
// built on the scan and on the address helpers below.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a scan found first that makes a text no dotted address (parts in order, the
// characters of a part left to right).
enum class TIpv4Fault {
    None,         // four parts of one to three digits, each 0 to 255
    Empty,        // no text
    BadCharacter, // a character that is neither a digit nor "."
    EmptyPart,    // "." first, last or doubled
    LongPart,     // a part of more than three digits
    PartRange,    // a part above 255
    PartCount,    // not exactly four parts
};

struct TIpv4Scan {
    std::vector<std::string> Parts; // the texts between the dots (all of them, also on a fault)
    TIpv4Fault Fault = TIpv4Fault::Empty;
    int FaultPart = -1;             // the part at fault (BadCharacter: the part it is in)
    std::array<int, 4> Octets{};    // the values, when Fault is None

    bool Valid() const { return Fault == TIpv4Fault::None; }
    // The decimal value of a part: -1 when it is empty, holds a non-digit or has more than
    // three digits; -1 also for a part beyond the text.
    int Value(int part) const;
    // The address as a 32-bit number (first part most significant); 0 when not Valid.
    uint32_t Address() const;
};

TIpv4Scan ScanIpv4(std::string_view text);

// The address of a strict dotted text, or nothing.
std::optional<uint32_t> ParseIpv4(std::string_view text);
// "a.b.c.d", without leading zeros.
std::string FormatIpv4(uint32_t address);

// A mask whose one bits all come before its zero bits (0.0.0.0 and 255.255.255.255 included).
bool IsContiguousMask(uint32_t mask);
// The first part of a contiguous mask below 255 is one of these.
bool IsMaskOctet(int value);
// A unicast host address: first part 1 to 223, not 127 (parts 0 to 255).
bool IsUnicastHost(uint32_t address);

// Address class by the first part: A 0-127, B 128-191, C 192-223, D 224-239, E 240-255.
enum class TIpv4Class { A, B, C, D, E };
TIpv4Class ClassOf(uint32_t address);

// The network of an address under a mask (address AND mask).
inline uint32_t NetworkOf(uint32_t address, uint32_t mask) { return address & mask; }
// Two interfaces' subnets overlap: both addresses compared under the shorter of the two
// masks (the one with fewer one bits).
bool SubnetsOverlap(uint32_t addressA, uint32_t maskA, uint32_t addressB, uint32_t maskB);

// ---- One address policy per role ----
// The windows' checks keep their own messages and order, and decide each role with these.

// A host or server address (a server the switch sends to, a host entry): a unicast host
// address, so neither 0.0.0.0, 255.255.255.255, the loopback network nor classes D and E.
inline bool IsHostAddress(uint32_t address) { return IsUnicastHost(address); }

// An interface's subnet: its address and mask.
struct TIpv4Subnet {
    uint32_t Address = 0;
    uint32_t Mask = 0;
};
// The network or the broadcast address of the subnet (a mask of 31 or 32 one bits has
// neither: every address under it is a host's).
bool IsSubnetEdge(uint32_t address, const TIpv4Subnet& subnet);
// A next hop: a host address that is no network or broadcast address of the subnets given
// (the switch's own interfaces).
bool IsNextHop(uint32_t hop, const std::vector<TIpv4Subnet>& subnets);

// The verdict of a window's check: the message (empty for none) is shown by the caller.
struct TIpv4Verdict {
    bool Ok = true;
    std::string Message;
    explicit operator bool() const { return Ok; }
};
inline TIpv4Verdict Accept() { return {}; }
inline TIpv4Verdict Refuse(std::string message = {}) { return {false, std::move(message)}; }
