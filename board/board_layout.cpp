#include "board/board_layout.h"

#include "rules/board_position.h"

#include <algorithm>

namespace vh {

Rect boardRectangle(int clientWidth, int availableHeight) {
    const int room = clientWidth - kPanelRoomWidth - kBoardRightMargin;
    int width = room;
    int height = scaled(width, 0.7f);
    if (availableHeight < height) {
        width = scaled(availableHeight, 1.4285715f);
        height = scaled(width, 0.7f);
    }
    const int left = kPanelRoomWidth + (room - width) / 2;
    const int top = scaled(availableHeight - height, 0.5f);
    return {left, top, left + width, top + height};
}

std::optional<BoardLayout> computeLayout(int width, int height) {
    BoardLayout layout;
    layout.width = width;
    layout.height = height;
    layout.frame = scaled(width, 0.025f);
    layout.point = (width - 3 * layout.frame) / 14;
    layout.pointHeight = scaled(height, 0.4f);
    layout.checker = layout.point - 4;
    layout.trayChecker = scaled(height - 2 * (layout.frame + layout.checker), 0.033333335f);
    const int halfHeight = (height - 2 * layout.frame) / 2;
    layout.upperEnd = layout.frame + halfHeight;
    layout.lowerStart = height - layout.frame - halfHeight;
    if (layout.checker < 1 || layout.pointHeight < 1 || layout.trayChecker < 1) {
        return std::nullopt;
    }
    return layout;
}

bool isUpperLocation(int location) {
    return (location >= 12 && location <= 23) || location == BAR_ONE || location == OFF_TWO;
}

Rect locationRect(const BoardLayout& l, int location) {
    const int f = l.frame;
    const int p = l.point;
    const int h = l.height;
    if (location >= 12 && location <= 17) {
        const int i = location - 12;
        return {f + i * p, f, f + (i + 1) * p, l.upperEnd};
    }
    if (location >= 18 && location <= 23) {
        const int i = location - 18;
        return {l.rightHalfLeft() + i * p, f, l.rightHalfLeft() + (i + 1) * p, l.upperEnd};
    }
    if (location >= 6 && location <= 11) {
        return {f + (11 - location) * p, l.lowerStart, f + (12 - location) * p, h - f};
    }
    if (location >= 0 && location <= 5) {
        return {l.rightHalfLeft() + (5 - location) * p, l.lowerStart,
                l.rightHalfLeft() + (6 - location) * p, h - f};
    }
    switch (location) {
    case BAR_ONE:
        return {f + l.half(), f, f + l.half() + l.bar(), l.upperEnd};
    case BAR_TWO:
        return {f + l.half(), l.lowerStart, f + l.half() + l.bar(), h - f};
    case OFF_TWO:
        return {l.trayLeft(), f, l.trayLeft() + l.tray(), l.upperEnd};
    case OFF_ONE:
        return {l.trayLeft(), l.lowerStart, l.trayLeft() + l.tray(), h - f};
    default:
        return {};
    }
}

namespace {

// Top of the j-th checker of a stack that grows down from the top frame.
int upperStackTop(const BoardLayout& l, int j) {
    const int d = l.checker;
    if (j < 5) {
        return l.frame + j * d + l.margin();
    }
    if (j < 9) {
        return l.frame + d / 2 + (j - 5) * d + l.margin();
    }
    return l.frame + (j - 9) * d + l.margin();
}

// Top of the j-th checker of a stack that grows up from the bottom frame.
int lowerStackTop(const BoardLayout& l, int j) {
    const int d = l.checker;
    const int bottom = l.height - l.frame;
    if (j < 5) {
        return bottom - (j + 1) * d - l.margin();
    }
    if (j < 9) {
        return bottom - d / 2 - (j - 4) * d - l.margin();
    }
    return bottom - (j - 8) * d - l.margin();
}

} // namespace

Rect slotRect(const BoardLayout& l, int location, int index) {
    const int d = l.checker;
    int left = 0;
    int top = 0;
    if (location == OFF_ONE || location == OFF_TWO) {
        left = l.trayLeft() + l.margin();
        top = location == OFF_ONE ? l.height - l.frame - (index + 1) * l.trayChecker
                                  : l.frame + index * l.trayChecker;
    } else if (location == BAR_ONE || location == BAR_TWO) {
        left = l.frame + l.half() + l.margin();
        top = location == BAR_ONE ? upperStackTop(l, index) : lowerStackTop(l, index);
    } else if (location >= 0 && location < kPointCount) {
        left = locationRect(l, location).left + l.margin();
        top = location >= 12 ? upperStackTop(l, index) : lowerStackTop(l, index);
    } else {
        return {};
    }
    return {left, top, left + d, top + d};
}

Rect stackCountRect(const BoardLayout& l, int location, int count) {
    const Rect last = slotRect(l, location, std::min(count, kCheckersPerSide) - 1);
    if (count < kCountedStack || last.empty()) {
        return {};
    }
    const int cell = l.checker / 2;
    if (location == OFF_ONE) {
        const int bottom = last.top - l.margin();
        return {l.trayLeft(), bottom - cell, l.trayLeft() + l.tray(), bottom};
    }
    if (location == OFF_TWO) {
        const int top = last.top + l.trayChecker + l.margin();
        return {l.trayLeft(), top, l.trayLeft() + l.tray(), top + cell};
    }
    const int top = last.top + (l.checker - cell) / 2;
    return {last.left, top, last.right, top + cell};
}

Rect cubeRect(const BoardLayout& l, int cubeValue, int owner, int ownerBarCount) {
    const int size = l.checker / 2;
    const int left = l.frame + l.half() + l.bar() / 2 - l.checker / 4;
    if (cubeValue == 1 || (owner != 0 && owner != 1)) {
        const int top = l.height / 2 - l.checker / 4;
        return {left, top, left + size, top + size};
    }
    // How far from the owner's frame its checkers on the bar reach.
    const bool upper = isUpperLocation(barEntry(owner));
    int reach = upper ? l.frame : l.height - l.frame;
    for (int j = 0; j < std::min(ownerBarCount, kCheckersPerSide); ++j) {
        const Rect slot = slotRect(l, barEntry(owner), j);
        reach = upper ? std::max(reach, slot.bottom) : std::min(reach, slot.top);
    }
    if (upper) {
        const int top = std::min(reach + l.margin(), l.upperEnd - size);
        return {left, top, left + size, top + size};
    }
    const int bottom = std::max(reach - l.margin(), l.lowerStart + size);
    return {left, bottom - size, left + size, bottom};
}

} // namespace vh
