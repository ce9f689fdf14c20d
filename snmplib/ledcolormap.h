#pragma once
// LED colour maps: from a module's LED status bytes to LED colours.
//
// The switch reports all LED states of a module as one octet string, one status byte per
// LED. A map turns a status byte into a colour (0x00BBGGRR) and says whether the LED
// blinks. It is built from a static source table of {value, colour} pairs ended by the
// first pair whose colour is LED_COLOR_END (the value word of that pair is not read):
//
//   constexpr LedColorPair Pairs[] = {{0, 0x000000}, {2, 0x00FF00}, {0, LED_COLOR_END}};
//   const VhSNMPLedColorMapList Map(Pairs, 0x03, 0x80, 0x000000, 0x000000);
//
// The LED binding reads one status byte per LED through StateAt (one octet per LED) or
// PairStateAt ({flag, status} pairs) and paints OffColor before the first value, after a
// reset and in the dark phase of blinking.
#include <cstdint>
#include <string>
#include <vector>

// One {value, colour} pair of a source table, and one pair held by a map. Only the low
// byte of Value takes part in lookups.
struct LedColorPair {
    uint32_t Value;
    uint32_t Color;
};

constexpr uint32_t LED_COLOR_END = 0xFFFFFFFF;     // colour word that ends a source table
constexpr uint32_t LED_NO_ABSENT_COLOR = 0xFFFFFFFF; // AbsentColor: the LED's byte must be present

// The colour of one LED and whether it blinks.
struct LedState {
    uint32_t Color = 0;
    bool Blink = false;
    bool operator==(const LedState&) const = default;
};

class VhSNMPLedColorMapList {
public:
    VhSNMPLedColorMapList(const LedColorPair* table, uint8_t valueMask, uint8_t blinkMask, uint32_t offColor,
                          uint32_t absentColor);
    ~VhSNMPLedColorMapList();
    VhSNMPLedColorMapList(const VhSNMPLedColorMapList&) = delete;
    VhSNMPLedColorMapList& operator=(const VhSNMPLedColorMapList&) = delete;

    // Number of pairs before the end pair; a null table counts 0.
    static uint32_t CountPairs(const LedColorPair* table);
    // Appends copies of the table's pairs after the present ones.
    void AddPairs(const LedColorPair* table);
    void Clear();

    int Count() const { return static_cast<int>(Items.size()); }
    // Index of the first pair whose value byte equals value, -1 when none.
    int IndexOf(uint8_t value) const;
    // Colour of that pair; 0 (black) when none, whatever AbsentColor is.
    uint32_t ColorOf(uint8_t value) const;

    // The LED shown by one status byte: the colour of (status AND ValueMask), blinking
    // when status has any BlinkMask bit.
    LedState StateOf(uint8_t status) const;
    // The LED whose status byte is octets[position]. A position outside the octets gives
    // AbsentColor without blinking, or raises -519 when the map has no absent colour.
    LedState StateAt(const std::string& octets, int position) const;
    // The LED of a {flag, status} pair at position: flag 1 means no LED state (AbsentColor,
    // no blinking); any other flag blinks by BlinkMask and takes the colour of the status
    // byte after it. A pair cut off before its status byte counts as outside the octets.
    LedState PairStateAt(const std::string& octets, int position) const;

    uint8_t ValueMask;
    uint8_t BlinkMask;
    uint32_t OffColor;
    uint32_t AbsentColor;

private:
    LedState Absent() const;

    std::vector<LedColorPair> Items;
};
