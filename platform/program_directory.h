#pragma once

#include <filesystem>
#include <string_view>

namespace vh {

// The folder everything is read from and written to: the working directory at
// start-up, unless set otherwise. Data paths are written with forward slashes,
// e.g. programPath("Data/Settings.dat").
const std::filesystem::path& programDirectory();
void setProgramDirectory(const std::filesystem::path& directory);
std::filesystem::path programPath(std::string_view relative);

// Where a program finds its data when nobody says: the working directory
// when it holds the computer roster (Data/Computers.dat), else the folder of
// the running executable when that does, else the working directory.
std::filesystem::path findProgramDirectory();

} // namespace vh
