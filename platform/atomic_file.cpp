#include "platform/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string_view>
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

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr std::size_t kTemporaryLetters = 6; // the XXXXXX mkstemp replaces

// The name of what `name` is a temporary file of, or nothing.
std::string_view temporaryFileOf(std::string_view name) {
    const std::size_t suffix = kTemporaryMark.size() + kTemporaryLetters;
    if (name.size() <= suffix ||
        name.substr(name.size() - suffix, kTemporaryMark.size()) != kTemporaryMark) {
        return {};
    }
    for (const char c : name.substr(name.size() - kTemporaryLetters)) {
        const bool letter =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letter) {
            return {};
        }
    }
    return name.substr(0, name.size() - suffix);
}

// Removes the temporary files in `folder` of the file named `of`, or of any file when empty.
void removeTemporaryFiles(const std::filesystem::path& folder, std::string_view of) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder.empty() ? "." : folder, error);
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        const std::string_view original = temporaryFileOf(name);
        std::error_code kind;
        if (original.empty() || (!of.empty() && original != of) ||
            !entries->is_regular_file(kind)) {
            continue;
        }
        std::error_code ignored;
        std::filesystem::remove(entries->path(), ignored);
    }
}

} // namespace

void removeInterruptedWrites(const std::filesystem::path& folder) {
    removeTemporaryFiles(folder, {});
}

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
    removeTemporaryFiles(path.parent_path(), path.filename().string());
    return true;
}

} // namespace vh
