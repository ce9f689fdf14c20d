#include "l2windows/mstpportstateunit.h"

#include <QShowEvent>

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TMSTPPortStateForm* MSTPPortStateForm = nullptr;
TMSTPPortStateEditForm* MSTPPortStateEditForm = nullptr;
TRQ_DEFINE_FORM(TMSTPPortStateForm, MSTPPortStateForm)

namespace {

const VhSNMPObjectDesc VersionTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &StpRstpMstpList},
    {nullptr},
};

// The MSTP port table, keyed by the port, with the port's name.
const VhSNMPObjectDesc PortTable[] = {
    {"1.3.6.1.4.1.32473.12.15.2.4.1.1", "MSTP Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.2", "Administrate HelloTime", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.3", "Operate HelloTime", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.4", "MSTP Port Enable", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.5", "MSTP Port External Path Cost", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.6", "MSTP Port Migration", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.7", "MSTP Port Admin Edge Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.8", "MSTP Port Oper Edge Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.9", "MSTP Port Admin P2P", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &TrueFalseAutoList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.10", "MSTP Port Oper P2P", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &TrueFalseAutoList},
    {"1.3.6.1.4.1.32473.12.15.2.4.1.11", "MSTP Port Loopback Detection", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &TrueFalseList},
    {nullptr},
};
enum Column {
    Port, Number, AdminHello, OperHello, Enable, ExtPathCost, Migration, AdminEdge, OperEdge, AdminP2P, OperP2P,
    Loopback
};

} // namespace

TMSTPPortStateForm::TMSTPPortStateForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    btnEdit->setEnabled(false);
    OnClick(btnRefresh, &TMSTPPortStateForm::btnRefreshClick);
    OnClick(btnEdit, &TMSTPPortStateForm::btnEditClick);
    OnClick(btnStop, &TMSTPPortStateForm::btnStopClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(lvMSTPPortState, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { btnEditClick(); }); });
}

void TMSTPPortStateForm::FormCreate()
{
    SetMessageTarget(memMsg);
    Editor = MakeEditor<TMSTPPortStateEditForm>();
    MSTPPortStateEditForm = Editor;
    Guarded([this] {
        VersionRequest = MakeRequest(VersionTable, SVT_SV, 0, true);
        VersionRequest->AddControl(0, lblSTPVersion);
        PortRequest = MakeRequest(PortTable, MVT_UMV, 1);
        AttachList(PortRequest, lvMSTPPortState, {{}, {btnEdit}});
        PortRequest->AddControlsFmt(Port, "%u", Editor->edtPortIndex);
        PortRequest->AddControlsFmt(Number, "%s", Editor->edtPortNumber);
        PortRequest->AddControlsFmt(AdminHello, "%u", Editor->edtAdminHelloTime);
        PortRequest->AddControlsFmt(OperHello, "%u", Editor->edtOperHelloTime);
        PortRequest->AddControl(Enable, Editor->cbxPortEnable);
        PortRequest->AddControlsFmt(ExtPathCost, "%u", Editor->edtExtPathCost);
        PortRequest->AddControl(Migration, Editor->cbxMigration);
        PortRequest->AddControl(AdminEdge, Editor->cbxAdminEdgePort);
        PortRequest->AddControl(OperEdge, Editor->cbxOperEdgePort);
        PortRequest->AddControl(AdminP2P, Editor->cbxAdminP2P);
        PortRequest->AddControl(OperP2P, Editor->cbxOperP2P);
        PortRequest->AddControl(Loopback, Editor->cbxSTPlbd);
    });
    Guarded([this] { Read(VersionRequest); });
    Guarded([this] { Read(PortRequest); });
}

void TMSTPPortStateForm::btnRefreshClick()
{
    Guarded([this] { Read(VersionRequest); });
    Guarded([this] { Read(PortRequest); });
}

void TMSTPPortStateForm::btnEditClick()
{
    if (SelectedRow(lvMSTPPortState) >= 0 && Editor) {
        Stop(PortRequest);
        Editor->CaptionForEdit("Port State Information(Edit): ");
        OpenEditor(Editor);
    }
    DisableRowButtons();
    Guarded([this] { Read(VersionRequest); });
}

void TMSTPPortStateForm::btnStopClick() { Stop(PortRequest); }

TMSTPPortStateEditForm::TMSTPPortStateEditForm(TMSTPPortStateForm* master) : TCompanionEditor(master), Table(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnEdit, &TMSTPPortStateEditForm::btnEditClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TMSTPPortStateEditForm::showEvent(QShowEvent* event)
{
    // The key and the operational values are the switch's.
    for (QWidget* control : std::initializer_list<QWidget*>{edtPortIndex, edtPortNumber, edtOperHelloTime,
                                                             cbxOperEdgePort, cbxOperP2P})
        control->setEnabled(false);
    TCompanionEditor::showEvent(event);
}

void TMSTPPortStateEditForm::btnEditClick()
{
    TWindowRequest* request = Table->PortRequest;
    if (!request || !request->IsIdle())
        return;
    const QString version = Table->lblSTPVersion->text();
    bool sent = false;
    Table->Guarded([this, request, &version, &sent] {
        if (version == "stp" || version == "rstp") {
            // A port's hello time is the switch's own under STP and RSTP.
            {
                TColumnMask mask(request);
                mask.LeaveOut({AdminHello});
                sent = Table->Write(request, false);
            }
            // The table is read again once the set has its reply, and only after a success.
            if (sent && Table->AwaitIdle(request) && request->LastWrite.Code == 0)
                Table->Read(request);
        } else {
            sent = Table->Write(request, true);
        }
    });
    // A refused write leaves the editor open with what the user typed.
    if (sent)
        close();
}
