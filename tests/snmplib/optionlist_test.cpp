#include <gtest/gtest.h>

#include "snmplib/optionlist.h"

namespace {

constexpr VhOptionPair StatePairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
constexpr VhOptionPair MorePairs[] = {{3, "other"}, {4, "enabled"}, {0, nullptr}};
constexpr VhOptionPair NoPairs[] = {{7, nullptr}, {1, "never read"}};
constexpr VhOptionPair AuthPairs[] = {{"1.3.6.1.6.3.10.1.1.1", "None"},
                                      {"1.3.6.1.6.3.10.1.1.2", "MD5"},
                                      {"1.3.6.1.6.3.10.1.1.3", "SHA"},
                                      {0, nullptr}};
constexpr VhOptionPair PrivPairs[] = {{"1.3.6.1.6.3.10.1.2.1", "None"}, {"1.3.6.1.6.3.10.1.2.2", "DES"}, {0, nullptr}};
constexpr VhOptionPair PrefixPairs[] = {{"1.3.6.1.2.1.2.2.1", "ifEntry"}, {"1.3.6.1.2.1", "mib-2"}, {0, nullptr}};

TEST(OptionList, EmptyTableGivesAListThatMatchesNothing)
{
    EXPECT_EQ(OptionTableCount(NoPairs), 0);
    EXPECT_EQ(OptionTableCount(nullptr), 0);
    EXPECT_EQ(OptionTableCount(StatePairs), 2);
    for (unsigned type : {OVT_INTEGER, OVT_STRING, OVT_PREFIX}) {
        VhOptionList list(NoPairs, type, false);
        list.Append(nullptr);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.IndexOfText(""), -1);
        EXPECT_EQ(list.IndexOfValue("7"), -1);
        EXPECT_EQ(list.ValueToText("7"), "7");
        EXPECT_EQ(list.TextToValue("x"), "x");
        EXPECT_EQ(list.ItemAt(0), nullptr);
    }
}

TEST(OptionList, IntegerValuesAndCaseRules)
{
    const VhOptionList list(StatePairs, OVT_INTEGER, false);
    EXPECT_EQ(list.IndexOfText("ENABLED"), 0);
    EXPECT_EQ(list.IndexOfValue("2"), 1);
    EXPECT_EQ(list.IndexOfValue("(NULL)"), -1);
    EXPECT_EQ(list.IndexOfValue("two"), -1);
    EXPECT_EQ(list.IndexOfValue(""), -1);
    EXPECT_EQ(list.IndexOfValue("3"), -1);
    EXPECT_EQ(list.ValueToText("1"), "enabled");
    EXPECT_EQ(list.ValueToText("3"), "3");
    EXPECT_EQ(list.ValueToText("(NULL)"), "(NULL)");
    EXPECT_EQ(list.TextToValue("DisAbled"), "2");
    EXPECT_EQ(list.TextToValue("unknown"), "unknown");

    const VhOptionList exact(StatePairs, OVT_INTEGER, true);
    EXPECT_EQ(exact.IndexOfText("ENABLED"), -1);
    EXPECT_EQ(exact.IndexOfText("enabled"), 0);
    EXPECT_EQ(exact.TextToValue("Disabled"), "Disabled");
}

TEST(OptionList, AppendKeepsOrderAndFirstMatchWins)
{
    VhOptionList list(StatePairs, OVT_INTEGER, false);
    list.Append(MorePairs);
    list.Append(NoPairs);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.ItemAt(0)->Text, "enabled");
    EXPECT_EQ(list.ItemAt(2)->Value, 3);
    EXPECT_EQ(list.ItemAt(3)->Value, 4);
    EXPECT_EQ(list.IndexOfText("enabled"), 0); // the duplicate label finds the first option
    EXPECT_EQ(list.IndexOfValue("4"), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(OptionList, ItemAtNeverReadsPastTheList)
{
    const VhOptionList list(StatePairs, OVT_INTEGER, false);
    EXPECT_NE(list.ItemAt(1), nullptr);
    for (int index : {-1, 2, 3, 1 << 30})
        EXPECT_EQ(list.ItemAt(index), nullptr) << index;
}

TEST(OptionList, ProtocolOidLists)
{
    const VhOptionList auth(AuthPairs, OVT_STRING, false);
    const VhOptionList priv(PrivPairs, OVT_STRING, false);
    EXPECT_EQ(auth.ValueToText("1.3.6.1.6.3.10.1.1.3"), "SHA");
    EXPECT_EQ(auth.TextToValue("md5"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(auth.IndexOfValue("1.3.6.1.6.3.10.1.1.2.0"), -1); // matched whole, not as a prefix
    EXPECT_EQ(auth.IndexOfText("SHA1"), -1);
    EXPECT_EQ(auth.ValueToText("1.3.6.1.6.3.10.1.1.9"), "1.3.6.1.6.3.10.1.1.9");
    EXPECT_EQ(priv.ValueToText("1.3.6.1.6.3.10.1.2.2"), "DES");
    EXPECT_EQ(priv.TextToValue("NONE"), "1.3.6.1.6.3.10.1.2.1");
}

TEST(OptionList, PrefixValuesCarryTheRestAlong)
{
    const VhOptionList list(PrefixPairs, OVT_PREFIX, false);
    EXPECT_EQ(list.ValueToText("1.3.6.1.2.1.2.2.1.7.1"), "ifEntry.7.1");
    EXPECT_EQ(list.TextToValue("ifEntry.7.1"), "1.3.6.1.2.1.2.2.1.7.1");
    EXPECT_EQ(list.TextToValue("IFENTRY.7.1"), "1.3.6.1.2.1.2.2.1.7.1");
    EXPECT_EQ(list.ValueToText("1.3.6.1.2.1.1.5.0"), "mib-2.1.5.0"); // the second prefix
    EXPECT_EQ(list.ValueToText("1.3.6.1.4.1.32473"), "1.3.6.1.4.1.32473");
    EXPECT_EQ(list.ValueToText("1.3.6"), "1.3.6"); // shorter than every prefix
    EXPECT_EQ(list.IndexOfText("mib"), -1);

    const VhOptionList exact(PrefixPairs, OVT_PREFIX, true);
    EXPECT_EQ(exact.IndexOfText("IFENTRY.7.1"), -1);
    EXPECT_EQ(exact.IndexOfText("ifEntry.7.1"), 0);
}

TEST(OptionList, OtherValueTypesConvertNothing)
{
    const VhOptionList list(AuthPairs, 9, false);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOfText("MD5"), -1);
    EXPECT_EQ(list.ValueToText("1.3.6.1.6.3.10.1.1.2"), "1.3.6.1.6.3.10.1.1.2");
    EXPECT_EQ(list.TextToValue("MD5"), "MD5");
}

TEST(OptionList, StripQuotes)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"\"", ""}, {"\"\"", ""}, {"\"abc\"", "abc"}, {"\"a\"b\"", "a\"b"},
        {"\"abc", "\"abc"}, {"abc\"", "abc\""}, {"abc", "abc"}, {" \"abc\"", " \"abc\""},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(StripQuotes(in), out) << in;
}

} // namespace
