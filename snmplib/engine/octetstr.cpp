#include "snmplib/engine/octetstr.h"

std::string OctetStr::get_printable_hex() const
{
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes_.size() * 3);
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes_[i]);
        if (i)
            text += ' ';
        text += digits[c >> 4];
        text += digits[c & 0x0F];
    }
    return text;
}
