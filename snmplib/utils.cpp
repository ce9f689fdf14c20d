#include "snmplib/utils.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "platform/profile.h"
#include "platform/sysutils.h"

template <typename T>
int VhNumList<T>::CountItems(const std::string& text) const
{
    if (text.empty())
        return 0;
    return 1 + static_cast<int>(std::count(text.begin(), text.end(), Separator));
}

template <typename T>
void VhNumList<T>::Assign(const std::string& text)
{
    Values.assign(CountItems(text), T(0));
    if (Values.empty())
        return;
    size_t k = 0;
    bool inFraction = false;
    double factor = 1;
    for (const char c : text) {
        if (c == Separator) {
            inFraction = false;
            ++k;
        } else if (c == '.') {
            inFraction = true;
            factor = 1;
        } else {
            const int digit = static_cast<signed char>(c) - 48;
            T& value = Values[k];
            if (!inFraction) {
                value = static_cast<T>(static_cast<uint32_t>(value) * 10u + static_cast<uint32_t>(digit));
            } else {
                factor *= 0.1;
                const double sum = static_cast<double>(value) + digit * factor;
                value = static_cast<T>(static_cast<uint32_t>(static_cast<int64_t>(sum)));
            }
        }
    }
}

template <typename T>
int VhNumList<T>::IndexOf(T value) const
{
    const auto it = std::find(Values.begin(), Values.end(), value);
    return it == Values.end() ? -1 : static_cast<int>(it - Values.begin());
}

template <typename T>
bool VhNumList<T>::InRange(T low, T high) const
{
    return std::all_of(Values.begin(), Values.end(), [&](T v) { return v >= low && v <= high; });
}

template class VhNumList<int>;
template class VhNumList<unsigned int>;

std::string VhIni::ReadString(const std::string& section, const std::string& key, const std::string& def) const
{
    char buffer[4096];
    std::memset(buffer, 0, sizeof buffer);
    if (GetPrivateProfileStringA(section.c_str(), key.c_str(), def.c_str(), buffer, sizeof buffer,
                                 FileName.c_str()) == 0)
        return def;
    return Trim(buffer);
}

void VhBinaryString::Assign(const void* data, int length)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!bytes || length <= 0)
        Bytes.clear();
    else
        Bytes.assign(bytes, bytes + length);
}

std::string MakeFilePath(const std::string& directory, const std::string& name)
{
    if (directory.empty())
        return name;
    if (directory.back() == '/')
        return directory + name;
    return directory + "/" + name;
}

void SwapBytes16(uint16_t& field) { field = static_cast<uint16_t>((field << 8) | (field >> 8)); }

VhDateTime::VhDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    Year = static_cast<uint16_t>(tm.tm_year + 1900);
    Month = static_cast<uint8_t>(tm.tm_mon + 1);
    Day = static_cast<uint8_t>(tm.tm_mday);
    Hour = static_cast<uint8_t>(tm.tm_hour);
    Minutes = static_cast<uint8_t>(tm.tm_min);
    Seconds = static_cast<uint8_t>(tm.tm_sec);
}

VhDateTime::VhDateTime(const std::string& text)
{
    // Fields the text does not supply stay 0.
    int n[9] = {};
    if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6],
                    &n[7], &n[8]) != 9) {
        std::fill(std::begin(n), std::end(n), 0);
        if (std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5],
                        &n[6], &n[7], &n[8]) == 9) {
            Direction = '-';
        } else {
            std::fill(std::begin(n), std::end(n), 0);
            std::sscanf(text.c_str(), "%d-%d-%d,%d:%d:%d.%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6]);
        }
    }
    Year = static_cast<uint16_t>(n[0]);
    Month = static_cast<uint8_t>(n[1]);
    Day = static_cast<uint8_t>(n[2]);
    Hour = static_cast<uint8_t>(n[3]);
    Minutes = static_cast<uint8_t>(n[4]);
    Seconds = static_cast<uint8_t>(n[5]);
    DeciSeconds = static_cast<uint8_t>(n[6]);
    UtcHours = static_cast<uint8_t>(n[7]);
    UtcMinutes = static_cast<uint8_t>(n[8]);
}

VhDateTime::VhDateTime(const unsigned char* octets)
{
    std::memcpy(&Year, octets, 2);
    Month = octets[2];
    Day = octets[3];
    Hour = octets[4];
    Minutes = octets[5];
    Seconds = octets[6];
    DeciSeconds = octets[7];
    Direction = static_cast<char>(octets[8]);
    UtcHours = octets[9];
    UtcMinutes = octets[10];
}

void VhDateTime::CopyTo(unsigned char* octets) const
{
    std::memcpy(octets, &Year, 2);
    octets[2] = Month;
    octets[3] = Day;
    octets[4] = Hour;
    octets[5] = Minutes;
    octets[6] = Seconds;
    octets[7] = DeciSeconds;
    octets[8] = static_cast<unsigned char>(Direction);
    octets[9] = UtcHours;
    octets[10] = UtcMinutes;
}

std::string VhDateTime::ToString() const
{
    char text[96];
    if ((UtcHours || UtcMinutes) && (Direction == '+' || Direction == '-'))
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds, Direction, UtcHours, UtcMinutes);
    else
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds);
    return text;
}
