#include "ai/evaluation_cache.h"

#include "rules/board_position.h"

#include <utility>

namespace vh {

EvaluationCache::EvaluationCache() : slots_(std::make_unique<std::array<Slot, kSlots>>()) {}

void EvaluationCache::clear() {
    ++generation_;
    if (generation_ == 0) {
        // After 2^32 clears, stale generations could look current again.
        for (Slot& slot : *slots_) {
            slot.generation = 0;
        }
        generation_ = 1;
    }
}

std::uint64_t EvaluationCache::keyOf(const Play& play) {
    // Each move as from x 28 + to (10 bits); missing moves sort last.
    constexpr std::uint32_t kNoMove = 0x3FF;
    std::array<std::uint32_t, kMaxMovesPerPlay> moves{kNoMove, kNoMove, kNoMove, kNoMove};
    for (std::int32_t index = 0; index < play.count && index < kMaxMovesPerPlay; ++index) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(index)];
        moves[static_cast<std::size_t>(index)] = move.from * kEntryCount + move.to;
    }
    const auto order = [&moves](std::size_t a, std::size_t b) {
        if (moves[b] < moves[a]) {
            std::swap(moves[a], moves[b]);
        }
    };
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
    return std::uint64_t{moves[0]} | std::uint64_t{moves[1]} << 10 | std::uint64_t{moves[2]} << 20 |
           std::uint64_t{moves[3]} << 30;
}

std::size_t EvaluationCache::home(std::uint64_t key) {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> 50) & (kSlots - 1);
}

const Evaluation* EvaluationCache::find(std::uint64_t key) const {
    const std::size_t start = home(key);
    for (std::size_t probe = 0; probe < kProbes; ++probe) {
        const Slot& slot = (*slots_)[(start + probe) & (kSlots - 1)];
        if (slot.generation != generation_) {
            return nullptr;
        }
        if (slot.key == key) {
            return &slot.value;
        }
    }
    return nullptr;
}

void EvaluationCache::remember(std::uint64_t key, const Evaluation& value) {
    const std::size_t start = home(key);
    std::size_t target = start;
    for (std::size_t probe = 0; probe < kProbes; ++probe) {
        const std::size_t index = (start + probe) & (kSlots - 1);
        if ((*slots_)[index].generation != generation_) {
            target = index;
            break;
        }
    }
    (*slots_)[target] = {key, value, generation_};
}

} // namespace vh
