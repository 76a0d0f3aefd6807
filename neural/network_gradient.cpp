#include "neural/network_gradient.h"

namespace vh {

void addWeightedGradient(const NeuralNetwork& network, const NetworkInputs& inputs,
                         std::span<const float> hidden, const OutcomeChances& outputs,
                         const std::array<float, kOutcomeCount>& weight,
                         std::span<float> gradient) {
    const auto units = static_cast<std::size_t>(network.hiddenUnits());
    const float* parameters = network.parameters().data();
    float* out = gradient.data();
    std::array<float, NeuralNetwork::kMaxHiddenUnits> unitSlopes{};
    for (std::size_t k = 0; k < kOutcomeCount; ++k) {
        // The weighted slope of output k at its sum.
        const float slope = weight[k] * outputs[k] * (1.0f - outputs[k]);
        if (slope == 0.0f) {
            continue;
        }
        out[network.outputBiasOffset() + k] += slope;
        float* outputRow = out + network.outputWeightOffset() + k * units;
        const float* outputWeights = parameters + network.outputWeightOffset() + k * units;
        for (std::size_t j = 0; j < units; ++j) {
            outputRow[j] += slope * hidden[j];
            unitSlopes[j] += slope * outputWeights[j];
        }
    }
    float* biases = out + network.hiddenBiasOffset();
    for (std::size_t j = 0; j < units; ++j) {
        unitSlopes[j] = unitSlopes[j] * hidden[j] * (1.0f - hidden[j]);
        biases[j] += unitSlopes[j];
    }
    for (int i = 0; i < inputs.count; ++i) {
        const float value = inputs.value[static_cast<std::size_t>(i)];
        float* row = out + std::size_t{inputs.index[static_cast<std::size_t>(i)]} * units;
        for (std::size_t j = 0; j < units; ++j) {
            row[j] += value * unitSlopes[j];
        }
    }
}

} // namespace vh
