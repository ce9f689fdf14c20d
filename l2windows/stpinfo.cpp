#include "l2windows/stpinfo.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "platform/sysutils.h"

TSTP_Info* STP_Info = nullptr;
TRQ_DEFINE_FORM(TSTP_Info, STP_Info)

namespace {

// The switch's spanning tree settings (timers in hundredths of a second).
const VhSNMPObjectDesc StpTable[] = {
    {"1.3.6.1.4.1.32473.12.15.1.2", "STP Version", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &StpRstpMstpList},
    {"1.3.6.1.4.1.32473.12.15.1.4", "Hello Time[100-1000]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.1.5", "Forward Delay[400-3000]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.1.3", "Max Age[600-4000]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.1.6", "Max Hops[1-20]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.1.7", "TX Hold Count[1-10]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.15.1.8", "Forwarding BPDU", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.15.1.9", "Loopback Detection", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.15.1.10", "Recover Time[0,60-1000000]", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};
enum Item { Version, HelloTime, ForwardDelay, MaxAge, MaxHops, TxHoldCount, ForwardBpdu, LoopbackDetection, RecoverTime };

constexpr int Mstp = 2;
constexpr char EmptyFields[] = "Don't Leave Empty Fileds !";
constexpr char DataError[] = "Data Error";

// Only the digits 0-9 and at most one ".".
bool IsDecimalText(const QString& text)
{
    int dots = 0;
    for (const QChar c : text) {
        if (c == '.')
            ++dots;
        else if (c < '0' || c > '9')
            return false;
    }
    return dots <= 1;
}

int IntOf(const QLineEdit* edit) { return StrToInt(edit->text().toStdString()); }

} // namespace

TSTP_Info::TSTP_Info(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(BT_Get, &TSTP_Info::BT_GetClick);
    OnClick(BT_Set, &TSTP_Info::BT_SetClick);
    OnChange(Combo_STPVersion, &TSTP_Info::Combo_STPVersionChange);
}

void TSTP_Info::FormCreate()
{
    SetCaption("Spanning Tree Control : ");
    SetMessageTarget(StatusPanel0(StatusBar1));
    Guarded([this] {
        Request = MakeRequest(StpTable, SVT_SV, 0, true);
        Request->AddControl(Version, Combo_STPVersion);
        Request->AddControlsFmt(HelloTime, "%i", edtHelloTimeUsed);
        Request->AddControlsFmt(ForwardDelay, "%i{n400x3000l4}", ET_ForwardDelay);
        Request->AddControlsFmt(MaxAge, "%i{n600x4000l4}", ET_AgingTime);
        Request->AddControlsFmt(MaxHops, "%i{n1x20l2}", edtMaxHop);
        Request->AddControlsFmt(TxHoldCount, "%i{n1x10l2}", ED_TxHoldCount);
        Request->AddControl(ForwardBpdu, cbxBPDUState);
        Request->AddControl(LoopbackDetection, cbxLBD);
        Request->AddControlsFmt(RecoverTime, "%i{n0x1000000l7}", edtLBDRecover);
        Request->Request.Timeout = 300;
        Read(Request);
    });
    CopyHelloTime();
    UpdateHelloTimeEdit(false);
}

void TSTP_Info::StatusText(const std::string& text) { StatusPanel0(StatusBar1)->setText(QString::fromStdString(text)); }

void TSTP_Info::CopyHelloTime()
{
    const QString used = edtHelloTimeUsed->text();
    ET_HelloTime->setText(used.isEmpty() ? "0" : QString::number(StrToIntDef(used.toStdString(), 0)));
}

int TSTP_Info::CurrentStpVersion() const
{
    const int index = Combo_STPVersion->currentIndex();
    if (index < 0)
        return -1;
    const QString text = Combo_STPVersion->currentText();
    if (text == "mstp" || text == "MSTP")
        return 2;
    if (text == "rstp" || text == "RSTP")
        return 1;
    if (text == "stp" || text == "STP")
        return 0;
    return index;
}

void TSTP_Info::UpdateHelloTimeEdit(bool reset)
{
    const bool mstp = CurrentStpVersion() == Mstp;
    ET_HelloTime->setReadOnly(mstp);
    ET_HelloTime->setEnabled(!mstp);
    if (!mstp && reset)
        ET_HelloTime->setText("200");
}

void TSTP_Info::Combo_STPVersionChange() { UpdateHelloTimeEdit(true); }

void TSTP_Info::BT_GetClick()
{
    if (!Idle({Request}))
        return;
    StatusText("");
    Guarded([this] { Read(Request); });
    CopyHelloTime();
    UpdateHelloTimeEdit(false);
}

bool TSTP_Info::CheckInput()
{
    const std::vector<QLineEdit*> timers = {edtMaxHop, ET_AgingTime, ET_HelloTime, ET_ForwardDelay, ED_TxHoldCount};
    for (const QLineEdit* edit : timers)
        if (edit->text().isEmpty()) {
            ShowMessage(EmptyFields);
            return false;
        }
    if (cbxBPDUState->currentIndex() < 0 || Combo_STPVersion->currentIndex() < 0 || edtLBDRecover->text().isEmpty()) {
        ShowMessage(EmptyFields);
        return false;
    }
    for (const QLineEdit* edit : timers)
        if (!IsDecimalText(edit->text())) {
            ShowMessage(DataError);
            return false;
        }
    if (!IsDecimalText(edtLBDRecover->text())) {
        ShowMessage(DataError);
        return false;
    }
    const int maxHop = IntOf(edtMaxHop);
    if (maxHop < 1 || maxHop > 20) {
        StatusText("Max Hop value is wrong!");
        return false;
    }
    const int recover = IntOf(edtLBDRecover);
    if (recover != 0 && (recover < 60 || recover > 10000000)) {
        StatusText("Recover Time value is wrong!");
        return false;
    }
    const int maxAge = IntOf(ET_AgingTime);
    const int hello = IntOf(ET_HelloTime);
    const int forwardDelay = IntOf(ET_ForwardDelay);
    const int version = CurrentStpVersion();
    if (version == -1)
        return false;
    if (version != Mstp && (hello < 100 || hello > 1000)) {
        StatusText("Hello Time value is wrong!");
        return false;
    }
    if (2 * (forwardDelay - 100) < maxAge) {
        ShowMessage("Note: 2*(Forward Delay - 100) >= Max Age");
        return false;
    }
    if (version != Mstp && 2 * (hello + 100) > maxAge) {
        ShowMessage("Note: Max Age>= 2*(Hello Time + 100)");
        return false;
    }
    return true;
}

void TSTP_Info::BT_SetClick()
{
    bool written = false;
    Guarded([this, &written] {
        if (!CheckInput())
            return;
        // The access words come back on every path, the set's failure among them.
        TColumnMask mask(Request);
        if (CurrentStpVersion() == Mstp)
            mask.LeaveOut({HelloTime});
        else
            edtHelloTimeUsed->setText(QString::number(StrToIntDef(ET_HelloTime->text().toStdString(), 0)));
        StatusText("");
        written = Write(Request, false);
    });
    // A set that failed (or was not made) is not read over: its text stays in panel 0.
    if (written && !Closing()) {
        Guarded([this] { Read(Request); });
        CopyHelloTime();
        UpdateHelloTimeEdit(false);
    }
}
