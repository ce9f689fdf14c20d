#include "l2windows/unicastfilterinformationformunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TUnicastFilterInformationForm* UnicastFilterInformationForm = nullptr;
TRQ_DEFINE_FORM(TUnicastFilterInformationForm, UnicastFilterInformationForm)

namespace {

// dot1qStaticUnicastTable, index filtering database (the OID of dot1qFdbId), unicast MAC
// address and receive port.
const VhSNMPObjectDesc StaticUnicastTable[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.1.1.1", "Unicast Address", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.1.1.2", "Receive Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.17.7.1.3.1.1.3", "Ports Unicast Allowed To Go To", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.7.1.3.1.1.4", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &InvalidPermanentList},
    {nullptr},
};

enum Column { FdbId, UnicastMac, ReceivePort, AllowedPorts, State };

constexpr int InvalidItem = 0;

} // namespace

TUnicastFilterInformationForm::TUnicastFilterInformationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(RefreshBtn, &TUnicastFilterInformationForm::RefreshBtnClick);
    OnClick(DeleteBtn, &TUnicastFilterInformationForm::DeleteBtnClick);
    KeyPanel->hide();
}

void TUnicastFilterInformationForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Grids = new TPortGrids(this, {AllowPanel});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    if (Grids->Units.empty())
        ShowText("no device unit information");
    Request = MakeRequest(StaticUnicastTable, MVT_UMV, 3);
    AttachList(Request, LV_dot1qStaticUnicastEntry, {{}, {DeleteBtn}},
               &TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick);
    Request->AddControlsFmt(FdbId, "%i{n1x4094}", ED_UnicastVID);
    Request->AddControlsFmt(UnicastMac, "%h", UnicastAddress);
    Grids->Bind(Request, AllowedPorts, 0);
    Request->AddControl(State, UStatus);
    ShowRowCount(LV_dot1qStaticUnicastEntry, ST_Count);
    UStatus->setCurrentIndex(-1);
    DeleteBtn->setEnabled(false);
    Read(Request);
}

void TUnicastFilterInformationForm::ClearEditor()
{
    Grids->ClearPorts();
    ED_UnicastVID->clear();
    UnicastAddress->clear();
    UStatus->setCurrentIndex(-1);
}

void TUnicastFilterInformationForm::LV_dot1qStaticUnicastEntryClick()
{
    if (SelectedRow(LV_dot1qStaticUnicastEntry) < 0)
        ClearEditor();
}

void TUnicastFilterInformationForm::RefreshBtnClick()
{
    if (!Idle({Request}))
        return;
    DeleteBtn->setEnabled(false);
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded(Request, [this] { Read(Request); });
    ClearEditor();
}

void TUnicastFilterInformationForm::DeleteBtnClick()
{
    if (ED_UnicastVID->text().isEmpty() || UnicastAddress->text().isEmpty()) {
        MessageDlg("Please select which entry you want to delete.", mtWarning, mbOK);
        return;
    }
    UStatus->setCurrentIndex(InvalidItem);
    if (RefuseWhileBusy({Request}))
        return;
    Guarded(Request, [this] {
        // Writing invalid removes the entry; the allowed ports are never written with it.
        TColumnMask mask(Request);
        mask.LeaveOut(AllowedPorts);
        Write(Request, true, true);
    });
    ClearEditor();
    DeleteBtn->setEnabled(false);
    if (AwaitIdle(Request))
        RefreshBtnClick();
}
