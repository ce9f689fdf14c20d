// The generic windows of Layer 2 Management: one record per window, keyed by its menu item, each
// with its descriptor table in record order. Data only; mainwin/catalogue.h says how
// the records are read.
#include "mainwin/catalogue/names.h"

namespace {

using namespace catalogue_names;

// "Jumbo Frame Control" ("Layer 2 Management" > "Port Management" > "Jumbo Frame Ctrl")
constexpr VhSNMPObjectDesc JumboFrameCtrl1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.3.3", "Jumbo Frame State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord JumboFrameCtrl1 = {
    .MenuItem = "JumboFrameCtrl1", .Title = "Jumbo Frame Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = JumboFrameCtrl1Objects,
};

// "Port Information Table" ("Layer 2 Management" > "Port Management" > "Port Information Table"):
// the port popup's descriptor table (catalogue/basic.cpp), walked as a table.
constexpr TCatalogueRecord PortInformation1 = {
    .MenuItem = "PortInformation1", .Title = "Port Information Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = PortInformationObjects, .EditWidthPlus = 102, .Height = 450,
};

// "Serial Port Information" ("Layer 2 Management" > "Port Management" > "Serial Port Information")
constexpr VhSNMPObjectDesc SerialPortInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.6.1", "Baud Rate", integer, readonly, &OtherRate2400Rate9600List},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.6.2", "Data Bits", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.6.3", "Stop Bits", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.17", "Serial Port Auto Logout", integer, readwrite, &NeverMinsList},
    {},
};
constexpr TCatalogueRecord SerialPortInformation1 = {
    .MenuItem = "SerialPortInformation1", .Title = "Serial Port Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = SerialPortInformation1Objects,
};

// "Port Security Table" ("Layer 2 Management" > "Port Management" > "Port Security Management" > "Port Security Table")
constexpr VhSNMPObjectDesc mmiPortSecTblObjects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.7.1.1.1", "Port Index", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.1.1.2", "Max Learn Address", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.1.1.3", "Security Mode", integer, readwrite, &PermanentDeleteOnList},
    {"1.3.6.1.4.1.32473.11.78.1.2.7.1.1.4", "Admin State", integer, readwrite, &EnableDisableList},
    {},
};
constexpr TCatalogueRecord mmiPortSecTbl = {
    .MenuItem = "mmiPortSecTbl", .Title = "Port Security Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiPortSecTblObjects, .Height = 450, .Formats = {{2, "%i{n0x64l2}"}},
};

// "Qos Control" ("Layer 2 Management" > "QoS Management" > "Qos Control")
constexpr VhSNMPObjectDesc QosControl1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.6.5", "Scheduling Mechanism Control", integer, readwrite, &StrictWeightfairList},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.6", "Hol Prevention Control", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord QosControl1 = {
    .MenuItem = "QosControl1", .Title = "Qos Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = QosControl1Objects, .HeightPlus = 20,
};

// "Bandwidth Control Table" ("Layer 2 Management" > "QoS Management" > "Bandwidth Control Table")
constexpr VhSNMPObjectDesc BandwidthControlTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.6.1.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.1.1.2", "Receive Rate", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.1.1.3", "Transmit Rate", integer, readwrite},
    {},
};
constexpr TCatalogueRecord BandwidthControlTable1 = {
    .MenuItem = "BandwidthControlTable1", .Title = "Bandwidth Control Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = BandwidthControlTable1Objects, .Formats = {{2, "%i{n1x10000}"}, {3, "%i{n1x10000}"}},
};

// "Scheduling Table" ("Layer 2 Management" > "QoS Management" > "Scheduling Table")
constexpr VhSNMPObjectDesc SchedulingTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.6.2.1.1", "Class Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.2.1.2", "Scheduling Max Packets", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.2.1.3", "Scheduling Mechanism", integer, readonly, &StrictWeightfairList},
    {},
};
constexpr TCatalogueRecord SchedulingTable1 = {
    .MenuItem = "SchedulingTable1", .Title = "Scheduling Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = SchedulingTable1Objects, .Formats = {{1, "%i{n0x15l2}"}},
};

// "802.1p User Priority Table" ("Layer 2 Management" > "QoS Management" > "802.1p User Priority Table")
constexpr VhSNMPObjectDesc N8021pUserPriorityTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.6.3.1.1", "User Priority Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.3.1.2", "8021p User Priority Class", integer, readwrite},
    {},
};
constexpr TCatalogueRecord N8021pUserPriorityTable1 = {
    .MenuItem = "N8021pUserPriorityTable1", .Title = "802.1p User Priority Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = N8021pUserPriorityTable1Objects, .Formats = {{1, "%i{n0x6l1}"}},
};

// "802.1p Default Priority Table" ("Layer 2 Management" > "QoS Management" > "802.1p Default Priority Table")
constexpr VhSNMPObjectDesc N8021pDefaultPriorityTable1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.6.4.1.1", "Priority Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.6.4.1.2", "8021p Default Priority", integer, readwrite},
    {},
};
constexpr TCatalogueRecord N8021pDefaultPriorityTable1 = {
    .MenuItem = "N8021pDefaultPriorityTable1", .Title = "802.1p Default Priority Table", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 1, .Objects = N8021pDefaultPriorityTable1Objects, .HeightPlus = 30,
    .Formats = {{1, "%i{n0x7l1}"}},
};

// "Trunk Information" ("Layer 2 Management" > "Trunk Basic Information")
constexpr VhSNMPObjectDesc TrunkBasicInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.9.1", "Trunk Max Supported Entries", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.2", "Trunk Current Entries Number", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.9.4", "Trunk Algorithm", integer, readwrite, &MacIpSourceDestList},
    {},
};
constexpr TCatalogueRecord TrunkBasicInformation1 = {
    .MenuItem = "TrunkBasicInformation1", .Title = "Trunk Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = TrunkBasicInformation1Objects,
};

// "IGMP Snooping Control" ("Layer 2 Management" > "IGMP Snooping" > "IGMP Snooping Control Table")
constexpr VhSNMPObjectDesc IGMPSnoopingControlTable2Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.1", "VID", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.2", "Query Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.3", "Max Response Time", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.4", "Robustness", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.5", "Last Member Query Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.6", "Host Timeout", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.7", "Route Timeout", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.8", "Leave Timer", integer, readwrite},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.9", "Query State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.10", "Current State", integer, readonly, &OtherQuerierNonQuerierList},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.3.1.11", "Control State", integer, readwrite, &DisableEnableList},
    {},
};
constexpr TCatalogueRecord IGMPSnoopingControlTable2 = {
    .MenuItem = "IGMPSnoopingControlTable2", .Title = "IGMP Snooping Control", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = IGMPSnoopingControlTable2Objects, .Height = 450,
    .Formats = {{1, "%i{n1x65535l5}"}, {2, "%i{n1x25l2}"}, {3, "%i{n1x255l3}"}, {4, "%i{n1x25l3}"}, {5, "%i{n1x16711450l8}"}, {6, "%i{n1x16711450l8}"}, {7, "%i{n1x16711450l8}"}},
};

// "IGMP Snooping Query Information" ("Layer 2 Management" > "IGMP Snooping" > "IGMP Snooping Query Information")
constexpr VhSNMPObjectDesc IGMPSnoopingQueryInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.11.4.1.1", "VID", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.4.1.2", "Query Count", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.4.1.3", "TX Query Count", integer, readonly},
    {},
};
constexpr TCatalogueRecord IGMPSnoopingQueryInformation1 = {
    .MenuItem = "IGMPSnoopingQueryInformation1", .Title = "IGMP Snooping Query Information", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_FMV, .KeyCount = 1, .Objects = IGMPSnoopingQueryInformation1Objects, .Height = 450,
};

// "IGMP Snooping Information" ("Layer 2 Management" > "IGMP Snooping" > "IGMP Snooping Information ")
constexpr VhSNMPObjectDesc IGMPSnoopingInformation2Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.11.5.1.1", "VID", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.5.1.2", "Group IP Address", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.5.1.3", "MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.5.1.4", "Port Map", octetstr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.11.5.1.5", "IP Group Report Count", integer, readonly},
    {},
};
constexpr TCatalogueRecord IGMPSnoopingInformation2 = {
    .MenuItem = "IGMPSnoopingInformation2", .Title = "IGMP Snooping Information", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = IGMPSnoopingInformation2Objects, .Height = 450,
};

// "Traffic Control Table: " ("Layer 2 Management" > "Traffic Control Management" > "Traffic Control Table")
constexpr VhSNMPObjectDesc mmiTrafficCtlInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.25.3.1.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.3", "Broadcast Storm Status", integer, readwrite, &DisabledEnabled12List},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.4", "Multicast Storm Status", integer, readwrite, &DisabledEnabled12List},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.5", "DLF Storm Status", integer, readwrite, &DisabledEnabled12List},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.6", "Action", integer, readwrite, &ShutdownDropList},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.2", "Threshold", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.7", "Count Down", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.8", "Time Interval", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.25.3.1.1.9", "Shutdown Forever", integer, readonly, &YesNoList},
    {},
};
constexpr TCatalogueRecord mmiTrafficCtlInf = {
    .MenuItem = "mmiTrafficCtlInf", .Title = "Traffic Control Table: ", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = mmiTrafficCtlInfObjects, .CaptionPrefix = "Traffic Control Table: ",
    .Formats = {{6, "%i{n0x2047l4}"}, {7, "%i{n0x30l2}"}, {8, "%i{n0x30l2}"}},
};

// "Ethernet Mask" ("Layer 2 Management" > "Access Control Information" > "Ethernet Mask")
constexpr VhSNMPObjectDesc mmiEthMskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.2.1.1.1", "Ethernet Mask ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.3", "Use VLAN", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.4", "MAC Address Mask State", integer, readwrite, &OtherDstMacAddrSrcMacAddrList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.5", "MAC Address Mask Source", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.6", "MAC Address Mask Destination", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.7", "Use 802.1P", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.8", "Use Ethernet Type", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.1.1.9", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiEthMsk = {
    .MenuItem = "mmiEthMsk", .Title = "Ethernet Mask", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiEthMskObjects, .StatusColumn = 7, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450, .Formats = {{0, "%i{n1x8l1}"}, {3, "%s{l12}"}, {4, "%s{l12}"}},
};

// "Ethernet Rule" ("Layer 2 Management" > "Access Control Information" > "Ethernet Rule")
constexpr VhSNMPObjectDesc RuleOfEthernetInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.12.9.3.1.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.3", "Rule VLAN", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.4", "Rule Source MAC Address", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.5", "Rule Destination MAC Address", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.6", "Rule 8021P", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.7", "Rule Ethernet Type", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.8", "Rule Enable Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.9", "Rule Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.10", "Rule Replace Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.11", "Enable ReplaceDscp", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.12", "Rule Value in Type-Of-Service", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.13", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.14", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.1.1.15", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord RuleOfEthernetInformation1 = {
    .MenuItem = "RuleOfEthernetInformation1", .Title = "Ethernet Rule", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = RuleOfEthernetInformation1Objects, .StatusColumn = 14, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .Height = 450,
    .Formats = {{0, "%i{n1x8l1}"}, {1, "%i{n1x65535l5}"}, {3, "%s{l12}"}, {4, "%s{l12}"}, {5, "%i{n0x7l1}"}, {6, "%s{l4}"}, {8, "%i{n0x7l1}"}, {11, "%i{n0x63l2}"}},
};

// "IPv4 Mask" ("Layer 2 Management" > "Access Control Information" > "IP Mask")
constexpr VhSNMPObjectDesc mmiIPV4MskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.2.2.1.1", "IPv4 ID", integer, readonly},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.3", "Use VLAN", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.4", "IPv4 Address Mask State", integer, readwrite, &OtherDstIpAddrSrcIpAddrList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.5", "IPv4 Address Mask Source", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.6", "IPv4 Address Mask Destination", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.7", "Use DSCP", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.8", "Use Protocol Type", integer, readwrite, &NoneIcmpIgmpList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.9", "ICMP Option", integer, readwrite, &NoneTypeCodeList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.10", "IGMP Option", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.11", "TCP Option", integer, readwrite, &OtherDstAddrSrcAddrList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.12", "UDP Option", integer, readwrite, &OtherDstAddrSrcAddrList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.13", "TCP or UDP Srouce Port Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.14", "TCP or UDP Destination Port Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.15", "TCP Flag Bit", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.16", "TCP Flag Bit Mask", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.17", "Protocol ID Option", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.18", "Protocol ID Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.2.1.19", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiIPV4Msk = {
    .MenuItem = "mmiIPV4Msk", .Title = "IPv4 Mask", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiIPV4MskObjects, .StatusColumn = 17, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x8l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"}, {16, "%s{l8}"}},
};

// "IPv4 Rule" ("Layer 2 Management" > "Access Control Information" > "IP Rule")
constexpr VhSNMPObjectDesc mmiIPV4RuleObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.3.2.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.3", "Apply VLAN", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.4", "Source IPv4 Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.5", "Destination IPv4 address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.6", "DSCP", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.7", "Rule Protocol", integer, readonly, &NoneIcmpIgmpList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.8", "Rule Type", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.9", "Rule Code", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.10", "Source Port", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.11", "Destination Port", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.12", "Flag Bits", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.13", "Protocol ID", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.14", "User Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.15", "Enable Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.16", "Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.17", "Replace Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.18", "Enable Replace Dscp", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.19", "Dscp Value", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.20", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.21", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.2.1.22", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiIPV4Rule = {
    .MenuItem = "mmiIPV4Rule", .Title = "IPv4 Rule", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = mmiIPV4RuleObjects, .StatusColumn = 21, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x8l1}"}, {1, "%i{n1x65535l5}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {5, "%i{n0x63l2}"}, {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"}, {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"}, {13, "%s{l8}"}, {15, "%i{n0x7l1}"}, {18, "%i{n0x63l2}"}},
};

// "Packet Content Mask" ("Layer 2 Management" > "Access Control Information" > "Packet Content Mask")
constexpr VhSNMPObjectDesc mmiPktCntMskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.2.3.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.3", "Packet Content Offset Mask[0-15]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.4", "Packet Content Offset Mask[16-31]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.5", "Packet Content Offset Mask[32-47]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.6", "Packet Content Offset Mask[48-63]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.7", "Packet Content Offset Mask[64-79]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.3.1.8", "RowStatus", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiPktCntMsk = {
    .MenuItem = "mmiPktCntMsk", .Title = "Packet Content Mask", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiPktCntMskObjects, .StatusColumn = 6, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x8l1}"}, {1, "%s{l32}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}},
};

// "Packet Content Rule" ("Layer 2 Management" > "Access Control Information" > "Packet Content Rule")
constexpr VhSNMPObjectDesc mmiPktCntRulObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.3.3.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.3", "Packet Content Offset [0-15]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.4", "Packet Content Offset [16-31]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.5", "Packet Content Offset [32-47]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.6", "Packet Content Offset [48-63]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.7", "Packet Content Offset [64-79]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.8", "Enable Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.9", "Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.10", "Replace Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.11", "Enable ReplaceDscp", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.12", "ReplaceDscp", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.13", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.14", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.3.1.15", "RowStatus", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiPktCntRul = {
    .MenuItem = "mmiPktCntRul", .Title = "Packet Content Rule", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = mmiPktCntRulObjects, .StatusColumn = 14, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x8l1}"}, {1, "%i{n1x65535l5}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {6, "%s{l32}"}, {8, "%i{n0x7l1}"}, {11, "%i{n0x63l2}"}},
};

// "IPv6 Mask" ("Layer 2 Management" > "Access Control Information" > "IPv6 Mask")
constexpr VhSNMPObjectDesc mmiIPV6MaskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.2.4.1.1", "IPv6 ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.3", "Mask Class", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.4", "Flow Label", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.5", "IPv6 Address Mask State", integer, readwrite, &OtherDstIpv6AddrSrcIpv6AddrList},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.6", "IPv6 Address Mask Source", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.7", "IPv6 Address Mask Destination", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.2.4.1.8", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiIPV6Mask = {
    .MenuItem = "mmiIPV6Mask", .Title = "IPv6 Mask", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiIPV6MaskObjects, .StatusColumn = 6, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Formats = {{0, "%i{n1x8l1}"}, {4, "%s{l32}"}, {5, "%s{l32}"}},
};

// "IPv6 Rule" ("Layer 2 Management" > "Access Control Information" > "IPv6 Rule")
constexpr VhSNMPObjectDesc mmiIPV6RuleObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.3.4.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.3", "Class", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.4", "Flow Label", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.5", "Source IPv6 Address", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.6", "Destination IPv6 address", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.7", "Enable Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.8", "Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.9", "Replace Priority", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.10", "Enable ReplaceDscp", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.11", "ReplaceDscp", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.12", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.13", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.3.4.1.15", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiIPV6Rule = {
    .MenuItem = "mmiIPV6Rule", .Title = "IPv6 Rule", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = mmiIPV6RuleObjects, .StatusColumn = 13, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Formats = {{0, "%i{n1x8l1}"}, {1, "%i{n1x65535l5}"}, {2, "%i{n0x255l3}"}, {3, "%s{l8}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {7, "%i{n0x7l1}"}, {10, "%i{n0x63l2}"}},
};

// "CPU Filtering Control" ("Layer 2 Management" > "CPU Filter" > "CPU Filter Control")
constexpr VhSNMPObjectDesc mmiCPUItfFltObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.1", "CPU Interface Filtering State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiCPUItfFlt = {
    .MenuItem = "mmiCPUItfFlt", .Title = "CPU Filtering Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiCPUItfFltObjects,
};

// "Ethernet Mask (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "Ethernet Mask (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuEthMskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.4.1.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.3", "Use VLAN", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.4", "MAC Address Mask State", integer, readwrite, &OtherDstMacAddrSrcMacAddrList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.5", "MAC Address Mask Source", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.6", "MAC Address Mask Destination", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.7", "Use Ethernet Type", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.1.1.8", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuEthMsk = {
    .MenuItem = "mmiCpuEthMsk", .Title = "Ethernet Mask (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = mmiCpuEthMskObjects, .StatusColumn = 6, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .Height = 450, .Formats = {{0, "%i{n1x5l1}"}, {3, "%s{l12}"}, {4, "%s{l12}"}},
};

// "Ethernet Rule (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "Ethernet Rule (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuEthRleObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.5.1.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.3", "VLAN", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.4", "Rule Source MAC Address", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.5", "Rule Destination MacAddress", macaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.6", "Ethernet Type", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.7", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.8", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.1.1.9", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuEthRle = {
    .MenuItem = "mmiCpuEthRle", .Title = "Ethernet Rule (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = mmiCpuEthRleObjects, .StatusColumn = 8, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .Height = 450,
    .Formats = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {3, "%s{l12}"}, {4, "%s{l12}"}, {5, "%s{l4}"}},
};

// "IPv4 Mask (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "IP Mask (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuIpv4MskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.4.2.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.3", "Use Vlan", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.4", "IP Address Mask State", integer, readwrite, &OtherDstIpAddrSrcIpAddrList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.5", "IP Address Mask Source", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.6", "IP Address Mask Destination", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.7", "Use DSCP", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.8", "Use Protocol Type", integer, readwrite, &NoneIcmpIgmpList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.9", "ICMP Option", integer, readwrite, &NoneTypeCodeList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.10", "IGMP Option", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.11", "TCP Option", integer, readwrite, &OtherDstAddrSrcAddrList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.12", "UDP Option", integer, readwrite, &OtherDstAddrSrcAddrList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.13", "TCP or UDP Srouce Port Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.14", "TCP or UDP Destination Port Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.15", "TCP Flag Bit", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.16", "TCP Flag Bit Mask", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.17", "Protocol ID Option", integer, readwrite, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.18", "Protocol ID Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.2.1.19", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuIpv4Msk = {
    .MenuItem = "mmiCpuIpv4Msk", .Title = "IPv4 Mask (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiCpuIpv4MskObjects, .StatusColumn = 17, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x5l1}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {11, "%s{l4}"}, {12, "%s{l4}"}, {14, "%i{n0x63l2}"}, {16, "%s{l8}"}},
};

// "IPv4 Rule (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "IP Rule (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuIpv4RleObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.5.2.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.3", "VLAN", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.4", "Source IPv4 Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.5", "Destination IPv4 address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.6", "DSCP", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.7", "Protocol", integer, readonly, &NoneIcmpIgmpList},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.8", "Type", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.9", "Code", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.10", "Source Port", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.11", "Destination Port", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.12", "Flag Bits", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.13", "Protocol ID", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.14", "User Mask", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.15", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.16", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.2.1.17", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuIpv4Rle = {
    .MenuItem = "mmiCpuIpv4Rle", .Title = "IPv4 Rule (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = mmiCpuIpv4RleObjects, .StatusColumn = 16, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .Height = 450,
    .Formats = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {3, "%s{l16}"}, {4, "%s{l16}"}, {5, "%i{n0x63l2}"}, {7, "%i{n0x255l3}"}, {8, "%i{n0x255l3}"}, {9, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}, {11, "%i{n0x63l2}"}, {12, "%i{n0x255l3}"}, {13, "%s{l8}"}},
};

// "Packet Content Mask (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "Packet Content Mask (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuPktCntMskObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.4.3.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.3", "Packet Content Offset Mask[1-15]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.4", "Packet Content Offset Mask[16-31]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.5", "Packet Content Offset Mask[32-47]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.6", "Packet Content Offset Mask[48-63]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.7", "Packet Content Offset Mask[64-79]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.4.3.1.8", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuPktCntMsk = {
    .MenuItem = "mmiCpuPktCntMsk", .Title = "Packet Content Mask (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = mmiCpuPktCntMskObjects, .StatusColumn = 6, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .Height = 450,
    .Formats = {{0, "%i{n1x5l1}"}, {1, "%s{l32}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}},
};

// "Packet Content Rule (CPU Filter)" ("Layer 2 Management" > "CPU Filter" > "Packet Content Rule (CPU Filter)")
constexpr VhSNMPObjectDesc mmiCpuPldRleObjects[] = {
    {"1.3.6.1.4.1.32473.12.9.5.3.1.1", "Profile ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.2", "Access ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.3", "Payload Offset [1-15]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.4", "Payload Offset [16-31]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.5", "Payload Offset [32-47]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.6", "Payload Offset [48-63]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.7", "Payload Offset [64-79]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.8", "Mode", integer, readwrite, &DenyPermitList},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.9", "Port", bitstr, readwrite},
    {"1.3.6.1.4.1.32473.12.9.5.3.1.10", "Row Status", integer, readwrite, &RowStatusGoDestroyList},
    {},
};
constexpr TCatalogueRecord mmiCpuPldRle = {
    .MenuItem = "mmiCpuPldRle", .Title = "Packet Content Rule (CPU Filter)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = mmiCpuPldRleObjects, .StatusColumn = 9, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .Height = 450,
    .Formats = {{0, "%i{n1x5l1}"}, {1, "%i{n1x100l3}"}, {2, "%s{l32}"}, {3, "%s{l32}"}, {4, "%s{l32}"}, {5, "%s{l32}"}, {6, "%s{l32}"}},
};

// "Aggregator Table" ("Layer 2 Management" > "802.3 ad" > "Aggregator Table")
constexpr VhSNMPObjectDesc AggregatorTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.1", "Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.2", "MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.3", "Actor System Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.4", "Actor System ID", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.5", "Aggregate Or Individual", integer, readonly, &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.6", "Actor Admin value Key", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.7", "Actor Operational Value Key", integer, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.8", "Partner System ID", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.9", "Partner System Priority", integer, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.10", "Partner Operational Value Key", integer, readonly},
    {"1.3.6.1.4.1.32473.12.4.1.1.1.1.11", "Collector Max Delay", integer, readwrite},
    {},
};
constexpr TCatalogueRecord AggregatorTable1 = {
    .MenuItem = "AggregatorTable1", .Title = "Aggregator Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = AggregatorTable1Objects,
    .Formats = {{2, "%i{n0x65535l5}"}, {5, "%i{n0x65535l5}"}, {10, "%i{n0x65535l5}"}},
};

constexpr const TCatalogueRecord* Records[] = {
    &JumboFrameCtrl1,
    &PortInformation1,
    &SerialPortInformation1,
    &mmiPortSecTbl,
    &QosControl1,
    &BandwidthControlTable1,
    &SchedulingTable1,
    &N8021pUserPriorityTable1,
    &N8021pDefaultPriorityTable1,
    &TrunkBasicInformation1,
    &IGMPSnoopingControlTable2,
    &IGMPSnoopingQueryInformation1,
    &IGMPSnoopingInformation2,
    &mmiTrafficCtlInf,
    &mmiEthMsk,
    &RuleOfEthernetInformation1,
    &mmiIPV4Msk,
    &mmiIPV4Rule,
    &mmiPktCntMsk,
    &mmiPktCntRul,
    &mmiIPV6Mask,
    &mmiIPV6Rule,
    &mmiCPUItfFlt,
    &mmiCpuEthMsk,
    &mmiCpuEthRle,
    &mmiCpuIpv4Msk,
    &mmiCpuIpv4Rle,
    &mmiCpuPktCntMsk,
    &mmiCpuPldRle,
    &AggregatorTable1,
};

} // namespace

extern const TCatalogueGroup CatalogueGroup_layer2;
const TCatalogueGroup CatalogueGroup_layer2 = {"Layer 2 Management", Records};
