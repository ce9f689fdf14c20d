#include "snmplib/subfield.h"

#include "snmplib/engine/oid.h"
#include "snmplib/snmperror.h"
#include "snmplib/textforms.h"
#include "snmplib/varlist.h"

namespace {

struct Layout {
    bool Known = false;
    bool Rest = false;      // the sub-field runs to the end of the octets
    std::size_t Width = 0;  // the octets a fixed-width sub-field takes
    std::size_t Least = 0;  // the octets a non-empty value needs
};

Layout LayoutOf(unsigned code)
{
    const auto fixed = [](std::size_t width) { return Layout{true, false, width, width}; };
    switch (code) {
    case SNMP_SYNTAX_BOOLEAN:
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_TIMETICKS:
    case SNMP_SYNTAX_NSAPADDR:
    case SNMP_SYNTAX_UINTEGER:
        return fixed(4);
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_OBJECTID:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_DISPLAYSTR:
        return Layout{true, true, 0, 1};
    case SNMP_SYNTAX_NULL:
        return Layout{true, false, 0, 0};
    case SNMP_SYNTAX_COUNTER64:
    case SNMP_SYNTAX_DOUBLE:
    case SNMP_SYNTAX_BCDATETIME:
        return fixed(8);
    case SNMP_SYNTAX_MACADDRESS:
        return fixed(6);
    case SNMP_SYNTAX_DATETIME:
        return Layout{true, false, 11, 8}; // 8 octets: a DateAndTime without zone
    case SNMP_SYNTAX_IPV6ADDRESS:
        return fixed(16);
    case SNMP_SYNTAX_BOOL8:
    case SNMP_SYNTAX_INT8:
    case SNMP_SYNTAX_UINT8:
        return fixed(1);
    case SNMP_SYNTAX_BOOL16:
    case SNMP_SYNTAX_INT16:
    case SNMP_SYNTAX_UINT16:
        return fixed(2);
    default:
        return Layout{};
    }
}

Layout KnownLayout(unsigned code)
{
    const Layout layout = LayoutOf(code);
    if (!layout.Known)
        RaiseSnmpError(VHSNMP_ERR_BAD_SYNTAX);
    return layout;
}

std::string LittleEndian(uint64_t value, int octets)
{
    std::string o;
    for (int i = 0; i < octets; ++i)
        o += static_cast<char>((value >> (8 * i)) & 0xFF);
    return o;
}

uint64_t ReadLittleEndian(const unsigned char* p, int octets)
{
    uint64_t value = 0;
    for (int i = octets - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

std::string BigEndian16(uint32_t value)
{
    std::string o;
    o += static_cast<char>((value >> 8) & 0xFF);
    o += static_cast<char>(value & 0xFF);
    return o;
}

} // namespace

OctetStr TextToOctets(const std::string& text, unsigned code)
{
    KnownLayout(code);
    if (code == SNMP_SYNTAX_NULL || text == "(NULL)")
        return OctetStr();
    const bool isTrue = text == "true";
    switch (code) {
    case SNMP_SYNTAX_BOOLEAN:
        return OctetStr(LittleEndian(isTrue ? 1 : 0, 4));
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        return OctetStr(LittleEndian(Atol32(text), 4));
    case SNMP_SYNTAX_TIMETICKS:
        return OctetStr(LittleEndian(TimeTicksFromText(text), 4));
    case SNMP_SYNTAX_COUNTER64:
        return OctetStr(LittleEndian(DoubleToUInt64(AtoldC(text)), 8));
    case SNMP_SYNTAX_DOUBLE:
        return OctetStr(DoubleToOctetsLE(AtofC(text)));
    case SNMP_SYNTAX_BCDATETIME:
        return OctetStr(DoubleToOctetsLE(StrToDateTime(text)));
    case SNMP_SYNTAX_DATETIME:
        return OctetStr(DateAndTimeOctets(text));
    case SNMP_SYNTAX_DISPLAYSTR:
        return OctetStr(text);
    case SNMP_SYNTAX_OBJECTID: {
        const Oid oid(text);
        std::string o;
        for (const SmiUINT32 arc : oid.arcs())
            o += LittleEndian(arc, 4);
        return OctetStr(o);
    }
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: {
        const Oid oid(text);
        std::string o;
        for (const SmiUINT32 arc : oid.arcs())
            o += static_cast<char>(arc & 0xFF);
        return OctetStr(o);
    }
    case SNMP_SYNTAX_BOOL8:
        return OctetStr(std::string(1, isTrue ? '\1' : '\0'));
    case SNMP_SYNTAX_INT8:
    case SNMP_SYNTAX_UINT8:
        return OctetStr(std::string(1, static_cast<char>(Atol32(text) & 0xFF)));
    case SNMP_SYNTAX_BOOL16:
        return OctetStr(BigEndian16(isTrue ? 1 : 0));
    case SNMP_SYNTAX_INT16:
    case SNMP_SYNTAX_UINT16:
        return OctetStr(BigEndian16(Atol32(text) & 0xFFFF));
    default: // bitstr, octetstr, opaque, macaddress, ipv6address
        return OctetStr(HexToOctets(text));
    }
}

OctetStr SubField(const OctetStr& octets, int32_t offset, unsigned code)
{
    const Layout layout = KnownLayout(code);
    if (code == SNMP_SYNTAX_NULL || octets.len() == 0)
        return OctetStr();
    if (offset < 0)
        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
    const std::size_t at = static_cast<std::size_t>(offset);
    if (layout.Rest) {
        if (at > octets.len()) // like the fixed widths: a field past the end does not fit
            RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
        return OctetStr(octets.str().substr(at));
    }
    if (octets.len() < at + layout.Width)
        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
    return OctetStr(octets.str().substr(at, layout.Width));
}

std::string OctetsToText(const OctetStr& octets, unsigned code)
{
    const Layout layout = KnownLayout(code);
    if (code == SNMP_SYNTAX_NULL)
        return "(NULL)";
    if (octets.len() == 0)
        return code == SNMP_SYNTAX_DISPLAYSTR ? "" : "(NULL)";
    if (octets.len() < layout.Least)
        RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
    const unsigned char* p = octets.data();
    switch (code) {
    case SNMP_SYNTAX_BOOLEAN:
        return ReadLittleEndian(p, 4) ? "true" : "false";
    case SNMP_SYNTAX_INTEGER:
        return std::to_string(static_cast<int32_t>(ReadLittleEndian(p, 4)));
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
        return std::to_string(ReadLittleEndian(p, 4));
    case SNMP_SYNTAX_TIMETICKS:
        return TimeTicksText(static_cast<uint32_t>(ReadLittleEndian(p, 4)));
    case SNMP_SYNTAX_COUNTER64:
        return std::to_string(ReadLittleEndian(p, 8));
    case SNMP_SYNTAX_DOUBLE:
        return FloatToStr(DoubleFromOctetsLE(p));
    case SNMP_SYNTAX_BCDATETIME:
        return DateTimeText(DoubleFromOctetsLE(p));
    case SNMP_SYNTAX_DATETIME: {
        std::string text;
        DateAndTimeText(p, octets.len(), text);
        return text;
    }
    case SNMP_SYNTAX_DISPLAYSTR:
        return DisplayText(octets.str());
    case SNMP_SYNTAX_OBJECTID: {
        if (octets.len() % 4 != 0) // a trailing part of an arc is no arc
            RaiseSnmpError(VHSNMP_ERR_BAD_PARTIAL_VALUE);
        std::string text;
        for (std::size_t i = 0; i < octets.len(); i += 4) {
            if (i)
                text += '.';
            text += std::to_string(ReadLittleEndian(p + i, 4));
        }
        return text;
    }
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR:
        return DottedQuad(p);
    case SNMP_SYNTAX_BOOL8:
        return p[0] ? "true" : "false";
    case SNMP_SYNTAX_INT8:
        return std::to_string(static_cast<int8_t>(p[0]));
    case SNMP_SYNTAX_UINT8:
        return std::to_string(p[0]);
    case SNMP_SYNTAX_BOOL16:
        return (p[0] << 8 | p[1]) ? "true" : "false";
    case SNMP_SYNTAX_INT16:
        return std::to_string(static_cast<int16_t>(p[0] << 8 | p[1]));
    case SNMP_SYNTAX_UINT16:
        return std::to_string(p[0] << 8 | p[1]);
    default: // bitstr, octetstr, opaque, macaddress (all octets), ipv6address (all octets)
        return HexText(octets.str());
    }
}
