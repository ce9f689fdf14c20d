// Sub-fields: a packed OCTET STRING value from a reply, one field cut out of it at a byte
// offset and shown as the text of its code; and a field's text turned into its octets.
//
// Input: one byte choosing the code, four bytes of offset (the low bits mostly small),
// then the octets; the same bytes also serve as the text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzzutil.h"
#include "platform/exception.h"
#include "snmplib/subfield.h"

namespace {

// The codes whose text holds every bit of the field.
bool ExactRoundTrip(unsigned code)
{
    switch (code) {
    case SNMP_SYNTAX_INTEGER:
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER:
    case SNMP_SYNTAX_TIMETICKS:
    case SNMP_SYNTAX_COUNTER64:
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR:
    case SNMP_SYNTAX_INT8:
    case SNMP_SYNTAX_UINT8:
    case SNMP_SYNTAX_INT16:
    case SNMP_SYNTAX_UINT16:
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_IPV6ADDRESS:
    case SNMP_SYNTAX_OBJECTID:
        return true;
    default:
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 5)
        return 0;
    const unsigned code = fuzz::SyntaxCode(data[0]);
    int32_t offset;
    std::memcpy(&offset, data + 1, 4);
    // Mostly offsets near the octets, sometimes any 32-bit value.
    if ((offset & 0x40000000) == 0)
        offset %= 40;
    const std::string bytes(reinterpret_cast<const char*>(data) + 5, size - 5);

    try {
        const OctetStr field = SubField(OctetStr(bytes), offset, code);
        const std::string text = OctetsToText(field, code);
        // A field shown and written back unchanged keeps its octets.
        if (ExactRoundTrip(code) && field.len() > 0)
            FUZZ_CHECK(TextToOctets(text, code) == field, "a field written back unchanged changes its octets");
    } catch (const Exception&) {
    }
    try {
        OctetsToText(OctetStr(bytes), code);
    } catch (const Exception&) {
    }
    try {
        const OctetStr octets = TextToOctets(bytes, code);
        OctetsToText(octets, code);
    } catch (const Exception&) {
    }
    return 0;
}
