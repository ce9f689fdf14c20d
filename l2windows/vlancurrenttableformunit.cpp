#include "l2windows/vlancurrenttableformunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TVLanCurrentTableForm* VLanCurrentTableForm = nullptr;
TRQ_DEFINE_FORM(TVLanCurrentTableForm, VLanCurrentTableForm)

namespace {

// dot1qVlanCurrentTable, index time mark and VLAN index.
const VhSNMPObjectDesc CurrentTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.1", "VLAN Time Mark", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN Index", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.4.2.1.3", "FDB ID", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.4.2.1.4", "Current Egress Ports", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.4.2.1.5", "Current Untagged Ports", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.7.1.4.2.1.6", "VLAN Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &VlanStatusList},
    {"1.3.6.1.2.1.17.7.1.4.2.1.7", "Creation Time", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY},
    {nullptr},
};

// dot1qVlanNumDeletes.
const VhSNMPObjectDesc DeletesTable[] = {
    {"1.3.6.1.2.1.17.7.1.4.1", "VLAN Number Deletes", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {nullptr},
};

enum Column { TimeMark, VlanIndex, FdbId, EgressPorts, UntaggedPorts, VlanStatus, CreationTime };
enum Grid { EgressGrid, UntaggedGrid };

} // namespace

TVLanCurrentTableForm::TVLanCurrentTableForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TVLanCurrentTableForm::RefreshBtnClick);
    OnClick(btnStop, &TVLanCurrentTableForm::btnStopClick);
}

void TVLanCurrentTableForm::BuildPortGrids()
{
    Grids = new TPortGrids(this, {ScrollBox1, ScrollBox2});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
}

void TVLanCurrentTableForm::FormCreate()
{
    SetMessageTarget(Memo1);
    BuildPortGrids();
    Guarded([this] {
        DeletesRequest = MakeRequest(DeletesTable, SVT_SV, 0);
        DeletesRequest->AddControl(0, VlanNumDeletes);
        Read(DeletesRequest);
    });
    Guarded([this] {
        CurrentRequest = MakeRequest(CurrentTable, MVT_UMV, 2);
        AttachList(CurrentRequest, LV_dot1qVlanCurrentEntry, {}, &TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick);
        CurrentRequest->AddControl(VlanIndex, StaticText1);
        Grids->Bind(CurrentRequest, EgressPorts, EgressGrid);
        Grids->Bind(CurrentRequest, UntaggedPorts, UntaggedGrid);
        ShowRowCount(LV_dot1qVlanCurrentEntry, ST_Count2);
        Read(CurrentRequest);
    });
}

void TVLanCurrentTableForm::LV_dot1qVlanCurrentEntryClick()
{
    if (SelectedRow(LV_dot1qVlanCurrentEntry) < 0)
        ClearEditors();
}

void TVLanCurrentTableForm::ClearEditors()
{
    Grids->ClearPorts();
    StaticText1->clear();
}

void TVLanCurrentTableForm::RefreshBtnClick()
{
    if (!Idle({DeletesRequest, CurrentRequest}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded([this] { Read(DeletesRequest); });
    Guarded([this] {
        if (Read(CurrentRequest))
            ClearEditors();
    });
}

void TVLanCurrentTableForm::btnStopClick()
{
    AwaitIdle(DeletesRequest);
    Stop(CurrentRequest);
}
