#include "neural/weights_file.h"
#include "platform/binary_io.h"
#include "platform/seeded_stream.h"
#include "tests/support/hand_bytes.h"
#include "tests/support/mutations.h"
#include "tests/support/temp_directory.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>

namespace vh {
namespace {

TrainedNetwork sampleNetwork(int hidden, std::uint32_t games) {
    TrainedNetwork trained{NeuralNetwork(hidden), games};
    SeededStream stream(hidden);
    for (float& weight : trained.network.parameters()) {
        weight = stream.symmetric(3.0f);
    }
    return trained;
}

// The bytes with the 32-bit field at `offset` replaced and the checksum
// worked out again, so that only the field is wrong.
std::vector<std::byte> withField(std::vector<std::byte> bytes, std::size_t offset,
                                 std::uint32_t value) {
    bytes = test::withInt32(std::move(bytes), offset, value);
    // The checksum is the CRC-32 of what precedes it, worked out here bit by bit.
    const std::size_t checksumAt = bytes.size() - 4;
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < checksumAt; ++i) {
        crc ^= static_cast<std::uint32_t>(bytes[i]);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) != 0 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
    }
    return test::withInt32(std::move(bytes), checksumAt, crc ^ 0xFFFFFFFFu);
}

// The bytes of the first version of the format, which lacked the encoding
// and the settings.
std::vector<std::byte> firstVersionBytes(const TrainedNetwork& trained) {
    BinaryWriter out;
    for (const std::uint32_t field :
         {kWeightsMagic, 1u, std::uint32_t{kInputCount},
          std::uint32_t(trained.network.hiddenUnits()), 5u, trained.gamesTrained}) {
        out.writeUInt32(field);
    }
    for (const float value : trained.network.parameters()) {
        out.writeUInt32(std::bit_cast<std::uint32_t>(value));
    }
    out.writeUInt32(0);
    return withField(out.take(), 0, kWeightsMagic);
}

TEST(WeightsFile, RoundTripKeepsEveryWeightTheSettingsAndTheGameCount) {
    TrainingSettings settings;
    settings.seed = 77;
    settings.encoding = kRichEncoding;
    settings.hiddenUnits = 3;
    settings.lambda = 0.55f;
    settings.firstLearningRate = 0.3f;
    settings.lastLearningRate = 0.01f;
    settings.plannedGames = 5000;
    settings.initialWeightRange = 0.2f;
    settings.gamesPerBatch = 4;
    settings.solvedBearoffs = true;
    TrainedNetwork rich{NeuralNetwork(3, kRichEncoding), 4321, settings};
    rich.network.parameters()[7] = 0.5f;
    const struct {
        const char* what;
        TrainedNetwork trained;
        std::vector<std::byte> bytes;
    } cases[] = {
        {"version 2 with settings", rich, weightsFileBytes(rich)},
        {"version 2 without", sampleNetwork(7, 123456), weightsFileBytes(sampleNetwork(7, 123456))},
        {"version 1", sampleNetwork(4, 99), firstVersionBytes(sampleNetwork(4, 99))},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto read = networkFromBytes(c.bytes, error);
        ASSERT_TRUE(read.has_value()) << c.what << ": " << error;
        EXPECT_EQ(read->network, c.trained.network) << c.what;
        EXPECT_EQ(read->gamesTrained, c.trained.gamesTrained) << c.what;
        EXPECT_EQ(read->settings, c.trained.settings) << c.what;
    }

    const test::TempDirectory directory("weights");
    std::string error;
    ASSERT_TRUE(writeWeightsFile(directory / "net.weights", rich, error)) << error;
    const auto reread = readWeightsFile(directory / "net.weights", error);
    ASSERT_TRUE(reread.has_value()) << error;
    EXPECT_EQ(reread->network, rich.network);
    EXPECT_FALSE(readWeightsFile(directory / "none.weights", error).has_value());
    EXPECT_EQ(error, "it is missing");
}

TEST(WeightsFile, DamagedFilesAreRefusedWithTheReason) {
    TrainingSettings settings;
    settings.hiddenUnits = 5;
    const std::vector<std::byte> good =
        weightsFileBytes({sampleNetwork(5, 9).network, 9, settings});
    const std::vector<std::byte> first = firstVersionBytes(sampleNetwork(5, 9));
    std::vector<std::byte> flipped = good;
    flipped[100] ^= std::byte{0x10};
    std::vector<std::byte> longer = good;
    longer.push_back(std::byte{0});
    const auto nanBits = std::bit_cast<std::uint32_t>(std::nanf(""));
    const struct {
        const char* what;
        std::vector<std::byte> bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "too short"},
        {"cut inside the header", std::vector<std::byte>(good.begin(), good.begin() + 40),
         "too short"},
        {"cut short", std::vector<std::byte>(good.begin(), good.end() - 1), "bytes instead of"},
        {"version 1 cut short", std::vector<std::byte>(first.begin(), first.end() - 4),
         "bytes instead of"},
        {"a byte too many", longer, "bytes instead of"},
        {"a flipped bit", flipped, "checksum"},
        {"another magic number", withField(good, 0, 0x12345678), "not a weights file"},
        {"a later version", withField(good, 4, 3), "version 3 is not known"},
        {"no version", withField(good, 4, 0), "version 0 is not known"},
        {"version 1 read as 2", withField(first, 4, 2), "encoding 199 is not known"},
        {"an unknown encoding", withField(good, 8, 9), "encoding 9 is not known"},
        {"inputs of another encoding", withField(good, 12, kRichInputCount), "sizes"},
        {"version 1 with other inputs", withField(first, 8, kRichInputCount), "sizes"},
        {"no hidden units", withField(good, 16, 0), "sizes"},
        {"too many hidden units", withField(good, 16, 100000), "sizes"},
        {"another output count", withField(good, 20, 3), "sizes"},
        {"settings neither known nor not", withField(good, 24, 2), "settings"},
        {"unknown settings that are not zero", withField(withField(good, 24, 0), 28, 1),
         "settings"},
        {"a lambda that is not a number", withField(good, 32, nanBits), "settings"},
        {"no games a batch", withField(good, 52, 0), "settings"},
        {"a weight that is not a number", withField(good, 64, nanBits), "not a number"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(networkFromBytes(c.bytes, error).has_value()) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    }
    std::string error;
    EXPECT_TRUE(networkFromBytes(withField(good, 60, 77), error).has_value())
        << "the game count is free: " << error;
}

TEST(WeightsMutation, DamagedFilesAreRefusedWithoutCrash) {
    const TrainedNetwork trained = sampleNetwork(2, 5);
    const std::vector<std::byte> good = weightsFileBytes(trained);
    const std::size_t countOffsets[] = {8, 12, 16, 20, 24, 60};
    std::mt19937 random(16);
    int refused = 0;
    for (int round = 0; round < 4000; ++round) {
        const std::vector<std::byte> bytes = test::mutate(good, random, countOffsets);
        std::string error;
        const auto read = networkFromBytes(bytes, error);
        if (read) {
            // Only a change the format cannot see: the game count.
            EXPECT_EQ(read->network, trained.network);
        } else {
            EXPECT_FALSE(error.empty());
            ++refused;
        }
    }
    EXPECT_GT(refused, 3500);
}

} // namespace
} // namespace vh
