#include "board/png_file.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <stb_image.h>

namespace vh {
namespace {

TEST(PngFile, WritesAPictureThatAPngReaderGivesBack) {
    PixelImage image(5, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            image.at(x, y) = {static_cast<std::uint8_t>(50 * x), static_cast<std::uint8_t>(100 * y),
                              static_cast<std::uint8_t>(x * y)};
        }
    }
    const test::TempDirectory folder("png");
    ASSERT_TRUE(savePngFile(folder / "board.png", image));
    const std::vector<std::byte> bytes = test::readBytes(folder / "board.png");
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()) + 1, 3), "PNG");

    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 3);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 3);
    PixelImage decoded(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = pixels + 3 * (y * width + x);
            decoded.at(x, y) = {p[0], p[1], p[2]};
        }
    }
    stbi_image_free(pixels);
    EXPECT_EQ(decoded, image);

    std::string error;
    EXPECT_FALSE(savePngFile(folder / "empty.png", PixelImage(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.png"));
}

} // namespace
} // namespace vh
