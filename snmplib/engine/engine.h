#pragma once
// The whole SNMP engine layer: the engine, targets, PDUs and values, user-based
// security, the boots counter file and the status numbers.
#include "snmplib/engine/address.h"
#include "snmplib/engine/bootcounter.h"
#include "snmplib/engine/octetstr.h"
#include "snmplib/engine/oid.h"
#include "snmplib/engine/pdu.h"
#include "snmplib/engine/smi.h"
#include "snmplib/engine/snmp.h"
#include "snmplib/engine/snmperrs.h"
#include "snmplib/engine/target.h"
#include "snmplib/engine/vb.h"
