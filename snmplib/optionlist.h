#pragma once
// Value-label lists: the labels of one enumerated MIB object's values.
//
// A list is built from a static source table of {value, text} pairs ended by the first
// pair whose text is null. The value is an integer (value type 1) or a value text (value
// types 2 and 3). Descriptor tables point at lists with static storage, so a list's
// address never changes for the life of the program.
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class TRadioGroup;

// Value types of a VhOptionList.
constexpr unsigned OVT_INTEGER = 1; // integer values
constexpr unsigned OVT_STRING = 2;  // value texts, matched whole
constexpr unsigned OVT_PREFIX = 3;  // value texts, matched as prefixes

// The value word of a source pair: an integer or a value text, whichever the table's
// value type reads. {0, nullptr} (a null text) ends a table.
struct VhOptionValue {
    constexpr VhOptionValue(int value) : Int(value) {}
    constexpr VhOptionValue(const char* text) : Str(text) {}
    int Int = 0;
    const char* Str = nullptr;
};

struct VhOptionPair {
    VhOptionValue Value;
    const char* Text;
};

struct OptionItem {
    int Value = 0;         // value type 1
    std::string ValueText; // value types 2 and 3
    std::string Text;      // the label
};

// Number of pairs before the end pair; a null table counts 0.
int OptionTableCount(const VhOptionPair* table);

class VhOptionList {
public:
    VhOptionList(const VhOptionPair* table, unsigned valueType, bool caseSensitivity);
    ~VhOptionList();
    VhOptionList(const VhOptionList&) = delete;
    VhOptionList& operator=(const VhOptionList&) = delete;

    // Adds one option per pair after the present ones; an empty or null table adds nothing.
    void Append(const VhOptionPair* table);
    void Clear();

    int Count() const { return static_cast<int>(Items.size()); }
    // The option at index, or null when index is outside 0..Count()-1: an index read from
    // a table or a reply is never trusted to lie inside the list.
    const OptionItem* ItemAt(int index) const;

    int IndexOfText(const std::string& text) const;
    int IndexOfValue(const std::string& valueText) const;
    // Display form of a value and value of a display form; unmatched input comes back as is.
    std::string ValueToText(const std::string& valueText) const;
    std::string TextToValue(const std::string& text) const;

    // Widget side (library trq_snmpbind): item i of the control is option i.
    void FillComboBox(QComboBox* comboBox) const;
    void FillRadioGroup(TRadioGroup* radioGroup) const;
    void SelectInComboBox(QComboBox* comboBox, const std::string& text) const;
    void SelectInRadioGroup(TRadioGroup* radioGroup, const std::string& text) const;

    unsigned ValueType;
    bool CaseSensitivity; // false: labels and value texts compare without regard to case

private:
    bool SameText(const std::string& a, const std::string& b) const;
    bool StartsWith(const std::string& text, const std::string& prefix) const;

    std::vector<std::unique_ptr<OptionItem>> Items;
};

// A text quoted at both ends loses the quotes; a lone double quote gives an empty text;
// anything else comes back unchanged.
std::string StripQuotes(const std::string& text);
