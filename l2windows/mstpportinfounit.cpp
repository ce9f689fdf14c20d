#include "l2windows/mstpportinfounit.h"

#include <QShowEvent>

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TMSTPPortInformationForm* MSTPPortInformationForm = nullptr;
TMSTPPortInformationEditForm* MSTPPortInformationEditForm = nullptr;
TRQ_DEFINE_FORM(TMSTPPortInformationForm, MSTPPortInformationForm)

namespace {

// The MSTP port information table, keyed by port and instance.
const VhSNMPObjectDesc PortInfoTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.5.1.1", "Master Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.2", "MSTP Instance ID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.3", "Designated Bridge", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.4", "Internal Path Cost", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.5", "Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.6", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &OtherDisabledDiscardingList},
    {"1.3.6.1.4.1.32473.12.15.2.5.1.7", "Role", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &DisableAlternateBackupList},
    {nullptr},
};
enum Column { Port, Instance, Bridge, PathCost, Priority, Status, Role };

} // namespace

TMSTPPortInformationForm::TMSTPPortInformationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    btnEdit->setEnabled(false);
    OnClick(btnRefresh, &TMSTPPortInformationForm::btnRefreshClick);
    OnClick(btnEdit, &TMSTPPortInformationForm::btnEditClick);
    OnClick(btnStop, &TMSTPPortInformationForm::btnStopClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvMSTPPortInfo, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { btnEditClick(); }); });
}

void TMSTPPortInformationForm::FormCreate()
{
    SetMessageTarget(memMsg);
    Editor = MakeEditor<TMSTPPortInformationEditForm>();
    MSTPPortInformationEditForm = Editor;
    Guarded([this] {
        Request = MakeRequest(PortInfoTable, MVT_UMV, 2);
        AttachList(Request, lvMSTPPortInfo, {{}, {btnEdit}});
        Request->AddControlsFmt(Port, "%i", Editor->edtPortIndex);
        Request->AddControlsFmt(Instance, "%s", Editor->edtIns);
        Request->AddControlsFmt(Bridge, "%s", Editor->edtBridge);
        Request->AddControlsFmt(PathCost, "%i{n0x200000000l9}", Editor->edtPathCost);
        Request->AddControlsFmt(Priority, "%i{n0x240l3}", Editor->edtPriority);
        Request->AddControl(Role, Editor->cbxRole);
        Request->AddControl(Status, Editor->cbxPortState);
        Read(Request);
    });
}

void TMSTPPortInformationForm::btnRefreshClick()
{
    Guarded([this] { Read(Request); });
    DisableRowButtons();
}

void TMSTPPortInformationForm::btnEditClick()
{
    if (SelectedRow(lvMSTPPortInfo) >= 0 && Editor) {
        Stop(Request);
        Editor->CaptionForEdit("Port MSTP Information(Edit): ");
        OpenEditor(Editor);
    }
    DisableRowButtons();
}

void TMSTPPortInformationForm::btnStopClick() { Stop(Request); }

TMSTPPortInformationEditForm::TMSTPPortInformationEditForm(TMSTPPortInformationForm* master)
    : TCompanionEditor(master), Table(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnEdit, &TMSTPPortInformationEditForm::btnEditClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TMSTPPortInformationEditForm::showEvent(QShowEvent* event)
{
    // Only the path cost and the priority are the user's to change.
    for (QWidget* control : std::initializer_list<QWidget*>{edtPortIndex, edtIns, edtBridge, cbxRole, cbxPortState})
        control->setEnabled(false);
    TCompanionEditor::showEvent(event);
}

void TMSTPPortInformationEditForm::btnEditClick()
{
    TWindowRequest* request = Table->Request;
    if (!request || !request->IsIdle())
        return;
    Table->Guarded([this, request] { Table->Write(request, true); });
    close();
}
