#pragma once

#include "ai/evaluation_cache.h"
#include "ai/play_ordering.h"
#include "rules/play_list.h"

#include <memory>
#include <vector>

namespace vh {

// The memory one search works in: a play list (about 6.8 MB), the scores of
// the root list and the evaluations remembered while replies are scored. Allocate it once per
// owner, on the heap, and lend it to each engine in turn; one search at a time may use it.
struct SearchWorkspace {
    SearchWorkspace() { order.reserve(PlayList::kCapacity); }

    PlayList list;
    std::vector<ScoredPlay> order;
    EvaluationCache cache;
};

inline std::unique_ptr<SearchWorkspace> makeSearchWorkspace() {
    return std::make_unique<SearchWorkspace>();
}

} // namespace vh
