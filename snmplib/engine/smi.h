#pragma once
// SMI value classes: the syntax tags, the value base class and the integer types.
#include <cstdint>
#include <string>

using SmiUINT32 = std::uint32_t;
using SmiINT32 = std::int32_t;

// Syntax tags (the ASN.1 / SMI tags of the values).
constexpr SmiUINT32 sNMP_SYNTAX_INT = 2;
constexpr SmiUINT32 sNMP_SYNTAX_INT32 = 2;
constexpr SmiUINT32 sNMP_SYNTAX_BITS = 3;
constexpr SmiUINT32 sNMP_SYNTAX_OCTETS = 4;
constexpr SmiUINT32 sNMP_SYNTAX_NULL = 5;
constexpr SmiUINT32 sNMP_SYNTAX_OID = 6;
constexpr SmiUINT32 sNMP_SYNTAX_IPADDR = 0x40;
constexpr SmiUINT32 sNMP_SYNTAX_CNTR32 = 0x41;
constexpr SmiUINT32 sNMP_SYNTAX_GAUGE32 = 0x42;
constexpr SmiUINT32 sNMP_SYNTAX_TIMETICKS = 0x43;
constexpr SmiUINT32 sNMP_SYNTAX_OPAQUE = 0x44;
constexpr SmiUINT32 sNMP_SYNTAX_CNTR64 = 0x46;
constexpr SmiUINT32 sNMP_SYNTAX_UINT32 = 0x47;
constexpr SmiUINT32 sNMP_SYNTAX_NOSUCHOBJECT = 0x80;
constexpr SmiUINT32 sNMP_SYNTAX_NOSUCHINSTANCE = 0x81;
constexpr SmiUINT32 sNMP_SYNTAX_ENDOFMIBVIEW = 0x82;

// A value carried by a varbind.
class SnmpSyntax {
public:
    virtual ~SnmpSyntax() = default;
    virtual SmiUINT32 get_syntax() const = 0;
    virtual SnmpSyntax* clone() const = 0;
    virtual bool valid() const { return true; }
    // A plain text of the value (decimal numbers, dotted OIDs and addresses, the
    // octets of a string); empty for no value.
    virtual std::string get_printable() const = 0;
};

// The null value; also the three exception values of a response (the tag says which).
class SnmpNull : public SnmpSyntax {
public:
    explicit SnmpNull(SmiUINT32 syntax = sNMP_SYNTAX_NULL) : syntax_(syntax) {}
    SmiUINT32 get_syntax() const override { return syntax_; }
    SnmpSyntax* clone() const override { return new SnmpNull(*this); }
    std::string get_printable() const override { return {}; }

private:
    SmiUINT32 syntax_;
};

class SnmpInt32 : public SnmpSyntax {
public:
    SnmpInt32(long value = 0) : value_(static_cast<SmiINT32>(value)) {}
    SnmpInt32& operator=(long value) { value_ = static_cast<SmiINT32>(value); return *this; }
    operator long() const { return value_; }
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_INT32; }
    SnmpSyntax* clone() const override { return new SnmpInt32(*this); }
    std::string get_printable() const override { return std::to_string(value_); }

private:
    SmiINT32 value_;
};

// Unsigned 32-bit integer; the base of Counter32, Gauge32 and TimeTicks.
class SnmpUInt32 : public SnmpSyntax {
public:
    SnmpUInt32(unsigned long value = 0) : value_(static_cast<SmiUINT32>(value)) {}
    SnmpUInt32& operator=(unsigned long value) { value_ = static_cast<SmiUINT32>(value); return *this; }
    operator unsigned long() const { return value_; }
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_UINT32; }
    SnmpSyntax* clone() const override { return new SnmpUInt32(*this); }
    std::string get_printable() const override { return std::to_string(value_); }

protected:
    SmiUINT32 value_;
};

class Counter32 : public SnmpUInt32 {
public:
    Counter32(unsigned long value = 0) : SnmpUInt32(value) {}
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_CNTR32; }
    SnmpSyntax* clone() const override { return new Counter32(*this); }
};

class Gauge32 : public SnmpUInt32 {
public:
    Gauge32(unsigned long value = 0) : SnmpUInt32(value) {}
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_GAUGE32; }
    SnmpSyntax* clone() const override { return new Gauge32(*this); }
};

// Hundredths of a second. The printable form is the plain number of hundredths.
class TimeTicks : public SnmpUInt32 {
public:
    TimeTicks(unsigned long value = 0) : SnmpUInt32(value) {}
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_TIMETICKS; }
    SnmpSyntax* clone() const override { return new TimeTicks(*this); }
};

class Counter64 : public SnmpSyntax {
public:
    Counter64(std::uint64_t value = 0) : value_(value) {}
    Counter64(unsigned long high, unsigned long low)
        : value_((std::uint64_t(high & 0xFFFFFFFFul) << 32) | (low & 0xFFFFFFFFul)) {}
    Counter64& operator=(std::uint64_t value) { value_ = value; return *this; }
    operator std::uint64_t() const { return value_; }
    std::uint64_t value() const { return value_; }
    unsigned long high() const { return static_cast<unsigned long>(value_ >> 32); }
    unsigned long low() const { return static_cast<unsigned long>(value_ & 0xFFFFFFFFu); }
    void set_high(unsigned long high) { value_ = (std::uint64_t(high & 0xFFFFFFFFul) << 32) | low(); }
    void set_low(unsigned long low) { value_ = (value_ & 0xFFFFFFFF00000000ull) | (low & 0xFFFFFFFFul); }
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_CNTR64; }
    SnmpSyntax* clone() const override { return new Counter64(*this); }
    std::string get_printable() const override { return std::to_string(value_); }

private:
    std::uint64_t value_;
};
