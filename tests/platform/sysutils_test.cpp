#include "platform/sysutils.h"

#include <gtest/gtest.h>

namespace {

TEST(StrToInt, AcceptsIntegersOfTheClassLibrary)
{
    const struct { const char* text; int value; } cases[] = {
        {"0", 0},
        {"161", 161},
        {"-1", -1},
        {"+42", 42},
        {"  7 ", 7},
        {"\t12\r\n", 12},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$1F", 31},
        {"0x1f", 31},
        {"0XFF", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"007", 7},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RefusesOtherTextsWithTheConversionError)
{
    for (const char* text : {"", " ", "-", "+", "$", "0x", "12a", "1 2", "1.5", "2147483648", "-2147483649",
                             "$100000000", "0x-1", "--1", "abc"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, std::string("'") + text + "' is not a valid integer value");
            EXPECT_EQ(e.HelpContext, 0);
        }
    }
    EXPECT_EQ(StrToIntDef("x", -1), -1);
    EXPECT_EQ(StrToIntDef(" 3 ", -1), 3);
}

TEST(IntToStr, WritesDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-128), "-128");
    EXPECT_EQ(IntToStr(4294967295LL), "4294967295");
}

TEST(HexDigitValue, ReadsBothCasesAndRefusesTheRest)
{
    const std::pair<char, int> cases[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'F', 15}, {'g', -1}, {'G', -1},
                                          {' ', -1}, {'x', -1}, {'$', -1}, {'\0', -1}};
    for (const auto& [c, value] : cases)
        EXPECT_EQ(HexDigitValue(c), value) << int(c);
}

TEST(Compare, TextIsCaseInsensitiveStrIsExact)
{
    EXPECT_EQ(AnsiCompareText("Program Information", "PROGRAM information"), 0);
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_GT(AnsiCompareText("abcd", "ABC"), 0);
    EXPECT_LT(AnsiCompareText("", "a"), 0);
    EXPECT_NE(AnsiCompareStr("abc", "ABC"), 0);
    EXPECT_EQ(AnsiCompareStr("abc", "abc"), 0);
    // Bytes above 0x7F order after ASCII, not before.
    EXPECT_GT(AnsiCompareStr("\xE9", "z"), 0);
    EXPECT_GT(AnsiCompareText("\xE9", "Z"), 0);
}

TEST(Trim, DropsBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(Trim(" \t\r\n a b \x01\x1F "), "a b");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(std::string("\0x\0", 3)), "x");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0"); // Latin-1 no-break space is a character
}

TEST(Case, ChangesAsciiLettersOnly)
{
    EXPECT_EQ(UpperCase("ab-Z\xE9"), "AB-Z\xE9");
    EXPECT_EQ(LowerCase("AB-z\xC9"), "ab-z\xC9");
}

TEST(Latin1, RoundTripsEveryByte)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    const QString q = toQt(all);
    EXPECT_EQ(q.size(), 256);
    EXPECT_EQ(q.at(0xE9), QChar(0xE9));
    EXPECT_EQ(fromQt(q), all);
    EXPECT_EQ(fromQt(QString::fromUtf8("a\xE2\x82\xAC")), "a?"); // the euro sign is outside Latin-1
}

} // namespace
