#include "assets/bmp.h"
#include "assets/wav.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vh::assets {
namespace {

// The bytes are the program's .bmp writer's, pinned in the board tests; here
// the painters' image type goes through it and back unchanged.
TEST(BmpEncoding, ThePaintersPicturesRoundTripThroughTheProgramsFormat) {
    for (const auto& [width, height] : {std::pair{1, 1}, {3, 2}, {4, 5}, {7, 3}}) {
        Image image(width, height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.at(x, y) = {static_cast<std::uint8_t>(x * 37 + y),
                                  static_cast<std::uint8_t>(y * 91),
                                  static_cast<std::uint8_t>(x ^ (y * 5))};
            }
        }
        EXPECT_EQ(decodeBmp(encodeBmp(image)).value_or(Image()).pixels, image.pixels)
            << width << "x" << height;
    }
}

TEST(WavEncoding, WritesTheHeaderByteForByteAndClampsAndRoundsSamples) {
    Sound sound;
    sound.channels = 2;
    sound.samples = {0.0f, 0.5f, -0.5f, 1.5f, -1.5f, 1.0f / 32767.0f};
    const std::vector<std::byte> expected = vh::test::bytesOf(std::string_view(
        "RIFF\x30\0\0\0WAVEfmt \x10\0\0\0"        // 48 bytes follow; a 16-byte format chunk
        "\x01\0\x02\0\x44\xac\0\0"                // PCM, 2 channels, 44100 a second
        "\x10\xb1\x02\0\x04\0\x10\0"              // 176400 bytes a second, 4 a frame, 16 bits
        "data\x0c\0\0\0"                          // 12 bytes of samples
        "\0\0\0\x40\0\xc0\xff\x7f\x01\x80\x01\0", // 0, 16384, -16384, 32767, -32767, 1
        56));
    EXPECT_EQ(encodeWav(sound), expected);
}

} // namespace
} // namespace vh::assets
