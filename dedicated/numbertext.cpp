#include "dedicated/numbertext.h"

#include <limits>

std::optional<int64_t> NumberOfText(std::string_view text)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    // Accumulated as a negative number, so that the lowest value fits too.
    constexpr int64_t lowest = std::numeric_limits<int64_t>::min();
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        const int digit = c - '0';
        if (value < (lowest + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    if (value == lowest)
        return std::nullopt;
    return -value;
}

int64_t TextToInt64(std::string_view text, int64_t fallback)
{
    return NumberOfText(text).value_or(fallback);
}

int TextToInt(std::string_view text, int fallback)
{
    const std::optional<int64_t> value = NumberOfText(text);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(*value);
}
