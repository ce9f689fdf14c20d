#include "l3mgmtwindows/enablemethodlistunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TEnableMethodForm* EnableMethodForm = nullptr;
TRQ_DEFINE_FORM(TEnableMethodForm, EnableMethodForm)

namespace {

// The enable method list table, indexed by the list name (length, then its characters).
const VhSNMPObjectDesc EnableMethodListTable[] = {
    {"1.3.6.1.4.1.32473.12.5.4.1.1", "Enable MethodList Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.5.4.1.2", "Enable Method1 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.3", "Enable Method1 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.4.1.4", "Enable Method2 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.5", "Enable Method2 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.4.1.6", "Enable Method3Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.7", "Enable Method3 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.4.1.8", "Enable Method4 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &EnableMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.4.1.9", "Enable Method4 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.4.1.10", "Enable MethodList RowStatus", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE,
     &RowStatusList},
    {nullptr},
};

const TMethodList EnableMethodList = {
    .Table = EnableMethodListTable,
    .Title = "Enable Method List: ",
    .NameMissing = "Enable MethodList Name must be set.",
    .Duplicate = "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
};

} // namespace

TEnableMethodForm::TEnableMethodForm(QWidget* owner) : TMethodListForm(owner, EnableMethodList)
{
    setupUi(this);
    UseControls({ListView1, NameEdit, {Type1ComboBox, Type2ComboBox, Type3ComboBox, Type4ComboBox},
                 {ServerGroupEdit1, ServerGroupEdit2, ServerGroupEdit3, ServerGroupEdit4}, RowComboBox, GetButton,
                 EditButton, AddButton, DeleteButton, StaticText1, StatusBar1});
}
