#include "l3mgmtwindows/macstatistictableformunit.h"

#include "dedicated/formregistration.h"

TMacStatisticTableForm* MacStatisticTableForm = nullptr;
TRQ_DEFINE_FORM(TMacStatisticTableForm, MacStatisticTableForm)

namespace {

// The MAC-based authentication state table's index (MAC address, port) and the EAPOL
// statistics table's counters on the same rows.
const VhSNMPObjectDesc MacStatisticTable[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "Port Access Entity MAC Address", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "Port Number", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.1", "Total Received Frames", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.2", "Total Transmitted Frames", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.3", "Start Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.4", "Logoff Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.5", "Resp ID Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.6", "Respones Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.7", "ReqIdFrames TX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.8", "Req Frames TX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.9", "Invalid Eapol Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.10", "Length Error Frames RX", SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.11", "Eapol Frame Version", SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY},
    {"1.3.6.1.4.1.32473.12.3.6.2.1.12", "Last Eapol Frame Source", SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY},
    {nullptr},
};

const TReadOnlyTable Window = {
    .FormName = "MacStatisticTableForm",
    .Title = "MAC Statistics Table",
    .Width = 760,
    .Height = 420,
    .Table = MacStatisticTable,
    .ListType = MVT_FMV,
    .KeyCount = 2,
    .Synchronous = true,
    .RefreshName = "Button1",
};

} // namespace

TMacStatisticTableForm::TMacStatisticTableForm(QWidget* owner) : TReadOnlyTableForm(owner, Window) {}
