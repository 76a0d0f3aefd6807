#include "ai/neural_engine.h"

#include "ai/match_cube.h"
#include "platform/seeded_stream.h"
#include "rules/placement_hash.h"
#include "rules/result_kind.h"
#include "rules/side.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace vh {
namespace {

// The root list is judged in slices of this many plays between looks at the clock.
constexpr int kPlaysBetweenClockChecks = 16;

bool rankedBefore(const RankedPlay& a, const RankedPlay& b) {
    return a.equity > b.equity || (a.equity == b.equity && a.index < b.index);
}

// How many plays of a roll's list stand for all of them: a double's list
// holds each play twice.
std::int32_t distinctListLength(const PlayList& list, int die1, int die2) {
    return die1 == die2 && list.count >= 2 && list.count % 2 == 0 ? list.count / 2 : list.count;
}

} // namespace

NeuralEngine::NeuralEngine(std::shared_ptr<const NeuralNetwork> network, int plies,
                           const BoardRecord& board, int side, std::uint32_t budgetMs,
                           NeuralWorkspace* workspace)
    : network_(std::move(network)), plies_(std::clamp(plies, 0, kDeepestPlies)),
      side_(side == PLAYER_ONE ? PLAYER_ONE : PLAYER_TWO), position_(board.position),
      die1_(board.die1), die2_(board.die2), cubeValue_(board.cubeValue), deadline_(budgetMs),
      workspace_(workspace) {}

void NeuralEngine::setMatch(const MatchState& match) {
    match_ = match;
    if (match_.isMatch()) {
        views_ = {scoreView(match_, PLAYER_ONE), scoreView(match_, PLAYER_TWO)};
        equityAtScore_ = {EquityAtScore(views_[0], cubeValue_),
                          EquityAtScore(views_[1], cubeValue_)};
    }
}

float NeuralEngine::equityFor(const OutcomeChances& chances, int mover) const {
    if (!match_.isMatch()) {
        return cubelessEquity(chances);
    }
    return equityAtScore_[static_cast<std::size_t>(mover)](chances);
}

JudgedPlay NeuralEngine::bestPlayFor(const PlayList& list, BoardPosition& position, int mover,
                                     int die1, int die2) const {
    if (!match_.isMatch()) {
        return bestPlayOfRoll(*network_, list, position, mover, die1, die2);
    }
    JudgedPlay best;
    const std::int32_t count = distinctListLength(list, die1, die2);
    for (std::int32_t index = 0; index < count; ++index) {
        const Play& play = list[index];
        applyPlay(play, position);
        const OutcomeChances chances = chancesAfterPlay(*network_, position, mover);
        takeBackPlay(play, position);
        const float equity = equityFor(chances, mover);
        if (best.index < 0 || equity > best.equity) {
            best = {index, chances, equity};
        }
    }
    return best;
}

void NeuralEngine::setNoise(float equityNoise, std::uint64_t seed) {
    equityNoise_ = std::max(equityNoise, 0.0f);
    noiseSeed_ = seed;
}

float NeuralEngine::noiseFor(const BoardPosition& after) const {
    if (equityNoise_ <= 0.0f) {
        return 0.0f;
    }
    std::uint64_t key = placementHash(position_) ^ placementHash(after) * 0x9E3779B97F4A7C15ull;
    key += static_cast<std::uint64_t>((die1_ * 7 + die2_) * 2 + side_);
    SeededStream stream(streamSeed(noiseSeed_, key));
    // Box-Muller: u in (0, 1], v in [0, 1).
    const double u = static_cast<double>((stream.next() >> 11) + 1) * 0x1.0p-53;
    const double v = static_cast<double>(stream.next() >> 11) * 0x1.0p-53;
    const double normal =
        std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * 3.14159265358979323846 * v);
    return equityNoise_ * static_cast<float>(normal);
}

void NeuralEngine::stop() {
    deadline_.stop();
}

NeuralWorkspace& NeuralEngine::workspace() const {
    if (workspace_ == nullptr) {
        ownWorkspace_ = makeNeuralWorkspace();
        workspace_ = ownWorkspace_.get();
    }
    return *workspace_;
}

void NeuralEngine::run() {
    result_.count = 0;
    NeuralWorkspace& space = workspace();
    space.cache.beginSearch();
    BoardPosition position = position_;
    generatePlays(space.list, position, side_, die1_, die2_);
    if (space.list.count == 0) {
        return;
    }
    // A legal play at once, whenever the search is stopped.
    copyPlay(result_, space.list[0]);
    rankByNetwork(position);
    if (space.ranked.empty()) {
        return;
    }
    copyPlay(result_, space.list[space.ranked.front().index]);
    if (plies_ == 0 || deadline_.passed()) {
        return;
    }
    // The best few distinct positions, judged again one roll ahead.
    std::array<BoardPosition, kOnePlyCandidates> seen;
    std::array<Candidate, kOnePlyCandidates> candidates{};
    std::size_t candidateCount = 0;
    for (const RankedPlay& ranked : space.ranked) {
        if (candidateCount == candidates.size()) {
            break;
        }
        BoardPosition after = position;
        applyPlay(space.list[ranked.index], after);
        const bool repeated =
            std::any_of(seen.begin(), seen.begin() + static_cast<std::ptrdiff_t>(candidateCount),
                        [&](const BoardPosition& other) { return samePlacement(after, other); });
        if (!repeated) {
            seen[candidateCount] = after;
            candidates[candidateCount++] = {ranked.index, noiseFor(after), 0.0f};
        }
    }
    if (!judgeCandidates(candidates.data(), candidateCount, 1, position)) {
        return;
    }
    if (plies_ == 1) {
        return;
    }
    // The best few of those, within reach of the best, judged two rolls ahead.
    // A handful: sorted by insertion, the first of equals staying first.
    for (std::size_t at = 1; at < candidateCount; ++at) {
        for (std::size_t k = at; k > 0 && candidates[k].equity > candidates[k - 1].equity; --k) {
            std::swap(candidates[k], candidates[k - 1]);
        }
    }
    std::size_t deepCount = 1;
    while (deepCount < std::min(candidateCount, kTwoPlyCandidates) &&
           candidates[deepCount].equity >= candidates[0].equity - kTwoPlyMargin) {
        ++deepCount;
    }
    if (deepCount > 1) {
        judgeCandidates(candidates.data(), deepCount, 2, position);
    }
}

bool NeuralEngine::judgeCandidates(Candidate* candidates, std::size_t count, int plies,
                                   BoardPosition& position) {
    float bestEquity = 0.0f;
    for (std::size_t rank = 0; rank < count; ++rank) {
        Candidate& candidate = candidates[rank];
        const Play& play = workspace().list[candidate.index];
        OutcomeChances chances;
        if (!judgePlayAhead(play, side_, plies, position, &deadline_, chances)) {
            return false;
        }
        candidate.equity = equityFor(chances, side_) + candidate.noise;
        if (rank == 0 || candidate.equity > bestEquity) {
            bestEquity = candidate.equity;
            copyPlay(result_, play);
        }
    }
    return true;
}

void NeuralEngine::rankByNetwork(BoardPosition& position) {
    NeuralWorkspace& space = workspace();
    space.ranked.clear();
    const std::int32_t count = distinctListLength(space.list, die1_, die2_);
    for (std::int32_t index = 0; index < count; ++index) {
        if (index % kPlaysBetweenClockChecks == kPlaysBetweenClockChecks - 1 &&
            deadline_.passed()) {
            break;
        }
        const Play& play = space.list[index];
        applyPlay(play, position);
        const OutcomeChances chances = chancesAfterPlay(*network_, position, side_);
        const float noise = noiseFor(position);
        takeBackPlay(play, position);
        space.ranked.push_back({index, equityFor(chances, side_) + noise, chances});
    }
    std::sort(space.ranked.begin(), space.ranked.end(), rankedBefore);
}

OutcomeChances NeuralEngine::cachedChancesOnRoll(const BoardPosition& position,
                                                 int sideToRoll) const {
    NeuralPositionCache& cache = workspace().cache;
    if (const OutcomeChances* known = cache.find(position, sideToRoll)) {
        return *known;
    }
    const OutcomeChances chances = ::vh::chancesOnRoll(*network_, position, sideToRoll);
    cache.store(chances);
    return chances;
}

JudgedPlay NeuralEngine::bestReply(const PlayList& list, BoardPosition& position, int mover,
                                   int die1, int die2) const {
    JudgedPlay best;
    const std::int32_t count = distinctListLength(list, die1, die2);
    for (std::int32_t index = 0; index < count; ++index) {
        const Play& play = list[index];
        applyPlay(play, position);
        const OutcomeChances chances =
            seenByOpponent(cachedChancesOnRoll(position, otherSide(mover)));
        takeBackPlay(play, position);
        const float equity = equityFor(chances, mover);
        if (best.index < 0 || equity > best.equity) {
            best = {index, chances, equity};
        }
    }
    return best;
}

bool NeuralEngine::chancesOnRollAt(BoardPosition& position, int roller, int plies,
                                   const SearchDeadline* deadline, OutcomeChances& chances) const {
    if (plies == 0) {
        chances = cachedChancesOnRoll(position, roller);
        return true;
    }
    PlayList& list = workspace().replies;
    const int opponent = otherSide(roller);
    std::array<float, kOutcomeCount> sums{};
    for (const WeightedRoll& roll : distinctRolls()) {
        if (deadline != nullptr && deadline->passed()) {
            return false;
        }
        generatePlays(list, position, roller, roll.die1, roll.die2);
        Play reply;
        OutcomeChances after{};
        if (list.count > 0) {
            const JudgedPlay best = bestReply(list, position, roller, roll.die1, roll.die2);
            copyPlay(reply, list[best.index]);
            after = best.chances;
        } else if (plies == 1) {
            after = seenByOpponent(cachedChancesOnRoll(position, opponent));
        }
        // The list is reused deeper down: only the chosen reply is kept.
        if (plies > 1 && !judgePlayAhead(reply, roller, plies - 1, position, deadline, after)) {
            return false;
        }
        for (std::size_t k = 0; k < sums.size(); ++k) {
            sums[k] += static_cast<float>(roll.weight) * after[k];
        }
    }
    for (std::size_t k = 0; k < sums.size(); ++k) {
        chances[k] = sums[k] / 36.0f;
    }
    return true;
}

bool NeuralEngine::judgePlayAhead(const Play& play, int mover, int plies, BoardPosition& position,
                                  const SearchDeadline* deadline, OutcomeChances& chances) const {
    applyPlay(play, position);
    bool judged = true;
    if (hasWon(position, mover)) {
        chances = wonGame(resultKind(position, mover));
    } else {
        OutcomeChances opponents;
        judged = chancesOnRollAt(position, otherSide(mover), plies, deadline, opponents);
        chances = seenByOpponent(opponents);
    }
    takeBackPlay(play, position);
    return judged;
}

OutcomeChances NeuralEngine::chancesOnRoll(const BoardPosition& position, int sideToMove) const {
    if (plies_ == 0) {
        return ::vh::chancesOnRoll(*network_, position, sideToMove);
    }
    workspace().cache.beginSearch();
    BoardPosition working = position;
    OutcomeChances chances;
    chancesOnRollAt(working, sideToMove, plies_, nullptr, chances);
    return chances;
}

CubeDecision NeuralEngine::cubeDecisionFor(const BoardPosition& position, int roller) const {
    // The computer is only asked while the cube is centred or its own, and
    // a cube that has been turned is never back at 1.
    return cubeDecisionFrom(chancesOnRoll(position, roller), roller, cubeValue_ == 1);
}

CubeDecision NeuralEngine::cubeDecisionFrom(const OutcomeChances& chances, int roller,
                                            bool cubeCentred) const {
    if (!match_.isMatch()) {
        return cubeDecision(chances, cubeCentred);
    }
    return matchCubeDecision(views_[static_cast<std::size_t>(roller)], chances, cubeValue_,
                             cubeCentred);
}

float NeuralEngine::cubefulEquityFor(const OutcomeChances& chances, int roller,
                                     CubeOwner owner) const {
    if (!match_.isMatch()) {
        return cubefulEquity(chances, owner);
    }
    const ScoreView& view = views_[static_cast<std::size_t>(roller)];
    return equityOfChance(view, cubefulMatchChance(view, chances, cubeValue_, owner), cubeValue_);
}

bool NeuralEngine::shouldOfferDouble(const BoardPosition& position) const {
    return cubeDecisionFor(position, side_).shouldDouble;
}

bool NeuralEngine::acceptDouble(const BoardPosition& position) const {
    return cubeDecisionFor(position, otherSide(side_)).shouldTake;
}

std::vector<std::pair<Play, RankedPlay>> NeuralEngine::rankAllPlays() {
    NeuralWorkspace& space = workspace();
    space.cache.beginSearch();
    BoardPosition position = position_;
    generatePlays(space.list, position, side_, die1_, die2_);
    std::vector<std::pair<Play, RankedPlay>> distinct;
    std::vector<BoardPosition> reached;
    for (std::int32_t index = 0; index < space.list.count; ++index) {
        BoardPosition after = position;
        applyPlay(space.list[index], after);
        const bool repeated = std::any_of(reached.begin(), reached.end(), [&](const auto& other) {
            return samePlacement(after, other);
        });
        if (repeated) {
            continue;
        }
        reached.push_back(after);
        RankedPlay ranked{index, 0.0f, chancesAfterPlay(*network_, after, side_)};
        if (plies_ >= 1) {
            // Kept at 0 plies when the engine has been stopped.
            OutcomeChances ahead;
            if (judgePlayAhead(space.list[index], side_, 1, position, &deadline_, ahead)) {
                ranked.chances = ahead;
            }
        }
        ranked.equity = equityFor(ranked.chances, side_);
        distinct.emplace_back(space.list[index], ranked);
    }
    const auto better = [](const auto& a, const auto& b) {
        return rankedBefore(a.second, b.second);
    };
    std::sort(distinct.begin(), distinct.end(), better);
    if (plies_ < 2 || distinct.empty()) {
        return distinct;
    }
    // As run() chooses: the best few again two rolls ahead, then any play
    // judged better at 1 ply than one of those at 2, so the list stays in
    // order of equity with the deeper judgements first.
    std::size_t deepCount = 1;
    while (deepCount < std::min(distinct.size(), kTwoPlyCandidates) &&
           distinct[deepCount].second.equity >= distinct[0].second.equity - kTwoPlyMargin) {
        ++deepCount;
    }
    if (deepCount < 2) {
        return distinct;
    }
    float worstDeep = 0.0f;
    for (std::size_t rank = 0; rank < distinct.size() && rank < kMostAnalysedAtTwoPlies; ++rank) {
        RankedPlay& ranked = distinct[rank].second;
        if (rank >= deepCount && ranked.equity <= worstDeep) {
            break;
        }
        OutcomeChances ahead;
        if (!judgePlayAhead(distinct[rank].first, side_, 2, position, &deadline_, ahead)) {
            break;
        }
        ranked.chances = ahead;
        ranked.equity = equityFor(ahead, side_);
        worstDeep = rank == 0 ? ranked.equity : std::min(worstDeep, ranked.equity);
    }
    std::stable_sort(distinct.begin(), distinct.end(), better);
    return distinct;
}

} // namespace vh
