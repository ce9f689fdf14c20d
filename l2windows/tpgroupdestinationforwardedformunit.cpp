#include "l2windows/tpgroupdestinationforwardedformunit.h"

#include "dedicated/formregistration.h"
TTpGroupDestinationForwardedForm* TpGroupDestinationForwardedForm = nullptr;
TRQ_DEFINE_FORM(TTpGroupDestinationForwardedForm, TpGroupDestinationForwardedForm)

namespace {

// dot1qTpGroupTable, index VLAN (the OID of dot1qVlanIndex) and group MAC address.
const VhSNMPObjectDesc TpGroupTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.3.1.1", "Group Address", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.2.3.1.2", "Egress Ports", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.2.3.1.3", "GMRP Learnt Ports", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};

enum Column { VlanId, GroupAddress, EgressPorts, LearntPorts };
enum Grid { EgressGrid, LearntGrid };

} // namespace

TTpGroupDestinationForwardedForm::TTpGroupDestinationForwardedForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TTpGroupDestinationForwardedForm::RefreshBtnClick);
}

void TTpGroupDestinationForwardedForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Grids = new TPortGrids(this, {ScrollBox1, ScrollBox2});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Request = MakeRequest(TpGroupTable, MVT_UMV, 2);
    AttachList(Request, LV_dot1qTpGroupEntry);
    Grids->Bind(Request, EgressPorts, EgressGrid);
    Grids->Bind(Request, LearntPorts, LearntGrid);
    Read(Request);
}

void TTpGroupDestinationForwardedForm::RefreshBtnClick()
{
    if (!Idle({Request}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    if (Read(Request))
        Grids->ClearPorts();
}
