#pragma once

#include "board/geometry.h"

#include <optional>

namespace vh {

// Room left of the board for the two player panels, and right of it.
inline constexpr int kPanelRoomWidth = 175;
inline constexpr int kBoardRightMargin = 15;

// Where the board goes in the window's board area (below the toolbar, above
// the status bar): 175 pixels in from the left, 15 from the right, 7:10 high.
// When the height does not allow that width, the board is shrunk to fit it,
// and the board with the panels' room is centred across the width. It is
// always centred vertically.
Rect boardRectangle(int clientWidth, int availableHeight);

// The board's geometry for a board of width x height pixels:
//   frame | left half (6 points) | bar | right half (6 points) | frame | tray | frame
struct BoardLayout {
    int width = 0;       // W
    int height = 0;      // H
    int frame = 0;       // F
    int point = 0;       // P, also the bar and tray width
    int pointHeight = 0; // length of a point's triangle
    int checker = 0;     // D, a checker's size
    int trayChecker = 0; // V, the height of one borne-off checker
    int upperEnd = 0;    // mU: where the upper locations end
    int lowerStart = 0;  // mL: where the lower locations begin

    int bar() const { return point; }
    int tray() const { return point; }
    int half() const { return 6 * point; }
    int rightHalfLeft() const { return frame + half() + bar(); }
    int trayLeft() const { return 2 * frame + 12 * point + bar(); }
    // The gap between a checker and the sides of its point.
    int margin() const { return (point - checker) / 2; }
};

// The layout of a width x height board, or nothing when the board is too
// small to hold a checker (the caller keeps its previous layout).
std::optional<BoardLayout> computeLayout(int width, int height);

// The smallest board the layout is drawn for, and the window size that gives it.
inline constexpr int kMinimumBoardWidth = 300;
inline constexpr int kMinimumBoardHeight = 209; // trunc(300 x 0.7f)
inline constexpr int kMinimumClientWidth = kPanelRoomWidth + kMinimumBoardWidth + kBoardRightMargin;
// The smallest board area (client height less toolbar and status bar) that
// still holds the smallest board at its full width.
inline constexpr int kMinimumAvailableHeight = 210;

// The area of a location (0-23 points, 24/25 bars, 26/27 trays) in board
// coordinates, used for hit-testing and tray fills; empty for other indices.
Rect locationRect(const BoardLayout& layout, int location);

// The j-th checker (from 0) of a location's stack, D x D. Stacks lie in three
// layers: five from the frame, four offset by half a checker, then again
// from the frame. Borne-off checkers stack V apart in the trays.
Rect slotRect(const BoardLayout& layout, int location, int index);

// The doubling cube, half a checker square on the bar. While it is centred
// (value 1, or nobody owns it) it lies in the bar's middle. An owned cube lies
// in its owner's half of the bar, towards the owner's player panel (side 0
// above, side 1 below): at the frame end, or just past the owner's checkers
// on the bar, but never beyond the middle.
Rect cubeRect(const BoardLayout& layout, int cubeValue, int owner, int ownerBarCount);

// A stack shows its count once its checkers no longer fit side by side: from
// the sixth on, on points, bars and trays alike.
inline constexpr int kCountedStack = 6;

// Where the count of a stack of `count` checkers is written, a text cell high:
// across the middle of the last-drawn checker of a point or bar, in a tray
// just past the stack, towards the board's middle. Empty for a stack that
// shows no count.
Rect stackCountRect(const BoardLayout& layout, int location, int count);

// True for locations drawn from the top edge: points 12-23, side 0's bar,
// side 1's tray.
bool isUpperLocation(int location);

} // namespace vh
