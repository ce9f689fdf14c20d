#include "l2windows/vlanportinfomationunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TVLanPortInfomationForm* VLanPortInfomationForm = nullptr;
TRQ_DEFINE_FORM(TVLanPortInfomationForm, VLanPortInfomationForm)

namespace {

// dot1qPortVlanTable, walked with dot1dBasePort, which gives the row's port number.
const VhSNMPObjectDesc PortVlanTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.4.5.1.1", "Port VLAN ID", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.4.5.1.2", "Acceptable Frame Types", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &AdmitAllAdmitOnlyVLANTaggedList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.3", "Ingress Filtering", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &TrueFalseList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.4", "GVRP Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &EnabledDisabledList},
    {"1.3.6.1.2.1.17.7.1.4.5.1.5", "GVRP Failed Registrations", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.4.5.1.6", "GVRP Last PDU Origin", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {nullptr},
};

enum Column { PortNumber, Pvid, FrameTypes, Ingress, Gvrp };

} // namespace

TVLanPortInfomationForm::TVLanPortInfomationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TVLanPortInfomationForm::RefreshBtnClick);
    OnClick(SetBtn, &TVLanPortInfomationForm::SetBtnClick);
}

void TVLanPortInfomationForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Request = MakeRequest(PortVlanTable, MVT_UMV, 1);
    AttachList(Request, LV_dot1qPortVlanEntry, {{}, {SetBtn}},
               &TVLanPortInfomationForm::LV_dot1qPortVlanEntrySelectItem);
    Request->AddControlsFmt(Pvid, "%i{n1x4094l4}", PortVLanID);
    Request->AddControl(FrameTypes, AcceptableFrameTypes);
    Request->AddControl(Ingress, IngressFiltering);
    Request->AddControl(Gvrp, GvrpStatus);
    ShowRowCount(LV_dot1qPortVlanEntry, ST_Count);
    Request->OnEndOfRead = [this](const VhSNMPError&) { SelectPortAgain(); };
    for (QComboBox* combo : {AcceptableFrameTypes, IngressFiltering, GvrpStatus})
        combo->setCurrentIndex(-1);
    PortVLanID->clear();
    SetBtn->setEnabled(false);
    Read(Request);
}

void TVLanPortInfomationForm::RefreshBtnClick()
{
    SetBtn->setEnabled(false);
    PortToSelect.clear();
    Read(Request);
}

void TVLanPortInfomationForm::LV_dot1qPortVlanEntrySelectItem()
{
    if (SelectedRow(LV_dot1qPortVlanEntry) < 0)
        PortVLanID->clear();
}

void TVLanPortInfomationForm::SetBtnClick()
{
    if (!Idle({Request}))
        return;
    const int row = SelectedRow(LV_dot1qPortVlanEntry);
    const QString port = row < 0 ? QString() : LV_dot1qPortVlanEntry->topLevelItem(row)->text(0);
    if (Write(Request, true, true))
        PortToSelect = port;
}

// After the read that follows a write: the port written is selected again (its controls
// reload from the new row); without it the PVID edit is emptied.
void TVLanPortInfomationForm::SelectPortAgain()
{
    const QString port = std::exchange(PortToSelect, QString());
    if (port.isEmpty())
        return;
    for (int row = 0; row < LV_dot1qPortVlanEntry->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = LV_dot1qPortVlanEntry->topLevelItem(row);
        if (item->text(0) == port) {
            LV_dot1qPortVlanEntry->setCurrentItem(item);
            item->setSelected(true);
            return;
        }
    }
    PortVLanID->clear();
}
