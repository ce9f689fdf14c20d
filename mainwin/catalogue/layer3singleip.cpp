// The generic windows of Layer 3 Management and Single IP: one record per window, keyed by its menu item, each
// with its descriptor table in record order. Data only; mainwin/catalogue.h says how
// the records are read.
#include "mainwin/catalogue/names.h"

namespace {

using namespace catalogue_names;

// "Layer3 Control" ("Layer 3 Management" > "Layer3 Control")
constexpr VhSNMPObjectDesc DeviceCtrl1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.1", "RIP State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.2", "OSPF State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.3", "DVMRP State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.5", "VRRP State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.6", "VRRP Ping State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.7", "DHCP Auto-Config State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.1.1.8", "PIM Global State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.4", "ARP Aging Time", integer, readwrite},
    {},
};
constexpr TCatalogueRecord DeviceCtrl1 = {
    .MenuItem = "DeviceCtrl1", .Title = "Layer3 Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = DeviceCtrl1Objects, .Formats = {{7, "%i{n0x65535l5}"}},
};

// "MD5 Information Table" ("Layer 3 Management" > "MD5 Information ")
constexpr VhSNMPObjectDesc MD5Table1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.4.1.1", "Key ID", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.4.1.2", "Key", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.4.1.3", "Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord MD5Table1 = {
    .MenuItem = "MD5Table1", .Title = "MD5 Information Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = MD5Table1Objects, .StatusColumn = 2, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .HeightPlus = 80, .StoredInConfigForm = true, .Formats = {{0, "%i{n1x255l3}"}, {1, "%s{l16}"}},
};

// "IP Forwarding Table" ("Layer 3 Management" > "IP Management" > "IP Forwarding Table")
constexpr VhSNMPObjectDesc IPForwardingTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.2.2.1.1.1", "IP Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.2.1.1.2", "Subnet Mask", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.2.1.1.3", "Port Number", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.2.2.1.1.4", "Type", integer, readonly, &StaticDynamicList},
    {},
};
constexpr TCatalogueRecord IPForwardingTable1 = {
    .MenuItem = "IPForwardingTable1", .Title = "IP Forwarding Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = IPForwardingTable1Objects,
};

// "DHCP Basic Configuration" ("Layer 3 Management" > "DHCP Basic Configuration")
constexpr VhSNMPObjectDesc mmiDHCPMgmtCfgObjects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.1", "DHCP/Bootp State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.2", "DHCP/Bootp Hop Count [1-16]", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.3", "DHCP/Bootp Time Threshold [0-65535]", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.5", "DHCP Option82 State", integer, readwrite, &DisabledEnabled01List},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.6", "Option82 Check State", integer, readwrite, &DisabledEnabled01List},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.1.7", "Option82 Policy", integer, readwrite, &ReplaceDropKeepList},
    {},
};
constexpr TCatalogueRecord mmiDHCPMgmtCfg = {
    .MenuItem = "mmiDHCPMgmtCfg", .Title = "DHCP Basic Configuration", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiDHCPMgmtCfgObjects, .Formats = {{1, "%i{n1x16l2}"}, {2, "%i{n0x65535l5}"}},
};

// "DNS Basic Configuration" ("Layer 3 Management" > "DNS Basic Configuration")
constexpr VhSNMPObjectDesc DNSBasicConfiguration1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.1", "DNS State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.2", "DNS Primary Server", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.3", "DNS Secondary Server", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.4", "DNS Cache State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.5", "DNS Static Table State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord DNSBasicConfiguration1 = {
    .MenuItem = "DNSBasicConfiguration1", .Title = "DNS Basic Configuration", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = DNSBasicConfiguration1Objects, .Formats = {{1, "%s{l16}"}, {2, "%s{l16}"}},
};

// "DNS Relay Configuration" ("Layer 3 Management" > "DNS Relay Ctrl Table")
constexpr VhSNMPObjectDesc DNSCtrlTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.6.1.1", "Domain Name", displaystr, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.6.1.2", "IP Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.3.2.6.1.3", "State", integer, readwrite, &InvalidValidList},
    {},
};
constexpr TCatalogueRecord DNSCtrlTable1 = {
    .MenuItem = "DNSCtrlTable1", .Title = "DNS Relay Configuration", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = DNSCtrlTable1Objects, .StatusColumn = 2, .AddLabel = "valid", .DeleteLabel = "invalid",
    .Formats = {{1, "%s{l16}"}},
};

// "OSPF Interface Table" ("Layer 3 Management" > "OSPF (RFC1850)" > "Interface Table")
constexpr VhSNMPObjectDesc InterfaceTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.1", "Interfcase IP Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.2", "Address Less Interface", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.3", "Area ID", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.4", "Type", integer, readwrite, &OspfIfTypeList},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.5", "Admin State", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.6", "Router Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.7", "Transit Delay", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.8", "Retransmissions Interval", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.9", "Hello Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.10", "Router Dead Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.11", "Poll Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.12", "State", integer, readonly, &OspfIfStateList},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.13", "Designated Router", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.14", "Backup Designated Router", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.15", "Events", counter, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.16", "Multicast Forwarding", integer, readonly, &MulticastList},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.17", "Demand", integer, readonly, &FalseOnlyList},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.18", "Auth Type", integer, readwrite, &NoneSimplePasswordMD5List},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.19", "Auth Key", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.8.1.20", "Auth Key ID", integer, readwrite},
    {},
};
constexpr TCatalogueRecord InterfaceTable1 = {
    .MenuItem = "InterfaceTable1", .Title = "OSPF Interface Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = InterfaceTable1Objects, .HeightPlus = 50, .StoredInConfigForm = true,
    .Formats = {{5, "%i{n0x255l3}"}, {8, "%i{n1x65535l5}"}, {9, "%i{n1x65535l5}"}, {10, "%i{n1x65535l5}"}},
};

// "Virtual Interface Table" ("Layer 3 Management" > "OSPF (RFC1850)" > "Virtual Interface Table")
constexpr VhSNMPObjectDesc InterfaceInfo1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.1", "Area ID", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.2", "Neighbor Route ID", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.3", "Transmit Delay", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.4", "Retransmit Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.5", "Hello Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.6", "Router Dead Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.7", "State", integer, readonly, &DownPointToPointList},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.8", "Number of Events", counter, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.9", "Authentication Type", integer, readwrite, &NoneSimpleMD5List},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.10", "Authentication Key", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.11", "MD5 Key ID", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.7.1.12", "Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord InterfaceInfo1 = {
    .MenuItem = "InterfaceInfo1", .Title = "Virtual Interface Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = InterfaceInfo1Objects, .StatusColumn = 11, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
    .Formats = {{0, "%s{l16}"}, {1, "%s{l16}"}, {2, "%i{n0x3600l4}"}, {3, "%i{n0x3600l4}"}, {4, "%i{n1x65535l5}"}, {5, "%i{n0x2147483647l10}"}, {9, "%s{l256}"}, {10, "%i{n0x255l3}"}},
};

// "VRRP Control" ("Layer 3 Management" > "VRRP (RFC2787)" > "VRRP Control")
constexpr VhSNMPObjectDesc VRRPControl1Objects[] = {
    {"1.3.6.1.2.1.68.1.1", "VRRP Node Version", integer, readonly},
    {"1.3.6.1.2.1.68.1.2", "VRRP Notification Control", integer, readwrite, &EnabledDisabledList},
    {},
};
constexpr TCatalogueRecord VRRPControl1 = {
    .MenuItem = "VRRPControl1", .Title = "VRRP Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = VRRPControl1Objects,
};

// "VRRP Operation" ("Layer 3 Management" > "VRRP (RFC2787)" > "VRRP Operation")
constexpr VhSNMPObjectDesc VRRPOperation1Objects[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", integer, notaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", integer, notaccess},
    {"1.3.6.1.2.1.68.1.3.1.2", "Virtual MAC Address", macaddress, readonly},
    {"1.3.6.1.2.1.68.1.3.1.3", "Virtual Router State", integer, readonly, &InitializeBackupMasterList},
    {"1.3.6.1.2.1.68.1.3.1.4", "Administrate State", integer, readwrite, &UpDownList},
    {"1.3.6.1.2.1.68.1.3.1.5", "Virtual Router Priority", integer, readwrite},
    {"1.3.6.1.2.1.68.1.3.1.6", "IP Address Count", integer, readonly},
    {"1.3.6.1.2.1.68.1.3.1.7", "Master IP Address", ipaddress, readonly},
    {"1.3.6.1.2.1.68.1.3.1.8", "Primary IP Address", ipaddress, readwrite},
    {"1.3.6.1.2.1.68.1.3.1.9", "Authentication Type", integer, readwrite, &NoAuthSimpleTextList},
    {"1.3.6.1.2.1.68.1.3.1.10", "Authentication Key", displaystr, readwrite},
    {"1.3.6.1.2.1.68.1.3.1.11", "Advertisement Interval", integer, readwrite},
    {"1.3.6.1.2.1.68.1.3.1.12", "Preempt Mode", integer, readwrite, &TrueFalseList},
    {"1.3.6.1.2.1.68.1.3.1.13", "Virtual Router UpTime", timeticks, readonly},
    {"1.3.6.1.2.1.68.1.3.1.14", "Operate Protocol", integer, readwrite, &IpBridgeDecnetList},
    {"1.3.6.1.2.1.68.1.3.1.15", "Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord VRRPOperation1 = {
    .MenuItem = "VRRPOperation1", .Title = "VRRP Operation", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = VRRPOperation1Objects, .Formats = {{5, "%i{n1x254l3}"}, {8, "%s{l16}"}, {11, "%i{n1x255l3}"}},
};

// "Virtual Route IP Address" ("Layer 3 Management" > "VRRP (RFC2787)" > "Virtual Route IP Address")
constexpr VhSNMPObjectDesc VirtualRouteAddress1Objects[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", integer, notaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", integer, notaccess},
    {"1.3.6.1.2.1.68.1.4.1.1", "Critical IP", ipaddress, notaccess},
    {"1.3.6.1.2.1.68.1.4.1.2", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord VirtualRouteAddress1 = {
    .MenuItem = "VirtualRouteAddress1", .Title = "Virtual Route IP Address", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 3, .Objects = VirtualRouteAddress1Objects, .StatusColumn = 3, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .EditHidden = true, .HeightPlus = 30,
};

// "VRRP Error Statistics" ("Layer 3 Management" > "VRRP (RFC2787)" > "VRRP Error Statistics")
constexpr VhSNMPObjectDesc VRRPErrorStatistics1Objects[] = {
    {"1.3.6.1.2.1.68.2.1", "VRRP Router Checksum Error", counter, readonly},
    {"1.3.6.1.2.1.68.2.2", "VRRP Router Version Error", counter, readonly},
    {"1.3.6.1.2.1.68.2.3", "VRRP Router VrId Error", counter, readonly},
    {},
};
constexpr TCatalogueRecord VRRPErrorStatistics1 = {
    .MenuItem = "VRRPErrorStatistics1", .Title = "VRRP Error Statistics", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = VRRPErrorStatistics1Objects,
};

// "VRRP Route Statistics" ("Layer 3 Management" > "VRRP (RFC2787)" > "Virtual Route Statistics")
constexpr VhSNMPObjectDesc VirtualRouteStatistics1Objects[] = {
    {"1.3.6.1.2.1.2.2.1.1", "IF Index", integer, notaccess},
    {"1.3.6.1.2.1.68.1.3.1.1", "VRID", integer, notaccess},
    {"1.3.6.1.2.1.68.2.4.1.1", "Become Master Time", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.2", "Advertisement Received", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.3", "Advertisement Interval Errors", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.4", "Authentication Failures", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.5", "IP TTL Errors", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.6", "Priority Zero Packets Received", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.7", "Priority Zero Packets Sent", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.8", "Invalid Type Packets Received", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.9", "Address List Errors", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.10", "Invalid Authentication Type", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.11", "Authentication Type Mismatch", counter, readonly},
    {"1.3.6.1.2.1.68.2.4.1.12", "Packet Length Errors", counter, readonly},
    {},
};
constexpr TCatalogueRecord VirtualRouteStatistics1 = {
    .MenuItem = "VirtualRouteStatistics1", .Title = "VRRP Route Statistics", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 2, .Objects = VirtualRouteStatistics1Objects,
};

// "PIM Neighbor" ("Layer 3 Management" > "PIM" > "PIM Information" > "PIM Neighbor")
constexpr VhSNMPObjectDesc PIMNeighbor1Objects[] = {
    {"1.3.6.1.3.61.1.1.3.1.1", "PIM Neighbor Address", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.3.1.2", "PIM Neighbor IF Index", integer, readonly},
    {"1.3.6.1.3.61.1.1.3.1.3", "PIM Neighbor Up Time", timeticks, readonly},
    {"1.3.6.1.3.61.1.1.3.1.4", "PIM Neighbor Expiry Time", timeticks, readonly},
    {"1.3.6.1.3.61.1.1.3.1.5", "PIM Neighbor Mode", integer, readonly, &DenseSparseList},
    {},
};
constexpr TCatalogueRecord PIMNeighbor1 = {
    .MenuItem = "PIMNeighbor1", .Title = "PIM Neighbor", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = PIMNeighbor1Objects,
};

// "PIM IP Multicast Route" ("Layer 3 Management" > "PIM" > "PIM Information" > "PIM IP Multicast Route")
constexpr VhSNMPObjectDesc PIMIPMulticastRoute1Objects[] = {
    {" ", "Group", ipaddress, notaccess},
    {" ", "Source", ipaddress, notaccess},
    {" ", "Source Mask", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.4.1.1", "Upstream Assert Timer", timeticks, readonly},
    {"1.3.6.1.3.61.1.1.4.1.2", "Assert Metric", integer, readonly},
    {"1.3.6.1.3.61.1.1.4.1.3", "Assert Metric Pref", integer, readonly},
    {"1.3.6.1.3.61.1.1.4.1.4", "Assert RPT Bit", integer, readonly, &TrueFalseList},
    {"1.3.6.1.3.61.1.1.4.1.5", "Flags", octetstr, readonly},
    {},
};
constexpr TCatalogueRecord PIMIPMulticastRoute1 = {
    .MenuItem = "PIMIPMulticastRoute1", .Title = "PIM IP Multicast Route", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 3, .Objects = PIMIPMulticastRoute1Objects,
};

// "PIM RP-Set Table" ("Layer 3 Management" > "PIM" > "PIM Information" > "PIM RP-Set Table")
constexpr VhSNMPObjectDesc PIMRPSetTable1Objects[] = {
    {"1.3.6.1.3.61.1.1.6.1.6", "Component", integer, notaccess},
    {"1.3.6.1.3.61.1.1.6.1.1", "Group Address", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.6.1.2", "Group Mask", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.6.1.3", "RP Address", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.6.1.4", "Hold Time", integer, readonly},
    {"1.3.6.1.3.61.1.1.6.1.5", "Expiry Time", timeticks, readonly},
    {},
};
constexpr TCatalogueRecord PIMRPSetTable1 = {
    .MenuItem = "PIMRPSetTable1", .Title = "PIM RP-Set Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 4,
    .Objects = PIMRPSetTable1Objects,
};

// "PIM Candidate RP Table" ("Layer 3 Management" > "PIM" > "PIM Information" > "PIM Candidate RP Table")
constexpr VhSNMPObjectDesc PIMCandidateRPTable1Objects[] = {
    {"1.3.6.1.3.61.1.1.11.1.1", "Group Address", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.11.1.2", "Group Mask", ipaddress, notaccess},
    {"1.3.6.1.3.61.1.1.11.1.3", "RP Address", ipaddress, readwrite},
    {"1.3.6.1.3.61.1.1.11.1.4", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord PIMCandidateRPTable1 = {
    .MenuItem = "PIMCandidateRPTable1", .Title = "PIM Candidate RP Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = PIMCandidateRPTable1Objects, .StatusColumn = 3, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .EditHidden = true,
};

// "C-BSR Table" ("Layer 3 Management" > "PIM" > "C-BSR Management" > "C-BSR Table")
constexpr VhSNMPObjectDesc CBSRTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.1.3.1.1", "C-BSR Interface", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.1.3.1.2", "C-BSR Priority", integer, readwrite},
    {},
};
constexpr TCatalogueRecord CBSRTable1 = {
    .MenuItem = "CBSRTable1", .Title = "C-BSR Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = CBSRTable1Objects,
};

// "C-BSR Information" ("Layer 3 Management" > "PIM" > "C-BSR Information")
constexpr VhSNMPObjectDesc CBSRInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.1.1", "C-BSR Boot Strap Period", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.1.2", "C-BSR Hash Mask Len", integer, readwrite},
    {},
};
constexpr TCatalogueRecord CBSRInformation1 = {
    .MenuItem = "CBSRInformation1", .Title = "C-BSR Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = CBSRInformation1Objects, .Formats = {{0, "%i{n1x255l3}"}, {1, "%i{n0x32l2}"}},
};

// "Candidate RP Management" ("Layer 3 Management" > "PIM" > "Candidate RP Management")
constexpr VhSNMPObjectDesc CandidateRPManagement1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.2.1", "Candidate RP Holdtime", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.2.2", "Candidate RP Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.2.3", "Candidate RP Wildcard Prefix Cnt", integer, readwrite},
    {},
};
constexpr TCatalogueRecord CandidateRPManagement1 = {
    .MenuItem = "CandidateRPManagement1", .Title = "Candidate RP Management", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = CandidateRPManagement1Objects,
    .Formats = {{0, "%i{n0x255l3}"}, {1, "%i{n0x255l3}"}, {2, "%i{n0x1l1}"}},
};

// "SPT Management" ("Layer 3 Management" > "PIM" > "SPT Management")
constexpr VhSNMPObjectDesc SPTManagement1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.3.1", "Last Hop SPT Threshold", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.3.2", "RP SPT Threshold", displaystr, readwrite},
    {},
};
constexpr TCatalogueRecord SPTManagement1 = {
    .MenuItem = "SPTManagement1", .Title = "SPT Management", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = SPTManagement1Objects, .Formats = {{0, "%s{l8}"}, {1, "%s{l8}"}},
};

// "Register Checksum Including Data Information" ("Layer 3 Management" > "PIM" > "Register Checksum Including Data Information")
constexpr VhSNMPObjectDesc RegisterChecksumIncludingDataInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.4.1.1", "Register Checksum Inclduing Data RP Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.4.1.2", "Register Checksum Including Data State", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord RegisterChecksumIncludingDataInformation1 = {
    .MenuItem = "RegisterChecksumIncludingDataInformation1", .Title = "Register Checksum Including Data Information",
    .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1, .Objects = RegisterChecksumIncludingDataInformation1Objects,
    .StatusColumn = 1, .AddLabel = "createAndGo", .DeleteLabel = "destroy", .EditHidden = true,
};

// "Register Time" ("Layer 3 Management" > "PIM" > "Register Time")
constexpr VhSNMPObjectDesc RegisterTime1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.5.1", "Register Probe Time", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.5.2", "Register Suppression Time", integer, readwrite},
    {},
};
constexpr TCatalogueRecord RegisterTime1 = {
    .MenuItem = "RegisterTime1", .Title = "Register Time", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = RegisterTime1Objects, .Formats = {{0, "%i{n1x127l3}"}, {1, "%i{n3x255l3}"}},
};

// "PIM DR Priority" ("Layer 3 Management" > "PIM" > "PIM DR Priority")
constexpr VhSNMPObjectDesc PIMInformationTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.5.3.1.1", "Interface", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.5.3.1.2", "DR Priority", guage, readwrite},
    {},
};
constexpr TCatalogueRecord PIMInformationTable1 = {
    .MenuItem = "PIMInformationTable1", .Title = "PIM DR Priority", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = PIMInformationTable1Objects,
};

// "Static RP Table Information" ("Layer 3 Management" > "PIM" > "Static RP Table Information")
constexpr VhSNMPObjectDesc StaticRPTableInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.3.10.6.1.1", "Static RP Group Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.6.1.2", "Static RP Group Mask", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.6.1.3", "Static RP Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.3.10.6.1.4", "Static RP Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord StaticRPTableInformation1 = {
    .MenuItem = "StaticRPTableInformation1", .Title = "Static RP Table Information", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 3, .Objects = StaticRPTableInformation1Objects, .StatusColumn = 3, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .EditHidden = true,
};

// "IGMP Interface Table" ("Layer 3 Management" > "IGMP" > "Interface Table")
constexpr VhSNMPObjectDesc mmiIGMPIntfObjects[] = {
    {"1.3.6.1.4.1.32473.12.18.1.4.1.1", "IF Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.3", "Querier", octetstr, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.4", "Query Interval", guage, readwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.6", "Version", guage, readwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.7", "Query Max Response Time", guage, readwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.9", "Querier Expiry Time", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.14", "Robustness", guage, readwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.15", "Last Member Query Interval", guage, readwrite},
    {"1.3.6.1.4.1.32473.12.18.1.4.1.5", "Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord mmiIGMPIntf = {
    .MenuItem = "mmiIGMPIntf", .Title = "IGMP Interface Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiIGMPIntfObjects,
    .Formats = {{2, "%u{n1x31744l5}"}, {3, "%u{n1x3l1}"}, {4, "%u{n10x250l3}"}, {6, "%u{n1x255l3}"}, {7, "%u{n1x25l2}"}},
};

// "IGMP Cache Table" ("Layer 3 Management" > "IGMP" > "Cache Table")
constexpr VhSNMPObjectDesc mmiIGMPGupObjects[] = {
    {"1.3.6.1.4.1.32473.12.18.1.6.1.2", "IF Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.3", "Address", ipaddress, notaccess},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.4", "Last Reporter", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.6", "Expiry Time", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.8", "Version1 Host Timer", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.9", "Version2 Host Timer", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.10", "Source Filter Mode", integer, readonly, &IncludeExcludeList},
    {"1.3.6.1.4.1.32473.12.18.1.6.1.7", "Status", integer, readonly, &RowStatusList},
    {},
};
constexpr TCatalogueRecord mmiIGMPGup = {
    .MenuItem = "mmiIGMPGup", .Title = "IGMP Cache Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 2,
    .Objects = mmiIGMPGupObjects,
};

// "Single IP Control" ("Single IP" > "Single IP Control")
constexpr VhSNMPObjectDesc mmiSingleIPCtrlObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.2.1", "Single IP Status", integer, readwrite, &OtherDisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.8.1.2.2", "Single IP Role", integer, readwrite, &CsCasMsList},
    {"1.3.6.1.4.1.32473.12.8.1.2.3", "Single IP Holdtime", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.8.1.2.4", "Time Interval", integer, readwrite},
    {},
};
constexpr TCatalogueRecord mmiSingleIPCtrl = {
    .MenuItem = "mmiSingleIPCtrl", .Title = "Single IP Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiSingleIPCtrlObjects, .Formats = {{2, "%i{n100x255l3}"}, {3, "%i{n30x90l2}"}},
};

// "My Information" ("Single IP" > "My Information")
constexpr VhSNMPObjectDesc mmiMyInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.1.1", "Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.1.2", "Capability", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.1.3", "Platform", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord mmiMyInf = {
    .MenuItem = "mmiMyInf", .Title = "My Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiMyInfObjects, .EditWidthPlus = 10, .WidthPlus = 10,
};

// "Member Switch" ("Single IP" > "Member Switch")
constexpr VhSNMPObjectDesc mmiMmbSwtObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.3.1.1", "Member ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.2", "Member Name", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.3", "Member MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.4", "Member Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.5", "Member Capability", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.6", "Member Platform", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.7", "Member Holdtime", integer, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.8", "Member Candidate ID", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.9", "Candidate Password", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.8.1.3.1.10", "Member Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord mmiMmbSwt = {
    .MenuItem = "mmiMmbSwt", .Title = "Member Switch", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiMmbSwtObjects, .StatusColumn = 9, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .EditHidden = true, .Formats = {{8, "%s{l16}"}},
};

// "Candidate Switch" ("Single IP" > "Candidate Switch")
constexpr VhSNMPObjectDesc mmiCdtSwtObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.4.1.1", "CaS ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.2", "Device Name", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.3", "MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.4", "Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.5", "Capability", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.6", "Platform", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.4.1.7", "Holdtime", integer, readonly},
    {},
};
constexpr TCatalogueRecord mmiCdtSwt = {
    .MenuItem = "mmiCdtSwt", .Title = "Candidate Switch", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = mmiCdtSwtObjects,
};

// "Group Information" ("Single IP" > "Group Information")
constexpr VhSNMPObjectDesc mmiGrpInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.5.1.1", "Group MAC Address", macaddress, notaccess},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.2", "Group Name", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.3", "Device Name", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.4", "Member Count", integer, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.5", "Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.6", "Capability", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.7", "Platform", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.8.1.5.1.8", "Holdtime", integer, readonly},
    {},
};
constexpr TCatalogueRecord mmiGrpInf = {
    .MenuItem = "mmiGrpInf", .Title = "Group Information", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = mmiGrpInfObjects,
};

// "Neighbor Switch" ("Single IP" > "Neighbor Switch")
constexpr VhSNMPObjectDesc mmiNgbSwtObjects[] = {
    {"1.3.6.1.4.1.32473.12.8.1.6.1.1", "Received Port", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.2", "MAC Address", macaddress, notaccess},
    {"1.3.6.1.4.1.32473.12.8.1.6.1.3", "Role", integer, readonly, &CommanderCandidateMemberList},
    {},
};
constexpr TCatalogueRecord mmiNgbSwt = {
    .MenuItem = "mmiNgbSwt", .Title = "Neighbor Switch", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 2,
    .Objects = mmiNgbSwtObjects,
};

constexpr const TCatalogueRecord* Records[] = {
    &DeviceCtrl1,
    &MD5Table1,
    &IPForwardingTable1,
    &mmiDHCPMgmtCfg,
    &DNSBasicConfiguration1,
    &DNSCtrlTable1,
    &InterfaceTable1,
    &InterfaceInfo1,
    &VRRPControl1,
    &VRRPOperation1,
    &VirtualRouteAddress1,
    &VRRPErrorStatistics1,
    &VirtualRouteStatistics1,
    &PIMNeighbor1,
    &PIMIPMulticastRoute1,
    &PIMRPSetTable1,
    &PIMCandidateRPTable1,
    &CBSRTable1,
    &CBSRInformation1,
    &CandidateRPManagement1,
    &SPTManagement1,
    &RegisterChecksumIncludingDataInformation1,
    &RegisterTime1,
    &PIMInformationTable1,
    &StaticRPTableInformation1,
    &mmiIGMPIntf,
    &mmiIGMPGup,
    &mmiSingleIPCtrl,
    &mmiMyInf,
    &mmiMmbSwt,
    &mmiCdtSwt,
    &mmiGrpInf,
    &mmiNgbSwt,
};

} // namespace

extern const TCatalogueGroup CatalogueGroup_layer3singleip;
const TCatalogueGroup CatalogueGroup_layer3singleip = {"Layer 3 Management and Single IP", Records};
