#include "snmplib/ledcolormap.h"

#include "snmplib/snmperror.h"

namespace {

bool Inside(const std::string& octets, int position)
{
    return position >= 0 && static_cast<size_t>(position) < octets.size();
}

} // namespace

VhSNMPLedColorMapList::VhSNMPLedColorMapList(const LedColorPair* table, uint8_t valueMask, uint8_t blinkMask,
                                             uint32_t offColor, uint32_t absentColor)
    : ValueMask(valueMask), BlinkMask(blinkMask), OffColor(offColor), AbsentColor(absentColor)
{
    AddPairs(table);
}

VhSNMPLedColorMapList::~VhSNMPLedColorMapList() { Clear(); }

uint32_t VhSNMPLedColorMapList::CountPairs(const LedColorPair* table)
{
    uint32_t n = 0;
    if (table)
        while (table[n].Color != LED_COLOR_END)
            ++n;
    return n;
}

void VhSNMPLedColorMapList::AddPairs(const LedColorPair* table)
{
    const uint32_t n = CountPairs(table);
    Items.insert(Items.end(), table, table + n);
}

void VhSNMPLedColorMapList::Clear() { Items.clear(); }

int VhSNMPLedColorMapList::IndexOf(uint8_t value) const
{
    for (int i = 0; i < Count(); ++i)
        if (static_cast<uint8_t>(Items[i].Value) == value)
            return i;
    return -1;
}

uint32_t VhSNMPLedColorMapList::ColorOf(uint8_t value) const
{
    const int i = IndexOf(value);
    return i < 0 ? 0 : Items[i].Color;
}

LedState VhSNMPLedColorMapList::StateOf(uint8_t status) const
{
    return {ColorOf(status & ValueMask), (status & BlinkMask) != 0};
}

LedState VhSNMPLedColorMapList::Absent() const
{
    if (AbsentColor == LED_NO_ABSENT_COLOR)
        RaiseSnmpError(VHSNMP_ERR_PARTIAL_INDEX_RANGE);
    return {AbsentColor, false};
}

LedState VhSNMPLedColorMapList::StateAt(const std::string& octets, int position) const
{
    if (!Inside(octets, position))
        return Absent();
    return StateOf(static_cast<uint8_t>(octets[position]));
}

LedState VhSNMPLedColorMapList::PairStateAt(const std::string& octets, int position) const
{
    if (!Inside(octets, position))
        return Absent();
    const auto flag = static_cast<uint8_t>(octets[position]);
    if (flag == 1)
        return {AbsentColor, false};
    if (!Inside(octets, position + 1))
        return Absent();
    const auto status = static_cast<uint8_t>(octets[position + 1]);
    return {ColorOf(status & ValueMask), (flag & BlinkMask) != 0};
}
