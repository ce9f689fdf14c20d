#pragma once
// Varbind: an OID and a value.
#include "snmplib/engine/address.h"
#include "snmplib/engine/octetstr.h"
#include "snmplib/engine/oid.h"
#include "snmplib/engine/smi.h"

#include <memory>
#include <string>
#include <utility>

class Vb {
public:
    Vb() = default;
    explicit Vb(const Oid& oid) : oid_(oid) {}
    Vb(const Vb& other) : oid_(other.oid_), value_(other.value_ ? other.value_->clone() : nullptr) {}
    Vb& operator=(const Vb& other)
    {
        if (this != &other) {
            oid_ = other.oid_;
            value_.reset(other.value_ ? other.value_->clone() : nullptr);
        }
        return *this;
    }
    Vb(Vb&&) noexcept = default;
    Vb& operator=(Vb&&) noexcept = default;

    void set_oid(const Oid& oid) { oid_ = oid; }
    void set_oid(Oid&& oid) { oid_ = std::move(oid); }
    void get_oid(Oid& oid) const { oid = oid_; }
    const Oid& get_oid() const { return oid_; }

    // Values. A value of any syntax class, or one of the plain overloads.
    void set_value(const SnmpSyntax& value) { value_.reset(value.clone()); }
    void set_value(int value) { set_value(SnmpInt32(value)); }
    void set_value(long value) { set_value(SnmpInt32(value)); }
    void set_value(unsigned long value) { set_value(SnmpUInt32(value)); }
    void set_value(const char* text) { set_value(OctetStr(text)); }
    void set_value(const unsigned char* data, std::size_t length) { set_value(OctetStr(data, length)); }
    // No value (the null value of a get request).
    void set_null() { value_.reset(); }
    // Sets the syntax: the value becomes the zero value of that syntax (the null value
    // for a tag without a value class). The caller then fills the value.
    void set_syntax(SmiUINT32 syntax);
    SmiUINT32 get_syntax() const { return value_ ? value_->get_syntax() : sNMP_SYNTAX_NULL; }
    const SnmpSyntax* get_value() const { return value_.get(); }

    // Each returns SNMP_CLASS_SUCCESS, or SNMP_CLASS_INVALID when the varbind holds no
    // value of a fitting syntax (the argument is then unchanged). The integer forms
    // accept every integer syntax (Integer32, Unsigned32, Counter32, Gauge32, TimeTicks);
    // the octet forms accept OCTET STRING, Opaque and BITS.
    int get_value(SnmpInt32& value) const;
    int get_value(long& value) const;
    int get_value(int& value) const;
    int get_value(SnmpUInt32& value) const;
    int get_value(unsigned long& value) const;
    int get_value(Counter32& value) const;
    int get_value(Gauge32& value) const;
    int get_value(TimeTicks& value) const;
    int get_value(Counter64& value) const;
    int get_value(Oid& value) const;
    int get_value(OctetStr& value) const;
    int get_value(IpAddress& value) const;

    // The value's plain text; empty for no value and for the exception values.
    std::string get_printable_value() const { return value_ ? value_->get_printable() : std::string(); }
    std::string get_printable_oid() const { return oid_.get_printable(); }

    // noSuchObject, noSuchInstance or endOfMibView (SNMPv2c/v3 responses).
    bool get_exception_status() const;
    bool valid() const { return oid_.valid(); }

private:
    bool integerValue(std::int64_t& value) const;

    Oid oid_;
    std::unique_ptr<SnmpSyntax> value_;
};
