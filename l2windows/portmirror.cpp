#include "l2windows/portmirror.h"

#include <QCheckBox>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/formregistration.h"
#include "dedicated/units.h"
#include "platform/sysutils.h"

TPortMirrorForm* PortMirrorForm = nullptr;
TRQ_DEFINE_FORM(TPortMirrorForm, PortMirrorForm)

namespace {

const VhSNMPObjectDesc MirrorTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.10.1", "swL2MirrorLogicTargetPort", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.10.2", "swL2MirrorPortSourceIngress", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.10.3", "swL2MirrorPortSourceEgress", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.10.4", "swL2MirrorPortState", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &DisabledEnabledList},
    {nullptr},
};
enum Column { TargetPort, IngressPorts, EgressPorts, MirrorState };
enum Grid { IngressGrid, EgressGrid };

constexpr char InvalidTarget[] = "Set valid target port";
// Every port the unit/port entry accepts, the CPU unit 9's included (577 and up is no port).
constexpr char TargetPortFormat[] = "%i{n1x576l3}";

} // namespace

TPortMirrorForm::TPortMirrorForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    AcceptDigitsOnly(UnitEdit);
    AcceptDigitsOnly(PortEdit);
    connect(UnitEdit, &QLineEdit::textEdited, this, [this] { Edited = true; });
    connect(PortEdit, &QLineEdit::textEdited, this, [this] { Edited = true; });
    OnClick(BT_Refresh, &TPortMirrorForm::BT_RefreshClick);
    OnClick(BT_Set, &TPortMirrorForm::BT_SetClick);
}

void TPortMirrorForm::FormCreate()
{
    SetCaption("Port Mirror Table:");
    SetMessageTarget(StatusPanel0(StatusBar1));
    Grids = new TPortGrids(this, {IngressBox, EgressBox});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Edited = false;
    Guarded(Request, [this] {
        Request = MakeRequest(MirrorTable, SVT_SV, 0, true);
        Request->AddControlsFmt(TargetPort, TargetPortFormat, ET_TargetPort);
        Grids->Bind(Request, IngressPorts, IngressGrid);
        Grids->Bind(Request, EgressPorts, EgressGrid);
        Request->AddControl(MirrorState, CK_Status);
        Read(Request);
    });
    ShowTarget();
}

void TPortMirrorForm::ShowTarget()
{
    int unit = 0;
    int port = 0;
    NumberToUnitPort(StrToIntDef(ET_TargetPort->text().toStdString(), 0), unit, port);
    UnitEdit->setText(QString::number(unit));
    PortEdit->setText(QString::number(port));
}

void TPortMirrorForm::BT_RefreshClick()
{
    if (!Idle({Request}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded(Request, [this] { Read(Request); });
    ShowTarget();
    Edited = false;
}

bool TPortMirrorForm::TargetFromEdits()
{
    Edited = false;
    int number = 0;
    const TUnitPortError error = UnitPortToNumber(UnitEdit->text().toStdString(), PortEdit->text().toStdString(),
                                                  Grids->Units, TPortlessUnit::AcceptsNone, number);
    if (error == TUnitPortError::None) {
        ET_TargetPort->setText(QString::number(number));
        return true;
    }
    const int unit = StrToIntDef(UnitEdit->text().toStdString(), -1);
    const int port = StrToIntDef(PortEdit->text().toStdString(), -1);
    // A unit past the chassis, or a port past the unit's, starts the entry afresh.
    if ((error == TUnitPortError::Unit && unit > ChassisUnits) || (error == TUnitPortError::Port && port > 0)) {
        UnitEdit->setText("0");
        PortEdit->setText("0");
    }
    ShowMessage(InvalidTarget);
    (error == TUnitPortError::Unit ? UnitEdit : PortEdit)->setFocus();
    return false;
}

void TPortMirrorForm::BT_SetClick()
{
    if (!Idle({Request}))
        return;
    if (Edited) {
        if (!TargetFromEdits())
            return;
    } else if (UnitEdit->text() == "0" || PortEdit->text() == "0") {
        ShowMessage("Set valid mirror port");
        UnitEdit->setFocus();
        return;
    }
    const int target = StrToIntDef(ET_TargetPort->text().toStdString(), 0);
    const int box = target - 1;
    if (box >= 0 && box < TPortGrids::BoundPorts) {
        for (int grid : {IngressGrid, EgressGrid})
            if (Grids->Grid(grid)->PortCheckBoxes[box]->isChecked()) {
                ShowMessage("Mirror port can not be member port!");
                return;
            }
    }
    Guarded(Request, [this] { Write(Request, true); });
    ShowTarget();
}
