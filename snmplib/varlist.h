#pragma once
// MIB object descriptors and variable lists.
//
// Every window names the objects it reads and writes in a static descriptor table, ended
// by a record whose OID is null:
//
//   static const VhSNMPObjectDesc SysTable[] = {
//       {"1.3.6.1.2.1.1.5", "Name", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE, nullptr},
//       {"1.3.6.1.2.1.1.7", "Services", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &ServicesList},
//       {nullptr},
//   };
//
// A VhSNMPVarList is built from such a table and holds its own copy of each record, which
// also carries the object's value text and the instance of the last value received.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "snmplib/optionlist.h"

// Syntax codes: the ASN.1/SMI tags plus the library's own codes.
constexpr unsigned SNMP_SYNTAX_BOOLEAN = 0x01;
constexpr unsigned SNMP_SYNTAX_INTEGER = 0x02;
constexpr unsigned SNMP_SYNTAX_BITSTR = 0x03;
constexpr unsigned SNMP_SYNTAX_OCTETSTR = 0x04;
constexpr unsigned SNMP_SYNTAX_NULL = 0x05;
constexpr unsigned SNMP_SYNTAX_OBJECTID = 0x06;
constexpr unsigned SNMP_SYNTAX_IPADDRESS = 0x40;
constexpr unsigned SNMP_SYNTAX_COUNTER = 0x41;
constexpr unsigned SNMP_SYNTAX_GAUGE = 0x42;
constexpr unsigned SNMP_SYNTAX_TIMETICKS = 0x43;
constexpr unsigned SNMP_SYNTAX_OPAQUE = 0x44;
constexpr unsigned SNMP_SYNTAX_NSAPADDR = 0x45;
constexpr unsigned SNMP_SYNTAX_COUNTER64 = 0x46;
constexpr unsigned SNMP_SYNTAX_UINTEGER = 0x47;
constexpr unsigned SNMP_SYNTAX_DOUBLE = 0x48;
constexpr unsigned SNMP_SYNTAX_MACADDRESS = 0x49;
constexpr unsigned SNMP_SYNTAX_DATETIME = 0x4a;
constexpr unsigned SNMP_SYNTAX_BCDATETIME = 0x4b;
constexpr unsigned SNMP_SYNTAX_DISPLAYSTR = 0x4c;
constexpr unsigned SNMP_SYNTAX_IPV6ADDRESS = 0x4d;
// Sub-fields of an octet string.
constexpr unsigned SNMP_SYNTAX_BOOL8 = 0xc1;
constexpr unsigned SNMP_SYNTAX_INT8 = 0xc2;
constexpr unsigned SNMP_SYNTAX_UINT8 = 0xc3;
constexpr unsigned SNMP_SYNTAX_BOOL16 = 0xc4;
constexpr unsigned SNMP_SYNTAX_INT16 = 0xc5;
constexpr unsigned SNMP_SYNTAX_UINT16 = 0xc6;

// Access flags (a bit set).
constexpr unsigned SNMP_ACCESS_NOTACCESS = 0x01;
constexpr unsigned SNMP_ACCESS_READONLY = 0x02;  // read bit: fetched by a get
constexpr unsigned SNMP_ACCESS_WRITEONLY = 0x04; // write bit: sent by a set
constexpr unsigned SNMP_ACCESS_READWRITE = 0x06;
constexpr unsigned SNMP_ACCESS_DERIVED = 0x08; // shown, not fetched
constexpr unsigned SNMP_ACCESS_HIDDEN = 0x10;
constexpr unsigned SNMP_ACCESS_INVALID = 0x20; // left out of every get and set
constexpr unsigned SNMP_ACCESS_IMPLIED = 0x40; // last index column without its length arc

// List types.
constexpr uint8_t SVT_SV = 0;  // scalar group
constexpr uint8_t MVT_SV = 1;  // one table row
constexpr uint8_t MVT_FMV = 2; // table walked with get-next
constexpr uint8_t MVT_UMV = 3; // as MVT_FMV; the edit binding treats it differently after a read

// One static descriptor record: ten words, in this order.
struct VhSNMPObjectDesc {
    const char* Oid = nullptr;     // dotted decimal, no leading dot; null ends a table
    const char* Caption = nullptr; // column or row label
    unsigned Syntax = 0;
    unsigned Access = 0;
    const VhOptionList* Options = nullptr; // shared, never owned
    const char* GetExpr = nullptr;         // after-get conversion expression
    const char* SetExpr = nullptr;         // before-set conversion expression
    const char* Extra = nullptr;           // copied with the item, read by nothing
    const std::string* Value = nullptr;    // initial value text
    const std::string* Instance = nullptr; // initial last instance
};

// Number of records before the end record; a null table counts 0.
int TableCount(const VhSNMPObjectDesc* table);

// A variable list's own copy of one descriptor.
struct VhSNMPVarItem {
    std::string Oid;
    std::string Caption;
    unsigned Syntax = 0;
    unsigned Access = 0;
    const VhOptionList* Options = nullptr;
    std::optional<std::string> GetExpr;
    std::optional<std::string> SetExpr;
    std::optional<std::string> Extra;
    std::string Value;    // display form after a get, the value to send before a set
    std::string Instance; // full OID of the last value received
};

class VhSNMPVarList {
public:
    VhSNMPVarList();
    VhSNMPVarList(const VhSNMPObjectDesc* table, uint8_t listType, int keyCount);
    VhSNMPVarList(const VhSNMPVarList& other);
    VhSNMPVarList& operator=(const VhSNMPVarList& other);
    ~VhSNMPVarList();

    // Appends copies of the table's records after the present items.
    void AddItems(const VhSNMPObjectDesc* table);
    void Clear();
    // Copies list type, key count, caption and items; Suffix and OptionLists stay.
    void Assign(const VhSNMPVarList& other);

    int Count() const { return static_cast<int>(Items.size()); }
    // The item at index; an index outside 0..Count()-1 raises -12.
    VhSNMPVarItem* GetItem(int index) const;

    // The access tests; an index outside the list is none of these.
    bool IsImplied(int index) const;
    bool IsReadable(int index) const;
    bool IsWritable(int index) const;
    bool IsShown(int index) const;
    bool IsHidden(int index) const;
    int ShownCount() const;
    int HiddenCount() const;

    std::string Suffix; // instance suffix appended to every OID when not empty
    int KeyCount = 0;   // leading items that are the table's index columns
    uint8_t ListType = SVT_SV;
    std::string Caption;
    std::vector<std::unique_ptr<VhSNMPVarItem>> Items;
    std::vector<std::unique_ptr<VhOptionList>> OptionLists; // owned by the list

private:
    // The item's access field, or nullopt for an index outside the list.
    std::optional<unsigned> AccessAt(int index) const;
};

// Program-wide name lists of list types, syntax codes and access flags (integer values).
extern const VhOptionList SnmpListTypeList;
extern const VhOptionList SnmpSyntaxList;
extern const VhOptionList SnmpAccessList;
