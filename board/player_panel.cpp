#include "board/player_panel.h"

#include "board/coverage_mask.h"
#include "board/text_style.h"
#include "platform/text_encoding.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace vh {
namespace {

// The panel's places in panel pixels (at scale 1).
constexpr int kMargin = 5;
constexpr Rect kPhoto{5, 5, 80, 105};
constexpr int kNameTop = 110;
constexpr int kLineHeight = 25; // name, then clock and pips, one line each
constexpr int kDiceLeft = 85;
constexpr int kCupTop = 5;
constexpr int kFirstDieTop = 3;
constexpr int kSecondDieTop = 56;
constexpr int kClockTextGap = 10; // clock text starts at the clock's width + 10
constexpr int kPanelFontHeight = 18;
// Where a press rolls when the cup picture is missing, so that a human can
// still reveal the dice: the room beside the photo.
constexpr int kCupFallbackWidth = 60;
constexpr int kCupFallbackHeight = 90;

constexpr Rgb kDarkStoneText{170, 170, 170};
constexpr Rgb kOtherText{255, 0, 0};

Rect scaledRect(const Rect& r, float scale) {
    return {roundedScale(r.left, scale), roundedScale(r.top, scale), roundedScale(r.right, scale),
            roundedScale(r.bottom, scale)};
}

CSurface scaledSurface(const CSurface& surface, float scale) {
    const int width = roundedScale(surface.width(), scale);
    const int height = roundedScale(surface.height(), scale);
    if (width == surface.width() && height == surface.height()) {
        CSurface copy;
        copy.Adopt(surface.picture(), surface.bitsPerPixel());
        return copy;
    }
    return surface.scaledTo(width, height);
}

CTransparentSurface scaledSprite(const CTransparentSurface& sprite, float scale) {
    return sprite.scaledTo(roundedScale(sprite.picture().width(), scale),
                           roundedScale(sprite.picture().height(), scale));
}

TextStyle panelStyle(int code, float scale) {
    TextStyle style;
    style.height = roundedScale(kPanelFontHeight, scale);
    style.bold = true;
    style.colour = panelTextColour(code);
    style.format = kTextLeft | kTextSingleLine;
    return style;
}

// The text cut to `width` at a whole character, ending in an ellipsis, when
// it is wider.
std::string fitted(const std::string& text, const TextStyle& style, int width) {
    if (textWidth(text, style) <= width) {
        return text;
    }
    static constexpr std::string_view kEllipsis = "\xE2\x80\xA6";
    std::string cut = text;
    while (!cut.empty()) {
        // Drop the last character with its UTF-8 continuation bytes.
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) {
            cut.pop_back();
        }
        if (!cut.empty()) {
            cut.pop_back();
        }
        while (!cut.empty() && cut.back() == ' ') {
            cut.pop_back();
        }
        if (textWidth(cut + std::string(kEllipsis), style) <= width) {
            return cut + std::string(kEllipsis);
        }
    }
    return {};
}

bool isDie(int value) {
    return value >= 1 && value <= 6;
}

} // namespace

Rgb panelTextColour(int code) {
    if (code == 1) {
        return kWhite;
    }
    return code == 2 ? kDarkStoneText : kOtherText;
}

PlayerPanelView::PlayerPanelView(std::filesystem::path graphicsFolder)
    : graphicsFolder_(std::move(graphicsFolder)) {
    clock_.Load(graphicsFolder_ / "Small Clock.bmp", graphicsFolder_ / "Small Clock Mask.bmp");
    for (std::size_t face = 0; face < dice_.size(); ++face) {
        dice_[face].Load(graphicsFolder_ / ("Die" + std::to_string(face + 1) + ".bmp"));
    }
    cup_.Load(graphicsFolder_ / "Dice Cup.bmp", graphicsFolder_ / "Dice Cup Mask.bmp");
    setPhoto({});
}

void PlayerPanelView::setPhoto(const std::filesystem::path& path) {
    const bool opens = !path.empty() && std::ifstream(path, std::ios::binary).is_open();
    photo_.Load(opens ? path : graphicsFolder_ / "Human.bmp");
    scaledValid_ = false;
}

const PlayerPanelView::ScaledPictures& PlayerPanelView::picturesFor(float scale) {
    if (scaledValid_ && scaled_.scale == scale) {
        return scaled_;
    }
    scaled_.scale = scale;
    const Rect photo = scaledRect(kPhoto, scale);
    scaled_.photo = photo_.scaledTo(photo.width(), photo.height());
    scaled_.clock = scaledSprite(clock_, scale);
    scaled_.cup = scaledSprite(cup_, scale);
    for (std::size_t face = 0; face < dice_.size(); ++face) {
        scaled_.dice[face] = scaledSurface(dice_[face], scale);
    }
    scaledValid_ = true;
    return scaled_;
}

namespace {

std::vector<std::string> matchLines(const PanelContent& content) {
    std::vector<std::string> lines;
    if (!content.matchScore.empty()) {
        lines.push_back(content.matchScore);
        if (content.crawford) {
            lines.emplace_back("Crawford");
        }
    }
    return lines;
}

} // namespace

void PlayerPanelView::draw(PixelImage& target, const PanelContent& content, float scale) {
    const ScaledPictures& pictures = picturesFor(scale);
    const int right = target.width();
    target.fill(kPanelBackground);

    pictures.photo.Draw(target, roundedScale(kPhoto.left, scale), roundedScale(kPhoto.top, scale));

    const TextStyle style = panelStyle(content.textColourCode, scale);
    const int left = roundedScale(kMargin, scale);
    const Rect name{left, roundedScale(kNameTop, scale), right,
                    roundedScale(kNameTop + kLineHeight, scale)};
    // A name too long for the panel ends in an ellipsis a margin short of the edge.
    drawText(target, name, fitted(utf8FromWindows1252(content.name), style, name.width() - left),
             style);

    int pipsTop = kNameTop + kLineHeight;
    if (content.timed) {
        const int clockTop = kNameTop + kLineHeight;
        pictures.clock.Draw(target, roundedScale(kMargin, scale), roundedScale(clockTop, scale));
        drawClockText(target, content, scale);
        lastClockSecond_ = content.clockMs / 1000;
        pipsTop += kLineHeight;
    }
    char pips[32];
    std::snprintf(pips, sizeof pips, "Pips To Go: %d", content.pipsToGo);
    drawText(
        target,
        {left, roundedScale(pipsTop, scale), right, roundedScale(pipsTop + kLineHeight, scale)},
        pips, style);
    // "Crawford" goes where the Offer Double button lies: no double may be
    // offered in that game.
    int lineTop = pipsTop;
    for (const std::string& line : matchLines(content)) {
        lineTop += kLineHeight;
        drawText(
            target,
            {left, roundedScale(lineTop, scale), right, roundedScale(lineTop + kLineHeight, scale)},
            fitted(line, style, right - 2 * left), style);
    }

    if (showsCup(content)) {
        pictures.cup.Draw(target, roundedScale(kDiceLeft, scale), roundedScale(kCupTop, scale));
    } else if (showsDice(content)) {
        const int x = roundedScale(kDiceLeft, scale);
        if (isDie(content.die1)) {
            pictures.dice[static_cast<std::size_t>(content.die1 - 1)].Draw(
                target, x, roundedScale(kFirstDieTop, scale));
        }
        if (isDie(content.die2)) {
            pictures.dice[static_cast<std::size_t>(content.die2 - 1)].Draw(
                target, x, roundedScale(kSecondDieTop, scale));
        }
    }
}

bool PlayerPanelView::refreshClock(PixelImage& target, const PanelContent& content, float scale) {
    const std::int64_t second = content.clockMs / 1000;
    if (!content.timed || second == lastClockSecond_) {
        return false;
    }
    fillRect(target, clockTextRect(target.width(), scale), kPanelBackground);
    drawClockText(target, content, scale);
    lastClockSecond_ = second;
    return true;
}

void PlayerPanelView::drawClockText(PixelImage& target, const PanelContent& content,
                                    float scale) const {
    drawText(target, clockTextRect(target.width(), scale), clockText(content.clockMs),
             panelStyle(content.textColourCode, scale));
}

Rect PlayerPanelView::cupRect(float scale) const {
    const CSurface& cup = cup_.picture();
    const bool missing = cup.width() <= 0 || cup.height() <= 0;
    const int left = roundedScale(kDiceLeft, scale);
    const int top = roundedScale(kCupTop, scale);
    return {left, top, left + roundedScale(missing ? kCupFallbackWidth : cup.width(), scale),
            top + roundedScale(missing ? kCupFallbackHeight : cup.height(), scale)};
}

bool PlayerPanelView::cupHit(int x, int y, float scale) const {
    const Rect cup = cupRect(scale);
    return x > cup.left && x < cup.right && y > cup.top && y < cup.bottom;
}

Rect PlayerPanelView::clockTextRect(int panelWidth, float scale) const {
    const int top = kNameTop + kLineHeight;
    return {roundedScale(clock_.picture().width() + kClockTextGap, scale), roundedScale(top, scale),
            panelWidth, roundedScale(top + kLineHeight, scale)};
}

std::string PlayerPanelView::clockText(std::uint32_t ms) {
    const std::uint32_t minutes = ms / 60000;
    const std::uint32_t seconds = (ms - minutes * 60000) / 1000;
    char text[32];
    std::snprintf(text, sizeof text, seconds < 10 ? "(%u:0%u)" : "(%u:%u)", minutes, seconds);
    return text;
}

bool PlayerPanelView::showsCup(const PanelContent& content) {
    return content.active && !content.isComputer && !content.diceShown;
}

bool PlayerPanelView::showsDice(const PanelContent& content) {
    return content.active && content.diceShown;
}

} // namespace vh
