#include "l3mgmtwindows/igmpsrclistformunit.h"

#include "dedicated/formregistration.h"

TIGMPSrcListForm* IGMPSrcListForm = nullptr;
TRQ_DEFINE_FORM(TIGMPSrcListForm, IGMPSrcListForm)

namespace {

// The IGMP source list: interface index, source router and host address are the index.
const VhSNMPObjectDesc SourceListTable[] = {
    {"1.3.6.1.4.1.32473.12.18.1.10.1.2", "IF Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.3", "Source Router Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.4", "Host Address", SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_NOTACCESS},
    {"1.3.6.1.4.1.32473.12.18.1.10.1.5", "Source Router Timer", SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY},
    {nullptr},
};

const TReadOnlyTable Window = {
    .FormName = "IGMPSrcListForm",
    .Title = "IGMP Source List",
    .Width = 560,
    .Height = 400,
    .Table = SourceListTable,
    .ListType = MVT_FMV,
    .KeyCount = 3,
    .Synchronous = true,
    .Timeout = 200,
    .ListName = "lvSrcList",
    .RefreshName = "btnGet",
    .StopName = "btnStop",
    .CloseName = "btnClose",
};

} // namespace

TIGMPSrcListForm::TIGMPSrcListForm(QWidget* owner) : TReadOnlyTableForm(owner, Window) {}
