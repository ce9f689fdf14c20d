#include "snmplib/request.h"

#include "platform/messages.h"
#include "platform/system.h"

VhSNMPDefaultsRecord VhSNMPDefaults;

namespace {

// How long the destructor lets outstanding replies arrive.
constexpr uint32_t PendingWaitMs = 6000;

} // namespace

// ---- Construction and defaults --------------------------------------------------------

VhSNMPRequest::VhSNMPRequest()
{
    Timeout = VhSNMPDefaults.Timeout;
    LoadDefaults();
}

VhSNMPRequest::~VhSNMPRequest()
{
    Enabled = 0;
    // Replies still on their way are delivered by the event timer while messages run.
    const uint32_t start = GetTickCount();
    while (Pending >= 1 && GetTickCount() - start < PendingWaitMs)
        ProcessMessages();
}

void VhSNMPRequest::LoadDefaults()
{
    Device = VhSNMPDefaults.Device;
    Scope = VhSNMPDefaults.Scope;
    Security = VhSNMPDefaults.Security;
    Timeout = VhSNMPDefaults.Timeout;
}

std::string VhSNMPRequest::BaseOid(int itemIndex) const
{
    const VhSNMPVarItem* item = VarList.GetItem(itemIndex);
    return VarList.Suffix.empty() ? item->Oid : item->Oid + "." + VarList.Suffix;
}
