#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/exception.h"
#include "snmplib/ledcolormap.h"

void PrintTo(const LedState& state, std::ostream* os)
{
    *os << "{0x" << std::hex << state.Color << std::dec << (state.Blink ? ", blink}" : "}");
}

namespace {

constexpr uint32_t Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000, Grey = 0x808080;

// Value 0x102 matches the byte 2; the second pair for 2 never wins; {0xFFFFFFFF, 0} is an
// ordinary pair, only the colour word ends a table.
constexpr LedColorPair Pairs[] = {
    {1, Red}, {0x102, Green}, {2, Blue}, {0xFFFFFFFF, 0x123456}, {5, LED_COLOR_END}, {6, Grey},
};
constexpr LedColorPair More[] = {{7, Grey}, {1, Blue}, {0, LED_COLOR_END}};
constexpr LedColorPair Empty[] = {{1, LED_COLOR_END}};

std::string Octets(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

TEST(LedColorMap, TableEndsAtTheEndColourAndLookupsTakeTheFirstPair)
{
    EXPECT_EQ(VhSNMPLedColorMapList::CountPairs(Pairs), 4u);
    EXPECT_EQ(VhSNMPLedColorMapList::CountPairs(Empty), 0u);
    EXPECT_EQ(VhSNMPLedColorMapList::CountPairs(nullptr), 0u);

    VhSNMPLedColorMapList map(Pairs, 0xFF, 0, 0, 0);
    ASSERT_EQ(map.Count(), 4);
    EXPECT_EQ(map.IndexOf(2), 1);
    EXPECT_EQ(map.ColorOf(2), Green);
    EXPECT_EQ(map.IndexOf(0xFF), 3);
    EXPECT_EQ(map.ColorOf(0xFF), 0x123456u);
    EXPECT_EQ(map.IndexOf(5), -1); // the end pair is not a pair
    EXPECT_EQ(map.IndexOf(6), -1); // nor anything after it

    map.AddPairs(More);
    EXPECT_EQ(map.Count(), 6);
    EXPECT_EQ(map.ColorOf(1), Red); // the older pair still comes first
    EXPECT_EQ(map.ColorOf(7), Grey);
    map.AddPairs(nullptr);
    EXPECT_EQ(map.Count(), 6);

    map.Clear();
    EXPECT_EQ(map.Count(), 0);
    EXPECT_EQ(map.ColorOf(1), 0u);
}

TEST(LedColorMap, StatusByteIsMaskedAndUnmappedBytesAreBlack)
{
    const VhSNMPLedColorMapList map(Pairs, 0x0F, 0xC0, Grey, Blue);
    const struct {
        uint8_t Status;
        LedState Expected;
    } cases[] = {
        {0x01, {Red, false}},
        {0x41, {Red, true}},    // a blink bit does not change the colour
        {0x82, {Green, true}},
        {0x32, {Green, false}}, // bits outside both masks are ignored
        {0x04, {0, false}},     // no pair: black, neither OffColor nor AbsentColor
        {0x80, {0, true}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(map.StateOf(c.Status), c.Expected) << int(c.Status);
        EXPECT_EQ(map.StateAt(Octets({0, c.Status}), 1), c.Expected) << int(c.Status);
    }
}

TEST(LedColorMap, PositionOutsideTheValueTakesTheAbsentColourOrRaises)
{
    const VhSNMPLedColorMapList withAbsent(Pairs, 0x0F, 0x80, Grey, Blue);
    const std::string value = Octets({0x81, 2});
    EXPECT_EQ(withAbsent.StateAt(value, 0), (LedState{Red, true}));
    for (int position : {2, 100, -1})
        EXPECT_EQ(withAbsent.StateAt(value, position), (LedState{Blue, false})) << position;
    EXPECT_EQ(withAbsent.StateAt("", 0), (LedState{Blue, false}));

    const VhSNMPLedColorMapList noAbsent(Pairs, 0x0F, 0x80, Grey, LED_NO_ABSENT_COLOR);
    EXPECT_EQ(noAbsent.StateAt(value, 1), (LedState{Green, false}));
    for (int position : {2, -1}) {
        try {
            noAbsent.StateAt(value, position);
            ADD_FAILURE() << "no exception for position " << position;
        } catch (const Exception& e) {
            EXPECT_EQ(e.HelpContext, -519);
            EXPECT_FALSE(e.Message.empty());
        }
    }
}

TEST(LedColorMap, FlagAndStatusPairs)
{
    const VhSNMPLedColorMapList map(Pairs, 0x0F, 0x80, Grey, Blue);
    // flag 1: no state; another flag blinks by the blink mask and colours by the next byte.
    const std::string value = Octets({1, 2, 0x80, 2, 0, 1, 0x80});
    EXPECT_EQ(map.PairStateAt(value, 0), (LedState{Blue, false}));
    EXPECT_EQ(map.PairStateAt(value, 2), (LedState{Green, true}));
    EXPECT_EQ(map.PairStateAt(value, 4), (LedState{Red, false}));
    // A flag on the last byte has no status byte: the pair lies outside the value.
    EXPECT_EQ(map.PairStateAt(value, 6), (LedState{Blue, false}));
    EXPECT_EQ(map.PairStateAt(value, 7), (LedState{Blue, false}));

    const VhSNMPLedColorMapList noAbsent(Pairs, 0x0F, 0x80, Grey, LED_NO_ABSENT_COLOR);
    EXPECT_EQ(noAbsent.PairStateAt(value, 0), (LedState{LED_NO_ABSENT_COLOR, false}));
    EXPECT_THROW(noAbsent.PairStateAt(value, 6), Exception);
}

} // namespace
