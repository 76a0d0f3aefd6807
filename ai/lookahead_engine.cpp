#include "ai/lookahead_engine.h"

#include "ai/reply_expectation.h"
#include "platform/random.h"
#include "rules/side.h"

#include <algorithm>
#include <array>

namespace vh {
namespace {

Evaluation negated(const Evaluation& value) {
    return {-value.race, -value.safety, -value.bearOff};
}

// The doubling decisions' own race count, as this engine was tuned with: a
// checker on the bar counts 24 pips, one less than the game's pip count.
std::int64_t pips(const BoardPosition& position, int side) {
    return static_cast<std::int64_t>(pipCount(position, side)) -
           std::max(position[barEntry(side)].count, 0);
}

} // namespace

LookaheadEngine::LookaheadEngine(const EngineParameters& parameters, const BoardRecord& board,
                                 int side, std::uint32_t budgetMs, EngineTask task,
                                 SearchWorkspace* workspace)
    : parameters_(parameters), side_(side == PLAYER_ONE ? PLAYER_ONE : PLAYER_TWO),
      position_(board.position), die1_(board.die1), die2_(board.die2), cubeValue_(board.cubeValue),
      deadline_(budgetMs), workspace_(workspace) {
    if (task == EngineTask::ChoosePlay && parameters_.strength < kOnePlyStrength) {
        randomDraw_ = nextRandom();
    }
}

void LookaheadEngine::run() {
    result_.count = 0;
    if (parameters_.strength < kOnePlyStrength) {
        playRandomly();
        return;
    }
    maxDepth_ = parameters_.strength < kTwoPlyStrength ? 1 : 2;
    searchRoot();
}

void LookaheadEngine::stop() {
    deadline_.stop();
}

SearchWorkspace& LookaheadEngine::workspace() {
    if (workspace_ == nullptr) {
        ownWorkspace_ = makeSearchWorkspace();
        workspace_ = ownWorkspace_.get();
    }
    return *workspace_;
}

void LookaheadEngine::playRandomly() {
    PlayList& list = workspace().list;
    BoardPosition position = position_;
    generatePlays(list, position, side_, die1_, die2_, diceUsed_);
    ++statistics_.generations;
    if (list.count > 0) {
        copyPlay(result_, list[randomDraw_ % list.count]);
    }
}

void LookaheadEngine::searchRoot() {
    SearchWorkspace& space = workspace();
    BoardPosition position = position_;
    generatePlays(space.list, position, side_, die1_, die2_, diceUsed_);
    ++statistics_.generations;
    if (space.list.count == 0) {
        return;
    }
    orderPlays(space.list, position, side_, parameters_.evalParamB, space.order);
    statistics_.evaluations += space.list.count;

    // The list is needed again for the replies, so keep the candidates apart.
    std::array<Play, kRootCandidates> candidates;
    const int candidateCount =
        space.list.count < kRootCandidates ? static_cast<int>(space.list.count) : kRootCandidates;
    for (int rank = 0; rank < candidateCount; ++rank) {
        copyPlay(candidates[static_cast<std::size_t>(rank)],
                 space.list[space.order[static_cast<std::size_t>(rank)].index]);
    }

    // The first candidate is taken whatever its value, so a playable roll is
    // always played; a later one only when strictly better.
    std::int64_t bestTotal = 0;
    for (int rank = 0; rank < candidateCount; ++rank) {
        const Play& candidate = candidates[static_cast<std::size_t>(rank)];
        applyPlay(candidate, position);
        const NodeValue reply = node(position, otherSide(side_), 1);
        takeBackPlay(candidate, position);
        // An expanded node judges the opponent: its best is our worst.
        const Evaluation value = reply.expanded ? negated(reply.value) : reply.value;
        if (rank == 0 || value.total() > bestTotal) {
            bestTotal = value.total();
            copyPlay(result_, candidate);
        }
    }
}

LookaheadEngine::NodeValue LookaheadEngine::node(BoardPosition& position, int sideToMove,
                                                 int depth) {
    if (deadline_.passed() || depth >= maxDepth_) {
        ++statistics_.evaluations;
        return {evaluate(position, otherSide(sideToMove), parameters_.evalParamB), false};
    }
    // The replies are leaves: each is judged statically for the side that
    // plays it whatever the clock says, so the expansion needs no deeper test.
    SearchWorkspace& space = workspace();
    return {expectedBestReply(space.list, space.cache, position, sideToMove, parameters_.evalParamB,
                              statistics_),
            true};
}

bool LookaheadEngine::shouldOfferDouble(const BoardPosition& position) const {
    const int me = side_;
    const int opponent = otherSide(me);
    const std::int64_t caution = std::int64_t{3} * parameters_.evalParamA;
    if (pips(position, opponent) - caution - 20 > pips(position, me)) {
        return true;
    }
    return evaluate(position, me, parameters_.evalParamB).total() >
           evaluate(position, opponent, parameters_.evalParamB).total() + caution + 40;
}

bool LookaheadEngine::acceptDouble(const BoardPosition& position) const {
    const int me = side_;
    const int opponent = otherSide(me);
    const std::int64_t caution = std::int64_t{3} * parameters_.evalParamA;
    if (pips(position, opponent) - caution + 20 > pips(position, me)) {
        return true;
    }
    return evaluate(position, me, parameters_.evalParamB).total() >
           evaluate(position, opponent, parameters_.evalParamB).total() + caution;
}

} // namespace vh
