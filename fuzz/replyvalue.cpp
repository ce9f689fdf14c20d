// Values from replies: whatever value a reply carries for an object, shown as the text of
// the object's syntax, whether or not the agent sent the type the descriptor expects.
//
// Input: one byte choosing the descriptor's syntax code (bit 7: the item has an option
// list), one byte choosing the type of the received value, then the value's bytes.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "fuzzutil.h"
#include "platform/exception.h"
#include "snmplib/engine/address.h"
#include "snmplib/engine/octetstr.h"
#include "snmplib/engine/vb.h"
#include "snmplib/request.h"
#include "snmplib/textforms.h"

namespace {

constexpr VhOptionPair StatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VhOptionList StateList(StatePairs, OVT_INTEGER, false);

uint64_t Number(const uint8_t* data, std::size_t size)
{
    uint64_t v = 0;
    std::memcpy(&v, data, size < 8 ? size : 8);
    return v;
}

// Whether the received value's type (the switch below) is the one a syntax code is sent as.
bool SameValueType(unsigned code, unsigned type)
{
    switch (code) {
    case SNMP_SYNTAX_INTEGER: return type == 0;
    case SNMP_SYNTAX_COUNTER:
    case SNMP_SYNTAX_GAUGE:
    case SNMP_SYNTAX_UINTEGER: return type == 1 || type == 2;
    case SNMP_SYNTAX_TIMETICKS: return type == 3;
    case SNMP_SYNTAX_COUNTER64: return type == 4;
    case SNMP_SYNTAX_OCTETSTR:
    case SNMP_SYNTAX_BITSTR:
    case SNMP_SYNTAX_OPAQUE:
    case SNMP_SYNTAX_MACADDRESS:
    case SNMP_SYNTAX_IPV6ADDRESS: return type >= 5 && type <= 7;
    case SNMP_SYNTAX_OBJECTID: return type == 8;
    case SNMP_SYNTAX_IPADDRESS:
    case SNMP_SYNTAX_NSAPADDR: return type == 9;
    default: return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const unsigned code = fuzz::SyntaxCode(data[0] & 0x7f);
    const bool withOptions = (data[0] & 0x80) != 0;
    const uint8_t type = data[1];
    const uint8_t* value = data + 2;
    const std::size_t length = size - 2;
    const std::string bytes(reinterpret_cast<const char*>(value), length);

    Vb vb(Oid("1.3.6.1.4.1.32473.99.1.0"));
    switch (type % 12) {
    case 0: vb.set_value(SnmpInt32(static_cast<int32_t>(Number(value, length)))); break;
    case 1: vb.set_value(Counter32(static_cast<uint32_t>(Number(value, length)))); break;
    case 2: vb.set_value(Gauge32(static_cast<uint32_t>(Number(value, length)))); break;
    case 3: vb.set_value(TimeTicks(static_cast<uint32_t>(Number(value, length)))); break;
    case 4: vb.set_value(Counter64(Number(value, length))); break;
    case 5: vb.set_value(OctetStr(bytes)); break;
    case 6: vb.set_value(OpaqueStr(OctetStr(bytes))); break;
    case 7: vb.set_value(BitStr(OctetStr(bytes))); break;
    case 8: {
        std::vector<unsigned long> arcs;
        for (std::size_t i = 0; i + 4 <= length; i += 4) {
            uint32_t arc;
            std::memcpy(&arc, value + i, 4);
            arcs.push_back(arc);
        }
        vb.set_value(Oid(arcs.data(), arcs.size()));
        break;
    }
    case 9:
        if (length >= 4)
            vb.set_value(IpAddress(value));
        break;
    case 10: vb.set_value(SnmpNull()); break;
    default: vb.set_null(); break;
    }

    VhSNMPRequest request;
    auto item = std::make_unique<VhSNMPVarItem>();
    item->Oid = "1.3.6.1.4.1.32473.99.1";
    item->Syntax = code;
    item->Access = SNMP_ACCESS_READWRITE;
    item->Options = withOptions ? &StateList : nullptr;
    request.VarList.Items.push_back(std::move(item));
    try {
        request.VbToText(0, vb);
        // What the window would send back unchanged.
        Vb again(Oid("1.3.6.1.4.1.32473.99.1.0"));
        request.TextToVb(0, again);
        // A value of the type its syntax expects goes back exactly as it came.
        if (!withOptions && vb.get_value() && SameValueType(code, type % 12))
            FUZZ_CHECK(again.get_value() && again.get_value()->get_printable() == vb.get_value()->get_printable(),
                       "a value read and sent back unchanged is sent as another value");
    } catch (const Exception&) {
    }

    // The octet layouts read straight from a value.
    std::string text;
    DateAndTimeText(value, length, text);
    if (length >= 8) {
        try {
            DateTimeText(DoubleFromOctetsLE(value));
        } catch (const Exception&) { // a number outside the years 1 to 9999
        }
    }
    DisplayText(bytes);
    HexText(bytes);
    return 0;
}
