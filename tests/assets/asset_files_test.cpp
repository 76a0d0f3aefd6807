// The files the build wrote into the program directory: every picture and
// sound the program loads exists, parses, and has the properties the program
// relies on when it draws or plays it.

#include "assets/opponent_roster.h"
#include "assets/wav.h"
#include "tests/assets/file_checks.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace vh::assets::test {
namespace {

namespace fs = std::filesystem;

// Pairs of equal pictures among `images`.
int equalPairs(const std::vector<Image>& images) {
    int pairs = 0;
    for (std::size_t i = 0; i < images.size(); ++i) {
        for (std::size_t j = i + 1; j < images.size(); ++j) {
            pairs += images[i].pixels == images[j].pixels ? 1 : 0;
        }
    }
    return pairs;
}

struct PictureRule {
    std::string path;
    int minWidth;
    int maxWidth;
    int minHeight;
    int maxHeight;
};

TEST(AssetFiles, OpaquePicturesParseWithTheSizesTheDrawingCodeNeeds) {
    std::vector<PictureRule> rules{
        // Stretched over the whole board, or copied unscaled once wider than it.
        {"Graphics/Wood for Board Dark.bmp", 1024, 4096, 700, 4096},
        // Copied unscaled into each half of the board once wider than half of it.
        {"Graphics/Marble for Board Red and White.bmp", 1024, 4096, 1300, 4096},
        {"Graphics/Marble for Board Light Blue.bmp", 1024, 4096, 1300, 4096},
        {"Graphics/Marble for Board Dark Blue.bmp", 1024, 4096, 1300, 4096},
        {"Graphics/Human.bmp", 75, 600, 100, 800},
        // The start-up window is exactly 640 x 480 and draws the picture at 0, 0.
        {"Graphics/Popup Logo.bmp", 640, 640, 480, 480},
    };
    for (int face = 1; face <= 6; ++face) {
        // Drawn unscaled at (85, 3) and (85, 56) on a 150-pixel panel.
        rules.push_back({"Graphics/Die" + std::to_string(face) + ".bmp", 40, 53, 40, 53});
    }
    for (const PictureRule& rule : rules) {
        SCOPED_TRACE(rule.path);
        const Image image = builtPicture(rule.path);
        EXPECT_TRUE(image.width >= rule.minWidth && image.width <= rule.maxWidth) << image.width;
        EXPECT_TRUE(image.height >= rule.minHeight && image.height <= rule.maxHeight)
            << image.height;
    }
    const Image wood = builtPicture("Graphics/Wood for Board Dark.bmp");
    EXPECT_NEAR(wood.height, wood.width * 0.7, 1.0) << "the frame has the board's proportions";
}

TEST(AssetFiles, CubeFacesAreSquareAndTheCentredCubeShowsSixtyFour) {
    std::vector<Image> faces;
    for (int i = 0; i <= 6; ++i) {
        faces.push_back(builtPicture("Graphics/Double" + std::to_string(i) + ".bmp"));
        EXPECT_EQ(faces.back().width, faces.back().height) << i;
        EXPECT_GE(faces.back().width, 64) << i;
    }
    // Picture 0 (cube value 1) and picture 6 (64) show the same face; 2 to 64 all differ.
    EXPECT_EQ(faces[0].pixels, faces[6].pixels);
    faces.erase(faces.begin());
    EXPECT_EQ(equalPairs(faces), 0);
}

TEST(AssetFiles, SpritePairsMatchAndThePictureIsPremultipliedByTheMask) {
    const PictureRule rules[] = {
        {"Graphics/White Stone 50x50", 96, 512, 96, 512},
        {"Graphics/Black Stone 50x50", 96, 512, 96, 512},
        {"Graphics/Red Stone 50x50", 96, 512, 96, 512},
        // A tray slot is a checker wide and about a 3.5th of that high.
        {"Graphics/White Vertical Stone", 64, 512, 16, 160},
        {"Graphics/Black Vertical Stone", 64, 512, 16, 160},
        {"Graphics/Red Vertical Stone", 64, 512, 16, 160},
        // The cup sits at (85, 5) on a 150-pixel panel beside a 100-pixel photo.
        {"Graphics/Dice Cup", 30, 64, 40, 100},
        // The clock is drawn unscaled before the clock text on a 25-pixel line.
        {"Graphics/Small Clock", 16, 25, 16, 25},
    };
    for (const PictureRule& rule : rules) {
        SCOPED_TRACE(rule.path);
        const Image picture = builtPicture(rule.path + ".bmp");
        const Image mask = builtPicture(rule.path + " Mask.bmp");
        ASSERT_EQ(picture.width, mask.width);
        ASSERT_EQ(picture.height, mask.height);
        EXPECT_TRUE(picture.width >= rule.minWidth && picture.width <= rule.maxWidth);
        EXPECT_TRUE(picture.height >= rule.minHeight && picture.height <= rule.maxHeight);
        int opaque = 0;
        int clear = 0;
        int violations = 0;
        for (std::size_t i = 0; i < mask.pixels.size(); ++i) {
            const Rgb8& m = mask.pixels[i];
            const Rgb8& p = picture.pixels[i];
            violations += m.r != m.g || m.g != m.b ? 1 : 0;
            opaque += m.r == 255 ? 1 : 0;
            clear += m.r == 0 ? 1 : 0;
            // Black where the mask is black; never brighter than the coverage.
            violations += (p.r > m.r || p.g > m.r || p.b > m.r) ? 1 : 0;
        }
        EXPECT_EQ(violations, 0);
        EXPECT_GT(opaque, 0);
        EXPECT_GT(clear, 0);
    }
}

TEST(AssetFiles, EveryOpponentHasADistinctPortraitShapedLikeAPhoto) {
    std::string error;
    const auto opponents = readOpponents(VARNHOLT_TEST_ROSTER, &error);
    ASSERT_TRUE(opponents.has_value()) << error;
    ASSERT_EQ(opponents->size(), 10u);
    std::vector<Image> portraits{builtPicture("Graphics/Human.bmp")};
    for (const Opponent& opponent : *opponents) {
        portraits.push_back(builtPicture("Graphics/" + opponent.name + ".bmp"));
        EXPECT_EQ(portraits.back().width * 4, portraits.back().height * 3)
            << "photos are drawn into 75 x 100";
    }
    EXPECT_EQ(equalPairs(portraits), 0);
}

TEST(AssetFiles, WallpapersAreBmpFilesLargeEnoughToTile) {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(programDir() / "Wallpapers")) {
        SCOPED_TRACE(entry.path().filename().string());
        EXPECT_EQ(entry.path().extension(), ".bmp");
        const Image image = builtPicture("Wallpapers/" + entry.path().filename().string());
        EXPECT_GE(std::min(image.width, image.height), 128);
        ++count;
    }
    EXPECT_GE(count, 3);
}

TEST(AssetFiles, SoundsAreDistinctShortAndAudible) {
    const std::pair<const char*, double> sounds[] = {
        {"Sounds/Dice1.wav", 2.0}, {"Sounds/Dice2.wav", 2.0}, {"Sounds/Dice3.wav", 2.0},
        {"Sounds/Win.wav", 5.0},   {"Sounds/Lose.wav", 5.0},  {"Sounds/Startup.wav", 5.0},
    };
    std::set<std::vector<std::int16_t>> distinct;
    for (const auto& [path, maxSeconds] : sounds) {
        SCOPED_TRACE(path);
        // Written by encodeWav, whose layout encoders_test pins: 44 bytes of
        // header, then 16-bit samples at 44.1 kHz.
        const std::vector<std::byte> bytes = readBytes(programDir() / path);
        ASSERT_GT(bytes.size(), 44u);
        const int channels = static_cast<int>(bytes[22]);
        std::vector<std::int16_t> samples;
        for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
            samples.push_back(
                static_cast<std::int16_t>(std::to_integer<unsigned>(bytes[at]) |
                                          std::to_integer<unsigned>(bytes[at + 1]) << 8));
        }
        const double seconds = static_cast<double>(samples.size()) / channels / kSampleRate;
        EXPECT_TRUE(seconds >= 0.3 && seconds <= maxSeconds) << seconds;
        EXPECT_TRUE(std::any_of(samples.begin(), samples.end(), [](std::int16_t sample) {
            return std::abs(sample) > 32767 / 10;
        })) << "silent";
        distinct.insert(samples);
    }
    EXPECT_EQ(distinct.size(), std::size(sounds)) << "two sounds are the same";
}

std::string readPage(const std::string& name) {
    const auto bytes = readBytes(programDir() / "Data" / name);
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

TEST(DataPages, PagesExistAndLoadNothingFromOutsideAndHelpHasItsAnchors) {
    for (const char* name : {"vhhelp.html", "support.html", "home.html"}) {
        SCOPED_TRACE(name);
        const std::string page = readPage(name);
        EXPECT_NE(page.find("</html>"), std::string::npos) << "missing or cut short";
        for (const char* outside : {"<script", "src=", "url(", "href=\"http", "@import"}) {
            EXPECT_EQ(page.find(outside), std::string::npos) << outside;
        }
    }
    const std::string help = readPage("vhhelp.html");
    for (const char* anchor : {"how-to-play", "game-history"}) {
        EXPECT_NE(help.find(std::string("name=\"") + anchor + "\""), std::string::npos) << anchor;
        EXPECT_NE(help.find(std::string("id=\"") + anchor + "\""), std::string::npos) << anchor;
    }
}

} // namespace
} // namespace vh::assets::test
