#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "configwin/optionlists.h"

namespace {

using Pairs = std::vector<std::pair<int, std::string>>;

Pairs IntegerPairsOf(const VhOptionList& list)
{
    Pairs pairs;
    for (int i = 0; i < list.Count(); ++i)
        pairs.emplace_back(list.ItemAt(i)->Value, list.ItemAt(i)->Text);
    return pairs;
}

TEST(OptionLists, RegistryHoldsEveryListOnceWithItsFlags)
{
    const auto registry = OptionListRegistry();
    ASSERT_EQ(registry.size(), 150u);
    std::set<std::string> names;
    std::set<const VhOptionList*> lists;
    int options = 0;
    for (const OptionListEntry& entry : registry) {
        SCOPED_TRACE(entry.Name);
        names.insert(entry.Name);
        lists.insert(entry.List);
        EXPECT_EQ(FindOptionList(entry.Name), entry.List);
        EXPECT_GT(entry.List->Count(), 0);
        EXPECT_FALSE(entry.List->CaseSensitivity);
        const bool oid = entry.List == &AuthProtocolOidList || entry.List == &PrivProtocolOidList;
        EXPECT_EQ(entry.List->ValueType, oid ? OVT_STRING : OVT_INTEGER);
        options += entry.List->Count();
    }
    EXPECT_EQ(names.size(), 150u);
    EXPECT_EQ(lists.size(), 150u);
    EXPECT_EQ(options, 582); // every pair of every table, none dropped or doubled
    EXPECT_EQ(FindOptionList("NoSuchList"), nullptr);
    EXPECT_EQ(FindOptionList("disabledenabledlist"), nullptr);
    EXPECT_EQ(FindOptionList(nullptr), nullptr);
}

TEST(OptionLists, ListsKeepTheirPairsInOrder)
{
    const struct {
        const VhOptionList* List;
        Pairs Expected;
    } cases[] = {
        {&DisabledEnabledList, {{2, "disabled"}, {3, "enabled"}}},
        {&DisabledEnabled01List, {{0, "disabled"}, {1, "enabled"}}},
        {&DisabledEnabled12List, {{1, "disabled"}, {2, "enabled"}}},
        {&EnabledDisabledList, {{1, "enabled"}, {2, "disabled"}}},
        {&RowStatusList,
         {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}}},
        {&RowStatusNoNotReadyList,
         {{1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {5, "createAndWait"}, {6, "destroy"}}},
        {&RowStatusNoWaitList, {{1, "active"}, {2, "notInService"}, {4, "createAndGo"}, {6, "destroy"}}},
        {&RowStatusGoDestroyList, {{1, "active"}, {4, "createAndGo"}, {6, "destroy"}}},
        {&RowStatusCapitalList, {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}}},
        // Labels keep their exact spelling, blanks and capitals included.
        {&STPCompatibilityRSTPList, {{0, "STP Compatibility"}, {2, "RSTP"}}},
        {&DisableAlternateBackupList,
         {{0, "disable"}, {1, "alternate"}, {2, "backup"}, {3, "root"}, {4, "desinated"}, {5, "master"}, {6, "nonstp"}}},
        {&ForceTrueForceFalseAutoList, {{0, "forceTrue"}, {1, "forceFalse"}, {2, "Auto"}}},
        {&RadiusAcctServiceMethodList, {{1, "RadiusAcctServiceMethodNone"}, {2, "RadiusAcctServiceMethodRadius"}}},
        {&FalseOnlyList, {{2, "false"}}},
        {&NeverTenMinThirtyMinList, {{0, "never"}, {10, "ten-min"}, {30, "thirty-min"}, {60, "sixty-min"}}},
        {&InetAddressTypeList, {{0, "unknown"}, {1, "ipv4"}, {2, "ipv6"}, {3, "ipv4z"}, {4, "ipv6z"}, {16, "dns"}}},
        {&OtherSetAsMsSuccessSetAsMsFailList,
         {{0, "other"}, {1, "set-as-ms-success"}, {2, "set-as-ms-fail"}, {3, "set-as-cas-success"},
          {4, "set-as-cas-fail"}, {5, "password-invalid"}, {6, "community-invalid"}, {7, "updata-db-error"},
          {8, "wait-ack"}}},
        {&SessionTerminateCauseList,
         {{1, "supplicantLogoff"}, {2, "portFailure"}, {3, "supplicantRestart"}, {4, "reauthFailed"},
          {5, "authControlForceUnauth"}, {6, "portReInit"}, {7, "portAdminDisabled"}, {999, "notTerminatedYet"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected.front().second);
        EXPECT_EQ(IntegerPairsOf(*c.List), c.Expected);
    }

    ASSERT_EQ(PortTypeList.Count(), 19);
    EXPECT_EQ(PortTypeList.ItemAt(0)->Text, "portType-none");
    EXPECT_EQ(PortTypeList.ItemAt(18)->Value, 19);
    EXPECT_EQ(PortTypeList.ItemAt(18)->Text, "portType-1000Base-none-TX-GBIC-COMBO");
    EXPECT_EQ(OtherLocalNetmgmtList.ItemAt(15)->Value, 16);
    EXPECT_EQ(OtherLocalNetmgmtList.ItemAt(15)->Text, "ciscoEigrp");
}

TEST(OptionLists, ProtocolOidListsMapObjectIdentifierTexts)
{
    const struct {
        const VhOptionList* List;
        std::vector<std::pair<std::string, std::string>> Expected;
    } cases[] = {
        {&AuthProtocolOidList,
         {{"1.3.6.1.6.3.10.1.1.1", "None"}, {"1.3.6.1.6.3.10.1.1.2", "MD5"}, {"1.3.6.1.6.3.10.1.1.3", "SHA"}}},
        {&PrivProtocolOidList, {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}}},
    };
    for (const auto& c : cases) {
        std::vector<std::pair<std::string, std::string>> actual;
        for (int i = 0; i < c.List->Count(); ++i)
            actual.emplace_back(c.List->ItemAt(i)->ValueText, c.List->ItemAt(i)->Text);
        EXPECT_EQ(actual, c.Expected);
    }
    EXPECT_EQ(AuthProtocolOidList.ValueToText("1.3.6.1.6.3.10.1.1.2"), "MD5");
    EXPECT_EQ(AuthProtocolOidList.TextToValue("sha"), "1.3.6.1.6.3.10.1.1.3");
    EXPECT_EQ(AuthProtocolOidList.ValueToText("1.3.6.1.6.3.10.1.1.2.1"), "1.3.6.1.6.3.10.1.1.2.1"); // whole match only
    EXPECT_EQ(PrivProtocolOidList.TextToValue("des"), "1.3.6.1.6.3.10.1.2.2");
}

TEST(OptionLists, ValuesConvertThroughTheirLabels)
{
    EXPECT_EQ(DisabledEnabledList.ValueToText("2"), "disabled");
    EXPECT_EQ(DisabledEnabledList.ValueToText("3"), "enabled");
    EXPECT_EQ(DisabledEnabledList.ValueToText("4"), "4");
    EXPECT_EQ(DisabledEnabledList.TextToValue("ENABLED"), "3");
    EXPECT_EQ(STPCompatibilityRSTPList.TextToValue("stp compatibility"), "0");

    // Table windows add and delete rows with these labels of their status column's list.
    for (const VhOptionList* list :
         {&RowStatusList, &RowStatusNoNotReadyList, &RowStatusNoWaitList, &RowStatusGoDestroyList, &RowStatusCapitalList}) {
        EXPECT_EQ(list->TextToValue("createAndGo"), "4");
        EXPECT_EQ(list->TextToValue("destroy"), "6");
    }
}

TEST(OptionLists, EveryListTheWindowTablesNameExists)
{
    // Every list that a descriptor table of the generic windows points at.
    const char* const names[] = {
    "AcctServiceIndexList", "AuthPaeStateList", "AuthProtocolOidList", "AuthServerTypeList",
    "AuthorizedUnauthorizedList", "AutoStandAloneMasterList", "BackendAuthStateList", "BothInList", "CistMstiList",
    "ColdStartNoResetList", "CommanderCandidateMemberList", "ConsoleOutOfBandNotAvailList", "CriticalMajorMinorList",
    "CriticalWarningInformationList", "CsCasMsList", "DenseSparseList", "DenyPermitList", "DisableEnableList",
    "DisabledBootpDhcpList", "DisabledEnabled01List", "DisabledEnabled12List", "DisabledEnabledList",
    "DownPointToPointList", "EmptyLinkDownHalf10MbpsList", "EnableDisableList", "EnabledDisabledList",
    "ExactPrefixList", "FalseOnlyList", "FdbStatusList", "FinishProceedingList", "IdleSetList",
    "InactiveStartDeleteList", "IncludeExcludeList", "IncludedExcludedList", "IndependentList", "IndependentSharedList",
    "InitializeBackupMasterList", "InvalidValidList", "IpBridgeDecnetList", "LinkPassFailList", "MacIpSourceDestList",
    "MulticastList", "NetworkLoadOutOfBandLoadList", "NeverMinsList", "NeverTenMinThirtyMinList",
    "NoAuthSimpleTextList", "NoneIcmpIgmpList", "NoneRsaDsaList", "NoneSimpleMD5List", "NoneSimplePasswordMD5List",
    "NoneTypeCodeList", "NwaySpeedList", "OffOnList", "OspfIfStateList", "OspfIfTypeList", "OtherDisabledEnabledList",
    "OtherDstAddrSrcAddrList", "OtherDstIpAddrSrcIpAddrList", "OtherDstIpv6AddrSrcIpv6AddrList",
    "OtherDstMacAddrSrcMacAddrList", "OtherInUseNotInUseList", "OtherInactiveStartList",
    "OtherLowVoltageOverCurrentList", "OtherProceedingCompletedList", "OtherQuerierNonQuerierList",
    "OtherRate2400Rate9600List", "OtherSnmpIpSnmpIpxList", "OtherStandardProprietaryList", "PermanentDeleteOnList",
    "PortControlList", "PortTypeList", "PrivProtocolOidList", "RadiusAcctServiceMethodList",
    "RadiusAcctServiceModeList", "RemoteLocalAuthServerList", "ReplaceDropKeepList", "RowStatusGoDestroyList",
    "RowStatusList", "RowStatusNoWaitList", "RuntimeCodeLogFileCfgFileList", "SecurityLevelList",
    "SessionTerminateCauseList", "ShutdownDropList", "StaticDynamicList", "StopActiveList", "StorageTypeList",
    "StrictWeightfairList", "SuppPaeStateList", "SystemServer1Server2List", "TrapInformList", "TrueFalseList",
    "UpDownList", "UploadDownloadList", "YesNoList",
    };
    for (const char* name : names)
        EXPECT_NE(FindOptionList(name), nullptr) << name;
}

TEST(LedColorMap, ShowsBitOneAsLimeAndBlinksOnBitSeven)
{
    EXPECT_STREQ(ProductName, "TRQ3100");
    EXPECT_EQ(LedColorMap.Count(), 4);
    EXPECT_EQ(LedColorMap.ValueMask, 0x03);
    EXPECT_EQ(LedColorMap.BlinkMask, 0x80);
    EXPECT_EQ(LedColorMap.OffColor, 0u);
    EXPECT_EQ(LedColorMap.AbsentColor, 0u);

    constexpr uint32_t Lime = 0x00FF00, Black = 0x000000;
    EXPECT_EQ(LedColorMap.StateOf(0x82), (LedState{Lime, true}));
    EXPECT_EQ(LedColorMap.StateOf(0x01), (LedState{Black, false}));
    EXPECT_EQ(LedColorMap.StateOf(0x00), (LedState{Black, false}));
    EXPECT_EQ(LedColorMap.StateOf(0x03), (LedState{Lime, false}));
    for (int b = 0; b < 256; ++b) {
        const LedState state = LedColorMap.StateOf(static_cast<uint8_t>(b));
        EXPECT_EQ(state.Color, (b & 2) ? Lime : Black) << b;
        EXPECT_EQ(state.Blink, (b & 0x80) != 0) << b;
    }

    // An LED beyond the received value is dark.
    const std::string value("\x82\x01", 2);
    EXPECT_EQ(LedColorMap.StateAt(value, 0), (LedState{Lime, true}));
    EXPECT_EQ(LedColorMap.StateAt(value, 2), (LedState{Black, false}));
}

} // namespace
