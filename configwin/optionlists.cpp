#include "configwin/optionlists.h"

#include <cstring>

namespace {

constexpr LedColorPair LedColorPairs[] = {
    {0, 0x000000}, // black
    {1, 0x000000}, // black
    {2, 0x00FF00}, // lime
    {3, 0x00FF00}, // lime
    {0, LED_COLOR_END},
};

} // namespace

const VhSNMPLedColorMapList LedColorMap(LedColorPairs, 0x03, 0x80, 0x000000, 0x000000);

constexpr VhOptionPair AcctServiceIndexPairs[] = {
    {1, "acctServiceIndex-network"}, {2, "acctServiceIndex-exec"}, {3, "acctServiceIndex-system"}, {0, nullptr},
};
const VhOptionList AcctServiceIndexList(AcctServiceIndexPairs, OVT_INTEGER, false);

constexpr VhOptionPair ActiveNotInServicePairs[] = {{1, "active"}, {2, "notInService"}, {0, nullptr}};
const VhOptionList ActiveNotInServiceList(ActiveNotInServicePairs, OVT_INTEGER, false);

constexpr VhOptionPair AddDeletePairs[] = {{1, "add"}, {2, "delete"}, {0, nullptr}};
const VhOptionList AddDeleteList(AddDeletePairs, OVT_INTEGER, false);

constexpr VhOptionPair AdmitAllAdmitOnlyVLANTaggedPairs[] = {{1, "admitAll"}, {2, "admitOnlyVLANTagged"}, {0, nullptr}};
const VhOptionList AdmitAllAdmitOnlyVLANTaggedList(AdmitAllAdmitOnlyVLANTaggedPairs, OVT_INTEGER, false);

constexpr VhOptionPair AllInternalExternalPairs[] = {
    {0, "all"}, {1, "internal"}, {2, "external"}, {3, "extType1"}, {4, "extType2"}, {5, "type-1"}, {6, "type-2"},
    {7, "inter-E1"}, {8, "inter-E2"}, {0, nullptr},
};
const VhOptionList AllInternalExternalList(AllInternalExternalPairs, OVT_INTEGER, false);

constexpr VhOptionPair AllWarningInformationalPairs[] = {
    {1, "all"}, {2, "warning"}, {3, "informational"}, {0, nullptr},
};
const VhOptionList AllWarningInformationalList(AllWarningInformationalPairs, OVT_INTEGER, false);

constexpr VhOptionPair AuthorizedUnauthorizedPairs[] = {{1, "authorized"}, {2, "unauthorized"}, {0, nullptr}};
const VhOptionList AuthorizedUnauthorizedList(AuthorizedUnauthorizedPairs, OVT_INTEGER, false);

constexpr VhOptionPair AuthPaeStatePairs[] = {
    {1, "initialize"}, {2, "disconnected"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"},
    {6, "aborting"}, {7, "held"}, {8, "forceAuth"}, {9, "forceUnauth"}, {0, nullptr},
};
const VhOptionList AuthPaeStateList(AuthPaeStatePairs, OVT_INTEGER, false);

constexpr VhOptionPair AuthProtocolLocalRadiusPairs[] = {
    {2, "authProtocolLocal"}, {4, "authProtocolRadiusEap"}, {0, nullptr},
};
const VhOptionList AuthProtocolLocalRadiusList(AuthProtocolLocalRadiusPairs, OVT_INTEGER, false);

constexpr VhOptionPair AuthProtocolOidPairs[] = {
    {"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}, {0, nullptr},
};
const VhOptionList AuthProtocolOidList(AuthProtocolOidPairs, OVT_STRING, false);

constexpr VhOptionPair AuthServerType4Pairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {0, nullptr},
};
const VhOptionList AuthServerType4List(AuthServerType4Pairs, OVT_INTEGER, false);

constexpr VhOptionPair AuthServerTypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "none"}, {6, "other"}, {0, nullptr},
};
const VhOptionList AuthServerTypeList(AuthServerTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair AutoStandAloneMasterPairs[] = {
    {2, "auto"}, {3, "stand-alone"}, {4, "master"}, {5, "slave"}, {0, nullptr},
};
const VhOptionList AutoStandAloneMasterList(AutoStandAloneMasterPairs, OVT_INTEGER, false);

constexpr VhOptionPair BackendAuthStatePairs[] = {
    {1, "request"}, {2, "response"}, {3, "success"}, {4, "fail"}, {5, "timeout"}, {6, "idle"}, {7, "initialize"},
    {0, nullptr},
};
const VhOptionList BackendAuthStateList(BackendAuthStatePairs, OVT_INTEGER, false);

constexpr VhOptionPair BaudRate2400Pairs[] = {
    {2, "baudRate-2400"}, {3, "baudRate-9600"}, {4, "baudRate-19200"}, {5, "baudRate-38400"}, {6, "baudRate-115200"},
    {0, nullptr},
};
const VhOptionList BaudRate2400List(BaudRate2400Pairs, OVT_INTEGER, false);

constexpr VhOptionPair BaudRate9600Pairs[] = {
    {2, "baudRate-9600"}, {3, "baudRate-19200"}, {4, "baudRate-38400"}, {5, "baudRate-115200"}, {0, nullptr},
};
const VhOptionList BaudRate9600List(BaudRate9600Pairs, OVT_INTEGER, false);

constexpr VhOptionPair BothInPairs[] = {{0, "both"}, {1, "in"}, {0, nullptr}};
const VhOptionList BothInList(BothInPairs, OVT_INTEGER, false);

constexpr VhOptionPair BridgeTypePairs[] = {
    {1, "unknown"}, {2, "transparent-only"}, {3, "sourceroute-only"}, {4, "srt"}, {0, nullptr},
};
const VhOptionList BridgeTypeList(BridgeTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair CaInterOtherPairs[] = {{1, "ca"}, {2, "inter"}, {3, "other"}, {4, "none"}, {0, nullptr}};
const VhOptionList CaInterOtherList(CaInterOtherPairs, OVT_INTEGER, false);

constexpr VhOptionPair CistMstiPairs[] = {{0, "cist"}, {1, "msti"}, {0, nullptr}};
const VhOptionList CistMstiList(CistMstiPairs, OVT_INTEGER, false);

constexpr VhOptionPair ColdStartNoResetPairs[] = {{2, "cold-start"}, {4, "no-reset"}, {0, nullptr}};
const VhOptionList ColdStartNoResetList(ColdStartNoResetPairs, OVT_INTEGER, false);

constexpr VhOptionPair CommanderCandidateMemberPairs[] = {
    {1, "commander"}, {2, "candidate"}, {3, "member"}, {0, nullptr},
};
const VhOptionList CommanderCandidateMemberList(CommanderCandidateMemberPairs, OVT_INTEGER, false);

constexpr VhOptionPair ConsoleOutOfBandNotAvailPairs[] = {
    {2, "console"}, {3, "out-of-band"}, {4, "notAvail"}, {0, nullptr},
};
const VhOptionList ConsoleOutOfBandNotAvailList(ConsoleOutOfBandNotAvailPairs, OVT_INTEGER, false);

constexpr VhOptionPair CriticalMajorMinorPairs[] = {
    {0, "critical"}, {1, "major"}, {2, "minor"}, {3, "warning"}, {0, nullptr},
};
const VhOptionList CriticalMajorMinorList(CriticalMajorMinorPairs, OVT_INTEGER, false);

constexpr VhOptionPair CriticalWarningInformationPairs[] = {
    {0, "critical"}, {1, "warning"}, {2, "information"}, {0, nullptr},
};
const VhOptionList CriticalWarningInformationList(CriticalWarningInformationPairs, OVT_INTEGER, false);

constexpr VhOptionPair CsCasMsPairs[] = {{1, "cs"}, {2, "cas"}, {3, "ms"}, {0, nullptr}};
const VhOptionList CsCasMsList(CsCasMsPairs, OVT_INTEGER, false);

constexpr VhOptionPair DenseSparsePairs[] = {{1, "dense"}, {2, "sparse"}, {0, nullptr}};
const VhOptionList DenseSparseList(DenseSparsePairs, OVT_INTEGER, false);

constexpr VhOptionPair DenseSparseSparseDensePairs[] = {{1, "dense"}, {2, "sparse"}, {3, "sparseDense"}, {0, nullptr}};
const VhOptionList DenseSparseSparseDenseList(DenseSparseSparseDensePairs, OVT_INTEGER, false);

constexpr VhOptionPair DenyPermitPairs[] = {{1, "deny"}, {2, "permit"}, {0, nullptr}};
const VhOptionList DenyPermitList(DenyPermitPairs, OVT_INTEGER, false);

constexpr VhOptionPair DisableAlternateBackupPairs[] = {
    {0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "desinated"}, {5, "master"}, {6, "nonstp"},
    {0, nullptr},
};
const VhOptionList DisableAlternateBackupList(DisableAlternateBackupPairs, OVT_INTEGER, false);

constexpr VhOptionPair DisabledBootpDhcpPairs[] = {{2, "disabled"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const VhOptionList DisabledBootpDhcpList(DisabledBootpDhcpPairs, OVT_INTEGER, false);

constexpr VhOptionPair DisabledEnabled01Pairs[] = {{0, "disabled"}, {1, "enabled"}, {0, nullptr}};
const VhOptionList DisabledEnabled01List(DisabledEnabled01Pairs, OVT_INTEGER, false);

constexpr VhOptionPair DisabledEnabled12Pairs[] = {{1, "disabled"}, {2, "enabled"}, {0, nullptr}};
const VhOptionList DisabledEnabled12List(DisabledEnabled12Pairs, OVT_INTEGER, false);

constexpr VhOptionPair DisabledEnabledPairs[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VhOptionList DisabledEnabledList(DisabledEnabledPairs, OVT_INTEGER, false);

constexpr VhOptionPair DisableEnablePairs[] = {{2, "disable"}, {3, "enable"}, {0, nullptr}};
const VhOptionList DisableEnableList(DisableEnablePairs, OVT_INTEGER, false);

constexpr VhOptionPair DisableRepeatingAnnualPairs[] = {{0, "disable"}, {1, "repeating"}, {2, "annual"}, {0, nullptr}};
const VhOptionList DisableRepeatingAnnualList(DisableRepeatingAnnualPairs, OVT_INTEGER, false);

constexpr VhOptionPair DownPointToPointPairs[] = {{1, "down"}, {2, "pointToPoint"}, {0, nullptr}};
const VhOptionList DownPointToPointList(DownPointToPointPairs, OVT_INTEGER, false);

constexpr VhOptionPair EmptyLinkDownHalf10MbpsPairs[] = {
    {1, "empty"}, {2, "link-down"}, {3, "half-10Mbps"}, {4, "full-10Mbps"}, {5, "half-100Mbps"}, {6, "full-100Mbps"},
    {7, "half-1Gigabps"}, {8, "full-1Gigabps"}, {9, "half-10Gigabps"}, {10, "full-10Gigabps"}, {11, "error-disabled"},
    {0, nullptr},
};
const VhOptionList EmptyLinkDownHalf10MbpsList(EmptyLinkDownHalf10MbpsPairs, OVT_INTEGER, false);

constexpr VhOptionPair EnabledDisabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VhOptionList EnabledDisabledList(EnabledDisabledPairs, OVT_INTEGER, false);

constexpr VhOptionPair EnableDisablePairs[] = {{2, "enable"}, {3, "disable"}, {0, nullptr}};
const VhOptionList EnableDisableList(EnableDisablePairs, OVT_INTEGER, false);

constexpr VhOptionPair EnableMethodTypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"}, {7, "local-enable"},
    {8, "none"}, {0, nullptr},
};
const VhOptionList EnableMethodTypeList(EnableMethodTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair EthernetLlcSnapPairs[] = {{1, "ethernet"}, {2, "llc"}, {3, "snap"}, {4, "all"}, {0, nullptr}};
const VhOptionList EthernetLlcSnapList(EthernetLlcSnapPairs, OVT_INTEGER, false);

constexpr VhOptionPair ExactPrefixPairs[] = {{1, "exact"}, {2, "prefix"}, {0, nullptr}};
const VhOptionList ExactPrefixList(ExactPrefixPairs, OVT_INTEGER, false);

constexpr VhOptionPair FalseOnlyPairs[] = {{2, "false"}, {0, nullptr}};
const VhOptionList FalseOnlyList(FalseOnlyPairs, OVT_INTEGER, false);

constexpr VhOptionPair FdbStatusPairs[] = {
    {1, "other"}, {2, "invalid"}, {3, "learned"}, {4, "self"}, {5, "mgmt"}, {0, nullptr},
};
const VhOptionList FdbStatusList(FdbStatusPairs, OVT_INTEGER, false);

constexpr VhOptionPair FinishProceedingPairs[] = {{0, "finish"}, {1, "proceeding"}, {0, nullptr}};
const VhOptionList FinishProceedingList(FinishProceedingPairs, OVT_INTEGER, false);

constexpr VhOptionPair ForceTrueForceFalseAutoPairs[] = {
    {0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}, {0, nullptr},
};
const VhOptionList ForceTrueForceFalseAutoList(ForceTrueForceFalseAutoPairs, OVT_INTEGER, false);

constexpr VhOptionPair IdleSetPairs[] = {{2, "idle"}, {3, "set"}, {0, nullptr}};
const VhOptionList IdleSetList(IdleSetPairs, OVT_INTEGER, false);

constexpr VhOptionPair InactiveStartDeletePairs[] = {
    {2, "inactive"}, {3, "start"}, {4, "delete"}, {5, "create-and-go"}, {0, nullptr},
};
const VhOptionList InactiveStartDeleteList(InactiveStartDeletePairs, OVT_INTEGER, false);

constexpr VhOptionPair IncludedExcludedPairs[] = {{1, "included"}, {2, "excluded"}, {0, nullptr}};
const VhOptionList IncludedExcludedList(IncludedExcludedPairs, OVT_INTEGER, false);

constexpr VhOptionPair IncludeExcludePairs[] = {{1, "include"}, {2, "exclude"}, {0, nullptr}};
const VhOptionList IncludeExcludeList(IncludeExcludePairs, OVT_INTEGER, false);

constexpr VhOptionPair IndependentPairs[] = {{1, "independent"}, {0, nullptr}};
const VhOptionList IndependentList(IndependentPairs, OVT_INTEGER, false);

constexpr VhOptionPair IndependentSharedPairs[] = {{1, "independent"}, {2, "shared"}, {0, nullptr}};
const VhOptionList IndependentSharedList(IndependentSharedPairs, OVT_INTEGER, false);

constexpr VhOptionPair InetAddressTypePairs[] = {
    {0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"}, {4, "ipv6z"}, {16, "dns"}, {0, nullptr},
};
const VhOptionList InetAddressTypeList(InetAddressTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair InitializeBackupMasterPairs[] = {{1, "initialize"}, {2, "backup"}, {3, "master"}, {0, nullptr}};
const VhOptionList InitializeBackupMasterList(InitializeBackupMasterPairs, OVT_INTEGER, false);

constexpr VhOptionPair InProcessInvalidFileViolationPairs[] = {
    {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"}, {6, "disk-full"}, {7, "complete"},
    {8, "time-out"}, {0, nullptr},
};
const VhOptionList InProcessInvalidFileViolationList(InProcessInvalidFileViolationPairs, OVT_INTEGER, false);

constexpr VhOptionPair InUseNotInUsePairs[] = {{2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const VhOptionList InUseNotInUseList(InUseNotInUsePairs, OVT_INTEGER, false);

constexpr VhOptionPair InvalidPermanentPairs[] = {{2, "invalid"}, {3, "permanent"}, {0, nullptr}};
const VhOptionList InvalidPermanentList(InvalidPermanentPairs, OVT_INTEGER, false);

constexpr VhOptionPair InvalidValidPairs[] = {{2, "invalid"}, {3, "valid"}, {0, nullptr}};
const VhOptionList InvalidValidList(InvalidValidPairs, OVT_INTEGER, false);

constexpr VhOptionPair IpBridgeDecnetPairs[] = {{1, "ip"}, {2, "bridge"}, {3, "decnet"}, {4, "other"}, {0, nullptr}};
const VhOptionList IpBridgeDecnetList(IpBridgeDecnetPairs, OVT_INTEGER, false);

constexpr VhOptionPair LayerModePairs[] = {
    {1, "other"}, {2, "layer2-default"}, {3, "layer2-ieee8021q"}, {4, "layer3-ip-ipx-switching"},
    {5, "layer3-ip-ipx-default-routing"}, {6, "layer3-ip-ipx-ieee8021q-routing"}, {0, nullptr},
};
const VhOptionList LayerModeList(LayerModePairs, OVT_INTEGER, false);

constexpr VhOptionPair LinkPassFailPairs[] = {{2, "link-pass"}, {3, "link-fail"}, {4, "error-disabled"}, {0, nullptr}};
const VhOptionList LinkPassFailList(LinkPassFailPairs, OVT_INTEGER, false);

constexpr VhOptionPair Local0Local1Local2Pairs[] = {
    {0, "local0"}, {1, "local1"}, {2, "local2"}, {3, "local3"}, {4, "local4"}, {5, "local5"}, {6, "local6"},
    {7, "local7"}, {0, nullptr},
};
const VhOptionList Local0Local1Local2List(Local0Local1Local2Pairs, OVT_INTEGER, false);

constexpr VhOptionPair LoginMethodTypePairs[] = {
    {1, "tacacs"}, {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"}, {5, "server-group"}, {6, "local"}, {8, "none"},
    {0, nullptr},
};
const VhOptionList LoginMethodTypeList(LoginMethodTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair MacIpSourceDestPairs[] = {
    {2, "mac-source"}, {3, "mac-destination"}, {4, "mac-source-dest"}, {5, "ip-source"}, {6, "ip-destination"},
    {7, "ip-source-dest"}, {0, nullptr},
};
const VhOptionList MacIpSourceDestList(MacIpSourceDestPairs, OVT_INTEGER, false);

constexpr VhOptionPair ManualBootpDhcpPairs[] = {{2, "manual"}, {3, "bootp"}, {4, "dhcp"}, {0, nullptr}};
const VhOptionList ManualBootpDhcpList(ManualBootpDhcpPairs, OVT_INTEGER, false);

constexpr VhOptionPair MulticastPairs[] = {{2, "multicast"}, {0, nullptr}};
const VhOptionList MulticastList(MulticastPairs, OVT_INTEGER, false);

constexpr VhOptionPair NetworkLoadOutOfBandLoadPairs[] = {{2, "network-load"}, {3, "out-of-band-load"}, {0, nullptr}};
const VhOptionList NetworkLoadOutOfBandLoadList(NetworkLoadOutOfBandLoadPairs, OVT_INTEGER, false);

constexpr VhOptionPair NeverMinsPairs[] = {
    {1, "never"}, {2, "mins-2"}, {3, "mins-5"}, {4, "mins-10"}, {5, "mins-15"}, {0, nullptr},
};
const VhOptionList NeverMinsList(NeverMinsPairs, OVT_INTEGER, false);

constexpr VhOptionPair NeverTenMinThirtyMinPairs[] = {
    {0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}, {0, nullptr},
};
const VhOptionList NeverTenMinThirtyMinList(NeverTenMinThirtyMinPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoAuthSimpleTextPairs[] = {
    {1, "noAuthentication"}, {2, "simpleTextPassword"}, {3, "ipAuthenticationHeader"}, {0, nullptr},
};
const VhOptionList NoAuthSimpleTextList(NoAuthSimpleTextPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneAuthenticatorPairs[] = {{0, "none"}, {1, "authenticator"}, {0, nullptr}};
const VhOptionList NoneAuthenticatorList(NoneAuthenticatorPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneIcmpIgmpPairs[] = {
    {1, "none"}, {2, "icmp"}, {3, "igmp"}, {4, "tcp"}, {5, "udp"}, {6, "protocolId"}, {0, nullptr},
};
const VhOptionList NoneIcmpIgmpList(NoneIcmpIgmpPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneRsaDsaPairs[] = {{1, "none"}, {2, "rsa"}, {3, "dsa"}, {0, nullptr}};
const VhOptionList NoneRsaDsaList(NoneRsaDsaPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneSimpleMD5Pairs[] = {{0, "none"}, {1, "simple"}, {2, "MD5"}, {0, nullptr}};
const VhOptionList NoneSimpleMD5List(NoneSimpleMD5Pairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneSimplePasswordMD5Pairs[] = {{0, "none"}, {1, "simplePassword"}, {2, "MD5"}, {0, nullptr}};
const VhOptionList NoneSimplePasswordMD5List(NoneSimplePasswordMD5Pairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneStartPairs[] = {{1, "none"}, {2, "start"}, {0, nullptr}};
const VhOptionList NoneStartList(NoneStartPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneStormOccurredStormClearedPairs[] = {
    {1, "none"}, {2, "stormOccurred"}, {3, "stormCleared"}, {4, "both"}, {0, nullptr},
};
const VhOptionList NoneStormOccurredStormClearedList(NoneStormOccurredStormClearedPairs, OVT_INTEGER, false);

constexpr VhOptionPair NoneTypeCodePairs[] = {{1, "none"}, {2, "type"}, {3, "code"}, {4, "type-code"}, {0, nullptr}};
const VhOptionList NoneTypeCodeList(NoneTypeCodePairs, OVT_INTEGER, false);

constexpr VhOptionPair NormalActivePairs[] = {{1, "normal"}, {2, "active"}, {0, nullptr}};
const VhOptionList NormalActiveList(NormalActivePairs, OVT_INTEGER, false);

constexpr VhOptionPair NormalExhaustedPairs[] = {{1, "normal"}, {2, "exhausted"}, {0, nullptr}};
const VhOptionList NormalExhaustedList(NormalExhaustedPairs, OVT_INTEGER, false);

constexpr VhOptionPair NwaySpeedPairs[] = {
    {2, "nway-enabled"}, {3, "nway-disabled-10Mbps-Half"}, {4, "nway-disabled-10Mbps-Full"},
    {5, "nway-disabled-100Mbps-Half"}, {6, "nway-disabled-100Mbps-Full"}, {8, "nway-disabled-1Gigabps-Full-none"},
    {9, "nway-disabled-1Gigabps-Full-master"}, {10, "nway-disabled-1Gigabps-Full-slave"}, {0, nullptr},
};
const VhOptionList NwaySpeedList(NwaySpeedPairs, OVT_INTEGER, false);

constexpr VhOptionPair OffOnPairs[] = {{0, "off"}, {1, "on"}, {0, nullptr}};
const VhOptionList OffOnList(OffOnPairs, OVT_INTEGER, false);

constexpr VhOptionPair OspfIfStatePairs[] = {
    {1, "down"}, {2, "loopback"}, {3, "waiting"}, {4, "pointToPoint"}, {5, "designatedRouter"},
    {6, "backupDesignatedRouter"}, {7, "otherDesignatedRouter"}, {0, nullptr},
};
const VhOptionList OspfIfStateList(OspfIfStatePairs, OVT_INTEGER, false);

constexpr VhOptionPair OspfIfTypePairs[] = {
    {1, "broadcast"}, {2, "nbma"}, {3, "pointToPoint"}, {5, "pointToMultipoint"}, {0, nullptr},
};
const VhOptionList OspfIfTypeList(OspfIfTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDisabledDiscardingPairs[] = {
    {1, "other"}, {2, "disabled"}, {3, "discarding"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"},
    {7, "no-stp-enabled"}, {8, "err-disabled"}, {0, nullptr},
};
const VhOptionList OtherDisabledDiscardingList(OtherDisabledDiscardingPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDisabledEnabledPairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const VhOptionList OtherDisabledEnabledList(OtherDisabledEnabledPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDstAddrSrcAddrPairs[] = {
    {1, "other"}, {2, "dst-addr"}, {3, "src-addr"}, {4, "dst-src-addr"}, {0, nullptr},
};
const VhOptionList OtherDstAddrSrcAddrList(OtherDstAddrSrcAddrPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDstIpAddrSrcIpAddrPairs[] = {
    {1, "other"}, {2, "dst-ip-addr"}, {3, "src-ip-addr"}, {4, "dst-src-ip-addr"}, {0, nullptr},
};
const VhOptionList OtherDstIpAddrSrcIpAddrList(OtherDstIpAddrSrcIpAddrPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDstIpv6AddrSrcIpv6AddrPairs[] = {
    {1, "other"}, {2, "dst-ipv6-addr"}, {3, "src-ipv6-addr"}, {4, "dst-src-ipv6-addr"}, {0, nullptr},
};
const VhOptionList OtherDstIpv6AddrSrcIpv6AddrList(OtherDstIpv6AddrSrcIpv6AddrPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherDstMacAddrSrcMacAddrPairs[] = {
    {1, "other"}, {2, "dst-mac-addr"}, {3, "src-mac-addr"}, {4, "dst-src-mac-addr"}, {0, nullptr},
};
const VhOptionList OtherDstMacAddrSrcMacAddrList(OtherDstMacAddrSrcMacAddrPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherInactiveStartPairs[] = {
    {1, "other"}, {2, "inactive"}, {3, "start"}, {4, "delete"}, {0, nullptr},
};
const VhOptionList OtherInactiveStartList(OtherInactiveStartPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherInProcessInvalidFilePairs[] = {
    {1, "other"}, {2, "in-process"}, {3, "invalid-file"}, {4, "violation"}, {5, "file-not-found"}, {6, "disk-full"},
    {7, "complete"}, {8, "time-out"}, {9, "not-format"}, {10, "memory-full"}, {0, nullptr},
};
const VhOptionList OtherInProcessInvalidFileList(OtherInProcessInvalidFilePairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherInUseNotInUsePairs[] = {{1, "other"}, {2, "in-use"}, {3, "not-in-use"}, {0, nullptr}};
const VhOptionList OtherInUseNotInUseList(OtherInUseNotInUsePairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherLocalNetmgmtPairs[] = {
    {1, "other"}, {2, "local"}, {3, "netmgmt"}, {4, "icmp"}, {5, "egp"}, {6, "ggp"}, {7, "hello"}, {8, "rip"},
    {9, "isIs"}, {10, "esIs"}, {11, "ciscoIgrp"}, {12, "bbnSpfIgp"}, {13, "ospf"}, {14, "bgp"}, {15, "idpr"},
    {16, "ciscoEigrp"}, {0, nullptr},
};
const VhOptionList OtherLocalNetmgmtList(OtherLocalNetmgmtPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherLowVoltageOverCurrentPairs[] = {
    {0, "other"}, {1, "lowVoltage"}, {2, "overCurrent"}, {3, "working"}, {4, "fail"}, {5, "connect"}, {6, "disconnect"},
    {0, nullptr},
};
const VhOptionList OtherLowVoltageOverCurrentList(OtherLowVoltageOverCurrentPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherProceedingCompletedPairs[] = {
    {1, "other"}, {2, "proceeding"}, {3, "completed"}, {4, "failed"}, {0, nullptr},
};
const VhOptionList OtherProceedingCompletedList(OtherProceedingCompletedPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherQuerierNonQuerierPairs[] = {{1, "other"}, {2, "querier"}, {3, "non-querier"}, {0, nullptr}};
const VhOptionList OtherQuerierNonQuerierList(OtherQuerierNonQuerierPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherRate2400Rate9600Pairs[] = {
    {1, "other"}, {2, "rate2400"}, {3, "rate9600"}, {4, "rate19200"}, {5, "rate38400"}, {6, "rate57200"},
    {7, "rate115200"}, {0, nullptr},
};
const VhOptionList OtherRate2400Rate9600List(OtherRate2400Rate9600Pairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherRejectLocalPairs[] = {
    {1, "other"}, {2, "reject"}, {3, "local"}, {4, "remote"}, {0, nullptr},
};
const VhOptionList OtherRejectLocalList(OtherRejectLocalPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherSetAsMsSuccessSetAsMsFailPairs[] = {
    {0, "other"}, {1, "set-as-ms-success"}, {2, "set-as-ms-fail"}, {3, "set-as-cas-success"}, {4, "set-as-cas-fail"},
    {5, "password-invalid"}, {6, "community-invalid"}, {7, "updata-db-error"}, {8, "wait-ack"}, {0, nullptr},
};
const VhOptionList OtherSetAsMsSuccessSetAsMsFailList(OtherSetAsMsSuccessSetAsMsFailPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherSnmpIpSnmpIpxPairs[] = {
    {1, "other"}, {2, "snmp-ip"}, {3, "snmp-ipx"}, {4, "snmp-ip-ipx"}, {0, nullptr},
};
const VhOptionList OtherSnmpIpSnmpIpxList(OtherSnmpIpSnmpIpxPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherStandardProprietaryPairs[] = {
    {1, "other"}, {2, "standard"}, {3, "proprietary"}, {4, "experiment"}, {0, nullptr},
};
const VhOptionList OtherStandardProprietaryList(OtherStandardProprietaryPairs, OVT_INTEGER, false);

constexpr VhOptionPair OtherWorkingFailPairs[] = {{0, "other"}, {1, "working"}, {2, "fail"}, {0, nullptr}};
const VhOptionList OtherWorkingFailList(OtherWorkingFailPairs, OVT_INTEGER, false);

constexpr VhOptionPair PermanentDeleteOnPairs[] = {
    {2, "permanent"}, {3, "deleteOnTimeout"}, {4, "deleteOnReset"}, {0, nullptr},
};
const VhOptionList PermanentDeleteOnList(PermanentDeleteOnPairs, OVT_INTEGER, false);

constexpr VhOptionPair PortBaseMacBaseNonePairs[] = {{1, "portBase"}, {2, "macBase"}, {3, "none"}, {0, nullptr}};
const VhOptionList PortBaseMacBaseNoneList(PortBaseMacBaseNonePairs, OVT_INTEGER, false);

constexpr VhOptionPair PortControlPairs[] = {
    {1, "forceUnauthorized"}, {2, "auto"}, {3, "forceAuthorized"}, {0, nullptr},
};
const VhOptionList PortControlList(PortControlPairs, OVT_INTEGER, false);

constexpr VhOptionPair PortTypePairs[] = {
    {1, "portType-none"}, {2, "portType-100Base-TX"}, {3, "portType-100Base-FX"}, {4, "portType-100Base-FL"},
    {5, "portType-1000Base-TX"}, {6, "portType-1000Base-SX"}, {7, "portType-1000Base-LX"},
    {8, "portType-1000Base-SX-GBIC"}, {9, "portType-1000Base-LX-GBIC"}, {10, "portType-1000Base-TX-GBIC"},
    {11, "portType-1000Base-none-GBIC"}, {12, "portType-1000Base-SX-MGBIC"}, {13, "portType-1000Base-LX-MGBIC"},
    {14, "portType-1000Base-TX-MGBIC"}, {15, "portType-1000Base-none-MGBIC"}, {16, "portType-SIO"},
    {17, "portType-10G"}, {18, "portType-1000Base-TX-GBIC-COMBO"}, {19, "portType-1000Base-none-TX-GBIC-COMBO"},
    {0, nullptr},
};
const VhOptionList PortTypeList(PortTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair PrimaryBackupPairs[] = {{1, "primary"}, {2, "backup"}, {0, nullptr}};
const VhOptionList PrimaryBackupList(PrimaryBackupPairs, OVT_INTEGER, false);

constexpr VhOptionPair PrivProtocolOidPairs[] = {
    {"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {0, nullptr},
};
const VhOptionList PrivProtocolOidList(PrivProtocolOidPairs, OVT_STRING, false);

constexpr VhOptionPair ProceedingReadyFailedPairs[] = {{2, "proceeding"}, {3, "ready"}, {4, "failed"}, {0, nullptr}};
const VhOptionList ProceedingReadyFailedList(ProceedingReadyFailedPairs, OVT_INTEGER, false);

constexpr VhOptionPair RadiusAcctServiceMethodPairs[] = {
    {1, "RadiusAcctServiceMethodNone"}, {2, "RadiusAcctServiceMethodRadius"}, {0, nullptr},
};
const VhOptionList RadiusAcctServiceMethodList(RadiusAcctServiceMethodPairs, OVT_INTEGER, false);

constexpr VhOptionPair RadiusAcctServiceModePairs[] = {
    {1, "radiusAcctServiceModeNone"}, {2, "radiusAcctServiceModeStartStop"}, {3, "radiusAcctServiceModeStopOnly"},
    {0, nullptr},
};
const VhOptionList RadiusAcctServiceModeList(RadiusAcctServiceModePairs, OVT_INTEGER, false);

constexpr VhOptionPair RadiusServerIndexPairs[] = {
    {1, "RadiusServerIndex-first"}, {2, "RadiusServerIndex-second"}, {3, "RadiusServerIndex-third"}, {0, nullptr},
};
const VhOptionList RadiusServerIndexList(RadiusServerIndexPairs, OVT_INTEGER, false);

constexpr VhOptionPair RemoteLocalAuthServerPairs[] = {{1, "remoteAuthServer"}, {2, "localAuthServer"}, {0, nullptr}};
const VhOptionList RemoteLocalAuthServerList(RemoteLocalAuthServerPairs, OVT_INTEGER, false);

constexpr VhOptionPair ReplaceDropKeepPairs[] = {{0, "replace"}, {1, "drop"}, {2, "keep"}, {0, nullptr}};
const VhOptionList ReplaceDropKeepList(ReplaceDropKeepPairs, OVT_INTEGER, false);

constexpr VhOptionPair RipOspfPairs[] = {{2, "rip"}, {3, "ospf"}, {0, nullptr}};
const VhOptionList RipOspfList(RipOspfPairs, OVT_INTEGER, false);

constexpr VhOptionPair RipOspfStaticPairs[] = {{2, "rip"}, {3, "ospf"}, {4, "static"}, {5, "local"}, {0, nullptr}};
const VhOptionList RipOspfStaticList(RipOspfStaticPairs, OVT_INTEGER, false);

constexpr VhOptionPair RowStatusCapitalPairs[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const VhOptionList RowStatusCapitalList(RowStatusCapitalPairs, OVT_INTEGER, false);

constexpr VhOptionPair RowStatusGoDestroyPairs[] = {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr}};
const VhOptionList RowStatusGoDestroyList(RowStatusGoDestroyPairs, OVT_INTEGER, false);

constexpr VhOptionPair RowStatusPairs[] = {
    {1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"},
    {0, nullptr},
};
const VhOptionList RowStatusList(RowStatusPairs, OVT_INTEGER, false);

constexpr VhOptionPair RowStatusNoNotReadyPairs[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}, {0, nullptr},
};
const VhOptionList RowStatusNoNotReadyList(RowStatusNoNotReadyPairs, OVT_INTEGER, false);

constexpr VhOptionPair RowStatusNoWaitPairs[] = {
    {1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}, {0, nullptr},
};
const VhOptionList RowStatusNoWaitList(RowStatusNoWaitPairs, OVT_INTEGER, false);

constexpr VhOptionPair RuntimeCodeLogFileCfgFilePairs[] = {
    {1, "runtime-code"}, {2, "log-file"}, {3, "cfg-file"}, {0, nullptr},
};
const VhOptionList RuntimeCodeLogFileCfgFileList(RuntimeCodeLogFileCfgFilePairs, OVT_INTEGER, false);

constexpr VhOptionPair SecurityLevelPairs[] = {{1, "noAuthNoPriv"}, {2, "authNoPriv"}, {3, "authPriv"}, {0, nullptr}};
const VhOptionList SecurityLevelList(SecurityLevelPairs, OVT_INTEGER, false);

constexpr VhOptionPair SessionTerminateCausePairs[] = {
    {1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
    {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}, {0, nullptr},
};
const VhOptionList SessionTerminateCauseList(SessionTerminateCausePairs, OVT_INTEGER, false);

constexpr VhOptionPair ShutdownDropPairs[] = {{1, "shutdown"}, {2, "drop"}, {0, nullptr}};
const VhOptionList ShutdownDropList(ShutdownDropPairs, OVT_INTEGER, false);

constexpr VhOptionPair StartStartAndResetNoactionPairs[] = {
    {2, "start"}, {3, "start-and-reset"}, {4, "noaction"}, {0, nullptr},
};
const VhOptionList StartStartAndResetNoactionList(StartStartAndResetNoactionPairs, OVT_INTEGER, false);

constexpr VhOptionPair StaticDynamicPairs[] = {{2, "static"}, {3, "dynamic"}, {0, nullptr}};
const VhOptionList StaticDynamicList(StaticDynamicPairs, OVT_INTEGER, false);

constexpr VhOptionPair StaticLacpPairs[] = {{2, "static"}, {3, "lacp"}, {0, nullptr}};
const VhOptionList StaticLacpList(StaticLacpPairs, OVT_INTEGER, false);

constexpr VhOptionPair StopActivePairs[] = {{0, "stop"}, {1, "active"}, {0, nullptr}};
const VhOptionList StopActiveList(StopActivePairs, OVT_INTEGER, false);

constexpr VhOptionPair StorageTypePairs[] = {
    {1, "other"}, {2, "volatile"}, {3, "nonVolatile"}, {4, "permanent"}, {5, "readOnly"}, {0, nullptr},
};
const VhOptionList StorageTypeList(StorageTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair STPCompatibilityRSTPPairs[] = {{0, "STP Compatibility"}, {2, "RSTP"}, {0, nullptr}};
const VhOptionList STPCompatibilityRSTPList(STPCompatibilityRSTPPairs, OVT_INTEGER, false);

constexpr VhOptionPair StpPortStatePairs[] = {
    {1, "disabled"}, {2, "blocking"}, {3, "listening"}, {4, "learning"}, {5, "forwarding"}, {6, "broken"}, {0, nullptr},
};
const VhOptionList StpPortStateList(StpPortStatePairs, OVT_INTEGER, false);

constexpr VhOptionPair StpRstpMstpPairs[] = {{0, "stp"}, {1, "rstp"}, {2, "mstp"}, {0, nullptr}};
const VhOptionList StpRstpMstpList(StpRstpMstpPairs, OVT_INTEGER, false);

constexpr VhOptionPair StrictFuzzyPairs[] = {{1, "strict"}, {2, "fuzzy"}, {0, nullptr}};
const VhOptionList StrictFuzzyList(StrictFuzzyPairs, OVT_INTEGER, false);

constexpr VhOptionPair StrictWeightfairPairs[] = {{1, "strict"}, {3, "weightfair"}, {0, nullptr}};
const VhOptionList StrictWeightfairList(StrictWeightfairPairs, OVT_INTEGER, false);

constexpr VhOptionPair SuppPaeStatePairs[] = {
    {1, "disconnected"}, {2, "logoff"}, {3, "connecting"}, {4, "authenticating"}, {5, "authenticated"}, {6, "acquired"},
    {7, "held"}, {0, nullptr},
};
const VhOptionList SuppPaeStateList(SuppPaeStatePairs, OVT_INTEGER, false);

constexpr VhOptionPair SysLogServerIndexPairs[] = {
    {1, "SysLogServerIndex-first"}, {2, "SysLogServerIndex-second"}, {3, "SysLogServerIndex-third"},
    {4, "SysLogServerIndex-fourth"}, {0, nullptr},
};
const VhOptionList SysLogServerIndexList(SysLogServerIndexPairs, OVT_INTEGER, false);

constexpr VhOptionPair SystemServer1Server2Pairs[] = {{0, "system"}, {1, "server1"}, {2, "server2"}, {0, nullptr}};
const VhOptionList SystemServer1Server2List(SystemServer1Server2Pairs, OVT_INTEGER, false);

constexpr VhOptionPair TrapInformPairs[] = {{1, "trap"}, {2, "inform"}, {0, nullptr}};
const VhOptionList TrapInformList(TrapInformPairs, OVT_INTEGER, false);

constexpr VhOptionPair TrueFalseAutoPairs[] = {{0, "true"}, {1, "false"}, {2, "auto"}, {0, nullptr}};
const VhOptionList TrueFalseAutoList(TrueFalseAutoPairs, OVT_INTEGER, false);

constexpr VhOptionPair TrueFalsePairs[] = {{1, "true"}, {2, "false"}, {0, nullptr}};
const VhOptionList TrueFalseList(TrueFalsePairs, OVT_INTEGER, false);

constexpr VhOptionPair UpDown23Pairs[] = {{2, "up"}, {3, "down"}, {0, nullptr}};
const VhOptionList UpDown23List(UpDown23Pairs, OVT_INTEGER, false);

constexpr VhOptionPair UpDownPairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VhOptionList UpDownList(UpDownPairs, OVT_INTEGER, false);

constexpr VhOptionPair UploadDownloadPairs[] = {{2, "upload"}, {3, "download"}, {0, nullptr}};
const VhOptionList UploadDownloadList(UploadDownloadPairs, OVT_INTEGER, false);

constexpr VhOptionPair ValidCreateRequestUnderCreationPairs[] = {
    {1, "valid"}, {2, "createRequest"}, {3, "underCreation"}, {4, "invalid"}, {0, nullptr},
};
const VhOptionList ValidCreateRequestUnderCreationList(ValidCreateRequestUnderCreationPairs, OVT_INTEGER, false);

constexpr VhOptionPair VlanProtocolTypePairs[] = {
    {1, "dot1q-vlan"}, {2, "protocol-ip"}, {3, "protocol-ipx802dot3"}, {4, "protocol-ipx802dot2"},
    {5, "protocol-ipxSnap"}, {6, "protocol-ipxEthernet2"}, {7, "protocol-appleTalk"}, {8, "protocol-decLat"},
    {10, "protocol-sna802dot2"}, {11, "protocol-snaEthernet2"}, {12, "protocol-netBios"}, {13, "protocol-xns"},
    {14, "protocol-vines"}, {15, "protocol-ipV6"}, {16, "protocol-userDefined"}, {17, "protocol-rarp"}, {0, nullptr},
};
const VhOptionList VlanProtocolTypeList(VlanProtocolTypePairs, OVT_INTEGER, false);

constexpr VhOptionPair VlanStatusPairs[] = {{1, "other"}, {2, "permanent"}, {3, "dynamicGvrp"}, {0, nullptr}};
const VhOptionList VlanStatusList(VlanStatusPairs, OVT_INTEGER, false);

constexpr VhOptionPair YesNoPairs[] = {{1, "yes"}, {2, "no"}, {0, nullptr}};
const VhOptionList YesNoList(YesNoPairs, OVT_INTEGER, false);

namespace {

#define NAMED(list) {#list, &list}
constexpr OptionListEntry Registry[] = {
    NAMED(AcctServiceIndexList),
    NAMED(ActiveNotInServiceList),
    NAMED(AddDeleteList),
    NAMED(AdmitAllAdmitOnlyVLANTaggedList),
    NAMED(AllInternalExternalList),
    NAMED(AllWarningInformationalList),
    NAMED(AuthorizedUnauthorizedList),
    NAMED(AuthPaeStateList),
    NAMED(AuthProtocolLocalRadiusList),
    NAMED(AuthProtocolOidList),
    NAMED(AuthServerType4List),
    NAMED(AuthServerTypeList),
    NAMED(AutoStandAloneMasterList),
    NAMED(BackendAuthStateList),
    NAMED(BaudRate2400List),
    NAMED(BaudRate9600List),
    NAMED(BothInList),
    NAMED(BridgeTypeList),
    NAMED(CaInterOtherList),
    NAMED(CistMstiList),
    NAMED(ColdStartNoResetList),
    NAMED(CommanderCandidateMemberList),
    NAMED(ConsoleOutOfBandNotAvailList),
    NAMED(CriticalMajorMinorList),
    NAMED(CriticalWarningInformationList),
    NAMED(CsCasMsList),
    NAMED(DenseSparseList),
    NAMED(DenseSparseSparseDenseList),
    NAMED(DenyPermitList),
    NAMED(DisableAlternateBackupList),
    NAMED(DisabledBootpDhcpList),
    NAMED(DisabledEnabled01List),
    NAMED(DisabledEnabled12List),
    NAMED(DisabledEnabledList),
    NAMED(DisableEnableList),
    NAMED(DisableRepeatingAnnualList),
    NAMED(DownPointToPointList),
    NAMED(EmptyLinkDownHalf10MbpsList),
    NAMED(EnabledDisabledList),
    NAMED(EnableDisableList),
    NAMED(EnableMethodTypeList),
    NAMED(EthernetLlcSnapList),
    NAMED(ExactPrefixList),
    NAMED(FalseOnlyList),
    NAMED(FdbStatusList),
    NAMED(FinishProceedingList),
    NAMED(ForceTrueForceFalseAutoList),
    NAMED(IdleSetList),
    NAMED(InactiveStartDeleteList),
    NAMED(IncludedExcludedList),
    NAMED(IncludeExcludeList),
    NAMED(IndependentList),
    NAMED(IndependentSharedList),
    NAMED(InetAddressTypeList),
    NAMED(InitializeBackupMasterList),
    NAMED(InProcessInvalidFileViolationList),
    NAMED(InUseNotInUseList),
    NAMED(InvalidPermanentList),
    NAMED(InvalidValidList),
    NAMED(IpBridgeDecnetList),
    NAMED(LayerModeList),
    NAMED(LinkPassFailList),
    NAMED(Local0Local1Local2List),
    NAMED(LoginMethodTypeList),
    NAMED(MacIpSourceDestList),
    NAMED(ManualBootpDhcpList),
    NAMED(MulticastList),
    NAMED(NetworkLoadOutOfBandLoadList),
    NAMED(NeverMinsList),
    NAMED(NeverTenMinThirtyMinList),
    NAMED(NoAuthSimpleTextList),
    NAMED(NoneAuthenticatorList),
    NAMED(NoneIcmpIgmpList),
    NAMED(NoneRsaDsaList),
    NAMED(NoneSimpleMD5List),
    NAMED(NoneSimplePasswordMD5List),
    NAMED(NoneStartList),
    NAMED(NoneStormOccurredStormClearedList),
    NAMED(NoneTypeCodeList),
    NAMED(NormalActiveList),
    NAMED(NormalExhaustedList),
    NAMED(NwaySpeedList),
    NAMED(OffOnList),
    NAMED(OspfIfStateList),
    NAMED(OspfIfTypeList),
    NAMED(OtherDisabledDiscardingList),
    NAMED(OtherDisabledEnabledList),
    NAMED(OtherDstAddrSrcAddrList),
    NAMED(OtherDstIpAddrSrcIpAddrList),
    NAMED(OtherDstIpv6AddrSrcIpv6AddrList),
    NAMED(OtherDstMacAddrSrcMacAddrList),
    NAMED(OtherInactiveStartList),
    NAMED(OtherInProcessInvalidFileList),
    NAMED(OtherInUseNotInUseList),
    NAMED(OtherLocalNetmgmtList),
    NAMED(OtherLowVoltageOverCurrentList),
    NAMED(OtherProceedingCompletedList),
    NAMED(OtherQuerierNonQuerierList),
    NAMED(OtherRate2400Rate9600List),
    NAMED(OtherRejectLocalList),
    NAMED(OtherSetAsMsSuccessSetAsMsFailList),
    NAMED(OtherSnmpIpSnmpIpxList),
    NAMED(OtherStandardProprietaryList),
    NAMED(OtherWorkingFailList),
    NAMED(PermanentDeleteOnList),
    NAMED(PortBaseMacBaseNoneList),
    NAMED(PortControlList),
    NAMED(PortTypeList),
    NAMED(PrimaryBackupList),
    NAMED(PrivProtocolOidList),
    NAMED(ProceedingReadyFailedList),
    NAMED(RadiusAcctServiceMethodList),
    NAMED(RadiusAcctServiceModeList),
    NAMED(RadiusServerIndexList),
    NAMED(RemoteLocalAuthServerList),
    NAMED(ReplaceDropKeepList),
    NAMED(RipOspfList),
    NAMED(RipOspfStaticList),
    NAMED(RowStatusCapitalList),
    NAMED(RowStatusGoDestroyList),
    NAMED(RowStatusList),
    NAMED(RowStatusNoNotReadyList),
    NAMED(RowStatusNoWaitList),
    NAMED(RuntimeCodeLogFileCfgFileList),
    NAMED(SecurityLevelList),
    NAMED(SessionTerminateCauseList),
    NAMED(ShutdownDropList),
    NAMED(StartStartAndResetNoactionList),
    NAMED(StaticDynamicList),
    NAMED(StaticLacpList),
    NAMED(StopActiveList),
    NAMED(StorageTypeList),
    NAMED(STPCompatibilityRSTPList),
    NAMED(StpPortStateList),
    NAMED(StpRstpMstpList),
    NAMED(StrictFuzzyList),
    NAMED(StrictWeightfairList),
    NAMED(SuppPaeStateList),
    NAMED(SysLogServerIndexList),
    NAMED(SystemServer1Server2List),
    NAMED(TrapInformList),
    NAMED(TrueFalseAutoList),
    NAMED(TrueFalseList),
    NAMED(UpDown23List),
    NAMED(UpDownList),
    NAMED(UploadDownloadList),
    NAMED(ValidCreateRequestUnderCreationList),
    NAMED(VlanProtocolTypeList),
    NAMED(VlanStatusList),
    NAMED(YesNoList),
};
#undef NAMED

} // namespace

std::span<const OptionListEntry> OptionListRegistry() { return Registry; }

const VhOptionList* FindOptionList(const char* name)
{
    if (!name)
        return nullptr;
    for (const OptionListEntry& entry : Registry)
        if (std::strcmp(entry.Name, name) == 0)
            return entry.List;
    return nullptr;
}
