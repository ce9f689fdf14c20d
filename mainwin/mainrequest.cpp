#include "mainwin/mainrequest.h"

#include "configwin/optionlists.h"

const VhSNMPObjectDesc RmonStateTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4", "RMON State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {},
};

// The binding of requests to controls joins here once it is in the library.
VhSNMPRequest2Edits* CreateMainRequest(QWidget* /*owner*/, QLabel* /*label*/) { return nullptr; }

void GetMainRequest(VhSNMPRequest2Edits* /*request*/) {}

void DeleteMainRequest(VhSNMPRequest2Edits* /*request*/) {}
