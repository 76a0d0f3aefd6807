#pragma once

#include "neural/outcome.h"

namespace vh {

// Who may double next in a money game.
enum class CubeOwner { Centred, Roller, Opponent };

// The share of the cube's full value the side that owns it can realise:
// between a dead cube (0) and one it could turn at exactly the right moment (1).
inline constexpr float kCubeEfficiency = 0.68f;

// Money equity with the cube, per unit of the cube's current value, for the
// side about to roll with `chances`, by Janowski's model: the cubeless
// (dead-cube) equity and the fully live cube's equity mixed by the cube's
// efficiency. The live equity is a line through the points (0, -L),
// (take point, -1), (cash point, +1) and (1, W), dropping the take point when
// the roller owns the cube and the cash point when the opponent does, where
// W and L are the average value of a win and of a loss, the take point is
// (L - 1/2) / (W + L + 1/2) and the cash point (L + 1) / (W + L + 1/2).
float cubefulEquity(const OutcomeChances& chances, CubeOwner owner,
                    float efficiency = kCubeEfficiency);

// The doubling decisions of the side about to roll with `chances`, which may
// double (the cube is centred or its own), per unit of the current cube.
struct CubeDecision {
    float noDouble = 0.0f;   // play on with the cube as it is
    float doubleTake = 0.0f; // double, the opponent takes and owns the cube at twice the value
    float doublePass = 1.0f; // double, the opponent passes
    bool shouldDouble = false;
    bool shouldTake = false; // the opponent's right answer to a double
    bool tooGood = false;    // playing on beats cashing the game
};

// Doubles when doubling is worth at least as much as playing on (a certain
// win is cashed at once), and not when the position is too good to double.
CubeDecision cubeDecision(const OutcomeChances& chances, bool cubeCentred,
                          float efficiency = kCubeEfficiency);

} // namespace vh
