#include "l3mgmtwindows/loginmethodlistunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TLoginMethodListForm* LoginMethodListForm = nullptr;
TRQ_DEFINE_FORM(TLoginMethodListForm, LoginMethodListForm)

namespace {

// The login method list table, indexed by the list name (length, then its characters).
const VhSNMPObjectDesc LoginMethodListTable[] = {
    {"1.3.6.1.4.1.32473.12.5.3.1.1", "Login Method List Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.5.3.1.2", "Method1 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.3", "Method1 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.3.1.4", "Method2 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.5", "Method2 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.3.1.6", "Method3 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.7", "Method3 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.3.1.8", "Method4 Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &LoginMethodTypeList},
    {"1.3.6.1.4.1.32473.12.5.3.1.9", "Method4 ServerGroup", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.4.1.32473.12.5.3.1.10", "MethodList RowStatus", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {nullptr},
};

const TMethodList LoginMethodList = {
    .Table = LoginMethodListTable,
    .Title = "Login Method List: ",
    .NameMissing = "AAC Login Method List Name must be set.",
    .Duplicate = "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
};

} // namespace

TLoginMethodListForm::TLoginMethodListForm(QWidget* owner) : TMethodListForm(owner, LoginMethodList)
{
    setupUi(this);
    UseControls({ListView1, ListnameEdit, {ComboBoxType1, ComboBoxType2, ComboBoxType3, ComboBoxType4},
                 {Server1Edit, Server2Edit, Server3Edit, Server4Edit}, RowComboBox, GetButton, EditButton, AddButton,
                 DeleteButton, StaticText1, StatusBar1});
}
