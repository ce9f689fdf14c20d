#include "l2windows/garpformunit.h"

#include "dedicated/formregistration.h"

TGARPForm* GARPForm = nullptr;
TRQ_DEFINE_FORM(TGARPForm, GARPForm)

namespace {

// P-BRIDGE dot1dPortGarpTable with the bridge port number and the port's name, keyed by
// the bridge port.
const VhSNMPObjectDesc GarpTable[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.17.6.1.3.1.1.1", "GARP Join Time", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.6.1.3.1.1.2", "GARP Leave Time", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.17.6.1.3.1.1.3", "GARP Leave All Time", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {nullptr},
};

constexpr char TimerFormat[] = "%i{n0x2147483647l10}";

} // namespace

TGARPForm::TGARPForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    // The editor panel and its Set stay hidden: nothing is written from here.
    Panel5->setVisible(false);
    SetBtn->setVisible(false);
    OnClick(RefreshBtn, &TGARPForm::RefreshBtnClick);
}

void TGARPForm::FormCreate()
{
    SetMessageTarget(Memo1);
    ShowRowCount(LV_dot1dPortGarpEntry, ST_Count);
    Guarded([this] {
        Request = MakeRequest(GarpTable, MVT_FMV, 1);
        AttachList(Request, LV_dot1dPortGarpEntry);
        Request->AddControlsFmt(JoinTime, TimerFormat, GarpJoinTime);
        Request->AddControlsFmt(LeaveTime, TimerFormat, GarpLeaveTime);
        Request->AddControlsFmt(LeaveAllTime, TimerFormat, GarpLeaveAllTime);
        Read(Request);
    });
}

void TGARPForm::RefreshBtnClick()
{
    // A walk over a running one would interleave their rows in the list.
    if (!Idle({Request}))
        return;
    Guarded([this] { Read(Request); });
}
