// Value conversion between received or sent varbinds and the items' value texts.

#include "snmplib/engine/vb.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/expression.h"
#include "snmplib/request.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"

namespace {

// The codes that have a wire form: the ASN.1/SMI tags and the library's own codes up to
// ipv6address. The sub-field codes have none.
bool HasWireForm(unsigned code)
{
    return (code >= SNMP_SYNTAX_BOOLEAN && code <= SNMP_SYNTAX_OBJECTID) ||
           (code >= SNMP_SYNTAX_IPADDRESS && code <= SNMP_SYNTAX_IPV6ADDRESS);
}

// True when the varbind carries no value: the null value, or noSuchObject,
// noSuchInstance or endOfMibView.
bool WithoutValue(const Vb& vb) { return !vb.get_value() || vb.get_syntax() == sNMP_SYNTAX_NULL || vb.get_exception_status(); }

// The value text of a varbind that carries a value; "(NULL)" when the value is of a
// type the code cannot read.
std::string ValueText(unsigned code, const Vb& vb)
{
    const std::string none = "(NULL)";
    switch (code) {
    case SNMP_SYNTAX_BOOLEAN: {
        long v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? (v ? "true" : "false") : none;
    }
    case SNMP_SYNTAX_INTEGER: {
        long v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? std::to_string(static_cast<int32_t>(v)) : none;
    }
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER: {
        unsigned long v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? std::to_string(static_cast<uint32_t>(v)) : none;
    }
    case SNMP_SYNTAX_COUNTER64: {
        Counter64 v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? std::to_string(v.value()) : none;
    }
    case SNMP_SYNTAX_TIMETICKS: {
        TimeTicks v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? TimeTicksText(static_cast<uint32_t>(static_cast<unsigned long>(v)))
                                                     : none;
    }
    case SNMP_SYNTAX_OBJECTID: {
        Oid v;
        return vb.get_value(v) == SNMP_CLASS_SUCCESS ? v.get_printable() : none;
    }
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: {
        IpAddress v;
        if (vb.get_value(v) != SNMP_CLASS_SUCCESS || v.octet_count() != 4)
            return none;
        return DottedQuad(v.octets());
    }
    default:
        break;
    }

    OctetStr o;
    if (vb.get_value(o) != SNMP_CLASS_SUCCESS)
        return none;
    switch (code) {
    case SNMP_SYNTAX_DISPLAYSTR:
        return DisplayText(o.str());
    // A value of the wrong length is no date or number: its octets show as hex text, so
    // that one odd value costs neither its row nor the rest of the walk.
    case SNMP_SYNTAX_DATETIME: {
        if (o.len() == 0)
            return none;
        std::string text;
        if ((o.len() != 8 && o.len() < 11) || !DateAndTimeText(o.data(), o.len(), text))
            return HexText(o.str());
        return text;
    }
    case SNMP_SYNTAX_BCDATETIME:
    case SNMP_SYNTAX_DOUBLE: {
        if (o.len() == 0)
            return none;
        DateTimeFields date;
        if (o.len() < 8)
            return HexText(o.str());
        const double v = DoubleFromOctetsLE(o.data());
        if (code == SNMP_SYNTAX_DOUBLE)
            return FloatToStr(v);
        return DecodeDateTime(v, date) ? DateTimeText(v) : HexText(o.str());
    }
    default: // bitstr, octetstr, opaque, macaddress, ipv6address
        return HexText(o.str());
    }
}

} // namespace

void VhSNMPRequest::VbToText(int itemIndex, const Vb& vb)
{
    VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    const unsigned code = item->Syntax;
    if (!HasWireForm(code))
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX);

    std::string text;
    if (code == SNMP_SYNTAX_NULL)
        text = "(NULL)";
    else if (WithoutValue(vb))
        text = code == SNMP_SYNTAX_DISPLAYSTR ? "" : "(NULL)";
    else
        text = ValueText(code, vb);

    item->Value = item->Options ? item->Options->ValueToText(text) : std::move(text);
}

void VhSNMPRequest::TextToVb(int itemIndex, Vb& vb)
{
    const VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    const unsigned code = item->Syntax;
    if (!HasWireForm(code))
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX);
    const std::string t = item->Options ? item->Options->TextToValue(item->Value) : item->Value;

    if (code == SNMP_SYNTAX_NULL || t == "(NULL)") {
        vb.set_null();
        return;
    }
    switch (code) {
    case SNMP_SYNTAX_BOOLEAN:
        vb.set_value(SnmpInt32(t == "true" ? 1 : 0));
        break;
    case SNMP_SYNTAX_INTEGER:
        vb.set_value(SnmpInt32(Atol32Signed(t)));
        break;
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        vb.set_value(Gauge32(Atol32(t)));
        break;
    case SNMP_SYNTAX_COUNTER64:
        vb.set_value(Counter64(DoubleToUInt64(AtoldC(t))));
        break;
    case SNMP_SYNTAX_TIMETICKS:
        vb.set_value(TimeTicks(TimeTicksFromText(t)));
        break;
    case SNMP_SYNTAX_OBJECTID: {
        const Oid oid(t);
        if (!oid.valid())
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        vb.set_value(oid);
        break;
    }
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: {
        unsigned char quad[4];
        if (!ParseDottedQuad(t, quad))
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        vb.set_value(IpAddress(quad));
        break;
    }
    case SNMP_SYNTAX_DISPLAYSTR:
        vb.set_value(OctetStr(t));
        break;
    case SNMP_SYNTAX_DATETIME:
        vb.set_value(OctetStr(DateAndTimeOctets(t)));
        break;
    case SNMP_SYNTAX_BCDATETIME:
        vb.set_value(OctetStr(DoubleToOctetsLE(StrToDateTime(t))));
        break;
    case SNMP_SYNTAX_DOUBLE:
        vb.set_value(OctetStr(DoubleToOctetsLE(AtofC(t))));
        break;
    default: // bitstr, octetstr, opaque, macaddress, ipv6address
        vb.set_value(OctetStr(HexToOctets(t)));
        break;
    }
}

void VhSNMPRequest::ConvertValue(int itemIndex, bool afterGet)
{
    VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    const std::optional<std::string>& e = afterGet ? item->GetExpr : item->SetExpr;
    if (!e)
        return;
    const double v = EvalArithmetic(ExpandExpression(*e, false, "$"));

    std::string text;
    switch (item->Syntax) {
    case SNMP_SYNTAX_BOOLEAN:
        text = v == 0.0 ? "false" : "true";
        break;
    case SNMP_SYNTAX_INTEGER:
        text = std::to_string(static_cast<int32_t>(DoubleToLow32(v)));
        break;
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        text = std::to_string(DoubleToLow32(v));
        break;
    case SNMP_SYNTAX_TIMETICKS:
        text = TimeTicksText(DoubleToLow32(v));
        break;
    case SNMP_SYNTAX_COUNTER64:
        text = std::to_string(DoubleToUInt64(v));
        break;
    case SNMP_SYNTAX_DOUBLE:
        text = FloatToStr(v);
        break;
    case SNMP_SYNTAX_BCDATETIME:
        text = DateTimeText(v);
        break;
    default:
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX_IN_EXPRESSION);
    }
    item->Value = item->Options ? item->Options->ValueToText(text) : std::move(text);
}
