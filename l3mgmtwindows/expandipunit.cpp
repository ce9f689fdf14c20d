#include "l3mgmtwindows/expandipunit.h"

#include "configwin/optionlists.h"
#include "dedicated/formregistration.h"

TExpandIPForm* ExpandIPForm = nullptr;
TRQ_DEFINE_FORM(TExpandIPForm, ExpandIPForm)

namespace {

// ipCidrRouteTable: destination, mask, TOS and next hop are the index.
const VhSNMPObjectDesc CidrRouteTable[] = {
    {"1.3.6.1.2.1.4.24.4.1.1", "Destination IP", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.4.24.4.1.2", "NetMask", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.4.24.4.1.3", "Tos", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.4.24.4.1.4", "Next Hop", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.2.1.4.24.4.1.5", "IfIndex", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.6", "Type", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &OtherRejectLocalList},
    {"1.3.6.1.2.1.4.24.4.1.7", "Protocol", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &OtherLocalNetmgmtList},
    {"1.3.6.1.2.1.4.24.4.1.8", "Age", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY},
    {"1.3.6.1.2.1.4.24.4.1.9", "Info", SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.10", "Next Hop Autonomous System", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.11", "Metric1", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.12", "Metric2", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.13", "Metric3", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.14", "Metric4", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.15", "Metric5", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE},
    {"1.3.6.1.2.1.4.24.4.1.16", "Route Status", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &RowStatusList},
    {nullptr},
};

const TReadOnlyTable Window = {
    .FormName = "ExpandIPForm",
    .Title = "Routing Table",
    .Width = 760,
    .Height = 460,
    .Table = CidrRouteTable,
    .ListType = MVT_UMV,
    .KeyCount = 4,
    .Memo = false,
    .RefreshName = "GetButton",
    .RowCountName = "StaticText1",
    .RowEdits = {{"Destination IP", "IPEdit", 0, "%s{l16}"},
                 {"NetMask", "NetMaskEdit", 1, "%s{l16}"},
                 {"TOS", "TOSEdit", 2, "%i{n0x30l2}"},
                 {"Next Hop", "NextHopEdit", 3, "%s{l16}"}},
};

} // namespace

TExpandIPForm::TExpandIPForm(QWidget* owner) : TReadOnlyTableForm(owner, Window) {}
