#include "board/move_animator.h"

#include "board/move_path.h"
#include "rules/side.h"

namespace vh {

void MoveAnimator::start(CheckerStage& stage, const Play& play, float speed, bool reverse,
                         std::uint32_t now) {
    copyPlay(play_, play);
    currentMove_ = 0;
    speed_ = speed;
    reverse_ = reverse;
    beginMove(stage, now);
}

void MoveAnimator::beginMove(CheckerStage& stage, std::uint32_t now) {
    liftChecker(stage, static_cast<int>(play_.moves[static_cast<std::size_t>(currentMove_)].from));
    moveStart_ = now;
}

bool MoveAnimator::step(CheckerStage& stage, std::uint32_t now) {
    if (currentMove_ < 0) {
        return true;
    }
    const CheckerMove& move = play_.moves[static_cast<std::size_t>(currentMove_)];
    const BoardPosition& position = stage.board().position;
    const int from = static_cast<int>(move.from);
    const int to = static_cast<int>(move.to);
    const int side = position[from].owner;
    const Rect startSlot = stage.slotRect(from, position[from].count);
    const Rect endSlot = stage.slotRect(to, position[to].count);
    const PathPosition at = positionAlongPath(
        {startSlot.left, startSlot.top}, {endSlot.left, endSlot.top}, speed_, now - moveStart_);
    if (at.arrived) {
        finishMove(stage, move, side, now);
    } else {
        stage.drawMovingChecker(at.position.x, at.position.y, side);
    }
    return false;
}

void MoveAnimator::finishMove(CheckerStage& stage, const CheckerMove& move, int side,
                              std::uint32_t now) {
    placeChecker(stage, static_cast<int>(move.to), side);
    if (reverse_ && move.hit == 1) {
        // Taking back a hit: the hit checker comes back from its bar.
        BoardPosition& position = stage.board().position;
        const int hitSide = otherSide(side);
        BoardEntry& from = position[static_cast<int>(move.from)];
        from.owner = hitSide;
        ++from.count;
        --position[barEntry(hitSide)].count;
        stage.render();
    }
    ++currentMove_;
    if (currentMove_ < play_.count) {
        beginMove(stage, now);
    } else {
        currentMove_ = -1;
    }
}

} // namespace vh
