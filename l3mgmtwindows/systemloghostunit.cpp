#include "l3mgmtwindows/systemloghostunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/loghosteditunit.h"

TSystemLogHostForm* SystemLogHostForm = nullptr;
TRQ_DEFINE_FORM(TSystemLogHostForm, SystemLogHostForm)

namespace {

// The syslog server table, indexed by the server index 1 to 4.
const VhSNMPObjectDesc SysLogServerTable[] = {
    {"1.3.6.1.4.1.32473.12.12.2.1.1", "System Log Server Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &SysLogServerIndexList},
    {"1.3.6.1.4.1.32473.12.12.2.1.2", "Server Facility", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &Local0Local1Local2List},
    {"1.3.6.1.4.1.32473.12.12.2.1.3", "Server Severity", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &AllWarningInformationalList},
    {"1.3.6.1.4.1.32473.12.12.2.1.4", "Server UDP Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.12.2.1.5", "Server IP Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.12.2.1.6", "Server State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.12.2.1.7", "Server Row Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &RowStatusGoDestroyList},
    {nullptr},
};

} // namespace

TSystemLogHostForm::TSystemLogHostForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TSystemLogHostForm::GetButtonClick);
    OnClick(EditButton, &TSystemLogHostForm::EditButtonClick);
    OnClick(AddButton, &TSystemLogHostForm::AddButtonClick);
    OnClick(DeleteButton, &TSystemLogHostForm::DeleteButtonClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { EditButtonClick(); }); });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TSystemLogHostForm::FormCreate()
{
    StaticText1->setText("0");
    SetMessageTarget(Memo1);
    Editor = MakeEditor<TLogHostEditForm>();
    LogHostEditForm = Editor;
    Guarded(Request, [this] {
        Request = MakeRequest(SysLogServerTable, MVT_UMV, 1);
        AttachList(Request, ListView1, {{}, {EditButton, DeleteButton}}, &TSystemLogHostForm::ListView1SelectItem);
        ShowRowCount(ListView1, StaticText1);
        Request->AddControl(ServerIndex, Editor->cbxIndex);
        Request->AddControl(Facility, Editor->FacComboBox);
        Request->AddControl(Severity, Editor->SevComboBox);
        Request->AddControlsFmt(UdpPort, "%i{l5}", Editor->PortEdit);
        Request->AddControlsFmt(IpAddress, "%s{l16}", Editor->IPAddrEdit);
        Request->AddControl(State, Editor->StateComboBox);
        Request->AddControl(RowStatus, Editor->RowComboBox);
        Read(Request);
    });
    DisableRowButtons();
}

void TSystemLogHostForm::FormActivate() { SetCaption("System Log Host: "); }

void TSystemLogHostForm::ListView1SelectItem()
{
    const bool selected = SelectedRow(ListView1) >= 0;
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TSystemLogHostForm::GetButtonClick()
{
    if (!Idle({Request}))
        return;
    Guarded(Request, [this] { Read(Request); });
    DisableRowButtons();
}

void TSystemLogHostForm::EditButtonClick()
{
    if (!Editor || SelectedRow(ListView1) < 0)
        return;
    Editor->mode = TLogHostEditForm::EditMode;
    Guarded(Request, [this] { OpenEditor(Editor); });
}

void TSystemLogHostForm::AddButtonClick()
{
    if (!Editor)
        return;
    Editor->mode = TLogHostEditForm::AddMode;
    Guarded(Request, [this] { OpenEditor(Editor); });
    if (!Closing())
        DisableRowButtons();
}

void TSystemLogHostForm::DeleteButtonClick()
{
    if (SelectedRow(ListView1) < 0) {
        ShowMessage("Choose the item first.");
        DisableRowButtons();
        return;
    }
    if (RefuseWhileBusy({Request}))
        return;
    // The row status alone (destroy) for the selected server; read again after the reply.
    Guarded(Request, [this] { DeleteSelectedRow(*this, Request, RowStatus, Editor->RowComboBox); });
    DisableRowButtons();
}
