#include "coach/analyst.h"

#include "ai/neural_engine.h"

namespace vh {

Analyst::Analyst(std::shared_ptr<const NeuralNetwork> network, int plies)
    : network_(std::move(network)), plies_(plies) {}

Analyst::~Analyst() {
    cancel();
}

void Analyst::start(const AnalysisRequest& request) {
    cancel();
    request_ = request;
    engine_ = makeAnalysisEngine(network_, request_, plies_);
    try {
        worker_.start([this] { answer_ = analyse(*engine_, request_); },
                      WorkerThread::kSearchStackSize);
    } catch (...) {
        engine_.reset();
        throw;
    }
}

void Analyst::cancel() {
    if (engine_ != nullptr) {
        engine_->stop();
    }
    worker_.join();
    engine_.reset();
}

std::optional<Analysis> Analyst::take() {
    if (engine_ == nullptr || !worker_.finished()) {
        return std::nullopt;
    }
    worker_.join();
    engine_.reset();
    return std::move(answer_);
}

} // namespace vh
