#include "board/bmp_file.h"
#include "board/wallpaper.h"
#include "board/wallpaper_choice.h"
#include "platform/message_box.h"
#include "settings/game_settings.h"
#include "tests/board/bmp_builder.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

class WallpaperTest : public testing::Test {
protected:
    WallpaperTest() : folder_("wallpaper"), installed_(boxes_) {}

    std::vector<std::filesystem::path> folders() const { return {folder_.path()}; }

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
};

TEST_F(WallpaperTest, FilesByModeAndNoneLoadedWithoutOne) {
    const std::vector<std::filesystem::path> searched{"/home/me/.local/share/vb", "/prog"};
    GameSettings settings;
    settings.wallpaperPath = "Wallpapers\\Sky.bmp";
    settings.wallpaperMode = 1;
    EXPECT_EQ(wallpaperFile(settings, searched), std::filesystem::path("/prog/Wallpapers/Sky.bmp"))
        << "where no folder holds it: the program's own";
    settings.wallpaperMode = 2;
    settings.wallpaperPath = "/home/me/sky.bmp";
    EXPECT_EQ(wallpaperFile(settings, searched), std::filesystem::path("/home/me/sky.bmp"));
    for (const int mode : {0, 3, -1}) {
        settings.wallpaperMode = mode;
        EXPECT_FALSE(wallpaperFile(settings, searched).has_value()) << mode;
    }
    CSurface wallpaper;
    loadWallpaper(wallpaper, settings, folders());
    EXPECT_FALSE(wallpaper.isLoaded());
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(WallpaperTest, AWallpaperThatFailedToLoadGivesThePlainColour) {
    GameSettings settings;
    settings.wallpaperMode = 1;
    settings.wallpaperPath = "Wallpapers\\Gone.bmp";
    settings.bgRed = 200;
    settings.bgGreen = 100;
    settings.bgBlue = 0;
    CSurface wallpaper;
    loadWallpaper(wallpaper, settings, folders());
    EXPECT_EQ(boxes_.texts(), std::vector<std::string>{(folder_ / "Wallpapers/Gone.bmp").string() +
                                                       " could not be loaded!"});
    ASSERT_TRUE(wallpaper.isLoaded());
    ASSERT_EQ(wallpaper.width(), 0);
    for (const int stretch : {0, 1}) {
        settings.stretchWallpaper = stretch;
        PixelImage area(30, 20, kWhite);
        paintBackground(area, settings, wallpaper); // used to divide by zero
        EXPECT_EQ(area, PixelImage(30, 20, Rgb{200, 100, 0})) << stretch;
    }
}

TEST_F(WallpaperTest, TilesFromTheTopLeftOrStretches) {
    std::filesystem::create_directories(folder_ / "Wallpapers");
    ASSERT_TRUE(saveBmpFile(folder_ / "Wallpapers/Tile.bmp", test::numbered(3, 2)));
    GameSettings settings;
    settings.wallpaperMode = 1;
    settings.wallpaperPath = "Wallpapers\\Tile.bmp";
    CSurface wallpaper;
    loadWallpaper(wallpaper, settings, folders());
    ASSERT_EQ(wallpaper.width(), 3);
    const PixelImage tile = test::numbered(3, 2);
    PixelImage area(7, 5, kWhite);
    paintBackground(area, settings, wallpaper);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            ASSERT_EQ(area.at(x, y), tile.at(x % 3, y % 2)) << x << "," << y;
        }
    }

    settings.stretchWallpaper = 1;
    PixelImage stretched(30, 20, kWhite);
    paintBackground(stretched, settings, wallpaper);
    EXPECT_EQ(stretched.at(0, 0), tile.at(0, 0));
    EXPECT_EQ(stretched.at(29, 19), tile.at(2, 1));
    // Smooth: between two columns of the picture a blend of both.
    const Rgb between = stretched.at(10, 0);
    EXPECT_GT(between.red, tile.at(0, 0).red);
    EXPECT_LT(between.red, tile.at(2, 0).red);

    // Mode 0 paints the colour even with a picture at hand.
    settings.wallpaperMode = 0;
    paintBackground(stretched, settings, wallpaper);
    EXPECT_EQ(stretched, PixelImage(30, 20, Rgb{16, 11, 218}));
}

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
