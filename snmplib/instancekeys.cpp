// Instance keys: a table row's index columns as OID arcs after the column's OID.
#include <algorithm>
#include <cstring>
#include <span>
#include <vector>

#include "snmplib/engine/oid.h"
#include "snmplib/request.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"

namespace {

// Arcs from..from+count-1 (clipped to the arcs there are) as dotted decimal.
std::string JoinArcs(std::span<const SmiUINT32> arcs, std::size_t from, std::size_t count)
{
    std::string text;
    if (from < arcs.size())
        Oid::append_printable(arcs.subspan(from, std::min(count, arcs.size() - from)), text);
    return text;
}

uint64_t DoubleBits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, 8);
    return bits;
}

double DoubleFromBits(uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, 8);
    return value;
}

void AppendOctets(std::vector<SmiUINT32>& arcs, const std::string& octets)
{
    for (const char c : octets)
        arcs.push_back(static_cast<unsigned char>(c));
}

} // namespace

std::string VhSNMPRequest::IndexToKeys(int k, const std::string& rest)
{
    VhSNMPVarItem* item = VarList.GetItem(k);
    const bool implied = k == VarList.KeyCount - 1 && VarList.IsImplied(k);
    const Oid instance(rest); // text that is no OID has no arcs
    const std::span<const SmiUINT32> a = instance.arcs();
    const std::size_t n = a.size();

    // Every read below is behind one of these checks: an instance never gets read past.
    const auto need = [&](std::size_t count) {
        if (count > n)
            RaiseSnmpError(VHSNMP_ERR_BAD_KEY_COUNT);
    };
    const auto octets = [&](std::size_t from, std::size_t count) {
        std::string o;
        o.reserve(count);
        for (std::size_t i = from; i < from + count; ++i)
            o += static_cast<char>(a[i] & 0xFF); // only the low 8 bits count
        return o;
    };
    // Variable length: a length arc and that many arcs, or every arc when IMPLIED.
    const auto variable = [&](std::size_t& from, std::size_t& count) {
        if (implied) {
            from = 0;
            count = n;
        } else {
            need(1);
            from = 1;
            count = a[0];
            need(1 + count);
        }
    };

    std::string text;
    std::size_t taken = 1;
    switch (item->Syntax) {
    case SNMP_SYNTAX_BOOLEAN:
        need(1);
        text = a[0] ? "true" : "false";
        break;
    case SNMP_SYNTAX_INTEGER:
        need(1);
        text = std::to_string(static_cast<int32_t>(a[0]));
        break;
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        need(1);
        text = std::to_string(a[0]);
        break;
    case SNMP_SYNTAX_TIMETICKS:
        need(1);
        text = TimeTicksText(a[0]);
        break;
    case SNMP_SYNTAX_COUNTER64:
        need(2);
        text = std::to_string(uint64_t(a[0]) << 32 | a[1]);
        taken = 2;
        break;
    case SNMP_SYNTAX_DOUBLE:
        need(2);
        text = FloatToStr(DoubleFromBits(uint64_t(a[1]) << 32 | a[0]));
        taken = 2;
        break;
    case SNMP_SYNTAX_BCDATETIME:
        need(2);
        text = DateTimeText(DoubleFromBits(uint64_t(a[1]) << 32 | a[0]));
        taken = 2;
        break;
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: {
        need(4);
        const std::string o = octets(0, 4);
        text = DottedQuad(reinterpret_cast<const unsigned char*>(o.data()));
        taken = 4;
        break;
    }
    case SNMP_SYNTAX_MACADDRESS:
        need(6);
        text = HexText(octets(0, 6));
        taken = 6;
        break;
    case SNMP_SYNTAX_IPV6ADDRESS:
        taken = implied ? n : 16;
        need(taken);
        text = HexText(octets(0, taken));
        break;
    case SNMP_SYNTAX_DATETIME: {
        need(11);
        const std::string o = octets(0, 11);
        DateAndTimeText(reinterpret_cast<const unsigned char*>(o.data()), o.size(), text);
        taken = 11;
        break;
    }
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_DISPLAYSTR: {
        std::size_t from, count;
        variable(from, count);
        const std::string o = octets(from, count);
        text = item->Syntax == SNMP_SYNTAX_DISPLAYSTR ? DisplayText(o) : HexText(o);
        taken = from + count;
        break;
    }
    case SNMP_SYNTAX_OBJECTID: {
        std::size_t from, count;
        variable(from, count);
        text = implied ? rest : JoinArcs(a, from, count);
        taken = from + count;
        break;
    }
    case SNMP_SYNTAX_NULL:
        text = "(NULL)";
        taken = 0;
        break;
    default:
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX);
    }

    item->Value = item->Options ? item->Options->ValueToText(text) : text;
    return JoinArcs(a, taken, n - taken);
}

std::string VhSNMPRequest::KeyToIndex(int k)
{
    const VhSNMPVarItem* item = VarList.GetItem(k);
    const bool implied = k == VarList.KeyCount - 1 && VarList.IsImplied(k);
    const std::string t = item->Options ? item->Options->TextToValue(item->Value) : item->Value;

    std::vector<SmiUINT32> arcs;
    switch (item->Syntax) {
    case SNMP_SYNTAX_BOOLEAN:
        arcs.push_back(t == "true" ? 1 : 0);
        break;
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        arcs.push_back(Atol32(t));
        break;
    case SNMP_SYNTAX_TIMETICKS:
        arcs.push_back(TimeTicksFromText(t));
        break;
    case SNMP_SYNTAX_COUNTER64: {
        const uint64_t v = DoubleToUInt64(AtoldC(t));
        arcs.push_back(static_cast<SmiUINT32>(v >> 32));
        arcs.push_back(static_cast<SmiUINT32>(v & 0xFFFFFFFFu));
        break;
    }
    case SNMP_SYNTAX_DOUBLE:
    case SNMP_SYNTAX_BCDATETIME: {
        const uint64_t bits = DoubleBits(item->Syntax == SNMP_SYNTAX_DOUBLE ? AtofC(t) : StrToDateTime(t));
        arcs.push_back(static_cast<SmiUINT32>(bits & 0xFFFFFFFFu));
        arcs.push_back(static_cast<SmiUINT32>(bits >> 32));
        break;
    }
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: {
        // Exactly four numbers: a shorter or longer key would address another row.
        unsigned char quad[4];
        if (!ParseDottedQuad(t, quad))
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        AppendOctets(arcs, std::string(reinterpret_cast<const char*>(quad), 4));
        break;
    }
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_IPV6ADDRESS: {
        const std::size_t width = item->Syntax == SNMP_SYNTAX_MACADDRESS ? 6 : 16;
        const std::string o = HexToOctets(t);
        if (o.size() < width) // too few octets make an instance without this column
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        AppendOctets(arcs, o.substr(0, width));
        break;
    }
    case SNMP_SYNTAX_DATETIME:
        AppendOctets(arcs, DateAndTimeOctets(t));
        break;
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_DISPLAYSTR: {
        const std::string o = item->Syntax == SNMP_SYNTAX_DISPLAYSTR ? t : HexToOctets(t);
        if (!implied)
            arcs.push_back(static_cast<SmiUINT32>(o.size()));
        AppendOctets(arcs, o);
        break;
    }
    case SNMP_SYNTAX_OBJECTID: {
        const Oid oid(t);
        if (!t.empty() && !oid.valid())
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        if (!implied)
            arcs.push_back(static_cast<SmiUINT32>(oid.len()));
        arcs.insert(arcs.end(), oid.arcs().begin(), oid.arcs().end());
        break;
    }
    case SNMP_SYNTAX_NULL:
        break;
    default:
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX);
    }
    return JoinArcs(arcs, 0, arcs.size());
}

std::string VhSNMPRequest::GetIndexString()
{
    std::string instance;
    for (int k = 0; k < VarList.KeyCount; ++k) {
        const std::string arcs = KeyToIndex(k);
        if (arcs.empty()) // a column without arcs adds no empty arc between dots
            continue;
        if (!instance.empty())
            instance += '.';
        instance += arcs;
    }
    return instance;
}

void VhSNMPRequest::KeysFromIndex(const std::string& instance)
{
    std::string rest = instance;
    for (int k = 0; k < VarList.KeyCount; ++k) {
        if (rest.empty())
            RaiseSnmpError(VHSNMP_ERR_BAD_KEY_COUNT);
        if (!VarList.IsReadable(k))
            VarList.GetItem(k)->Instance = BaseOid(k) + "." + instance;
        rest = IndexToKeys(k, rest);
    }
}
