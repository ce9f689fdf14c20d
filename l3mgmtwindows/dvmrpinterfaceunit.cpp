#include "l3mgmtwindows/dvmrpinterfaceunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "l3mgmtwindows/dvmrpinterfaceedit.h"

TDvmrpInterfaceForm* DvmrpInterfaceForm = nullptr;
TRQ_DEFINE_FORM(TDvmrpInterfaceForm, DvmrpInterfaceForm)

namespace {

// The product MIB's DVMRP interface table; the instance is the interface index.
const VhSNMPObjectDesc DvmrpInterfaceTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.1", "Interface Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.2", "Local Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.3", "Metric", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.4", "Probe", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.5", "Neighbor Timeout", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.6", "State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &ActiveNotInServiceList},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.7", "Bad Packets Received", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.3.9.1.8", "Bad Routes Received", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {nullptr},
};

} // namespace

TDvmrpInterfaceForm::TDvmrpInterfaceForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TDvmrpInterfaceForm::GetButtonClick);
    OnClick(ButtonEdit, &TDvmrpInterfaceForm::ButtonEditClick);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] { RunHandler([this] { ButtonEditClick(); }); });
    ButtonEdit->setEnabled(false);
}

void TDvmrpInterfaceForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Editor = MakeEditor<TDvrmpInterfaceEditForm>();
    DvrmpInterfaceEditForm = Editor;
    Guarded(Request, [this] {
        Request = MakeRequest(DvmrpInterfaceTable, MVT_UMV, 1);
        AttachList(Request, ListView1, {{}, {ButtonEdit}}, &TDvmrpInterfaceForm::ListView1SelectItem);
        Request->AddControlsFmt(InterfaceIndex, "%i", Editor->InterfaceIndexEdit);
        Request->AddControlsFmt(LocalAddress, "%s{l16}", Editor->AddressEdit);
        Request->AddControlsFmt(Metric, "%i{n1x31l2}", Editor->MetricEdit);
        Request->AddControlsFmt(Probe, "%i{n1x65535l5}", Editor->ProbeEdit);
        Request->AddControlsFmt(NeighborTimeout, "%i{n1x65535l5}", Editor->TimeoutEdit);
        Request->AddControl(State, Editor->StateComboBox);
        Request->AddControlsFmt(BadPackets, "%i", Editor->BadPacketsEdit);
        Request->AddControlsFmt(BadRoutes, "%i", Editor->BadRoutesEdit);
        ShowRowCount(ListView1, StaticText1);
        Read(Request);
    });
}

void TDvmrpInterfaceForm::ListView1SelectItem()
{
    ButtonEdit->setEnabled(SelectedRow(ListView1) >= 0 && Request->IsIdle());
}

void TDvmrpInterfaceForm::GetButtonClick()
{
    Guarded(Request, [this] { Read(Request); });
    ButtonEdit->setEnabled(false);
}

void TDvmrpInterfaceForm::ButtonEditClick()
{
    if (!Request || !Editor || SelectedRow(ListView1) < 0)
        return;
    Guarded(Request, [this] {
        Editor->CaptionForEdit("DVRMP Interface Edit: ");
        OpenEditor(Editor);
    });
}
