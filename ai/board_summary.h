#pragma once

#include "ai/evaluation.h"
#include "rules/board_position.h"
#include "rules/play.h"

#include <array>
#include <cstdint>

namespace vh {

// What the evaluation reads of a position, per side: which points it holds,
// which it has made (two or more) and where its blots are, as bit masks by
// point, with its pips, bar and borne-off counts. Gathered in one pass over the
// position, then kept up to date move by move, so that the many positions a
// search looks at one play apart need not be read whole again.
struct BoardSummary {
    std::array<std::uint32_t, 2> held{};
    std::array<std::uint32_t, 2> made{};
    std::array<std::uint32_t, 2> blots{};
    std::array<std::int32_t, 2> pips{};
    std::array<std::int32_t, 2> onBar{};
    std::array<std::int32_t, 2> bornOff{};

    friend bool operator==(const BoardSummary&, const BoardSummary&) = default;
};

BoardSummary summarize(const BoardPosition& position);

// The evaluation of the summarised position for `side`; the same as
// evaluate() on the position. The summary is all the evaluation reads, so
// positions with equal summaries have equal evaluations.
Evaluation evaluate(const BoardSummary& summary, int side, std::int32_t evalParamB);

// The summary of the position after `play`, made by `mover`, where `summary`
// describes `position`. Works out what the play changes without making it on
// the position.
BoardSummary summaryAfterPlay(const BoardSummary& summary, const BoardPosition& position,
                              const Play& play, int mover);

// The evaluation for `side` of the position after `play`, made by `mover`,
// where `summary` describes `position`. Works out what the play changes
// without making it on the position.
Evaluation evaluateAfterPlay(const BoardSummary& summary, const BoardPosition& position,
                             const Play& play, int mover, int side, std::int32_t evalParamB);

} // namespace vh
