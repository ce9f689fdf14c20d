#pragma once
// Shared by the catalogue data files: the record types and option lists, and short names
// of the syntax codes and access flags, spelled as the descriptor tables are listed.
#include "configwin/optionlists.h"
#include "mainwin/catalogue.h"

namespace catalogue_names {

inline constexpr unsigned integer = SNMP_SYNTAX_INTEGER;
inline constexpr unsigned bitstr = SNMP_SYNTAX_BITSTR;
inline constexpr unsigned octetstr = SNMP_SYNTAX_OCTETSTR;
inline constexpr unsigned objectid = SNMP_SYNTAX_OBJECTID;
inline constexpr unsigned ipaddress = SNMP_SYNTAX_IPADDRESS;
inline constexpr unsigned counter = SNMP_SYNTAX_COUNTER;
inline constexpr unsigned guage = SNMP_SYNTAX_GAUGE;
inline constexpr unsigned timeticks = SNMP_SYNTAX_TIMETICKS;
inline constexpr unsigned counter64 = SNMP_SYNTAX_COUNTER64;
inline constexpr unsigned macaddress = SNMP_SYNTAX_MACADDRESS;
inline constexpr unsigned displaystr = SNMP_SYNTAX_DISPLAYSTR;

inline constexpr unsigned notaccess = SNMP_ACCESS_NOTACCESS;
inline constexpr unsigned readonly = SNMP_ACCESS_READONLY;
inline constexpr unsigned readwrite = SNMP_ACCESS_READWRITE;
// A not-accessible key that is the table's last, IMPLIED key.
inline constexpr unsigned implied_notaccess = SNMP_ACCESS_NOTACCESS | SNMP_ACCESS_IMPLIED;

// The port information table: the port popup's editor and the walked table of Layer 2
// Management show the same descriptor table (catalogue/basic.cpp).
extern const VhSNMPObjectDesc PortInformationObjects[];

} // namespace catalogue_names
