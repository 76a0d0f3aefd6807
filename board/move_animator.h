#pragma once

#include "board/checker_stage.h"
#include "rules/play.h"

#include <cstdint>

namespace vh {

// Shows a play as checkers gliding one after another from their point to
// their destination at a constant speed, forwards or taken back. Each move
// is applied to the board record when its checker lands.
class MoveAnimator {
public:
    // Begins with move 0 of `play` (at least one move). `speed` is in pixels
    // per millisecond; `reverse` takes a play back (its moves already run
    // from the forward move's destination to its origin).
    void start(CheckerStage& stage, const Play& play, float speed, bool reverse, std::uint32_t now);
    // Advances to `now`; true once the whole play has been shown.
    bool step(CheckerStage& stage, std::uint32_t now);
    // Abandons the play (a new game is being set up).
    void stop() { currentMove_ = -1; }
    bool idle() const { return currentMove_ < 0; }

private:
    void beginMove(CheckerStage& stage, std::uint32_t now);
    void finishMove(CheckerStage& stage, const CheckerMove& move, int side, std::uint32_t now);

    Play play_;
    int currentMove_ = -1;
    float speed_ = 0.0f;
    std::uint32_t moveStart_ = 0;
    bool reverse_ = false;
};

} // namespace vh
