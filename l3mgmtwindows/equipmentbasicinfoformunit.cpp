#include "l3mgmtwindows/equipmentbasicinfoformunit.h"

#include "classlib/colors.h"
#include "classlib/panel.h"
#include "dedicated/formregistration.h"

TEquipmentBasicInfoForm* EquipmentBasicInfoForm = nullptr;
TRQ_DEFINE_FORM(TEquipmentBasicInfoForm, EquipmentBasicInfoForm)

namespace {

// The equipment group's capacity and stacking information.
const VhSNMPObjectDesc EquipmentTable[] = {
    {"1.3.6.1.4.1.32473.12.11.1.1", "Equipment Capacity", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.11.1.9.1", "Stacking Version", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.11.1.9.2", "Max SupportedUnits", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.11.1.9.3", "Num Of Unit", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.11.1.9.4", "Unit Of Topology", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};
enum Column { Capacity, StackingVersion, MaxUnits, UnitCount, Topology };

} // namespace

TEquipmentBasicInfoForm::TEquipmentBasicInfoForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    // Every value here is the switch's to say: drawn as the generic windows draw a
    // read-only row.
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, edtTopology}) {
        edit->setFocusPolicy(Qt::NoFocus);
        SetControlColors(edit, clBlack, clBtnFace);
    }
    OnClick(BitBtn1, &TEquipmentBasicInfoForm::BitBtn1Click);
}

void TEquipmentBasicInfoForm::FormCreate()
{
    SetMessageTarget(Memo1);
    Guarded([this] {
        Request = MakeRequest(EquipmentTable, SVT_SV, 0);
        Request->AddControlsFmt(MaxUnits, "%i", Edit2);
        Request->AddControlsFmt(UnitCount, "%i", Edit3);
        Request->AddControlsFmt(StackingVersion, "%i", Edit4);
        Request->AddControlsFmt(Topology, "%s", edtTopology);
        Read(Request);
    });
}

void TEquipmentBasicInfoForm::BitBtn1Click()
{
    Guarded([this] { Read(Request); });
}
