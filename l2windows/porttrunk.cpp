#include "l2windows/porttrunk.h"

#include <QCheckBox>
#include <QStatusBar>

#include "classlib/dialogs.h"
#include "configwin/optionlists.h"
#include "configwin/stackingportuitform.h"
#include "dedicated/formregistration.h"
#include "dedicated/units.h"
#include "platform/sysutils.h"

TPortTrunkForm* PortTrunkForm = nullptr;
TRQ_DEFINE_FORM(TPortTrunkForm, PortTrunkForm)

namespace {

const VhSNMPObjectDesc TrunkTable[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.2", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.3", "Master Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.4", "Member", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.5", "Flooding Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.6", "Trunk Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &StaticLacpList},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.3.1.7", "Trunk State", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &RowStatusNoNotReadyList},
    {nullptr},
};
enum Column { Index, Name, MasterPort, Member, FloodingPort, TrunkType, TrunkState };

// Combo_State lists active, notInService, createAndGo, createAndWait, destroy.
constexpr int CreateAndGoItem = 2;
constexpr char DestroyLabel[] = "destroy";

constexpr int MaxMembers = 8;
constexpr char InvalidMaster[] = "Set valid master port!";

} // namespace

TPortTrunkForm::TPortTrunkForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    AcceptDigitsOnly(UnitEdit);
    AcceptDigitsOnly(PortEdit);
    OnClick(BT_Get, &TPortTrunkForm::BT_GetClick);
    OnClick(BT_Set, &TPortTrunkForm::BT_SetClick);
    OnClick(SetBtn, &TPortTrunkForm::SetBtnClick);
    OnClick(BT_Delete, &TPortTrunkForm::BT_DeleteClick);
}

void TPortTrunkForm::FormCreate()
{
    SetCaption("Port Trunk Table :");
    SetMessageTarget(StatusPanel0(StatusBar1));
    Grids = new TPortGrids(this, {StackingPortPanel});
    std::string error;
    if (!Grids->ShowUnits(&error))
        ShowText(error);
    Guarded([this] {
        Request = MakeRequest(TrunkTable, MVT_UMV, 1, true);
        AttachList(Request, LV_PortTrunk, {{ED_Index}, {SetBtn, BT_Delete}}, &TPortTrunkForm::LV_PortTrunkClick);
        Request->AddControlsFmt(Index, "%i{n1x32}", ED_Index);
        Request->AddControlsFmt(Name, "%s{l12}", ED_Name);
        Request->AddControlsFmt(MasterPort, "%i{n1x" + IntToStr(TPortGrids::BoundPorts) + "l3}", ED_MasterPort);
        Grids->Bind(Request, Member, 0);
        Request->AddControl(FloodingPort, ST_FloodingPort);
        Request->AddControl(TrunkType, Combo_Type);
        Request->AddControl(TrunkState, Combo_State);
        Read(Request);
    });
    const bool selected = SelectedRow(LV_PortTrunk) >= 0;
    SetBtn->setEnabled(selected);
    BT_Delete->setEnabled(selected);
    ED_Index->setEnabled(!selected);
}

void TPortTrunkForm::LV_PortTrunkClick()
{
    const bool selected = SelectedRow(LV_PortTrunk) >= 0;
    BT_Set->setEnabled(!selected);
    int unit = 0;
    int port = 0;
    if (selected) {
        NumberToUnitPort(StrToIntDef(ED_MasterPort->text().toStdString(), 0), unit, port);
        UnitEdit->setText(QString::number(unit));
        PortEdit->setText(QString::number(port));
    } else {
        UnitEdit->clear();
        PortEdit->clear();
        ST_FloodingPort->clear();
        Grids->ClearPorts();
    }
    // The CPU unit stands out.
    QPalette palette = UnitEdit->palette();
    palette.setColor(QPalette::Text, unit == ChassisUnits ? Qt::red : this->palette().color(QPalette::Text));
    UnitEdit->setPalette(palette);
}

void TPortTrunkForm::ClearEntry()
{
    ED_Index->setEnabled(true);
    ED_Index->clear();
    ED_Name->clear();
    DisableRowButtons();
    BT_Set->setEnabled(true);
}

bool TPortTrunkForm::MasterPortFromEdits(int& master)
{
    if (UnitEdit->text().isEmpty() || PortEdit->text().isEmpty()) {
        ShowMessage(InvalidMaster);
        return false;
    }
    const TUnitPortError error = UnitPortToNumber(UnitEdit->text().toStdString(), PortEdit->text().toStdString(),
                                                  Grids->Units, TPortlessUnit::Accepts24, master);
    if (error != TUnitPortError::None) {
        ShowMessage(InvalidMaster);
        (error == TUnitPortError::Unit ? UnitEdit : PortEdit)->setFocus();
        return false;
    }
    ED_MasterPort->setText(QString::number(master));
    return true;
}

bool TPortTrunkForm::MembersAccepted(int master)
{
    const int unit = (master - 1) / PortsPerUnit + 1;
    const int first = (unit - 1) * PortsPerUnit;
    const QList<QCheckBox*>& boxes = Grids->Grid(0)->PortCheckBoxes;
    int count = 0;
    bool masterTicked = false;
    for (int k = first; k < first + PortsPerUnit && k < boxes.size(); ++k) {
        if (!boxes[k]->isChecked())
            continue;
        if (++count > MaxMembers) {
            boxes[k]->setChecked(false);
            ShowMessage("The trunk member can't over eight!");
            return false;
        }
        if (k == master - 1)
            masterTicked = true;
    }
    if (!masterTicked) {
        ShowMessage("You must choose master port!");
        return false;
    }
    if (count < 2) {
        ShowMessage("You must choose at least a member in the Unit " + IntToStr(unit) + "!");
        return false;
    }
    return true;
}

void TPortTrunkForm::BT_SetClick()
{
    if (RefuseWhileBusy({Request}))
        return;
    int master = 0;
    if (!MasterPortFromEdits(master))
        return;
    if (Combo_State->currentIndex() != CreateAndGoItem) {
        ShowMessage("Choose Status createAndGo!");
        Combo_State->setFocus();
        return;
    }
    // A type the user has not chosen is left out of the set (the switch's default applies).
    if (MembersAccepted(master))
        Guarded([this] { Write(Request, true); });
    DisableRowButtons();
}

void TPortTrunkForm::SetBtnClick()
{
    if (RefuseWhileBusy({Request}) || SelectedRow(LV_PortTrunk) < 0)
        return;
    int master = 0;
    if (!MasterPortFromEdits(master) || !MembersAccepted(master))
        return;
    // Name, members and status of the chosen trunk; the master and the type stay.
    Guarded([this] {
        TColumnMask mask(Request);
        mask.LeaveOut({MasterPort, TrunkType});
        Write(Request, true, true);
    });
    ClearEntry();
}

void TPortTrunkForm::BT_DeleteClick()
{
    if (RefuseWhileBusy({Request}) || SelectedRow(LV_PortTrunk) < 0)
        return;
    if (Combo_State->currentText() != DestroyLabel) {
        ShowMessage("Choose Status destroy!");
        Combo_State->setFocus();
        return;
    }
    // The status alone; the trunk stays listed until the next Refresh.
    Guarded([this] {
        TColumnMask mask(Request);
        mask.Only({Index, TrunkState});
        Write(Request, false, true);
    });
    DisableRowButtons();
    BT_Set->setEnabled(true);
}

void TPortTrunkForm::BT_GetClick()
{
    if (!Idle({Request}))
        return;
    std::string error;
    if (!Grids->Refresh(&error))
        ShowText(error);
    Guarded([this] { Read(Request); });
    ClearEntry();
    UnitEdit->clear();
    PortEdit->clear();
    ST_FloodingPort->clear();
    Grids->ClearPorts();
}
