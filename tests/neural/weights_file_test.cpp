#include "neural/weights_file.h"
#include "platform/binary_io.h"
#include "platform/seeded_stream.h"
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
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::byte>(value >> (8 * i));
    }
    // The checksum is the CRC-32 of what precedes it: rebuild it through a
    // file whose parameters are these bytes' own.
    BinaryWriter out;
    out.writeBytes(std::span<const std::byte>(bytes).first(bytes.size() - 4));
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::byte b : out.bytes()) {
        crc ^= static_cast<std::uint32_t>(b);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) != 0 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
    }
    crc ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i) {
        bytes[bytes.size() - 4 + static_cast<std::size_t>(i)] =
            static_cast<std::byte>(crc >> (8 * i));
    }
    return bytes;
}

TEST(WeightsFile, RoundTripKeepsEveryWeightAndTheGameCountAndAMissingFileIsNamed) {
    const TrainedNetwork trained = sampleNetwork(7, 123456);
    std::string error;
    const auto read = networkFromBytes(weightsFileBytes(trained), error);
    ASSERT_TRUE(read.has_value()) << error;
    EXPECT_EQ(read->network, trained.network);
    EXPECT_EQ(read->gamesTrained, 123456u);

    const test::TempDirectory directory("weights");
    ASSERT_TRUE(writeWeightsFile(directory / "net.weights", trained, error)) << error;
    const auto reread = readWeightsFile(directory / "net.weights", error);
    ASSERT_TRUE(reread.has_value()) << error;
    EXPECT_EQ(reread->network, trained.network);
    EXPECT_FALSE(readWeightsFile(directory / "none.weights", error).has_value());
    EXPECT_EQ(error, "it is missing");
}

TEST(WeightsFile, DamagedFilesAreRefusedWithTheReason) {
    const std::vector<std::byte> good = weightsFileBytes(sampleNetwork(5, 9));
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
        {"cut inside the header", std::vector<std::byte>(good.begin(), good.begin() + 10),
         "too short"},
        {"cut short", std::vector<std::byte>(good.begin(), good.end() - 1), "bytes instead of"},
        {"a byte too many", longer, "bytes instead of"},
        {"a flipped bit", flipped, "checksum"},
        {"another magic number", withField(good, 0, 0x12345678), "not a weights file"},
        {"a later version", withField(good, 4, 2), "version 2 is not known"},
        {"another input count", withField(good, 8, 198), "sizes"},
        {"no hidden units", withField(good, 12, 0), "sizes"},
        {"too many hidden units", withField(good, 12, 100000), "sizes"},
        {"another output count", withField(good, 16, 3), "sizes"},
        {"a weight that is not a number", withField(good, 24, nanBits), "not a number"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(networkFromBytes(c.bytes, error).has_value()) << c.what;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.what << ": " << error;
    }
    std::string error;
    EXPECT_TRUE(networkFromBytes(withField(good, 20, 77), error).has_value())
        << "the game count is free: " << error;
}

TEST(WeightsMutation, DamagedFilesAreRefusedWithoutCrash) {
    const TrainedNetwork trained = sampleNetwork(2, 5);
    const std::vector<std::byte> good = weightsFileBytes(trained);
    const std::size_t countOffsets[] = {8, 12, 16, 20};
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
