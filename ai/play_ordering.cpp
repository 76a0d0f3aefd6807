#include "ai/play_ordering.h"

#include "ai/board_summary.h"

#include <algorithm>

namespace vh {

void orderPlays(const PlayList& list, BoardPosition& position, int side, std::int32_t evalParamB,
                std::vector<ScoredPlay>& order) {
    order.resize(static_cast<std::size_t>(list.count));
    const BoardSummary summary = summarize(position);
    for (std::int32_t index = 0; index < list.count; ++index) {
        const Evaluation value =
            evaluateAfterPlay(summary, position, list[index], side, side, evalParamB);
        order[static_cast<std::size_t>(index)] = {index, value.total()};
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const ScoredPlay& a, const ScoredPlay& b) { return a.total > b.total; });
}

} // namespace vh
