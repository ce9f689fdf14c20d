#include "l2windows/vlanstaticformunit.h"

#include "dedicated/formregistration.h"
#include "configwin/optionlists.h"
#include "classlib/dialogs.h"

TVlanStaticForm* VlanStaticForm = nullptr;
TRQ_DEFINE_FORM(TVlanStaticForm, VlanStaticForm)

namespace {

// dot1qVlanStaticTable; the key is dot1qVlanIndex, the index of the current and static
// tables. The list view shows the port lists in this order.
const VhSNMPObjectDesc VlanStaticTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusCapitalList},
    {nullptr},
};

// dot1qNextFreeLocalVlanIndex.
const VhSNMPObjectDesc NextFreeTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.4", "Next Free Local VLAN Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &IndependentList},
    {nullptr},
};

enum Column { VlanId, VlanName, Forbidden, Untagged, Egress, RowState };
enum Grid { EgressGrid, ForbiddenGrid, UntaggedGrid };

// Items of the Status combo box (the option list's order).
constexpr int CreateAndGoItem = 1;
constexpr int DestroyItem = 2;

} // namespace

TVlanStaticForm::TVlanStaticForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TVlanStaticForm::RefreshBtnClick);
    OnClick(SetBtn, &TVlanStaticForm::SetBtnClick);
    OnClick(AddBtn, &TVlanStaticForm::AddBtnClick);
    OnClick(DeleteBtn, &TVlanStaticForm::DeleteBtnClick);
    OnClick(btnStop, &TVlanStaticForm::btnStopClick);
}

void TVlanStaticForm::BuildPortGrids()
{
    Grids = new TPortGrids(this, {ScrollBox1, ScrollBox2, ScrollBox3});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
}

void TVlanStaticForm::FormCreate()
{
    SetMessageTarget(Memo1);
    BuildPortGrids();
    Guarded(VlanRequest, [this] {
        VlanRequest = MakeRequest(VlanStaticTable, MVT_UMV, 1);
        AttachList(VlanRequest, LV_dot1qVlanStaticEntry, {{ED_VLANID}, {SetBtn, DeleteBtn}},
                   &TVlanStaticForm::LV_dot1qVlanStaticEntryClick);
        // Any whole number: local VLANs lie above 4094, and the agent's answer is the test.
        VlanRequest->AddControlsFmt(VlanId, "%u{l10}", ED_VLANID);
        VlanRequest->AddControlsFmt(VlanName, "%s", ED_VLANName);
        Grids->Bind(VlanRequest, Forbidden, ForbiddenGrid);
        Grids->Bind(VlanRequest, Untagged, UntaggedGrid);
        Grids->Bind(VlanRequest, Egress, EgressGrid);
        VlanRequest->AddControl(RowState, Status);
        ShowRowCount(LV_dot1qVlanStaticEntry, ST_Count2);
        Read(VlanRequest);
    });
    Guarded(NextFreeRequest, [this] {
        NextFreeRequest = MakeRequest(NextFreeTable, SVT_SV, 0);
        NextFreeRequest->AddControl(0, NextFreeLocalVlanIndex);
        Read(NextFreeRequest);
    });
}

void TVlanStaticForm::FormActivate()
{
    SetBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::LV_dot1qVlanStaticEntryClick()
{
    if (SelectedRow(LV_dot1qVlanStaticEntry) < 0)
        ClearEditors();
}

void TVlanStaticForm::ClearEditors()
{
    Grids->ClearPorts();
    ED_VLANID->clear();
    ED_VLANName->clear();
    Status->setCurrentIndex(-1);
}

void TVlanStaticForm::RefreshBtnClick()
{
    DeleteBtn->setEnabled(false);
    SetBtn->setEnabled(false);
    if (!Idle({VlanRequest, NextFreeRequest}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded(NextFreeRequest, [this] { Read(NextFreeRequest); });
    Guarded(VlanRequest, [this] {
        if (Read(VlanRequest))
            ClearEditors();
    });
}

void TVlanStaticForm::WriteRow(WriteKind kind)
{
    if (RefuseWhileBusy({NextFreeRequest}) || RefuseWhileBusy({VlanRequest}))
        return;
    Guarded(VlanRequest, [&] {
        if (kind == WriteKind::Add)
            Status->setCurrentIndex(CreateAndGoItem);
        if (kind == WriteKind::Delete)
            Status->setCurrentIndex(DestroyItem);
        if (Write(VlanRequest, true, kind == WriteKind::Delete))
            ClearEditors();
    });
    SetBtn->setEnabled(false);
    DeleteBtn->setEnabled(false);
}

void TVlanStaticForm::AddBtnClick() { WriteRow(WriteKind::Add); }
void TVlanStaticForm::SetBtnClick() { WriteRow(WriteKind::Set); }
void TVlanStaticForm::DeleteBtnClick() { WriteRow(WriteKind::Delete); }

void TVlanStaticForm::btnStopClick()
{
    AwaitIdle(NextFreeRequest);
    Stop(VlanRequest);
}
