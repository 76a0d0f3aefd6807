#pragma once

#include "ai/evaluation.h"
#include "ai/evaluation_cache.h"
#include "ai/search_statistics.h"
#include "rules/board_position.h"
#include "rules/play_list.h"

#include <cstdint>

namespace vh {

// What a roll without a legal play is worth to the side that cannot move.
inline constexpr Evaluation kNoPlayValue{-1000, -1000, -1000};

// The two-ply look-ahead seen from `side`, about to roll in `position`: for
// each of the 36 ordered rolls its best play (the first play of the highest
// static total, as the ordering puts it first; kNoPlayValue when the roll
// cannot be played), component by component summed and divided by 36
// (truncating toward zero). The value judges `side`.
//
// Same result as ordering every reply list and keeping the best of its first
// four, at a fraction of the work: a non-double's two orders of the dice give
// the same plays, listed as two halves in swapped order, so one generation
// serves both; a double's list is its first half listed twice; the best of the
// ordered head is the first play of the highest total, found in one pass
// without sorting; and a position reached again is not evaluated again.
//
// `list` and `cache` are working space (the cache is cleared first);
// `position` too, and is back as it was on return.
Evaluation expectedBestReply(PlayList& list, EvaluationCache& cache, BoardPosition& position,
                             int side, std::int32_t evalParamB, SearchStatistics& statistics);

} // namespace vh
