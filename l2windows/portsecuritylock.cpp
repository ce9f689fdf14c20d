#include "l2windows/portsecuritylock.h"

#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"
#include "platform/sysutils.h"

TPrtSecDelCtrlForm* PrtSecDelCtrlForm = nullptr;
TRQ_DEFINE_FORM(TPrtSecDelCtrlForm, PrtSecDelCtrlForm)

namespace {

const VhSNMPObjectDesc DeleteTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.7.2.1", "swL2PortSecurityDelVlanName", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.2.2", "swL2PortSecurityDelPort", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.2.3", "swL2PortSecurityDelMacAddress", SNMP_SYNTAX_MACADDRESS,
     SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.2.4", "swL2PortSecurityDelActivity", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &NoneStartList},
    {nullptr},
};
enum Column { VlanName, Port, MacAddress, Activity };

constexpr int StartItem = 1;
// Every port the unit/port entry accepts, the CPU unit 9's included (0: none).
constexpr char PortFormat[] = "%i{n0x576l3}";

// Twelve hexadecimal digits (what follows them is not looked at).
bool IsMacText(const QString& text)
{
    if (text.size() < 12)
        return false;
    for (int i = 0; i < 12; ++i)
        if (!std::isxdigit(static_cast<unsigned char>(text[i].toLatin1())))
            return false;
    return true;
}

} // namespace

TPrtSecDelCtrlForm::TPrtSecDelCtrlForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    AcceptDigitsOnly(UnitEdit);
    AcceptDigitsOnly(PortEdit);
    OnClick(btnRefresh, &TPrtSecDelCtrlForm::btnRefreshClick);
    OnClick(btnSet, &TPrtSecDelCtrlForm::btnSetClick);
}

void TPrtSecDelCtrlForm::FormCreate()
{
    SetMessageTarget(StatusPanel0(StatusBar1));
    Guarded(Request, [this] {
        Request = MakeRequest(DeleteTable, SVT_SV, 0, true);
        Request->AddControlsFmt(VlanName, "%s{l32}", edtVlan);
        Request->AddControlsFmt(Port, PortFormat, edtPort);
        Request->AddControlsFmt(MacAddress, "%s{l12}", edtMac);
        Request->AddControl(Activity, cbxOper);
        Read(Request);
    });
    ShowPort();
    ReadUnits();
}

void TPrtSecDelCtrlForm::ReadUnits()
{
    std::string error;
    if (!ReadChassisUnits(Units, &error) && !error.empty())
        ShowText(error);
}

void TPrtSecDelCtrlForm::ShowPort()
{
    int unit = 0;
    int position = 0;
    NumberToUnitPort(StrToIntDef(edtPort->text().toStdString(), 0), unit, position);
    UnitEdit->setText(QString::number(unit));
    PortEdit->setText(QString::number(position));
}

void TPrtSecDelCtrlForm::btnRefreshClick()
{
    if (!Idle({Request}))
        return;
    Guarded(Request, [this] { Read(Request); });
    ShowPort();
    ReadUnits();
}

void TPrtSecDelCtrlForm::btnSetClick()
{
    if (!Idle({Request}))
        return;
    if (edtVlan->text().isEmpty()) {
        ShowMessage("You should input Vlan name.");
        return;
    }
    int number = 0;
    const TUnitPortError error = UnitPortToNumber(UnitEdit->text().toStdString(), PortEdit->text().toStdString(), Units,
                                                  TPortlessUnit::AcceptsNone, number);
    if (error != TUnitPortError::None) {
        const int unit = StrToIntDef(UnitEdit->text().toStdString(), -1);
        const int port = StrToIntDef(PortEdit->text().toStdString(), -1);
        // A unit past the chassis, or a port past the unit's, starts the entry afresh.
        if ((error == TUnitPortError::Unit && unit > ChassisUnits) || (error == TUnitPortError::Port && port > 0)) {
            UnitEdit->setText("0");
            PortEdit->setText("0");
        }
        (error == TUnitPortError::Unit ? UnitEdit : PortEdit)->setFocus();
        ShowMessage("You should input valid port.");
        return;
    }
    edtPort->setText(QString::number(number));
    if (!IsMacText(edtMac->text())) {
        ShowMessage("You should input valid MAC address.");
        return;
    }
    cbxOper->setCurrentIndex(StartItem);
    Guarded(Request, [this] { Write(Request, true); });
}
