#include "l3mgmtwindows/bootctrltableformunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/newbootpctrlformunit.h"

TBOOTCtrlTableForm* BOOTCtrlTableForm = nullptr;
TRQ_DEFINE_FORM(TBOOTCtrlTableForm, BOOTCtrlTableForm)

namespace {

// The product MIB's BOOTP relay table; the instance is the interface name (length-prefixed)
// and the server's address.
const VhSNMPObjectDesc BootpRelayTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1.1", "Interface Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1.2", "DHCP Server IP", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1.3", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &InvalidValidList},
    {nullptr},
};

} // namespace

TBOOTCtrlTableForm::TBOOTCtrlTableForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TBOOTCtrlTableForm::RefreshBtnClick);
    OnClick(DeleteBtn, &TBOOTCtrlTableForm::DeleteBtnClick);
    OnClick(AddBtn, &TBOOTCtrlTableForm::AddBtnClick);
    OnClick(CloseBtn, &TBOOTCtrlTableForm::CloseBtnClick);
}

void TBOOTCtrlTableForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Editor = MakeEditor<TNewBootpCtrlForm>();
    NewBootpCtrlForm = Editor;
    DeleteBtn->setEnabled(false);
    Guarded(Request, [this] {
        Request = MakeRequest(BootpRelayTable, MVT_FMV, 2);
        AttachList(Request, ListView1, {{}, {DeleteBtn}}, &TBOOTCtrlTableForm::ListView1SelectItem);
        Request->AddControlsFmt(InterfaceName, "%s", Editor->Edit1);
        Request->AddControlsFmt(ServerIp, "%s", Editor->Edit2);
        Request->AddControl(State, ComboBox1);
        Request->OnEndOfRead = [this](const VhSNMPError&) {
            DeleteBtn->setEnabled(false);
        };
        Read(Request);
    });
}

void TBOOTCtrlTableForm::ListView1SelectItem()
{
    DeleteBtn->setEnabled(SelectedRow(ListView1) >= 0 && Request->IsIdle());
}

void TBOOTCtrlTableForm::RefreshBtnClick()
{
    Guarded(Request, [this] { Read(Request); });
}

void TBOOTCtrlTableForm::DeleteBtnClick()
{
    if (RefuseWhileBusy({Request}))
        return;
    // The selected row's keys, whatever the editor's edits hold.
    Guarded(Request, [this] { DeleteSelectedRow(*this, Request, State, ComboBox1, "invalid"); });
}

void TBOOTCtrlTableForm::AddBtnClick()
{
    if (!Editor)
        return;
    Guarded(Request, [this] {
        Editor->CaptionForAdd();
        OpenEditor(Editor);
    });
    if (Closing())
        return;
    // The edits now hold the added key, not a row's: nothing is left to delete until a row
    // is selected again.
    ListView1->clearSelection();
    DeleteBtn->setEnabled(false);
}

void TBOOTCtrlTableForm::CloseBtnClick() { close(); }
