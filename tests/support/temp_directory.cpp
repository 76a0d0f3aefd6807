#include "tests/support/temp_directory.h"

#include "platform/program_folders.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace vh::test {
namespace {

std::atomic<int> created{0};

} // namespace

TempDirectory::TempDirectory(std::string_view tag)
    : path_(std::filesystem::temp_directory_path() /
            ("varnholt-" + std::string(tag) + "-" + std::to_string(::getpid()) + "-" +
             std::to_string(created.fetch_add(1)))),
      previousFolders_{dataDirectory(), userDirectory()} {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
    setProgramDirectory(path_);
}

TempDirectory::~TempDirectory() {
    setProgramFolders(previousFolders_);
    std::error_code ignored;
    // Folders a test made unreadable must not keep their content alive.
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void TempDirectory::write(std::string_view relative, std::span<const std::byte> bytes) const {
    const std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

void TempDirectory::write(std::string_view relative, std::string_view text) const {
    write(relative, std::as_bytes(std::span(text.data(), text.size())));
}

std::vector<std::byte> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return bytesOf(text);
}

std::vector<std::byte> bytesOf(std::string_view text) {
    const auto* first = reinterpret_cast<const std::byte*>(text.data());
    return {first, first + text.size()};
}

} // namespace vh::test
