#include "board/bmp_file.h"
#include "tests/board/bmp_builder.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(BmpFile, ReadsEveryUncompressedDepthBothRowOrdersAndHeaders) {
    for (const test::BmpLayout& layout : test::sampleLayouts()) {
        SCOPED_TRACE(std::to_string(layout.bitsPerPixel) + " bits, header " +
                     std::to_string(layout.headerSize) + (layout.topDown ? ", top-down" : ""));
        std::string reason;
        const auto picture = decodeBmp(test::buildBmp(layout), &reason);
        ASSERT_TRUE(picture) << reason;
        EXPECT_EQ(picture->bitsPerPixel, layout.bitsPerPixel);
        EXPECT_EQ(picture->image, test::expectedImage(layout));
    }
}

TEST(BmpFile, ToleratesAMissingPadOnTheLastRowAndAShortColourTable) {
    test::BmpLayout layout = test::sampleLayouts()[3]; // 5 pixels of 24 bits: one pad byte a row
    layout.dropLastRowPadding = true;
    const auto picture = decodeBmp(test::buildBmp(layout));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->image, test::expectedImage(layout));

    test::BmpLayout shortTable = test::sampleLayouts()[2]; // 8 bits
    shortTable.palette.resize(4);
    shortTable.values.assign(shortTable.values.size(), 2);
    shortTable.values[0] = 200; // past the table
    const auto partial = decodeBmp(test::buildBmp(shortTable));
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->image.at(0, 0), kBlack);
    EXPECT_EQ(partial->image.at(1, 0), shortTable.palette[2]);
}

TEST(BmpFile, RefusesWhatItCannotShowWithAReasonBeforeAllocatingThePixels) {
    const test::BmpLayout good = test::sampleLayouts()[3];
    const auto variant = [&](auto change) {
        test::BmpLayout layout = good;
        change(layout);
        return test::buildBmp(layout);
    };
    // The file of `good` with a header claiming another size.
    const auto claiming = [&good](std::uint32_t width, std::uint32_t height) {
        std::vector<std::byte> bytes = test::buildBmp(good);
        for (std::size_t i = 0; i < 4; ++i) {
            bytes[18 + i] = static_cast<std::byte>(width >> (8 * i));
            bytes[22 + i] = static_cast<std::byte>(height >> (8 * i));
        }
        return bytes;
    };
    const std::string tooLarge = "the picture is larger than " + std::to_string(kMaxBmpSide) +
                                 " pixels a side or " + std::to_string(kMaxBmpPixels) + " pixels";
    std::vector<std::byte> cutPixels = test::buildBmp(good);
    cutPixels.resize(cutPixels.size() - 4);
    std::vector<std::byte> wrongMagic = test::buildBmp(good);
    std::vector<std::byte> cutHeader = test::buildBmp(good);
    cutHeader.resize(30);
    wrongMagic[0] = std::byte{'P'};

    const struct {
        const char* name;
        std::vector<std::byte> bytes;
        std::string reason;
    } cases[] = {
        {"empty", {}, "not a .bmp file"},
        {"not a bmp", wrongMagic, "not a .bmp file"},
        {"header cut", cutHeader, "the picture header is cut short"},
        {"16 bits", variant([](test::BmpLayout& s) {
             s.bitsPerPixel = 16;
             s.values.assign(s.values.size(), 0);
         }),
         "16-bit pictures are not supported"},
        {"run-length", variant([](test::BmpLayout& s) { s.compression = 1; }),
         "compressed pictures are not supported"},
        {"jpeg inside", variant([](test::BmpLayout& s) { s.compression = 4; }),
         "compressed pictures are not supported"},
        {"two planes", variant([](test::BmpLayout& s) { s.planes = 2; }),
         "the picture has 2 planes"},
        {"24-bit masks", variant([](test::BmpLayout& s) {
             s.compression = 3;
             s.masks = {0xFF0000, 0xFF00, 0xFF};
         }),
         "colour masks are supported for 32-bit pictures only"},
        {"unknown header", variant([](test::BmpLayout& s) { s.headerSize = 64; }),
         "unknown picture header of 64 bytes"},
        {"pixels cut", cutPixels, "the pixels are cut short"},
        {"no width", claiming(0, 3), "the picture has no pixels"},
        {"no height", claiming(5, 0), "the picture has no pixels"},
        {"too wide", claiming(kMaxBmpSide + 1, 1), tooLarge},
        {"too many pixels", claiming(8192, 8192), tooLarge},
        {"a big picture over a few bytes", claiming(4096, 4096), "the pixels are cut short"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string reason;
        const test::AllocationWatch watch;
        EXPECT_FALSE(decodeBmp(c.bytes, &reason));
        EXPECT_LT(watch.stats().totalBytes, 4096u) << "refused before allocating the pixels";
        EXPECT_EQ(reason, c.reason);
    }
}

TEST(BmpFile, WritesA24BitFileByteForByte) {
    PixelImage image(2, 2);
    image.at(0, 0) = {255, 0, 0};
    image.at(1, 0) = {0, 255, 0};
    image.at(0, 1) = {0, 0, 255};
    image.at(1, 1) = {1, 2, 3};
    const std::vector<std::byte> expected = test::bytesOf(std::string_view(
        "BM\x46\0\0\0\0\0\0\0\x36\0\0\0"             // file header: 70 bytes, pixels at 54
        "\x28\0\0\0\x02\0\0\0\x02\0\0\0\x01\0\x18\0" // 40-byte header, 2 x 2, 24 bits
        "\0\0\0\0\x10\0\0\0\x13\x0b\0\0\x13\x0b\0\0\0\0\0\0\0\0\0\0"
        "\xff\0\0\x03\x02\x01\0\0" // bottom row first, blue green red
        "\0\0\xff\0\xff\0\0\0",
        70));
    EXPECT_EQ(encodeBmp(image), expected);
    // Rows of 1 to 4 pixels take 1, 2, 3 and 0 bytes of padding.
    for (int width = 1; width <= 4; ++width) {
        test::BmpLayout layout;
        layout.width = width;
        layout.height = 2;
        for (int pixel = 0; pixel < 2 * width; ++pixel) {
            layout.values.push_back(0x0F1E2Du * static_cast<std::uint32_t>(pixel + 1));
        }
        EXPECT_EQ(encodeBmp(test::expectedImage(layout)), test::buildBmp(layout)) << width;
    }
}

TEST(BmpMutation, DamagedFilesAreReadOrRefusedWithoutCrashOrWildAllocation) {
    std::vector<std::vector<std::byte>> files;
    for (const test::BmpLayout& layout : test::sampleLayouts()) {
        files.push_back(test::buildBmp(layout));
    }
    // Offsets of the pixel offset, header size, width, height, depth,
    // compression and colour count.
    const std::size_t counts[] = {10, 14, 18, 22, 28, 30, 46};
    std::mt19937 random(777);
    int read = 0;
    int refused = 0;
    for (int round = 0; round < 30000; ++round) {
        const std::vector<std::byte>& original =
            files[static_cast<std::size_t>(round) % files.size()];
        const std::vector<std::byte> damaged = test::mutate(original, random, counts);
        std::optional<BmpPicture> picture;
        std::string reason;
        {
            const test::AllocationWatch watch;
            picture = decodeBmp(damaged, &reason);
            // A picture costs 3 bytes a pixel, and a 1-bit file holds 8 pixels a byte.
            ASSERT_LE(watch.stats().totalBytes, 24 * damaged.size() + 4096);
        }
        if (picture) {
            ++read;
            ASSERT_GT(picture->image.width(), 0);
            ASSERT_GT(picture->image.height(), 0);
        } else {
            ++refused;
            ASSERT_FALSE(reason.empty());
        }
    }
    EXPECT_GT(read, 1000);
    EXPECT_GT(refused, 1000);
}

} // namespace
} // namespace vh
