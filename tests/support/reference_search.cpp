#include "tests/support/reference_search.h"

#include "rules/move_generator.h"
#include "rules/side.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vh::test {

struct ReferenceSearch::Lists {
    PlayList root;
    PlayList reply;
};

ReferenceSearch::ReferenceSearch(int maxDepth, std::int32_t evalParamB)
    : maxDepth_(maxDepth), evalParamB_(evalParamB), lists_(std::make_unique<Lists>()) {}

ReferenceSearch::~ReferenceSearch() = default;
ReferenceSearch::ReferenceSearch(ReferenceSearch&&) noexcept = default;
ReferenceSearch& ReferenceSearch::operator=(ReferenceSearch&&) noexcept = default;

void ReferenceSearch::order(PlayList& list, BoardPosition& position, int side) {
    std::vector<std::pair<std::int64_t, Play>> scored;
    for (const Play& play : list) {
        applyPlay(play, position);
        scored.emplace_back(evaluate(position, side, evalParamB_).total(), play);
        ++evaluations_;
        takeBackPlay(play, position);
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (std::size_t index = 0; index < scored.size(); ++index) {
        list.plays[index] = scored[index].second;
    }
}

Play ReferenceSearch::choose(const BoardPosition& start, int side, int die1, int die2) {
    BoardPosition position = start;
    PlayList& list = lists_->root;
    generatePlays(list, position, side, die1, die2);
    order(list, position, side);
    Play result;
    std::int64_t bestTotal = 0;
    for (std::int32_t rank = 0; rank < list.count && rank < 6; ++rank) {
        applyPlay(list[rank], position);
        bool expanded = false;
        Evaluation value = node(position, otherSide(side), 1, expanded);
        takeBackPlay(list[rank], position);
        if (expanded) {
            value = {-value.race, -value.safety, -value.bearOff};
        }
        if (rank == 0 || value.total() > bestTotal) {
            bestTotal = value.total();
            result = list[rank];
        }
    }
    return result;
}

Evaluation ReferenceSearch::node(BoardPosition& position, int sideToMove, int depth,
                                 bool& expanded) {
    if (depth >= maxDepth_) {
        expanded = false;
        ++evaluations_;
        return evaluate(position, otherSide(sideToMove), evalParamB_);
    }
    expanded = true;
    PlayList& list = lists_->reply;
    std::int64_t race = 0;
    std::int64_t safety = 0;
    std::int64_t bearOff = 0;
    for (int die1 = 1; die1 <= 6; ++die1) {
        for (int die2 = 1; die2 <= 6; ++die2) {
            generatePlays(list, position, sideToMove, die1, die2);
            order(list, position, sideToMove);
            Evaluation best{-1000, -1000, -1000};
            for (std::int32_t rank = 0; rank < list.count && rank < 4; ++rank) {
                applyPlay(list[rank], position);
                bool leafExpanded = false;
                const Evaluation reply =
                    node(position, otherSide(sideToMove), maxDepth_ + 1, leafExpanded);
                takeBackPlay(list[rank], position);
                if (rank == 0 || reply.total() > best.total()) {
                    best = reply;
                }
            }
            race += best.race;
            safety += best.safety;
            bearOff += best.bearOff;
        }
    }
    return {static_cast<std::int32_t>(race / 36), static_cast<std::int32_t>(safety / 36),
            static_cast<std::int32_t>(bearOff / 36)};
}

void bubbleOrder(PlayList& list, BoardPosition& position, int side, std::int32_t evalParamB) {
    std::vector<std::int64_t> totals;
    for (const Play& play : list) {
        applyPlay(play, position);
        totals.push_back(evaluate(position, side, evalParamB).total());
        takeBackPlay(play, position);
    }
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (std::size_t index = 0; index + 1 < totals.size(); ++index) {
            if (totals[index] < totals[index + 1]) {
                std::swap(totals[index], totals[index + 1]);
                std::swap(list.plays[index], list.plays[index + 1]);
                swapped = true;
            }
        }
    }
}

} // namespace vh::test
