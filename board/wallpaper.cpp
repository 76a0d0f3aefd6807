#include "board/wallpaper.h"

#include "board/wallpaper_choice.h"
#include "platform/text_encoding.h"

#include <algorithm>

namespace vh {

std::optional<std::filesystem::path> wallpaperFile(const GameSettings& settings,
                                                   std::span<const std::filesystem::path> folders) {
    const std::string path = utf8FromWindows1252(settings.wallpaperPath);
    if (settings.wallpaperMode == 1 && !folders.empty()) {
        std::string relative = path;
        std::replace(relative.begin(), relative.end(), '\\', '/');
        return firstHolding(folders, relative);
    }
    if (settings.wallpaperMode == 2) {
        return std::filesystem::path(path);
    }
    return std::nullopt;
}

void loadWallpaper(CSurface& wallpaper, const GameSettings& settings,
                   std::span<const std::filesystem::path> folders) {
    if (const auto path = wallpaperFile(settings, folders)) {
        wallpaper.Load(*path);
    } else {
        wallpaper.Release();
    }
}

Rgb backgroundColour(const GameSettings& settings) {
    return {static_cast<std::uint8_t>(settings.bgRed), static_cast<std::uint8_t>(settings.bgGreen),
            static_cast<std::uint8_t>(settings.bgBlue)};
}

void paintBackground(PixelImage& area, const GameSettings& settings, const CSurface& wallpaper) {
    const int width = wallpaper.width();
    const int height = wallpaper.height();
    if (settings.wallpaperMode < 1 || !wallpaper.isLoaded() || width <= 0 || height <= 0) {
        area.fill(backgroundColour(settings));
        return;
    }
    if (settings.stretchWallpaper == 1) {
        wallpaper.DrawStretched(area, 0, 0, area.width(), area.height(), 0, 0, width, height);
        return;
    }
    const int columns = area.width() / width + 1;
    const int rows = area.height() / height + 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            wallpaper.Draw(area, column * width, row * height);
        }
    }
}

} // namespace vh
