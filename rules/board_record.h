#pragma once

#include "rules/board_position.h"

#include <array>
#include <cstdint>

namespace vh {

inline constexpr std::uint32_t kHighlightNone = 0;
inline constexpr std::uint32_t kHighlightTarget = 2; // a legal target or a suggested move's start

// The game's board: the position, a highlight flag per entry, the dice and the cube.
struct BoardRecord {
    BoardPosition position;
    std::array<std::uint32_t, kEntryCount> highlights{};
    std::int32_t die1 = 3;
    std::int32_t die2 = 5;
    std::int32_t cubeValue = 1;
};

// Empties the position and removes every highlight; dice and cube are kept.
void clearBoard(BoardRecord& board);
// Clears, sets the start position, dice 3 and 5, cube 1.
void setUpStartPosition(BoardRecord& board);

} // namespace vh
