#include "l2windows/aggregatorporttableformunit.h"

#include <QCheckBox>

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TAggregatorPortTableForm* AggregatorPortTableForm = nullptr;
TRQ_DEFINE_FORM(TAggregatorPortTableForm, AggregatorPortTableForm)

namespace {

// The product's LACP aggregator port table with the port's name, keyed by the port.
const VhSNMPObjectDesc AggregatorPortTable[] = {
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.1", "Port Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.2", "Actor System Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.3", "Actor System ID", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.4", "Actor Admin Key", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.5", "Actor Oper Key", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.6", "Partner Admin System Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.7", "Partner Oper System Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.8", "Partner Admin System ID", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.9", "Partner Oper System ID", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.10", "Partner Admin Key", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.11", "Partner Oper Key", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.12", "Selected Agg ID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.13", "Attached Agg ID", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.14", "Actor Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.15", "Actor Port Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.16", "Partner Admin Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.17", "Partner Oper Port", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.18", "Partner Admin Port Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.19", "Partner Oper Port Priority", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.20", "Actor Admin State", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.21", "Actor Oper State", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.22", "Partner Admin State", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.23", "Partner Oper State", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.4.1.2.1.1.24", "Aggregate Or Individual", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY,
     &TrueFalseList},
    {nullptr},
};

// The eight LACP state bits, in bit order, on every page.
constexpr char StateBits[] = "0,1,2,3,4,5,6,7";

} // namespace

TAggregatorPortTableForm::TAggregatorPortTableForm(QWidget* owner) : TDedicatedForm(owner)
{
    setupUi(this);
    ScaleForLargeFonts();
    Done = false;
    OnClick(GetBtn, &TAggregatorPortTableForm::GetBtnClick);
}

std::vector<QCheckBox*> TAggregatorPortTableForm::StateBoxes(int column) const
{
    QCheckBox* const all[] = {
        CheckBox1,  CheckBox2,  CheckBox3,  CheckBox4,  CheckBox5,  CheckBox6,  CheckBox7,  CheckBox8,
        CheckBox9,  CheckBox10, CheckBox11, CheckBox12, CheckBox13, CheckBox14, CheckBox15, CheckBox16,
        CheckBox17, CheckBox18, CheckBox19, CheckBox20, CheckBox21, CheckBox22, CheckBox23, CheckBox24,
        CheckBox25, CheckBox26, CheckBox27, CheckBox28, CheckBox29, CheckBox30, CheckBox31, CheckBox32,
    };
    const int page = column - ActorAdminState;
    if (page < 0 || page > 3)
        return {};
    return {all + page * 8, all + page * 8 + 8};
}

void TAggregatorPortTableForm::FormCreate()
{
    SetMessageTarget(Memo1);
    ShowRowCount(ListView1, StaticText1);
    Guarded(Request, [this] {
        Request = MakeRequest(AggregatorPortTable, MVT_FMV, 1);
        AttachList(Request, ListView1);
        for (int column = ActorAdminState; column <= PartnerOperState; ++column) {
            const std::vector<QCheckBox*> boxes = StateBoxes(column);
            Request->AddControlList(column, StateBits, std::vector<QWidget*>(boxes.begin(), boxes.end()));
        }
        Request->OnEndOfRead = [this](const VhSNMPError&) {
            Done = true;
            EnableStateBoxes();
        };
    });
    StartRead();
    SetCaption("Aggregator Port Table: ");
}

void TAggregatorPortTableForm::GetBtnClick()
{
    if (!Done)
        return;
    StartRead();
    ClearStateBoxes();
}

void TAggregatorPortTableForm::StartRead()
{
    Done = false;
    Guarded(Request, [this] { Read(Request); });
    // A read that did not start (or ended at once) leaves nothing to wait for: Refresh
    // must not stay refused.
    if (!Request || Request->IsIdle())
        Done = true;
}

void TAggregatorPortTableForm::ClearStateBoxes()
{
    for (int column = ActorAdminState; column <= PartnerOperState; ++column)
        for (QCheckBox* box : StateBoxes(column))
            box->setChecked(false);
}

void TAggregatorPortTableForm::EnableStateBoxes()
{
    for (int column = ActorAdminState; column <= PartnerOperState; ++column)
        for (QCheckBox* box : StateBoxes(column))
            box->setEnabled(true);
}
