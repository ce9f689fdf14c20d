#include "l2windows/packetstormcontrolformunit.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "dedicated/units.h"

TPacketStormControlForm* PacketStormControlForm = nullptr;
TRQ_DEFINE_FORM(TPacketStormControlForm, PacketStormControlForm)

namespace {

const VhSNMPObjectDesc StormTable[] = {
    {"1.3.6.1.4.1.32473.12.25.1.1", "Storm Recover", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.25.1.2", "Storm Trap State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &NoneStormOccurredStormClearedList},
    {nullptr},
};
enum Column { StormRecover, StormTrapState };

// Every port of the nine units, the CPU unit's included: 72 octets.
constexpr int AllPorts = ChassisUnits * PortsPerUnit;
// The switch may take up to 3 s to answer (hundredths of a second).
constexpr int StormTimeout = 300;

} // namespace

TPacketStormControlForm::TPacketStormControlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(btnGet, &TPacketStormControlForm::btnGetClick);
    OnClick(btnSet, &TPacketStormControlForm::btnSetClick);
    OnClick(btnClose, &TPacketStormControlForm::btnCloseClick);
}

void TPacketStormControlForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    Grids = new TPortGrids(this, {StormPortPanel});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Guarded(Request, [this] {
        Request = MakeRequest(StormTable, SVT_SV, 0, true);
        Grids->Bind(Request, StormRecover, 0, AllPorts);
        Request->AddControl(StormTrapState, rgPktStromTrapCtrl);
        Request->Request.Timeout = StormTimeout;
        Read(Request);
    });
}

void TPacketStormControlForm::btnGetClick()
{
    if (!Idle({Request}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded(Request, [this] { Read(Request); });
}

void TPacketStormControlForm::btnSetClick()
{
    if (!Idle({Request}))
        return;
    // After a failed read the grid and the radio group hold partly the switch's values,
    // partly older ones: nothing is written until a read has succeeded.
    if (Request->LastRead.Code != 0) {
        ShowMessage(GetDataNotComplete);
        return;
    }
    Guarded(Request, [this] { Write(Request, true); });
}

void TPacketStormControlForm::btnCloseClick() { close(); }
