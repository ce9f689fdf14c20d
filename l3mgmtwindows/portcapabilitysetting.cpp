#include "l3mgmtwindows/portcapabilitysetting.h"

#include <cctype>

#include "dedicated/formregistration.h"

TPortCapabilityForm* PortCapabilityForm = nullptr;
TRQ_DEFINE_FORM(TPortCapabilityForm, PortCapabilityForm)

namespace {

// dot1xPaePortTable: the port number and its capabilities (BITS: authenticator 0,
// supplicant 1).
const VhSNMPObjectDesc PortCapabilityTable[] = {
    {"1.0.8802.1.1.1.1.1.2.1.1", "Port Number", SNMP_SYNTAX_INTEGER, SNMP_ACCESS_NOTACCESS},
    {"1.0.8802.1.1.1.1.1.2.1.3", "Capabilities", SNMP_SYNTAX_BITSTR, SNMP_ACCESS_READONLY},
    {nullptr},
};
enum Column { PortNumber, Capabilities };

constexpr char Capable[] = "Capability";
constexpr char NotCapable[] = "None";

const TReadOnlyTable Window = {
    .FormName = "PortCapabilityForm",
    .Title = "Port Capability",
    .Width = 420,
    .Height = 460,
    .Table = PortCapabilityTable,
    .ListType = MVT_FMV,
    .KeyCount = 1,
    .Memo = false,
    .ListName = "lvPortCapability",
    .RefreshName = "btnRefresh",
    .CloseName = "btnClose",
};

int HexDigit(char c)
{
    if (!std::isxdigit(static_cast<unsigned char>(c)))
        return -1;
    return std::isdigit(static_cast<unsigned char>(c)) ? c - '0' : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
}

} // namespace

TPortCapabilityForm::TPortCapabilityForm(QWidget* owner) : TReadOnlyTableForm(owner, Window) {}

std::string TPortCapabilityForm::CapabilityLabel(const std::string& text)
{
    if (text == Capable || text == NotCapable)
        return text;
    // The library shows a bit string as two hexadecimal digits per octet.
    if (text.size() < 2 || text.size() % 2 != 0)
        return {};
    for (char c : text)
        if (HexDigit(c) < 0)
            return {};
    return (HexDigit(text[0]) & 0x8) ? Capable : NotCapable;
}

std::string TPortCapabilityForm::CellLabel(int column, const std::string& text) const
{
    return column == Capabilities ? CapabilityLabel(text) : text;
}
