#include "platform/program_directory.h"

#include <system_error>

namespace vh {
namespace {

std::filesystem::path& storedDirectory() {
    static std::filesystem::path directory = [] {
        std::error_code error;
        std::filesystem::path current = std::filesystem::current_path(error);
        return error ? std::filesystem::path(".") : current;
    }();
    return directory;
}

} // namespace

const std::filesystem::path& programDirectory() {
    return storedDirectory();
}

void setProgramDirectory(const std::filesystem::path& directory) {
    storedDirectory() = directory;
}

std::filesystem::path programPath(std::string_view relative) {
    return programDirectory() / std::filesystem::path(relative);
}

} // namespace vh
