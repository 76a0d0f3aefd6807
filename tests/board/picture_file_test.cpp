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

TEST(PictureFileTest, BmpPngAndJpegGiveThePicture) {
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

    const auto bmp = decodePicture(encodeBmp(image));
    ASSERT_TRUE(bmp.has_value());
    EXPECT_EQ(bmp->image, image);

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

TEST(PictureFileTest, RefusesWhatItCannotShowSafely) {
    std::vector<std::byte> cut = encodePng(test::numbered(6, 3));
    cut.resize(cut.size() / 2);
    const std::vector<std::byte> cases[] = {
        {},
        cut,
        test::bytesOf(std::string_view("GIF89a\x01\0\x01\0", 10)),
        pngHeader(kMaxBmpSide + 1, 1),
        pngHeader(8192, 8192), // more pixels than any picture may have
        {std::byte{0xFF}, std::byte{0xD8}, std::byte{0xFF}, std::byte{0xE0}},
    };
    for (std::size_t index = 0; index < std::size(cases); ++index) {
        std::string reason;
        EXPECT_FALSE(decodePicture(cases[index], &reason).has_value()) << index;
        EXPECT_FALSE(reason.empty()) << index;
    }
}

TEST(PictureFileTest, RefusesAJpegScanWithAnUndefinedHuffmanTable) {
    std::vector<std::byte> jpeg = jpegOf(PixelImage(16, 16, {200, 120, 40}));
    const std::byte startOfScan[] = {std::byte{0xFF}, std::byte{0xDA}};
    const auto scan =
        std::search(jpeg.begin(), jpeg.end(), std::begin(startOfScan), std::end(startOfScan));
    ASSERT_NE(scan, jpeg.end());
    // Length (2 bytes), component count, then the first component's id and
    // its table selectors: DC and AC table 2, which the file does not define.
    scan[6] = std::byte{0x22};
    std::string reason;
    EXPECT_FALSE(decodePicture(jpeg, &reason).has_value());
    EXPECT_EQ(reason, "the JPEG file decodes a scan with a Huffman table it does not define");
}

TEST(PictureFileTest, RefusesAPngChunkLongerThanTheFile) {
    std::vector<std::byte> png = encodePng(test::numbered(6, 3));
    const std::byte imageData[] = {std::byte{'I'}, std::byte{'D'}, std::byte{'A'}, std::byte{'T'}};
    const auto chunk =
        std::search(png.begin(), png.end(), std::begin(imageData), std::end(imageData));
    ASSERT_NE(chunk, png.end());
    // The length before the type: 2 GB, which stb_image would allocate first.
    chunk[-4] = std::byte{0x7F};
    std::string reason;
    EXPECT_FALSE(decodePicture(png, &reason).has_value());
    EXPECT_EQ(reason, "the PNG file ends inside a chunk");
}

} // namespace
} // namespace vh
