#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// What the wallpaper options page lists and stores. File names are UTF-8 as
// the file system gives them; stored paths are Windows-1252 as the options
// hold them.

// The entries of the Wallpapers folders of `folders` that are not folders,
// each name once, sorted as a list sorts them; none without the folders.
std::vector<std::string> wallpaperFileNames(std::span<const std::filesystem::path> folders);

// `relative` in the first of `folders` (not empty) that holds it, else in the last.
std::filesystem::path firstHolding(std::span<const std::filesystem::path> folders,
                                   const std::filesystem::path& relative);

// The path stored for a file of the Wallpapers folder: "Wallpapers\" and
// the name. Nothing when the options cannot hold it (see storedWallpaperPath).
std::optional<std::string> folderWallpaperPath(std::string_view fileName);

// The stored form of a full path: nothing when it is too long for the
// options or holds characters Windows-1252 lacks, as it would not name the
// file any more.
std::optional<std::string> storedWallpaperPath(std::string_view path);

// The file name the list selects for a stored path that names the
// Wallpapers folder: what follows "Wallpapers" and one separator, "\" or
// "/". Nothing when the path does not name the folder or no name follows.
std::optional<std::string> wallpaperListName(std::string_view storedPath);

} // namespace vh
