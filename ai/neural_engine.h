#pragma once

#include "ai/match_score.h"
#include "ai/neural_workspace.h"
#include "ai/search_engine.h"
#include "neural/cube_decision.h"
#include "neural/network.h"
#include "neural/network_play.h"
#include "platform/search_deadline.h"
#include "rules/board_record.h"
#include "rules/match_state.h"
#include "rules/move_generator.h"
#include "rules/play.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace vh {

// The search over the neural network. At 0 plies it plays the play after
// which its cubeless equity is highest. At 1 ply it takes the best
// kOnePlyCandidates plays by that measure (distinct resulting positions) and
// judges each again as the average over the opponent's 21 rolls of the
// position after the opponent's best reply by the network. At 2 plies the
// best kTwoPlyCandidates of those, within kTwoPlyMargin of the best, are
// judged once more: the average over the opponent's rolls of the position
// after its best reply by the network, that position judged one roll ahead.
// The play chosen is the best at the deepest depth reached.
//
// Its doubling decisions follow cubeDecision on the chances of the position
// before the roll at the same depth: at depth d the average over the roller's
// rolls of its best play by the network judged at depth d - 1. Like the classic engine it copies
// the board at construction, so run() on a worker never looks at the game's board; the network is
// shared read-only.
//
// In a game of a match (setMatch) every side's chances are judged as its
// chance of winning the match at the score with the cube at its value,
// written as the equity a money player reads: the plays of both sides are
// chosen by it and the doubles decided by matchCubeDecision.
class NeuralEngine final : public SearchEngine {
public:
    static constexpr int kOnePlyCandidates = 8;
    static constexpr std::size_t kTwoPlyCandidates = 4;
    static constexpr float kTwoPlyMargin = 0.12f; // equity, behind the best at 1 ply
    static constexpr int kDeepestPlies = 2;
    // rankAllPlays at 2 plies judges at most this many plays that deep.
    static constexpr std::size_t kMostAnalysedAtTwoPlies = 10;

    // `plies` is 0 to kDeepestPlies (clamped). `budgetMs` from now the search stops and
    // keeps the best play found so far; `workspace`, when given, is lent by
    // the caller and must outlive the engine, else the engine allocates its
    // own when it first needs one.
    NeuralEngine(std::shared_ptr<const NeuralNetwork> network, int plies, const BoardRecord& board,
                 int side, std::uint32_t budgetMs, NeuralWorkspace* workspace = nullptr);

    // The score the game is played at; a money game (length 0) changes nothing.
    void setMatch(const MatchState& match);
    // A weaker player: from now on run() judges each play of the roll by its
    // equity plus a Gaussian error of standard deviation `equityNoise`, the
    // same for the same seed, position, dice and play, at every depth.
    // 0 (the default) plays as the network judges; cube decisions and
    // rankAllPlays never see the error.
    void setNoise(float equityNoise, std::uint64_t seed);

    void run() override;
    // Safe from any thread while run() is active: run() returns within a
    // few evaluations with the best play found so far (a legal play of the
    // roll as soon as the plays are generated).
    void stop() override;
    // Both use the engine's workspace: not while run() is active.
    bool shouldOfferDouble(const BoardPosition& position) const override;
    bool acceptDouble(const BoardPosition& position) const override;
    const Play& result() const override { return result_; }

    int plies() const { return plies_; }
    // The chances of `sideToMove` about to roll, at the engine's depth.
    OutcomeChances chancesOnRoll(const BoardPosition& position, int sideToMove) const;
    // The doubling decisions of `roller` about to roll, at the engine's depth.
    CubeDecision cubeDecisionFor(const BoardPosition& position, int roller) const;
    // The same from `roller`'s chances, with the cube centred or its own.
    CubeDecision cubeDecisionFrom(const OutcomeChances& chances, int roller,
                                  bool cubeCentred) const;
    // `roller`'s cubeful equity per unit of the cube, the cube held as `owner` says.
    float cubefulEquityFor(const OutcomeChances& chances, int roller, CubeOwner owner) const;
    // What `mover`'s chances are worth to it: its cubeless equity, or in a
    // match the equity of its match-winning chance at the cube's value.
    float equityFor(const OutcomeChances& chances, int mover) const;
    // The play of a roll's `list` (plays of `mover` from `position`) after
    // which equityFor is highest, the first of equal ones, with that equity;
    // `position` is working space and is back as it was on return.
    JudgedPlay bestPlayFor(const PlayList& list, BoardPosition& position, int mover, int die1,
                           int die2) const;

    // Every play of the roll with a distinct resulting position (the first
    // generated of each), best first, judged at the engine's depth (every
    // one of them, not only the best few): the equity after the play and the
    // mover's chances. At 2 plies all are judged at 1 ply, and at 2 the few
    // run() would look at again and those that 1 ply puts above the worst of
    // them (up to kMostAnalysedAtTwoPlies). For the command line and the
    // coach; not while run() is active.
    std::vector<std::pair<Play, RankedPlay>> rankAllPlays();

private:
    struct Candidate {
        std::int32_t index; // in the roll's list
        float noise;
        float equity; // at the depth last judged, with the noise
    };

    NeuralWorkspace& workspace() const;
    void rankByNetwork(BoardPosition& position);
    // Judges the candidates at `plies`, keeping the best as the result as it
    // goes; false when stopped first.
    bool judgeCandidates(Candidate* candidates, std::size_t count, int plies,
                         BoardPosition& position);
    // The network's chances through the workspace's cache.
    OutcomeChances cachedChancesOnRoll(const BoardPosition& position, int sideToRoll) const;
    // bestPlayFor through the cache.
    JudgedPlay bestReply(const PlayList& list, BoardPosition& position, int mover, int die1,
                         int die2) const;
    // `roller`'s chances about to roll, `plies` deep (the replies' list is
    // working space); false when `deadline` (if any) passed first.
    bool chancesOnRollAt(BoardPosition& position, int roller, int plies,
                         const SearchDeadline* deadline, OutcomeChances& chances) const;
    // `mover`'s chances after `play`, the opponent's roll judged `plies` deep.
    bool judgePlayAhead(const Play& play, int mover, int plies, BoardPosition& position,
                        const SearchDeadline* deadline, OutcomeChances& chances) const;
    // The error added to the equity of the play that reaches `after` (0 without noise).
    float noiseFor(const BoardPosition& after) const;

    std::shared_ptr<const NeuralNetwork> network_;
    int plies_;
    int side_;
    BoardPosition position_;
    int die1_;
    int die2_;
    std::int32_t cubeValue_;
    MatchState match_;
    float equityNoise_ = 0.0f;
    std::uint64_t noiseSeed_ = 0;
    std::array<ScoreView, 2> views_{};             // each side's, in a match
    std::array<EquityAtScore, 2> equityAtScore_{}; // each side's, with the cube at its value
    SearchDeadline deadline_;
    Play result_;
    mutable NeuralWorkspace* workspace_;
    mutable std::unique_ptr<NeuralWorkspace> ownWorkspace_;
};

} // namespace vh
