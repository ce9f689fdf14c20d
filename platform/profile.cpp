#include "platform/profile.h"

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/sysutils.h"

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

std::string_view trimBlanks(std::string_view s)
{
    while (!s.empty() && (isBlank(s.front()) || s.front() == '\0'))
        s.remove_prefix(1);
    while (!s.empty() && (isBlank(s.back()) || s.back() == '\0'))
        s.remove_suffix(1);
    return s;
}

// The value of key in section, or nothing when the file has no such key there.
std::optional<std::string> findValue(const std::string& content, std::string_view section, std::string_view key)
{
    bool inSection = false;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t eol = content.find('\n', pos);
        if (eol == std::string::npos)
            eol = content.size();
        std::string_view line(content.data() + pos, eol - pos);
        pos = eol + 1;

        // A line's text ends at its first NUL byte (the settings writer ends values with one).
        if (const size_t nul = line.find('\0'); nul != std::string_view::npos)
            line = line.substr(0, nul);
        line = trimBlanks(line);
        if (line.empty())
            continue;

        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close == std::string_view::npos) {
                inSection = false; // a broken header ends the section before it
                continue;
            }
            const std::string_view name = trimBlanks(line.substr(1, close - 1));
            inSection = AnsiCompareText(std::string(name), std::string(section)) == 0;
            continue;
        }
        if (!inSection)
            continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        if (AnsiCompareText(std::string(trimBlanks(line.substr(0, eq))), std::string(key)) != 0)
            continue;
        return std::string(trimBlanks(line.substr(eq + 1)));
    }
    return std::nullopt;
}

unsigned copyOut(std::string_view text, char* buffer, unsigned size)
{
    if (!buffer || size == 0)
        return 0;
    const size_t n = std::min<size_t>(text.size(), size - 1);
    if (n)
        std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<unsigned>(n);
}

} // namespace

unsigned GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue, char* buffer,
                                  unsigned size, const char* fileName)
{
    const std::string_view fallback = defaultValue ? std::string_view(defaultValue) : std::string_view();
    if (!section || !key || !fileName)
        return copyOut(fallback, buffer, size);
    const std::optional<std::string> content = ReadWholeFile(fileName);
    if (!content)
        return copyOut(fallback, buffer, size);
    const std::optional<std::string> value = findValue(*content, section, key);
    return copyOut(value ? std::string_view(*value) : fallback, buffer, size);
}
