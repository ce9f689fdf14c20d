#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

// Closes a descriptor when the scope ends.
struct Descriptor {
    int fd;
    explicit Descriptor(int f) : fd(f) {}
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
};

std::optional<std::string> failed(int* error, int code)
{
    if (error)
        *error = code;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& name, int* error)
{
    if (name.empty())
        return failed(error, ENOENT);
    // Non-blocking: opening a pipe must not wait for a writer.
    const Descriptor file(::open(name.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.fd < 0)
        return failed(error, errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0)
        return failed(error, errno);
    if (!S_ISREG(info.st_mode))
        return failed(error, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (static_cast<unsigned long long>(info.st_size) > MAX_READ_FILE_BYTES)
        return failed(error, EFBIG);

    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failed(error, errno);
        }
        // The file may grow while it is read.
        if (bytes.size() + static_cast<size_t>(n) > MAX_READ_FILE_BYTES)
            return failed(error, EFBIG);
        bytes.append(buffer, static_cast<size_t>(n));
    }
    return bytes;
}

bool SyncFolderOf(const std::string& file)
{
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : file.substr(0, slash + 1);
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd < 0)
        return false;
    return ::fsync(dir.fd) == 0;
}

bool ReplaceFileContents(const std::string& file, const std::string& bytes)
{
    std::vector<char> temp(file.begin(), file.end());
    const std::string suffix = ".XXXXXX";
    temp.insert(temp.end(), suffix.begin(), suffix.end());
    temp.push_back('\0');
    const int fd = mkstemp(temp.data()); // mode 0600
    if (fd < 0)
        return false;
    bool ok = fchmod(fd, S_IRUSR | S_IWUSR) == 0;
    for (size_t done = 0; ok && done < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && std::rename(temp.data(), file.c_str()) == 0;
    if (!ok) {
        unlink(temp.data());
        return false;
    }
    // The rename itself lives in the folder: flushed too, the new file survives a power loss.
    return SyncFolderOf(file);
}
