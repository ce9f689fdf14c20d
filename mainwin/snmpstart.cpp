#include "mainwin/snmpstart.h"

// The library start-up (engine, boots counter file, event timer) joins here once it is
// in the library; until then the defaults record alone serves the requests.
void StartSnmpLibrary() {}
