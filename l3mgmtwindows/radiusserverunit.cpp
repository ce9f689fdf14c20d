#include "l3mgmtwindows/radiusserverunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/radiusservereditunit.h"

TRadiusServerForm* RadiusServerForm = nullptr;
TRQ_DEFINE_FORM(TRadiusServerForm, RadiusServerForm)

namespace {

// The RADIUS server table, indexed by the server's index 1 to 3.
const VhSNMPObjectDesc RadiusServerTable[] = {
    {"1.3.6.1.4.1.32473.12.3.2.4.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS, &RadiusServerIndexList},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.2", "IP Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.3", "Key", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.4", "Authentication Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.5", "Accounting Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.3.2.4.1.6", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusGoDestroyList},
    {nullptr},
};

} // namespace

TRadiusServerForm::TRadiusServerForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TRadiusServerForm::GetButtonClick);
    OnClick(AddButton, &TRadiusServerForm::AddButtonClick);
    OnClick(EditButton, &TRadiusServerForm::EditButtonClick);
    OnClick(DeleteButton, &TRadiusServerForm::DeleteButtonClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { OpenEditor(); }); });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TRadiusServerForm::FormCreate()
{
    SetMessageTarget(Memo1);
    ShowRowCount(ListView1, StaticText1);
    Guarded([this] {
        Editor = MakeEditor<TRadiusServerEditForm>();
        RadiusServerEditForm = Editor;
        Request = MakeRequest(RadiusServerTable, MVT_UMV, 1);
        AttachList(Request, ListView1, {{}, {EditButton, DeleteButton}}, &TRadiusServerForm::ListView1SelectItem);
        Request->AddControl(Index, Editor->IndexComboBox);
        Request->AddControlsFmt(IpAddress, "%s{l16}", Editor->IpEdit);
        Request->AddControlsFmt(Key, "%s{l32}", Editor->KeyEdit);
        Request->AddControlsFmt(AuthPort, "%i{n1x65535l5}", Editor->PortIndexEdit);
        Request->AddControlsFmt(AcctPort, "%i{n1x65535l5}", Editor->AccountPortEdit);
        Request->AddControl(Status, Editor->StatusComboBox);
        Read(Request);
    });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TRadiusServerForm::ListView1SelectItem()
{
    const bool selected = SelectedRow(ListView1) >= 0;
    EditButton->setEnabled(selected && IsIdle());
    DeleteButton->setEnabled(selected && IsIdle());
}

void TRadiusServerForm::AfterEditorClosed()
{
    if (Closing())
        return;
    ListView1->clearSelection();
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TRadiusServerForm::GetButtonClick()
{
    Guarded(Request, [this] { Read(Request); });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TRadiusServerForm::OpenEditor()
{
    if (!Editor || SelectedRow(ListView1) < 0)
        return;
    Editor->EditMode = TRadiusServerEditForm::EditModeValue;
    Editor->setWindowTitle(windowTitle());
    Guarded(Request, [this] { TDedicatedForm::OpenEditor(Editor); });
    AfterEditorClosed();
}

void TRadiusServerForm::EditButtonClick() { OpenEditor(); }

void TRadiusServerForm::AddButtonClick()
{
    if (!Editor)
        return;
    Editor->EditMode = TRadiusServerEditForm::AddModeValue;
    Editor->CaptionForAdd();
    Guarded(Request, [this] { TDedicatedForm::OpenEditor(Editor); });
    AfterEditorClosed();
}

void TRadiusServerForm::DeleteButtonClick()
{
    if (SelectedRow(ListView1) < 0) {
        ShowMessage("Choose the item first.");
    } else {
        if (RefuseWhileBusy({Request}))
            return;
        Guarded(Request, [this] { DeleteSelectedRow(*this, Request, Status, Editor->StatusComboBox); });
    }
    AfterEditorClosed();
}
