#include "board/pause_notice.h"
#include "tests/support/board_graphics.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kBoard{90, 120, 90};

TEST(PauseNotice, WhiteLettersOverAShadowStayInsideTheirRectangleInTheMiddle) {
    const Rect place{100, 200, 500, 260};
    for (const int scale : {1, 2}) {
        const auto s = static_cast<float>(scale);
        PixelImage area(600 * scale, 300 * scale, kBoard);
        drawPauseNotice(area, place, s);
        const Rect allowed = pauseNoticeRect(place, s);
        // Centred over the place, at the scale's size.
        EXPECT_NEAR((allowed.left + allowed.right) / 2, 300 * scale, 2 * scale);
        EXPECT_NEAR((allowed.top + allowed.bottom) / 2, 230 * scale, 2 * scale);
        EXPECT_TRUE(allowed.width() > 120 * scale && allowed.height() < 40 * scale);
        const auto count = [&](auto test) { return test::countPixels(area, {}, test); };
        EXPECT_EQ(
            count([&](int x, int y, Rgb p) { return p != kBoard && !allowed.contains(x, y); }), 0)
            << "drawn outside the rectangle the window repaints";
        EXPECT_GT(count([](int, int, Rgb p) { return p == kWhite; }), 0) << scale;
        EXPECT_GT(count([](int, int, Rgb p) { return p == kBlack; }), 0) << scale;
    }
}

} // namespace
} // namespace vh
