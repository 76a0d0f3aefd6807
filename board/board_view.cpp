#include "board/board_view.h"

#include "board/cube_face.h"
#include "board/stack_marks.h"
#include "board/text_style.h"
#include "settings/settings_file.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace vh {
namespace {

// The most checkers a stack shows: a location never holds more.
constexpr int kMaxStack = kCheckersPerSide;

constexpr int kOutlineWidth = 2;
constexpr int kBevelPen = 6;

// A pen line kBevelPen wide along a row or column, centred on it, with flat
// ends at the given end points.
Rect verticalPen(int x, int y0, int y1) {
    return {x - kBevelPen / 2, std::min(y0, y1), x + kBevelPen / 2, std::max(y0, y1)};
}
Rect horizontalPen(int y, int x0, int x1) {
    return {std::min(x0, x1), y - kBevelPen / 2, std::max(x0, x1), y + kBevelPen / 2};
}

// The point numbers in the frame: bold digits about three fifths of the
// frame's free band (above the bevel) high, 14 pixels on a board 834 wide,
// with a light shadow below and right of the black digits, the pair centred
// in the band.
struct PointNumberStyle {
    int height = 14; // font cell
    int shadow = 2;  // shadow offset
    int top = 0;     // the shadow text's top in the upper band
};

PointNumberStyle pointNumberStyle(int frame) {
    PointNumberStyle look;
    const int band = std::max(1, frame - (kBevelPen - 1));
    look.height = std::clamp(static_cast<int>(0.94 * band), 10, 48);
    look.shadow = std::max(1, static_cast<int>(std::lround(look.height / 12.0)));
    // Digits fill about 0.17 to 0.81 of the cell.
    look.top = static_cast<int>(std::lround(band / 2.0 - 0.49 * look.height + look.shadow / 2.0));
    return look;
}

Rgb centrePixel(const PixelImage& image) {
    return image.empty() ? kBlack : image.at(image.width() / 2, image.height() / 2);
}

bool isSide(int owner) {
    return owner == 0 || owner == 1;
}

} // namespace

BoardView::BoardView(BoardRecord& board, std::filesystem::path programDirectory,
                     SettingsLoader loader)
    : board_(board), programDirectory_(std::move(programDirectory)), loader_(std::move(loader)) {
    if (!loader_) {
        loader_ = [](GameSettings& settings) { loadSettings(settings); };
    }
    loader_(settings_);
}

void BoardView::Layout(const Rect& rectangle) {
    GameSettings settings;
    loader_(settings);
    const std::optional<BoardLayout> layout = computeLayout(rectangle.width(), rectangle.height());
    if (!layout) {
        return;
    }
    settings_ = std::move(settings);
    rectangle_ = rectangle;
    layout_ = layout;
    bufferA_.Create(layout->width, layout->height);
    bufferB_.Create(layout->width, layout->height);
    pictures_.load(settings_, programDirectory_ / "Graphics");
    highlightColour1_ = kHighlightGreen;
    highlightColour2_ = kHighlightYellow;
    moving_ = {0, 0, layout->checker, layout->checker};
    movingDirty_ = moving_;
    scalePictures();
    prepareLayer();
}

void BoardView::scalePictures() {
    const BoardLayout& l = *layout_;
    for (std::size_t side = 0; side < 2; ++side) {
        stones_[side] = pictures_.checker[side].scaledTo(l.checker, l.checker);
        trayStones_[side] = pictures_.borneOff[side].scaledTo(l.checker, l.trayChecker);
        stoneFaces_[side] = centrePixel(stones_[side].picture().picture());
        traySeams_[side] = seamColour(centrePixel(trayStones_[side].picture().picture()));
    }
    for (std::size_t i = 0; i < cubeFaces_.size(); ++i) {
        cubeFaces_[i] = pictures_.cube[i].scaledTo(l.checker / 2, l.checker / 2);
    }
    // Every point of a row has the same triangle; its outline is made once,
    // for a point at x = 0.
    const auto f = static_cast<float>(l.frame);
    const auto p = static_cast<float>(l.point);
    const auto apex = static_cast<float>(l.point / 2);
    const auto h = static_cast<float>(l.height);
    const auto tip = static_cast<float>(l.pointHeight);
    upperOutline_ = triangleOutlineMask({0.0f, f}, {p, f}, {apex, f + tip}, kOutlineWidth);
    lowerOutline_ =
        triangleOutlineMask({0.0f, h - f}, {p, h - f}, {apex, h - f - tip}, kOutlineWidth);
}

void BoardView::prepareLayer() {
    const BoardLayout& l = *layout_;
    boardLayer_ = PixelImage(l.width, l.height);

    // Frame: stretched over the whole board, or cut from a larger picture.
    const CSurface& frame = pictures_.frame;
    if (frame.width() > 0 && frame.height() > 0) {
        if (frame.width() <= l.width) {
            frame.DrawStretched(boardLayer_, 0, 0, l.width, l.height, 0, 0, frame.width(),
                                frame.height());
        } else {
            frame.Draw(boardLayer_, 0, 0);
        }
    }

    // Field: the marble in both halves, stretched when it is at most half
    // the board's width, else cut from its top left corner.
    const CSurface& field = pictures_.field;
    const int fieldHeight = l.height - 2 * l.frame;
    if (field.width() > 0 && field.height() > 0) {
        for (const int left : {l.frame, l.rightHalfLeft()}) {
            if (field.width() <= l.width / 2) {
                field.DrawStretched(boardLayer_, left, l.frame, l.half(), fieldHeight, 0, 0,
                                    field.width(), field.height());
            } else {
                field.DrawPart(boardLayer_, 0, 0, l.half(), fieldHeight, left, l.frame);
            }
        }
    }

    if (settings_.showPipNumbers == 1) {
        drawPointNumbers(boardLayer_);
    }
    drawPoints(boardLayer_);
    fillRect(boardLayer_, LocationRect(OFF_ONE), trayColour(settings_.stoneColourA));
    fillRect(boardLayer_, LocationRect(OFF_TWO), trayColour(settings_.stoneColourB));
    drawBevels(boardLayer_);
}

void BoardView::drawPointNumbers(PixelImage& image) const {
    const BoardLayout& l = *layout_;
    const PointNumberStyle look = pointNumberStyle(l.frame);
    TextStyle shadow;
    shadow.height = look.height;
    shadow.bold = true;
    shadow.format = kTextCentre;
    shadow.colour = kPipNumberShadow;
    TextStyle ink = shadow;
    ink.colour = kPipNumberInk;
    const int width = look.height + 1;
    for (int point = 0; point < kPointCount; ++point) {
        const std::string number = std::to_string(point + 1);
        const int x = pointLeft(point) + l.point / 2 - width / 2;
        const int y = point >= 12 ? look.top : l.height - l.frame + kBevelPen - 1 + look.top;
        drawText(image, {x, y, x + width, y + look.height + 6}, number, shadow);
        drawText(image,
                 {x - look.shadow, y - look.shadow, x + width - look.shadow,
                  y + look.height + 6 - look.shadow},
                 number, ink);
    }
}

void BoardView::drawPoints(PixelImage& image) const {
    const BoardLayout& l = *layout_;
    const PipCodes codes = drawnPipCodes(settings_.pipColourA, settings_.pipColourB);
    const Rgb first = pointColour(codes.first);
    const Rgb second = pointColour(codes.second);
    const auto f = static_cast<float>(l.frame);
    const auto p = static_cast<float>(l.point);
    const auto apex = static_cast<float>(l.point / 2);
    const auto h = static_cast<float>(l.height);
    const auto tip = static_cast<float>(l.pointHeight);
    const CoverageMask upper = triangleMask({0.0f, f}, {p, f}, {apex, f + tip});
    const CoverageMask lower = triangleMask({0.0f, h - f}, {p, h - f}, {apex, h - f - tip});
    for (const int half : {l.frame, l.rightHalfLeft()}) {
        for (int column = 0; column < 6; ++column) {
            const int x = half + column * l.point;
            const bool even = column % 2 == 0;
            paintCoverage(image, upper, x, 0, even ? first : second);
            paintCoverage(image, lower, x, 0, even ? second : first);
        }
    }
}

void BoardView::drawHighlights(PixelImage& image) const {
    for (int point = 0; point < kPointCount; ++point) {
        const std::uint32_t flag = board_.highlights[static_cast<std::size_t>(point)];
        if (flag == 1 || flag == 2) {
            paintCoverage(image, isUpperLocation(point) ? upperOutline_ : lowerOutline_,
                          pointLeft(point), 0, flag == 1 ? highlightColour1_ : highlightColour2_);
        }
    }
    for (const int tray : {OFF_ONE, OFF_TWO}) {
        if (board_.highlights[static_cast<std::size_t>(tray)] == 2) {
            frameRect(image, LocationRect(tray), kOutlineWidth, highlightColour2_);
        }
    }
}

void BoardView::drawBevels(PixelImage& image) const {
    const BoardLayout& l = *layout_;
    const int f = l.frame;
    const int h = l.height;
    const std::array<std::array<int, 2>, 3> areas{{
        {f, f + l.half()},
        {l.rightHalfLeft(), l.rightHalfLeft() + l.half()},
        {l.trayLeft(), l.trayLeft() + l.tray()},
    }};
    for (const auto& [x, r] : areas) {
        fillRect(image, verticalPen(x - 3, f - 3, h - f), kBevelDark);
        fillRect(image, verticalPen(r + 2, f - 2, h - f + 1), kBevelLight);
        fillRect(image, horizontalPen(f - 2, x - 4, r + 2), kBevelDark);
        fillRect(image, horizontalPen(h - f + 2, x - 4, r + 2), kBevelLight);
    }
}

void BoardView::drawStack(PixelImage& image, int location, int side) const {
    const int count = std::min(board_.position[location].count, kMaxStack);
    const bool tray = location == OFF_ONE || location == OFF_TWO;
    const auto index = static_cast<std::size_t>(side);
    const CTransparentSurface& picture = tray ? trayStones_[index] : stones_[index];
    for (int j = 0; j < count; ++j) {
        const Rect slot = SlotRect(location, j);
        picture.Draw(image, slot.left, slot.top);
        if (tray && j > 0) {
            // Along the top of the lower checker of each pair.
            const int y = std::max(slot.top, SlotRect(location, j - 1).top);
            const int end = slot.width() / 10;
            fillRect(image, {slot.left + end, y, slot.right - end, y + 1}, traySeams_[index]);
        }
    }
    const Rect countPlace = vh::stackCountRect(*layout_, location, count);
    if (!countPlace.empty()) {
        const int stoneColour = side == 0 ? settings_.stoneColourA : settings_.stoneColourB;
        writeStackCount(image, countPlace, count,
                        tray ? trayColour(stoneColour) : stoneFaces_[index]);
    }
}

void BoardView::drawCheckers(PixelImage& image) const {
    for (const int first : {12, 18, 6, 0}) {
        for (int point = first; point < first + 6; ++point) {
            const int owner = board_.position[point].owner;
            if (isSide(owner)) {
                drawStack(image, point, owner);
            }
        }
    }
    drawStack(image, BAR_ONE, 0);
    drawStack(image, BAR_TWO, 1);
    drawStack(image, OFF_ONE, 0);
    drawStack(image, OFF_TWO, 1);
}

void BoardView::drawCube(PixelImage& image) const {
    const int owner = cubeOwner();
    const int ownerBarCount = isSide(owner) ? board_.position[barEntry(owner)].count : 0;
    const Rect place = cubeRect(*layout_, board_.cubeValue, owner, ownerBarCount);
    cubeFaces_[static_cast<std::size_t>(cubePicture())].Draw(image, place.left, place.top);
    if (!cubeHasOwnPicture(board_.cubeValue)) {
        writeCubeValue(image, place, board_.cubeValue);
    }
}

void BoardView::Compose() {
    if (!layout_) {
        return;
    }
    PixelImage& back = bufferB_.OpenContext();
    back = boardLayer_;
    const bool highlighted = std::any_of(board_.highlights.begin(), board_.highlights.end(),
                                         [](std::uint32_t flag) { return flag != 0; });
    if (highlighted) {
        drawHighlights(back);
        // The bevels lie over the outlines' outer edges.
        drawBevels(back);
    }
    drawCheckers(back);
    drawCube(back);
    bufferA_.OpenContext() = back;
}

void BoardView::Render() {
    if (!layout_) {
        return;
    }
    Compose();
    copyToWindow({0, 0, layout_->width, layout_->height});
}

Rect BoardView::LocationRect(int location) const {
    return layout_ ? vh::locationRect(*layout_, location) : Rect{};
}

Rect BoardView::SlotRect(int location, int index) const {
    return layout_ ? vh::slotRect(*layout_, location, index) : Rect{};
}

void BoardView::ClearHighlights() {
    bool anySet = false;
    for (std::uint32_t& flag : board_.highlights) {
        anySet = anySet || flag != 0;
        flag = 0;
    }
    if (anySet) {
        Render();
    }
}

Rect BoardView::LiftChecker(int location) {
    return liftChecker(*this, location);
}

void BoardView::PlaceChecker(int location, int side) {
    placeChecker(*this, location, side);
}

void BoardView::startMovingChecker(const Rect& slot) {
    moving_ = slot;
    movingDirty_ = slot;
}

Rect BoardView::DrawMovingChecker(int x, int y, int side) {
    if (x == moving_.left && y == moving_.top) {
        return movingDirty_;
    }
    const Rect moved{x, y, x + moving_.width(), y + moving_.height()};
    const Rect dirty = unite(moving_, moved);
    moving_ = moved;
    movingDirty_ = dirty;
    if (!layout_) {
        return dirty;
    }
    PixelImage& front = bufferA_.OpenContext();
    transferBlock(front, dirty.left, dirty.top, dirty.width(), dirty.height(), bufferB_.picture(),
                  dirty.left, dirty.top, RasterOp::SourceCopy);
    if (isSide(side)) {
        stones_[static_cast<std::size_t>(side)].Draw(front, x, y);
    }
    copyToWindow(dirty);
    return dirty;
}

void BoardView::copyToWindow(const Rect& area) {
    if (window_ == nullptr) {
        return;
    }
    // Only the part of the area on the board is copied.
    const Rect board{0, 0, layout_->width, layout_->height};
    const Rect clipped{std::max(area.left, board.left), std::max(area.top, board.top),
                       std::min(area.right, board.right), std::min(area.bottom, board.bottom)};
    if (clipped.empty()) {
        return;
    }
    transferBlock(*window_, rectangle_.left + clipped.left, rectangle_.top + clipped.top,
                  clipped.width(), clipped.height(), bufferA_.picture(), clipped.left, clipped.top,
                  RasterOp::SourceCopy);
    if (windowChanged_) {
        windowChanged_({rectangle_.left + clipped.left, rectangle_.top + clipped.top,
                        rectangle_.left + clipped.right, rectangle_.top + clipped.bottom});
    }
}

} // namespace vh
