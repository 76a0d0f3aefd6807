#pragma once

#include "rules/board_position.h"

#include <cstdint>

namespace vh {

// A 64-bit digest of where the checkers stand: positions that samePlacement
// calls equal digest alike (the owner of an empty point is ignored).
inline std::uint64_t placementHash(const BoardPosition& position) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (int index = 0; index < kEntryCount; ++index) {
        const BoardEntry& entry = position[index];
        const std::uint64_t owner = entry.count >= 1 && entry.owner == 1 ? 0x80u : 0u;
        hash ^= static_cast<std::uint64_t>(entry.count) | owner;
        hash *= 0x100000001B3ull;
    }
    hash ^= hash >> 29;
    hash *= 0xBF58476D1CE4E5B9ull;
    return hash ^ (hash >> 32);
}

} // namespace vh
