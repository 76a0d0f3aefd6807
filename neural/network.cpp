#include "neural/network.h"

#include "neural/sigmoid.h"

#include <algorithm>
#include <array>

namespace vh {

NeuralNetwork::NeuralNetwork(int hiddenUnits, int encoding)
    : hidden_(std::clamp(hiddenUnits, kMinHiddenUnits, kMaxHiddenUnits)),
      encoding_(knownEncoding(encoding) ? encoding : kBasicEncoding) {
    parameters_.assign(outputBiasOffset() + kOutcomeCount, 0.0f);
}

OutcomeChances NeuralNetwork::evaluate(const NetworkInputs& inputs,
                                       std::span<float> hiddenOut) const {
    const int hidden = hidden_;
    const float* weights = parameters_.data();
    std::array<float, kMaxHiddenUnits> sums;
    const float* bias = weights + hiddenBiasOffset();
    std::copy(bias, bias + hidden, sums.data());
    for (int i = 0; i < inputs.count; ++i) {
        const float* row =
            weights + static_cast<std::size_t>(inputs.index[static_cast<std::size_t>(i)]) * hidden;
        const float value = inputs.value[static_cast<std::size_t>(i)];
        if (value == 1.0f) {
            for (int j = 0; j < hidden; ++j) {
                sums[static_cast<std::size_t>(j)] += row[j];
            }
        } else {
            for (int j = 0; j < hidden; ++j) {
                sums[static_cast<std::size_t>(j)] += value * row[j];
            }
        }
    }
    for (int j = 0; j < hidden; ++j) {
        sums[static_cast<std::size_t>(j)] = sigmoid(sums[static_cast<std::size_t>(j)]);
    }
    if (!hiddenOut.empty()) {
        std::copy(sums.data(), sums.data() + hidden, hiddenOut.data());
    }
    OutcomeChances outputs;
    const float* outputWeights = weights + outputWeightOffset();
    const float* outputBias = weights + outputBiasOffset();
    for (int k = 0; k < kOutcomeCount; ++k) {
        const float* row = outputWeights + static_cast<std::size_t>(k) * hidden;
        // Eight partial sums, so the compiler may keep them in vector lanes.
        std::array<float, 8> partial{};
        int j = 0;
        for (; j + 8 <= hidden; j += 8) {
            for (int lane = 0; lane < 8; ++lane) {
                partial[static_cast<std::size_t>(lane)] +=
                    row[j + lane] * sums[static_cast<std::size_t>(j + lane)];
            }
        }
        float sum = outputBias[k];
        for (; j < hidden; ++j) {
            sum += row[j] * sums[static_cast<std::size_t>(j)];
        }
        for (const float part : partial) {
            sum += part;
        }
        outputs[static_cast<std::size_t>(k)] = sigmoid(sum);
    }
    return outputs;
}

} // namespace vh
