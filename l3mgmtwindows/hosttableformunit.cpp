#include "l3mgmtwindows/hosttableformunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/listquery.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/hosttableformeditunit.h"

THostTableForm* HostTableForm = nullptr;
TRQ_DEFINE_FORM(THostTableForm, HostTableForm)

namespace {

// The product MIB's OSPF host table; the instance is the host's address and its type of
// service, both readable.
const VhSNMPObjectDesc HostTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.6.1.1", "IP Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.3.6.1.2", "Type Of Service", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.3.6.1.3", "Metric", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.6.1.4", "Area ID", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.6.1.5", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &RowStatusGoDestroyList},
    {nullptr},
};

} // namespace

THostTableForm::THostTableForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &THostTableForm::GetButtonClick);
    OnClick(EditButton, &THostTableForm::EditButtonClick);
    OnClick(AddButton, &THostTableForm::AddButtonClick);
    OnClick(DeleteButton, &THostTableForm::DeleteButtonClick);
    OnClick(CloseButton, &THostTableForm::CloseButtonClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { EditButtonClick(); }); });
}

void THostTableForm::FormCreate()
{
    StaticText1->setText("0");
    SetMessageTarget(Memo1);
    Editor = MakeEditor<THostTableEditForm>();
    HostTableEditForm = Editor;
    Guarded(Request, [this] {
        Request = MakeRequest(HostTable, MVT_UMV, 2);
        AttachList(Request, ListView1, {{}, {EditButton, DeleteButton}}, &THostTableForm::ListView1SelectItem);
        Request->AddControlsFmt(IpAddress, "%s{l16}", Editor->IpEdit);
        Request->AddControlsFmt(TypeOfService, "%u", Editor->TypeEdit);
        Request->AddControlsFmt(Metric, "%i{n1x65535l5}", Editor->MetricEdit);
        Request->AddControlsFmt(AreaId, "%s{l16}", Editor->AreaIdEdit);
        Request->AddControl(Status, Editor->StatusComboBox);
        ShowRowCount(ListView1, StaticText1);
        Read(Request);
    });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void THostTableForm::ListView1SelectItem()
{
    const bool selected = SelectedRow(ListView1) >= 0;
    EditButton->setEnabled(selected && Request->IsIdle());
    DeleteButton->setEnabled(selected && Request->IsIdle());
}

void THostTableForm::ClearSelection()
{
    if (Closing())
        return;
    ListView1->clearSelection();
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void THostTableForm::GetButtonClick()
{
    Guarded(Request, [this] { Read(Request); });
    ClearSelection();
}

void THostTableForm::EditButtonClick()
{
    if (!Editor || SelectedRow(ListView1) < 0)
        return;
    Guarded(Request, [this] {
        Editor->Mode = THostTableEditForm::EditMode;
        Editor->setWindowTitle(windowTitle());
        OpenEditor(Editor);
    });
    ClearSelection();
}

void THostTableForm::AddButtonClick()
{
    if (!Editor)
        return;
    Guarded(Request, [this] {
        Editor->Mode = THostTableEditForm::AddMode;
        Editor->CaptionForAdd();
        OpenEditor(Editor);
    });
    ClearSelection();
}

void THostTableForm::DeleteButtonClick()
{
    if (SelectedRow(ListView1) < 0) {
        ShowMessage("Choose the item first.");
    } else {
        if (RefuseWhileBusy({Request}))
            return;
        Guarded(Request, [this] { DeleteSelectedRow(*this, Request, Status, Editor->StatusComboBox); });
    }
    ClearSelection();
}

void THostTableForm::CloseButtonClick() { close(); }
