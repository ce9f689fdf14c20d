#include "snmplib/varlist.h"

#include "snmplib/snmperror.h"

namespace {

std::optional<std::string> CopyText(const char* text)
{
    if (!text)
        return std::nullopt;
    return std::string(text);
}

constexpr VhOptionPair ListTypeNames[] = {
    {SVT_SV, "SVT_SV"},
    {MVT_SV, "MVT_SV"},
    {MVT_FMV, "MVT_FMV"},
    {MVT_UMV, "MVT_UMV"},
    {0, nullptr},
};

constexpr VhOptionPair SyntaxNames[] = {
    {SNMP_SYNTAX_INTEGER, "integer"},
    {SNMP_SYNTAX_BITSTR, "bitstr"},
    {SNMP_SYNTAX_OCTETSTR, "octetstr"},
    {SNMP_SYNTAX_NULL, "null"},
    {SNMP_SYNTAX_OBJECTID, "objectid"},
    {SNMP_SYNTAX_IPADDRESS, "ipaddress"},
    {SNMP_SYNTAX_COUNTER, "counter"},
    {SNMP_SYNTAX_GAUGE, "guage"},
    {SNMP_SYNTAX_TIMETICKS, "timeticks"},
    {SNMP_SYNTAX_OPAQUE, "opaque"},
    {SNMP_SYNTAX_COUNTER64, "counter64"},
    {SNMP_SYNTAX_BOOLEAN, "boolean"},
    {SNMP_SYNTAX_NSAPADDR, "nsapaddr"},
    {SNMP_SYNTAX_UINTEGER, "uinteger"},
    {SNMP_SYNTAX_DOUBLE, "double"},
    {SNMP_SYNTAX_MACADDRESS, "macaddress"},
    {SNMP_SYNTAX_DATETIME, "datetime"},
    {SNMP_SYNTAX_BCDATETIME, "bcdatetime"},
    {SNMP_SYNTAX_DISPLAYSTR, "displaystr"},
    {SNMP_SYNTAX_BOOL8, "bool8"},
    {SNMP_SYNTAX_INT8, "int8"},
    {SNMP_SYNTAX_UINT8, "uint8"},
    {SNMP_SYNTAX_BOOL16, "bool16"},
    {SNMP_SYNTAX_INT16, "int16"},
    {SNMP_SYNTAX_UINT16, "uint16"},
    {SNMP_SYNTAX_IPV6ADDRESS, "ipv6address"},
    {0, nullptr},
};

constexpr VhOptionPair AccessNames[] = {
    {SNMP_ACCESS_NOTACCESS, "notaccess"},
    {SNMP_ACCESS_READONLY, "readonly"},
    {SNMP_ACCESS_WRITEONLY, "writeonly"},
    {SNMP_ACCESS_READWRITE, "readwrite"},
    {SNMP_ACCESS_DERIVED, "derived"},
    {SNMP_ACCESS_HIDDEN, "hidden"},
    {SNMP_ACCESS_INVALID, "invalid"},
    {0, nullptr},
};

} // namespace

// Built in this order, destroyed in the reverse one.
const VhOptionList SnmpListTypeList(ListTypeNames, OVT_INTEGER, false);
const VhOptionList SnmpSyntaxList(SyntaxNames, OVT_INTEGER, false);
const VhOptionList SnmpAccessList(AccessNames, OVT_INTEGER, false);

int TableCount(const VhSNMPObjectDesc* table)
{
    int n = 0;
    if (table)
        while (table[n].Oid)
            ++n;
    return n;
}

VhSNMPVarList::VhSNMPVarList() = default;

VhSNMPVarList::VhSNMPVarList(const VhSNMPObjectDesc* table, uint8_t listType, int keyCount)
    : KeyCount(keyCount), ListType(listType)
{
    AddItems(table);
}

VhSNMPVarList::VhSNMPVarList(const VhSNMPVarList& other) { Assign(other); }

VhSNMPVarList& VhSNMPVarList::operator=(const VhSNMPVarList& other)
{
    Assign(other);
    return *this;
}

VhSNMPVarList::~VhSNMPVarList() { Clear(); }

void VhSNMPVarList::AddItems(const VhSNMPObjectDesc* table)
{
    const int n = TableCount(table);
    if (n == 0)
        return;
    Items.reserve(Items.size() + n);
    for (int i = 0; i < n; ++i) {
        const VhSNMPObjectDesc& desc = table[i];
        auto item = std::make_unique<VhSNMPVarItem>();
        item->Oid = desc.Oid;
        item->Caption = desc.Caption ? desc.Caption : "";
        item->Syntax = desc.Syntax;
        item->Access = desc.Access;
        item->Options = desc.Options;
        item->GetExpr = CopyText(desc.GetExpr);
        item->SetExpr = CopyText(desc.SetExpr);
        item->Extra = CopyText(desc.Extra);
        if (desc.Value)
            item->Value = *desc.Value;
        if (desc.Instance)
            item->Instance = *desc.Instance;
        Items.push_back(std::move(item));
    }
}

void VhSNMPVarList::Clear() { Items.clear(); }

void VhSNMPVarList::Assign(const VhSNMPVarList& other)
{
    if (&other == this)
        return; // clearing first would lose the items being copied
    Clear();
    ListType = other.ListType;
    KeyCount = other.KeyCount;
    Caption = other.Caption;
    Items.reserve(other.Items.size());
    for (const auto& item : other.Items)
        Items.push_back(std::make_unique<VhSNMPVarItem>(*item));
}

VhSNMPVarItem* VhSNMPVarList::GetItem(int index) const
{
    if (index < 0 || index >= Count())
        RaiseSnmpError(VHSNMP_ERR_INDEX_RANGE);
    return Items[index].get();
}

std::optional<unsigned> VhSNMPVarList::AccessAt(int index) const
{
    if (index < 0 || index >= Count())
        return std::nullopt;
    return Items[index]->Access;
}

bool VhSNMPVarList::IsImplied(int index) const
{
    const auto access = AccessAt(index);
    return access && (*access & SNMP_ACCESS_IMPLIED);
}

bool VhSNMPVarList::IsReadable(int index) const
{
    const auto access = AccessAt(index);
    return access && !(*access & SNMP_ACCESS_INVALID) && (*access & SNMP_ACCESS_READONLY);
}

bool VhSNMPVarList::IsWritable(int index) const
{
    const auto access = AccessAt(index);
    if (!access || (*access & SNMP_ACCESS_INVALID))
        return false;
    return (*access & SNMP_ACCESS_WRITEONLY) || ((ListType == MVT_FMV || ListType == MVT_UMV) && index < KeyCount);
}

bool VhSNMPVarList::IsShown(int index) const
{
    const auto access = AccessAt(index);
    return access && !(*access & (SNMP_ACCESS_INVALID | SNMP_ACCESS_HIDDEN)) &&
           (*access & (SNMP_ACCESS_NOTACCESS | SNMP_ACCESS_DERIVED | SNMP_ACCESS_READONLY));
}

bool VhSNMPVarList::IsHidden(int index) const
{
    const auto access = AccessAt(index);
    return access && (*access == SNMP_ACCESS_WRITEONLY || (*access & (SNMP_ACCESS_INVALID | SNMP_ACCESS_HIDDEN)));
}

int VhSNMPVarList::ShownCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsShown(i);
    return n;
}

int VhSNMPVarList::HiddenCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHidden(i);
    return n;
}
