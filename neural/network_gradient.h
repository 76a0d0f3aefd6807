#pragma once

#include "neural/network.h"

#include <array>
#include <span>

namespace vh {

// Adds to `gradient` (one value per parameter, in NeuralNetwork order) the
// gradient of sum over k of weight[k] * output k of `network` at `inputs`,
// where `hidden` and `outputs` are what network.evaluate gave for them.
// Only the rows of the inputs that are set are touched, besides the biases
// and the output weights.
void addWeightedGradient(const NeuralNetwork& network, const NetworkInputs& inputs,
                         std::span<const float> hidden, const OutcomeChances& outputs,
                         const std::array<float, kOutcomeCount>& weight, std::span<float> gradient);

} // namespace vh
