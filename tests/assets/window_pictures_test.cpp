// The pictures of the game window's frame: toolbar strips, program icon and
// cursors, as the build wrote them into the program directory.

#include "assets/cursor_hot_spots.h"
#include "tests/assets/file_checks.h"

#include <gtest/gtest.h>
#include <string>

namespace vh::assets::test {
namespace {

constexpr Rgb8 kKey{255, 0, 255}; // the window makes this colour transparent

RgbaPicture loadPng(const std::string& name) {
    std::string problem;
    auto picture = checkedPngWithAlpha(readBytes(programDir() / "Graphics" / name), &problem);
    EXPECT_TRUE(picture.has_value()) << name << ": " << problem;
    return picture.value_or(RgbaPicture());
}

TEST(WindowPictures, ToolbarStripsAreKeyedOnMagentaAndShareTheirOutlines) {
    std::vector<Image> looks;
    for (const char* name : {"Toolbar.bmp", "Toolbar Hot.bmp", "Toolbar Disabled.bmp"}) {
        SCOPED_TRACE(name);
        std::string problem;
        const auto strip = checkedBmp(readBytes(programDir() / "Graphics" / name), &problem);
        ASSERT_TRUE(strip.has_value()) << problem;
        EXPECT_EQ(strip->width, 8 * 32) << "eight 32-pixel buttons";
        EXPECT_EQ(strip->height, 30);
        // The window takes the key from the first stored pixel: the bottom left.
        EXPECT_EQ(strip->at(0, strip->height - 1), kKey);
        looks.push_back(*strip);
    }
    for (std::size_t i = 0; i < looks[0].pixels.size(); ++i) {
        const bool keyed = looks[0].pixels[i] == kKey;
        ASSERT_EQ(looks[1].pixels[i] == kKey, keyed) << "hot look changes shape at " << i;
        ASSERT_EQ(looks[2].pixels[i] == kKey, keyed) << "disabled look changes shape at " << i;
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
        const RgbaPicture picture = loadPng(c.name);
        ASSERT_EQ(picture.width, c.size);
        ASSERT_EQ(picture.height, c.size);
        EXPECT_EQ(picture.at(0, 0)[3], 0);
        EXPECT_EQ(picture.at(c.size - 1, c.size - 1)[3], 0);
        ASSERT_TRUE(c.opaque.x >= 0 && c.opaque.x < c.size && c.opaque.y >= 0 &&
                    c.opaque.y < c.size);
        EXPECT_EQ(picture.at(c.opaque.x, c.opaque.y)[3], 255);
    }
    EXPECT_NE(loadPng("Cursor Hand.png").rgba, loadPng("Cursor Grab.png").rgba);
}

} // namespace
} // namespace vh::assets::test
