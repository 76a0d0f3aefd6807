#pragma once

#include "neural/network.h"
#include "neural/training_settings.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The weights file of a trained network, little-endian, in 32-bit fields
// (floats as their IEEE bits). Version 2, written today:
//   magic "VHNN" (0x4E4E4856), version (2), input encoding, input count
//   (that of the encoding), hidden units, output count (5); whether the
//   training settings are known (0 or 1), then theirs: seed, lambda, first
//   and last learning rate, planned games, initial weight range, games per
//   batch, solved bear-offs (0 or 1), all zero when they are not known (the
//   settings' hidden units and encoding are the network's); games trained;
//   every parameter in NeuralNetwork order; the CRC-32 of all the bytes
//   before it.
// Version 1, still read: magic, version (1), input count (of the basic
// encoding), hidden units, output count, games trained, the parameters and
// the CRC-32; its encoding is the basic one and its settings are not known.
// A file that differs from these in any way is refused whole.
inline constexpr std::uint32_t kWeightsMagic = 0x4E4E4856;
inline constexpr std::uint32_t kWeightsVersion = 2;
inline constexpr std::uint32_t kFirstWeightsVersion = 1;

struct TrainedNetwork {
    TrainedNetwork() = default;
    TrainedNetwork(NeuralNetwork trainedNetwork, std::uint32_t games,
                   std::optional<TrainingSettings> trainedWith = std::nullopt)
        : network(std::move(trainedNetwork)), gamesTrained(games),
          settings(std::move(trainedWith)) {}

    NeuralNetwork network{NeuralNetwork::kMinHiddenUnits};
    std::uint32_t gamesTrained = 0;
    // What it was trained with; not known for a version 1 file.
    std::optional<TrainingSettings> settings;
};

std::vector<std::byte> weightsFileBytes(const TrainedNetwork& trained);

// The network of the bytes, or nothing with `error` saying what is wrong
// ("too short", "not a weights file", "version 7 is not known", ...).
std::optional<TrainedNetwork> networkFromBytes(std::span<const std::byte> bytes,
                                               std::string& error);

// Written whole through a temporary file.
bool writeWeightsFile(const std::filesystem::path& path, const TrainedNetwork& trained,
                      std::string& error);
// Reads and checks a weights file; nothing, with `error` saying why ("it is
// missing", or what is wrong with it), when it cannot be used.
std::optional<TrainedNetwork> readWeightsFile(const std::filesystem::path& path,
                                              std::string& error);

} // namespace vh
