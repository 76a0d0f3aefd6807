#pragma once

#include "rules/roll_case.h"

#include <cstdint>
#include <random>
#include <vector>

namespace vh::test {

// Seeded positions of three kinds: met in random play from the start,
// scattered at random (bars and trays included), and bear-off races with
// contact. Each side always has 15 checkers.
std::vector<RollCase> randomCases(int count, std::uint32_t seed);

} // namespace vh::test
