#include "l2windows/trafficforwardunit1.h"

#include <QStatusBar>

#include "dedicated/formregistration.h"
#include "dedicated/units.h"
#include "platform/sysutils.h"

TTrafficSegmentationForm* TrafficSegmentationForm = nullptr;
TRQ_DEFINE_FORM(TTrafficSegmentationForm, TrafficSegmentationForm)

namespace {

const VhSNMPObjectDesc SegmentationTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.14.1.1.1", "Traffic Segmentation Port Index", SNMP_SYNTAX_INTEGER,
     SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Traffic Segmentation Port Number", SNMP_SYNTAX_DISPLAYSTR,
     SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.14.1.1.2", "Traffic Segmentation Forward Ports", SNMP_SYNTAX_OCTETSTR,
     SNMP_ACCESS_READWRITE},
    {nullptr},
};
enum Column { Index, Number, ForwardPorts };

} // namespace

TTrafficSegmentationForm::TTrafficSegmentationForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    OnClick(BT_Get, &TTrafficSegmentationForm::BT_GetClick);
    OnClick(BT_Set, &TTrafficSegmentationForm::BT_SetClick);
    OnClick(StopBtn, &TTrafficSegmentationForm::StopBtnClick);
}

void TTrafficSegmentationForm::FormCreate()
{
    SetCaption("Traffic Segmentation Table: ");
    SetMessageTarget(StatusPanel0(StatusBar1));
    Grids = new TPortGrids(this, {Panel4});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Guarded([this] {
        Request = MakeRequest(SegmentationTable, MVT_UMV, 1);
        // Set follows a row click and is disabled whenever a read or write starts.
        AttachList(Request, LV_TrafficForward, {{}, {BT_Set}}, &TTrafficSegmentationForm::LV_TrafficForwardClick);
        Request->AddControl(Index, ST_Port);
        Grids->Bind(Request, ForwardPorts, 0);
        ShowRowCount(LV_TrafficForward, StaticText1);
        Read(Request);
    });
    DisableRowButtons();
}

void TTrafficSegmentationForm::LV_TrafficForwardClick()
{
    if (SelectedRow(LV_TrafficForward) < 0) {
        EDIT_Unit->clear();
        EDIT_Port->clear();
        return;
    }
    int unit = 0;
    int port = 0;
    NumberToUnitPort(StrToIntDef(ST_Port->text().toStdString(), 0), unit, port);
    EDIT_Unit->setText(QString::number(unit));
    EDIT_Port->setText(QString::number(port));
    // The CPU unit stands out.
    QPalette palette = EDIT_Unit->palette();
    palette.setColor(QPalette::Text, unit == ChassisUnits ? Qt::red : this->palette().color(QPalette::Text));
    EDIT_Unit->setPalette(palette);
}

void TTrafficSegmentationForm::BT_GetClick()
{
    if (!Idle({Request}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded([this] { Read(Request); });
    DisableRowButtons();
}

void TTrafficSegmentationForm::BT_SetClick()
{
    if (!Idle({Request}) || SelectedRow(LV_TrafficForward) < 0)
        return;
    Guarded([this] { Write(Request, true, true); });
    DisableRowButtons();
}

void TTrafficSegmentationForm::StopBtnClick()
{
    Stop(Request);
    DisableRowButtons();
}
