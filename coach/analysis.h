#pragma once

#include "ai/neural_engine.h"
#include "neural/network.h"
#include "neural/outcome.h"
#include "rules/board_position.h"
#include "rules/match_state.h"
#include "rules/play.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vh {

// What the coach is asked about: a position with the side to move, its roll
// (0 and 0 before the roll: the cube decision is wanted), and the cube.
struct AnalysisRequest {
    BoardPosition position;
    int side = 0;
    int die1 = 0;
    int die2 = 0;
    std::int32_t cubeValue = 1;
    int cubeOwner = -1; // -1 centred, else the side that owns it
    MatchState match{}; // the score (length 0: a money game)

    bool rolled() const { return die1 != 0 && die2 != 0; }
};

// The same question: position, side, roll and cube.
bool sameRequest(const AnalysisRequest& a, const AnalysisRequest& b);

// One distinct play of the roll, judged: the mover's cubeless equity after
// it (in a match the equity a money player reads of its match-winning chance
// at the score), how much less that is than the best play's, and the mover's
// chances.
struct RankedMove {
    Play play;
    std::string text; // as a player writes it, from the mover's side
    float equity = 0.0f;
    float difference = 0.0f; // 0 for the best, negative below it
    OutcomeChances chances{};
};

// The right cube action of the side about to roll.
enum class CubeVerdict { NoDouble, DoubleTake, DoublePass, TooGoodToDouble };
const char* cubeVerdictText(CubeVerdict verdict); // "No double", "Double, take", ...

// The cube decision before the roll: the roller's chances, the cubeful
// equities of its three courses per unit of the cube's current value (in a
// match those of its match-winning chances, judged at the score), and the
// right answers of both sides. A roller that may not double (the opponent
// owns the cube, or it is the Crawford game) has only noDouble.
struct CubeAdvice {
    OutcomeChances chances{};
    bool mayDouble = false;
    float noDouble = 0.0f;
    float doubleTake = 0.0f;
    float doublePass = 1.0f;
    CubeVerdict verdict = CubeVerdict::NoDouble;
    bool take = true; // the receiver's right answer to a double

    // The equity of doubling: the receiver's better answer.
    float doubled() const { return doubleTake < doublePass ? doubleTake : doublePass; }
    // The best of the roller's courses.
    float best() const { return mayDouble && doubled() > noDouble ? doubled() : noDouble; }
};

struct Analysis {
    AnalysisRequest request;
    int plies = 0;                  // the depth every play was judged at
    std::vector<RankedMove> plays;  // best first; empty before the roll or without a legal play
    std::optional<CubeAdvice> cube; // before the roll only
};

// How deep the coach looks: the trained engine's strongest analysis depth.
inline constexpr int kAnalysisPlies = 2;

// Makes the engine an analysis runs on, copying the request's position; a
// workspace lent by the caller must outlive it.
std::unique_ptr<NeuralEngine> makeAnalysisEngine(std::shared_ptr<const NeuralNetwork> network,
                                                 const AnalysisRequest& request, int plies,
                                                 NeuralWorkspace* workspace = nullptr);
// The analysis of the request by `engine` (made for it by makeAnalysisEngine).
// Stopping the engine from another thread makes it return within a few
// evaluations; plays not yet judged one roll ahead then keep their 0-ply values.
Analysis analyse(NeuralEngine& engine, const AnalysisRequest& request);

} // namespace vh
