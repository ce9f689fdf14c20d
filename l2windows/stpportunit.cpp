#include "l2windows/stpportunit.h"

#include <QShowEvent>

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TSTPPortForm* STPPortForm = nullptr;
TSTPPortEditForm* STPPortEditForm = nullptr;
TRQ_DEFINE_FORM(TSTPPortForm, STPPortForm)

namespace {

// BRIDGE-MIB dot1dStpPortTable and its RSTP extension, with the port's name and the
// product's path cost; keyed by the port index.
const VhSNMPObjectDesc StpPortTable[] = {
    {"1.3.6.1.2.1.17.2.15.1.1", "Port Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.2.15.1.4", "State  ", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6", "PathCost", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.2.15.1.2", "Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.2.19.1.2", "Edge", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &TrueFalseList},
    {"1.3.6.1.2.1.17.2.19.1.4", "Point To Point", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &ForceTrueForceFalseAutoList},
    {"1.3.6.1.2.1.17.2.15.1.3", "Status        ", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &StpPortStateList},
    {"1.3.6.1.2.1.17.2.19.1.1", "Migration", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &TrueFalseList},
    {nullptr},
};
enum Column { Index, Number, State, PathCost, Priority, Edge, PointToPoint, Status, Migration };

} // namespace

TSTPPortForm::TSTPPortForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    EditButton->setEnabled(false);
    OnClick(EditButton, &TSTPPortForm::EditButtonClick);
    OnClick(RefreshButton, &TSTPPortForm::RefreshButtonClick);
    OnClick(StopButton, &TSTPPortForm::StopButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { EditButtonClick(); }); });
}

void TSTPPortForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Editor = MakeEditor<TSTPPortEditForm>();
    STPPortEditForm = Editor;
    Guarded([this] {
        Request = MakeRequest(StpPortTable, MVT_UMV, 1);
        // Edit follows the selection, and is enabled only while the request is idle.
        AttachList(Request, ListView1, {{}, {EditButton}});
        Request->AddControlsFmt(Index, "%i", Editor->PortIndex);
        Request->AddControlsFmt(Number, "%s", Editor->PortNumber);
        Request->AddControl(State, Editor->ComboBoxState);
        Request->AddControlsFmt(PathCost, "%u", Editor->PathCost);
        Request->AddControlsFmt(Priority, "%u", Editor->Priority);
        Request->AddControl(Edge, Editor->ComboBoxEdge);
        Request->AddControl(PointToPoint, Editor->ComboBoxP2P);
        Request->AddControl(Status, Editor->ComboBoxStatus);
        Request->AddControl(Migration, Editor->ComboBoxMigration);
        Read(Request);
    });
}

void TSTPPortForm::EditButtonClick()
{
    if (SelectedRow(ListView1) >= 0 && Editor)
        OpenEditor(Editor);
    DisableRowButtons();
}

void TSTPPortForm::RefreshButtonClick()
{
    Guarded([this] { Read(Request); });
}

void TSTPPortForm::StopButtonClick() { Stop(Request); }

TSTPPortEditForm::TSTPPortEditForm(TSTPPortForm* master) : TCompanionEditor(master), Table(master)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(SetButton, &TSTPPortEditForm::SetButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TSTPPortEditForm::showEvent(QShowEvent* event)
{
    // The key and the port's name are not the user's to change.
    PortIndex->setEnabled(false);
    PortNumber->setEnabled(false);
    TCompanionEditor::showEvent(event);
}

void TSTPPortEditForm::SetButtonClick()
{
    if (!Table->Request || Table->RefuseWhileBusy({Table->Request}))
        return;
    Table->Write(Table->Request, true);
}
