#include "neural/weights_file.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/crc32.h"
#include "platform/data_file.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

namespace vh {
namespace {

// The fields after the magic number and the version, in each version.
constexpr std::size_t kFirstVersionFields = 4;
constexpr std::size_t kFields = 14;
constexpr std::size_t kSettingsFields = 8;
constexpr std::size_t kChecksumBytes = 4;
// The largest network's parameters and the header: no sound file is larger.
constexpr std::size_t kMaxFileBytes =
    4 * (2 + kFields) + kChecksumBytes +
    4 * ((std::size_t{kMaxInputCount} + 1 + kOutcomeCount) * NeuralNetwork::kMaxHiddenUnits +
         kOutcomeCount);

struct Header {
    std::uint32_t encoding = kBasicEncoding;
    std::uint32_t inputs = 0;
    std::uint32_t hidden = 0;
    std::uint32_t outputs = 0;
    std::uint32_t games = 0;
    std::uint32_t settingsKnown = 0;
    std::array<std::uint32_t, kSettingsFields> settings{};
};

std::uint32_t floatBits(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

std::array<std::uint32_t, kSettingsFields> settingsFields(const TrainingSettings& s) {
    return {s.seed,
            floatBits(s.lambda),
            floatBits(s.firstLearningRate),
            floatBits(s.lastLearningRate),
            s.plannedGames,
            floatBits(s.initialWeightRange),
            s.gamesPerBatch,
            s.solvedBearoffs ? 1u : 0u};
}

// The settings of a header that has them, or nothing with `error`.
std::optional<TrainingSettings> settingsOf(const Header& header, std::string& error) {
    const auto& f = header.settings;
    TrainingSettings s;
    s.seed = f[0];
    s.hiddenUnits = static_cast<int>(header.hidden);
    s.encoding = static_cast<int>(header.encoding);
    s.lambda = std::bit_cast<float>(f[1]);
    s.firstLearningRate = std::bit_cast<float>(f[2]);
    s.lastLearningRate = std::bit_cast<float>(f[3]);
    s.plannedGames = f[4];
    s.initialWeightRange = std::bit_cast<float>(f[5]);
    s.gamesPerBatch = f[6];
    s.solvedBearoffs = f[7] != 0;
    const bool finite = std::isfinite(s.lambda) && std::isfinite(s.firstLearningRate) &&
                        std::isfinite(s.lastLearningRate) && std::isfinite(s.initialWeightRange);
    if (!finite || s.gamesPerBatch == 0 || f[7] > 1) {
        error = "its training settings cannot be right";
        return std::nullopt;
    }
    return s;
}

// The header after the magic number and the version; false, with `error`,
// when it is cut short or its fields do not fit together.
bool readHeader(BinaryReader& in, std::uint32_t version, Header& header, std::string& error) {
    std::array<std::uint32_t, kFields> f{};
    const std::size_t count = version == kFirstWeightsVersion ? kFirstVersionFields : kFields;
    for (std::size_t i = 0; i < count; ++i) {
        in.readUInt32(f[i]);
    }
    if (in.failed()) {
        error = "it is too short";
        return false;
    }
    if (version == kFirstWeightsVersion) {
        header.inputs = f[0];
        header.hidden = f[1];
        header.outputs = f[2];
        header.games = f[3];
    } else {
        header.encoding = f[0];
        header.inputs = f[1];
        header.hidden = f[2];
        header.outputs = f[3];
        header.settingsKnown = f[4];
        std::copy_n(f.begin() + 5, kSettingsFields, header.settings.begin());
        header.games = f[13];
    }
    if (!knownEncoding(static_cast<int>(header.encoding))) {
        error = "its input encoding " + std::to_string(header.encoding) + " is not known";
        return false;
    }
    const auto inputs = static_cast<std::uint32_t>(inputCountOf(static_cast<int>(header.encoding)));
    if (header.inputs != inputs || header.outputs != kOutcomeCount || header.hidden < 1 ||
        header.hidden > NeuralNetwork::kMaxHiddenUnits) {
        error = "its network sizes (" + std::to_string(header.inputs) + ", " +
                std::to_string(header.hidden) + ", " + std::to_string(header.outputs) +
                ") do not fit its encoding " + std::to_string(header.encoding);
        return false;
    }
    const bool unknownAndZero =
        header.settingsKnown == 0 &&
        std::all_of(header.settings.begin(), header.settings.end(), [](auto v) { return v == 0; });
    if (header.settingsKnown > 1 || (header.settingsKnown == 0 && !unknownAndZero)) {
        error = "its training settings cannot be right";
        return false;
    }
    return true;
}

} // namespace

std::vector<std::byte> weightsFileBytes(const TrainedNetwork& trained) {
    const NeuralNetwork& network = trained.network;
    BinaryWriter out;
    out.writeUInt32(kWeightsMagic);
    out.writeUInt32(kWeightsVersion);
    out.writeUInt32(static_cast<std::uint32_t>(network.encoding()));
    out.writeUInt32(static_cast<std::uint32_t>(network.inputCount()));
    out.writeUInt32(static_cast<std::uint32_t>(network.hiddenUnits()));
    out.writeUInt32(kOutcomeCount);
    out.writeUInt32(trained.settings ? 1 : 0);
    const std::array<std::uint32_t, kSettingsFields> settings =
        trained.settings ? settingsFields(*trained.settings)
                         : std::array<std::uint32_t, kSettingsFields>{};
    for (const std::uint32_t field : settings) {
        out.writeUInt32(field);
    }
    out.writeUInt32(trained.gamesTrained);
    for (const float value : network.parameters()) {
        out.writeUInt32(floatBits(value));
    }
    out.writeUInt32(crc32(out.bytes()));
    return out.take();
}

std::optional<TrainedNetwork> networkFromBytes(std::span<const std::byte> bytes,
                                               std::string& error) {
    BinaryReader in(bytes);
    std::array<std::uint32_t, 2> start{};
    if (!readDataHeader(in, start, kWeightsMagic, kWeightsVersion, "a weights file", error) &&
        (in.failed() || start[0] != kWeightsMagic || start[1] != kFirstWeightsVersion)) {
        return std::nullopt;
    }
    error.clear();
    Header header;
    if (!readHeader(in, start[1], header, error)) {
        return std::nullopt;
    }
    TrainedNetwork trained{
        NeuralNetwork(static_cast<int>(header.hidden), static_cast<int>(header.encoding)),
        header.games};
    if (header.settingsKnown != 0) {
        trained.settings = settingsOf(header, error);
        if (!trained.settings) {
            return std::nullopt;
        }
    }
    const std::size_t expected =
        in.position() + 4 * trained.network.parameterCount() + kChecksumBytes;
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
