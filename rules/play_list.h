#pragma once

#include "rules/play.h"

#include <array>
#include <cstdint>

namespace vh {

// Every legal play for one roll. One list takes about 6.8 MB: keep it on the
// heap or on a worker thread's large stack, never on the main thread's stack.
struct PlayList {
    static constexpr std::int32_t kCapacity = 100000;
    // The generator stores no more than this; the slot after the last stored
    // play is its scratch space while it builds the next one.
    static constexpr std::int32_t kMaxStoredPlays = 99998;

    std::int32_t count = 0;
    std::array<Play, kCapacity> plays;

    const Play& operator[](std::int32_t index) const {
        return plays[static_cast<std::size_t>(index)];
    }
    Play& operator[](std::int32_t index) { return plays[static_cast<std::size_t>(index)]; }
    const Play* begin() const { return plays.data(); }
    const Play* end() const { return plays.data() + count; }
};

} // namespace vh
