#pragma once

#include "platform/program_folders.h"

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh::test {

// A fresh folder in the system's temporary folder, removed with its content at
// the end. While it lives it is also the program's data and user folder.
class TempDirectory {
public:
    explicit TempDirectory(std::string_view tag);
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory();

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view relative) const { return path_ / relative; }

    // Writes a file (creating its folders) below the folder.
    void write(std::string_view relative, std::span<const std::byte> bytes) const;
    void write(std::string_view relative, std::string_view text) const;

private:
    std::filesystem::path path_;
    ProgramFolders previousFolders_;
};

std::vector<std::byte> readBytes(const std::filesystem::path& path);
std::vector<std::byte> bytesOf(std::string_view text);

} // namespace vh::test
