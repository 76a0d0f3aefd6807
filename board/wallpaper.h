#pragma once

#include "board/surface.h"
#include "settings/game_settings.h"

#include <filesystem>
#include <optional>
#include <span>

namespace vh {

// The wallpaper file the option set names: mode 1 a path relative to the
// program's folders ("Wallpapers/..."; backslashes count as folder
// separators), in the first of `folders` that holds it, else in the last;
// mode 2 a full path; nothing for other modes.
std::optional<std::filesystem::path> wallpaperFile(const GameSettings& settings,
                                                   std::span<const std::filesystem::path> folders);

// Loads the wallpaper the option set names (a missing file is reported by
// the surface), or releases it when the options name none.
void loadWallpaper(CSurface& wallpaper, const GameSettings& settings,
                   std::span<const std::filesystem::path> folders);

// The plain background colour, RGB(bgRed, bgGreen, bgBlue), each taken as a byte.
Rgb backgroundColour(const GameSettings& settings);

// The main window's background over its board area (client width x available
// height): with a wallpaper mode of 1 or more and a picture of positive size,
// the picture tiled from the top left corner, or stretched over the whole
// area when stretchWallpaper is 1; otherwise the plain colour. A wallpaper
// that failed to load (0 x 0) gives the plain colour.
void paintBackground(PixelImage& area, const GameSettings& settings, const CSurface& wallpaper);

} // namespace vh
