#pragma once
// The program-wide value-label lists, the LED colour map and the product name.
//
// Descriptor tables all over the program point at these lists; they are objects with
// static storage, so their addresses are constants. They are built from constant tables
// during static construction and never change afterwards: no other static initialiser
// may read them before main (pointing at them is fine). Windows select options by
// position, so the order of every list's options is part of its meaning.
//
// Every list holds integer values and compares labels without regard to case, except
// AuthProtocolOidList and PrivProtocolOidList, whose values are object-identifier texts.
#include <span>

#include "snmplib/ledcolormap.h"
#include "snmplib/optionlist.h"

// The product's model name.
inline constexpr char ProductName[] = "TRQ3100";

// The module panels' LED colours: value mask 3, blink mask 0x80, off and absent colour
// black; status 0 and 1 black, 2 and 3 lime.
extern const VhSNMPLedColorMapList LedColorMap;

extern const VhOptionList AcctServiceIndexList;
extern const VhOptionList ActiveNotInServiceList;
extern const VhOptionList AddDeleteList;
extern const VhOptionList AdmitAllAdmitOnlyVLANTaggedList;
extern const VhOptionList AllInternalExternalList;
extern const VhOptionList AllWarningInformationalList;
extern const VhOptionList AuthorizedUnauthorizedList;
extern const VhOptionList AuthPaeStateList;
extern const VhOptionList AuthProtocolLocalRadiusList;
extern const VhOptionList AuthProtocolOidList;
extern const VhOptionList AuthServerType4List;
extern const VhOptionList AuthServerTypeList;
extern const VhOptionList AutoStandAloneMasterList;
extern const VhOptionList BackendAuthStateList;
extern const VhOptionList BaudRate2400List;
extern const VhOptionList BaudRate9600List;
extern const VhOptionList BothInList;
extern const VhOptionList BridgeTypeList;
extern const VhOptionList CaInterOtherList;
extern const VhOptionList CistMstiList;
extern const VhOptionList ColdStartNoResetList;
extern const VhOptionList CommanderCandidateMemberList;
extern const VhOptionList ConsoleOutOfBandNotAvailList;
extern const VhOptionList CriticalMajorMinorList;
extern const VhOptionList CriticalWarningInformationList;
extern const VhOptionList CsCasMsList;
extern const VhOptionList DenseSparseList;
extern const VhOptionList DenseSparseSparseDenseList;
extern const VhOptionList DenyPermitList;
extern const VhOptionList DisableAlternateBackupList;
extern const VhOptionList DisabledBootpDhcpList;
extern const VhOptionList DisabledEnabled01List;
extern const VhOptionList DisabledEnabled12List;
extern const VhOptionList DisabledEnabledList;
extern const VhOptionList DisableEnableList;
extern const VhOptionList DisableRepeatingAnnualList;
extern const VhOptionList DownPointToPointList;
extern const VhOptionList EmptyLinkDownHalf10MbpsList;
extern const VhOptionList EnabledDisabledList;
extern const VhOptionList EnableDisableList;
extern const VhOptionList EnableMethodTypeList;
extern const VhOptionList EthernetLlcSnapList;
extern const VhOptionList ExactPrefixList;
extern const VhOptionList FalseOnlyList;
extern const VhOptionList FdbStatusList;
extern const VhOptionList FinishProceedingList;
extern const VhOptionList ForceTrueForceFalseAutoList;
extern const VhOptionList IdleSetList;
extern const VhOptionList InactiveStartDeleteList;
extern const VhOptionList IncludedExcludedList;
extern const VhOptionList IncludeExcludeList;
extern const VhOptionList IndependentList;
extern const VhOptionList IndependentSharedList;
extern const VhOptionList InetAddressTypeList;
extern const VhOptionList InitializeBackupMasterList;
extern const VhOptionList InProcessInvalidFileViolationList;
extern const VhOptionList InUseNotInUseList;
extern const VhOptionList InvalidPermanentList;
extern const VhOptionList InvalidValidList;
extern const VhOptionList IpBridgeDecnetList;
extern const VhOptionList LayerModeList;
extern const VhOptionList LinkPassFailList;
extern const VhOptionList Local0Local1Local2List;
extern const VhOptionList LoginMethodTypeList;
extern const VhOptionList MacIpSourceDestList;
extern const VhOptionList ManualBootpDhcpList;
extern const VhOptionList MulticastList;
extern const VhOptionList NetworkLoadOutOfBandLoadList;
extern const VhOptionList NeverMinsList;
extern const VhOptionList NeverTenMinThirtyMinList;
extern const VhOptionList NoAuthSimpleTextList;
extern const VhOptionList NoneAuthenticatorList;
extern const VhOptionList NoneIcmpIgmpList;
extern const VhOptionList NoneRsaDsaList;
extern const VhOptionList NoneSimpleMD5List;
extern const VhOptionList NoneSimplePasswordMD5List;
extern const VhOptionList NoneStartList;
extern const VhOptionList NoneStormOccurredStormClearedList;
extern const VhOptionList NoneTypeCodeList;
extern const VhOptionList NormalActiveList;
extern const VhOptionList NormalExhaustedList;
extern const VhOptionList NwaySpeedList;
extern const VhOptionList OffOnList;
extern const VhOptionList OspfIfStateList;
extern const VhOptionList OspfIfTypeList;
extern const VhOptionList OtherDisabledDiscardingList;
extern const VhOptionList OtherDisabledEnabledList;
extern const VhOptionList OtherDstAddrSrcAddrList;
extern const VhOptionList OtherDstIpAddrSrcIpAddrList;
extern const VhOptionList OtherDstIpv6AddrSrcIpv6AddrList;
extern const VhOptionList OtherDstMacAddrSrcMacAddrList;
extern const VhOptionList OtherInactiveStartList;
extern const VhOptionList OtherInProcessInvalidFileList;
extern const VhOptionList OtherInUseNotInUseList;
extern const VhOptionList OtherLocalNetmgmtList;
extern const VhOptionList OtherLowVoltageOverCurrentList;
extern const VhOptionList OtherProceedingCompletedList;
extern const VhOptionList OtherQuerierNonQuerierList;
extern const VhOptionList OtherRate2400Rate9600List;
extern const VhOptionList OtherRejectLocalList;
extern const VhOptionList OtherSetAsMsSuccessSetAsMsFailList;
extern const VhOptionList OtherSnmpIpSnmpIpxList;
extern const VhOptionList OtherStandardProprietaryList;
extern const VhOptionList OtherWorkingFailList;
extern const VhOptionList PermanentDeleteOnList;
extern const VhOptionList PortBaseMacBaseNoneList;
extern const VhOptionList PortControlList;
extern const VhOptionList PortTypeList;
extern const VhOptionList PrimaryBackupList;
extern const VhOptionList PrivProtocolOidList;
extern const VhOptionList ProceedingReadyFailedList;
extern const VhOptionList RadiusAcctServiceMethodList;
extern const VhOptionList RadiusAcctServiceModeList;
extern const VhOptionList RadiusServerIndexList;
extern const VhOptionList RemoteLocalAuthServerList;
extern const VhOptionList ReplaceDropKeepList;
extern const VhOptionList RipOspfList;
extern const VhOptionList RipOspfStaticList;
extern const VhOptionList RowStatusCapitalList;
extern const VhOptionList RowStatusGoDestroyList;
extern const VhOptionList RowStatusList;
extern const VhOptionList RowStatusNoNotReadyList;
extern const VhOptionList RowStatusNoWaitList;
extern const VhOptionList RuntimeCodeLogFileCfgFileList;
extern const VhOptionList SecurityLevelList;
extern const VhOptionList SessionTerminateCauseList;
extern const VhOptionList ShutdownDropList;
extern const VhOptionList StartStartAndResetNoactionList;
extern const VhOptionList StaticDynamicList;
extern const VhOptionList StaticLacpList;
extern const VhOptionList StopActiveList;
extern const VhOptionList StorageTypeList;
extern const VhOptionList STPCompatibilityRSTPList;
extern const VhOptionList StpPortStateList;
extern const VhOptionList StpRstpMstpList;
extern const VhOptionList StrictFuzzyList;
extern const VhOptionList StrictWeightfairList;
extern const VhOptionList SuppPaeStateList;
extern const VhOptionList SysLogServerIndexList;
extern const VhOptionList SystemServer1Server2List;
extern const VhOptionList TrapInformList;
extern const VhOptionList TrueFalseAutoList;
extern const VhOptionList TrueFalseList;
extern const VhOptionList UpDown23List;
extern const VhOptionList UpDownList;
extern const VhOptionList UploadDownloadList;
extern const VhOptionList ValidCreateRequestUnderCreationList;
extern const VhOptionList VlanProtocolTypeList;
extern const VhOptionList VlanStatusList;
extern const VhOptionList YesNoList;

// The lists by name, for the window catalogue and for checks of the descriptor tables.
struct OptionListEntry {
    const char* Name;
    const VhOptionList* List;
};
std::span<const OptionListEntry> OptionListRegistry();
// The list of that name (exact spelling), or null.
const VhOptionList* FindOptionList(const char* name);
