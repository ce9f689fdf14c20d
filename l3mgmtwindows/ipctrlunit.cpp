#include "l3mgmtwindows/ipctrlunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/listquery.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/ipctrleditunit.h"

TIpCtrlForm* IpCtrlForm = nullptr;
TRQ_DEFINE_FORM(TIpCtrlForm, IpCtrlForm)

// The product MIB's IP interface table; the key is the interface's IP address.
const VhSNMPObjectDesc IpCtrlTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.1", "IP Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.2", "IF Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.3", "Interface Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.4", "Subnet Mask", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.5", "VLAN Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.6", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &ManualBootpDhcpList},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.7", "Secondary", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &TrueFalseList},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.8", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusNoWaitList},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.9", "Operational State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &UpDown23List},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.10", "Admin State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {nullptr},
};

namespace {

constexpr char SystemInterface[] = "System";

} // namespace

TIpCtrlForm::TIpCtrlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnRefresh, &TIpCtrlForm::btnRefreshClick);
    OnClick(btnAdd, &TIpCtrlForm::btnAddClick);
    OnClick(btnDel, &TIpCtrlForm::btnDelClick);
    OnClick(btnEdit, &TIpCtrlForm::btnEditClick);
    OnClick(btnStop, &TIpCtrlForm::btnStopClick);
    OnClick(btnClose, &TIpCtrlForm::btnCloseClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { btnEditClick(); }); });
    btnDel->setEnabled(false);
    btnRefresh->setEnabled(true);
    btnAdd->setEnabled(true);
    btnEdit->setEnabled(false);
}

void TIpCtrlForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(stbResult));
    Editor = MakeEditor<TIPCtrlEdtForm>();
    IPCtrlEdtForm = Editor;
    Guarded(Request, [this] {
        Request = MakeRequest(IpCtrlTable, MVT_UMV, 1);
        AttachList(Request, ListView1, {}, &TIpCtrlForm::ListView1SelectItem);
        Request->AddControlsFmt(IpAddress, "%s{l16}", Editor->edtIPAddr);
        Request->AddControlsFmt(IfIndex, "%i{n0x65535l5}", Editor->edtIndex);
        Request->AddControlsFmt(InterfaceName, "%s{l12}", Editor->edtInterface);
        Request->AddControlsFmt(SubnetMask, "%s{l16}", Editor->edtMask);
        Request->AddControlsFmt(VlanName, "%s{l32}", Editor->edtVlan);
        Request->AddControl(Mode, Editor->cbxMode);
        Request->AddControl(Secondary, Editor->cbxSecondary);
        Request->AddControl(State, Editor->cbxState);
        Request->AddControl(OperState, Editor->cbxOper);
        Request->AddControl(AdminState, Editor->cbxAdmin);
        Request->OnEndOfRead = [this](const VhSNMPError&) {
            btnAdd->setEnabled(true);
            btnDel->setEnabled(false);
        };
        Read(Request);
    });
}

void TIpCtrlForm::ListView1SelectItem()
{
    const int row = SelectedRow(ListView1);
    const bool selected = row >= 0;
    btnDel->setEnabled(selected && CellByTitle(ListView1, row, "Interface Name") != SystemInterface);
    btnAdd->setEnabled(!selected);
    btnEdit->setEnabled(selected);
}

void TIpCtrlForm::btnRefreshClick()
{
    Guarded(Request, [this] { Read(Request); });
}

void TIpCtrlForm::btnStopClick() { Stop(Request); }

void TIpCtrlForm::btnCloseClick() { close(); }

void TIpCtrlForm::btnAddClick()
{
    if (!Editor || RefuseWhileBusy({Request}))
        return;
    Editor->setWindowTitle(DedicatedCaption("IP Control Table(Add): "));
    Editor->SetEditMode(TIPCtrlEdtForm::AddMode);
    OpenEditor(Editor);
}

void TIpCtrlForm::btnEditClick()
{
    if (!Editor || SelectedRow(ListView1) < 0)
        return;
    Editor->SetEditMode(TIPCtrlEdtForm::EditMode);
    Editor->setWindowTitle(DedicatedCaption("IP Control Table(Edit): "));
    Guarded(Request, [this] { OpenEditor(Editor); });
    AfterEditorClosed();
}

void TIpCtrlForm::AfterEditorClosed()
{
    if (Closing())
        return;
    ListView1->clearSelection();
    btnEdit->setEnabled(false);
    btnDel->setEnabled(false);
}

bool TIpCtrlForm::CanDeleteSelected()
{
    const int row = SelectedRow(ListView1);
    if (RowCountOf(ListView1) == 0 || row < 0)
        return false;
    if (CellByTitle(ListView1, row, "Interface Name") == SystemInterface) {
        ShowMessage("The system IP interface can't be deleted.");
        return false;
    }
    if (CellByTitle(ListView1, row, "Secondary") != "false")
        return true;
    const std::string vlan = CellByTitle(ListView1, row, "VLAN Name");
    for (int other = 0; other < RowCountOf(ListView1); ++other)
        if (other != row && CellByTitle(ListView1, other, "VLAN Name") == vlan) {
            ShowMessage("The secondary interface must be deleted first!");
            return false;
        }
    return true;
}

void TIpCtrlForm::btnDelClick()
{
    if (!Request || SelectedRow(ListView1) < 0)
        return;
    // The rules read the whole table: not while it is being read.
    if (RefuseWhileBusy({Request}) || !CanDeleteSelected())
        return;
    Guarded(Request, [this] { DeleteSelectedRow(*this, Request, State, Editor->cbxState); });
    btnDel->setEnabled(false);
    btnEdit->setEnabled(false);
}
