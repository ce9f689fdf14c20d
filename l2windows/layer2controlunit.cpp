#include "l2windows/layer2controlunit.h"

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/windowhost.h"
#include "snmplib/defaults.h"
#include "snmplib/snmpinit.h"

TLayer2ControlForm* Layer2ControlForm = nullptr;
TRQ_DEFINE_FORM(TLayer2ControlForm, Layer2ControlForm)

namespace {

// The device-control scalars.
const VhSNMPObjectDesc StateTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.2", "IGMP Snooping State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.3", "Snooping Multicast Route Only State", SNMP_SYNTAX_INTEGER,
     SNMP_ACCESS_READWRITE, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4", "RMON State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.5", "Clean All Statistic Counter", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &NormalActiveList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.6", "VLAN ID Of FDB Table [1-4094]", SNMP_SYNTAX_INTEGER,
     SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.14.1", "Web State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.15.1", "Telnet State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {nullptr},
};

const VhSNMPObjectDesc WebPortTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.14.2", "Web Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

const VhSNMPObjectDesc TelnetPortTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.15.2", "Telnet Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

enum StateItem { Igmp, Snooping, Rmon, Clean, FdbVlan, WebState, TelnetState };

const char* const Enabled = "enabled";
const char* const Disabled = "disabled";

QString ValueText(QWidget* control)
{
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    return static_cast<QLineEdit*>(control)->text();
}

} // namespace

TLayer2ControlForm::TLayer2ControlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(GetButton, &TLayer2ControlForm::GetButtonClick);
    OnClick(SetButton, &TLayer2ControlForm::SetButtonClick);
    OnClick(CheckButton, &TLayer2ControlForm::CheckButtonClick);
    OnClick(ClearButton, &TLayer2ControlForm::ClearButtonClick);
    OnClick(CloseButton, &TLayer2ControlForm::CloseButtonClick);
    OnChange(WebStateComBo, &TLayer2ControlForm::WebStateComBoChange);
    OnChange(TelStateComBo, &TLayer2ControlForm::TelStateComBoChange);
}

TLayer2ControlForm::TServerRow TLayer2ControlForm::WebRow() const
{
    return {WebStateComBo, WebPortEdit, CheckBox7, WebPortRequest};
}

TLayer2ControlForm::TServerRow TLayer2ControlForm::TelnetRow() const
{
    return {TelStateComBo, TelPortEdit, CheckBox9, TelnetPortRequest};
}

void TLayer2ControlForm::FormCreate()
{
    SetMessageTarget(Memo1);
    StateRequest = MakeRequest(StateTable, SVT_SV, 0, true);
    WebPortRequest = MakeRequest(WebPortTable, SVT_SV, 0, true);
    TelnetPortRequest = MakeRequest(TelnetPortTable, SVT_SV, 0, true);
    StateRequest->AddControl(Igmp, IGMPComBo);
    StateRequest->AddControl(Snooping, SnoopingComBo);
    StateRequest->AddControl(Rmon, RmonComBo);
    StateRequest->AddControl(Clean, CleanComBo);
    StateRequest->AddControlsFmt(FdbVlan, "%i{n1x4094l4}", VlanEdit);
    StateRequest->AddControl(WebState, WebStateComBo);
    StateRequest->AddControl(TelnetState, TelStateComBo);
    for (QWidget* control : {static_cast<QWidget*>(CheckBox10), static_cast<QWidget*>(Label10),
                             static_cast<QWidget*>(SerialComBo)})
        control->hide();
    WebPortRequest->AddControlsFmt(0, "%i{n1x65535}", WebPortEdit);
    TelnetPortRequest->AddControlsFmt(0, "%i{n1x65535}", TelPortEdit);
    for (QComboBox* combo : {IGMPComBo, SnoopingComBo, RmonComBo, CleanComBo, WebStateComBo, TelStateComBo})
        combo->setCurrentIndex(-1);
    Guarded([this] { ReadAll(); });
}

void TLayer2ControlForm::FormClose()
{
    if (WindowHost())
        WindowHost()->RmonStateChanged();
}

bool TLayer2ControlForm::Ready() const
{
    return !Pausing && Idle({StateRequest, WebPortRequest, TelnetPortRequest});
}

// The states, then the port of each server that is enabled.
void TLayer2ControlForm::ReadAll()
{
    Read(StateRequest);
    FollowState(WebRow());
    FollowState(TelnetRow());
    for (const TServerRow& row : {WebRow(), TelnetRow()})
        if (row.State->currentText() == QLatin1String(Enabled))
            Read(row.Request);
}

// A disabled server's port is neither shown nor checked; an enabled one's may be.
void TLayer2ControlForm::FollowState(const TServerRow& row)
{
    const QString state = row.State->currentText();
    if (state == QLatin1String(Disabled)) {
        row.Port->clear();
        row.Port->setEnabled(false);
        row.PortBox->setChecked(false);
        row.PortBox->setEnabled(false);
    } else if (state == QLatin1String(Enabled)) {
        row.Port->setEnabled(true);
        row.PortBox->setEnabled(true);
    }
}

void TLayer2ControlForm::WebStateComBoChange() { FollowState(WebRow()); }
void TLayer2ControlForm::TelStateComBoChange() { FollowState(TelnetRow()); }

void TLayer2ControlForm::GetButtonClick()
{
    if (!Ready())
        return;
    Guarded([this] { ReadAll(); });
}

void TLayer2ControlForm::CheckRows(bool checked)
{
    for (QCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox8})
        box->setChecked(checked);
    for (QCheckBox* box : {CheckBox7, CheckBox9})
        if (box->isEnabled())
            box->setChecked(checked);
}

void TLayer2ControlForm::CheckButtonClick() { CheckRows(true); }
void TLayer2ControlForm::ClearButtonClick() { CheckRows(false); }
void TLayer2ControlForm::CloseButtonClick() { close(); }

void TLayer2ControlForm::SetButtonClick()
{
    if (!Ready())
        return;
    const std::pair<QCheckBox*, QWidget*> rows[] = {
        {CheckBox1, IGMPComBo},     {CheckBox2, SnoopingComBo}, {CheckBox3, RmonComBo},
        {CheckBox4, CleanComBo},    {CheckBox5, VlanEdit},      {CheckBox6, WebStateComBo},
        {CheckBox8, TelStateComBo}, {CheckBox7, WebPortEdit},   {CheckBox9, TelPortEdit},
    };
    for (const auto& [box, control] : rows) {
        if (box->isChecked() && ValueText(control).isEmpty()) {
            ShowMessage("Some Checked fields are empty.");
            if (control->isEnabled())
                control->setFocus();
            return;
        }
    }
    Guarded([this] {
        {
            const std::pair<QCheckBox*, int> items[] = {
                {CheckBox1, Igmp},  {CheckBox2, Snooping}, {CheckBox3, Rmon},        {CheckBox4, Clean},
                {CheckBox5, FdbVlan}, {CheckBox6, WebState}, {CheckBox8, TelnetState},
            };
            TColumnMask mask(StateRequest);
            bool any = false;
            for (const auto& [box, item] : items) {
                if (!box->isChecked())
                    mask.LeaveOut(item);
                any = any || box->isChecked();
            }
            if (any) {
                if (!Write(StateRequest, false))
                    return;
            } else {
                // No state is checked: the set, which would carry nothing, is refused (its
                // text goes to the memo) and the ports checked are still written below.
                Guarded([this] { Write(StateRequest, false); });
            }
        }
        Read(StateRequest);
        FollowState(WebRow());
        FollowState(TelnetRow());
        for (const TServerRow& row : {WebRow(), TelnetRow()}) {
            if (row.State->currentText() != QLatin1String(Enabled))
                continue;
            if (row.PortBox->isChecked())
                WritePort(row);
            else
                ReadPortTwice(row);
        }
    });
}

void TLayer2ControlForm::WritePort(const TServerRow& row)
{
    if (Write(row.Request, false))
        Read(row.Request);
}

// The switch may still be restarting the server it was told to enable: the port is read,
// and read again after a pause, during which the edit takes no input.
void TLayer2ControlForm::ReadPortTwice(const TServerRow& row)
{
    if (!Read(row.Request))
        return;
    row.Port->clear();
    row.Port->setReadOnly(true);
    const int pause = VhSNMPDefaults.Security.Version == 3 ? PortPauseV3Ms : PortPauseMs;
    Pausing = true;
    PumpWhile([this] { return !Closing(); }, pause);
    Pausing = false;
    row.Port->setReadOnly(false);
    Read(row.Request);
}
