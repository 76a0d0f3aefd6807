#pragma once

#include "neural/encoding.h"
#include "neural/outcome.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vh {

class BearoffDatabase;

// A network of one hidden layer of sigmoid units and five sigmoid outputs,
// the chances of OutcomeChances for the side to move. All parameters live in
// one array, in this order: the hidden weights input by input (each input's
// weights to every hidden unit side by side, so an input that is set adds one
// contiguous row), the hidden biases, the output weights output by output,
// the output biases.
class NeuralNetwork {
public:
    static constexpr int kMinHiddenUnits = 1;
    static constexpr int kMaxHiddenUnits = 256;

    // All parameters zero. `hiddenUnits` is clamped to the range above; an
    // encoding that is not known is read as the basic one.
    explicit NeuralNetwork(int hiddenUnits, int encoding = kBasicEncoding);

    int hiddenUnits() const { return hidden_; }
    // The encoding its inputs are made by, and their number.
    int encoding() const { return encoding_; }
    int inputCount() const { return inputCountOf(encoding_); }
    // Encodes `position` for this network.
    void encode(const BoardPosition& position, int sideToMove, NetworkInputs& inputs) const {
        encodePosition(position, sideToMove, inputs, encoding_);
    }
    std::size_t parameterCount() const { return parameters_.size(); }
    std::span<float> parameters() { return parameters_; }
    std::span<const float> parameters() const { return parameters_; }

    // Offsets of the four parts within parameters().
    std::size_t hiddenBiasOffset() const {
        return static_cast<std::size_t>(inputCount()) * static_cast<std::size_t>(hidden_);
    }
    std::size_t outputWeightOffset() const { return hiddenBiasOffset() + hidden_; }
    std::size_t outputBiasOffset() const { return outputWeightOffset() + kOutcomeCount * hidden_; }

    // The five raw outputs (each a sigmoid, not yet made consistent). Only the
    // inputs that are set are read; nothing is allocated. `hiddenOut`, when
    // not empty, receives the hidden activations (hiddenUnits() values).
    OutcomeChances evaluate(const NetworkInputs& inputs, std::span<float> hiddenOut = {}) const;

    // The solved bear-offs the network's positions are judged by where both
    // sides are home without contact (see network_play); none: the network
    // judges them too.
    void setBearoff(std::shared_ptr<const BearoffDatabase> database) {
        bearoff_ = std::move(database);
    }
    const BearoffDatabase* bearoff() const { return bearoff_.get(); }
    // The network that judges the races (positions without contact) the
    // bear-off database does not; none: this one judges them too.
    void setRace(std::shared_ptr<const NeuralNetwork> race) { race_ = std::move(race); }
    const NeuralNetwork* race() const { return race_.get(); }

    // The same shape and parameters.
    friend bool operator==(const NeuralNetwork& a, const NeuralNetwork& b) {
        return a.hidden_ == b.hidden_ && a.encoding_ == b.encoding_ &&
               a.parameters_ == b.parameters_;
    }

private:
    int hidden_;
    int encoding_;
    std::vector<float> parameters_;
    std::shared_ptr<const BearoffDatabase> bearoff_;
    std::shared_ptr<const NeuralNetwork> race_;
};

} // namespace vh
