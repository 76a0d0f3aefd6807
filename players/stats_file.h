#pragma once

#include "players/player_record.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace vh {

inline constexpr std::size_t kPlayerBlockSize = 4396; // without its games
inline constexpr std::size_t kGameBlockSize = 132;

// Data/Stats.dat: the player count, then each player's block followed by its
// games, newest first. The cash written is the record's; reading ignores it.
std::vector<std::byte> encodeStats(std::span<const PlayerRecord* const> records);
std::vector<std::byte> encodeStats(std::span<const PlayerRecord> records);

struct DecodedStats {
    // In file order, each with its history as the file holds it (newest
    // first) and durations set; photos and totals are not touched.
    std::vector<PlayerRecord> records;
    // Empty when the bytes held every player their count promises (bytes
    // after the last one are ignored); otherwise what was wrong. The records
    // read completely before the damage are kept.
    std::string damage;
};

// Never trusts a count: a negative one, or one larger than the bytes left
// could hold, reads only the complete records that are there.
DecodedStats decodeStats(std::span<const std::byte> bytes);

} // namespace vh
