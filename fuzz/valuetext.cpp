// Value texts and typed values: what a user types or a window passes as an item's value
// text, checked against its syntax and turned into the value that a set sends, then read
// back as a reply would show it; and the text readers underneath.
//
// Input: one byte choosing the syntax code (bit 7: the item has an option list), one byte
// choosing a list separator, then the text.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "fuzzutil.h"
#include "platform/exception.h"
#include "snmplib/engine/vb.h"
#include "snmplib/request.h"
#include "snmplib/subfield.h"
#include "snmplib/textforms.h"
#include "snmplib/utils.h"

namespace {

constexpr VhOptionPair StatePairs[] = {{1, "enabled"}, {2, "disabled"}, {3, "1"}, {0, nullptr}};
const VhOptionList StateList(StatePairs, OVT_INTEGER, false);

// The value of a decimal number with blanks (characters up to the space) around it.
bool DecimalText(const std::string& text, long double& value)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    bool negative = false;
    if (begin < end && (text[begin] == '-' || text[begin] == '+'))
        negative = text[begin++] == '-';
    if (begin == end)
        return false;
    long double v = 0;
    for (; begin < end; ++begin) {
        if (text[begin] < '0' || text[begin] > '9')
            return false;
        v = v * 10 + (text[begin] - '0');
    }
    value = negative ? -v : v;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const unsigned code = fuzz::SyntaxCode(data[0] & 0x7f);
    const bool withOptions = (data[0] & 0x80) != 0;
    const char separators[] = {'.', ',', ' ', ':'};
    const char separator = separators[data[1] % 4];
    const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);

    const bool typed = IsTypedValue(text, code);

    // The set side: the item's value text into a varbind, and back as a reply gives it.
    VhSNMPRequest request;
    auto item = std::make_unique<VhSNMPVarItem>();
    item->Oid = "1.3.6.1.4.1.32473.99.1";
    item->Syntax = code;
    item->Access = SNMP_ACCESS_READWRITE;
    item->Options = withOptions ? &StateList : nullptr;
    item->Value = text;
    request.VarList.Items.push_back(std::move(item));
    try {
        Vb vb(Oid("1.3.6.1.4.1.32473.99.1.0"));
        request.TextToVb(0, vb);
        // A number that passed the typed check is sent as that number, never as another.
        if (typed && !withOptions && TypedFormOf(code).Form == VhTypedForm::Number) {
            Counter64 sent64;
            unsigned long sent = 0;
            long double expected = 0;
            FUZZ_CHECK(DecimalText(text, expected), "a typed number that is no decimal number");
            if (code == SNMP_SYNTAX_COUNTER64)
                FUZZ_CHECK(vb.get_value(sent64) == 0 && static_cast<long double>(sent64.value()) == expected,
                           "a typed Counter64 sent as another number");
            else if (code == SNMP_SYNTAX_INTEGER)
                FUZZ_CHECK(vb.get_value(sent) == 0 && static_cast<int32_t>(sent) == expected,
                           "a typed INTEGER sent as another number");
            else
                FUZZ_CHECK(vb.get_value(sent) == 0 && static_cast<uint32_t>(sent) == expected,
                           "a typed unsigned number sent as another number");
        }
        request.VbToText(0, vb);
    } catch (const Exception&) {
    }

    // The same text as a sub-field value.
    try {
        OctetsToText(TextToOctets(text, code), code);
    } catch (const Exception&) {
    }

    // The readers every conversion stands on.
    HexToOctets(text);
    Atol32(text);
    AtofC(text);
    AtoldC(text);
    TimeTicksFromText(text);
    unsigned char quad[4];
    ParseDottedQuad(text, quad);
    DateAndTimeOctets(text);
    VhDateTime{text}.ToString();
    try {
        DateTimeText(StrToDateTime(text));
    } catch (const Exception&) {
    }
    try {
        FormatDateTime(text, 39078.5);
    } catch (const Exception&) {
    }
    VhNumList<int> signedList;
    signedList.Separator = separator;
    signedList.Assign(text);
    signedList.CountItems(text);
    VhNumList<unsigned int> unsignedList;
    unsignedList.Separator = separator;
    unsignedList.Assign(text);
    StateList.TextToValue(text);
    StateList.ValueToText(text);
    return 0;
}
