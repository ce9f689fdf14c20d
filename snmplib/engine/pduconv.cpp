// PDU conversion between the engine's classes and net-snmp's.
#include "snmplib/engine/engine_p.h"

namespace snmpengine {

bool addVariable(netsnmp_pdu* npdu, const Vb& vb)
{
    const Oid& name = vb.get_oid();
    if (name.len() == 0 || name.len() > MAX_OID_LEN)
        return false;
    oid arcs[MAX_OID_LEN];
    for (std::size_t i = 0; i < name.len(); ++i)
        arcs[i] = name[i];
    const SnmpSyntax* value = vb.get_value();
    const SmiUINT32 syntax = vb.get_syntax();
    netsnmp_variable_list* added = nullptr;
    switch (syntax) {
    case sNMP_SYNTAX_INT32: {
        long v = static_cast<long>(static_cast<const SnmpInt32&>(*value));
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_INTEGER, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_UINT32:
    case sNMP_SYNTAX_CNTR32:
    case sNMP_SYNTAX_GAUGE32:
    case sNMP_SYNTAX_TIMETICKS: {
        u_long v = static_cast<unsigned long>(static_cast<const SnmpUInt32&>(*value));
        const u_char type = syntax == sNMP_SYNTAX_UINT32 ? ASN_UINTEGER
                            : syntax == sNMP_SYNTAX_CNTR32 ? ASN_COUNTER
                            : syntax == sNMP_SYNTAX_GAUGE32 ? ASN_GAUGE
                                                            : ASN_TIMETICKS;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), type, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_CNTR64: {
        const auto& c = static_cast<const Counter64&>(*value);
        struct counter64 v;
        v.high = c.high();
        v.low = c.low();
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_COUNTER64, &v, sizeof v);
        break;
    }
    case sNMP_SYNTAX_OCTETS:
    case sNMP_SYNTAX_OPAQUE:
    case sNMP_SYNTAX_BITS: {
        const auto* octets = dynamic_cast<const OctetStr*>(value);
        if (!octets)
            return false;
        const u_char type = syntax == sNMP_SYNTAX_OCTETS ? ASN_OCTET_STR
                            : syntax == sNMP_SYNTAX_OPAQUE ? ASN_OPAQUE
                                                           : ASN_BIT_STR;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), type, octets->data(), octets->len());
        break;
    }
    case sNMP_SYNTAX_OID: {
        const auto& o = static_cast<const Oid&>(*value);
        if (o.len() > MAX_OID_LEN)
            return false;
        oid v[MAX_OID_LEN];
        for (std::size_t i = 0; i < o.len(); ++i)
            v[i] = o[i];
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_OBJECT_ID, v, o.len() * sizeof(oid));
        break;
    }
    case sNMP_SYNTAX_IPADDR: {
        const auto* ip = dynamic_cast<const IpAddress*>(value);
        if (!ip || ip->ip_version() != 4)
            return false;
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_IPADDRESS, ip->octets(), 4);
        break;
    }
    default:
        added = snmp_pdu_add_variable(npdu, arcs, name.len(), ASN_NULL, nullptr, 0);
        break;
    }
    return added != nullptr;
}

namespace {

// Makes vb the varbind of a reply: its name and value (none for the null value and for
// anything unknown).
void fromVariable(Vb& vb, const netsnmp_variable_list* v)
{
    vb.set_oid(Oid(v->name, v->name_length));
    vb.set_null();
    switch (v->type) {
    case ASN_INTEGER: vb.set_value(SnmpInt32(*v->val.integer)); break;
    case ASN_COUNTER: vb.set_value(Counter32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_GAUGE: vb.set_value(Gauge32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_TIMETICKS: vb.set_value(TimeTicks(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_UINTEGER: vb.set_value(SnmpUInt32(static_cast<unsigned long>(*v->val.integer) & 0xFFFFFFFFul)); break;
    case ASN_COUNTER64: vb.set_value(Counter64(v->val.counter64->high, v->val.counter64->low)); break;
    case ASN_OCTET_STR: vb.set_value(OctetStr(v->val.string, v->val_len)); break;
    case ASN_OPAQUE: vb.set_value(OpaqueStr(v->val.string, v->val_len)); break;
    case ASN_BIT_STR: vb.set_value(BitStr(v->val.string, v->val_len)); break;
    case ASN_IPADDRESS:
        if (v->val_len >= 4)
            vb.set_value(IpAddress(v->val.string));
        break;
    case ASN_OBJECT_ID: vb.set_value(Oid(v->val.objid, v->val_len / sizeof(oid))); break;
    case SNMP_NOSUCHOBJECT: vb.set_syntax(sNMP_SYNTAX_NOSUCHOBJECT); break;
    case SNMP_NOSUCHINSTANCE: vb.set_syntax(sNMP_SYNTAX_NOSUCHINSTANCE); break;
    case SNMP_ENDOFMIBVIEW: vb.set_syntax(sNMP_SYNTAX_ENDOFMIBVIEW); break;
    default: break; // ASN_NULL and anything unknown: no value
    }
}

} // namespace

void fillFromResponse(Pdu& out, const netsnmp_pdu* in)
{
    // The reply's varbinds take the places of those sent (as many, for a get or get-next
    // answered as it should be), so that their list is not made again; the request ID,
    // the security level and the context stay the request's.
    int count = 0;
    for (const netsnmp_variable_list* v = in->variables; v; v = v->next_variable)
        ++count;
    if (out.get_vb_count() > count)
        out.trim(out.get_vb_count() - count);
    out.reserve(count);
    int i = 0;
    for (const netsnmp_variable_list* v = in->variables; v; v = v->next_variable, ++i) {
        if (i < out.get_vb_count()) {
            fromVariable(out[i], v);
        } else {
            Vb vb;
            fromVariable(vb, v);
            out += std::move(vb);
        }
    }
    out.set_error_status(static_cast<int>(in->errstat));
    out.set_error_index(static_cast<int>(in->errindex));
    out.set_type(static_cast<unsigned short>(in->command));
}

} // namespace snmpengine
