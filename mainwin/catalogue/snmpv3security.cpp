// The generic windows of SNMP V3 and Security Management: one record per window, keyed by its menu item, each
// with its descriptor table in record order. Data only; mainwin/catalogue.h says how
// the records are read.
#include "mainwin/catalogue/names.h"

namespace {

using namespace catalogue_names;

// "SNMP Engine" ("SNMP V3" > "SNMP Engine")
constexpr VhSNMPObjectDesc snmpEngine1Objects[] = {
    {"1.3.6.1.6.3.10.2.1.1", "Engine ID", octetstr, readonly},
    {"1.3.6.1.6.3.10.2.1.2", "Engine Boot Numbers", integer, readonly},
    {"1.3.6.1.6.3.10.2.1.3", "Engine Time", integer, readonly},
    {"1.3.6.1.6.3.10.2.1.4", "Engine Max Message Size", integer, readonly},
    {},
};
constexpr TCatalogueRecord snmpEngine1 = {
    .MenuItem = "snmpEngine1", .Title = "SNMP Engine", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = snmpEngine1Objects, .EditWidthPlus = 140,
};

// "Message Processing and Dispatching" ("SNMP V3" > "Message Processing and Dispatching")
constexpr VhSNMPObjectDesc MessageProcessingandDispatching1Objects[] = {
    {"1.3.6.1.6.3.11.2.1.1", "Unknown Security Models", counter, readonly},
    {"1.3.6.1.6.3.11.2.1.2", "Invalid Message", counter, readonly},
    {"1.3.6.1.6.3.11.2.1.3", "Unknown PDU Handlers", counter, readonly},
    {},
};
constexpr TCatalogueRecord MessageProcessingandDispatching1 = {
    .MenuItem = "MessageProcessingandDispatching1", .Title = "Message Processing and Dispatching", .Kind = MENU_GENERIC_EDITOR,
    .ListType = SVT_SV, .KeyCount = 0, .Objects = MessageProcessingandDispatching1Objects,
};

// "General Information" ("SNMP V3" > "SNMP Target MIB" > "General Information")
constexpr VhSNMPObjectDesc GeneralInformation1Objects[] = {
    {"1.3.6.1.6.3.12.1.1", "Target Spin Lock", integer, readonly},
    {"1.3.6.1.6.3.12.1.4", "Unavailable Contexts", counter, readonly},
    {"1.3.6.1.6.3.12.1.5", "Unknown Contexts", counter, readonly},
    {},
};
constexpr TCatalogueRecord GeneralInformation1 = {
    .MenuItem = "GeneralInformation1", .Title = "General Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = GeneralInformation1Objects,
};

// "Target Address Table" ("SNMP V3" > "SNMP Target MIB" > "Target Address Table")
constexpr VhSNMPObjectDesc CommunityTargetAddressTableObjects[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.12.1.2.1.2", "Target Address TDomain", objectid, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.3", "Target Address TAddress", bitstr, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.4", "Target Address Timeout", integer, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.5", "Target Address Retry Count", integer, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.6", "Target Address Tag List", displaystr, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.7", "Target Address Params", displaystr, readwrite},
    {"1.3.6.1.6.3.12.1.2.1.8", "Target Address Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.12.1.2.1.9", "Target Address Row Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord CommunityTargetAddressTable = {
    .MenuItem = "CommunityTargetAddressTable", .Title = "Target Address Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = CommunityTargetAddressTableObjects, .StatusColumn = 8, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .StoredInConfigForm = true, .Formats = {{4, "%i{n0x255l3}"}},
};

// "Target Parameters" ("SNMP V3" > "SNMP Target MIB" > "Target Parameters")
constexpr VhSNMPObjectDesc TargetParameters1Objects[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Parameters Name", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.12.1.3.1.2", "Target Parameters MP Model", integer, readwrite},
    {"1.3.6.1.6.3.12.1.3.1.3", "Target Parameters Security Model", integer, readwrite},
    {"1.3.6.1.6.3.12.1.3.1.4", "Target Parameters Security Name", displaystr, readwrite},
    {"1.3.6.1.6.3.12.1.3.1.5", "Target Parameters Security Level", integer, readwrite, &SecurityLevelList},
    {"1.3.6.1.6.3.12.1.3.1.6", "Target Parameters Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.12.1.3.1.7", "Target Parameters Row Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord TargetParameters1 = {
    .MenuItem = "TargetParameters1", .Title = "Target Parameters", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = TargetParameters1Objects, .StatusColumn = 6, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
};

// "Statistics" ("SNMP V3" > "User-based Security Model" > "Statistics")
constexpr VhSNMPObjectDesc Statistics2Objects[] = {
    {"1.3.6.1.6.3.15.1.1.1", "Unsupported Security Level Packets", counter, readonly},
    {"1.3.6.1.6.3.15.1.1.2", "Not InTime Window Packets", counter, readonly},
    {"1.3.6.1.6.3.15.1.1.3", "Unknown User Name Packets", counter, readonly},
    {"1.3.6.1.6.3.15.1.1.4", "Unknown EngineID Packets", counter, readonly},
    {"1.3.6.1.6.3.15.1.1.5", "Wrong Digest Packets", counter, readonly},
    {"1.3.6.1.6.3.15.1.1.6", "Decryption Error Packets", counter, readonly},
    {},
};
constexpr TCatalogueRecord Statistics2 = {
    .MenuItem = "Statistics2", .Title = "Statistics", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = Statistics2Objects,
};

// "User Table" ("SNMP V3" > "User-based Security Model" > "User Table")
constexpr VhSNMPObjectDesc UserTable1Objects[] = {
    {"1.3.6.1.6.3.15.1.2.2.1.1", "Engine ID", octetstr, notaccess},
    {"1.3.6.1.6.3.15.1.2.2.1.2", "User Name", displaystr, notaccess},
    {"1.3.6.1.6.3.15.1.2.2.1.3", "Security Name", displaystr, readonly},
    {"1.3.6.1.6.3.15.1.2.2.1.4", "Clone From", objectid, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.5", "Authentication Protocol", objectid, readwrite, &AuthProtocolOidList},
    {"1.3.6.1.6.3.15.1.2.2.1.6", "Authentication Key Change", displaystr, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.7", "Own Authentication Key Change", displaystr, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.8", "Privacy Protocol", objectid, readwrite, &PrivProtocolOidList},
    {"1.3.6.1.6.3.15.1.2.2.1.9", "Privacy Key Change", displaystr, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.10", "Own Privacy Key Change", displaystr, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.11", "Public", displaystr, readwrite},
    {"1.3.6.1.6.3.15.1.2.2.1.12", "Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.15.1.2.2.1.13", "Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord UserTable1 = {
    .MenuItem = "UserTable1", .Title = "User Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = UserTable1Objects, .StatusColumn = 12, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .EditWidthPlus = 30, .StoredInConfigForm = true,
};

// "Security Group Table" ("SNMP V3" > "View-based Access Control Mode" > "Security Group Table")
constexpr VhSNMPObjectDesc SecurityTable1Objects[] = {
    {"1.3.6.1.6.3.16.1.2.1.1", "Security Model", integer, notaccess},
    {"1.3.6.1.6.3.16.1.2.1.2", "Security Name", displaystr, notaccess},
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", displaystr, readwrite},
    {"1.3.6.1.6.3.16.1.2.1.4", "Security Group Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.2.1.5", "Security Group Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord SecurityTable1 = {
    .MenuItem = "SecurityTable1", .Title = "Security Group Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = SecurityTable1Objects, .StatusColumn = 4, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
};

// "Access Table" ("SNMP V3" > "View-based Access Control Mode" > "Access Table")
constexpr VhSNMPObjectDesc AccessTable1Objects[] = {
    {"1.3.6.1.6.3.16.1.2.1.3", "Group Name", displaystr, notaccess},
    {"1.3.6.1.6.3.16.1.4.1.1", "Access Context Prefix", displaystr, notaccess},
    {"1.3.6.1.6.3.16.1.4.1.2", "Access Security Model", integer, notaccess},
    {"1.3.6.1.6.3.16.1.4.1.3", "Access Security Level", integer, notaccess, &SecurityLevelList},
    {"1.3.6.1.6.3.16.1.4.1.4", "Access Context Match", integer, readwrite, &ExactPrefixList},
    {"1.3.6.1.6.3.16.1.4.1.5", "Access Read View Name", displaystr, readwrite},
    {"1.3.6.1.6.3.16.1.4.1.6", "Access Write View Name", displaystr, readwrite},
    {"1.3.6.1.6.3.16.1.4.1.7", "Access Notify View Name", displaystr, readwrite},
    {"1.3.6.1.6.3.16.1.4.1.8", "Access Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.4.1.9", "Access Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord AccessTable1 = {
    .MenuItem = "AccessTable1", .Title = "Access Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 4,
    .Objects = AccessTable1Objects, .StatusColumn = 9, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
};

// "View MIB Tree Family Table" ("SNMP V3" > "View-based Access Control Mode" > "View MIB Tree Family Table")
constexpr VhSNMPObjectDesc ViewTable1Objects[] = {
    {"1.3.6.1.6.3.16.1.5.2.1.1", "View Tree Family View Name", displaystr, notaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.2", "View Tree Family Subtree", objectid, notaccess},
    {"1.3.6.1.6.3.16.1.5.2.1.3", "View Tree Family Mask", displaystr, readwrite},
    {"1.3.6.1.6.3.16.1.5.2.1.4", "View Tree Family Type", integer, readwrite, &IncludedExcludedList},
    {"1.3.6.1.6.3.16.1.5.2.1.5", "View Tree Family Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.16.1.5.2.1.6", "View Tree Family Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord ViewTable1 = {
    .MenuItem = "ViewTable1", .Title = "View MIB Tree Family Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 2,
    .Objects = ViewTable1Objects, .StatusColumn = 5, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
};

// "Notify Table" ("SNMP V3" > "Notifications" > "Notify Table")
constexpr VhSNMPObjectDesc NotifyTable1Objects[] = {
    {"1.3.6.1.6.3.13.1.1.1.1", "Name", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.13.1.1.1.2", "Tag", displaystr, readwrite},
    {"1.3.6.1.6.3.13.1.1.1.3", "Type", integer, readwrite, &TrapInformList},
    {"1.3.6.1.6.3.13.1.1.1.4", "Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.1.1.5", "Row Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord NotifyTable1 = {
    .MenuItem = "NotifyTable1", .Title = "Notify Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV, .KeyCount = 1,
    .Objects = NotifyTable1Objects, .StatusColumn = 4, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .StoredInConfigForm = true,
};

// "Notify Filter Profile Table" ("SNMP V3" > "Notifications" > "Notify Filter Profile Table")
constexpr VhSNMPObjectDesc NotifyFilterProfileTale1Objects[] = {
    {"1.3.6.1.6.3.12.1.3.1.1", "Target Params Name", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", displaystr, readwrite},
    {"1.3.6.1.6.3.13.1.2.1.2", "Notify Filter Profile Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.2.1.3", "Notify Filter Profile Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord NotifyFilterProfileTale1 = {
    .MenuItem = "NotifyFilterProfileTale1", .Title = "Notify Filter Profile Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = NotifyFilterProfileTale1Objects, .StatusColumn = 3, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .StoredInConfigForm = true,
};

// "Notify Filter Table" ("SNMP V3" > "Notifications" > "Notify Filter Entry Table")
constexpr VhSNMPObjectDesc NotifyFilterEntryTable1Objects[] = {
    {"1.3.6.1.6.3.13.1.2.1.1", "Notify Filter Profile Name", displaystr, notaccess},
    {"1.3.6.1.6.3.13.1.3.1.1", "Notify Filter Subtree", objectid, implied_notaccess},
    {"1.3.6.1.6.3.13.1.3.1.2", "Notify Filter Mask", displaystr, readwrite},
    {"1.3.6.1.6.3.13.1.3.1.3", "Notify Filter Type", integer, readwrite, &IncludedExcludedList},
    {"1.3.6.1.6.3.13.1.3.1.4", "Notify Filter Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.13.1.3.1.5", "Notify Filter Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord NotifyFilterEntryTable1 = {
    .MenuItem = "NotifyFilterEntryTable1", .Title = "Notify Filter Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 2, .Objects = NotifyFilterEntryTable1Objects, .StatusColumn = 5, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .StoredInConfigForm = true,
};

// "SNMP Community Table" ("SNMP V3" > "Community" > "Community String Table")
constexpr VhSNMPObjectDesc CommunityStringTable1Objects[] = {
    {"1.3.6.1.6.3.18.1.1.1.1", "Index", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.18.1.1.1.2", "Name", displaystr, readwrite},
    {"1.3.6.1.6.3.18.1.1.1.3", "Security Name", displaystr, readwrite},
    {"1.3.6.1.6.3.18.1.1.1.4", "Context Engine ID", octetstr, readwrite},
    {"1.3.6.1.6.3.18.1.1.1.5", "Context Name", displaystr, readwrite},
    {"1.3.6.1.6.3.18.1.1.1.6", "Transport Tag", displaystr, readwrite},
    {"1.3.6.1.6.3.18.1.1.1.7", "Storage Type", integer, readwrite, &StorageTypeList},
    {"1.3.6.1.6.3.18.1.1.1.8", "Status", integer, readwrite, &RowStatusNoWaitList},
    {},
};
constexpr TCatalogueRecord CommunityStringTable1 = {
    .MenuItem = "CommunityStringTable1", .Title = "SNMP Community Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = CommunityStringTable1Objects, .StatusColumn = 7, .AddLabel = "createAndGo",
    .DeleteLabel = "destroy", .StoredInConfigForm = true,
};

// "Target Address Table(Extended)" ("SNMP V3" > "Community" > "Target Address Table")
constexpr VhSNMPObjectDesc TargetAddressTable1Objects[] = {
    {"1.3.6.1.6.3.12.1.2.1.1", "Target Address Name", displaystr, implied_notaccess},
    {"1.3.6.1.6.3.18.1.2.1.1", "Target Address Mask", displaystr, readwrite},
    {"1.3.6.1.6.3.18.1.2.1.2", "Target Address MMS", integer, readwrite},
    {},
};
constexpr TCatalogueRecord TargetAddressTable1 = {
    .MenuItem = "TargetAddressTable1", .Title = "Target Address Table(Extended)", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = TargetAddressTable1Objects, .StoredInConfigForm = true,
};

// "802.1X Port Configuration" ("Security Management" > "802.1X" > "Port Configuration")
constexpr VhSNMPObjectDesc PortAuthenticationConfiguration1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.1.1.1", "Pae State", integer, readonly, &AuthPaeStateList},
    {"1.0.8802.1.1.1.1.2.1.1.2", "Backend State", integer, readonly, &BackendAuthStateList},
    {"1.0.8802.1.1.1.1.2.1.1.3", "Administrative Controlled Directions", integer, readwrite, &BothInList},
    {"1.0.8802.1.1.1.1.2.1.1.4", "Operational Controlled Directions", integer, readonly, &BothInList},
    {"1.0.8802.1.1.1.1.2.1.1.5", "Port Status", integer, readonly, &AuthorizedUnauthorizedList},
    {"1.0.8802.1.1.1.1.2.1.1.6", "Port Control", integer, readwrite, &PortControlList},
    {"1.0.8802.1.1.1.1.2.1.1.7", "Quiet Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.8", "TX Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.9", "Supplication Timeout", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.10", "Server Timeout", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.11", "Max Request", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.12", "ReAuthenticate Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.2.1.1.13", "ReAuthenticate Enabled", integer, readwrite, &TrueFalseList},
    {"1.0.8802.1.1.1.1.2.1.1.14", "Key TX Enabled", integer, readwrite, &TrueFalseList},
    {},
};
constexpr TCatalogueRecord PortAuthenticationConfiguration1 = {
    .MenuItem = "PortAuthenticationConfiguration1", .Title = "802.1X Port Configuration", .Kind = MENU_GENERIC_TABLE,
    .ListType = MVT_UMV, .KeyCount = 1, .Objects = PortAuthenticationConfiguration1Objects,
    .Formats = {{8, "%i{n0x65535l5}"}, {9, "%i{n1x65535l5}"}, {10, "%i{n1x65535l5}"}, {11, "%i{n1x65535l5}"}, {12, "%i{n1x10l2}"}, {13, "%i{n1x65535l5}"}},
};

// "Port Statistics" ("Security Management" > "802.1X" > "Port Statistics")
constexpr VhSNMPObjectDesc PortAuthStatistics1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.1", "EAPOL Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.2", "EAPOL Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.3", "EAPOL Start Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.4", "EAPOL Logoff Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.5", "EAPOL Resp/Ip Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.6", "EAPOL Response Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.7", "EAPOL Req/Id FramesTx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.8", "EAPOL Response Frames Tx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.9", "Invalid EAPOL FramesRx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.10", "EAPOL Length Error Frames Rx", counter, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.11", "Last EAPOL Frame Version", guage, readonly},
    {"1.0.8802.1.1.1.1.2.2.1.12", "Last EAPOLF rame Source", macaddress, readonly},
    {},
};
constexpr TCatalogueRecord PortAuthStatistics1 = {
    .MenuItem = "PortAuthStatistics1", .Title = "Port Statistics", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = PortAuthStatistics1Objects,
};

// "Port Diagnostics" ("Security Management" > "802.1X" > "Port Diagnostics")
constexpr VhSNMPObjectDesc Diagnostics1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.1", "Enters Connecting", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.2", "Eap Logoff sWhile Connecting", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.3", "Enters Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.8", "Auth Eap Starts While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.9", "Auth Eap Logoff While Authenticating", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.11", "Auth Eap Starts While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.12", "Auth Eap Logoff While Authenticated", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.13", "Backend Responses", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.14", "Backend Access Challenges", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.15", "Backend Other Requests To Supplicant", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.16", "Backend Non Nak Responses From Supplicant", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.17", "Backend Auth Successes", counter, readonly},
    {"1.0.8802.1.1.1.1.2.3.1.18", "Backend Auth Fails", counter, readonly},
    {},
};
constexpr TCatalogueRecord Diagnostics1 = {
    .MenuItem = "Diagnostics1", .Title = "Port Diagnostics", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = Diagnostics1Objects, .Height = 450,
};

// "Port Session Statistics" ("Security Management" > "802.1X" > "Port Session Statistics")
constexpr VhSNMPObjectDesc PortSessionStatistics1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.3", "Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.4", "Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.5", "Session ID", displaystr, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.6", "Authentic Method", integer, readonly, &RemoteLocalAuthServerList},
    {"1.0.8802.1.1.1.1.2.4.1.7", "Session Time", timeticks, readonly},
    {"1.0.8802.1.1.1.1.2.4.1.8", "Terminate Cause", integer, readonly, &SessionTerminateCauseList},
    {"1.0.8802.1.1.1.1.2.4.1.9", "Session User Name", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord PortSessionStatistics1 = {
    .MenuItem = "PortSessionStatistics1", .Title = "Port Session Statistics", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = PortSessionStatistics1Objects,
};

// "Supplicant PAE Information" ("Security Management" > "802.1X" > "Supplicant PAE Information")
constexpr VhSNMPObjectDesc SupplicantPAEInformation1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.3.1.1.1", "Pae State", integer, readonly, &SuppPaeStateList},
    {"1.0.8802.1.1.1.1.3.1.1.2", "Held Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.3.1.1.3", "Auth Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.3.1.1.4", "Start Period", guage, readwrite},
    {"1.0.8802.1.1.1.1.3.1.1.5", "Max Start", guage, readwrite},
    {},
};
constexpr TCatalogueRecord SupplicantPAEInformation1 = {
    .MenuItem = "SupplicantPAEInformation1", .Title = "Supplicant PAE Information", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_UMV,
    .KeyCount = 1, .Objects = SupplicantPAEInformation1Objects,
};

// "Supplicant PAE Statistics" ("Security Management" > "802.1X" > "Supplicant PAE Statistics")
constexpr VhSNMPObjectDesc SupplicantPAEStatistics1Objects[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Index", integer, notaccess},
    {"1.3.6.1.4.1.32473.11.78.1.2.3.1.1.2", "Port Number", displaystr, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.1", "Eapol Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.2", "Eapol Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.3", "Start Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.4", "Logoff Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.5", "RespId Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.6", "Resp Frames TX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.7", "ReqId Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.8", "Req Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.9", "Invalid Eapol Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.10", "Eapol Length Error Frames RX", counter, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.11", "Last Eapol Frame Version", guage, readonly},
    {"1.0.8802.1.1.1.1.3.2.1.12", "Last Eapol Frame Source", macaddress, readonly},
    {},
};
constexpr TCatalogueRecord SupplicantPAEStatistics1 = {
    .MenuItem = "SupplicantPAEStatistics1", .Title = "Supplicant PAE Statistics", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = SupplicantPAEStatistics1Objects,
};

// "State Table" ("Security Management" > "802.1X" > "MAC Based Authentication" > "State Table")
constexpr VhSNMPObjectDesc StateTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "Port Access Entity MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "Port Access Entity Port Number", integer, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.3", "Port Access Entity State", integer, readonly, &AuthPaeStateList},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.4", "Backend Authentication State", integer, readonly, &BackendAuthStateList},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.5", "Controlled Port Status", integer, readonly, &AuthorizedUnauthorizedList},
    {},
};
// The state table is indexed by the supplicant's MAC address and its port, its first two
// columns: two keys, as "Session Information" reads the same rows (one key would leave the
// port's arc of every row's index unaccounted for).
constexpr TCatalogueRecord StateTable1 = {
    .MenuItem = "StateTable1", .Title = "State Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 2,
    .Objects = StateTable1Objects,
};

// "Session Information " ("Security Management" > "802.1X" > "MAC Based Authentication" > "Session Information")
constexpr VhSNMPObjectDesc SessionInformation1Objects[] = {
    {"1.3.6.1.4.1.32473.12.3.6.1.1.1", "Port Access Entity MAC Address", macaddress, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.1.1.2", "Port Number", integer, notaccess},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.1", "Session Received Octets", counter64, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.2", "Session Transmitted Octets", counter64, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.3", "Session Received Frames", counter, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.4", "Session Transmitted Frames", counter, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.5", "Session ID", displaystr, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.6", "Session Authentication Method", integer, readonly, &RemoteLocalAuthServerList},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.7", "Session Time", timeticks, readonly},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.8", "Session Terminate Cause", integer, readonly, &SessionTerminateCauseList},
    {"1.3.6.1.4.1.32473.12.3.6.4.1.9", "Session User Name", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord SessionInformation1 = {
    .MenuItem = "SessionInformation1", .Title = "Session Information ", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 2, .Objects = SessionInformation1Objects,
};

// "RADIUS Authentication Information" ("Security Management" > "RADIUS Management" > "Authentication Control" > "Authentication Client")
constexpr VhSNMPObjectDesc AuthenticationInformation1Objects[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.1", "Unknow Address Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.2", "Authentication Client Identifier", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord AuthenticationInformation1 = {
    .MenuItem = "AuthenticationInformation1", .Title = "RADIUS Authentication Information", .Kind = MENU_GENERIC_EDITOR,
    .ListType = SVT_SV, .KeyCount = 0, .Objects = AuthenticationInformation1Objects,
};

// "RADIUS Authentication Table" ("Security Management" > "RADIUS Management" > "Authentication Control" > "Authentication Server Table")
constexpr VhSNMPObjectDesc AuthenticationTable1Objects[] = {
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.1", "Index", integer, notaccess},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.2", "Address", ipaddress, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.3", "Authentication Port Number", integer, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.4", "Round Trip Time", timeticks, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.5", "Access-Requests Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.6", "Access-Retransmissions Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.7", "Access-Accepts Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.8", "Access-Rejects Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.9", "Access-Challenges Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.10", "Malformed Access Responses Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.11", "Bad Authenticators Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.12", "Pending Requests Packets", guage, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.13", "Timeout Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.14", "Unknown Types Packets", counter, readonly},
    {"1.3.6.1.2.1.67.1.2.1.1.3.1.15", "Packets Dropped Packets", counter, readonly},
    {},
};
constexpr TCatalogueRecord AuthenticationTable1 = {
    .MenuItem = "AuthenticationTable1", .Title = "RADIUS Authentication Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = AuthenticationTable1Objects,
};

// "Accounting Basic Information" ("Security Management" > "RADIUS Management" > "Accounting Control" > "Accounting Client")
constexpr VhSNMPObjectDesc AccountingServerInformation1Objects[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.1", "Unknow Address Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.2", "Accouting Client Identifier", displaystr, readonly},
    {},
};
constexpr TCatalogueRecord AccountingServerInformation1 = {
    .MenuItem = "AccountingServerInformation1", .Title = "Accounting Basic Information", .Kind = MENU_GENERIC_EDITOR,
    .ListType = SVT_SV, .KeyCount = 0, .Objects = AccountingServerInformation1Objects,
};

// "Accounting Server Table" ("Security Management" > "RADIUS Management" > "Accounting Control" > "Accounting Server Table")
constexpr VhSNMPObjectDesc AccountingServerTable1Objects[] = {
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.1", "Index", integer, notaccess},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.2", "Address", ipaddress, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.3", "Accouting Port Number", integer, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.4", "Round Trip Time", timeticks, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.5", "Requests Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.6", "Retransmissions Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.7", "Responses Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.8", "Malformed Responses Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.9", "Bad Authenticators Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.10", "Pending Requests Packets", guage, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.11", "Timeout Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.12", "Unknown Types Packets", counter, readonly},
    {"1.3.6.1.2.1.67.2.2.1.1.3.1.13", "Packets Dropped Packets", counter, readonly},
    {},
};
constexpr TCatalogueRecord AccountingServerTable1 = {
    .MenuItem = "AccountingServerTable1", .Title = "Accounting Server Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV,
    .KeyCount = 1, .Objects = AccountingServerTable1Objects,
};

// "Accounting Service Table" ("Security Management" > "RADIUS Management" > "Accounting Control" > "Service Table")
constexpr VhSNMPObjectDesc ServiceTable1Objects[] = {
    {"1.3.6.1.4.1.32473.12.3.4.3.1.1", "Service Index", integer, readonly, &AcctServiceIndexList},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.2", "Service Method", integer, readwrite, &RadiusAcctServiceMethodList},
    {"1.3.6.1.4.1.32473.12.3.4.3.1.3", "Service Mode", integer, readwrite, &RadiusAcctServiceModeList},
    {},
};
constexpr TCatalogueRecord ServiceTable1 = {
    .MenuItem = "ServiceTable1", .Title = "Accounting Service Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = ServiceTable1Objects, .EditWidth = 150, .WidthPlus = 200,
};

// "AAC Control" ("Security Management" > "AAC" > "AAC Control")
constexpr VhSNMPObjectDesc mmiAAACtrlObjects[] = {
    {"1.3.6.1.4.1.32473.12.5.1.1", "AAC Administration State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiAAACtrl = {
    .MenuItem = "mmiAAACtrl", .Title = "AAC Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiAAACtrlObjects,
};

// "AAC Information Table" ("Security Management" > "AAC" > "AAC Information")
constexpr VhSNMPObjectDesc mmiAAAInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.5.2.1", "Max Login Method List", integer, readonly},
    {"1.3.6.1.4.1.32473.12.5.2.2", "Max Enable Method List", integer, readonly},
    {"1.3.6.1.4.1.32473.12.5.2.3", "Max ServerGroup", integer, readonly},
    {"1.3.6.1.4.1.32473.12.5.2.4", "Max Server", integer, readonly},
    {"1.3.6.1.4.1.32473.12.5.8.1", "Response Timeout", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.5.8.2", "Attempt", integer, readwrite},
    {},
};
constexpr TCatalogueRecord mmiAAAInf = {
    .MenuItem = "mmiAAAInf", .Title = "AAC Information Table", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiAAAInfObjects, .Formats = {{4, "%i{n0x255l3}"}, {5, "%i{n1x255l3}"}},
};

// "Login/Enable Information" ("Security Management" > "AAC" > "Login/Enable Information")
constexpr VhSNMPObjectDesc mmiLgnInfObjects[] = {
    {"1.3.6.1.4.1.32473.12.5.7.1.1", "Console Login Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.1", "Console Enable Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.2", "Telnet Login Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.2", "Telnet Enable Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.3", "SSH Login Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.3", "SSH Enable Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.1.4", "HTTP Login Method", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.5.7.2.4", "HTTP Enable Method", displaystr, readwrite},
    {},
};
constexpr TCatalogueRecord mmiLgnInf = {
    .MenuItem = "mmiLgnInf", .Title = "Login/Enable Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiLgnInfObjects,
};

// "Server Group Table" ("Security Management" > "AAC" > "Server Group")
constexpr VhSNMPObjectDesc mmiSvrGrpObjects[] = {
    {"1.3.6.1.4.1.32473.12.5.9.1.1", "Server Group Name", displaystr, notaccess},
    {"1.3.6.1.4.1.32473.12.5.9.1.2", "Server Group IPAddress1", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.3", "Server Group Auth Protocol1", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.4", "Server Group IP Address2", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.5", "Server Group Auth Protocol2", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.6", "Server Group IP Address3", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.7", "Server Group Auth Protocol3", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.8", "Server Group IP Address4", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.9", "Server Group Auth Protocol4", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.10", "Server Group IP Address5", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.11", "Server Group Auth Protocol5", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.12", "Server Group IP Address6", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.13", "Server Group Auth Protocol6", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.14", "Server Group IP Address7", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.15", "Server Group Auth Protocol7", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.16", "Server Group IP Address8", ipaddress, readonly},
    {"1.3.6.1.4.1.32473.12.5.9.1.17", "Server Group Auth Protocol8", integer, readonly, &AuthServerTypeList},
    {"1.3.6.1.4.1.32473.12.5.9.1.18", "Server Group Row Status", integer, readwrite, &RowStatusList},
    {},
};
constexpr TCatalogueRecord mmiSvrGrp = {
    .MenuItem = "mmiSvrGrp", .Title = "Server Group Table", .Kind = MENU_GENERIC_TABLE, .ListType = MVT_FMV, .KeyCount = 1,
    .Objects = mmiSvrGrpObjects, .StatusColumn = 17, .AddLabel = "createAndGo", .DeleteLabel = "destroy",
    .EditHidden = true,
};

// "SSH Management Table" ("Security Management" > "SSH" > "SSH Management")
constexpr VhSNMPObjectDesc mmiSSHMgmtObjects[] = {
    {"1.3.6.1.4.1.32473.12.6.1.1", "SSH Version", integer, readonly},
    {"1.3.6.1.4.1.32473.12.6.1.2", "SSH Server Status", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.1.3", "SSH Max Authentication Fail Attempts", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.6.1.4", "SSH Session Key Rekeying", integer, readwrite, &NeverTenMinThirtyMinList},
    {"1.3.6.1.4.1.32473.12.6.1.5", "SSH Max Session", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.6.1.6", "SSH Connection Timeout", integer, readwrite},
    {"1.3.6.1.4.1.32473.12.6.1.7", "SSH Listened Port", integer, readwrite},
    {},
};
constexpr TCatalogueRecord mmiSSHMgmt = {
    .MenuItem = "mmiSSHMgmt", .Title = "SSH Management Table", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiSSHMgmtObjects,
    .Formats = {{2, "%i{n2x20l2}"}, {4, "%i{n1x8l1}"}, {5, "%i{n120x600l3}"}, {6, "%i{n1x65535l5}"}},
};

// "Data Integrity Algorithm Control" ("Security Management" > "SSH" > "Data Integrity Algorithm")
constexpr VhSNMPObjectDesc mmiHMACAlgthObjects[] = {
    {"1.3.6.1.4.1.32473.12.6.3.3.1", "HMAC-SHA1 Administration State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.3.2", "HMAC-MD5 Administration State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiHMACAlgth = {
    .MenuItem = "mmiHMACAlgth", .Title = "Data Integrity Algorithm Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = mmiHMACAlgthObjects, .HeightPlus = 15,
};

// "Encryption Algorithm Control" ("Security Management" > "SSH" > "Encryption Algorithm")
constexpr VhSNMPObjectDesc mmiEncryAlgthObjects[] = {
    {"1.3.6.1.4.1.32473.12.6.3.1.1", "3DES State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.3", "AES128 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.4", "AES192 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.5", "AES256 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.6", "Arcfour State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.2", "Blowfish State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.7", "CAST128 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.8", "Twofish128 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.9", "Twofish192 State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.1.10", "Twofish256 State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiEncryAlgth = {
    .MenuItem = "mmiEncryAlgth", .Title = "Encryption Algorithm Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = mmiEncryAlgthObjects,
};

// "Public Key Algorithm Control" ("Security Management" > "SSH" > "Public Key Algorithm")
constexpr VhSNMPObjectDesc mmiPKAlgObjects[] = {
    {"1.3.6.1.4.1.32473.12.6.3.5.1", "RSA state", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.5.2", "DSA state", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiPKAlg = {
    .MenuItem = "mmiPKAlg", .Title = "Public Key Algorithm Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV, .KeyCount = 0,
    .Objects = mmiPKAlgObjects, .HeightPlus = 15,
};

// "Authentication Method Control" ("Security Management" > "SSH" > "Authentication Method")
constexpr VhSNMPObjectDesc mmiAuthMthObjects[] = {
    {"1.3.6.1.4.1.32473.12.6.3.2.1", "Password Authentication State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.2.2", "Public Key Authentication State", integer, readwrite, &DisabledEnabledList},
    {"1.3.6.1.4.1.32473.12.6.3.2.3", "Host Key Authentication State", integer, readwrite, &DisabledEnabledList},
    {},
};
constexpr TCatalogueRecord mmiAuthMth = {
    .MenuItem = "mmiAuthMth", .Title = "Authentication Method Control", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = mmiAuthMthObjects,
};

// "Certificate File Information" ("Security Management" > "SSL" > "Certificate File Information")
constexpr VhSNMPObjectDesc mmiCertFileObjects[] = {
    {"1.3.6.1.4.1.32473.12.7.2.1", "Certificate File IP Address", ipaddress, readwrite},
    {"1.3.6.1.4.1.32473.12.7.2.2", "Certificate File Path", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.7.2.4", "Certificate Key File Path", displaystr, readwrite},
    {"1.3.6.1.4.1.32473.12.7.2.5", "Certificate File Control", integer, readwrite, &OtherInactiveStartList},
    {"1.3.6.1.4.1.32473.12.7.2.6", "Certificate File Status", integer, readonly, &NoneRsaDsaList},
    {},
};
constexpr TCatalogueRecord mmiCertFile = {
    .MenuItem = "mmiCertFile", .Title = "Certificate File Information", .Kind = MENU_GENERIC_EDITOR, .ListType = SVT_SV,
    .KeyCount = 0, .Objects = mmiCertFileObjects, .Formats = {{0, "%s{l16}"}, {1, "%s{l64}"}, {2, "%s{l64}"}},
};

constexpr const TCatalogueRecord* Records[] = {
    &snmpEngine1,
    &MessageProcessingandDispatching1,
    &GeneralInformation1,
    &CommunityTargetAddressTable,
    &TargetParameters1,
    &Statistics2,
    &UserTable1,
    &SecurityTable1,
    &AccessTable1,
    &ViewTable1,
    &NotifyTable1,
    &NotifyFilterProfileTale1,
    &NotifyFilterEntryTable1,
    &CommunityStringTable1,
    &TargetAddressTable1,
    &PortAuthenticationConfiguration1,
    &PortAuthStatistics1,
    &Diagnostics1,
    &PortSessionStatistics1,
    &SupplicantPAEInformation1,
    &SupplicantPAEStatistics1,
    &StateTable1,
    &SessionInformation1,
    &AuthenticationInformation1,
    &AuthenticationTable1,
    &AccountingServerInformation1,
    &AccountingServerTable1,
    &ServiceTable1,
    &mmiAAACtrl,
    &mmiAAAInf,
    &mmiLgnInf,
    &mmiSvrGrp,
    &mmiSSHMgmt,
    &mmiHMACAlgth,
    &mmiEncryAlgth,
    &mmiPKAlg,
    &mmiAuthMth,
    &mmiCertFile,
};

} // namespace

extern const TCatalogueGroup CatalogueGroup_snmpv3security;
const TCatalogueGroup CatalogueGroup_snmpv3security = {"SNMP V3 and Security Management", Records};
