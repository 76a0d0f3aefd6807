#include "board/wallpaper_choice.h"
#include "settings/game_settings.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(WallpaperChoiceTest, ListsTheFilesOfBothFoldersSortedAndFindsTheUsersFirst) {
    const test::TempDirectory root("wallpapers");
    const std::vector<std::filesystem::path> folders{root / "user", root / "data"};
    EXPECT_TRUE(wallpaperFileNames(folders).empty()) << "no Wallpapers folder";
    std::filesystem::create_directories(root / "data/Wallpapers/Old");
    for (const char* name :
         {"data/Wallpapers/b.bmp", "data/Wallpapers/A.png", "data/Wallpapers/readme",
          "user/Wallpapers/c.JPG", "user/Wallpapers/b.bmp"}) {
        root.write(name, "x");
    }
    EXPECT_EQ(wallpaperFileNames(folders),
              (std::vector<std::string>{"A.png", "b.bmp", "c.JPG", "readme"}));
    EXPECT_EQ(firstHolding(folders, "Wallpapers/b.bmp"), root / "user/Wallpapers/b.bmp");
    EXPECT_EQ(firstHolding(folders, "Wallpapers/A.png"), root / "data/Wallpapers/A.png");
    EXPECT_EQ(firstHolding(folders, "Wallpapers/gone.png"), root / "data/Wallpapers/gone.png");
}

TEST(WallpaperChoiceTest, StoredPaths) {
    struct Case {
        std::string path; // UTF-8
        std::optional<std::string> stored;
    };
    const Case cases[] = {
        {"/home/me/sky.png", "/home/me/sky.png"},
        {"/home/m\xC3\xA9/\xE2\x82\xAC.png", "/home/m\xE9/\x80.png"}, // é and € have a byte
        {"/home/\xE6\x9D\xB1/sky.png", std::nullopt},                 // a character without one
        {"/" + std::string(kWallpaperPathSize - 2, 'a'),
         "/" + std::string(kWallpaperPathSize - 2, 'a')},
        {"/" + std::string(kWallpaperPathSize - 1, 'a'), std::nullopt}, // no room for the end
    };
    for (const Case& c : cases) {
        EXPECT_EQ(storedWallpaperPath(c.path), c.stored) << c.path.substr(0, 40);
    }
    EXPECT_EQ(folderWallpaperPath("Sky.bmp"), "Wallpapers\\Sky.bmp");
}

TEST(WallpaperChoiceTest, TheListNameOfAStoredPath) {
    struct Case {
        const char* stored;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"Wallpapers\\Sky.bmp", "Sky.bmp"},
        {"Wallpapers/Sky.bmp", "Sky.bmp"},
        {"/home/me/Wallpapers/Sea \xE9.png", "Sea \xC3\xA9.png"},
        {"/home/me/pictures/Sky.bmp", std::nullopt},
        {"Wallpapers\\", std::nullopt},
        {"Wallpapers", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wallpaperListName(c.stored), c.name) << c.stored;
    }
}

} // namespace
} // namespace vh
