#include "neural/weights_file.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/crc32.h"
#include "platform/data_file.h"

#include <array>
#include <bit>
#include <cmath>

namespace vh {
namespace {

constexpr std::size_t kHeaderBytes = 6 * 4;
constexpr std::size_t kChecksumBytes = 4;
// The largest network's parameters and the header: no sound file is larger.
constexpr std::size_t kMaxFileBytes =
    kHeaderBytes + kChecksumBytes +
    4 * ((std::size_t{kInputCount} + 1 + kOutcomeCount) * NeuralNetwork::kMaxHiddenUnits +
         kOutcomeCount);

} // namespace

std::vector<std::byte> weightsFileBytes(const TrainedNetwork& trained) {
    BinaryWriter out;
    out.writeUInt32(kWeightsMagic);
    out.writeUInt32(kWeightsVersion);
    out.writeUInt32(kInputCount);
    out.writeUInt32(static_cast<std::uint32_t>(trained.network.hiddenUnits()));
    out.writeUInt32(kOutcomeCount);
    out.writeUInt32(trained.gamesTrained);
    for (const float value : trained.network.parameters()) {
        out.writeUInt32(std::bit_cast<std::uint32_t>(value));
    }
    out.writeUInt32(crc32(out.bytes()));
    return out.take();
}

std::optional<TrainedNetwork> networkFromBytes(std::span<const std::byte> bytes,
                                               std::string& error) {
    BinaryReader in(bytes);
    std::array<std::uint32_t, 6> header{};
    if (!readDataHeader(in, header, kWeightsMagic, kWeightsVersion, "a weights file", error)) {
        return std::nullopt;
    }
    const auto [magic, version, inputs, hidden, outputs, games] = header;
    if (inputs != kInputCount || outputs != kOutcomeCount || hidden < 1 ||
        hidden > NeuralNetwork::kMaxHiddenUnits) {
        error = "its network sizes (" + std::to_string(inputs) + ", " + std::to_string(hidden) +
                ", " + std::to_string(outputs) + ") do not fit";
        return std::nullopt;
    }
    TrainedNetwork trained{NeuralNetwork(static_cast<int>(hidden)), games};
    const std::size_t expected =
        kHeaderBytes + 4 * trained.network.parameterCount() + kChecksumBytes;
    if (bytes.size() != expected) {
        error = "it holds " + std::to_string(bytes.size()) + " bytes instead of " +
                std::to_string(expected);
        return std::nullopt;
    }
    for (float& value : trained.network.parameters()) {
        std::uint32_t bits = 0;
        in.readUInt32(bits);
        value = std::bit_cast<float>(bits);
    }
    std::uint32_t checksum = 0;
    in.readUInt32(checksum);
    if (in.failed() || checksum != crc32(bytes.first(expected - kChecksumBytes))) {
        error = "its checksum does not match";
        return std::nullopt;
    }
    for (const float value : trained.network.parameters()) {
        if (!std::isfinite(value)) {
            error = "it holds a weight that is not a number";
            return std::nullopt;
        }
    }
    return trained;
}

bool writeWeightsFile(const std::filesystem::path& path, const TrainedNetwork& trained,
                      std::string& error) {
    const std::vector<std::byte> bytes = weightsFileBytes(trained);
    return writeFileAtomically(path, bytes, &error);
}

std::optional<TrainedNetwork> readWeightsFile(const std::filesystem::path& path,
                                              std::string& error) {
    const std::optional<std::vector<std::byte>> bytes = readDataFile(path, kMaxFileBytes, error);
    return bytes ? networkFromBytes(*bytes, error) : std::nullopt;
}

} // namespace vh
