#pragma once

#include "rules/roll_case.h"

#include <cstdint>
#include <vector>

namespace vh::bench {

// The start position with each of the 36 ordered rolls, side 0 to move.
std::vector<RollCase> startPositionRolls();
// Positions met in seeded games between random players, with the roll that
// was thrown there.
std::vector<RollCase> randomPlayPositions(int count, std::uint32_t seed);
// Side 0 bringing its last checkers home (no contact), with every double.
std::vector<RollCase> bearInDoubles(int count, std::uint32_t seed);

} // namespace vh::bench
