#include "platform/program_folders.h"

#include "platform/atomic_file.h"

#include <cstdlib>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

#ifndef VARNHOLT_DATA_FROM_BIN
#define VARNHOLT_DATA_FROM_BIN "../share/varnholt-backgammon"
#endif

namespace vh {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUserFolderName = "varnholt-backgammon";

fs::path workingDirectory() {
    std::error_code error;
    fs::path current = fs::current_path(error);
    return error || current.empty() ? fs::path(".") : current;
}

ProgramFolders& storedFolders() {
    static ProgramFolders folders{workingDirectory(), workingDirectory()};
    return folders;
}

bool isProgramFolder(const fs::path& folder) {
    std::error_code error;
    return !folder.empty() && fs::exists(folder / "Data" / "Computers.dat", error);
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

std::string accountHome() {
    struct passwd entry {};
    struct passwd* found = nullptr;
    std::string buffer(16384, '\0');
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return found->pw_dir;
}

fs::path userFolder(const FolderClues& clues) {
    const fs::path xdg(clues.xdgDataHome);
    if (xdg.is_absolute()) {
        return xdg / kUserFolderName;
    }
    const fs::path home(clues.home);
    if (home.is_absolute()) {
        return home / ".local" / "share" / kUserFolderName;
    }
    return clues.workingDirectory;
}

} // namespace

const fs::path& dataDirectory() {
    return storedFolders().data;
}

const fs::path& userDirectory() {
    return storedFolders().user;
}

fs::path dataPath(std::string_view relative) {
    return dataDirectory() / fs::path(relative);
}

fs::path userPath(std::string_view relative) {
    return userDirectory() / fs::path(relative);
}

std::vector<fs::path> userThenDataDirectories() {
    if (userDirectory() == dataDirectory()) {
        return {userDirectory()};
    }
    return {userDirectory(), dataDirectory()};
}

void setProgramFolders(const ProgramFolders& folders) {
    storedFolders() = folders;
}

void setProgramDirectory(const fs::path& directory) {
    storedFolders() = {directory, directory};
}

fs::path installedDataDirectory(const fs::path& executableDirectory) {
    return (executableDirectory / VARNHOLT_DATA_FROM_BIN).lexically_normal();
}

ProgramFolders resolveProgramFolders(const FolderClues& clues) {
    if (isProgramFolder(clues.workingDirectory)) {
        return {clues.workingDirectory, clues.workingDirectory};
    }
    if (isProgramFolder(clues.executableDirectory)) {
        return {clues.executableDirectory, clues.executableDirectory};
    }
    if (!clues.executableDirectory.empty()) {
        const fs::path installed = installedDataDirectory(clues.executableDirectory);
        if (isProgramFolder(installed)) {
            return {installed, userFolder(clues)};
        }
    }
    return {clues.workingDirectory, clues.workingDirectory};
}

FolderClues currentFolderClues() {
    FolderClues clues;
    clues.workingDirectory = workingDirectory();
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        clues.executableDirectory = executable.parent_path();
    }
    clues.xdgDataHome = environment("XDG_DATA_HOME");
    clues.home = environment("HOME");
    if (clues.home.empty()) {
        clues.home = accountHome();
    }
    return clues;
}

std::string prepareUserFolder(const fs::path& user) {
    std::error_code error;
    fs::create_directories(user / "Data", error);
    if (error) {
        return "The folder for your settings and players, " + user.string() +
               ", could not be created (" + error.message() +
               "). The game runs, but your settings and players will not be kept.";
    }
    removeInterruptedWrites(user);
    removeInterruptedWrites(user / "Data");
    return {};
}

} // namespace vh
