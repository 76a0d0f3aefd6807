#include "match/move_history.h"

namespace vh {

void MoveHistory::reset(bool sideZeroIsComputer, bool sideOneIsComputer) {
    cursor_ = 0;
    isComputer_ = {sideZeroIsComputer, sideOneIsComputer};
}

void MoveHistory::clear() {
    cursor_ = 0;
    total_ = 0;
}

void MoveHistory::startOverWhenFull() {
    if (cursor_ >= kCapacity - 1) {
        cursor_ = 0;
        total_ = 0;
    }
}

void MoveHistory::append(const Play& play, int side, int die1, int die2) {
    startOverWhenFull();
    const auto at = static_cast<std::size_t>(cursor_);
    copyPlay(plays_[at], play);
    sides_[at] = side;
    dice_[at] = {die1, die2};
    ++cursor_;
    total_ = cursor_;
}

void MoveHistory::writeCurrent(const Play* play, int side, int die1, int die2) {
    if (play != nullptr) {
        startOverWhenFull();
    }
    const auto at = static_cast<std::size_t>(cursor_);
    sides_[at] = side;
    dice_[at] = {die1, die2};
    if (play != nullptr) {
        copyPlay(plays_[at], *play);
    }
}

int MoveHistory::undoIndex() {
    if (cursor_ < 1) {
        return -1;
    }
    return --cursor_;
}

int MoveHistory::redoIndex() {
    if (total_ <= cursor_) {
        return -1;
    }
    return cursor_++;
}

std::optional<Play> MoveHistory::playAt(int index) const {
    if (!inRange(index)) {
        return std::nullopt;
    }
    return plays_[static_cast<std::size_t>(index)];
}

int MoveHistory::sideAt(int index) const {
    return inRange(index) ? sides_[static_cast<std::size_t>(index)] : -1;
}

int MoveHistory::dieAt(int index, int which) const {
    if (!inRange(index)) {
        return 0;
    }
    return dice_[static_cast<std::size_t>(index)][which == 0 ? 0 : 1];
}

bool MoveHistory::canUndo() const {
    for (int index = 0; index < cursor_; ++index) {
        if (!isComputer(sides_[static_cast<std::size_t>(index)])) {
            return true;
        }
    }
    return false;
}

Play reversedPlay(const Play& play) {
    Play reversed;
    reversed.count = play.count;
    for (std::int32_t i = 0; i < play.count; ++i) {
        CheckerMove move = play.moves[static_cast<std::size_t>(play.count - 1 - i)];
        std::swap(move.from, move.to);
        reversed.moves[static_cast<std::size_t>(i)] = move;
    }
    return reversed;
}

} // namespace vh
