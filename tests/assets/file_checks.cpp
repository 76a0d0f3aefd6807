#include "tests/assets/file_checks.h"

#include "assets/bmp.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stb_image.h>

namespace vh::assets::test {

std::filesystem::path programDir() {
    return VARNHOLT_TEST_PROGRAM_DIR;
}

Image builtPicture(const std::string& relative) {
    const auto image = decodeBmp(readBytes(programDir() / relative));
    EXPECT_TRUE(image.has_value()) << relative;
    return image.value_or(Image());
}

RgbaPicture builtPngWithAlpha(const std::string& relative) {
    const std::vector<std::byte> bytes = readBytes(programDir() / relative);
    const std::vector<std::byte> signature = vh::test::bytesOf("\x89PNG\r\n\x1a\n");
    // The first chunk is IHDR: width, height, bit depth 8, colour type 6 (with alpha).
    EXPECT_TRUE(bytes.size() > 33 &&
                std::equal(signature.begin(), signature.end(), bytes.begin()) &&
                bytes[24] == std::byte{8} && bytes[25] == std::byte{6})
        << relative << " is not a PNG of 8-bit colour with alpha";
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    EXPECT_NE(pixels, nullptr) << relative;
    if (pixels == nullptr) {
        return {};
    }
    RgbaPicture picture{width, height, {}};
    picture.rgba.assign(pixels, pixels + static_cast<std::size_t>(width * height * 4));
    stbi_image_free(pixels);
    return picture;
}

} // namespace vh::assets::test
