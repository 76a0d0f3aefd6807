#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vh {
namespace {

bool fail(std::string* error, const std::string& what, int code) {
    if (error != nullptr) {
        *error = what + ": " + std::strerror(code);
    }
    return false;
}

bool writeAll(int fd, std::span<const std::byte> bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t result = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (result < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::byte> bytes,
                         std::string* error) {
    std::filesystem::path temporary = path;
    temporary += ".tmp-XXXXXX";
    std::string pattern = temporary.string();

    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        return fail(error, "cannot create a temporary file beside " + path.string(), errno);
    }
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        return fail(error, "cannot write " + path.string(), code);
    }
    // mkstemp creates the file readable by its owner only; give it the usual mode.
    ::fchmod(fd, 0644);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(pattern.c_str());
        return fail(error, "cannot write " + path.string(), code);
    }
    if (::rename(pattern.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(pattern.c_str());
        return fail(error, "cannot replace " + path.string(), code);
    }
    return true;
}

} // namespace vh
