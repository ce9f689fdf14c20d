#include "snmplib/optionlist.h"

#include <cctype>

#include "platform/sysutils.h"

int OptionTableCount(const VhOptionPair* table)
{
    int n = 0;
    if (table)
        while (table[n].Text)
            ++n;
    return n;
}

VhOptionList::VhOptionList(const VhOptionPair* table, unsigned valueType, bool caseSensitivity)
    : ValueType(valueType), CaseSensitivity(caseSensitivity)
{
    Append(table);
}

VhOptionList::~VhOptionList() { Clear(); }

void VhOptionList::Append(const VhOptionPair* table)
{
    const int n = OptionTableCount(table);
    if (n == 0)
        return;
    Items.reserve(Items.size() + n);
    for (int i = 0; i < n; ++i) {
        auto item = std::make_unique<OptionItem>();
        if (ValueType == OVT_INTEGER)
            item->Value = table[i].Value.Int;
        else if (table[i].Value.Str)
            item->ValueText = table[i].Value.Str;
        item->Text = table[i].Text;
        Items.push_back(std::move(item));
    }
}

void VhOptionList::Clear() { Items.clear(); }

const OptionItem* VhOptionList::ItemAt(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return Items[index].get();
}

bool VhOptionList::SameText(const std::string& a, const std::string& b) const
{
    return (CaseSensitivity ? AnsiCompareStr(a, b) : AnsiCompareText(a, b)) == 0;
}

bool VhOptionList::StartsWith(const std::string& text, const std::string& prefix) const
{
    if (prefix.size() > text.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const unsigned char a = text[i], b = prefix[i];
        if (CaseSensitivity ? a != b : std::tolower(a) != std::tolower(b))
            return false;
    }
    return true;
}

int VhOptionList::IndexOfText(const std::string& text) const
{
    for (int i = 0; i < Count(); ++i) {
        const std::string& label = Items[i]->Text;
        switch (ValueType) {
        case OVT_INTEGER:
        case OVT_STRING:
            if (SameText(label, text))
                return i;
            break;
        case OVT_PREFIX:
            if (StartsWith(text, label))
                return i;
            break;
        default:
            return -1;
        }
    }
    return -1;
}

int VhOptionList::IndexOfValue(const std::string& valueText) const
{
    if (ValueType == OVT_INTEGER) {
        if (valueText == "(NULL)")
            return -1;
        int value;
        try {
            value = StrToInt(valueText);
        } catch (const EConvertError&) {
            return -1;
        }
        for (int i = 0; i < Count(); ++i)
            if (Items[i]->Value == value)
                return i;
        return -1;
    }
    for (int i = 0; i < Count(); ++i) {
        const std::string& value = Items[i]->ValueText;
        if (ValueType == OVT_STRING && SameText(value, valueText))
            return i;
        if (ValueType == OVT_PREFIX && StartsWith(valueText, value))
            return i;
    }
    return -1;
}

std::string VhOptionList::ValueToText(const std::string& valueText) const
{
    const int i = IndexOfValue(valueText);
    if (i < 0)
        return valueText;
    const OptionItem& item = *Items[i];
    if (ValueType == OVT_PREFIX)
        return item.Text + valueText.substr(item.ValueText.size());
    return item.Text;
}

std::string VhOptionList::TextToValue(const std::string& text) const
{
    const int i = IndexOfText(text);
    if (i < 0)
        return text;
    const OptionItem& item = *Items[i];
    switch (ValueType) {
    case OVT_INTEGER:
        return IntToStr(item.Value);
    case OVT_STRING:
        return item.ValueText;
    default: // OVT_PREFIX: IndexOfText finds nothing for other types
        return item.ValueText + text.substr(item.Text.size());
    }
}

std::string StripQuotes(const std::string& text)
{
    if (text.empty() || text.front() != '"' || text.back() != '"')
        return text;
    if (text.size() == 1)
        return std::string();
    return text.substr(1, text.size() - 2);
}
