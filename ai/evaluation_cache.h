#pragma once

#include "ai/evaluation.h"
#include "rules/play.h"

#include <array>
#include <cstdint>
#include <memory>

namespace vh {

// Remembers the evaluations of the positions that plays from one position
// lead to. A reply list reaches the same position many times over (a double's
// moves in every order, a non-double's two dice either way round); the
// position a play leads to depends only on which checker moves it makes, from
// where to where, not on their order, so that set is the key. Valid for one
// starting position, one judged side and one evalParamB between clears.
class EvaluationCache {
public:
    EvaluationCache();

    // Forgets everything at once.
    void clear();

    // The remembered evaluation of the position after `play`, or null.
    const Evaluation* find(std::uint64_t key) const;
    void remember(std::uint64_t key, const Evaluation& value);

    // The play's moves as an unordered set: equal keys, equal positions.
    static std::uint64_t keyOf(const Play& play);

private:
    static constexpr std::size_t kSlots = std::size_t{1} << 14;
    static constexpr std::size_t kProbes = 8;

    struct Slot {
        std::uint64_t key = 0;
        Evaluation value;
        std::uint32_t generation = 0; // the slot is empty unless this is the current one
    };

    static std::size_t home(std::uint64_t key);

    std::unique_ptr<std::array<Slot, kSlots>> slots_;
    std::uint32_t generation_ = 1;
};

} // namespace vh
