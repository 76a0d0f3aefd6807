#include "assets/bmp.h"
#include "assets/wav.h"
#include "tests/assets/file_checks.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vh::assets::test {
namespace {

Image pattern(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = {static_cast<std::uint8_t>(x * 37 + y),
                              static_cast<std::uint8_t>(y * 91),
                              static_cast<std::uint8_t>(x ^ (y * 5))};
        }
    }
    return image;
}

// The pictures go through the program's own .bmp writer (tested on its own);
// here the painters' image type and an independent reading of the layout.
TEST(BmpEncoding, RoundTripsEveryRowPaddingThroughAnIndependentReader) {
    // Widths 1 to 4 need 1, 2, 3 and 0 bytes of padding per row.
    for (int width : {1, 2, 3, 4, 5, 7}) {
        for (int height : {1, 2, 5}) {
            SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
            const Image image = pattern(width, height);
            const std::vector<std::byte> bytes = encodeBmp(image);
            std::string problem;
            const auto decoded = checkedBmp(bytes, &problem);
            ASSERT_TRUE(decoded.has_value()) << problem;
            EXPECT_EQ(decoded->pixels, image.pixels);
            EXPECT_EQ(decodeBmp(bytes).value_or(Image()).pixels, image.pixels);
        }
    }
}

TEST(WavEncoding, WritesAConsistentHeaderAndClampsSamples) {
    Sound sound;
    sound.channels = 2;
    sound.samples = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 1.0f / 32767.0f};
    std::string problem;
    const auto wav = checkedWav(encodeWav(sound), &problem);
    ASSERT_TRUE(wav.has_value()) << problem;
    EXPECT_EQ(wav->channels, 2);
    EXPECT_EQ(wav->sampleRate, 44100);
    const std::vector<std::int16_t> expected{0, 16384, -16384, 32767, -32767, 1};
    EXPECT_EQ(wav->samples, expected);
}

} // namespace
} // namespace vh::assets::test
