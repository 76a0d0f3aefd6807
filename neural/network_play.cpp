#include "neural/network_play.h"

#include "neural/bearoff_database.h"
#include "rules/move_generator.h"
#include "rules/placement_hash.h"
#include "rules/result_kind.h"
#include "rules/side.h"

#include <algorithm>

namespace vh {

OutcomeChances chancesOnRoll(const NeuralNetwork& network, const BoardPosition& position,
                             int sideToMove) {
    const int opponent = otherSide(sideToMove);
    if (hasWon(position, opponent)) {
        return seenByOpponent(wonGame(resultKind(position, opponent)));
    }
    if (hasWon(position, sideToMove)) {
        return wonGame(resultKind(position, sideToMove));
    }
    if (const BearoffDatabase* bearoff = network.bearoff();
        bearoff != nullptr && isHomeBearoff(position)) {
        return bearoffChances(*bearoff, position, sideToMove);
    }
    const NeuralNetwork* judge = &network;
    if (network.race() != nullptr && !sidesInContact(position)) {
        judge = network.race();
    }
    NetworkInputs inputs;
    judge->encode(position, sideToMove, inputs);
    return consistent(judge->evaluate(inputs));
}

OutcomeChances chancesAfterPlay(const NeuralNetwork& network, const BoardPosition& position,
                                int mover) {
    return seenByOpponent(chancesOnRoll(network, position, otherSide(mover)));
}

namespace {

// The positions the plays of a list reach, so that a play reaching one an
// earlier play reached is not judged again: it would judge alike and, not
// being the first, never be chosen. A table of the plays' indices by the
// digest of their positions; a full table remembers no more.
class ReachedPositions {
public:
    static constexpr int kSlots = 2048;

    explicit ReachedPositions(int plays) {
        while (size_ < kSlots && size_ < 2 * plays) {
            size_ *= 2;
        }
        std::fill_n(index_.begin(), size_, -1);
    }

    // Whether an earlier play of `list` reached `position`, which play
    // `index` reached from where `position` was before it; else remembers it.
    bool reachedBefore(const PlayList& list, int index, const BoardPosition& position) {
        const std::uint64_t hash = placementHash(position);
        auto slot = static_cast<int>(hash & static_cast<std::uint64_t>(size_ - 1));
        for (; index_[static_cast<std::size_t>(slot)] >= 0; slot = (slot + 1) & (size_ - 1)) {
            if (hash_[static_cast<std::size_t>(slot)] == hash) {
                BoardPosition earlier = position;
                takeBackPlay(list[index], earlier);
                applyPlay(list[index_[static_cast<std::size_t>(slot)]], earlier);
                if (samePlacement(earlier, position)) {
                    return true;
                }
            }
        }
        if (stored_ * 2 < size_) {
            index_[static_cast<std::size_t>(slot)] = index;
            hash_[static_cast<std::size_t>(slot)] = hash;
            ++stored_;
        }
        return false;
    }

private:
    int size_ = 16;
    int stored_ = 0;
    std::array<int, kSlots> index_;
    std::array<std::uint64_t, kSlots> hash_;
};

JudgedPlay bestOfFirst(const NeuralNetwork& network, const PlayList& list, int count,
                       BoardPosition& position, int mover) {
    JudgedPlay best;
    ReachedPositions reached(count);
    for (int index = 0; index < count; ++index) {
        const Play& play = list[index];
        applyPlay(play, position);
        if (reached.reachedBefore(list, index, position)) {
            takeBackPlay(play, position);
            continue;
        }
        const OutcomeChances chances = chancesAfterPlay(network, position, mover);
        takeBackPlay(play, position);
        const float equity = cubelessEquity(chances);
        if (best.index < 0 || equity > best.equity) {
            best = {index, chances, equity};
        }
    }
    return best;
}

} // namespace

JudgedPlay bestPlay(const NeuralNetwork& network, const PlayList& list, BoardPosition& position,
                    int mover) {
    return bestOfFirst(network, list, list.count, position, mover);
}

JudgedPlay bestPlayOfRoll(const NeuralNetwork& network, const PlayList& list,
                          BoardPosition& position, int mover, int die1, int die2) {
    const bool listedTwice = die1 == die2 && list.count >= 2 && list.count % 2 == 0;
    return bestOfFirst(network, list, listedTwice ? list.count / 2 : list.count, position, mover);
}

const std::array<WeightedRoll, 21>& distinctRolls() {
    static const std::array<WeightedRoll, 21> rolls = [] {
        std::array<WeightedRoll, 21> made{};
        std::size_t at = 0;
        for (int die1 = 1; die1 <= 6; ++die1) {
            for (int die2 = 1; die2 <= die1; ++die2) {
                made[at++] = {die1, die2, die1 == die2 ? 1 : 2};
            }
        }
        return made;
    }();
    return rolls;
}

OutcomeChances chancesOneRollAhead(const NeuralNetwork& network, BoardPosition& position,
                                   int sideToMove, PlayList& list) {
    std::array<float, kOutcomeCount> sums{};
    for (const WeightedRoll& roll : distinctRolls()) {
        generatePlays(list, position, sideToMove, roll.die1, roll.die2);
        OutcomeChances chances;
        if (list.count == 0) {
            chances = chancesAfterPlay(network, position, sideToMove);
        } else {
            chances =
                bestPlayOfRoll(network, list, position, sideToMove, roll.die1, roll.die2).chances;
        }
        for (int k = 0; k < kOutcomeCount; ++k) {
            sums[static_cast<std::size_t>(k)] +=
                static_cast<float>(roll.weight) * chances[static_cast<std::size_t>(k)];
        }
    }
    OutcomeChances average;
    for (int k = 0; k < kOutcomeCount; ++k) {
        average[static_cast<std::size_t>(k)] = sums[static_cast<std::size_t>(k)] / 36.0f;
    }
    return average;
}

} // namespace vh
