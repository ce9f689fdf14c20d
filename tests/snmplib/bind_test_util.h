#pragma once
// Shared by the binding tests: the simulator of the binary (the binding profile), the
// library started once, the descriptor tables and value labels of the binding table and
// scalar group, and small waiting helpers.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "simlibrary.h"
#include "snmplib/request.h"
#include "snmplib/varlist.h"

namespace bindtest {

trqtest::SimProcess& sim();

// Points the request at the simulator (SNMPv2c, read and write communities).
void aim(VhSNMPRequest& request);

using trqtest::waitUntil;

// The simulator's value at oid as "TAG VALUE" (HEX values as "80 40 ...").
std::string simValue(const std::string& oid);

// Binding table 99.8.1 (rows 1..3, MVT_FMV, one key) and its columns.
constexpr const char* BindEntry = "1.3.6.1.4.1.32473.99.8.1";
enum BindColumn { cIndex, cName, cNway, cState, cFlag, cPorts, cRecord, cAddress, cTime, cNumber, cCount };
extern const VhSNMPObjectDesc BindTable[];
extern const VhOptionList NwayList;  // 2..6, 8..10; no label for 7
extern const VhOptionList StateList; // 1 enabled, 2 disabled
extern const VhOptionList FlagList;  // 2 disabled, 3 enabled

// Scalar group 99.9 (SVT_SV): record, PortList, address, time, flag.
enum ScalarItem { sRecord, sPorts, sAddress, sTime, sFlag };
extern const VhSNMPObjectDesc BindScalars[];
std::string scalarOid(ScalarItem item); // with ".0"

} // namespace bindtest
