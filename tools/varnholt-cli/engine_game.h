#pragma once

#include "ai/engine_parameters.h"
#include "ai/search_workspace.h"
#include "rules/board_position.h"
#include "rules/play.h"
#include "rules/result_kind.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace vh::cli {

// One turn of a game between two engines, as observers see it.
struct EngineTurn {
    int number = 0;
    int side = 0;
    int die1 = 0;
    int die2 = 0;
    const BoardPosition& before;
    const Play& play; // no moves when the roll could not be played
};

struct EngineGameOutcome {
    int winner = 0;
    ResultKind kind = ResultKind::Single;
    int turns = 0;
};

// Time the engines took, over every decision made.
struct DecisionTimes {
    std::int64_t decisions = 0;
    double totalMs = 0.0;
    double maxMs = 0.0;

    void add(double ms);
    double meanMs() const {
        return decisions == 0 ? 0.0 : totalMs / static_cast<double>(decisions);
    }
};

// Money games without a cube between two computer players; `players[0]`
// plays side 0. Dice and the first side come from the program's generator.
// Each decision runs on a worker thread with the search stack, as in the
// game; a roll that cannot be played is passed without asking the engine.
class EngineGame {
public:
    using Observer = std::function<void(const EngineTurn&)>;

    EngineGame(const std::array<EngineParameters, 2>& players, std::uint32_t budgetMs);

    EngineGameOutcome play(const Observer& observer = {});
    const DecisionTimes& times() const { return times_; }

private:
    std::array<EngineParameters, 2> players_;
    std::uint32_t budgetMs_;
    std::unique_ptr<SearchWorkspace> workspace_;
    DecisionTimes times_;
};

} // namespace vh::cli
