#pragma once

#include "ai/match_score.h"
#include "neural/cube_decision.h"
#include "neural/outcome.h"

namespace vh {

// The doubling cube at a match score, by the model cubefulEquity uses for
// money, in match-winning chances: the side about to roll, `view` its score,
// gets the cubeless (dead-cube) chance and the fully live cube's mixed by the
// cube's efficiency. The live chance runs in straight lines over the side's
// winning chance p through (0, L), (take point, its chance after passing),
// (cash point, its chance after a passed double) and (1, W), dropping the
// take point when the opponent cannot double and the cash point when the
// side cannot; W and L are the averages over its kinds of win and of loss
// at the cube's value. The side's cash point is where the opponent, doubled
// and owning the cube at twice the value, takes and passes alike, its own
// cube as live as the score leaves it (a cube whose value already wins a
// side the match is dead for that side); the take point likewise.

// The side's cubeful match-winning chance with the cube at `cube` as `owner` holds it.
double cubefulMatchChance(const ScoreView& view, const OutcomeChances& chances, int cube,
                          CubeOwner owner, float efficiency = kCubeEfficiency);

// The doubling decisions of the side about to roll, which holds the cube or
// has it centred, as cubeDecision makes them for money: judged in
// match-winning chances, each given as the equity a money player reads at
// the cube's current value. It never doubles where the score leaves nothing
// to gain: in the Crawford game, or when the cube's value already gives it
// every point it needs.
CubeDecision matchCubeDecision(const ScoreView& view, const OutcomeChances& chances, int cube,
                               bool cubeCentred, float efficiency = kCubeEfficiency);

} // namespace vh
