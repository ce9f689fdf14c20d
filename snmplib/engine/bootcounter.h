#pragma once
// The SNMPv3 engine-boots counter file.
//
// A text file: comment lines start with '#'; every other line is
//     <encoded engine ID> <boots>
// where each octet of the engine ID is written as two characters, '@' + high nibble
// and '@' + low nibble ("V" = 0x56 becomes "EF"). One line per engine ID; saving one
// engine's counter keeps every other line of the file as it was.
#include "snmplib/engine/octetstr.h"

// Reads the counter of engineId into boots. Returns SNMPv3_OK (0) when found,
// SNMPv3_NO_ENTRY_ERROR (-1) when the file has no line for the engine ID,
// SNMPv3_FILEOPEN_ERROR (-2) when the file cannot be opened, and a status below -2
// for anything else (a read error, no file name). boots is 0 unless found.
int getBootCounter(const char* fileName, const OctetStr& engineId, unsigned int& boots);

// Writes the counter of engineId: the file is written again through "<file>.tmp" and a
// rename, with this engine's line replaced (or added) and every other line kept.
// Returns SNMPv3_OK (0) or an error status below 0.
int saveBootCounter(const char* fileName, const OctetStr& engineId, unsigned int boots);

// The encoded form of an engine ID, as it stands in the file.
std::string encodeBootCounterEngineId(const OctetStr& engineId);
