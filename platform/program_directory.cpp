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

std::filesystem::path findProgramDirectory() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path working = fs::current_path(error);
    if (!error && fs::exists(working / "Data" / "Computers.dat", error)) {
        return working;
    }
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error && fs::exists(executable.parent_path() / "Data" / "Computers.dat", error)) {
        return executable.parent_path();
    }
    return working.empty() ? fs::path(".") : working;
}

} // namespace vh
