#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vh {

inline constexpr std::size_t kPlayerNameSize = 32;

// One finished game as filed under a human player; per-side arrays are
// indexed by side (0 is Player 1, 1 is Player 2).
struct GameResult {
    std::array<std::string, 2> names;
    std::array<std::int32_t, 2> isComputer{};
    std::array<std::int32_t, 2> bet{};         // the match bet at the end, dollars
    std::array<std::int32_t, 2> stoneColour{}; // the settings' stone colour codes
    std::array<std::int32_t, 2> lost{};        // 1 for the side that lost
    std::array<std::int32_t, 2> money{};       // dollars won (+) or lost (-)
    std::int32_t resultKind = 1;               // 1 single game, 2 gammon, 3 backgammon
    std::int32_t cubeValue = 1;
    std::int32_t duration = 0;   // milliseconds; not stored, endTime - startTime
    std::int32_t day = 1;        // 1..31
    std::int32_t month = 0;      // 0 January .. 11 December
    std::int32_t year = 0;       // e.g. 2004
    std::uint32_t startTime = 0; // local time of day, ms since midnight (wraps before midnight)
    std::uint32_t endTime = 0;

    // The first side whose name is exactly `name`, or -1.
    int sideOf(std::string_view name) const;

    bool operator==(const GameResult&) const = default;
};

// True when `game` is older than `other`: by year, month, day, then start time.
bool isOlderThan(const GameResult& game, const GameResult& other);

// The duration stored games get back on reading: endTime - startTime, which
// is right across midnight too.
std::int32_t durationBetween(std::uint32_t startTime, std::uint32_t endTime);

} // namespace vh
