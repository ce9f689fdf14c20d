#include "mainwin/menutable.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QMetaObject>

#include <string>

#include "platform/sysutils.h"

// {name, caption, level, hidden, kind, target, owned by the main window}
const TMenuItemDef MainMenuItems[] = {
    {"BasicConfiguration1", "Basic Configuration", 0, false, 0, nullptr, false},
    {"MoudleBasicConfig", "Moudle Basic Configuration", 1, true, 'F', "TModuleBasicConfigurationForm", true},
    {"DeviceManagement1", "Device Management", 1, false, 0, nullptr, false},
    {"Information3", "System Information", 2, false, 'T', "/TMIB_Info", false},
    {"DeviceInformation1", "Device Information", 2, false, 'E', "Device Information", false},
    {"AlarmControl1", "Alarm Control", 2, false, 'E', "Alarm Control", false},
    {"RefreshPanel1", "Refresh Panel", 2, false, 'R', nullptr, false},
    {"SystemLog1", "System Log", 2, false, 0, nullptr, false},
    {"SystemLogControl1", "System Log Control", 3, false, 'E', "System Log Control", false},
    {"SystemLogServer1", "System Log Server", 3, false, 'F', "TSystemLogHostForm", true},
    {"PingTest1", "Ping Test", 2, false, 'E', "Ping Test", false},
    {"EquipmentManagement1", "Equipment Management", 1, false, 0, nullptr, false},
    {"Test1", "Basic Information", 2, false, 'F', "TEquipmentBasicInfoForm", true},
    {"UnitTable1", "Unit Table", 2, false, 'L', "Unit Table", false},
    {"PowerTable1", "Power Table", 2, true, 'L', "Power Table", false},
    {"TrapManagement2", "Trap Management", 2, true, 'E', "Trap Management ", false},
    {"FanTable1", "Fan Table", 2, false, 'E', "Fan Table", false},
    {"AgentManagement1", "Agent Management", 1, false, 0, nullptr, false},
    {"BasicInfo1", "Basic Information", 2, false, 'E', "Basic Information", false},
    {"MibCapabilities1", "MIB Capabilities", 2, false, 'L', "MIB Capabilities", false},
    {"BasicConfigure1", "Basic Configuration", 2, false, 'E', "Basic Configuration", false},
    {"AgentSuportedUpdateFiles1", "Agent Supported Update Files", 2, false, 'L', "Agent Supported Update Files", false},
    {"CPUUtilization1", "CPU Utilization", 2, false, 'E', "CPU Utilization Table", false},
    {"DualImageInformation1", "Dual Image Information", 2, true, 'L', "Firmware Information Table", false},
    {"mmiSysSvt", "System Severity", 2, false, 'E', "System Severity", false},
    {"TimeManagement1", "Time Management", 1, false, 0, nullptr, false},
    {"CurrentTime1", "System Time", 2, false, 'E', "System Time", false},
    {"NetworkTime1", "SNTP", 2, false, 'E', "SNTP", false},
    {"CurrentTime2", "Current Time", 2, false, 'E', "Current Time", false},
    {"mmiSummerTime", "Summer Time", 2, false, 'F', "TSummerTimeForm", false},
    {"IFMIB1", "IF-MIB", 1, false, 0, nullptr, false},
    {"GeneralTable1", "General Table", 2, false, 'T', "/TIFMib_LastChangeTable", false},
    {"IFXTable1", "IfX Table", 2, false, 'F', "TIfxForm", false},
    {"MIBII1", "MIB II", 1, false, 0, nullptr, false},
    {"IfTable1", "IF Table", 2, false, 'T', "/TMIB_IFTable", false},
    {"IFCounter1", "IF Counters", 2, false, 'T', "/TMIB_IFCounters", false},
    {"IPCounters1", "IP Counters", 2, false, 'T', "/TMIB_IPCounters", false},
    {"IPRouting1", "IP Routing", 2, false, 'T', "/TMIB_IPRouting", false},
    {"IPAddressTable1", "IP Address Table", 2, false, 'T', "/TMIB_IPAddress", false},
    {"ICMPCounters1", "ICMP Counters", 2, false, 'T', "/TMIB_ICMPCounters", false},
    {"UDPCounters1", "UDP Counters", 2, false, 'T', "/TMIB_UDPCounters", false},
    {"SNMPCounters1", "SNMP Counters", 2, false, 'T', "/TMIB_SNMPCounters", false},
    {"dot3Statistics1", "dot3 Statistics", 1, false, 'T', "/TEthernetLike_dot3StatsTable", false},
    {"SaveChanges1", "Save Changes", 1, false, 'A', "save", false},
    {"Reboot1", "Reboot", 1, false, 'A', "reboot", false},
    {"RMON1", "RMON", 0, false, 0, nullptr, false},
    {"RMONSetting1", "RMON Control", 1, false, 'E', "RMON Control", false},
    {"Statistics1", "Statistics", 1, false, 'T', "/TRmon_Statistics", false},
    {"History1", "History", 1, false, 'T', "/TRmon_History", false},
    {"AlarmEvent1", "Alarm/Event", 1, false, 'T', "/TRmon_AlarmEvent", false},
    {"Bridge1", "Bridge", 0, false, 0, nullptr, false},
    {"SpanningTreeAlgorithm1", "Spanning Tree Algorithm", 1, false, 'F', "TSpanningTreeAlgorithmForm", false},
    {"N8021d1", "802.1d ", 1, false, 0, nullptr, false},
    {"mmi8021dInf", "Information", 2, false, 'E', "Bridge 802.1d Information", false},
    {"mmi8021dPortTable", "Port Table", 2, false, 'T', "/TBridge_Port", false},
    {"SpanningTree1", "Spanning Tree", 1, false, 0, nullptr, false},
    {"mmiSTPCtrl", "STP Control ", 2, false, 'F', "TSTP_Info", false},
    {"mmiSTPPortTbl", "Port Table", 2, false, 'F', "TSTPPortForm", false},
    {"mmiCfgID", "Configuration Identification", 2, false, 'E', "MSTP Configuration Identification", false},
    {"mmiInstInf", "Instance Information", 2, false, 'L', "MSTP Instance Control", false},
    {"mmiMSTPPortStaInf", "Port State Information", 2, false, 'F', "TMSTPPortStateForm", false},
    {"mmiMSTPPortInf", "Port MSTP Information", 2, false, 'F', "TMSTPPortInformationForm", false},
    {"TransparentBridge1", "Transparent Bridge", 1, false, 0, nullptr, false},
    {"ForwardingTable1", "Forwarding Table", 2, false, 'T', "/TBridge_Forwarding", false},
    {"StaticTable1", "Static Table", 2, true, 'T', "/TBridge_StaticFilter", false},
    {"PortCounters1", "Port Counters", 2, false, 'T', "/TBridge_TpPortInfo", false},
    {"VLAN1", "VLAN", 0, false, 0, nullptr, false},
    {"N8021P1", "802.1P", 1, false, 0, nullptr, false},
    {"BasicConfigure2", "Basic Configure", 2, false, 'F', "TPBridgeConfigForm", false},
    {"PriorityInformation1", "Priority Information", 2, false, 0, nullptr, false},
    {"DefaultUserPrioritiesofEachPort1", "Default User Priorities of Each Port", 3, false, 'L', "Default User Priorities of Each Port", false},
    {"RegeneratedUserPriorities1", "Regenerated User Priorities", 3, true, 'L', "Regenerated User Priorities", false},
    {"UserPrioritiesToTrafficClass1", "User Priorities To Traffic Class", 3, true, 'L', "User Priorities To Traffic Class", false},
    {"PortOutboundAccessPriorities1", "Port Outbound Access Priorities", 3, true, 'L', "Port Outbound Access Priorities", false},
    {"GMRP1", "GMRP", 2, true, 'T', "/TVLan_GMRP", false},
    {"GVRP1", "GARP", 2, false, 'F', "TGARPForm", false},
    {"PortCapbility1", "Port Capability", 2, false, 'F', "TPortCapabilities8021dForm", false},
    {"N8021Q1", "802.1Q", 1, false, 0, nullptr, false},
    {"N8021QBridge1", "802.1Q Bridge", 2, false, 0, nullptr, false},
    {"BasicConfigure", "Basic Configure", 3, false, 'F', "TVLanGeneralInfoForm", false},
    {"PortsInfo1", "Ports Information", 3, false, 'F', "TVLanPortInfomationForm", false},
    {"Forwarding1", "Forwarding", 2, false, 0, nullptr, false},
    {"UnicastForwardingInformation1", "Unicast Forwarding Information", 3, false, 'L', "Unicast Forwarding Information", false},
    {"TpGroupDestinationForwarded1", "Tp Group Destination Forwarded", 3, true, 'F', "TTpGroupDestinationForwardedForm", true},
    {"MulticastForwardingInformation1", "Multicast Forwarding Information", 3, true, 'N', nullptr, false},
    {"ForwardUnregisteredInformation1", "Forward Unregistered Information", 3, true, 'N', nullptr, false},
    {"N8021QVLAN1", "802.1Q VLAN ", 2, false, 0, nullptr, false},
    {"StaticForm1", "Static Table", 3, false, 'F', "TVlanStaticForm", true},
    {"CurrentForm1", "Current Table", 3, false, 'F', "TVLanCurrentTableForm", true},
    {"StaticFiltering1", "Static Filtering ", 2, false, 0, nullptr, false},
    {"UnicastInformation1", "Unicast Information", 3, false, 'F', "TUnicastFilterInformationForm", true},
    {"MulticastInformation1", "Multicast Information", 3, false, 'F', "TMulticastFilterInformationForm", true},
    {"LearningConstraintTable", "Learning Constraint", 2, true, 'L', "Learning Constraint Table", false},
    {"mmiProtovlan", "Protocol VLAN", 1, false, 'F', "TProtocolVlanForm", false},
    {"SNMPV31", "SNMP V3", 0, false, 0, nullptr, false},
    {"mmisnmp_Config", "SNMP Configuration", 1, false, 'F', "TfrmConfigSNMP", false},
    {"snmpEngine1", "SNMP Engine", 1, false, 'E', "SNMP Engine", false},
    {"MessageProcessingandDispatching1", "Message Processing and Dispatching", 1, false, 'E', "Message Processing and Dispatching", false},
    {"SNMPTargetMIB1", "SNMP Target MIB", 1, false, 0, nullptr, false},
    {"GeneralInformation1", "General Information", 2, false, 'E', "General Information", false},
    {"CommunityTargetAddressTable", "Target Address Table", 2, false, 'L', "Target Address Table", false},
    {"TargetParameters1", "Target Parameters", 2, false, 'L', "Target Parameters", false},
    {"UserbasedSecurityModel1", "User-based Security Model", 1, false, 0, nullptr, false},
    {"Statistics2", "Statistics", 2, false, 'E', "Statistics", false},
    {"UserTable1", "User Table", 2, false, 'L', "User Table", false},
    {"ViewbasedAccessControlMode1", "View-based Access Control Mode", 1, false, 0, nullptr, false},
    {"SecurityTable1", "Security Group Table", 2, false, 'L', "Security Group Table", false},
    {"AccessTable1", "Access Table", 2, false, 'L', "Access Table", false},
    {"ViewTable1", "View MIB Tree Family Table", 2, false, 'L', "View MIB Tree Family Table", false},
    {"Notifications1", "Notifications", 1, false, 0, nullptr, false},
    {"NotifyTable1", "Notify Table", 2, false, 'L', "Notify Table", false},
    {"NotifyFilterProfileTale1", "Notify Filter Profile Table", 2, false, 'L', "Notify Filter Profile Table", false},
    {"NotifyFilterEntryTable1", "Notify Filter Entry Table", 2, false, 'L', "Notify Filter Table", false},
    {"Community1", "Community", 1, false, 0, nullptr, false},
    {"CommunityStringTable1", "Community String Table", 2, false, 'L', "SNMP Community Table", false},
    {"TargetAddressTable1", "Target Address Table", 2, false, 'L', "Target Address Table(Extended)", false},
    {"SecurityManagement1", "Security Management", 0, false, 0, nullptr, false},
    {"N8021X1", "802.1X", 1, false, 0, nullptr, false},
    {"Configuration2", "Authentication Setting", 2, false, 'F', "TAuthenticationSettingForm", false},
    {"PAEPortTable1", "Port Capability", 2, false, 'F', "TPortCapabilityForm", false},
    {"PortAuthenticationConfiguration1", "Port Configuration", 2, false, 'L', "802.1X Port Configuration", false},
    {"PortAuthStatistics1", "Port Statistics", 2, false, 'L', "Port Statistics", false},
    {"Diagnostics1", "Port Diagnostics", 2, false, 'L', "Port Diagnostics", false},
    {"PortSessionStatistics1", "Port Session Statistics", 2, false, 'L', "Port Session Statistics", false},
    {"SupplicantPAEInformation1", "Supplicant PAE Information", 2, true, 'L', "Supplicant PAE Information", false},
    {"SupplicantPAEStatistics1", "Supplicant PAE Statistics", 2, true, 'L', "Supplicant PAE Statistics", false},
    {"MACBasedAuthentication1", "MAC Based Authentication", 2, false, 0, nullptr, false},
    {"StateTable1", "State Table", 3, false, 'L', "State Table", false},
    {"DiagnosticsInformation1", "Diagnostics Information", 3, false, 'F', "TDiagnosticsInformationForm", true},
    {"StatisticTable1", "EAPOL  Frames Statistic Table", 3, false, 'F', "TMacStatisticTableForm", true},
    {"SessionInformation1", "Session Information", 3, false, 'L', "Session Information ", false},
    {"RADIUSManagement1", "RADIUS Management", 1, false, 0, nullptr, false},
    {"RadiusServerTabl1", "RADIUS Server Table", 2, false, 'F', "TRadiusServerForm", false},
    {"AuthenticationControl1", "Authentication Control", 2, false, 0, nullptr, false},
    {"AuthenticationInformation1", "Authentication Client", 3, false, 'E', "RADIUS Authentication Information", false},
    {"AuthenticationTable1", "Authentication Server Table", 3, false, 'L', "RADIUS Authentication Table", false},
    {"AccountingControl1", "Accounting Control", 2, false, 0, nullptr, false},
    {"AccountingServerInformation1", "Accounting Client", 3, false, 'E', "Accounting Basic Information", false},
    {"AccountingServerTable1", "Accounting Server Table", 3, false, 'L', "Accounting Server Table", false},
    {"ServiceTable1", "Service Table", 3, true, 'L', "Accounting Service Table", false},
    {"AAC1", "AAC", 1, false, 0, nullptr, false},
    {"mmiAAACtrl", "AAC Control", 2, false, 'E', "AAC Control", false},
    {"mmiAAAInf", "AAC Information", 2, false, 'E', "AAC Information Table", false},
    {"mmiLgnMthdCtrl", "Login Method Control", 2, false, 'F', "TLoginMethodListForm", false},
    {"mmiEblMthdCtrl", "Enable Method Control", 2, false, 'F', "TEnableMethodForm", false},
    {"mmiLgnInf", "Login/Enable Information", 2, false, 'E', "Login/Enable Information", false},
    {"mmiSvrGrp", "Server Group", 2, false, 'L', "Server Group Table", false},
    {"mmiSvrInf", "Server Information", 2, false, 'F', "TServerInformationForm", false},
    {"mmiSvrCtrl", "Server Control", 2, false, 'F', "TAAASrvCtrlForm", false},
    {"SSH1", "SSH", 1, false, 0, nullptr, false},
    {"mmiSSHMgmt", "SSH Management", 2, false, 'E', "SSH Management Table", false},
    {"mmiHMACAlgth", "Data Integrity Algorithm", 2, false, 'E', "Data Integrity Algorithm Control", false},
    {"mmiEncryAlgth", "Encryption Algorithm", 2, false, 'E', "Encryption Algorithm Control", false},
    {"mmiPKAlg", "Public Key Algorithm", 2, false, 'E', "Public Key Algorithm Control", false},
    {"mmiAuthMth", "Authentication Method", 2, false, 'E', "Authentication Method Control", false},
    {"SSL1", "SSL", 1, false, 0, nullptr, false},
    {"mmiSSLMgmt", "SSL Management", 2, false, 'F', "TSSLStateForm", false},
    {"mmiCertFile", "Certificate File Information", 2, false, 'E', "Certificate File Information", false},
    {"mmiCPUProt", "Zezurivar Engine", 1, false, 'F', "TCPUProtectionForm", false},
    {"Layer2Management1", "Layer 2 Management", 0, false, 0, nullptr, false},
    {"DeviceControl1", "Layer2 Control", 1, false, 'F', "TLayer2ControlForm", false},
    {"PortManagement1", "Port Management", 1, false, 0, nullptr, false},
    {"JumboFrameCtrl1", "Jumbo Frame Ctrl", 2, false, 'E', "Jumbo Frame Control", false},
    {"PortInformation1", "Port Information Table", 2, false, 'L', "Port Information Table", false},
    {"PortControl1", "Port Control Table", 2, false, 'F', "TPortControlForm", false},
    {"SerialPortInformation1", "Serial Port Information", 2, true, 'E', "Serial Port Information", false},
    {"PortSecurityManagement1", "Port Security Management", 2, false, 0, nullptr, false},
    {"mmiPortSecTbl", "Port Security Table", 3, false, 'L', "Port Security Table", false},
    {"mmiPortSecLockDel", "Port Security Delete", 3, false, 'F', "TPrtSecDelCtrlForm", false},
    {"QoSManagement1", "QoS Management", 1, false, 0, nullptr, false},
    {"QosControl1", "Qos Control", 2, false, 'E', "Qos Control", false},
    {"BandwidthControlTable1", "Bandwidth Control Table", 2, false, 'L', "Bandwidth Control Table", false},
    {"SchedulingTable1", "Scheduling Table", 2, false, 'L', "Scheduling Table", false},
    {"N8021pUserPriorityTable1", "802.1p User Priority Table", 2, false, 'L', "802.1p User Priority Table", false},
    {"N8021pDefaultPriorityTable1", "802.1p Default Priority Table", 2, false, 'L', "802.1p Default Priority Table", false},
    {"TrunkBasicInformation1", "Trunk Basic Information", 1, false, 'E', "Trunk Information", false},
    {"PortTrunk1", "Port Trunk Table", 1, false, 'F', "TPortTrunkForm", false},
    {"PortMirror1", "Port Mirror Table", 1, false, 'F', "TPortMirrorForm", false},
    {"IGMPSnooping1", "IGMP Snooping", 1, false, 0, nullptr, false},
    {"IGMPSnoopingControlTable2", "IGMP Snooping Control Table", 2, false, 'L', "IGMP Snooping Control", false},
    {"IGMPSnoopingQueryInformation1", "IGMP Snooping Query Information", 2, false, 'L', "IGMP Snooping Query Information", false},
    {"IGMPSnoopingInformation2", "IGMP Snooping Information ", 2, false, 'L', "IGMP Snooping Information", false},
    {"TrafficControlManagement1", "Traffic Control Management", 1, false, 0, nullptr, false},
    {"mmiTrafficCtrl", "Traffic Control", 2, false, 'F', "TPacketStormControlForm", false},
    {"mmiTrafficCtlInf", "Traffic Control Table", 2, false, 'L', "Traffic Control Table: ", false},
    {"TrafficSegmentationTable1", "Traffic Segmentation Table ", 1, false, 'F', "TTrafficSegmentationForm", false},
    {"AccessControlInformation1", "Access Control Information", 1, false, 0, nullptr, false},
    {"mmiEthMsk", "Ethernet Mask", 2, false, 'L', "Ethernet Mask", false},
    {"RuleOfEthernetInformation1", "Ethernet Rule", 2, false, 'L', "Ethernet Rule", false},
    {"mmiIPV4Msk", "IP Mask", 2, false, 'L', "IPv4 Mask", false},
    {"mmiIPV4Rule", "IP Rule", 2, false, 'L', "IPv4 Rule", false},
    {"mmiPktCntMsk", "Packet Content Mask", 2, false, 'L', "Packet Content Mask", false},
    {"mmiPktCntRul", "Packet Content Rule", 2, false, 'L', "Packet Content Rule", false},
    {"mmiIPV6Mask", "IPv6 Mask", 2, false, 'L', "IPv6 Mask", false},
    {"mmiIPV6Rule", "IPv6 Rule", 2, false, 'L', "IPv6 Rule", false},
    {"CPUFilter1", "CPU Filter", 1, false, 0, nullptr, false},
    {"mmiCPUItfFlt", "CPU Filter Control", 2, false, 'E', "CPU Filtering Control", false},
    {"mmiCpuEthMsk", "Ethernet Mask (CPU Filter)", 2, false, 'L', "Ethernet Mask (CPU Filter)", false},
    {"mmiCpuEthRle", "Ethernet Rule (CPU Filter)", 2, false, 'L', "Ethernet Rule (CPU Filter)", false},
    {"mmiCpuIpv4Msk", "IP Mask (CPU Filter)", 2, false, 'L', "IPv4 Mask (CPU Filter)", false},
    {"mmiCpuIpv4Rle", "IP Rule (CPU Filter)", 2, false, 'L', "IPv4 Rule (CPU Filter)", false},
    {"mmiCpuPktCntMsk", "Packet Content Mask (CPU Filter)", 2, false, 'L', "Packet Content Mask (CPU Filter)", false},
    {"mmiCpuPldRle", "Packet Content Rule (CPU Filter)", 2, false, 'L', "Packet Content Rule (CPU Filter)", false},
    {"N8023ad1", "802.3 ad", 1, false, 0, nullptr, false},
    {"AggregatorTable1", "Aggregator Table", 2, false, 'L', "Aggregator Table", false},
    {"AggreatorPortTable1", "Aggregator Port Table", 2, false, 'F', "TAggregatorPortTableForm", true},
    {"Layer3Management1", "Layer 3 Management", 0, false, 0, nullptr, false},
    {"DeviceCtrl1", "Layer3 Control", 1, false, 'E', "Layer3 Control", false},
    {"MD5Table1", "MD5 Information ", 1, false, 'L', "MD5 Information Table", false},
    {"IPManagement1", "IP Management", 1, false, 0, nullptr, false},
    {"IPControlTable1", "IP Control Table", 2, false, 'F', "TIpCtrlForm", false},
    {"IPForwardingTable1", "IP Forwarding Table", 2, false, 'L', "IP Forwarding Table", false},
    {"IPStaticRoutingtable1", "IP Static Routing Table", 2, false, 'F', "TIpStaticRouteForm", false},
    {"mmiDHCPMgmtCfg", "DHCP Basic Configuration", 1, false, 'E', "DHCP Basic Configuration", false},
    {"mmiDHCPRelayCtrl", "DHCP Relay Control Table", 1, false, 'F', "TBOOTCtrlTableForm", true},
    {"DNSBasicConfiguration1", "DNS Basic Configuration", 1, false, 'E', "DNS Basic Configuration", false},
    {"DNSCtrlTable1", "DNS Relay Ctrl Table", 1, false, 'L', "DNS Relay Configuration", false},
    {"RouteRedistributionTable1", "Route Redistribution Table", 1, false, 'F', "TRouteRedistributForm", true},
    {"CIDRRFC20961", "CIDR (RFC2096)", 1, false, 'F', "TExpandIPForm", true},
    {"RIP2RFC17241", "RIP2 (RFC1724)", 1, false, 'T', "/TLayer3_RIP2", false},
    {"OSPFRFC18501", "OSPF (RFC1850)", 1, false, 0, nullptr, false},
    {"OSPFGeneral1", "OSPF General", 2, false, 'T', "/TLayer3_OSPF", false},
    {"AreaInfo1", "Area Information", 2, false, 'T', "/TLayer3_Area", false},
    {"LsdbInfo1", "LSDB Information", 2, false, 'T', "/TLayer3_lsdb", false},
    {"NeighborInfo1", "Neighbor Information", 2, false, 'T', "/TLayer3_Neighbor", false},
    {"InterfaceTable1", "Interface Table", 2, false, 'L', "OSPF Interface Table", false},
    {"InterfaceInfo1", "Virtual Interface Table", 2, false, 'L', "Virtual Interface Table", false},
    {"HostTable1", "Host Table", 2, false, 'F', "THostTableForm", false},
    {"VRRPRFC27871", "VRRP (RFC2787)", 1, false, 0, nullptr, false},
    {"VRRPControl1", "VRRP Control", 2, false, 'E', "VRRP Control", false},
    {"VRRPOperation1", "VRRP Operation", 2, false, 'L', "VRRP Operation", false},
    {"VirtualRouteAddress1", "Virtual Route IP Address", 2, false, 'L', "Virtual Route IP Address", false},
    {"VRRPErrorStatistics1", "VRRP Error Statistics", 2, false, 'E', "VRRP Error Statistics", false},
    {"VirtualRouteStatistics1", "Virtual Route Statistics", 2, false, 'L', "VRRP Route Statistics", false},
    {"IpMroute1", "IPMroute", 1, false, 'T', "/TLayer3_IPM", false},
    {"DVMRPInterface1", "DVMRP Interface", 1, false, 'F', "TDvmrpInterfaceForm", true},
    {"DVMRP1", "DVMRP", 1, false, 'T', "/TLayer3_DVMRP", false},
    {"PIM1", "PIM", 1, false, 0, nullptr, false},
    {"PIM2", "PIM Information", 2, false, 'N', nullptr, false},
    {"PIMInfomation1", "PIM Interface", 3, false, 'T', "/TLayer3_PIM", false},
    {"PIMNeighbor1", "PIM Neighbor", 3, false, 'L', "PIM Neighbor", false},
    {"PIMIPMulticastRoute1", "PIM IP Multicast Route", 3, false, 'L', "PIM IP Multicast Route", false},
    {"PIMRPSetTable1", "PIM RP-Set Table", 3, false, 'L', "PIM RP-Set Table", false},
    {"PIMCandidateRPTable1", "PIM Candidate RP Table", 3, false, 'L', "PIM Candidate RP Table", false},
    {"CBSRManagement1", "C-BSR Management", 2, false, 0, nullptr, false},
    {"CBSRTable1", "C-BSR Table", 3, false, 'L', "C-BSR Table", false},
    {"CBSRInformation1", "C-BSR Information", 2, false, 'E', "C-BSR Information", false},
    {"CandidateRPManagement1", "Candidate RP Management", 2, false, 'E', "Candidate RP Management", false},
    {"SPTManagement1", "SPT Management", 2, false, 'E', "SPT Management", false},
    {"RegisterChecksumIncludingDataInformation1", "Register Checksum Including Data Information", 2, false, 'L', "Register Checksum Including Data Information", false},
    {"RegisterTime1", "Register Time", 2, false, 'E', "Register Time", false},
    {"PIMInformationTable1", "PIM DR Priority", 2, false, 'L', "PIM DR Priority", false},
    {"StaticRPTableInformation1", "Static RP Table Information", 2, false, 'L', "Static RP Table Information", false},
    {"IGMP1", "IGMP", 1, false, 0, nullptr, false},
    {"mmiIGMPIntf", "Interface Table", 2, false, 'L', "IGMP Interface Table", false},
    {"mmiIGMPGup", "Cache Table", 2, false, 'L', "IGMP Cache Table", false},
    {"mmiIGMPSrc", "Source List", 2, false, 'F', "TIGMPSrcListForm", false},
    {"SingleIP1", "Single IP", 0, false, 0, nullptr, false},
    {"mmiSingleIPCtrl", "Single IP Control", 1, false, 'E', "Single IP Control", false},
    {"mmiMyInf", "My Information", 1, false, 'E', "My Information", false},
    {"mmiMmbSwt", "Member Switch", 1, false, 'L', "Member Switch", false},
    {"mmiCdtSwt", "Candidate Switch", 1, false, 'L', "Candidate Switch", false},
    {"mmiGrpInf", "Group Information", 1, false, 'L', "Group Information", false},
    {"mmiNgbSwt", "Neighbor Switch", 1, false, 'L', "Neighbor Switch", false},
    {"Help1", "Help", 0, false, 0, nullptr, false},
    {"Help2", "Help", 1, false, 'H', nullptr, false},
    {"About1", "About", 1, false, 'F', "TAboutForm", false},
    {"Test", "Test", 1, true, 'N', nullptr, false},
    {},
};

const TMenuItemDef PortInfoPopupMenuItems[] = {
    {"PortInformation2", "Port Information", 0, false, 'P', "Port Information Table", false},
    {"PortConfiguration1", "Port Configuration", 0, false, 'P', "Port Configuration", false},
    {},
};

namespace {

// Names the item's action, hides it when the table says so and connects its handler.
void setUpAction(QAction* action, const TMenuItemDef& def, QObject* receiver)
{
    action->setObjectName(QString::fromLatin1(def.Name));
    action->setVisible(!def.Hidden);
    if (!receiver || !def.Kind)
        return;
    const std::string slot = std::string(def.Name) + "Click()";
    const QMetaObject* meta = receiver->metaObject();
    const int index = meta->indexOfSlot(slot.c_str());
    if (index < 0)
        return;
    const QMetaMethod method = meta->method(index);
    QObject::connect(action, &QAction::triggered, receiver, [receiver, method] { method.invoke(receiver); });
}

// Builds the items of table from position i on at the given level into menu, or into the
// bar when there is one; returns the position after them.
int buildLevel(QWidget* parent, QMenu* menu, QMenuBar* bar, const TMenuItemDef* table, int i, int level,
               QObject* receiver)
{
    while (table[i].Name && table[i].Level == level) {
        const TMenuItemDef& def = table[i];
        const bool hasSubmenu = table[i + 1].Name && table[i + 1].Level > level;
        if (hasSubmenu) {
            QMenu* sub = new QMenu(toQt(def.Caption), parent);
            sub->setObjectName(QString::fromLatin1(def.Name) + QLatin1String("Menu"));
            setUpAction(sub->menuAction(), def, receiver);
            if (bar)
                bar->addMenu(sub);
            else
                menu->addMenu(sub);
            i = buildLevel(sub, sub, nullptr, table, i + 1, level + 1, receiver);
        } else {
            setUpAction(bar ? bar->addAction(toQt(def.Caption)) : menu->addAction(toQt(def.Caption)), def, receiver);
            ++i;
        }
    }
    return i;
}

} // namespace

void BuildMenuBar(QMenuBar* bar, const TMenuItemDef* table, QObject* receiver)
{
    buildLevel(bar, nullptr, bar, table, 0, 0, receiver);
}

void BuildPopupMenu(QMenu* menu, const TMenuItemDef* table, QObject* receiver)
{
    buildLevel(menu, menu, nullptr, table, 0, 0, receiver);
}
