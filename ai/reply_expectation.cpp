#include "ai/reply_expectation.h"

#include "ai/board_summary.h"
#include "rules/move_generator.h"

#include <array>

namespace vh {
namespace {

constexpr int kRollCount = 36;

struct BestPlay {
    Evaluation value;
    std::int64_t total = 0;
    bool found = false;
};

// Scores the plays of one side from one position, each set of moves once.
class ReplyScorer {
public:
    ReplyScorer(EvaluationCache& cache, BoardPosition& position, int side, std::int32_t evalParamB,
                SearchStatistics& statistics)
        : cache_(cache), position_(position), summary_(summarize(position)), side_(side),
          evalParamB_(evalParamB), statistics_(statistics) {
        cache_.clear();
    }

    Evaluation score(const Play& play) {
        const std::uint64_t key = EvaluationCache::keyOf(play);
        if (const Evaluation* known = cache_.find(key)) {
            ++statistics_.remembered;
            return *known;
        }
        const Evaluation value =
            evaluate(summaryAfterPlay(summary_, position_, play, side_), side_, evalParamB_);
        ++statistics_.evaluations;
        cache_.remember(key, value);
        return value;
    }

private:
    EvaluationCache& cache_;
    const BoardPosition& position_;
    BoardSummary summary_;
    int side_;
    std::int32_t evalParamB_;
    SearchStatistics& statistics_;
};

// The first play of the highest total among list[first, last).
BestPlay firstBest(const PlayList& list, std::int32_t first, std::int32_t last,
                   ReplyScorer& scorer) {
    BestPlay best;
    for (std::int32_t index = first; index < last; ++index) {
        const Evaluation value = scorer.score(list[index]);
        const std::int64_t total = value.total();
        if (!best.found || total > best.total) {
            best = {value, total, true};
        }
    }
    return best;
}

// A double's plays are listed twice over; the second copy can only repeat
// what the first found. At the list's capacity that may not hold, so then
// every play is looked at.
std::int32_t distinctDoublePlays(const PlayList& list) {
    if (list.count >= PlayList::kMaxStoredPlays || list.count % 2 != 0) {
        return list.count;
    }
    return list.count / 2;
}

// Where the plays made with `secondDie` first begin in a non-double's list.
std::int32_t secondOrderStart(const PlayList& list, int secondDie) {
    for (std::int32_t index = 0; index < list.count; ++index) {
        if (list[index].moves[0].die == static_cast<std::uint32_t>(secondDie)) {
            return index;
        }
    }
    return list.count;
}

class Sums {
public:
    void add(const Evaluation& value) {
        race_ += value.race;
        safety_ += value.safety;
        bearOff_ += value.bearOff;
    }
    void add(const BestPlay& best) { add(best.found ? best.value : kNoPlayValue); }

    Evaluation average() const {
        return {static_cast<std::int32_t>(race_ / kRollCount),
                static_cast<std::int32_t>(safety_ / kRollCount),
                static_cast<std::int32_t>(bearOff_ / kRollCount)};
    }

private:
    std::int64_t race_ = 0;
    std::int64_t safety_ = 0;
    std::int64_t bearOff_ = 0;
};

} // namespace

Evaluation expectedBestReply(PlayList& list, EvaluationCache& cache, BoardPosition& position,
                             int side, std::int32_t evalParamB, SearchStatistics& statistics) {
    Sums sums;
    ReplyScorer scorer(cache, position, side, evalParamB, statistics);
    const auto bestOf = [&](std::int32_t first, std::int32_t last) {
        return firstBest(list, first, last, scorer);
    };
    for (int low = 1; low <= 6; ++low) {
        for (int high = low; high <= 6; ++high) {
            generatePlays(list, position, side, low, high);
            ++statistics.generations;
            if (low == high) {
                sums.add(bestOf(0, distinctDoublePlays(list)));
                continue;
            }
            if (list.count >= PlayList::kMaxStoredPlays) {
                // The halves may have been cut short: take each order whole.
                sums.add(bestOf(0, list.count));
                generatePlays(list, position, side, high, low);
                ++statistics.generations;
                sums.add(bestOf(0, list.count));
                continue;
            }
            // low-high lists the plays starting with `low`, then those
            // starting with `high`; high-low lists the same two halves the
            // other way round. Each roll's best is the first of the highest
            // total in its own order.
            const std::int32_t split = secondOrderStart(list, high);
            const BestPlay lowFirst = bestOf(0, split);
            const BestPlay highFirst = bestOf(split, list.count);
            const bool lowHalfWins =
                lowFirst.found && (!highFirst.found || lowFirst.total >= highFirst.total);
            const bool highHalfWins =
                highFirst.found && (!lowFirst.found || highFirst.total >= lowFirst.total);
            sums.add(lowHalfWins ? lowFirst : highFirst);
            sums.add(highHalfWins ? highFirst : lowFirst);
        }
    }
    return sums.average();
}

} // namespace vh
