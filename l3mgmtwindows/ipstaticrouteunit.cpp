#include "l3mgmtwindows/ipstaticrouteunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/listquery.h"
#include "dedicated/rowdelete.h"
#include "l3mgmtwindows/ipctrlunit.h"
#include "l3mgmtwindows/ipstaticrouteeditunit.h"

TIpStaticRouteForm* IpStaticRouteForm = nullptr;
TRQ_DEFINE_FORM(TIpStaticRouteForm, IpStaticRouteForm)

namespace {

// The product MIB's static route table; the instance is destination, mask, backup state
// and next hop, in this column order (Backup State, sub-identifier 4, before Next Hop, 3).
const VhSNMPObjectDesc StaticRouteTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.1", "Destination", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.2", "Mask", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.4", "Backup State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS,
     &PrimaryBackupList},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.3", "Next Hop", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.5", "Metric", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.5.1.6", "Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &RowStatusGoDestroyList},
    {nullptr},
};

} // namespace

TIpStaticRouteForm::TIpStaticRouteForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TIpStaticRouteForm::GetButtonClick);
    OnClick(AddButton, &TIpStaticRouteForm::AddButtonClick);
    OnClick(btnDefaultRoute, &TIpStaticRouteForm::btnDefaultRouteClick);
    OnClick(DeleteButton, &TIpStaticRouteForm::DeleteButtonClick);
}

void TIpStaticRouteForm::FormCreate()
{
    ListView2->hide();
    EditButton->hide();
    btnDefaultRoute->setEnabled(false);
    SetMessageTarget(Memo1);
    Editor = MakeEditor<TIpStaticRouteEditForm>();
    IpStaticRouteEditForm = Editor;
    Guarded([this] {
        RouteRequest = MakeRequest(StaticRouteTable, MVT_UMV, 4);
        AttachList(RouteRequest, ListView1, {}, &TIpStaticRouteForm::ListView1SelectItem);
        RouteRequest->AddControlsFmt(Destination, "%s{l16}", Editor->DesEdit);
        RouteRequest->AddControlsFmt(Mask, "%s{l16}", Editor->MaskEdit);
        RouteRequest->AddControl(BackupState, Editor->BakeupComboBox);
        RouteRequest->AddControlsFmt(NextHop, "%s{l16}", Editor->NextHopEdit);
        RouteRequest->AddControlsFmt(Metric, "%i{n1x65535l5}", Editor->MetricEdit);
        RouteRequest->AddControl(Status, Editor->StatusComboBox);
        RouteRequest->OnEndOfRead = [this](const VhSNMPError& error) {
            if (error.Code != 0) {
                btnDefaultRoute->setEnabled(false);
                return;
            }
            NoDefaultRoute = true;
            for (int row = 0; row < RowCountOf(ListView1); ++row)
                if (CellByTitle(ListView1, row, "Destination") == "0.0.0.0" &&
                    CellByTitle(ListView1, row, "Mask") == "0.0.0.0") {
                    NoDefaultRoute = false;
                    break;
                }
            btnDefaultRoute->setEnabled(NoDefaultRoute);
        };
        ShowRowCount(ListView1, StaticText1);
        Read(RouteRequest);
    });
    Guarded([this] {
        InterfaceRequest = MakeRequest(IpCtrlTable, MVT_UMV, 1, true);
        AttachList(InterfaceRequest, ListView2);
    });
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TIpStaticRouteForm::ListView1SelectItem()
{
    const bool selected = SelectedRow(ListView1) >= 0;
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
}

void TIpStaticRouteForm::ClearSelection()
{
    if (Closing())
        return;
    ListView1->clearSelection();
    EditButton->setEnabled(false);
    DeleteButton->setEnabled(false);
}

void TIpStaticRouteForm::GetButtonClick()
{
    Guarded([this] { Read(RouteRequest); });
    ClearSelection();
}

void TIpStaticRouteForm::AddButtonClick()
{
    if (!Idle({InterfaceRequest}))
        return;
    // The switch's subnets: their network and broadcast addresses are no next hop. A failed
    // read still opens the editor; the check then knows no subnet.
    Guarded([this] { Read(InterfaceRequest); });
    if (Closing())
        return;
    Guarded([this] {
        Editor->EditMode = TIpStaticRouteEditForm::AddMode;
        Editor->CaptionForAdd();
        OpenEditor(Editor);
    });
    ClearSelection();
}

void TIpStaticRouteForm::btnDefaultRouteClick()
{
    if (!Idle({InterfaceRequest}))
        return;
    // A failed read still opens the editor: its next-hop check then finds no interface.
    Guarded([this] { Read(InterfaceRequest); });
    if (Closing())
        return;
    Guarded([this] {
        Editor->EditMode = TIpStaticRouteEditForm::DefaultRouteMode;
        Editor->setWindowTitle(windowTitle() + " (Add Default Route)");
        OpenEditor(Editor);
    });
    ClearSelection();
}

void TIpStaticRouteForm::DeleteButtonClick()
{
    if (SelectedRow(ListView1) < 0) {
        ShowMessage("Choose the item first.");
    } else {
        if (RefuseWhileBusy({RouteRequest}))
            return;
        Guarded(RouteRequest, [this] { DeleteSelectedRow(*this, RouteRequest, Status, Editor->StatusComboBox); });
    }
    ClearSelection();
}
