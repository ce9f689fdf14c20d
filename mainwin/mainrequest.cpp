#include "mainwin/mainrequest.h"

#include "configwin/optionlists.h"
#include "chassis/requestlifetime.h"
#include "snmplib/bind/request2edits.h"

const VhSNMPObjectDesc RmonStateTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4", "RMON State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {},
};

namespace {

// The owner shows a failure of the read (its completion event): no box of its own.
class RmonStateEdits : public VhSNMPRequest2Edits {
public:
    using VhSNMPRequest2Edits::VhSNMPRequest2Edits;
    void OnGetError(VhSNMPError*) override {}
};

} // namespace

VhSNMPRequest2Edits* CreateMainRequest(QWidget* owner, QLabel* label)
{
    auto* request = new RmonStateEdits(owner);
    request->Request.VarList = VhSNMPVarList(RmonStateTable, SVT_SV, 0);
    request->Mode = VHSNMP_MODE_ASYNC; // a silent switch never holds up the message loop
    request->AddControl(0, label);
    return request;
}

void GetMainRequest(VhSNMPRequest2Edits* request)
{
    request->Get();
}

void DeleteMainRequest(VhSNMPRequest2Edits* request) { StopAndDeleteRequest(request); }
