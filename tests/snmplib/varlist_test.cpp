#include <gtest/gtest.h>

#include "platform/exception.h"
#include "snmplib/varlist.h"

namespace {

constexpr VhOptionPair OnOffPairs[] = {{1, "on"}, {2, "off"}, {0, nullptr}};
const VhOptionList OnOffList(OnOffPairs, OVT_INTEGER, false);

const std::string InitialValue = "42";
const std::string InitialInstance = "1.3.6.1.2.1.2.2.1.1.7";

const VhSNMPObjectDesc PortTable[] = {
    {"1.3.6.1.2.1.2.2.1.1", "Index", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS, nullptr},
    {"1.3.6.1.2.1.2.2.1.7", "Admin", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READWRITE, &OnOffList, "$1*2", "$1/2", "x",
     &InitialValue, &InitialInstance},
    {"1.3.6.1.2.1.2.2.1.2", "Descr", SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, nullptr},
    {nullptr},
};

const VhSNMPObjectDesc ExtraTable[] = {
    {"1.3.6.1.2.1.1.5", "Name", SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READWRITE, nullptr},
    {nullptr},
};

const VhSNMPObjectDesc EmptyTable[] = {{nullptr, "ignored", 2, 6, nullptr}};

TEST(VarList, BuildsItemsAsOwnedCopiesInTableOrder)
{
    VhSNMPVarList list(PortTable, MVT_FMV, 1);
    list.AddItems(ExtraTable);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.ListType, MVT_FMV);
    EXPECT_EQ(list.KeyCount, 1);
    EXPECT_EQ(list.GetItem(0)->Caption, "Index");
    EXPECT_EQ(list.GetItem(3)->Oid, "1.3.6.1.2.1.1.5");

    const VhSNMPVarItem& admin = *list.GetItem(1);
    EXPECT_EQ(admin.Syntax, SNMP_SYNTAX_INTEGER);
    EXPECT_EQ(admin.Access, SNMP_ACCESS_READWRITE);
    EXPECT_EQ(admin.Options, &OnOffList);
    EXPECT_EQ(admin.GetExpr, "$1*2");
    EXPECT_EQ(admin.SetExpr, "$1/2");
    EXPECT_EQ(admin.Extra, "x");
    EXPECT_EQ(admin.Value, "42");
    EXPECT_EQ(admin.Instance, InitialInstance);
    EXPECT_NE(admin.Oid.data(), PortTable[1].Oid); // a copy, not the table's text

    const VhSNMPVarItem& descr = *list.GetItem(2);
    EXPECT_FALSE(descr.GetExpr.has_value());
    EXPECT_FALSE(descr.SetExpr.has_value());
    EXPECT_TRUE(descr.Value.empty());
    EXPECT_TRUE(descr.Instance.empty());
}

TEST(VarList, EmptyAndNullTablesGiveEmptyCounts)
{
    EXPECT_EQ(TableCount(EmptyTable), 0);
    EXPECT_EQ(TableCount(nullptr), 0);
    EXPECT_EQ(TableCount(PortTable), 3);

    VhSNMPVarList list(EmptyTable, MVT_FMV, 2);
    list.AddItems(nullptr);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ShownCount(), 0);
    EXPECT_EQ(list.HiddenCount(), 0);
    EXPECT_FALSE(list.IsWritable(0)); // a key index with no item behind it
}

TEST(VarList, GetItemOutsideTheListRaisesIndexError)
{
    VhSNMPVarList list(PortTable, SVT_SV, 0);
    for (int index : {-1, 3, 1000}) {
        try {
            list.GetItem(index);
            FAIL() << "no exception for index " << index;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -12);
            EXPECT_EQ(e.Message, "Out of range at index of array or list!");
        }
    }
}

// One row per access value and list type: the expected answers of every access test for
// item 0, which is a key column when the key count is 1.
struct AccessCase {
    unsigned access;
    uint8_t listType;
    bool readable, writable, shown, hidden, implied;
};

class AccessTruthTable : public ::testing::TestWithParam<AccessCase> {};

TEST_P(AccessTruthTable, Item0WithKeyCount1)
{
    const AccessCase& c = GetParam();
    const VhSNMPObjectDesc table[] = {{"1.3.6.1.4.1.32473.1", "Col", SNMP_SYNTAX_INTEGER, c.access, nullptr},
                                      {nullptr}};
    VhSNMPVarList list(table, c.listType, 1);
    EXPECT_EQ(list.IsReadable(0), c.readable);
    EXPECT_EQ(list.IsWritable(0), c.writable);
    EXPECT_EQ(list.IsShown(0), c.shown);
    EXPECT_EQ(list.IsHidden(0), c.hidden);
    EXPECT_EQ(list.IsImplied(0), c.implied);
    EXPECT_EQ(list.ShownCount(), c.shown ? 1 : 0);
    EXPECT_EQ(list.HiddenCount(), c.hidden ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    VarList, AccessTruthTable,
    ::testing::Values(
        //          access  type     read   write  shown  hidden implied
        AccessCase{0x06, SVT_SV, true, true, true, false, false},    // readwrite
        AccessCase{0x02, SVT_SV, true, false, true, false, false},   // readonly
        AccessCase{0x04, SVT_SV, false, true, false, true, false},   // writeonly: hidden, not shown
        AccessCase{0x08, SVT_SV, false, false, true, false, false},  // derived: shown, not fetched
        AccessCase{0x26, SVT_SV, false, false, false, true, false},  // invalid readwrite
        AccessCase{0x16, SVT_SV, true, true, false, true, false},    // hidden readwrite
        AccessCase{0x42, SVT_SV, true, false, true, false, true},    // readonly, IMPLIED
        AccessCase{0x01, SVT_SV, false, false, true, false, false},  // notaccess key, scalar
        AccessCase{0x01, MVT_SV, false, false, true, false, false},  // notaccess key, one row
        AccessCase{0x01, MVT_FMV, false, true, true, false, false},  // notaccess key, walked table
        AccessCase{0x01, MVT_UMV, false, true, true, false, false},  // notaccess key, walked table
        AccessCase{0x21, MVT_FMV, false, false, false, true, false}, // invalid key column
        AccessCase{0x41, MVT_UMV, false, true, true, false, true})); // IMPLIED key column

TEST(VarList, KeyColumnsEndAtKeyCount)
{
    const VhSNMPObjectDesc table[] = {{"1.1", "k1", 2, SNMP_ACCESS_NOTACCESS, nullptr},
                                      {"1.2", "k2", 2, SNMP_ACCESS_NOTACCESS, nullptr},
                                      {"1.3", "c", 2, SNMP_ACCESS_NOTACCESS, nullptr},
                                      {nullptr}};
    VhSNMPVarList list(table, MVT_FMV, 2);
    EXPECT_TRUE(list.IsWritable(0));
    EXPECT_TRUE(list.IsWritable(1));
    EXPECT_FALSE(list.IsWritable(2));
}

TEST(VarList, AssignCopiesItemsButKeepsTheTargetsSuffixAndOptionLists)
{
    VhSNMPVarList a(PortTable, MVT_FMV, 1);
    a.Caption = "Ports";
    a.Suffix = "7";
    a.GetItem(2)->Value = "eth7";

    VhSNMPVarList b(ExtraTable, SVT_SV, 0);
    b.Suffix = "0";
    b.OptionLists.push_back(std::make_unique<VhOptionList>(OnOffPairs, OVT_INTEGER, false));
    b = a;

    ASSERT_EQ(b.Count(), 3);
    EXPECT_EQ(b.ListType, MVT_FMV);
    EXPECT_EQ(b.KeyCount, 1);
    EXPECT_EQ(b.Caption, "Ports");
    EXPECT_EQ(b.Suffix, "0");
    EXPECT_EQ(b.OptionLists.size(), 1u);
    EXPECT_EQ(b.GetItem(2)->Value, "eth7");
    EXPECT_EQ(b.GetItem(1)->Options, &OnOffList);
    EXPECT_EQ(b.GetItem(1)->GetExpr, "$1*2");

    // Deep copies: changing one list leaves the other alone.
    b.GetItem(2)->Value = "changed";
    EXPECT_EQ(a.GetItem(2)->Value, "eth7");

    VhSNMPVarList c(a);
    EXPECT_EQ(c.Count(), 3);
    EXPECT_TRUE(c.Suffix.empty());

    VhSNMPVarList& self = a;
    a = self;
    EXPECT_EQ(a.Count(), 3);
    EXPECT_EQ(a.GetItem(2)->Value, "eth7");
}

TEST(VarList, NameListsLabelTheCodes)
{
    EXPECT_EQ(SnmpListTypeList.ValueToText("2"), "MVT_FMV");
    EXPECT_EQ(SnmpSyntaxList.Count(), 26);
    EXPECT_EQ(SnmpSyntaxList.ValueToText("66"), "guage");
    EXPECT_EQ(SnmpSyntaxList.TextToValue("IPV6ADDRESS"), "77");
    EXPECT_EQ(SnmpAccessList.ValueToText("6"), "readwrite");
    EXPECT_EQ(SnmpAccessList.ValueToText("64"), "64"); // IMPLIED has no name
}

} // namespace
