#pragma once
// Octet-string sub-fields: a value text turned into its octets by its syntax code, a
// sub-field cut out of the octets at a byte offset, and octets turned back into text.
// The control bindings pass every value through these three, so a control may own one
// small field of a packed OCTET STRING (a PortList bit, an LED octet, a 16-bit number).
//
// Codes are the syntax codes of varlist.h, including the sub-field codes bool8, int8,
// uint8 (one octet) and bool16, int16, uint16 (two octets, network order). The 32-bit and
// 64-bit numbers, doubles and OID groups are little-endian; the DateAndTime year and the
// 16-bit fields are big-endian. "(NULL)" is the text of empty octets (except displaystr,
// whose empty octets are the empty text).
//
// All three are pure and raise the library's exception: -511 for a code they do not know,
// -518 for octets that do not make a value of the code, -519 for a sub-field that does not
// lie inside the octets. A bcdatetime text that cannot be read raises EConvertError.
#include <cstdint>
#include <string>

#include "snmplib/engine/octetstr.h"

OctetStr TextToOctets(const std::string& text, unsigned code);
OctetStr SubField(const OctetStr& octets, int32_t offset, unsigned code);
std::string OctetsToText(const OctetStr& octets, unsigned code);
