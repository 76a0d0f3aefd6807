#include "ai/neural_engine.h"
#include "bench/corpus.h"
#include "neural/encoding.h"
#include "neural/network.h"
#include "neural/sigmoid.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"

#include <Eigen/Core>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace vh::bench {
namespace {

constexpr std::uint32_t kCorpusSeed = 20261208;
// As many hidden units as the shipped network; the weights do not change the work.
constexpr int kHiddenUnits = 96;

std::shared_ptr<const NeuralNetwork> benchNetwork() {
    auto network = std::make_shared<NeuralNetwork>(kHiddenUnits);
    SeededStream stream(kCorpusSeed);
    for (float& weight : network->parameters()) {
        weight = stream.symmetric(0.3f);
    }
    return network;
}

std::vector<NetworkInputs> encodedCorpus() {
    std::vector<NetworkInputs> corpus;
    for (const RollCase& rollCase : randomPlayPositions(1000, kCorpusSeed)) {
        corpus.emplace_back();
        encodePosition(rollCase.position, rollCase.side, corpus.back());
    }
    return corpus;
}

// The network's own loop over the inputs that are set.
void BM_NeuralEvaluatePlain(benchmark::State& state) {
    const auto network = benchNetwork();
    const std::vector<NetworkInputs> corpus = encodedCorpus();
    for (auto _ : state) {
        for (const NetworkInputs& inputs : corpus) {
            benchmark::DoNotOptimize(network->evaluate(inputs));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}
BENCHMARK(BM_NeuralEvaluatePlain);

// The same sums with Eigen's vector operations over the same weights.
class EigenEvaluator {
public:
    explicit EigenEvaluator(const NeuralNetwork& network)
        : hidden_(network.hiddenUnits()),
          inputWeights_(network.parameters().data(), kInputCount, hidden_),
          hiddenBias_(network.parameters().data() + network.hiddenBiasOffset(), hidden_),
          outputWeights_(network.parameters().data() + network.outputWeightOffset(), kOutcomeCount,
                         hidden_),
          outputBias_(network.parameters().data() + network.outputBiasOffset()), sums_(hidden_) {}

    OutcomeChances evaluate(const NetworkInputs& inputs) {
        sums_ = hiddenBias_;
        for (int i = 0; i < inputs.count; ++i) {
            const auto at = static_cast<std::size_t>(i);
            sums_.noalias() += inputs.value[at] * inputWeights_.row(inputs.index[at]).transpose();
        }
        sums_ = sums_.unaryExpr([](float x) { return sigmoid(x); });
        Eigen::Matrix<float, kOutcomeCount, 1> out;
        out.noalias() = outputWeights_ * sums_ + outputBias_;
        OutcomeChances chances;
        for (int k = 0; k < kOutcomeCount; ++k) {
            chances[static_cast<std::size_t>(k)] = sigmoid(out(k));
        }
        return chances;
    }

private:
    using RowMajor = Eigen::Matrix<float, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>;
    int hidden_;
    Eigen::Map<const RowMajor> inputWeights_;
    Eigen::Map<const Eigen::VectorXf> hiddenBias_;
    Eigen::Map<const RowMajor> outputWeights_;
    Eigen::Map<const Eigen::Matrix<float, kOutcomeCount, 1>> outputBias_;
    Eigen::VectorXf sums_;
};

void BM_NeuralEvaluateEigen(benchmark::State& state) {
    const auto network = benchNetwork();
    const std::vector<NetworkInputs> corpus = encodedCorpus();
    EigenEvaluator evaluator(*network);
    // Both ways must give the same chances, or the race is not fair.
    for (const NetworkInputs& inputs : corpus) {
        const OutcomeChances plain = network->evaluate(inputs);
        const OutcomeChances eigen = evaluator.evaluate(inputs);
        for (std::size_t k = 0; k < plain.size(); ++k) {
            if (std::abs(plain[k] - eigen[k]) > 1e-5f) {
                state.SkipWithError("Eigen and the plain loop disagree");
                return;
            }
        }
    }
    for (auto _ : state) {
        for (const NetworkInputs& inputs : corpus) {
            benchmark::DoNotOptimize(evaluator.evaluate(inputs));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(corpus.size()));
}
BENCHMARK(BM_NeuralEvaluateEigen);

// What the engine pays per position: the encoding and the evaluation.
void BM_NeuralEncodeAndEvaluate(benchmark::State& state) {
    const auto network = benchNetwork();
    const std::vector<RollCase> cases = randomPlayPositions(1000, kCorpusSeed);
    NetworkInputs inputs;
    for (auto _ : state) {
        for (const RollCase& rollCase : cases) {
            encodePosition(rollCase.position, rollCase.side, inputs);
            benchmark::DoNotOptimize(network->evaluate(inputs));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_NeuralEncodeAndEvaluate);

// One decision of the neural engine on positions of random games; items are decisions.
void BM_NeuralDecision(benchmark::State& state) {
    const auto network = benchNetwork();
    const auto workspace = makeNeuralWorkspace();
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases;
    for (RollCase& rollCase : randomPlayPositions(400, kCorpusSeed)) {
        generatePlays(*list, rollCase.position, rollCase.side, rollCase.die1, rollCase.die2);
        if (list->count > 0 && cases.size() < 100) {
            cases.push_back(rollCase);
        }
    }
    for (auto _ : state) {
        for (const RollCase& rollCase : cases) {
            NeuralEngine engine(network, static_cast<int>(state.range(0)), boardFor(rollCase),
                                rollCase.side, 60000, workspace.get());
            engine.run();
            benchmark::DoNotOptimize(engine.result());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cases.size()));
}
BENCHMARK(BM_NeuralDecision)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vh::bench
