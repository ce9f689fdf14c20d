#include "snmplib/engine/vb.h"

#include "snmplib/engine/snmperrs.h"

void Vb::set_syntax(SmiUINT32 syntax)
{
    switch (syntax) {
    case sNMP_SYNTAX_INT32: value_ = std::make_unique<SnmpInt32>(); break;
    case sNMP_SYNTAX_UINT32: value_ = std::make_unique<SnmpUInt32>(); break;
    case sNMP_SYNTAX_CNTR32: value_ = std::make_unique<Counter32>(); break;
    case sNMP_SYNTAX_GAUGE32: value_ = std::make_unique<Gauge32>(); break;
    case sNMP_SYNTAX_TIMETICKS: value_ = std::make_unique<TimeTicks>(); break;
    case sNMP_SYNTAX_CNTR64: value_ = std::make_unique<Counter64>(); break;
    case sNMP_SYNTAX_OCTETS: value_ = std::make_unique<OctetStr>(); break;
    case sNMP_SYNTAX_OPAQUE: value_ = std::make_unique<OpaqueStr>(); break;
    case sNMP_SYNTAX_BITS: value_ = std::make_unique<BitStr>(); break;
    case sNMP_SYNTAX_OID: value_ = std::make_unique<Oid>(); break;
    case sNMP_SYNTAX_IPADDR: {
        const unsigned char zero[4] = {0, 0, 0, 0};
        value_ = std::make_unique<IpAddress>(zero);
        break;
    }
    case sNMP_SYNTAX_NOSUCHOBJECT:
    case sNMP_SYNTAX_NOSUCHINSTANCE:
    case sNMP_SYNTAX_ENDOFMIBVIEW:
        value_ = std::make_unique<SnmpNull>(syntax);
        break;
    default: value_.reset(); break;
    }
}

bool Vb::get_exception_status() const
{
    const SmiUINT32 s = get_syntax();
    return s == sNMP_SYNTAX_NOSUCHOBJECT || s == sNMP_SYNTAX_NOSUCHINSTANCE || s == sNMP_SYNTAX_ENDOFMIBVIEW;
}

bool Vb::integerValue(std::int64_t& value) const
{
    // Every number read from a reply comes this way: the integer syntaxes name their
    // classes (SnmpInt32, and SnmpUInt32 with its subclasses), so the syntax is asked
    // first and the class tree is searched only for a value of another syntax.
    switch (get_syntax()) {
    case sNMP_SYNTAX_INT32:
        value = static_cast<long>(static_cast<const SnmpInt32&>(*value_));
        return true;
    case sNMP_SYNTAX_UINT32:
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS:
        value = static_cast<unsigned long>(static_cast<const SnmpUInt32&>(*value_));
        return true;
    default: break;
    }
    if (const auto* i = dynamic_cast<const SnmpInt32*>(value_.get())) {
        value = static_cast<long>(*i);
        return true;
    }
    if (const auto* u = dynamic_cast<const SnmpUInt32*>(value_.get())) {
        value = static_cast<unsigned long>(*u);
        return true;
    }
    return false;
}

int Vb::get_value(SnmpInt32& value) const
{
    std::int64_t v;
    if (!integerValue(v))
        return SNMP_CLASS_INVALID;
    value = static_cast<long>(static_cast<SmiINT32>(static_cast<SmiUINT32>(v)));
    return SNMP_CLASS_SUCCESS;
}

namespace {

// The integer getters that differ only in the type they fill: read as Via, store
// through the plain number Number.
template <typename Via, typename Number, typename Out> int getVia(const Vb& vb, Out& out)
{
    Via v;
    const int status = vb.get_value(v);
    if (status == SNMP_CLASS_SUCCESS)
        out = static_cast<Out>(static_cast<Number>(v));
    return status;
}

} // namespace

int Vb::get_value(long& value) const { return getVia<SnmpInt32, long>(*this, value); }
int Vb::get_value(int& value) const { return getVia<SnmpInt32, long>(*this, value); }

int Vb::get_value(SnmpUInt32& value) const
{
    std::int64_t v;
    if (!integerValue(v))
        return SNMP_CLASS_INVALID;
    value = static_cast<unsigned long>(static_cast<SmiUINT32>(v));
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(unsigned long& value) const { return getVia<SnmpUInt32, unsigned long>(*this, value); }
int Vb::get_value(Counter32& value) const { return getVia<SnmpUInt32, unsigned long>(*this, value); }
int Vb::get_value(Gauge32& value) const { return getVia<SnmpUInt32, unsigned long>(*this, value); }
int Vb::get_value(TimeTicks& value) const { return getVia<SnmpUInt32, unsigned long>(*this, value); }

int Vb::get_value(Counter64& value) const
{
    if (const auto* c = dynamic_cast<const Counter64*>(value_.get())) {
        value = *c;
        return SNMP_CLASS_SUCCESS;
    }
    std::int64_t v;
    if (!integerValue(v) || v < 0)
        return SNMP_CLASS_INVALID;
    value = static_cast<std::uint64_t>(v);
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(Oid& value) const
{
    const auto* o = dynamic_cast<const Oid*>(value_.get());
    if (!o)
        return SNMP_CLASS_INVALID;
    value = *o;
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(OctetStr& value) const
{
    const auto* o = dynamic_cast<const OctetStr*>(value_.get());
    if (!o)
        return SNMP_CLASS_INVALID;
    value = OctetStr(o->str());
    return SNMP_CLASS_SUCCESS;
}

int Vb::get_value(IpAddress& value) const
{
    const auto* ip = dynamic_cast<const IpAddress*>(value_.get());
    if (!ip || ip->get_syntax() != sNMP_SYNTAX_IPADDR)
        return SNMP_CLASS_INVALID;
    value = IpAddress(*ip);
    return SNMP_CLASS_SUCCESS;
}
