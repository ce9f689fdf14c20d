#pragma once
// Small utilities shared by the library and the windows: a list of numbers parsed from a
// separated text, an ini reader, a byte string, a path join and the SNMP DateAndTime value.
#include <cstdint>
#include <string>
#include <vector>

// Numbers parsed from a text such as "1.3.6" or "1,2,3". Values read this way come from
// tables and users: a caller that uses one as a position checks it first.
template <typename T>
class VhNumList {
public:
    // Replaces the values with the numbers of text: one number per Separator-delimited
    // field, digits accumulated decimally (characters other than digits are not rejected),
    // digits after a "." (when "." is not the separator) never change the whole number.
    // Arithmetic wraps at 32 bits.
    void Assign(const std::string& text);
    // Position of the first value equal to value, or -1.
    int IndexOf(T value) const;
    // 0 for an empty text, otherwise 1 + the number of separators.
    int CountItems(const std::string& text) const;
    // True when every value lies in low..high (an empty list too).
    bool InRange(T low, T high) const;

    int Count() const { return static_cast<int>(Values.size()); }

    std::vector<T> Values;
    char Separator = '.';
};

extern template class VhNumList<int>;
extern template class VhNumList<unsigned int>;

// Reads values from an ini file through GetPrivateProfileStringA.
class VhIni {
public:
    explicit VhIni(std::string fileName) : FileName(std::move(fileName)) {}
    // The value, trimmed; a missing key or an empty value gives def.
    std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;

    std::string FileName;
};

// An owned byte string with its length; empty after construction.
class VhBinaryString {
public:
    int Length() const { return static_cast<int>(Bytes.size()); }
    const unsigned char* Data() const { return Bytes.empty() ? nullptr : Bytes.data(); }
    void Assign(const void* data, int length);
    void Clear() { Bytes.clear(); }

private:
    std::vector<unsigned char> Bytes;
};

// directory + "/" + name; no separator is added when the directory ends with one, and
// an empty directory gives name alone.
std::string MakeFilePath(const std::string& directory, const std::string& name);

// Swaps the two bytes of a 16-bit field in place (host order <-> network order).
void SwapBytes16(uint16_t& field);

// The eleven octets of an SNMP DateAndTime; the year in host byte order.
struct VhDateTime {
    VhDateTime(); // now, local time, no zone
    explicit VhDateTime(const std::string& text);
    explicit VhDateTime(const unsigned char* octets); // eleven octets, copied as they are
    void CopyTo(unsigned char* octets) const;          // the eleven octets, as they are

    // "y-m-d,h:m:s.d", with ",+h:m" or ",-h:m" added when the zone offset is not zero.
    std::string ToString() const;

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;
};
