// Instance keys from replies: a row's instance (the OID arcs after a column's base in a
// get-next reply) split into the index columns' value texts, then joined back, and the
// walk's test whether a reply still lies in its column.
//
// Input: one byte for the number of index columns (1..3), one byte per column choosing
// its syntax (bit 7: implied, the last column without its length arc), then the instance.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzzutil.h"
#include "platform/exception.h"
#include "snmplib/request.h"

namespace {

constexpr char Base[] = "1.3.6.1.4.1.32473.99.1";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int keys = 1 + data[0] % 3;
    if (size < 1 + static_cast<std::size_t>(keys))
        return 0;

    VhSNMPRequest request;
    request.VarList.ListType = MVT_FMV;
    for (int k = 0; k < keys; ++k) {
        auto item = std::make_unique<VhSNMPVarItem>();
        item->Oid = std::string(Base) + "." + std::to_string(k + 1);
        item->Syntax = fuzz::SyntaxCode(data[1 + k] & 0x7f);
        item->Access = SNMP_ACCESS_READONLY | ((data[1 + k] & 0x80) ? SNMP_ACCESS_IMPLIED : 0);
        request.VarList.Items.push_back(std::move(item));
    }
    auto plain = std::make_unique<VhSNMPVarItem>();
    plain->Oid = std::string(Base) + ".9";
    plain->Syntax = SNMP_SYNTAX_INTEGER;
    plain->Access = SNMP_ACCESS_READWRITE;
    request.VarList.Items.push_back(std::move(plain));
    request.VarList.KeyCount = keys;

    const std::string instance(reinterpret_cast<const char*>(data) + 1 + keys, size - 1 - keys);
    try {
        request.KeysFromIndex(instance);
        request.GetIndexString();
    } catch (const Exception&) {
    }
    // The received OID as a walk compares it with its column and the last instance.
    request.IsPastColumn(Base, std::string(Base) + ".1.5", std::string(Base) + "." + instance);
    request.IsPastColumn(Base, "", instance);
    return 0;
}
