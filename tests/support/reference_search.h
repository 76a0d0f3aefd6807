#pragma once

#include "ai/evaluation.h"
#include "rules/board_position.h"
#include "rules/play.h"
#include "rules/play_list.h"

#include <cstdint>
#include <memory>

namespace vh::test {

// The look-ahead search written out plainly, step by step, as a yardstick for
// the engine: every reply list generated for each of the 36 ordered rolls and
// ordered in full, the first 4 replies looked at, no deadline. Ordering uses
// a stable sort by total (highest first). A playable roll is always worth at
// least its first ordered play, and the root always takes at least its first
// ordered candidate.
class ReferenceSearch {
public:
    ReferenceSearch(int maxDepth, std::int32_t evalParamB);
    ~ReferenceSearch();
    ReferenceSearch(ReferenceSearch&&) noexcept;
    ReferenceSearch& operator=(ReferenceSearch&&) noexcept;

    Play choose(const BoardPosition& position, int side, int die1, int die2);

    // node(position, side to move, depth) of the search; `expanded` tells
    // whether the value judges the side to move (true) or the side that
    // played last (false).
    Evaluation node(BoardPosition& position, int sideToMove, int depth, bool& expanded);

    std::int64_t evaluations() const { return evaluations_; }

private:
    struct Lists;

    void order(PlayList& list, BoardPosition& position, int side);

    int maxDepth_;
    std::int32_t evalParamB_;
    std::unique_ptr<Lists> lists_;
    std::int64_t evaluations_ = 0;
};

// The ordering exactly as first written: neighbours swapped when the earlier
// total is strictly lower, passes repeated until none swaps. Quadratic.
void bubbleOrder(PlayList& list, BoardPosition& position, int side, std::int32_t evalParamB);

} // namespace vh::test
