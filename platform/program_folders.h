#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// The two folders the program uses. `data` holds what ships with the program
// and is only read: Graphics/, Sounds/, Wallpapers/, Data/Computers.dat and
// the help pages. `user` holds what the program writes: Data/Settings.dat,
// Data/Stats.dat, saved games by default, and the user's own Wallpapers/. A
// build folder, a test or --program-dir uses one folder for both.
struct ProgramFolders {
    std::filesystem::path data;
    std::filesystem::path user;

    bool operator==(const ProgramFolders&) const = default;
};

// The folders in use: both the working directory at start-up until set
// otherwise. Paths are written with forward slashes, e.g.
// userPath("Data/Settings.dat").
const std::filesystem::path& dataDirectory();
const std::filesystem::path& userDirectory();
std::filesystem::path dataPath(std::string_view relative);
std::filesystem::path userPath(std::string_view relative);
// The folders a file the user may add to (a wallpaper) is looked up in: the
// user's first, then the data folder; one when they are the same.
std::vector<std::filesystem::path> userThenDataDirectories();

void setProgramFolders(const ProgramFolders& folders);
// Both folders are `directory`.
void setProgramDirectory(const std::filesystem::path& directory);

// What decides the folders.
struct FolderClues {
    std::filesystem::path workingDirectory;
    std::filesystem::path executableDirectory;
    std::string xdgDataHome; // $XDG_DATA_HOME, empty when unset
    std::string home;        // $HOME, else the account's home folder
};

// Where an installed executable finds the program data: its folder joined
// with the path from the install's bin folder to share/varnholt-backgammon.
std::filesystem::path installedDataDirectory(const std::filesystem::path& executableDirectory);

// A folder that holds Data/Computers.dat is a program folder. Both folders
// are the working directory when it is one (a build folder, the tests), else
// the executable's folder when that is one. An installed executable (its
// installedDataDirectory is a program folder) reads from there and writes to
// $XDG_DATA_HOME/varnholt-backgammon, or ~/.local/share/varnholt-backgammon
// when XDG_DATA_HOME is unset or not absolute (the working directory when
// there is no home either). Anything else: both the working directory.
ProgramFolders resolveProgramFolders(const FolderClues& clues);

// This process's clues: its working directory, /proc/self/exe and the environment.
FolderClues currentFolderClues();

// Creates the user folder with its Data/ when missing and removes what
// interrupted saves left in both (saved games go to the user folder itself). Returns the message
// for the user when the folder cannot be created, else an empty text.
std::string prepareUserFolder(const std::filesystem::path& user);

} // namespace vh
