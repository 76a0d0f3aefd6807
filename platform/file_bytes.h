#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace vh {

enum class FileReadStatus {
    Read,       // `bytes` holds the whole file
    Missing,    // there is no file at the path (nor the folders leading to it)
    Unreadable, // the file exists but could not be read whole (see `error`)
};

struct FileBytes {
    FileReadStatus status = FileReadStatus::Missing;
    std::vector<std::byte> bytes;
    std::string error; // why the file was not read, e.g. "Permission denied"
};

// Reads a whole regular file into memory. A file larger than `maxBytes`, a
// folder or another kind of entry counts as unreadable, so a wild file never
// makes the program allocate without bound.
FileBytes readFileBytes(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace vh
