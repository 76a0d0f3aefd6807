// The files the build wrote into the program directory: every picture and
// sound the program loads exists, parses, and has the properties the program
// relies on when it draws or plays it.

#include "assets/opponent_roster.h"
#include "tests/assets/file_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vh::assets::test {
namespace {

namespace fs = std::filesystem;

Image loadPicture(const std::string& relative) {
    const fs::path path = programDir() / relative;
    std::string problem;
    const auto bytes = readBytes(path);
    auto image = checkedBmp(bytes, &problem);
    EXPECT_TRUE(image.has_value()) << relative << ": " << problem;
    return image.value_or(Image());
}

int luminance(const Rgb8& p) {
    return (299 * p.r + 587 * p.g + 114 * p.b) / 1000;
}

struct PictureRule {
    const char* path;
    int minWidth;
    int maxWidth;
    int minHeight;
    int maxHeight;
};

// Opaque pictures and the sizes the drawing code needs from them.
const PictureRule kPictures[] = {
    // Stretched over the whole board (0.7 times as high as wide), or copied
    // unscaled when wider than the board: large enough for a full screen.
    {"Graphics/Wood for Board Dark.bmp", 1024, 4096, 700, 4096},
    // Copied unscaled into each half of the board once wider than half of it.
    {"Graphics/Marble for Board Red and White.bmp", 1024, 4096, 1300, 4096},
    {"Graphics/Marble for Board Light Blue.bmp", 1024, 4096, 1300, 4096},
    {"Graphics/Marble for Board Dark Blue.bmp", 1024, 4096, 1300, 4096},
    {"Graphics/Human.bmp", 75, 600, 100, 800},
    // The start-up window is exactly 640 x 480 and draws the picture at 0, 0.
    {"Graphics/Popup Logo.bmp", 640, 640, 480, 480},
};

TEST(AssetFiles, OpaquePicturesParseWithUsableSizes) {
    for (const PictureRule& rule : kPictures) {
        SCOPED_TRACE(rule.path);
        const Image image = loadPicture(rule.path);
        EXPECT_GE(image.width, rule.minWidth);
        EXPECT_LE(image.width, rule.maxWidth);
        EXPECT_GE(image.height, rule.minHeight);
        EXPECT_LE(image.height, rule.maxHeight);
    }
    const Image wood = loadPicture("Graphics/Wood for Board Dark.bmp");
    EXPECT_NEAR(wood.height, wood.width * 0.7, 1.0) << "the frame has the board's proportions";
}

TEST(AssetFiles, CubeFacesAreSquareAndTheCentredCubeShowsSixtyFour) {
    std::vector<Image> faces;
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        faces.push_back(loadPicture("Graphics/Double" + std::to_string(i) + ".bmp"));
        EXPECT_EQ(faces.back().width, faces.back().height);
        EXPECT_GE(faces.back().width, 64);
    }
    // Picture 0 (cube value 1) and picture 6 (64) show the same face; the
    // faces 2 to 64 all differ.
    EXPECT_EQ(faces[0].pixels, faces[6].pixels);
    for (int i = 1; i <= 6; ++i) {
        for (int j = i + 1; j <= 6; ++j) {
            EXPECT_NE(faces[static_cast<std::size_t>(i)].pixels,
                      faces[static_cast<std::size_t>(j)].pixels)
                << "Double" << i << " and Double" << j;
        }
    }
}

TEST(AssetFiles, DiceShowMorePipsForHigherFacesAndThePanelAtTheCorners) {
    int previousDark = 0;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const Image die = loadPicture("Graphics/Die" + std::to_string(face) + ".bmp");
        // Dice are drawn unscaled at (85, 3) and (85, 56) on a 150-pixel panel.
        ASSERT_TRUE(die.width >= 40 && die.width <= 53 && die.height >= 40 && die.height <= 53);
        int dark = 0;
        for (const Rgb8& p : die.pixels) {
            dark += luminance(p) < 60 && p.b < 100 ? 1 : 0; // pips, not the blue panel
        }
        EXPECT_GT(dark, previousDark);
        previousDark = dark;
        // The corners are the panel's background, RGB(25, 25, 125).
        EXPECT_EQ(die.at(0, 0), (Rgb8{25, 25, 125}));
        EXPECT_EQ(die.at(die.width - 1, 0), (Rgb8{25, 25, 125}));
    }
}

struct SpriteRule {
    const char* stem;
    int minWidth;
    int maxWidth;
    int minHeight;
    int maxHeight;
    bool round; // corners transparent, centre opaque
};

const SpriteRule kSprites[] = {
    {"Graphics/White Stone 50x50", 96, 512, 96, 512, true},
    {"Graphics/Black Stone 50x50", 96, 512, 96, 512, true},
    {"Graphics/Red Stone 50x50", 96, 512, 96, 512, true},
    {"Graphics/White Vertical Stone", 64, 512, 16, 160, true},
    {"Graphics/Black Vertical Stone", 64, 512, 16, 160, true},
    {"Graphics/Red Vertical Stone", 64, 512, 16, 160, true},
    // The cup sits at (85, 5) on a 150-pixel panel beside a 100-pixel photo.
    {"Graphics/Dice Cup", 30, 64, 40, 100, false},
    // The clock is drawn unscaled before the clock text on a 25-pixel line.
    {"Graphics/Small Clock", 16, 25, 16, 25, true},
};

TEST(AssetFiles, SpritePairsMatchAndThePictureIsPremultipliedByTheMask) {
    for (const SpriteRule& rule : kSprites) {
        SCOPED_TRACE(rule.stem);
        const Image picture = loadPicture(std::string(rule.stem) + ".bmp");
        const Image mask = loadPicture(std::string(rule.stem) + " Mask.bmp");
        ASSERT_EQ(picture.width, mask.width);
        ASSERT_EQ(picture.height, mask.height);
        EXPECT_GE(picture.width, rule.minWidth);
        EXPECT_LE(picture.width, rule.maxWidth);
        EXPECT_GE(picture.height, rule.minHeight);
        EXPECT_LE(picture.height, rule.maxHeight);
        int opaque = 0;
        int clear = 0;
        int edge = 0;
        int violations = 0;
        for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
            const Rgb8& m = mask.pixels[i];
            const Rgb8& p = picture.pixels[i];
            EXPECT_TRUE(m.r == m.g && m.g == m.b) << "mask not grey at " << i;
            opaque += m.r == 255 ? 1 : 0;
            clear += m.r == 0 ? 1 : 0;
            edge += m.r > 0 && m.r < 255 ? 1 : 0;
            // Black where the mask is black; never brighter than the coverage.
            violations += (p.r > m.r || p.g > m.r || p.b > m.r) ? 1 : 0;
        }
        EXPECT_EQ(violations, 0);
        EXPECT_GT(opaque, 0);
        EXPECT_GT(clear, 0);
        EXPECT_GT(edge, 0) << "no anti-aliased edge";
        if (std::string(rule.stem).find("Vertical") != std::string::npos) {
            // A tray slot is a checker wide and about a 3.5th of that high.
            const double ratio = static_cast<double>(picture.width) / picture.height;
            EXPECT_GT(ratio, 3.0);
            EXPECT_LT(ratio, 4.0);
        }
        if (rule.round) {
            EXPECT_EQ(mask.at(0, 0).r, 0);
            EXPECT_EQ(mask.at(mask.width - 1, mask.height - 1).r, 0);
            EXPECT_EQ(mask.at(mask.width / 2, mask.height / 2).r, 255);
        }
    }
}

std::vector<std::string> opponentNames() {
    std::string error;
    const auto opponents = readOpponents(VARNHOLT_TEST_ROSTER, &error);
    EXPECT_TRUE(opponents.has_value()) << error;
    std::vector<std::string> names;
    for (const Opponent& opponent : opponents.value_or(std::vector<Opponent>{})) {
        names.push_back(opponent.name);
    }
    return names;
}

TEST(AssetFiles, EveryOpponentHasADistinctPortraitShapedLikeAPhoto) {
    const std::vector<std::string> names = opponentNames();
    ASSERT_EQ(names.size(), 10u);
    const Image standard = loadPicture("Graphics/Human.bmp");
    EXPECT_EQ(standard.width * 4, standard.height * 3) << "photos are drawn into 75 x 100";
    std::vector<Image> portraits;
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        portraits.push_back(loadPicture("Graphics/" + name + ".bmp"));
        EXPECT_EQ(portraits.back().width * 4, portraits.back().height * 3);
        EXPECT_NE(portraits.back().pixels, standard.pixels);
    }
    for (std::size_t i = 0; i < portraits.size(); ++i) {
        for (std::size_t j = i + 1; j < portraits.size(); ++j) {
            EXPECT_NE(portraits[i].pixels, portraits[j].pixels) << names[i] << " and " << names[j];
        }
    }
}

// Mean difference between column a and column b (wrapping), all channels.
double columnDifference(const Image& image, int a, int b) {
    double sum = 0.0;
    for (int y = 0; y < image.height; ++y) {
        const Rgb8& p = image.at(a, y);
        const Rgb8& q = image.at(b, y);
        sum += std::abs(p.r - q.r) + std::abs(p.g - q.g) + std::abs(p.b - q.b);
    }
    return sum / image.height;
}

Image transposed(const Image& image) {
    Image result(image.height, image.width);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            result.at(y, x) = image.at(x, y);
        }
    }
    return result;
}

TEST(AssetFiles, WallpapersExistAndTileWithoutSeams) {
    std::vector<fs::path> wallpapers;
    for (const auto& entry : fs::directory_iterator(programDir() / "Wallpapers")) {
        wallpapers.push_back(entry.path());
    }
    EXPECT_GE(wallpapers.size(), 3u);
    for (const fs::path& path : wallpapers) {
        SCOPED_TRACE(path.filename().string());
        EXPECT_EQ(path.extension(), ".bmp");
        const Image image = loadPicture("Wallpapers/" + path.filename().string());
        ASSERT_GE(image.width, 128);
        ASSERT_GE(image.height, 128);
        // Where the window puts two copies side by side, the last column meets
        // the first: that step must look like any step inside the picture.
        for (const Image& view : {image, transposed(image)}) {
            double inside = 0.0;
            for (int x = 0; x + 1 < view.width; ++x) {
                inside += columnDifference(view, x, x + 1);
            }
            inside /= view.width - 1;
            EXPECT_LT(columnDifference(view, view.width - 1, 0), 2.5 * inside + 1.0);
        }
    }
}

struct SoundRule {
    const char* path;
    double minSeconds;
    double maxSeconds;
};

const SoundRule kSounds[] = {
    {"Sounds/Dice1.wav", 0.3, 2.0}, {"Sounds/Dice2.wav", 0.3, 2.0},
    {"Sounds/Dice3.wav", 0.3, 2.0}, {"Sounds/Win.wav", 0.5, 5.0},
    {"Sounds/Lose.wav", 0.5, 5.0},  {"Sounds/Startup.wav", 0.5, 5.0},
};

TEST(AssetFiles, SoundsAreCleanShortPcm) {
    std::set<std::vector<std::int16_t>> distinct;
    for (const SoundRule& rule : kSounds) {
        SCOPED_TRACE(rule.path);
        std::string problem;
        const auto wav = checkedWav(readBytes(programDir() / rule.path), &problem);
        ASSERT_TRUE(wav.has_value()) << problem;
        const double seconds =
            static_cast<double>(wav->samples.size()) / wav->channels / wav->sampleRate;
        EXPECT_GE(seconds, rule.minSeconds);
        EXPECT_LE(seconds, rule.maxSeconds);
        int peak = 0;
        for (std::int16_t s : wav->samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_LT(peak, 32767 * 9 / 10) << "too close to full scale";
        EXPECT_GT(peak, 32767 * 3 / 10) << "too quiet";
        // No click at either end: the first and last 2 ms stay near silence.
        const std::size_t edge = static_cast<std::size_t>(wav->sampleRate / 500 * wav->channels);
        for (std::size_t i = 0; i < edge; ++i) {
            EXPECT_LT(std::abs(static_cast<int>(wav->samples[i])), 700) << "start " << i;
            EXPECT_LT(std::abs(static_cast<int>(wav->samples[wav->samples.size() - 1 - i])), 100)
                << "end " << i;
        }
        EXPECT_EQ(wav->samples.front(), 0);
        EXPECT_EQ(wav->samples.back(), 0);
        distinct.insert(wav->samples);
    }
    EXPECT_EQ(distinct.size(), std::size(kSounds)) << "two sounds are the same";
}

std::string readPage(const std::string& name) {
    const auto bytes = readBytes(programDir() / "Data" / name);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(DataPages, HelpHasTheAnchorsOfHowToPlayAndGameHistory) {
    const std::string help = readPage("vhhelp.html");
    for (const char* anchor : {"how-to-play", "game-history"}) {
        SCOPED_TRACE(anchor);
        EXPECT_NE(help.find(std::string("name=\"") + anchor + "\""), std::string::npos);
        EXPECT_NE(help.find(std::string("id=\"") + anchor + "\""), std::string::npos);
    }
}

TEST(DataPages, PagesExistAndLoadNothingFromOutside) {
    for (const char* name : {"vhhelp.html", "support.html", "home.html"}) {
        SCOPED_TRACE(name);
        const std::string page = readPage(name);
        EXPECT_NE(page.find("</html>"), std::string::npos) << "missing or cut short";
        for (const char* outside : {"<script", "src=", "url(", "href=\"http", "@import"}) {
            EXPECT_EQ(page.find(outside), std::string::npos) << outside;
        }
    }
}

} // namespace
} // namespace vh::assets::test
