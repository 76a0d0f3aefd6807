// The pictures of the game window's frame: toolbar strips, program icon and
// cursors, as the build wrote them into the program directory.

#include "assets/cursor_hot_spots.h"
#include "tests/assets/file_checks.h"

#include <gtest/gtest.h>
#include <string>

namespace vh::assets::test {
namespace {

constexpr Rgb8 kKey{255, 0, 255}; // the window makes this colour transparent

TEST(WindowPictures, ToolbarStripsAreKeyedOnMagentaAndTheirLooksDiffer) {
    std::vector<Image> looks;
    for (const char* name : {"Toolbar.bmp", "Toolbar Hot.bmp", "Toolbar Disabled.bmp"}) {
        SCOPED_TRACE(name);
        looks.push_back(builtPicture(std::string("Graphics/") + name));
        ASSERT_EQ(looks.back().width, 8 * 32) << "eight 32-pixel buttons";
        ASSERT_EQ(looks.back().height, 30);
        // The window takes the key from the first stored pixel: the bottom left.
        EXPECT_EQ(looks.back().at(0, 29), kKey);
    }
    EXPECT_NE(looks[0].pixels, looks[1].pixels);
    EXPECT_NE(looks[0].pixels, looks[2].pixels);
}

TEST(WindowPictures, IconsAndCursorsHaveTheirSizesClearCornersAndAnOpaqueHotSpot) {
    struct Case {
        std::string name;
        int size;
        CursorHotSpot opaque;
    };
    std::vector<Case> cases{{"Cursor Hand.png", kCursorSize, kHandCursorHotSpot},
                            {"Cursor Grab.png", kCursorSize, kGrabCursorHotSpot}};
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        cases.push_back({"Icon " + std::to_string(size) + ".png", size, {size / 2, size / 2}});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const RgbaPicture picture = builtPngWithAlpha("Graphics/" + c.name);
        ASSERT_EQ(picture.width, c.size);
        ASSERT_EQ(picture.height, c.size);
        EXPECT_EQ(picture.at(0, 0)[3], 0);
        EXPECT_EQ(picture.at(c.size - 1, c.size - 1)[3], 0);
        ASSERT_TRUE(c.opaque.x >= 0 && c.opaque.x < c.size && c.opaque.y >= 0 &&
                    c.opaque.y < c.size);
        EXPECT_EQ(picture.at(c.opaque.x, c.opaque.y)[3], 255);
    }
    EXPECT_NE(builtPngWithAlpha("Graphics/Cursor Hand.png").rgba,
              builtPngWithAlpha("Graphics/Cursor Grab.png").rgba);
}

} // namespace
} // namespace vh::assets::test
