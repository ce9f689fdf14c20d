#include "l3mgmtwindows/tacacsservercontrolunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/ipv4text.h"

TAAASrvCtrlForm* AAASrvCtrlForm = nullptr;
TRQ_DEFINE_FORM(TAAASrvCtrlForm, AAASrvCtrlForm)

namespace {

// The server group membership table, indexed by the group name (length, then its
// characters), the server's address and its protocol.
const VhSNMPObjectDesc ServerGroupMemberTable[] = {
    {"1.3.6.1.4.1.32473.12.5.12.1.1", "Server Group Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.5.12.1.2", "Server IP Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.5.12.1.3", "Server Authentication Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &AuthServerType4List},
    {"1.3.6.1.4.1.32473.12.5.12.1.4", "Server Row State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &AddDeleteList},
    {nullptr},
};

} // namespace

TAAASrvCtrlForm::TAAASrvCtrlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    lvOper->hide();
    OnClick(btnSet, &TAAASrvCtrlForm::btnSetClick);
    OnClick(btnClose, &TAAASrvCtrlForm::btnCloseClick);
}

void TAAASrvCtrlForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(stbResult));
    Guarded([this] {
        Request = MakeRequest(ServerGroupMemberTable, MVT_UMV, 3);
        AttachList(Request, lvOper);
        Request->AddControlsFmt(GroupName, "%s{l15}", edtSrvGrpName);
        Request->AddControlsFmt(ServerIp, "%s{l16}", edtSrvIP);
        Request->AddControl(Protocol, cbxAuthPtcl);
        Request->AddControl(RowState, cbxOper);
        // The user chooses the protocol and the operation.
        cbxAuthPtcl->setCurrentIndex(-1);
        cbxOper->setCurrentIndex(-1);
        Read(Request);
    });
}

void TAAASrvCtrlForm::btnCloseClick() { close(); }

void TAAASrvCtrlForm::btnSetClick()
{
    if (!Request)
        return;
    if (edtSrvGrpName->text().isEmpty()) {
        ShowMessage("Please input Server Group Name.");
        return;
    }
    if (edtSrvIP->text().isEmpty()) {
        ShowMessage("Please input Server IP Address.");
        return;
    }
    if (cbxAuthPtcl->currentIndex() < 0) {
        ShowMessage("Please choose Server Authentication Protocol.");
        return;
    }
    if (cbxOper->currentIndex() < 0) {
        ShowMessage("Please choose Operate.");
        return;
    }
    // The address becomes part of the row's instance: only a dotted quad, and a server is
    // a host (ipv4text.h).
    const std::optional<uint32_t> address = ParseIpv4(edtSrvIP->text().toStdString());
    if (!address || !IsHostAddress(*address)) {
        ShowMessage("Please input a valid Server IP Address.");
        edtSrvIP->setFocus();
        return;
    }
    if (RefuseWhileBusy({Request}))
        return;
    edtSrvIP->setText(QString::fromStdString(FormatIpv4(*address)));
    Write(Request, false);
}
