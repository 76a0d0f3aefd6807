#pragma once

#include "rules/board_position.h"

#include <cstdint>
#include <random>
#include <vector>

namespace vh::test {

// A position, its side to move and roll, for property tests.
struct RandomCase {
    BoardPosition position;
    int side = 0;
    int die1 = 1;
    int die2 = 1;
};

// Seeded positions of three kinds: met in random play from the start,
// scattered at random (bars and trays included), and bear-off races with
// contact. Each side always has 15 checkers.
std::vector<RandomCase> randomCases(int count, std::uint32_t seed);

} // namespace vh::test
