#pragma once

#include "coach/analysis.h"
#include "platform/worker_thread.h"

#include <memory>
#include <optional>

namespace vh {

class NeuralEngine;

// The coach's analysis of one position at a time, on a worker thread: the
// owner starts a request, polls take() without blocking and may cancel at
// any moment. The worker reads only its own copy of the request and the
// shared read-only network.
class Analyst {
public:
    explicit Analyst(std::shared_ptr<const NeuralNetwork> network, int plies = kAnalysisPlies);
    ~Analyst();
    Analyst(const Analyst&) = delete;
    Analyst& operator=(const Analyst&) = delete;

    // Cancels the analysis under way, then starts this one.
    void start(const AnalysisRequest& request);
    // Stops the worker (within a few evaluations) and forgets its answer.
    void cancel();
    // An analysis was started and its answer not taken yet.
    bool busy() const { return engine_ != nullptr; }
    // The answer once the worker has finished, then nothing until the next start.
    std::optional<Analysis> take();

private:
    std::shared_ptr<const NeuralNetwork> network_;
    int plies_;
    AnalysisRequest request_;
    Analysis answer_;
    std::unique_ptr<NeuralEngine> engine_;
    WorkerThread worker_; // declared last: joined before what it reads goes away
};

} // namespace vh
