#include "board/coverage_mask.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

int total(const CoverageMask& mask) {
    int sum = 0;
    for (const std::uint8_t c : mask.coverage) {
        sum += c;
    }
    return sum;
}

TEST(CoverageMask, ATriangleCoversItsArea) {
    // A point 40 wide and 170 long, as on an 800-pixel board.
    const CoverageMask mask = triangleMask({10.0f, 15.0f}, {50.0f, 15.0f}, {30.0f, 185.0f});
    EXPECT_EQ(mask.left, 10);
    EXPECT_EQ(mask.top, 15);
    EXPECT_EQ(mask.width, 40);
    EXPECT_EQ(mask.height, 170);
    const double area = 40.0 * 170.0 / 2.0;
    EXPECT_NEAR(total(mask) / 255.0, area, area * 0.01);
    EXPECT_EQ(mask.at(20, 1), 255) << "inside near the base";
    EXPECT_EQ(mask.at(0, 160), 0) << "outside beside the apex";
}

TEST(CoverageMask, PaintingBlendsByCoverageAndClips) {
    CoverageMask mask;
    mask.left = -1;
    mask.top = 0;
    mask.width = 3;
    mask.height = 1;
    mask.coverage = {255, 255, 51};
    PixelImage image(2, 2, Rgb{0, 100, 250});
    paintCoverage(image, mask, 0, 1, Rgb{250, 0, 0});
    EXPECT_EQ(image.at(0, 1), (Rgb{250, 0, 0}));
    EXPECT_EQ(image.at(1, 1), (Rgb{50, 80, 200}));
    EXPECT_EQ(image.at(0, 0), (Rgb{0, 100, 250}));
    paintCoverage(image, mask, 100, 100, kWhite); // wholly outside
    paintCoverage(image, mask, -100, -100, kWhite);
    EXPECT_EQ(image.at(1, 0), (Rgb{0, 100, 250}));
}

TEST(CoverageMask, RectanglesAndFramesAreClipped) {
    PixelImage image(6, 5, kBlack);
    fillRect(image, {-3, -3, 2, 2}, kWhite);
    EXPECT_EQ(image.at(1, 1), kWhite);
    EXPECT_EQ(image.at(2, 1), kBlack);
    fillRect(image, {4, 3, 40, 40}, kWhite);
    EXPECT_EQ(image.at(5, 4), kWhite);
    fillRect(image, {7, 7, 9, 9}, kWhite);
    fillRect(image, {3, 3, 2, 2}, kWhite); // empty
    EXPECT_EQ(image.at(3, 3), kBlack);

    PixelImage framed(8, 8, kBlack);
    frameRect(framed, {1, 1, 7, 7}, 2, kWhite);
    for (const auto& [x, y, colour] : {std::tuple{1, 1, kWhite},
                                       {2, 4, kWhite},
                                       {3, 4, kBlack},
                                       {6, 6, kWhite},
                                       {5, 3, kWhite},
                                       {0, 0, kBlack},
                                       {7, 7, kBlack}}) {
        EXPECT_EQ(framed.at(x, y), colour) << x << "," << y;
    }
}

} // namespace
} // namespace vh
