#include "neural/cube_decision.h"
#include "neural/network.h"
#include "neural/network_gradient.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <cmath>
#include <gtest/gtest.h>

namespace vh {
namespace {

// The network worked out densely over every input, in double precision.
OutcomeChances denseReference(const NeuralNetwork& network, const NetworkInputs& inputs) {
    const auto inputCount = static_cast<std::size_t>(network.inputCount());
    std::vector<double> x(inputCount, 0.0);
    for (int i = 0; i < inputs.count; ++i) {
        x[inputs.index[static_cast<std::size_t>(i)]] = inputs.value[static_cast<std::size_t>(i)];
    }
    const auto h = static_cast<std::size_t>(network.hiddenUnits());
    const std::span<const float> p = network.parameters();
    std::vector<double> hidden(h);
    for (std::size_t j = 0; j < h; ++j) {
        double sum = p[network.hiddenBiasOffset() + j];
        for (std::size_t i = 0; i < inputCount; ++i) {
            sum += x[i] * p[i * h + j];
        }
        hidden[j] = 1.0 / (1.0 + std::exp(-sum));
    }
    OutcomeChances out;
    for (std::size_t k = 0; k < kOutcomeCount; ++k) {
        double sum = p[network.outputBiasOffset() + k];
        for (std::size_t j = 0; j < h; ++j) {
            sum += hidden[j] * p[network.outputWeightOffset() + k * h + j];
        }
        out[k] = static_cast<float>(1.0 / (1.0 + std::exp(-sum)));
    }
    return out;
}

NeuralNetwork randomNetwork(int hidden, int encoding, float range) {
    NeuralNetwork network(hidden, encoding);
    SeededStream stream(static_cast<std::uint64_t>(hidden * 10 + encoding));
    for (float& weight : network.parameters()) {
        weight = stream.symmetric(range);
    }
    return network;
}

TEST(Network, SparseEvaluationEqualsTheDenseSum) {
    for (const auto& [hidden, encoding] :
         {std::pair{1, kBasicEncoding}, {13, kRichEncoding}, {96, kBasicEncoding}}) {
        const NeuralNetwork network = randomNetwork(hidden, encoding, 0.4f);
        NetworkInputs inputs;
        int index = 0;
        for (const RollCase& c : test::randomCases(300, 4)) {
            network.encode(c.position, index++ % 2, inputs);
            const OutcomeChances fast = network.evaluate(inputs);
            const OutcomeChances reference = denseReference(network, inputs);
            for (std::size_t k = 0; k < kOutcomeCount; ++k) {
                ASSERT_NEAR(fast[k], reference[k], 2e-5) << "hidden " << hidden << " output " << k;
            }
        }
    }
}

TEST(Network, GradientOfEveryParameterMatchesFiniteDifferences) {
    for (const int encoding : {kBasicEncoding, kRichEncoding}) {
        NeuralNetwork network = randomNetwork(5, encoding, 0.8f);
        int index = 0;
        for (const RollCase& c : test::randomCases(3, 9)) {
            NetworkInputs inputs;
            network.encode(c.position, index++ % 2, inputs);
            std::vector<float> hidden(5);
            const OutcomeChances outputs = network.evaluate(inputs, hidden);
            const std::array<float, kOutcomeCount> weight = {0.9f, -0.4f, 0.3f, 1.2f, -0.7f};
            std::vector<float> gradient(network.parameterCount(), 0.0f);
            addWeightedGradient(network, inputs, hidden, outputs, weight, gradient);
            const auto weighted = [&] {
                const OutcomeChances out = network.evaluate(inputs);
                double sum = 0;
                for (std::size_t k = 0; k < kOutcomeCount; ++k) {
                    sum += weight[k] * out[k];
                }
                return sum;
            };
            for (std::size_t p = 0; p < network.parameterCount(); ++p) {
                float& parameter = network.parameters()[p];
                const float kept = parameter;
                const float step = 1e-2f;
                parameter = kept + step;
                const double up = weighted();
                parameter = kept - step;
                const double down = weighted();
                parameter = kept;
                const double numeric = (up - down) / (2.0 * step);
                ASSERT_NEAR(gradient[p], numeric, 2e-4 + 1e-2 * std::abs(numeric))
                    << "encoding " << encoding << " parameter " << p << " of "
                    << network.parameterCount();
            }
        }
    }
}

TEST(Network, ARaceNetworkJudgesTheRacesOnly) {
    NeuralNetwork network = randomNetwork(7, kBasicEncoding, 0.5f);
    const auto race = std::make_shared<const NeuralNetwork>(randomNetwork(9, kRaceEncoding, 0.5f));
    network.setRace(race);
    const struct {
        const char* position;
        bool race;
    } cases[] = {{"20=3 10=-2", false},
                 {"20=3 21=-2", true},
                 {"3=3 24=1 10=-2", false},
                 {"5=2 23=-1", true},
                 {"0=-15 23=15", false}};
    for (const auto& c : cases) {
        const BoardPosition position = test::placedPosition(c.position);
        const NeuralNetwork& judge = c.race ? *race : network;
        NetworkInputs inputs;
        judge.encode(position, 1, inputs);
        EXPECT_EQ(chancesOnRoll(network, position, 1), consistent(judge.evaluate(inputs)))
            << c.position;
    }
}

TEST(Network, FinishedGamesGetTheirCertainResult) {
    const NeuralNetwork network(3); // every output 0.5 on its own
    // Side 0 has borne off all; side 1 none, one checker still on side 0's home board.
    BoardPosition position = test::placedPosition("0=-1 12=-14");
    EXPECT_EQ(chancesOnRoll(network, position, 1), (OutcomeChances{0, 0, 0, 1, 1}));
    EXPECT_EQ(chancesAfterPlay(network, position, 0), (OutcomeChances{1, 1, 1, 0, 0}));
    position[0] = {0, kNoOwner};
    position[OFF_TWO].count = 15;
    position[OFF_ONE].count = 14;
    position[3] = {1, 0};
    EXPECT_EQ(chancesOnRoll(network, position, 0), (OutcomeChances{0, 0, 0, 0, 0}))
        << "a single game lost";
}

TEST(CubeDecision, LiveCubeThresholdsOnHandCheckedChances) {
    const struct {
        const char* what;
        OutcomeChances chances;
        bool centred;
        bool doubles;
        bool takes;
        bool tooGood;
    } cases[] = {
        {"even game", {0.5f, 0, 0, 0, 0}, true, false, true, false},
        {"a sure single win is cashed", {1, 0, 0, 0, 0}, true, true, false, false},
        {"a sure gammon is played out", {1, 1, 0, 0, 0}, true, false, false, true},
        {"70 % without gammons: doubled and taken", {0.7f, 0, 0, 0, 0}, true, true, true, false},
        {"84 % without gammons: doubled and passed", {0.84f, 0, 0, 0, 0}, true, true, false, false},
        {"60 %: too early to double", {0.6f, 0, 0, 0, 0}, true, false, true, false},
        {"62 % with its own cube: too early", {0.62f, 0, 0, 0, 0}, false, false, true, false},
        {"90 % with many gammons: too good", {0.9f, 0.6f, 0, 0, 0}, true, false, false, true},
    };
    for (const auto& c : cases) {
        const CubeDecision decision = cubeDecision(c.chances, c.centred);
        EXPECT_EQ(decision.shouldDouble, c.doubles) << c.what;
        EXPECT_EQ(decision.shouldTake, c.takes) << c.what;
        EXPECT_EQ(decision.tooGood, c.tooGood) << c.what;
    }
}

TEST(CubeDecision, TakePointsFollowTheCubesLife) {
    // Without gammons the taker needs 25 % with a dead cube and 20 % with a
    // fully live one; Janowski's efficiency sits between.
    const auto takes = [](float takerChance, float efficiency) {
        return cubeDecision({1.0f - takerChance, 0, 0, 0, 0}, true, efficiency).shouldTake;
    };
    const std::pair<float, float> takePoints[] = {
        {0.25f, 0.0f}, {0.2f, 1.0f}, {0.5f / (2.0f + kCubeEfficiency / 2.0f), kCubeEfficiency}};
    for (const auto& [point, efficiency] : takePoints) {
        EXPECT_TRUE(takes(point + 0.001f, efficiency)) << efficiency;
        EXPECT_FALSE(takes(point - 0.001f, efficiency)) << efficiency;
    }
}

} // namespace
} // namespace vh
