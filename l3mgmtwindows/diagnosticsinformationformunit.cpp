#include "l3mgmtwindows/diagnosticsinformationformunit.h"

#include "dedicated/formregistration.h"

TDiagnosticsInformationForm* DiagnosticsInformationForm = nullptr;
TRQ_DEFINE_FORM(TDiagnosticsInformationForm, DiagnosticsInformationForm)

namespace {

// The MAC-based authentication state table's index (MAC address, port) and the
// diagnostics table's counters on the same rows.
const VhSNMPObjectDesc DiagnosticsTable[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "Port Access Entity MAC Address", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "Port Number", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.1", "Enters Connecting", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.2", "Logoffs While Connecting", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.3", "Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.4", "Success While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.5", "Timeouts While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.6", "Fail While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.7", "Reauths While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.8", "Eap Starts While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.9", "Eap Logoff While Authenticating", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.10", "Reauths While Authenticated", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.11", "Eap Starts While Authenticated", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.12", "Eap Logoff While Authenticated", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.13", "Backend Responses", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.14", "Backend Access Challenges", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.15", "Backend Other Requests To Supplicant", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.16", "Backend Non Nak Responses From Supplicant", SNMP_SYNTAX_COUNTER,
     SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.17", "Backend Auth Successes", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.3.1.18", "Backend Auth Fails", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {nullptr},
};

const TReadOnlyTable Window = {
    .FormName = "DiagnosticsInformationForm",
    .Title = "Diagnostics Information",
    .Width = 760,
    .Height = 420,
    .Scales = false,
    .Table = DiagnosticsTable,
    .ListType = MVT_FMV,
    .KeyCount = 2,
    .Synchronous = true,
    .RefreshName = "Button1",
};

} // namespace

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget* owner) : TReadOnlyTableForm(owner, Window) {}
