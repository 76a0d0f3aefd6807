#include "ai/engine_seat.h"

#include "ai/lookahead_engine.h"
#include "ai/neural_engine.h"

#include <stdexcept>

namespace vh {

EngineSeat::EngineSeat(const EngineChoice& choice, std::shared_ptr<const NeuralNetwork> network)
    : choice_(choice), network_(std::move(network)) {
    if (choice_.kind == EngineChoice::Kind::Neural) {
        if (network_ == nullptr) {
            throw std::invalid_argument("a neural engine needs a network");
        }
        neuralSpace_ = makeNeuralWorkspace();
    } else {
        classicSpace_ = makeSearchWorkspace();
    }
}

std::unique_ptr<SearchEngine> EngineSeat::makeEngine(const BoardRecord& board, int side,
                                                     std::uint32_t budgetMs, EngineTask task,
                                                     const MatchState& match) {
    if (choice_.kind == EngineChoice::Kind::Neural) {
        auto engine = std::make_unique<NeuralEngine>(network_, choice_.plies, board, side, budgetMs,
                                                     neuralSpace_.get());
        if (!choice_.moneyAtAnyScore) {
            engine->setMatch(match);
        }
        engine->setNoise(choice_.equityNoise, choice_.noiseSeed);
        return engine;
    }
    return std::make_unique<LookaheadEngine>(choice_.classic, board, side, budgetMs, task,
                                             classicSpace_.get());
}

} // namespace vh
