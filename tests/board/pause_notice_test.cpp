#include "board/pause_notice.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kBoard{90, 120, 90};

int level(Rgb p) {
    return p.red + p.green + p.blue;
}

TEST(PauseNotice, WhiteLettersStandOverABlackShadowDownAndRight) {
    const Rect client{0, 0, 600, 300};
    // x0 = 300 - 50, y0 = 300 - 130; the white copy starts 2 pixels up-left.
    EXPECT_EQ(pauseNoticeRect(client, 1.0f), (Rect{248, 168, 500, 200}));
    for (const int scale : {1, 2}) {
        const auto s = static_cast<float>(scale);
        PixelImage area(600 * scale, 300 * scale, kBoard);
        drawPauseNotice(area, client, s);
        const Rect allowed = pauseNoticeRect(client, s);
        EXPECT_EQ(allowed, (Rect{248 * scale, 168 * scale, 500 * scale, 200 * scale}));

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
