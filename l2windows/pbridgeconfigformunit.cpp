#include "l2windows/pbridgeconfigformunit.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "classlib/colors.h"
#include "classlib/panel.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "snmplib/snmperror.h"

TPBridgeConfigForm* PBridgeConfigForm = nullptr;
TRQ_DEFINE_FORM(TPBridgeConfigForm, PBridgeConfigForm)

namespace {

// P-BRIDGE dot1dExtBase: one scalar per request.
const VhSNMPObjectDesc CapabilitiesTable[] = {
    {"1.3.6.1.2.1.17.6.1.1.1", "Device Capabilities", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};
const VhSNMPObjectDesc TrafficClassesTable[] = {
    {"1.3.6.1.2.1.17.6.1.1.2", "Traffic Classes Enabled", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &TrueFalseList},
    {nullptr},
};

// The agent's noSuchName ("Variable does not exist!"): what a missing object reads as.
constexpr int NoSuchName = -102;

// After a read: an object the agent does not have (no value: noSuchObject or
// noSuchInstance) is no value to show. Its control is emptied and the read's result says so.
void CheckPresent(TWindowRequest* request, const std::function<void()>& clear)
{
    if (request->LastRead.Code != 0 || request->Request.VarList.Count() < 1)
        return;
    if (request->Request.VarList.GetItem(0)->Value != "(NULL)")
        return;
    clear();
    request->ShowMessage(SnmpErrorText(NoSuchName));
}

} // namespace

TPBridgeConfigForm::TPBridgeConfigForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    BT_Set->setVisible(false);
    Label3->setVisible(false);
    GmrpStatus->setVisible(false);
    // The traffic classes state can only be read: its value label is drawn as the generic
    // windows draw a read-only row.
    TrafficClassesState->setFocusPolicy(Qt::NoFocus);
    SetControlColors(TrafficClassesState, clBlack, clBtnFace);
    OnClick(BT_Get, &TPBridgeConfigForm::BT_GetClick);
}

void TPBridgeConfigForm::FormCreate()
{
    SetMessageTarget(Memo1);
    // A failure setting up the first request is its result line; the second is still made.
    Guarded(CapabilitiesRequest, [this] {
        CapabilitiesRequest = MakeRequest(CapabilitiesTable, SVT_SV, 0);
        CapabilitiesRequest->AddControl(0, Edit_DeviceCapabilities);
        CapabilitiesRequest->OnEndOfRead = [this](const VhSNMPError&) {
            CheckPresent(CapabilitiesRequest, [this] { Edit_DeviceCapabilities->clear(); });
        };
        Read(CapabilitiesRequest);
    });
    Guarded(TrafficClassesRequest, [this] {
        TrafficClassesRequest = MakeRequest(TrafficClassesTable, SVT_SV, 0);
        TrafficClassesRequest->AddControlsFmt(0, "%s", TrafficClassesState);
        TrafficClassesRequest->OnEndOfRead = [this](const VhSNMPError&) {
            CheckPresent(TrafficClassesRequest, [this] { TrafficClassesState->clear(); });
        };
        Read(TrafficClassesRequest);
    });
}

void TPBridgeConfigForm::BT_GetClick() { ReadBoth(); }

void TPBridgeConfigForm::ReadBoth()
{
    // Read starts nothing on a request still reading.
    Guarded(CapabilitiesRequest, [this] { Read(CapabilitiesRequest); });
    Guarded(TrafficClassesRequest, [this] { Read(TrafficClassesRequest); });
}
