#pragma once

#include "rules/board_position.h"
#include "rules/play_list.h"

#include <cstdint>
#include <vector>

namespace vh {

// A play of a list, by index, with the total of its static evaluation.
struct ScoredPlay {
    std::int32_t index = 0;
    std::int64_t total = 0;
};

// Scores every play of `list`, plays of `side`, by the static evaluation of the position after
// it, judged for `side`, and writes them to `order` highest total first; plays
// with equal totals keep their list order. `position` is used as working
// space and is back as it was on return.
void orderPlays(const PlayList& list, BoardPosition& position, int side, std::int32_t evalParamB,
                std::vector<ScoredPlay>& order);

} // namespace vh
