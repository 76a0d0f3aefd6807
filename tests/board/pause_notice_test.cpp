#include "board/pause_notice.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kBoard{90, 120, 90};

int level(Rgb p) {
    return p.red + p.green + p.blue;
}

TEST(PauseNotice, WhiteLettersStandOverABlackShadowDownAndRightInTheMiddle) {
    const Rect place{100, 200, 500, 260};
    for (const int scale : {1, 2}) {
        const auto s = static_cast<float>(scale);
        PixelImage area(600 * scale, 300 * scale, kBoard);
        drawPauseNotice(area, place, s);
        const Rect allowed = pauseNoticeRect(place, s);
        // Centred over the place, at the scale's size.
        EXPECT_NEAR((allowed.left + allowed.right) / 2, 300 * scale, 2 * scale);
        EXPECT_NEAR((allowed.top + allowed.bottom) / 2, 230 * scale, 2 * scale);
        EXPECT_GT(allowed.width(), 120 * scale);
        EXPECT_LT(allowed.height(), 40 * scale);

        Rect ink{area.width(), area.height(), -1, -1};
        bool whiteOverShadow = false;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                if (area.at(x, y) == kBoard) {
                    continue;
                }
                ASSERT_TRUE(allowed.contains(x, y)) << scale << ": " << x << "," << y;
                ink = unite(ink, {x, y, x + 1, y + 1});
                // A wholly white pixel whose shadow twin up-left is also wholly
                // white lies on the shadow's ink: white was drawn last.
                const int d = 2 * scale;
                whiteOverShadow =
                    whiteOverShadow || (area.at(x, y) == kWhite && area.at(x - d, y - d) == kWhite);
            }
        }
        EXPECT_TRUE(whiteOverShadow) << scale;
        // The top row and left column hold only white ink, the bottom row and
        // right column only shadow.
        for (int x = ink.left; x < ink.right; ++x) {
            const Rgb top = area.at(x, ink.top);
            const Rgb bottom = area.at(x, ink.bottom - 1);
            EXPECT_TRUE(top == kBoard || level(top) > level(kBoard)) << scale << ": " << x;
            EXPECT_TRUE(bottom == kBoard || level(bottom) < level(kBoard)) << scale << ": " << x;
        }
        for (int y = ink.top; y < ink.bottom; ++y) {
            const Rgb left = area.at(ink.left, y);
            const Rgb right = area.at(ink.right - 1, y);
            EXPECT_TRUE(left == kBoard || level(left) > level(kBoard)) << scale << ": " << y;
            EXPECT_TRUE(right == kBoard || level(right) < level(kBoard)) << scale << ": " << y;
        }
    }
}

} // namespace
} // namespace vh
