// The generic windows of Basic Configuration, RMON, Bridge, VLAN and the port popup: one record per window, keyed by its menu item, each
// with its descriptor table in record order. Data only; mainwin/catalogue.h says how
// the records are read.
#include "mainwin/catalogue/names.h"

namespace {

using namespace catalogue_names;

// "Device Information" ("Basic Configuration" > "Device Management" > "Device Information")
constexpr VhSNMPObjectDesc DeviceInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.1", "Total Number Of Port", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.2", "Number Of Port In Use", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.3", "Boot Prom Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.4", "Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.1.5", "Hardware Version", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord DeviceInformation1 = {
    .MenuItem = "DeviceInformation1", .Title = "Device Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = DeviceInformation1Objects,
};

// "Alarm Control" ("Basic Configuration" > "Device Management" > "Alarm Control")
constexpr VhSNMPObjectDesc AlarmControl1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.3.1", "New Root Alarm", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.3.2", "Topology Change Alarm", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.1.3.3", "Link Change Alarm", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord AlarmControl1 = {
    .MenuItem = "AlarmControl1", .Title = "Alarm Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = AlarmControl1Objects,
};

// "System Log Control" ("Basic Configuration" > "Device Management" > "System Log" > "System Log Control")
constexpr VhSNMPObjectDesc SystemLogControl1Objects[] = {
    {"1.3.6.1.4.1.32473.12.12.1", "System Log Control State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord SystemLogControl1 = {
    .MenuItem = "SystemLogControl1", .Title = "System Log Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = SystemLogControl1Objects,
};

// "Ping Test" ("Basic Configuration" > "Device Management" > "Ping Test")
constexpr VhSNMPObjectDesc PingTest1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.4.1", "Source IP Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.1.4.2", "Repetition", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.1.4.3", "Control State", integer, readwrite, &StopActiveList},
    {"1.3.6.1.4.1.32473.12.1.4.4", "Ping Status", integer, readonly, &FinishProceedingList},
    {"1.3.6.1.4.1.32473.12.1.4.5", "Success Count", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.4.6", "Fail Count", integer, readonly},
    {},
};
constexpr TCatalogueRecord PingTest1 = {
    .MenuItem = "PingTest1", .Title = "Ping Test", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = PingTest1Objects, .Formats = {{0, "%s{l16}"}, {1, "%i{n1x255l3}"}},
};

// "Unit Table" ("Basic Configuration" > "Equipment Management" > "Unit Table")
constexpr VhSNMPObjectDesc UnitTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.1", "Unit ID", integer, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.2", "MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.3", "Start Port", integer, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.7", "Manaegment Current Mode", integer, readonly, &AutoStandAloneMasterList},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.8", "Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.9", "Module Name", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.10", "Prom Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.11", "Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.12", "Hardware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.9.5.1.13", "Priority", integer, readonly},
    {},
};
constexpr TCatalogueRecord UnitTable1 = {
    .MenuItem = "UnitTable1", .Title = "Unit Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = UnitTable1Objects, .Height = 450,
};

// "Power Table" ("Basic Configuration" > "Equipment Management" > "Power Table")
constexpr VhSNMPObjectDesc PowerTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.11.1.6.1.1", "Power Unit Index", integer, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.2", "Power ID", integer, readonly},
    {"1.3.6.1.4.1.32473.12.11.1.6.1.3", "Power Status", integer, readonly, &OtherLowVoltageOverCurrentList},
    {},
};
constexpr TCatalogueRecord PowerTable1 = {
    .MenuItem = "PowerTable1", .Title = "Power Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = PowerTable1Objects, .Height = 450,
};

// "Trap Management " ("Basic Configuration" > "Equipment Management" > "Trap Management")
constexpr VhSNMPObjectDesc TrapManagement2Objects[] = {
    {"1.3.6.1.4.1.32473.12.11.2.1.1.1", "Unit Insert", integer, readwrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.32473.12.11.2.1.1.2", "Unit Remove", integer, readwrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.32473.12.11.2.1.1.3", "Unit Failure", integer, readwrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.32473.12.11.2.1.2.1", "Power Failure", integer, readwrite, &CriticalMajorMinorList},
    {"1.3.6.1.4.1.32473.12.11.2.1.2.2", "Power Recover", integer, readwrite, &CriticalMajorMinorList},
    {},
};
constexpr TCatalogueRecord TrapManagement2 = {
    .MenuItem = "TrapManagement2", .Title = "Trap Management ", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = TrapManagement2Objects,
};

// "Fan Table" ("Basic Configuration" > "Equipment Management" > "Fan Table")
constexpr VhSNMPObjectDesc FanTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.11.1.5.1", "System Fan1 Status", integer, readonly, &OffOnList},
    {"1.3.6.1.4.1.32473.12.11.1.5.2", "System Fan2 Status", integer, readonly, &OffOnList},
    {"1.3.6.1.4.1.32473.12.11.1.5.3", "System Fan3 Status", integer, readonly, &OffOnList},
    {"1.3.6.1.4.1.32473.12.11.1.5.4", "System Fan4 Status", integer, readonly, &OffOnList},
    {},
};
constexpr TCatalogueRecord FanTable1 = {
    .MenuItem = "FanTable1", .Title = "Fan Table", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = FanTable1Objects,
};

// "Basic Information" ("Basic Configuration" > "Agent Management" > "Basic Information")
constexpr VhSNMPObjectDesc BasicInfo1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.1.1", "Protocol Capability", integer, readonly, &OtherSnmpIpSnmpIpxList},
    {"1.3.6.1.4.1.32473.12.1.1.3", "Console Status", integer, readonly, &OtherInUseNotInUseList},
    {"1.3.6.1.4.1.32473.12.1.1.4", "Device Configuration Save Status", integer, readonly, &OtherProceedingCompletedList},
    {},
};
constexpr TCatalogueRecord BasicInfo1 = {
    .MenuItem = "BasicInfo1", .Title = "Basic Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = BasicInfo1Objects,
};

// "MIB Capabilities" ("Basic Configuration" > "Agent Management" > "MIB Capabilities")
constexpr VhSNMPObjectDesc MibCapabilities1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.1.2.1.1", "Index", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.2", "Description", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.3", "Version", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.1.2.1.4", "Type", integer, readonly, &OtherStandardProprietaryList},
    {},
};
constexpr TCatalogueRecord MibCapabilities1 = {
    .MenuItem = "MibCapabilities1", .Title = "MIB Capabilities", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = MibCapabilities1Objects, .Height = 450, .WidthPlus = 100,
};

// "Basic Configuration" ("Basic Configuration" > "Agent Management" > "Basic Configuration")
constexpr VhSNMPObjectDesc BasicConfigure1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.3", "System Reset State", integer, readwrite, &ColdStartNoResetList},
    {"1.3.6.1.4.1.32473.12.1.2.4", "Rs232 Port", integer, readonly, &ConsoleOutOfBandNotAvailList},
    {"1.3.6.1.4.1.32473.12.1.2.6", "Save Configuration", integer, readwrite, &IdleSetList},
    {"1.3.6.1.4.1.32473.12.1.3.3", "Get IP From", integer, readwrite, &DisabledBootpDhcpList},
    {"1.3.6.1.4.1.32473.12.1.3.1", "IP Interface Count", integer, readonly},
    {},
};
constexpr TCatalogueRecord BasicConfigure1 = {
    .MenuItem = "BasicConfigure1", .Title = "Basic Configuration", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = BasicConfigure1Objects,
};

// "Agent Supported Update Files" ("Basic Configuration" > "Agent Management" > "Agent Supported Update Files")
constexpr VhSNMPObjectDesc AgentSuportedUpdateFiles1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.1.1.1", "File Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.2", "Description", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.3", "IP Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.4", "Transfer Type", integer, readwrite, &NetworkLoadOutOfBandLoadList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.5", "File Name", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.6", "File Type", integer, readonly, &RuntimeCodeLogFileCfgFileList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.7", "Load Type", integer, readwrite, &UploadDownloadList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.9", "Increment", integer, readwrite, &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.1.2.1.1.8", "File Control", integer, readwrite, &InactiveStartDeleteList},
    {},
};
constexpr TCatalogueRecord AgentSuportedUpdateFiles1 = {
    .MenuItem = "AgentSuportedUpdateFiles1", .Title = "Agent Supported Update Files", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 1, .Objects = AgentSuportedUpdateFiles1Objects, .Height = 450,
    .Formats = {{2, "%s{l16}"}, {4, "%s{l64}"}},
};

// "CPU Utilization Table" ("Basic Configuration" > "Agent Management" > "CPU Utilization")
constexpr VhSNMPObjectDesc CPUUtilization1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.1.6.1", "CPU Utilization in 5 seconds", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.1.6.2", "CPU Utilization in 1 minute", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.1.6.3", "CPU Utilization in 5 minutes", integer, readonly},
    {},
};
constexpr TCatalogueRecord CPUUtilization1 = {
    .MenuItem = "CPUUtilization1", .Title = "CPU Utilization Table", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = CPUUtilization1Objects,
};

// "Firmware Information Table" ("Basic Configuration" > "Agent Management" > "Dual Image Information")
constexpr VhSNMPObjectDesc DualImageInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.7.1.1", "Firmware Image", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.2", "Firmware Version", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.3", "Image Size", integer, readonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.4", "Update Time", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.5", "TFTP Server IP", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.1.2.7.1.6", "Download User", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord DualImageInformation1 = {
    .MenuItem = "DualImageInformation1", .Title = "Firmware Information Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = DualImageInformation1Objects,
};

// "System Severity" ("Basic Configuration" > "Agent Management" > "System Severity")
constexpr VhSNMPObjectDesc mmiSysSvtObjects[] = {
    {"1.3.6.1.4.1.32473.12.1.2.8.1", "System Severity Trap", integer, readwrite, &CriticalWarningInformationList},
    {"1.3.6.1.4.1.32473.12.1.2.8.2", "System Severity Log", integer, readwrite, &CriticalWarningInformationList},
    {},
};
constexpr TCatalogueRecord mmiSysSvt = {
    .MenuItem = "mmiSysSvt", .Title = "System Severity", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiSysSvtObjects, .HeightPlus = 20,
};

// "System Time" ("Basic Configuration" > "Time Management" > "System Time")
constexpr VhSNMPObjectDesc CurrentTime1Objects[] = {
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", integer, readonly, &TrueFalseList},
    {"1.3.6.1.4.1.32473.12.10.10.1", "System Current Time", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.10.10.2", "System UpTime", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.10.10.3", "System BootTime", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.10.10.4", "System Time Zone [ -779..839]", integer, readwrite},
    {},
};
constexpr TCatalogueRecord CurrentTime1 = {
    .MenuItem = "CurrentTime1", .Title = "System Time", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = CurrentTime1Objects, .EditWidthPlus = 20, .HeightPlus = 40, .Formats = {{4, "%i{n-779x839l4}"}},
};

// "SNTP" ("Basic Configuration" > "Time Management" > "SNTP")
constexpr VhSNMPObjectDesc NetworkTime1Objects[] = {
    {"1.3.6.1.4.1.32473.12.10.11.1", "Network Time State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.10.11.2", "Time Source", integer, readonly, &SystemServer1Server2List},
    {"1.3.6.1.4.1.32473.12.10.11.3", "Server1 IP Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.10.11.4", "Server2 IP Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.10.11.5", "Poll Interval{30....99999(sec)}", integer, readwrite},
    {},
};
constexpr TCatalogueRecord NetworkTime1 = {
    .MenuItem = "NetworkTime1", .Title = "SNTP", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = NetworkTime1Objects, .Formats = {{2, "%s{l16}"}, {3, "%s{l16}"}, {4, "%i{n30x99999}"}},
};

// "Current Time" ("Basic Configuration" > "Time Management" > "Current Time")
constexpr VhSNMPObjectDesc CurrentTime2Objects[] = {
    {"1.3.6.1.4.1.32473.12.10.1", "Time Capacity", bitstr, readonly},
    {"1.3.6.1.4.1.32473.12.10.2", "Current Clock(Example 2004-1-24,21:27:16)", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.10.3", "Clock Reset On Reboot", integer, readonly, &TrueFalseList},
    {},
};
constexpr TCatalogueRecord CurrentTime2 = {
    .MenuItem = "CurrentTime2", .Title = "Current Time", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = CurrentTime2Objects, .Formats = {{1, "%s{l19}"}},
};

// "RMON Control" ("RMON" > "RMON Control")
constexpr VhSNMPObjectDesc RMONSetting1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.1.2.4", "RMON State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord RMONSetting1 = {
    .MenuItem = "RMONSetting1", .Title = "RMON Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = RMONSetting1Objects,
};

// "Bridge 802.1d Information" ("Bridge" > "802.1d " > "Information")
constexpr VhSNMPObjectDesc mmi8021dInfObjects[] = {
    {"1.3.6.1.2.1.17.1.2", "Number of Ports", integer, readonly},
    {"1.3.6.1.2.1.17.4.1", "Learned Entry Discards", counter, readonly},
    {"1.3.6.1.2.1.17.4.2", "FDB Aging Time[10-1000000]", integer, readwrite},
    {},
};
constexpr TCatalogueRecord mmi8021dInf = {
    .MenuItem = "mmi8021dInf", .Title = "Bridge 802.1d Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmi8021dInfObjects, .Formats = {{2, "%i{n10x1000000l7}"}},
};

// "MSTP Configuration Identification" ("Bridge" > "Spanning Tree" > "Configuration Identification")
constexpr VhSNMPObjectDesc mmiCfgIDObjects[] = {
    {"1.3.6.1.4.1.32473.12.15.2.1", "MSTP Name", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.2", "MSTP Revision Level", integer, readwrite},
    {},
};
constexpr TCatalogueRecord mmiCfgID = {
    .MenuItem = "mmiCfgID", .Title = "MSTP Configuration Identification", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = mmiCfgIDObjects, .HeightPlus = 20, .Formats = {{0, "%s{l32}"}, {1, "%i{n0x65535l5}"}},
};

// "MSTP Instance Control" ("Bridge" > "Spanning Tree" > "Instance Information")
constexpr VhSNMPObjectDesc mmiInstInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.15.2.3.1.1", "MSTP Instance ID", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.2", "VLAN Range [1-64]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.3", "VLAN  Range [65-128]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.4", "VLAN  Range [129-192]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.5", "VLAN  Range [193-256]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.6", "VLAN  Range [257-320]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.7", "VLAN  Range [321-384]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.8", "VLAN  Range [385-448]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.9", "VLAN  Range [449-512]", octetstr, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.10", "Type", integer, readonly, &CistMstiList},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.11", "Status", integer, readonly, &EnabledDisabledList},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.12", "Priority", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.13", "Designated Root Bridge", octetstr, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.14", "External Root Cost", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.15", "Regional Root Bridge", octetstr, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.16", "Internal Root Cost", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.17", "Designated Bridge", octetstr, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.18", "Root Port", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.19", "Max Age", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.20", "Forward Delay", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.21", "Last Topology Change", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.22", "Top Changes Count", counter, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.23", "Remain Hops", integer, readonly},
    {"1.3.6.1.4.1.32473.12.15.2.3.1.24", "Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord mmiInstInf = {
    .MenuItem = "mmiInstInf", .Title = "MSTP Instance Control", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = mmiInstInfObjects,
    .Formats = {{1, "%s{l128}"}, {2, "%s{l128}"}, {3, "%s{l128}"}, {4, "%s{l128}"}, {5, "%s{l128}"}, {6, "%s{l128}"}, {7, "%s{l128}"}, {8, "%s{l128}"}, {11, "%i{n0x61440l5}"}},
};

// "Default User Priorities of Each Port" ("VLAN" > "802.1P" > "Priority Information" > "Default User Priorities of Each Port")
constexpr VhSNMPObjectDesc DefaultUserPrioritiesofEachPort1Objects[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.2.1.17.6.1.2.1.1.1", "Default User Priority", integer, readwrite},
    {"1.3.6.1.2.1.17.6.1.2.1.1.2", "Port Number Traffic Classes", integer, readonly},
    {},
};
constexpr TCatalogueRecord DefaultUserPrioritiesofEachPort1 = {
    .MenuItem = "DefaultUserPrioritiesofEachPort1", .Title = "Default User Priorities of Each Port", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 1, .Objects = DefaultUserPrioritiesofEachPort1Objects, .Height = 450,
    .Formats = {{2, "%i{n0x7l1}"}},
};

// "Regenerated User Priorities" ("VLAN" > "802.1P" > "Priority Information" > "Regenerated User Priorities")
constexpr VhSNMPObjectDesc RegeneratedUserPriorities1Objects[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.1", "User Priority", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", integer, readwrite},
    {},
};
constexpr TCatalogueRecord RegeneratedUserPriorities1 = {
    .MenuItem = "RegeneratedUserPriorities1", .Title = "Regenerated User Priorities", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 2, .Objects = RegeneratedUserPriorities1Objects, .Height = 450,
};

// "User Priorities To Traffic Class" ("VLAN" > "802.1P" > "Priority Information" > "User Priorities To Traffic Class")
constexpr VhSNMPObjectDesc UserPrioritiesToTrafficClass1Objects[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.1", "Traffic Class Priority", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.3.1.2", "Mapped Traffic Class", integer, readwrite},
    {},
};
constexpr TCatalogueRecord UserPrioritiesToTrafficClass1 = {
    .MenuItem = "UserPrioritiesToTrafficClass1", .Title = "User Priorities To Traffic Class", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 2, .Objects = UserPrioritiesToTrafficClass1Objects, .Height = 450,
    .Formats = {{2, "%i{n0x7l1}"}},
};

// "Port Outbound Access Priorities" ("VLAN" > "802.1P" > "Priority Information" > "Port Outbound Access Priorities")
constexpr VhSNMPObjectDesc PortOutboundAccessPriorities1Objects[] = {
    {"1.3.6.1.2.1.17.1.4.1.1", "Port Number", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.2.1.2", "Regenerated User Priority", integer, notaccess},
    {"1.3.6.1.2.1.17.6.1.2.4.1.1", "Port Out bound Access Priority", integer, readonly},
    {},
};
constexpr TCatalogueRecord PortOutboundAccessPriorities1 = {
    .MenuItem = "PortOutboundAccessPriorities1", .Title = "Port Outbound Access Priorities", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_FMV, .KeyCount = 2, .Objects = PortOutboundAccessPriorities1Objects, .Height = 450,
};

// "Unicast Forwarding Information" ("VLAN" > "802.1Q" > "Forwarding" > "Unicast Forwarding Information")
constexpr VhSNMPObjectDesc UnicastForwardingInformation1Objects[] = {
    {"1.3.6.1.2.1.17.7.1.2.1.1.1", "FDB ID", integer, notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.1", "FDB MAC Address", macaddress, notaccess},
    {"1.3.6.1.2.1.17.7.1.2.2.1.2", "Port Number", integer, readonly},
    {"1.3.6.1.2.1.17.7.1.2.2.1.3", "Status", integer, readonly, &FdbStatusList},
    {},
};
constexpr TCatalogueRecord UnicastForwardingInformation1 = {
    .MenuItem = "UnicastForwardingInformation1", .Title = "Unicast Forwarding Information", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_FMV, .KeyCount = 2, .Objects = UnicastForwardingInformation1Objects, .Height = 450,
};

// "Learning Constraint Table" ("VLAN" > "802.1Q" > "Learning Constraint")
constexpr VhSNMPObjectDesc LearningConstraintTableObjects[] = {
    {"1.3.6.1.2.1.17.7.1.4.8.1.1", "Constraint VLAN ID", guage, notaccess},
    {"1.3.6.1.2.1.17.7.1.4.8.1.2", "Constraint Set", integer, notaccess},
    {"1.3.6.1.2.1.17.7.1.4.8.1.3", "Type", integer, readwrite, &IndependentSharedList},
    {"1.3.6.1.2.1.17.7.1.4.8.1.4", "Status", integer, readwrite, &RowStatusList},
    {},
};
// The table is indexed by VLAN and constraint set: two keys. The two defaults
// (1.3.6.1.2.1.17.7.1.4.9 and .10) are scalars, shown beside the rows; the type can be set.
constexpr VhSNMPObjectDesc LearningConstraintDefaults[] = {
    {"1.3.6.1.2.1.17.7.1.4.9", "Default VLAN Constraint Set", integer, readonly},
    {"1.3.6.1.2.1.17.7.1.4.10", "Default VLAN Constraint Type", integer, readwrite, &IndependentList},
    {},
};
constexpr TCatalogueRecord LearningConstraintTable = {
    .MenuItem = "LearningConstraintTable", .Title = "Learning Constraint Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = LearningConstraintTableObjects, .Height = 450, .Beside = LearningConstraintDefaults,
};

// "Port Information Table" ("Port Information"): its table is PortInformationObjects, at the
// end of this file.
constexpr TCatalogueRecord PortInformation2 = {
    .MenuItem = "PortInformation2", .Title = "Port Information Table", .Kind = MENU_PORT_EDITOR, .ListType = MVT_SV, .KeyCount = 0,
    .Objects = PortInformationObjects, .EditWidthPlus = 102,
};

// "Port Configuration" ("Port Configuration")
constexpr VhSNMPObjectDesc PortConfiguration1Objects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.1", "Port Index", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.2", "Unit Index", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.3", "Admin State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.4", "Nway State", integer, readwrite, &NwaySpeedList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.5", "Flow Control State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.2.1.6", "Lock State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord PortConfiguration1 = {
    .MenuItem = "PortConfiguration1", .Title = "Port Configuration", .Kind = MENU_PORT_EDITOR, .ListType = MVT_SV, .KeyCount = 0,
    .Objects = PortConfiguration1Objects, .EditWidthPlus = 150,
};

constexpr const TCatalogueRecord* Records[] = {
    &DeviceInformation1,
    &AlarmControl1,
    &SystemLogControl1,
    &PingTest1,
    &UnitTable1,
    &PowerTable1,
    &TrapManagement2,
    &FanTable1,
    &BasicInfo1,
    &MibCapabilities1,
    &BasicConfigure1,
    &AgentSuportedUpdateFiles1,
    &CPUUtilization1,
    &DualImageInformation1,
    &mmiSysSvt,
    &CurrentTime1,
    &NetworkTime1,
    &CurrentTime2,
    &RMONSetting1,
    &mmi8021dInf,
    &mmiCfgID,
    &mmiInstInf,
    &DefaultUserPrioritiesofEachPort1,
    &RegeneratedUserPriorities1,
    &UserPrioritiesToTrafficClass1,
    &PortOutboundAccessPriorities1,
    &UnicastForwardingInformation1,
    &LearningConstraintTable,
    &PortInformation2,
    &PortConfiguration1,
};

} // namespace

extern const TCatalogueGroup CatalogueGroup_basic;
const TCatalogueGroup CatalogueGroup_basic = {"Basic Configuration, RMON, Bridge, VLAN and the port popup", Records};

// The descriptor table of "Port Information Table", which "Layer 2 Management" walks too.
const VhSNMPObjectDesc catalogue_names::PortInformationObjects[] = {
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.1", "Port Index", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.3", "Unit Index", integer, readonly},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.4", "Port Type", integer, readonly, &PortTypeList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.5", "Link Status", integer, readonly, &LinkPassFailList},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.6", "Nway Status", integer, readonly, &EmptyLinkDownHalf10MbpsList},
    {},
};
