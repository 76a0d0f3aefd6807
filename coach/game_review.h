#pragma once

#include "coach/analysis.h"
#include "coach/game_record.h"
#include "coach/mistake.h"

#include <array>
#include <atomic>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vh {

struct NeuralWorkspace;

// A turn with what it started from: the position before its roll, the cube
// as it stood then, and the score of the game's match.
struct TurnContext {
    RecordedTurn turn;
    BoardPosition before;
    std::int32_t cubeValue = 1;
    int cubeOwner = -1;
    bool openingRoll = false; // the roll was the opening roll: no doubles
    bool cubeKnown = true;
    MatchState match; // length 0: a money game

    bool operator==(const TurnContext& other) const;
};
// Every turn of the record with its context, replayed from the start.
std::vector<TurnContext> turnContexts(const GameRecord& record);

// The coach's verdict on one turn. Losses are in cubeless equity per unit of
// the cube, never negative; in a match they are judged in match-winning
// chances at the score and given as the equity a money player reads.
struct TurnReview {
    TurnContext context;
    // The play.
    bool unforced = false; // more than one distinct play to choose from
    float loss = 0.0f;
    MistakeSize size = MistakeSize::None;
    Play best;
    std::string playedText;
    std::string bestText;
    // The luck of the roll: the equity after the best play of this roll
    // minus the average over every roll (0 when the roll is not known).
    float luck = 0.0f;
    // The mover's own cube decision before the roll, when it counts (it
    // doubled, or doubling was right or the position too good).
    std::optional<CubeAdvice> cube;
    bool cubeCounted = false;
    float cubeLoss = 0.0f;
    // The opponent's answer to the double, when one was offered.
    float takeLoss = 0.0f;
    // Side 0's chance of winning once the turn is played.
    float winChance0 = 0.5f;
};

// Judges one turn, at `plies`. `stop`, when set, ends the work early: the
// result is then not to be used.
TurnReview reviewTurn(std::shared_ptr<const NeuralNetwork> network, const TurnContext& context,
                      NeuralWorkspace& workspace, const std::atomic<bool>* stop = nullptr,
                      int plies = kAnalysisPlies);

struct SideReview {
    std::string name;
    int decisions = 0; // unforced plays, counted cube decisions and answers to doubles
    float equityLost = 0.0f;
    float errorRate = 0.0f; // thousandths of equity lost per decision
    float rating = 0.0f;    // performance rating
    std::string ratingText;
    int doubtful = 0;
    int errors = 0;
    int blunders = 0;
    int cubeErrors = 0; // cube decisions and answers that lost kDoubtfulFrom or more
    float luck = 0.0f;
};

struct GameReview {
    std::array<SideReview, 2> sides;
    std::vector<TurnReview> turns;
    bool finished = false;
    int result0 = 0;            // side 0's points once finished (negative for a loss)
    float luckAdjusted0 = 0.0f; // the result with the luck of both sides taken out
};

// The summary per side of the turns judged so far.
GameReview summariseReview(const GameRecord& record, std::vector<TurnReview> turns);
// The whole review at once, on the calling thread.
GameReview reviewGame(std::shared_ptr<const NeuralNetwork> network, const GameRecord& record,
                      int plies = kAnalysisPlies);

} // namespace vh
