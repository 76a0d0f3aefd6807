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

TEST(BmpEncoding, RoundTripsEveryRowPadding) {
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
        }
    }
}

TEST(BmpEncoding, StoresRowsBottomUpInBlueGreenRedOrder) {
    Image image(1, 2);
    image.at(0, 0) = {10, 20, 30}; // top
    image.at(0, 1) = {40, 50, 60}; // bottom
    const std::vector<std::byte> bytes = encodeBmp(image);
    ASSERT_EQ(bytes.size(), 54u + 2u * 4u);
    EXPECT_EQ(bytes[54], std::byte{60}); // first stored row is the bottom one
    EXPECT_EQ(bytes[55], std::byte{50});
    EXPECT_EQ(bytes[56], std::byte{40});
    EXPECT_EQ(bytes[58], std::byte{30});
}

TEST(BmpDecoding, ReadsTopDownFiles) {
    const Image image = pattern(3, 2);
    std::vector<std::byte> bytes = encodeBmp(image);
    // Rewrite as top-down: negative height and the rows swapped.
    const auto minusTwo = static_cast<std::uint32_t>(-2);
    for (int i = 0; i < 4; ++i) {
        bytes[22 + static_cast<std::size_t>(i)] =
            static_cast<std::byte>((minusTwo >> (8 * i)) & 0xFFu);
    }
    std::vector<std::byte> swapped(bytes.begin(), bytes.begin() + 54);
    swapped.insert(swapped.end(), bytes.begin() + 54 + 12, bytes.end());
    swapped.insert(swapped.end(), bytes.begin() + 54, bytes.begin() + 54 + 12);
    const auto decoded = decodeBmp(swapped);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->pixels, image.pixels);
}

TEST(BmpDecoding, RefusesDamagedFiles) {
    const std::vector<std::byte> good = encodeBmp(pattern(5, 4));
    ASSERT_TRUE(decodeBmp(good).has_value());
    // Every truncation into the pixels. (A file that lacks only the padding of
    // its last row, one byte at width 5, is read: some writers leave it out.)
    for (std::size_t length = 0; length + 1 < good.size(); ++length) {
        const std::vector<std::byte> cut(good.begin(),
                                         good.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(decodeBmp(cut).has_value()) << "cut to " << length;
    }
    struct Mutation {
        std::size_t at;
        std::uint8_t value;
        const char* what;
    };
    const Mutation mutations[] = {
        {0, 'X', "signature"},         {28, 32, "bit count"},       {28, 8, "palette bit count"},
        {30, 1, "compression"},        {26, 2, "planes"},           {18, 0, "zero width"},
        {21, 0x80, "negative width"},  {21, 0x7F, "absurd width"},  {25, 0x7F, "absurd height"},
        {10, 0xFF, "offset past end"}, {14, 12, "old info header"},
    };
    for (const Mutation& m : mutations) {
        std::vector<std::byte> bad = good;
        if (m.at == 18) {
            bad[18] = bad[19] = bad[20] = bad[21] = std::byte{0};
        } else {
            bad[m.at] = static_cast<std::byte>(m.value);
        }
        EXPECT_FALSE(decodeBmp(bad).has_value()) << m.what;
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
