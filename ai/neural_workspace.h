#pragma once

#include "ai/neural_position_cache.h"
#include "neural/outcome.h"
#include "rules/play_list.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vh {

// A play of the root list judged by the network.
struct RankedPlay {
    std::int32_t index = 0;
    float equity = 0.0f;
    OutcomeChances chances{};
};

// The memory a neural search works in: the roll's plays, the replies a roll
// or two ahead (about 6.8 MB each), the ranking of the roll's plays and the
// positions already judged. Allocate it once per owner, on the heap, and lend it to each engine
// in turn; one search at a time may use it.
struct NeuralWorkspace {
    NeuralWorkspace() { ranked.reserve(PlayList::kCapacity); }

    PlayList list;
    PlayList replies;
    std::vector<RankedPlay> ranked;
    NeuralPositionCache cache;
};

inline std::unique_ptr<NeuralWorkspace> makeNeuralWorkspace() {
    return std::make_unique<NeuralWorkspace>();
}

} // namespace vh
