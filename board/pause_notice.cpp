#include "board/pause_notice.h"

#include "board/text_style.h"

namespace vh {
namespace {

constexpr char kText[] = "- Game Paused -";
constexpr int kShadowOffset = 2;
constexpr int kNoticeFontHeight = 24;

TextStyle noticeStyle(float scale) {
    TextStyle style;
    style.height = roundedScale(kNoticeFontHeight, scale);
    style.bold = true;
    style.format = kTextLeft | kTextSingleLine;
    return style;
}

// The white letters' rectangle, in physical pixels.
Rect letters(const Rect& area, float scale) {
    const TextStyle style = noticeStyle(scale);
    const int width = textWidth(kText, style);
    const int height = lineHeight(style);
    const int left = roundedScale(area.left + area.right, scale) / 2 - width / 2;
    const int top = roundedScale(area.top + area.bottom, scale) / 2 - height / 2;
    return {left, top, left + width, top + height};
}

} // namespace

void drawPauseNotice(PixelImage& target, const Rect& area, float scale) {
    const Rect white = letters(area, scale);
    const int shadow = roundedScale(kShadowOffset, scale);
    TextStyle style = noticeStyle(scale);
    style.colour = kBlack;
    drawText(target,
             {white.left + shadow, white.top + shadow, white.right + shadow, white.bottom + shadow},
             kText, style);
    style.colour = kWhite;
    drawText(target, white, kText, style);
}

Rect pauseNoticeRect(const Rect& area, float scale) {
    const Rect white = letters(area, scale);
    const int shadow = roundedScale(kShadowOffset, scale);
    return {white.left, white.top, white.right + shadow, white.bottom + shadow};
}

} // namespace vh
