#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "values_test_util.h"

namespace {

constexpr VhOptionPair UpDownPairs[] = {{1, "up"}, {2, "down"}, {0, nullptr}};
const VhOptionList UpDownList(UpDownPairs, OVT_INTEGER, false);

constexpr unsigned Implied = SNMP_ACCESS_READONLY | SNMP_ACCESS_IMPLIED;

struct Column {
    unsigned syntax;
    unsigned access = SNMP_ACCESS_READONLY;
    const VhOptionList* options = nullptr;
};

// A table request whose index columns are the given ones, followed by one plain column.
std::unique_ptr<VhSNMPRequest> Table(std::vector<Column> keys)
{
    auto request = std::make_unique<VhSNMPRequest>();
    request->VarList.ListType = MVT_FMV;
    int column = 1;
    for (const Column& c : keys)
        AddItem(*request, c.syntax, "", c.access, c.options, "1.3.6.1.4.1.32473.99.1." + std::to_string(column++));
    AddItem(*request, SNMP_SYNTAX_INTEGER, "", SNMP_ACCESS_READWRITE, nullptr, "1.3.6.1.4.1.32473.99.1.9");
    request->VarList.KeyCount = static_cast<int>(keys.size());
    return request;
}

std::string Arcs(const std::string& octets)
{
    std::string text;
    for (const char c : octets) {
        if (!text.empty())
            text += '.';
        text += std::to_string(static_cast<unsigned char>(c));
    }
    return text;
}

const std::string V6 = Arcs(std::string(15, '\0') + "\x01");
const std::string V6Hex = "00000000000000000000000000000001";
const std::string Dec27 = "7.214.12.27.13.5.9.0.43.8.0"; // 2006-12-27,13:5:9.0,+8:0

TEST(InstanceKeys, ColumnsReadTheirArcs)
{
    const struct {
        unsigned syntax;
        unsigned access;
        std::string instance;
        std::string text;
        std::string rest;
    } cases[] = {
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "5", "5", ""},
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "4294967295", "-1", ""},
        {SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY, "4294967295", "4294967295", ""},
        {SNMP_SYNTAX_GAUGE, SNMP_ACCESS_READONLY, "4294967295.1", "4294967295", "1"},
        {SNMP_SYNTAX_UINTEGER, SNMP_ACCESS_READONLY, "7", "7", ""},
        {SNMP_SYNTAX_BOOLEAN, SNMP_ACCESS_READONLY, "2", "true", ""},
        {SNMP_SYNTAX_BOOLEAN, SNMP_ACCESS_READONLY, "0", "false", ""},
        {SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY, "360000", "1:00:00.00", ""},
        {SNMP_SYNTAX_COUNTER64, SNMP_ACCESS_READONLY, "1.5", "4294967301", ""},
        {SNMP_SYNTAX_DOUBLE, SNMP_ACCESS_READONLY, "0.1074003968", "2.5", ""},
        {SNMP_SYNTAX_BCDATETIME, SNMP_ACCESS_READONLY, "0.1074003968.4", "1900/01/01 12:00:00 pm", "4"},
        {SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READONLY, "10.0.0.1.3", "10.0.0.1", "3"},
        {SNMP_SYNTAX_NSAPADDR, SNMP_ACCESS_READONLY, "10.0.0.1", "10.0.0.1", ""},
        {SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY, "0.17.34.51.68.85", "001122334455", ""},
        {SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY, "0.17.34.51.68.85.9", "001122334455", "9"},
        {SNMP_SYNTAX_IPV6ADDRESS, SNMP_ACCESS_READONLY, V6 + ".7", V6Hex, "7"},
        {SNMP_SYNTAX_IPV6ADDRESS, Implied, V6 + ".7", V6Hex + "07", ""},
        {SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY, Dec27 + ".4", "2006-12-27,13:5:9.0,+8:0", "4"},
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "3.97.98.99.7", "616263", "7"},
        {SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY, "1.128", "80", ""},
        {SNMP_SYNTAX_OPAQUE, SNMP_ACCESS_READONLY, "0.5", "", "5"},
        {SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY, "3.97.98.99.7", "abc", "7"},
        {SNMP_SYNTAX_DISPLAYSTR, Implied, "97.98.99", "abc", ""},
        {SNMP_SYNTAX_OCTETSTR, Implied, "97.98.99", "616263", ""},
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "3.353.98.99", "616263", ""}, // the low 8 bits
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, "3.1.3.6.7", "1.3.6", "7"},
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, "0.7", "", "7"},
        {SNMP_SYNTAX_OBJECTID, Implied, "1.3.6", "1.3.6", ""},
        {SNMP_SYNTAX_NULL, SNMP_ACCESS_READONLY, "5", "(NULL)", "5"},
    };
    for (const auto& c : cases) {
        auto request = Table({{c.syntax, c.access}});
        EXPECT_EQ(request->IndexToKeys(0, c.instance), c.rest) << c.instance;
        EXPECT_EQ(request->VarList.GetItem(0)->Value, c.text) << c.instance;
    }
}

TEST(InstanceKeys, ColumnsMakeTheirArcs)
{
    const struct {
        unsigned syntax;
        unsigned access;
        std::string text;
        std::string arcs;
    } cases[] = {
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "-1", "4294967295"},
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "99999999999999999999", "1661992959"}, // atol wraps
        {SNMP_SYNTAX_COUNTER, SNMP_ACCESS_READONLY, "4294967295", "4294967295"},
        {SNMP_SYNTAX_BOOLEAN, SNMP_ACCESS_READONLY, "true", "1"},
        {SNMP_SYNTAX_BOOLEAN, SNMP_ACCESS_READONLY, "True", "0"},
        {SNMP_SYNTAX_TIMETICKS, SNMP_ACCESS_READONLY, "1:00:00.00", "360000"},
        {SNMP_SYNTAX_COUNTER64, SNMP_ACCESS_READONLY, "4294967301", "1.5"},
        {SNMP_SYNTAX_COUNTER64, SNMP_ACCESS_READONLY, "-1", "4294967295.4294967295"},
        {SNMP_SYNTAX_COUNTER64, SNMP_ACCESS_READONLY, "1e999", "0.0"},
        {SNMP_SYNTAX_DOUBLE, SNMP_ACCESS_READONLY, "2.5", "0.1074003968"},
        {SNMP_SYNTAX_BCDATETIME, SNMP_ACCESS_READONLY, "1900/01/01 12:00:00 pm", "0.1074003968"},
        {SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READONLY, "10.0.0.1", "10.0.0.1"},
        {SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY, "001122334455", "0.17.34.51.68.85"},
        {SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY, "00 11 22 33 44 55 66", "0.17.34.51.68.85"},
        {SNMP_SYNTAX_IPV6ADDRESS, SNMP_ACCESS_READONLY, V6Hex, V6},
        {SNMP_SYNTAX_IPV6ADDRESS, Implied, V6Hex + "07", V6},
        {SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY, "2006-12-27,13:5:9.0,+8:0", Dec27},
        {SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY, "2005-1-2,3:4:5.6", "7.213.1.2.3.4.5.6.43.0.0"},
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "616263", "3.97.98.99"},
        {SNMP_SYNTAX_OCTETSTR, Implied, "616263", "97.98.99"},
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "", "0"},
        {SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY, "abc", "3.97.98.99"},
        {SNMP_SYNTAX_DISPLAYSTR, Implied, "abc", "97.98.99"},
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, "1.3.6", "3.1.3.6"},
        {SNMP_SYNTAX_OBJECTID, Implied, "1.3.6", "1.3.6"},
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, "", "0"},
        {SNMP_SYNTAX_NULL, SNMP_ACCESS_READONLY, "(NULL)", ""},
    };
    for (const auto& c : cases) {
        auto request = Table({{c.syntax, c.access}});
        request->VarList.GetItem(0)->Value = c.text;
        EXPECT_EQ(request->KeyToIndex(0), c.arcs) << c.text;
    }
}

TEST(InstanceKeys, LabelsAreKeyedByTheirValue)
{
    auto request = Table({{SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, &UpDownList}});
    EXPECT_EQ(request->IndexToKeys(0, "2"), "");
    EXPECT_EQ(request->VarList.GetItem(0)->Value, "down");
    EXPECT_EQ(request->KeyToIndex(0), "2");
}

TEST(InstanceKeys, RowsSplitIntoColumnsAndJoinBack)
{
    const struct {
        std::vector<Column> keys;
        std::string instance;
        std::vector<std::string> texts;
    } cases[] = {
        {{{SNMP_SYNTAX_IPADDRESS}, {SNMP_SYNTAX_INTEGER}}, "10.0.0.1.3", {"10.0.0.1", "3"}},
        // IMPLIED counts only on the last index column.
        {{{SNMP_SYNTAX_DISPLAYSTR, Implied}, {SNMP_SYNTAX_DISPLAYSTR}}, "3.97.98.99.1.120", {"abc", "x"}},
        {{{SNMP_SYNTAX_INTEGER}, {SNMP_SYNTAX_OBJECTID, Implied}}, "4.1.3.6", {"4", "1.3.6"}},
        {{{SNMP_SYNTAX_MACADDRESS}, {SNMP_SYNTAX_IPV6ADDRESS}}, "0.17.34.51.68.85." + V6,
         {"001122334455", V6Hex}},
    };
    for (const auto& c : cases) {
        auto request = Table(c.keys);
        request->KeysFromIndex(c.instance);
        for (std::size_t k = 0; k < c.texts.size(); ++k)
            EXPECT_EQ(request->VarList.GetItem(static_cast<int>(k))->Value, c.texts[k]) << c.instance;
        EXPECT_EQ(request->GetIndexString(), c.instance);
    }
}

TEST(InstanceKeys, ColumnsWithoutArcsLeaveNoEmptyArc)
{
    auto request = Table({{SNMP_SYNTAX_INTEGER}, {SNMP_SYNTAX_NULL}, {SNMP_SYNTAX_INTEGER}});
    request->KeysFromIndex("4.5");
    EXPECT_EQ(request->VarList.GetItem(1)->Value, "(NULL)");
    EXPECT_EQ(request->VarList.GetItem(2)->Value, "5");
    EXPECT_EQ(request->GetIndexString(), "4.5");
}

TEST(InstanceKeys, IndexColumnsThatAreNotReadGetTheRowInstance)
{
    auto request = Table({{SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS}, {SNMP_SYNTAX_INTEGER}});
    request->VarList.Suffix = "2";
    request->KeysFromIndex("4.5");
    EXPECT_EQ(request->VarList.GetItem(0)->Instance, "1.3.6.1.4.1.32473.99.1.1.2.4.5");
    EXPECT_EQ(request->VarList.GetItem(1)->Instance, "");
    EXPECT_EQ(request->VarList.GetItem(0)->Value, "4");
}

TEST(InstanceKeys, InstancesTooShortForTheirColumnsAreRefused)
{
    const struct {
        unsigned syntax;
        unsigned access;
        std::string instance;
    } cases[] = {
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, ""},
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "a.b"},
        {SNMP_SYNTAX_INTEGER, SNMP_ACCESS_READONLY, "99999999999"}, // no 32-bit arc
        {SNMP_SYNTAX_BOOLEAN, SNMP_ACCESS_READONLY, ""},
        {SNMP_SYNTAX_IPADDRESS, SNMP_ACCESS_READONLY, "10.0.0"},
        {SNMP_SYNTAX_MACADDRESS, SNMP_ACCESS_READONLY, "1.2.3.4.5"},
        {SNMP_SYNTAX_IPV6ADDRESS, SNMP_ACCESS_READONLY, V6.substr(2)},
        {SNMP_SYNTAX_COUNTER64, SNMP_ACCESS_READONLY, "1"},
        {SNMP_SYNTAX_DOUBLE, SNMP_ACCESS_READONLY, "1"},
        {SNMP_SYNTAX_BCDATETIME, SNMP_ACCESS_READONLY, "1"},
        {SNMP_SYNTAX_DATETIME, SNMP_ACCESS_READONLY, Dec27.substr(0, Dec27.rfind('.'))},
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "10.1.2.3"}, // length arc past the end
        {SNMP_SYNTAX_OCTETSTR, SNMP_ACCESS_READONLY, "4294967295.1"},
        {SNMP_SYNTAX_DISPLAYSTR, SNMP_ACCESS_READONLY, ""},
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, "5.1.2"},
        {SNMP_SYNTAX_OBJECTID, SNMP_ACCESS_READONLY, ""},
    };
    for (const auto& c : cases) {
        auto request = Table({{c.syntax, c.access}});
        request->VarList.GetItem(0)->Value = "before";
        EXPECT_EQ(RaisedCode([&] { request->IndexToKeys(0, c.instance); }), -514) << c.instance;
        EXPECT_EQ(request->VarList.GetItem(0)->Value, "before") << c.instance;
    }

    auto row = Table({{SNMP_SYNTAX_INTEGER}, {SNMP_SYNTAX_INTEGER}});
    EXPECT_EQ(RaisedCode([&] { row->KeysFromIndex("4"); }), -514);
    EXPECT_EQ(RaisedCode([&] { row->KeysFromIndex(""); }), -514);
    row->VarList.KeyCount = 5; // more index columns than items
    EXPECT_EQ(RaisedCode([&] { row->KeysFromIndex("1.2.3.4.5"); }), -12);
    EXPECT_EQ(RaisedCode([&] { row->GetIndexString(); }), -12);
}

TEST(InstanceKeys, KeysThatWouldAddressAnotherRowAreRefused)
{
    const struct {
        unsigned syntax;
        const char* text;
    } cases[] = {
        {SNMP_SYNTAX_IPADDRESS, "10.0.0"},
        {SNMP_SYNTAX_IPADDRESS, "10.0.0.1.5"},
        {SNMP_SYNTAX_IPADDRESS, ""},
        {SNMP_SYNTAX_IPADDRESS, "256.1.1.1"},
        {SNMP_SYNTAX_NSAPADDR, "1.2"},
        {SNMP_SYNTAX_MACADDRESS, "0011"},
        {SNMP_SYNTAX_MACADDRESS, ""},
        {SNMP_SYNTAX_IPV6ADDRESS, "FE80"},
        {SNMP_SYNTAX_OBJECTID, "abc"},
        {SNMP_SYNTAX_OBJECTID, "1..2"},
    };
    for (const auto& c : cases) {
        auto request = Table({{c.syntax}});
        request->VarList.GetItem(0)->Value = c.text;
        EXPECT_EQ(RaisedCode([&] { request->KeyToIndex(0); }), -518) << c.text;
        EXPECT_EQ(RaisedCode([&] { request->GetIndexString(); }), -518) << c.text;
    }
    auto date = Table({{SNMP_SYNTAX_BCDATETIME}});
    date->VarList.GetItem(0)->Value = "junk";
    EXPECT_THROW(date->KeyToIndex(0), EConvertError);
}

TEST(InstanceKeys, SyntaxesWithoutKeyFormAreRefusedBothWays)
{
    for (const unsigned syntax : {SNMP_SYNTAX_INT8, SNMP_SYNTAX_BOOL16, 0u, 0x30u, 0x4eu}) {
        auto request = Table({{syntax}});
        request->VarList.GetItem(0)->Value = "before";
        EXPECT_EQ(RaisedCode([&] { request->IndexToKeys(0, "1.2"); }), -511) << syntax;
        EXPECT_EQ(request->VarList.GetItem(0)->Value, "before");
        EXPECT_EQ(RaisedCode([&] { request->KeyToIndex(0); }), -511) << syntax;
    }
}

} // namespace
