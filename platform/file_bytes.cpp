#include "platform/file_bytes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vh {
namespace {

FileBytes unreadable(const std::string& why) {
    FileBytes result;
    result.status = FileReadStatus::Unreadable;
    result.error = why;
    return result;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

FileBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0) {
        const int code = errno;
        if (code == ENOENT || code == ENOTDIR) {
            FileBytes result;
            result.status = FileReadStatus::Missing;
            result.error = std::strerror(code);
            return result;
        }
        return unreadable(std::strerror(code));
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        return unreadable(std::strerror(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return unreadable("not a regular file");
    }
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return unreadable("larger than " + std::to_string(maxBytes) + " bytes");
    }

    FileBytes result;
    result.bytes.resize(static_cast<std::size_t>(info.st_size));
    std::size_t filled = 0;
    while (true) {
        if (filled == result.bytes.size()) {
            // The file may have grown since fstat; read on, within the limit.
            if (result.bytes.size() >= maxBytes) {
                std::byte probe{};
                const ssize_t extra = ::read(file.get(), &probe, 1);
                if (extra > 0) {
                    return unreadable("larger than " + std::to_string(maxBytes) + " bytes");
                }
                break;
            }
            result.bytes.resize(std::min(maxBytes, result.bytes.size() + 4096));
        }
        const ssize_t got =
            ::read(file.get(), result.bytes.data() + filled, result.bytes.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return unreadable(std::strerror(errno));
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    result.bytes.resize(filled);
    result.status = FileReadStatus::Read;
    return result;
}

} // namespace vh
