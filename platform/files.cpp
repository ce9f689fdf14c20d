#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
