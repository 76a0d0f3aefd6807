// The pictures of the game window's frame: toolbar strips, program icon and
// cursors, as the build wrote them into the program directory.

#include "assets/cursor_hot_spots.h"
#include "tests/assets/file_checks.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vh::assets::test {
namespace {

constexpr Rgb8 kKey{255, 0, 255}; // the window makes this colour transparent
constexpr int kPictureWidth = 32;
constexpr int kPictures = 8;

Image loadStrip(const std::string& name) {
    std::string problem;
    auto image = checkedBmp(readBytes(programDir() / "Graphics" / name), &problem);
    EXPECT_TRUE(image.has_value()) << name << ": " << problem;
    return image.value_or(Image());
}

RgbaPicture loadPng(const std::string& name) {
    std::string problem;
    auto picture = checkedPngWithAlpha(readBytes(programDir() / "Graphics" / name), &problem);
    EXPECT_TRUE(picture.has_value()) << name << ": " << problem;
    return picture.value_or(RgbaPicture());
}

bool isKey(const Rgb8& p) {
    return p == kKey;
}

int spread(const Rgb8& p) {
    return std::max({p.r, p.g, p.b}) - std::min({p.r, p.g, p.b});
}

int brightness(const Rgb8& p) {
    return p.r + p.g + p.b;
}

// Per picture of a strip: the mean brightness of its drawn pixels.
std::vector<double> meanBrightness(const Image& strip) {
    std::vector<double> means;
    for (int i = 0; i < kPictures; ++i) {
        double sum = 0.0;
        int count = 0;
        for (int y = 0; y < strip.height; ++y) {
            for (int x = i * kPictureWidth; x < (i + 1) * kPictureWidth; ++x) {
                if (!isKey(strip.at(x, y))) {
                    sum += brightness(strip.at(x, y));
                    ++count;
                }
            }
        }
        means.push_back(count > 0 ? sum / count : 0.0);
    }
    return means;
}

TEST(WindowPictures, ToolbarStripsAreKeyedOnMagentaAndTheirLooksShareTheirOutlines) {
    const Image normal = loadStrip("Toolbar.bmp");
    const Image hot = loadStrip("Toolbar Hot.bmp");
    const Image disabled = loadStrip("Toolbar Disabled.bmp");
    for (const Image* look : {&normal, &hot, &disabled}) {
        const Image& strip = *look;
        SCOPED_TRACE(look == &normal ? "normal" : look == &hot ? "hot" : "disabled");
        ASSERT_EQ(strip.width, kPictureWidth * kPictures);
        ASSERT_EQ(strip.height, 30);
        // The window takes the key from the first stored pixel: the bottom left.
        EXPECT_TRUE(isKey(strip.at(0, strip.height - 1)));
        for (int i = 0; i < kPictures; ++i) {
            int drawn = 0;
            int keyed = 0;
            for (int y = 0; y < strip.height; ++y) {
                for (int x = i * kPictureWidth; x < (i + 1) * kPictureWidth; ++x) {
                    isKey(strip.at(x, y)) ? ++keyed : ++drawn;
                }
            }
            EXPECT_GT(drawn, 150) << "picture " << i;
            EXPECT_GT(keyed, 150) << "picture " << i;
        }
        int nearKey = 0;
        int pinkEdges = 0;
        for (int y = 0; y < strip.height; ++y) {
            for (int x = 0; x < strip.width; ++x) {
                const Rgb8& p = strip.at(x, y);
                if (isKey(p)) {
                    continue;
                }
                // Almost the key would show as a magenta dot where an exact match is needed.
                nearKey += std::abs(p.r - 255) + p.g + std::abs(p.b - 255) < 120 ? 1 : 0;
                const bool edge = (x > 0 && isKey(strip.at(x - 1, y))) ||
                                  (x + 1 < strip.width && isKey(strip.at(x + 1, y))) ||
                                  (y > 0 && isKey(strip.at(x, y - 1))) ||
                                  (y + 1 < strip.height && isKey(strip.at(x, y + 1)));
                pinkEdges += edge && p.r > p.g + 40 && p.b > p.g + 40 ? 1 : 0;
            }
        }
        EXPECT_EQ(nearKey, 0);
        EXPECT_EQ(pinkEdges, 0);
    }
    // Hot pictures are brighter, disabled ones grey.
    int outlineDifferences = 0;
    int coloured = 0;
    for (std::size_t i = 0; i < normal.pixels.size(); ++i) {
        outlineDifferences += isKey(normal.pixels[i]) != isKey(hot.pixels[i]) ||
                                      isKey(normal.pixels[i]) != isKey(disabled.pixels[i])
                                  ? 1
                                  : 0;
        coloured += !isKey(disabled.pixels[i]) && spread(disabled.pixels[i]) > 6 ? 1 : 0;
    }
    EXPECT_EQ(outlineDifferences, 0) << "a button changes its shape between looks";
    EXPECT_EQ(coloured, 0) << "disabled pictures keep colour";
    const std::vector<double> normalMeans = meanBrightness(normal);
    const std::vector<double> hotMeans = meanBrightness(hot);
    for (int i = 0; i < kPictures; ++i) {
        EXPECT_GT(hotMeans[static_cast<std::size_t>(i)],
                  normalMeans[static_cast<std::size_t>(i)] + 15.0)
            << "picture " << i;
    }
}

TEST(WindowPictures, IconsAreSquareWithClearCornersAndAnOpaqueMiddle) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const RgbaPicture icon = loadPng("Icon " + std::to_string(size) + ".png");
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        for (const auto& [x, y] : {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}}) {
            EXPECT_EQ(icon.at(x, y)[3], 0) << x << ", " << y;
        }
        EXPECT_EQ(icon.at(size / 2, size / 2)[3], 255);
        int partial = 0;
        for (std::size_t i = 3; i < icon.rgba.size(); i += 4) {
            partial += icon.rgba[i] > 0 && icon.rgba[i] < 255 ? 1 : 0;
        }
        EXPECT_GT(partial, size / 2) << "no smooth edge";
    }
}

struct CursorCase {
    const char* name;
    CursorHotSpot hotSpot;
};

TEST(WindowPictures, CursorsAreOutlinedHandsWithTheHotSpotOnTheWhitePalm) {
    std::vector<std::vector<std::uint8_t>> seen;
    for (const CursorCase& cursor : {CursorCase{"Cursor Hand.png", kHandCursorHotSpot},
                                     CursorCase{"Cursor Grab.png", kGrabCursorHotSpot}}) {
        SCOPED_TRACE(cursor.name);
        const RgbaPicture picture = loadPng(cursor.name);
        ASSERT_EQ(picture.width, kCursorSize);
        ASSERT_EQ(picture.height, kCursorSize);
        ASSERT_GE(cursor.hotSpot.x, 0);
        ASSERT_GE(cursor.hotSpot.y, 0);
        ASSERT_LT(cursor.hotSpot.x, kCursorSize);
        ASSERT_LT(cursor.hotSpot.y, kCursorSize);
        // The hot spot and its neighbours lie on the opaque light palm.
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                const std::uint8_t* p = picture.at(cursor.hotSpot.x + dx, cursor.hotSpot.y + dy);
                EXPECT_EQ(p[3], 255);
                EXPECT_GT(p[0] + p[1] + p[2], 3 * 200);
            }
        }
        // Light pixels never touch the clear outside: a dark outline runs between.
        int dark = 0;
        int light = 0;
        int lightAtTheEdge = 0;
        for (int y = 0; y < kCursorSize; ++y) {
            for (int x = 0; x < kCursorSize; ++x) {
                const std::uint8_t* p = picture.at(x, y);
                const int sum = p[0] + p[1] + p[2];
                dark += p[3] >= 128 && sum < 3 * 40 ? 1 : 0;
                if (p[3] < 128 || sum <= 3 * 200) {
                    continue;
                }
                ++light;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = std::clamp(x + dx, 0, kCursorSize - 1);
                        const int ny = std::clamp(y + dy, 0, kCursorSize - 1);
                        lightAtTheEdge += picture.at(nx, ny)[3] < 128 ? 1 : 0;
                    }
                }
            }
        }
        EXPECT_GT(dark, 60) << "no outline";
        EXPECT_GT(light, 150) << "no fill";
        EXPECT_EQ(lightAtTheEdge, 0);
        EXPECT_EQ(picture.at(0, 0)[3], 0);
        EXPECT_EQ(picture.at(kCursorSize - 1, kCursorSize - 1)[3], 0);
        seen.push_back(picture.rgba);
    }
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0], seen[1]);
}

} // namespace
} // namespace vh::assets::test
