#include "platform/registry.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/files.h"
#include "platform/sysutils.h"

namespace {

struct Section {
    std::string path; // normalised: leading "\", no trailing "\"
    std::vector<std::pair<std::string, std::string>> values;
};

// "\A\B\" and "A\B" and "\A\\B" all name the key \A\B.
std::string normalise(const std::string& path)
{
    std::string out;
    for (const char c : Trim(path)) {
        if (c == '\\' || c == '/') {
            if (out.empty() || out.back() != '\\')
                out.push_back('\\');
        } else {
            out.push_back(c);
        }
    }
    if (out.empty() || out.front() != '\\')
        out.insert(out.begin(), '\\');
    if (out.size() > 1 && out.back() == '\\')
        out.pop_back();
    return out;
}

std::vector<Section> parse(const std::string& content)
{
    std::vector<Section> sections;
    Section* current = nullptr;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t eol = content.find('\n', pos);
        if (eol == std::string::npos)
            eol = content.size();
        std::string line = Trim(content.substr(pos, eol - pos));
        pos = eol + 1;
        if (line.empty() || line[0] == ';' || line[0] == '#')
            continue;
        if (line[0] == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string::npos) {
                current = nullptr;
                continue;
            }
            sections.push_back({normalise(line.substr(1, close - 1)), {}});
            current = &sections.back();
            continue;
        }
        const size_t eq = line.find('=');
        if (current && eq != std::string::npos)
            current->values.emplace_back(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)));
    }
    return sections;
}

bool isSameOrBelow(const std::string& section, const std::string& key)
{
    if (AnsiCompareText(section, key) == 0)
        return true;
    if (key == "\\")
        return true;
    return section.size() > key.size() && section[key.size()] == '\\' &&
           AnsiCompareText(section.substr(0, key.size()), key) == 0;
}

} // namespace

std::string RegistryFilePath()
{
    const char* env = std::getenv("TRQ3100_REGISTRY");
    return (env && *env) ? std::string(env) : std::string("/etc/trq3100/registry.ini");
}

std::string TRegistry::absolutePath(const std::string& key) const
{
    const std::string trimmed = Trim(key);
    if (open_ && (trimmed.empty() || (trimmed[0] != '\\' && trimmed[0] != '/')))
        return normalise(currentPath_ + "\\" + trimmed);
    return normalise(trimmed);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate)
{
    if (RootKey != HKEY_LOCAL_MACHINE)
        return false;
    const std::string path = absolutePath(key);
    const std::string file = RegistryFilePath();
    int readError = 0;
    const std::optional<std::string> content = ReadWholeFile(file, &readError);
    const std::vector<Section> sections = content ? parse(*content) : std::vector<Section>();

    bool exists = false;
    std::vector<std::pair<std::string, std::string>> values;
    for (const Section& s : sections) {
        if (AnsiCompareText(s.path, path) == 0) {
            if (!exists)
                values = s.values; // the first section of a name holds its values
            exists = true;
        } else if (isSameOrBelow(s.path, path)) {
            exists = true;
        }
    }
    if (!exists) {
        // Only a missing file or one that could be read gets the key: whatever else sits
        // there (a folder, a pipe) is left alone.
        if (!canCreate || (!content && readError != ENOENT))
            return false;
        std::error_code ec;
        const std::filesystem::path parent = std::filesystem::path(file).parent_path();
        if (!parent.empty())
            std::filesystem::create_directories(parent, ec);
        std::ofstream out(file, std::ios::binary | std::ios::app);
        if (!out)
            return false;
        if (content && !content->empty() && content->back() != '\n')
            out << '\n';
        out << '[' << path << "]\n";
        out.flush();
        if (!out)
            return false;
    }
    CloseKey();
    open_ = true;
    currentPath_ = path;
    values_ = std::move(values);
    return true;
}

void TRegistry::CloseKey()
{
    open_ = false;
    currentPath_.clear();
    values_.clear();
}

bool TRegistry::KeyExists(const std::string& key) const
{
    if (RootKey != HKEY_LOCAL_MACHINE)
        return false;
    const std::string path = absolutePath(key);
    const std::optional<std::string> content = ReadWholeFile(RegistryFilePath());
    if (!content)
        return false;
    for (const Section& s : parse(*content))
        if (isSameOrBelow(s.path, path))
            return true;
    return false;
}

const std::pair<std::string, std::string>* TRegistry::findValue(const std::string& name) const
{
    if (!open_)
        return nullptr;
    const std::string wanted = Trim(name);
    for (const auto& v : values_)
        if (AnsiCompareText(v.first, wanted) == 0)
            return &v;
    return nullptr;
}

std::string TRegistry::ReadString(const std::string& name) const
{
    const auto* v = findValue(name);
    return v ? v->second : std::string();
}

bool TRegistry::ValueExists(const std::string& name) const { return findValue(name) != nullptr; }
