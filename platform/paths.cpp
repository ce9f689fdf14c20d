#include "platform/paths.h"

#include <QByteArray>
#include <QFile>
#include <filesystem>
#include <system_error>

namespace {

std::string& executableFolderOverride()
{
    static std::string folder;
    return folder;
}

} // namespace

std::string ExecutablePath()
{
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.string();
}

std::string ExecutableFileName() { return std::filesystem::path(ExecutablePath()).filename().string(); }

std::string ExecutableFolder()
{
    if (!executableFolderOverride().empty())
        return executableFolderOverride();
    const std::string exe = ExecutablePath();
    if (exe.empty())
        return std::string();
    std::string folder = std::filesystem::path(exe).parent_path().string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

void SetExecutableFolder(const std::string& folder) { executableFolderOverride() = folder; }

QString LocalFileName(const std::string& name)
{
    return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}
