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

} // namespace vh
