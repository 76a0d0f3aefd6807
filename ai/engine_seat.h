#pragma once

#include "ai/engine_choice.h"
#include "ai/neural_workspace.h"
#include "ai/search_engine.h"
#include "ai/search_workspace.h"
#include "neural/network.h"
#include "rules/board_record.h"
#include "rules/match_state.h"

#include <cstdint>
#include <memory>

namespace vh {

enum class EngineTask;

// One seat of a game between engines: builds the engine of each decision
// from the choice, lending it the seat's workspace (allocated once, on the
// heap), for a game played at `match` (length 0: money). A neural choice
// needs the network; without one it is refused at construction
// (std::invalid_argument).
class EngineSeat {
public:
    EngineSeat(const EngineChoice& choice, std::shared_ptr<const NeuralNetwork> network);

    std::unique_ptr<SearchEngine> makeEngine(const BoardRecord& board, int side,
                                             std::uint32_t budgetMs, EngineTask task,
                                             const MatchState& match = {});
    const EngineChoice& choice() const { return choice_; }

private:
    EngineChoice choice_;
    std::shared_ptr<const NeuralNetwork> network_;
    std::unique_ptr<SearchWorkspace> classicSpace_;
    std::unique_ptr<NeuralWorkspace> neuralSpace_;
};

} // namespace vh
