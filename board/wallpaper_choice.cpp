#include "board/wallpaper_choice.h"

#include "platform/list_text.h"
#include "platform/text_encoding.h"
#include "settings/game_settings.h"

#include <algorithm>
#include <system_error>

namespace vh {
namespace {

constexpr std::string_view kFolder = "Wallpapers";

} // namespace

std::vector<std::string> wallpaperFileNames(std::span<const std::filesystem::path> folders) {
    std::vector<std::string> names;
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        std::filesystem::directory_iterator entries(folder / kFolder, error);
        for (; !error && entries != std::filesystem::directory_iterator();
             entries.increment(error)) {
            std::error_code kind;
            std::string name = entries->path().filename().string();
            if (!entries->is_directory(kind) &&
                std::find(names.begin(), names.end(), name) == names.end()) {
                names.push_back(std::move(name));
            }
        }
    }
    sortLikeAList(names);
    return names;
}

std::filesystem::path firstHolding(std::span<const std::filesystem::path> folders,
                                   const std::filesystem::path& relative) {
    for (const std::filesystem::path& folder : folders) {
        std::error_code error;
        if (std::filesystem::exists(folder / relative, error)) {
            return folder / relative;
        }
    }
    return folders.back() / relative;
}

std::optional<std::string> folderWallpaperPath(std::string_view fileName) {
    return storedWallpaperPath(std::string(kFolder) + "\\" + std::string(fileName));
}

std::optional<std::string> storedWallpaperPath(std::string_view path) {
    std::string stored = windows1252FromUtf8(path);
    if (stored.size() >= kWallpaperPathSize || utf8FromWindows1252(stored) != path) {
        return std::nullopt;
    }
    return stored;
}

std::optional<std::string> wallpaperListName(std::string_view storedPath) {
    const std::size_t folder = storedPath.find(kFolder);
    const std::size_t name = folder + kFolder.size() + 1;
    if (folder == std::string_view::npos || name >= storedPath.size()) {
        return std::nullopt;
    }
    return utf8FromWindows1252(storedPath.substr(name));
}

} // namespace vh
