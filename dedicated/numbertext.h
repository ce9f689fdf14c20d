#pragma once
// Texts read as numbers, the way the windows' checks read an edit: a whole decimal number
// (an optional sign, then digits only, nothing around them), or the caller's fallback for
// anything else (an empty text, letters, spaces, a value beyond the type's range).
// Leading zeros are decimal: "010" is 10.
#include <cstdint>
#include <optional>
#include <string_view>

// The number, or nothing when the text is none.
std::optional<int64_t> NumberOfText(std::string_view text);

// The number, or fallback when the text is none or lies outside int's range.
int TextToInt(std::string_view text, int fallback);
int64_t TextToInt64(std::string_view text, int64_t fallback);
