#pragma once
// Octet string: a length and that many bytes (NUL bytes included).
#include "snmplib/engine/smi.h"

#include <cstddef>
#include <string>

class OctetStr : public SnmpSyntax {
public:
    OctetStr() = default;
    OctetStr(const char* text) : bytes_(text ? text : "") {}          // up to the first NUL
    OctetStr(const std::string& bytes) : bytes_(bytes) {}             // every byte
    OctetStr(const unsigned char* data, std::size_t length)
        : bytes_(data ? std::string(reinterpret_cast<const char*>(data), length) : std::string()) {}

    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_OCTETS; }
    SnmpSyntax* clone() const override { return new OctetStr(*this); }
    // The octets as they are.
    std::string get_printable() const override { return bytes_; }
    // Two upper-case hex digits per octet, separated by one blank ("41 42 00").
    std::string get_printable_hex() const;

    std::size_t len() const { return bytes_.size(); }
    const unsigned char* data() const { return reinterpret_cast<const unsigned char*>(bytes_.data()); }
    const std::string& str() const { return bytes_; }
    unsigned char operator[](std::size_t i) const { return static_cast<unsigned char>(bytes_[i]); }
    void set_data(const unsigned char* data, std::size_t length)
    {
        bytes_ = data ? std::string(reinterpret_cast<const char*>(data), length) : std::string();
    }
    OctetStr& operator+=(const OctetStr& tail) { bytes_ += tail.bytes_; return *this; }
    OctetStr& operator+=(unsigned char c) { bytes_ += static_cast<char>(c); return *this; }

    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }
    friend bool operator!=(const OctetStr& a, const OctetStr& b) { return a.bytes_ != b.bytes_; }
    friend bool operator<(const OctetStr& a, const OctetStr& b) { return a.bytes_ < b.bytes_; }

private:
    std::string bytes_;
};

// An Opaque value: octets sent with the Opaque tag.
class OpaqueStr : public OctetStr {
public:
    using OctetStr::OctetStr;
    OpaqueStr(const OctetStr& octets) : OctetStr(octets) {}
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_OPAQUE; }
    SnmpSyntax* clone() const override { return new OpaqueStr(*this); }
};

// A BIT STRING value (the old SNMPv1 tag 3): octets sent with that tag.
class BitStr : public OctetStr {
public:
    using OctetStr::OctetStr;
    BitStr(const OctetStr& octets) : OctetStr(octets) {}
    SmiUINT32 get_syntax() const override { return sNMP_SYNTAX_BITS; }
    SnmpSyntax* clone() const override { return new BitStr(*this); }
};
