#include "board/pause_notice.h"

#include "board/text_style.h"

#include <cmath>

namespace vh {
namespace {

constexpr int kLeftOfMiddle = 50;
constexpr int kAboveBottom = 130;
constexpr int kWidth = 250;
constexpr int kHeight = 30;
constexpr int kShadowOffset = 2;
constexpr int kFontHeight = 24;

int px(int length, float scale) {
    return static_cast<int>(std::lround(static_cast<double>(length) * scale));
}

Point noticeOrigin(const Rect& client) {
    return {(client.left + client.right) / 2 - kLeftOfMiddle, client.bottom - kAboveBottom};
}

Rect scaledRect(int left, int top, int right, int bottom, float scale) {
    return {px(left, scale), px(top, scale), px(right, scale), px(bottom, scale)};
}

} // namespace

void drawPauseNotice(PixelImage& target, const Rect& client, float scale) {
    static constexpr char kText[] = "- Game Paused -";
    const Point origin = noticeOrigin(client);
    TextStyle style;
    style.height = px(kFontHeight, scale);
    style.bold = true;
    style.format = kTextLeft | kTextSingleLine;
    style.colour = kBlack;
    drawText(target, scaledRect(origin.x, origin.y, origin.x + kWidth, origin.y + kHeight, scale),
             kText, style);
    style.colour = kWhite;
    drawText(target,
             scaledRect(origin.x - kShadowOffset, origin.y - kShadowOffset, origin.x + kWidth,
                        origin.y + kHeight, scale),
             kText, style);
}

Rect pauseNoticeRect(const Rect& client, float scale) {
    const Point origin = noticeOrigin(client);
    return scaledRect(origin.x - kShadowOffset, origin.y - kShadowOffset, origin.x + kWidth,
                      origin.y + kHeight, scale);
}

} // namespace vh
