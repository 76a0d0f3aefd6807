#include "board/bmp_file.h"
#include "board/picture_file.h"
#include "board/png_file.h"
#include "tests/board/bmp_builder.h"
#include "tests/support/temp_directory.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <stb_image_write.h>

namespace vh {
namespace {

std::vector<std::byte> jpegOf(const PixelImage& image) {
    std::vector<std::byte> out;
    stbi_write_jpg_to_func(
        [](void* context, void* data, int size) {
            auto* bytes = static_cast<std::vector<std::byte>*>(context);
            const auto* first = static_cast<const std::byte*>(data);
            bytes->insert(bytes->end(), first, first + size);
        },
        &out, image.width(), image.height(), 3, image.pixels().data(), 100);
    return out;
}

// A PNG signature and a header chunk announcing a picture of the given size.
std::vector<std::byte> pngHeader(std::uint32_t width, std::uint32_t height) {
    std::vector<std::byte> bytes =
        test::bytesOf(std::string_view("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
    for (const std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            bytes.push_back(static_cast<std::byte>((value >> shift) & 0xFF));
        }
    }
    const std::vector<std::byte> rest =
        test::bytesOf(std::string_view("\x08\x02\0\0\0\0\0\0\0", 9));
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

TEST(PictureFileTest, PngAndJpegGiveThePicture) {
    const test::TempDirectory folder("png");
    const PixelImage image = test::numbered(6, 3);
    ASSERT_TRUE(savePngFile(folder / "board.png", image));
    const auto png = decodePicture(test::readBytes(folder / "board.png"));
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->image, image);
    EXPECT_EQ(png->bitsPerPixel, 24);
    std::string error;
    EXPECT_FALSE(savePngFile(folder / "empty.png", PixelImage(), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(folder / "empty.png"));

    const PixelImage flat(16, 16, Rgb{200, 120, 40});
    const auto jpeg = decodePicture(jpegOf(flat));
    ASSERT_TRUE(jpeg.has_value());
    ASSERT_EQ(jpeg->image.width(), 16);
    ASSERT_EQ(jpeg->image.height(), 16);
    for (const Rgb pixel : jpeg->image.pixels()) {
        EXPECT_LE(
            std::abs(pixel.red - 200) + std::abs(pixel.green - 120) + std::abs(pixel.blue - 40), 6);
    }
}

// The file with the first occurrence of `marker` changed at `offset` from it.
std::vector<std::byte> damagedAt(std::vector<std::byte> bytes, std::string_view marker,
                                 std::ptrdiff_t offset, std::byte value) {
    const std::vector<std::byte> pattern = test::bytesOf(marker);
    const auto at = std::search(bytes.begin(), bytes.end(), pattern.begin(), pattern.end());
    EXPECT_NE(at, bytes.end()) << marker;
    if (at != bytes.end()) {
        at[offset] = value;
    }
    return bytes;
}

TEST(PictureFileTest, RefusesWhatItCannotShowSafely) {
    std::vector<std::byte> cut = encodePng(test::numbered(6, 3));
    cut.resize(cut.size() / 2);
    const struct {
        const char* name;
        std::vector<std::byte> bytes;
        const char* reason; // any where empty: stb_image words it
    } cases[] = {
        {"empty", {}, "not a .bmp file"},
        {"png cut", cut, ""},
        {"gif", test::bytesOf(std::string_view("GIF89a\x01\0\x01\0", 10)), "not a .bmp file"},
        {"png too wide", pngHeader(kMaxBmpSide + 1, 1), "the picture is too large"},
        {"png of too many pixels", pngHeader(8192, 8192), "the picture is too large"},
        {"jpeg header only",
         {std::byte{0xFF}, std::byte{0xD8}, std::byte{0xFF}, std::byte{0xE0}},
         ""},
        // The first component of the scan asks for DC and AC table 2, which
        // the file does not define: after the marker come the length (2
        // bytes), the component count, the component's id, its selectors.
        {"jpeg scan without its table",
         damagedAt(jpegOf(PixelImage(16, 16, {200, 120, 40})), "\xFF\xDA", 6, std::byte{0x22}),
         "the JPEG file decodes a scan with a Huffman table it does not define"},
        // The length before the image data's type: 2 GB, which stb_image
        // would allocate first.
        {"png chunk longer than the file",
         damagedAt(encodePng(test::numbered(6, 3)), "IDAT", -4, std::byte{0x7F}),
         "the PNG file ends inside a chunk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string reason;
        EXPECT_FALSE(decodePicture(c.bytes, &reason).has_value());
        EXPECT_FALSE(reason.empty());
        if (*c.reason != '\0') {
            EXPECT_EQ(reason, c.reason);
        }
    }
}

} // namespace
} // namespace vh
