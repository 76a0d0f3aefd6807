#pragma once

#include "neural/network.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The weights file of a trained network, little-endian:
//   magic "VHNN" (uint32 0x4E4E4856), format version (uint32, 1),
//   input count (uint32, must be kInputCount), hidden units (uint32),
//   output count (uint32, must be 5), games trained (uint32),
//   every parameter in NeuralNetwork order as an IEEE float (its 32 bits),
//   and the CRC-32 of all the bytes before it (uint32).
// A file that differs from this in any way is refused whole.
inline constexpr std::uint32_t kWeightsMagic = 0x4E4E4856;
inline constexpr std::uint32_t kWeightsVersion = 1;

struct TrainedNetwork {
    NeuralNetwork network{NeuralNetwork::kMinHiddenUnits};
    std::uint32_t gamesTrained = 0;
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
