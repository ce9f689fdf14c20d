#include "l2windows/multicastfilterinformationformunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TMulticastFilterInformationForm* MulticastFilterInformationForm = nullptr;
TRQ_DEFINE_FORM(TMulticastFilterInformationForm, MulticastFilterInformationForm)

namespace {

// dot1qStaticMulticastTable, index VLAN ID (the OID of dot1qVlanIndex), group MAC address
// and receive port. The forbidden egress ports are not shown.
const VhSNMPObjectDesc StaticMulticastTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.2.1.1", "MAC Address", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.2.1.2", "Receive Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.2.1.3", "Egress Ports", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.3.2.1.5", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &InvalidPermanentList},
    {nullptr},
};

enum Column { VlanId, MacAddress, ReceivePort, EgressPorts, State };

constexpr int InvalidItem = 0;

} // namespace

TMulticastFilterInformationForm::TMulticastFilterInformationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TMulticastFilterInformationForm::RefreshBtnClick);
    OnClick(SetBtn, &TMulticastFilterInformationForm::SetBtnClick);
    OnClick(btnDelete, &TMulticastFilterInformationForm::btnDeleteClick);
    GroupBox1->hide();
}

void TMulticastFilterInformationForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Grids = new TPortGrids(this, {ScrollBox1});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Request = MakeRequest(StaticMulticastTable, MVT_UMV, 3);
    AttachList(Request, LV_dot1qStaticMulticastEntry, {{}, {SetBtn, btnDelete}},
               &TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick);
    Request->AddControlsFmt(VlanId, "%i{n1x4094}", ED_MulticastVID);
    Request->AddControlsFmt(MacAddress, "%h", ED_MACAddress);
    Grids->Bind(Request, EgressPorts, 0);
    Request->AddControl(State, Status);
    ShowRowCount(LV_dot1qStaticMulticastEntry, ST_Count);
    Status->setCurrentIndex(-1);
    SetBtn->setEnabled(false);
    btnDelete->setEnabled(false);
    Read(Request);
}

void TMulticastFilterInformationForm::ClearEditor()
{
    Grids->ClearPorts();
    ED_MulticastVID->clear();
    ED_MACAddress->clear();
    Status->setCurrentIndex(-1);
}

void TMulticastFilterInformationForm::LV_dot1qStaticMulticastEntryClick()
{
    if (SelectedRow(LV_dot1qStaticMulticastEntry) < 0)
        ClearEditor();
}

void TMulticastFilterInformationForm::RefreshBtnClick()
{
    if (!Idle({Request}))
        return;
    SetBtn->setEnabled(false);
    btnDelete->setEnabled(false);
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    if (Read(Request))
        ClearEditor();
}

void TMulticastFilterInformationForm::SetBtnClick()
{
    if (RefuseWhileBusy({Request}))
        return;
    SetBtn->setEnabled(false);
    Guarded(Request, [this] { Write(Request, true, true); });
    ClearEditor();
}

void TMulticastFilterInformationForm::btnDeleteClick()
{
    if (RefuseWhileBusy({Request}))
        return;
    // Writing invalid removes the entry; the egress ports shown go with it.
    Status->setCurrentIndex(InvalidItem);
    SetBtnClick();
    if (AwaitIdle(Request))
        RefreshBtnClick();
}
