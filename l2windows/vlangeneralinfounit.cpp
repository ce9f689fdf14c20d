#include "l2windows/vlangeneralinfounit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TVLanGeneralInfoForm* VLanGeneralInfoForm = nullptr;
TRQ_DEFINE_FORM(TVLanGeneralInfoForm, VLanGeneralInfoForm)

namespace {

// Q-BRIDGE-MIB dot1qBase.
const VhSNMPObjectDesc VlanBaseTable[] = {
    {"1.3.6.1.2.1.17.7.1.1.1", "VLAN Version Number", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.2", "Max VLAN ID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.3", "Max Supported VLANs", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.4", "Current Number Of VLANs", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.1.5", "GVRP Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &EnabledDisabledList},
    {nullptr},
};

} // namespace

TVLanGeneralInfoForm::TVLanGeneralInfoForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TVLanGeneralInfoForm::RefreshBtnClick);
    OnClick(SetBtn, &TVLanGeneralInfoForm::SetBtnClick);
}

void TVLanGeneralInfoForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Request = MakeRequest(VlanBaseTable, SVT_SV, 0);
    Request->AddControl(0, VlanVersionNumber);
    Request->AddControl(1, MaxVlanId);
    Request->AddControl(2, MaxSupportedVlans);
    Request->AddControl(3, CurrentNumOfVlans);
    Request->AddControl(4, GvrpStatus);
    GvrpStatus->setCurrentIndex(-1);
    Read(Request);
}

void TVLanGeneralInfoForm::RefreshBtnClick() { Read(Request); }

// A GVRP status the list does not show is not written: the set is refused instead.
void TVLanGeneralInfoForm::SetBtnClick() { Write(Request, false); }
