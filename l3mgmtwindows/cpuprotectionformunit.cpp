#include "l3mgmtwindows/cpuprotectionformunit.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/numbertext.h"

TCPUProtectionForm* CPUProtectionForm = nullptr;
TRQ_DEFINE_FORM(TCPUProtectionForm, CPUProtectionForm)

namespace {

const VhSNMPObjectDesc CpuProtectionTable[] = {
    {"1.3.6.1.4.1.32473.12.19.1.1", "Kestrivel Engine State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.19.2.1", "Rising Threshold", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.19.2.2", "Falling Threshold", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.19.2.3", "Mode", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &StrictFuzzyList},
    {"1.3.6.1.4.1.32473.12.19.2.4", "Alarm State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.19.2.5", "Current State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &NormalExhaustedList},
    {nullptr},
};
enum Item { State, Rising, Falling, Mode, Alarm, CurrentState };

constexpr int NoneMissing = -1;
constexpr int NoneTicked = -2;

int32_t IntOf(const QLineEdit* edit) { return static_cast<int32_t>(TextToInt(edit->text().toStdString(), 0)); }

} // namespace

TCPUProtectionForm::TCPUProtectionForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnGet, &TCPUProtectionForm::btnGetClick);
    OnClick(btnSet, &TCPUProtectionForm::btnSetClick);
    OnClick(btnCheckAll, &TCPUProtectionForm::btnCheckAllClick);
    OnClick(btnClearCheck, &TCPUProtectionForm::btnClearCheckClick);
    OnClick(btnClose, &TCPUProtectionForm::btnCloseClick);
    for (QCheckBox* box : Boxes())
        OnClick(box, &TCPUProtectionForm::ChangeSetState);
}

std::vector<QCheckBox*> TCPUProtectionForm::Boxes() const
{
    return {ckCpuProtectionState, ckRising, ckFalling, ckMode, ckAlarm};
}

void TCPUProtectionForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(stbStatus));
    Guarded([this] {
        Request = MakeRequest(CpuProtectionTable, SVT_SV, 0, true);
        Request->AddControl(State, cbxCPUProtectionState);
        Request->AddControlsFmt(Rising, "%i{n20x100l3}", edtRising);
        Request->AddControlsFmt(Falling, "%i{n20x100l3}", edtFalling);
        Request->AddControl(Mode, cbxMode);
        Request->AddControl(Alarm, cbxAlarm);
        Request->AddControlsFmt(CurrentState, "%s", edtCurrentState);
    });
    ReadGroup();
}

void TCPUProtectionForm::ReadGroup()
{
    Guarded([this] { Read(Request); });
    LastRising = IntOf(edtRising);
    LastFalling = IntOf(edtFalling);
}

void TCPUProtectionForm::btnGetClick()
{
    if (Idle({Request}))
        ReadGroup();
}

void TCPUProtectionForm::ChangeSetState()
{
    bool any = false;
    for (const QCheckBox* box : Boxes())
        any = any || box->isChecked();
    btnSet->setEnabled(any);
}

void TCPUProtectionForm::btnCheckAllClick()
{
    for (QCheckBox* box : Boxes())
        box->setChecked(true);
    ChangeSetState();
}

void TCPUProtectionForm::btnClearCheckClick()
{
    for (QCheckBox* box : Boxes())
        box->setChecked(false);
    ChangeSetState();
}

void TCPUProtectionForm::btnCloseClick() { close(); }

int TCPUProtectionForm::FindMissingField() const
{
    bool ticked = false;
    int missing = NoneMissing;
    const auto test = [&](const QCheckBox* box, bool empty, int field) {
        if (!box->isChecked())
            return;
        ticked = true;
        if (empty)
            missing = field;
    };
    test(ckCpuProtectionState, cbxCPUProtectionState->currentIndex() < 0, State);
    test(ckRising, edtRising->text().isEmpty(), Rising);
    test(ckFalling, edtFalling->text().isEmpty(), Falling);
    test(ckAlarm, cbxAlarm->currentIndex() < 0, Alarm);
    test(ckMode, cbxMode->currentIndex() < 0, Mode);
    return ticked ? missing : NoneTicked;
}

bool TCPUProtectionForm::CheckInput()
{
    switch (FindMissingField()) {
    case NoneTicked: return false;
    case State: ShowMessage("Please choose CPU Protection State"); return false;
    case Rising: ShowMessage("Please input Rising Threshold"); return false;
    case Falling: ShowMessage("Please input Falling Threshold"); return false;
    case Mode: ShowMessage("Please choose Mode"); return false;
    case Alarm: ShowMessage("Please choose Alarm State"); return false;
    default: break;
    }
    if (ckRising->isChecked() || ckFalling->isChecked())
        return CheckThresholds();
    return true;
}

bool TCPUProtectionForm::CheckThresholds()
{
    const int32_t rising = ckRising->isChecked() ? IntOf(edtRising) : LastRising;
    const int32_t falling = ckFalling->isChecked() ? IntOf(edtFalling) : LastFalling;
    const char* message = nullptr;
    if (rising == 0)
        message = "Input valid Rising Threshold";
    else if (falling == 0)
        message = "Input valid Falling Threshold";
    else if (falling >= rising)
        message = "Falling Threshold should be less than Rising Threshold";
    if (!message)
        return true;
    ShowMessage(message);
    return false;
}

void TCPUProtectionForm::btnSetClick()
{
    if (!CheckInput() || !Idle({Request}))
        return;
    bool written = false;
    Guarded([this, &written] {
        // Only the ticked fields; the words come back on every path.
        TColumnMask mask(Request);
        const std::vector<QCheckBox*> boxes = Boxes();
        for (int column = State; column <= Alarm; ++column)
            if (!boxes[static_cast<std::size_t>(column)]->isChecked())
                mask.LeaveOut(column);
        mask.LeaveOut(CurrentState);
        written = Write(Request, false);
    });
    // The group is read again after the set's reply. A refused set keeps its text in
    // panel 0 and what the user entered: the switch changed nothing.
    if (written && !Closing())
        ReadGroup();
}
