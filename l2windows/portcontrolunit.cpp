#include "l2windows/portcontrolunit.h"

#include "dedicated/formregistration.h"
#include "configwin/optionlists.h"
#include "classlib/dialogs.h"

TPortControlForm* PortControlForm = nullptr;
TRQ_DEFINE_FORM(TPortControlForm, PortControlForm)

namespace {

// The port control table, walked together with the port number of the port information
// table; every column's instance is the port number.
const VhSNMPObjectDesc PortControlTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.1", "Port Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.2", "Unit Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.3", "Admin State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.4", "Nway State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &NwaySpeedList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.5", "Flow Control State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.6", "Lock State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {nullptr},
};

} // namespace

TPortControlForm::TPortControlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TPortControlForm::GetButtonClick);
    OnClick(SetButton, &TPortControlForm::SetButtonClick);
    OnClick(btnStop, &TPortControlForm::btnStopClick);
}

void TPortControlForm::FormCreate()
{
    SetMessageTarget(StatusBar1);
    Request = MakeRequest(PortControlTable, MVT_UMV, 1);
    AttachList(Request, ListView1, {{}, {SetButton}}, &TPortControlForm::ListView1Click);
    Request->AddControlsFmt(0, "%i", PortIndexEdit);
    Request->AddControlsFmt(1, "%s", PortNumEdit);
    Request->AddControlsFmt(2, "%i", UnitIndexEdit);
    Request->AddControl(3, AdminComboBox);
    Request->AddControl(4, NwayComboBox);
    Request->AddControl(5, FlowComboBox);
    Request->AddControl(6, LockComboBox);
    ShowRowCount(ListView1, StaticText1);
    Request->OnEndOfRead = [this](const VhSNMPError&) { SetButton->setEnabled(false); };
    for (QLineEdit* edit : {PortIndexEdit, PortNumEdit, UnitIndexEdit})
        edit->clear();
    for (QComboBox* combo : {AdminComboBox, NwayComboBox, FlowComboBox, LockComboBox})
        combo->setCurrentIndex(-1);
    SetButton->setEnabled(false);
    Read(Request);
}

void TPortControlForm::FormActivate()
{
    for (QLineEdit* edit : {PortIndexEdit, PortNumEdit, UnitIndexEdit})
        edit->setEnabled(false);
    if (GetButton->isEnabled())
        GetButton->setFocus();
}

void TPortControlForm::ListView1Click()
{
    // The row is in the controls already; the port's identity is not for editing.
    for (QLineEdit* edit : {PortIndexEdit, PortNumEdit, UnitIndexEdit})
        edit->setEnabled(false);
    if (SelectedRow(ListView1) >= 0)
        return;
    for (QLineEdit* edit : {PortIndexEdit, UnitIndexEdit, PortNumEdit})
        edit->clear();
}

void TPortControlForm::GetButtonClick() { Read(Request); }

void TPortControlForm::SetButtonClick()
{
    if (!Idle({Request}))
        return;
    if (PortIndexEdit->text().isEmpty()) {
        ShowMessage("Port Index can not be empty!");
        return;
    }
    Write(Request, true);
    SetButton->setEnabled(false);
}

void TPortControlForm::btnStopClick() { Stop(Request); }
