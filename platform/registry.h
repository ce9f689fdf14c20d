#pragma once
// The machine-wide registry, kept in one ini-style text file.
//
// File: $TRQ3100_REGISTRY, or /etc/trq3100/registry.ini when that variable is unset or
// empty. Each key is a section whose name is the full key path as written, starting
// with a backslash; its values are "name=value" lines:
//
//     [\SOFTWARE\Varnholt\Modules\HelpPath]
//     1.3.6.1.4.1.32473.10.61.1=/opt/trq3100/help/module12.hlp
//
// Key paths and value names compare case-insensitively; blanks around names and values
// are dropped; lines starting with ";" or "#" and lines that are neither a section nor a
// value are ignored. A key exists when its section, or the section of any key below it,
// is in the file. Only HKEY_LOCAL_MACHINE is kept; other root keys hold no keys. A file
// that cannot be read (a folder, a pipe, no permission) is an empty registry.
#include <string>
#include <utility>
#include <vector>

using HKEY = unsigned long;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000ul;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001ul;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002ul;

// The registry file's path as described above.
std::string RegistryFilePath();

class TRegistry {
public:
    TRegistry() = default;

    HKEY RootKey = HKEY_LOCAL_MACHINE;

    // Opens the key; a path without a leading "\" is relative to the key open now.
    // With canCreate, a missing key is added to the file; when the file cannot be read
    // or written the open fails. Reading the file anew on every open.
    bool OpenKey(const std::string& key, bool canCreate);
    void CloseKey();
    bool KeyExists(const std::string& key) const;
    // The open key's value, or "" when the key is not open or has no such value.
    std::string ReadString(const std::string& name) const;
    bool ValueExists(const std::string& name) const;
    // The open key's path as it was opened ("" when none is open).
    const std::string& CurrentPath() const { return currentPath_; }

private:
    std::string absolutePath(const std::string& key) const;
    const std::pair<std::string, std::string>* findValue(const std::string& name) const;

    bool open_ = false;
    std::string currentPath_;
    std::vector<std::pair<std::string, std::string>> values_; // of the open key
};
