#include <gtest/gtest.h>

#include <cmath>

#include "snmplib/expression.h"
#include "snmplib/textforms.h"
#include "values_test_util.h"

namespace {

constexpr VhOptionPair EnabledPairs[] = {{1, "enabled"}, {2, "disabled"}, {0, nullptr}};
const VhOptionList EnabledList(EnabledPairs, OVT_INTEGER, false);

// Items: 0 integer 7, 1 boolean true, 2 displaystr eth1, 3 integer 5, 4 integer (NULL),
// 5 enumerated "disabled", 6 timeticks, 7 displaystr holding a reference, 8 bcdatetime.
class Expressions : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddItem(request, SNMP_SYNTAX_INTEGER, "7");
        AddItem(request, SNMP_SYNTAX_BOOLEAN, "true");
        AddItem(request, SNMP_SYNTAX_DISPLAYSTR, "eth1");
        AddItem(request, SNMP_SYNTAX_INTEGER, "5");
        AddItem(request, SNMP_SYNTAX_INTEGER, "(NULL)");
        AddItem(request, SNMP_SYNTAX_INTEGER, "disabled", SNMP_ACCESS_READWRITE, &EnabledList);
        AddItem(request, SNMP_SYNTAX_TIMETICKS, "1:00:00.00");
        AddItem(request, SNMP_SYNTAX_DISPLAYSTR, "$7");
        AddItem(request, SNMP_SYNTAX_BCDATETIME, "1900/01/01 12:00:00 pm");
        request.VarList.ListType = MVT_FMV;
    }
    VhSNMPRequest request;
};

TEST_F(Expressions, FiltersOnTheCurrentRow)
{
    const struct {
        const char* filter;
        bool result;
    } cases[] = {
        {"", true},
        {"$3>4", true},
        {"$3>10", true}, // texts: "5" > "10"
        {"$3=5", true},
        {"$1=1", true},
        {"$1=true", false}, // booleans expand to "1"
        {"$0>5&$2=\"eth1\"", true},
        {"$5=2", true}, // the raw value, not the label
        {"$6=360000", true},
        {"$8=2.5", true},
        {"10<9", true},
        {"5=5.0", false},
        {"(1=1)&(2=3)", false},
        {"((1=1))", true},
        {"!1=2", true},
        {"!(1=2)", true},
        {"!!1=1", true},
        {"1=2|1=2|1=1", true},
        {"1=1&1=1&1=2", false},
        {"1=1|x", true},  // the right side is never looked at
        {"1=2&x", false}, // nor here
        {"\"a|b\"=\"a|b\"", true},
        {"\"a\"<>\"b\"", true},
        {"true", true},
        {"FALSE", false},
        {"ab>=ab", true},
        {"ab<=a", false},
    };
    for (const auto& c : cases) {
        request.Filter = c.filter;
        EXPECT_EQ(request.MatchFilter(), c.result) << c.filter;
        EXPECT_EQ(request.Evaluate(c.filter), c.result) << c.filter;
    }
}

TEST_F(Expressions, BadFiltersRaise)
{
    const struct {
        const char* filter;
        int code;
    } cases[] = {
        {"(1=1) & (2=3)", -1}, // the operand "true " carries a blank
        {"true ", -1},
        {"x", -1},
        {"1=1&", -1},
        {"$4=1", -512},  // "(NULL)"
        {"$99=1", -513}, // no item 99
        {"$99999999999999999999=1", -513},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RaisedCode([&] { request.EvaluateExpr(c.filter); }), c.code) << c.filter;
}

TEST_F(Expressions, ExpandReplacesReferencesOnce)
{
    EXPECT_EQ(request.ExpandExpression("$0>5&$2=\"eth1\"", true, "$"), "7>5&\"eth1\"=\"eth1\"");
    EXPECT_EQ(request.ExpandExpression("$3a", true, "$"), "5a");
    EXPECT_EQ(request.ExpandExpression("$", true, "$"), "7"); // no digits: item 0
    // A value is not expanded again, nor by a later expansion of the text.
    EXPECT_EQ(request.ExpandExpression(request.ExpandExpression("$7", true, "$"), true, "$").find('$'),
              std::string::npos);
    EXPECT_EQ(request.ExpandExpression("%3+%0", true, "%"), "5+7");
    EXPECT_EQ(request.ExpandExpression("$3", true, ""), "$3");
    EXPECT_EQ(RaisedCode([&] { request.ExpandExpression("$2", false, "$"); }), -513);
}

// Whatever an agent's text holds, it compares as the one literal it is: quotes, operators,
// groups, reference prefixes and "NOW" in a value change nothing of the filter; nor does a
// text in a number column.
TEST(FilterValues, AgentTextsCompareAsOneLiteral)
{
    VhSNMPRequest request;
    const char* const texts[] = {"x\"=\"x\"|\"", "a|b", "NOW", ")(", "!x&y", "$0", "#1", "a<>b", "\"", "\x01\x02A"};
    for (const char* t : texts)
        AddItem(request, SNMP_SYNTAX_DISPLAYSTR, t);
    const int notDone = AddItem(request, SNMP_SYNTAX_INTEGER, "(NOTDONE)");
    request.VarList.ListType = MVT_FMV;
    const struct {
        std::string filter;
        bool result;
    } cases[] = {
        {"$0=\"abc\"", false},
        {"$0<>\"abc\"", true},
        {"\"a|b\"=$1", true}, // the filter's own text shields its "|" only when it is the first
        {"$1<>\"a\"", true},
        {"$1=\"a\"", false},
        {"$2>\"A\"", true}, // the text NOW, not the date-time number
        {"$3=$3", true},
        {"\"!x&y\"=$4", true},
        {"$5=\"x\"", false},
        {"$6=$6&$7=$7", true},
        {"$8=\"\"", false},
        {"$9=$9", true},
        {"$9<>$8", true},
        {"$" + std::to_string(notDone) + "=5", false},
        {"$" + std::to_string(notDone) + "<>5", true},
    };
    for (const auto& c : cases) {
        bool result = !c.result;
        EXPECT_NO_THROW(result = request.Evaluate(c.filter)) << c.filter;
        EXPECT_EQ(result, c.result) << c.filter;
    }

    // A row filter's "#" references are expanded first, by another request: its values
    // stay literals through the second expansion.
    VhSNMPRequest source;
    AddItem(source, SNMP_SYNTAX_DISPLAYSTR, "$1\"|\"");
    AddItem(source, SNMP_SYNTAX_DISPLAYSTR, "a|b");
    EXPECT_FALSE(request.Evaluate(source.ExpandExpression("#0=$1", true, "#")));
    EXPECT_TRUE(request.Evaluate(source.ExpandExpression("#1=$1", true, "#")));
}

TEST(Evaluator, ArithmeticGroupsToTheRight)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2*(3+4)", 14}, {"-5", -5},  {"5-3-1", 3}, {"8/2/2", 8}, {"8/2*3", 24}, {"", 0},
        {"abc", 0},      {"3(", 3},   {"2.5", 2.5}, {"(((1)))", 1}, {"10/4", 2.5}, {"1+2*3", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(EvalArithmetic(c.text), c.value) << c.text;
    // The floating-point operations happen in the right-grouping order.
    EXPECT_EQ(EvalArithmetic("0.1+0.2+0.3"), 0.1 + (0.2 + 0.3));
    EXPECT_TRUE(std::isinf(EvalArithmetic("1/0")));
    EXPECT_NEAR(EvalArithmetic("now"), Now(), 1.0 / 86400);
}

TEST(Evaluator, HostileTextsEndWithAResultOrTheLibraryError)
{
    std::string chain = "1";
    for (int i = 0; i < 5000; ++i)
        chain += "+1";
    EXPECT_EQ(EvalArithmetic(chain), 5001);
    std::string ors;
    for (int i = 0; i < 5000; ++i)
        ors += "1=2|";
    EXPECT_TRUE(EvalLogic(ors + "1=1"));
    std::string nots(5001, '!');
    EXPECT_FALSE(EvalLogic(nots + "1=1"));

    const std::string deep = std::string(5000, '(') + "1=1" + std::string(5000, ')');
    EXPECT_EQ(RaisedCode([&] { EvalLogic(deep); }), -1);
    const std::string deepSum = std::string(5000, '(') + "1" + std::string(5000, ')');
    EXPECT_EQ(RaisedCode([&] { EvalArithmetic(deepSum); }), -513);
    EXPECT_EQ(RaisedCode([&] { EvalLogic(std::string(5000, '(') + "1=1"); }), 0); // no group closes
    EXPECT_EQ(RaisedCode([&] { EvalLogic("\"((\"=\"((\""); }), 0);
    for (const char* text : {"\"", "\"\"", "(", ")", ")(", "|", "&", "!", "=", "<>"})
        RaisedCode([&] { EvalLogic(text); }); // any outcome but a crash
}

TEST(Evaluator, CompareTrimsAndUnquotes)
{
    EXPECT_TRUE(EvalCompare(" \"abc\" = abc "));
    EXPECT_TRUE(EvalCompare("\"=\"")); // splits at "=": two lone quotes, both empty
    EXPECT_TRUE(EvalCompare("b>a"));
    EXPECT_TRUE(EvalCompare("\xE9>e")); // bytes compare unsigned
    EXPECT_FALSE(EvalCompare("NOW<\"36000\""));
    EXPECT_EQ(RaisedCode([] { EvalCompare("a b"); }), -1);
}

TEST(Evaluator, SplitAtOperatorTakesTheFirstOperatorOfTheTable)
{
    std::string left = "L", right = "R";
    EXPECT_EQ(SplitAtOperator(CompareOperators, "a=b<c", left, right), 4);
    EXPECT_EQ(left, "a=b");
    EXPECT_EQ(right, "c");
    EXPECT_EQ(SplitAtOperator(CompareOperators, "a<=b", left, right), 2);
    EXPECT_EQ(left, "a");
    EXPECT_EQ(right, "b");
    left = "L";
    EXPECT_EQ(SplitAtOperator(CompareOperators, "ab", left, right), -1);
    EXPECT_EQ(left, "L");
    EXPECT_EQ(SplitAtOperator(nullptr, "a=b", left, right), -1);
}

TEST(TextUtilities, IsDottedNumber)
{
    for (const char* text : {"12.5", "12", "", ".", "0.", ".5"})
        EXPECT_TRUE(IsDottedNumber(text)) << text;
    for (const char* text : {"1.2.3", "1a", " 1", "-1", "1,5"})
        EXPECT_FALSE(IsDottedNumber(text)) << text;
}

TEST(TextUtilities, SpanEndCountsFromOne)
{
    const std::string digits = "0123456789";
    EXPECT_EQ(SpanEnd("abc123", 4, digits), 6);
    EXPECT_EQ(SpanEnd("abc123x", 4, digits), 6);
    EXPECT_EQ(SpanEnd("aab", 1, "a"), 2);
    EXPECT_EQ(SpanEnd("abc", 1, "x"), 0);
    EXPECT_EQ(SpanEnd("abc", 0, "a"), 0);
    EXPECT_EQ(SpanEnd("abc", -5, "a"), 0);
    EXPECT_EQ(SpanEnd("abc", 4, "a"), 0);
    EXPECT_EQ(SpanEnd("", 1, "a"), 0);
}

TEST(TextUtilities, ReplaceAllNeverSearchesInsertedText)
{
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("[TIME]x[TIME]", "[TIME]", "1"), "1x1");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
    EXPECT_EQ(ReplaceAll("abab", "ab", ""), "");
}

TEST(WalkEnd, IsPastColumnNeedsTheDotAfterTheBase)
{
    VhSNMPRequest request;
    request.VarList.ListType = MVT_FMV;
    const std::string base = "1.3.6.1.2.1.2.2.1.1";
    const struct {
        const char* received;
        const char* last;
        bool past;
    } cases[] = {
        {"1.3.6.1.2.1.2.2.1.1.5", "1.3.6.1.2.1.2.2.1.1.4", false},
        {"1.3.6.1.2.1.2.2.1.10.1", "1.3.6.1.2.1.2.2.1.1.4", true}, // column 10 is not a row of column 1
        {"1.3.6.1.2.1.2.2.1.2.1", "1.3.6.1.2.1.2.2.1.1.4", true},
        {"1.3.6.1.2.1.2.2.1.1", "", true},
        {"1.3.6.1.2.1.2.2.1.1.", "", true},
        {"1.3.6.1.2.1.2.2.1", "", true},
        {"", "", true},
        {"1.3.6.1.2.1.2.2.1.1.4", "1.3.6.1.2.1.2.2.1.1.4", true}, // the same instance again
    };
    for (const auto& c : cases)
        EXPECT_EQ(request.IsPastColumn(base, c.last, c.received), c.past) << c.received;
    for (const uint8_t type : {SVT_SV, MVT_SV}) {
        request.VarList.ListType = type;
        EXPECT_FALSE(request.IsPastColumn(base, "", "1.3.6.1.2.1.2.2.1.10.1"));
    }
}

} // namespace
