#pragma once

#include <cstdint>

namespace vh {

// The program's one pseudo-random generator, with the contract of the C
// runtime's rand/srand: values 0 to kRandomMax, the sequence fixed by the
// seed. It is the classic linear congruential generator, so a seed gives the
// same dice on every machine and in every build. Every random draw of the
// program goes through here; the state is atomic because a computer's search
// draws from it on its worker thread.
inline constexpr int kRandomMax = 32767;

void seedRandom(std::uint32_t seed);
int nextRandom();

// One die: 1 to 6, as rand() % 6 + 1.
int rollDie();

} // namespace vh
