#include "board/checker_stage.h"

#include "board/board_layout.h"

namespace vh {

Rect liftChecker(CheckerStage& stage, int location) {
    BoardEntry& entry = stage.board().position[location];
    const Rect slot = stage.slotRect(location, entry.count - 1);
    stage.startMovingChecker(slot);
    stage.setLiftedFrom(location);
    --entry.count;
    stage.render();
    return slot;
}

int entryAt(const CheckerStage& stage, int x, int y) {
    for (int location = 0; location < kEntryCount; ++location) {
        if (stage.locationRect(location).contains(x, y)) {
            return location;
        }
    }
    return -1;
}

int checkerSize(const CheckerStage& stage) {
    return stage.slotRect(0, 0).width();
}

void placeChecker(CheckerStage& stage, int location, int side) {
    BoardPosition& position = stage.board().position;
    BoardEntry& entry = position[location];
    if (location < kPointCount && entry.count >= 1 && entry.owner != side &&
        (entry.owner == 0 || entry.owner == 1)) {
        --entry.count;
        ++position[barEntry(entry.owner)].count;
    }
    entry.owner = side;
    ++entry.count;
    stage.setLiftedFrom(-1);
    stage.render();
}

namespace {

// The layout of the 800-pixel window's board: a headless stage moves
// checkers at the same pace as a window of that size.
const BoardLayout& headlessLayout() {
    static const BoardLayout layout = *computeLayout(610, 426);
    return layout;
}

} // namespace

HeadlessStage::HeadlessStage(BoardRecord& board) : board_(board) {}

Rect HeadlessStage::slotRect(int location, int index) const {
    return vh::slotRect(headlessLayout(), location, index);
}

Rect HeadlessStage::locationRect(int location) const {
    return vh::locationRect(headlessLayout(), location);
}

Rect HeadlessStage::drawMovingChecker(int x, int y, int) {
    const Rect moved{x, y, x + moving_.width(), y + moving_.height()};
    const Rect dirty = unite(moving_, moved);
    moving_ = moved;
    return dirty;
}

} // namespace vh
