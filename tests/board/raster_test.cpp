#include "board/raster.h"
#include "tests/board/bmp_builder.h"

#include <gtest/gtest.h>
#include <limits>

namespace vh {
namespace {

constexpr Rgb kGrey{90, 90, 90};

TEST(Raster, BlockTransfersAreClippedToBothPictures) {
    const PixelImage source = test::numbered(4, 3);
    const struct {
        const char* name;
        int destX, destY, width, height, sourceX, sourceY;
    } cases[] = {
        {"inside", 1, 1, 4, 3, 0, 0},
        {"off the left and top", -2, -1, 4, 3, 0, 0},
        {"off the right and bottom", 8, 6, 4, 3, 0, 0},
        {"source part", 0, 0, 2, 2, 2, 1},
        {"source reaching past its picture", 3, 3, 10, 10, 1, 1},
        {"source before its picture", 3, 3, 4, 4, -2, -2},
        {"nothing", 0, 0, 0, 5, 0, 0},
        {"negative size", 0, 0, -3, 2, 0, 0},
        {"wild", std::numeric_limits<int>::max(), std::numeric_limits<int>::min(),
         std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
         std::numeric_limits<int>::min(), std::numeric_limits<int>::max()},
        {"wild source", 0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
         std::numeric_limits<int>::min(), std::numeric_limits<int>::min()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PixelImage dest(10, 8, kGrey);
        transferBlock(dest, c.destX, c.destY, c.width, c.height, source, c.sourceX, c.sourceY,
                      RasterOp::SourceCopy);
        // Against the definition, pixel by pixel, in 64-bit arithmetic.
        for (int y = 0; y < dest.height(); ++y) {
            for (int x = 0; x < dest.width(); ++x) {
                const std::int64_t dx = std::int64_t{x} - c.destX;
                const std::int64_t dy = std::int64_t{y} - c.destY;
                const std::int64_t sx = c.sourceX + dx;
                const std::int64_t sy = c.sourceY + dy;
                const bool copied = dx >= 0 && dy >= 0 && dx < c.width && dy < c.height &&
                                    source.contains(static_cast<int>(sx), static_cast<int>(sy)) &&
                                    sx == static_cast<int>(sx) && sy == static_cast<int>(sy);
                const Rgb expected =
                    copied ? source.at(static_cast<int>(sx), static_cast<int>(sy)) : kGrey;
                ASSERT_EQ(dest.at(x, y), expected) << "at " << x << "," << y;
            }
        }
    }
}

TEST(Raster, OperationsCombineChannelByChannel) {
    const PixelImage source(1, 1, {0xF0, 0x0F, 0x55});
    const struct {
        RasterOp op;
        Rgb expected;
    } cases[] = {
        {RasterOp::SourceCopy, {0xF0, 0x0F, 0x55}},
        {RasterOp::SourcePaint, {0xF3, 0x3F, 0x77}},
        {RasterOp::AndNotSource, {0x03, 0x30, 0x22}},
    };
    for (const auto& c : cases) {
        PixelImage dest(1, 1, {0x33, 0x33, 0x33});
        dest.at(0, 0).blue = 0x66;
        transferBlock(dest, 0, 0, 1, 1, source, 0, 0, c.op);
        EXPECT_EQ(dest.at(0, 0), c.expected) << static_cast<int>(c.op);
    }
}

TEST(Raster, StretchingDoublesAndClips) {
    const PixelImage source = test::numbered(4, 2);

    PixelImage doubled(8, 4, kGrey);
    transferStretched(doubled, 0, 0, 8, 4, source, 0, 0, 4, 2, RasterOp::SourceCopy);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 8; ++x) {
            ASSERT_EQ(doubled.at(x, y), source.at(x / 2, y / 2)) << x << "," << y;
        }
    }

    // A stretch hanging over the edges draws the same pixels as an uncut one.
    PixelImage big(12, 8, kGrey);
    transferStretched(big, 0, 0, 12, 8, source, 0, 0, 4, 2, RasterOp::SourceCopy);
    PixelImage cut(5, 5, kGrey);
    transferStretched(cut, -4, -2, 12, 8, source, 0, 0, 4, 2, RasterOp::SourceCopy);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            ASSERT_EQ(cut.at(x, y), big.at(x + 4, y + 2)) << x << "," << y;
        }
    }
}

TEST(Raster, StretchingWithEmptyOrWildRectanglesIsHarmless) {
    const PixelImage source = test::numbered(3, 3);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const int rectangles[][8] = {
        {0, 0, 0, 4, 0, 0, 3, 3},
        {0, 0, 4, 4, 0, 0, 0, 3},
        {0, 0, -4, 4, 0, 0, 3, 3},
        {kMin, kMin, kMax, kMax, 0, 0, 3, 3},
        {0, 0, 4, 4, kMin, kMax, kMax, kMax},
        {kMax, kMax, kMax, kMax, 0, 0, 1, 1},
    };
    for (const auto& r : rectangles) {
        PixelImage dest(4, 4, kGrey);
        transferStretched(dest, r[0], r[1], r[2], r[3], source, r[4], r[5], r[6], r[7],
                          RasterOp::SourceCopy);
        PixelImage empty;
        transferStretched(empty, r[0], r[1], r[2], r[3], source, r[4], r[5], r[6], r[7],
                          RasterOp::SourcePaint);
        EXPECT_TRUE(empty.empty());
    }
    PixelImage dest(4, 4, kGrey);
    transferStretched(dest, 0, 0, 4, 4, PixelImage(), 0, 0, 3, 3, RasterOp::SourceCopy);
    EXPECT_EQ(dest, PixelImage(4, 4, kGrey));
}

TEST(Raster, SmoothResamplingAveragesOnShrinkingAndKeepsAPlainColour) {
    PixelImage board(8, 8);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            board.at(x, y) = (x + y) % 2 == 0 ? kWhite : kBlack;
        }
    }
    const PixelImage half = resampled(board, 4, 4);
    for (const Rgb p : half.pixels()) {
        EXPECT_NEAR(p.red, 128, 2) << "a checkerboard halves to an even grey";
    }
    EXPECT_EQ(resampled(PixelImage(3, 2, kGrey), 17, 9), PixelImage(17, 9, kGrey));
}

TEST(Raster, SmoothStretchingRefusesRectanglesOutsideThePicture) {
    const PixelImage source = test::numbered(4, 4);
    EXPECT_TRUE(resampled(source, 2, 0, 4, 4, 8, 8).empty());
    EXPECT_TRUE(resampled(source, -1, 0, 2, 2, 8, 8).empty());
    EXPECT_TRUE(resampled(source, 0, 0, 4, 4, 0, 8).empty());
    EXPECT_TRUE(resampled(PixelImage(), 4, 4).empty());
    // A source rectangle partly outside its picture leaves those pixels
    // alone; the smooth transfer falls back to nearest pixels for it.
    PixelImage expected(4, 1, kGrey);
    expected.at(0, 0) = source.at(2, 0);
    expected.at(1, 0) = source.at(3, 0);
    for (const StretchFilter filter : {StretchFilter::Nearest, StretchFilter::Smooth}) {
        PixelImage partly(4, 1, kGrey);
        transferStretched(partly, 0, 0, 4, 1, source, 2, 0, 4, 1, RasterOp::SourceCopy, filter);
        EXPECT_EQ(partly, expected) << static_cast<int>(filter);
    }
}

TEST(Raster, MaskedTransferWithPureMasksIsAndNotThenOr) {
    // Pictures that follow the mask rule (black where the mask is black) and
    // ones that do not: both give exactly the two-step result.
    PixelImage dest(6, 5);
    PixelImage picture(6, 5);
    PixelImage mask(6, 5);
    std::uint32_t seed = 7;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::uint8_t>(seed >> 16);
    };
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 6; ++x) {
            dest.at(x, y) = {next(), next(), next()};
            const bool opaque = (next() & 1) != 0;
            mask.at(x, y) = opaque ? kWhite : kBlack;
            picture.at(x, y) = opaque || x == 0 ? Rgb{next(), next(), next()} : kBlack;
        }
    }
    for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{-2, 1}, std::pair{3, -1}}) {
        PixelImage twoSteps = dest;
        transferBlock(twoSteps, dx, dy, 6, 5, mask, 0, 0, RasterOp::AndNotSource);
        transferBlock(twoSteps, dx, dy, 6, 5, picture, 0, 0, RasterOp::SourcePaint);
        PixelImage blended = dest;
        transferMasked(blended, dx, dy, 6, 5, picture, mask, 0, 0);
        EXPECT_EQ(blended, twoSteps) << dx << "," << dy;
    }
}

TEST(Raster, GreyMaskEdgesBlendByCoverage) {
    PixelImage dest(3, 1, Rgb{200, 100, 0});
    PixelImage picture(3, 1);
    PixelImage mask(3, 1);
    // A quarter-covered pixel: the picture holds its colour times the
    // coverage, as a masked picture's edge does.
    mask.at(1, 0) = {64, 64, 64};
    picture.at(1, 0) = {16, 60, 40};
    mask.at(2, 0) = {128, 128, 128};
    picture.at(2, 0) = {0, 0, 0};
    transferMasked(dest, 0, 0, 3, 1, picture, mask, 0, 0);
    EXPECT_EQ(dest.at(0, 0), (Rgb{200, 100, 0}));
    EXPECT_EQ(dest.at(1, 0), (Rgb{150 + 16, 75 + 60, 0 + 40}));
    EXPECT_EQ(dest.at(2, 0), (Rgb{100, 50, 0}));
}

} // namespace
} // namespace vh
