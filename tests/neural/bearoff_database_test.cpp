#include "neural/bearoff_database.h"
#include "neural/network_play.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>

namespace vh::test {
namespace {

const std::filesystem::path kShippedFile =
    std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Bearoff.dat";

class BearoffDatabaseTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string error;
        database_ = BearoffDatabase::readFile(kShippedFile, error);
        ASSERT_TRUE(database_.has_value()) << error;
    }
    static inline std::optional<BearoffDatabase> database_;
};

TEST_F(BearoffDatabaseTest, HandCheckedPlacementsBearOffAsTheDiceAllow) {
    const struct {
        HomeCounts counts;
        int rolls;
        double chance; // of bearing off in exactly `rolls`
    } cases[] = {
        {{1, 0, 0, 0, 0, 0}, 1, 1.0},       // one checker on the 1 point
        {{0, 0, 0, 0, 0, 2}, 1, 4.0 / 36},  // two on the 6 point: 3-3 to 6-6
        {{0, 0, 0, 0, 0, 1}, 1, 27.0 / 36}, // one on the 6 point: 6 pips, or 2-2
        {{0, 1, 1, 0, 0, 0}, 1, 25.0 / 36}, // 2 and 3 points: every roll without a 1
        {{0, 0, 0, 0, 0, 0}, 0, 1.0},       // nothing left
    };
    for (const auto& c : cases) {
        const BearoffDatabase::Distribution off = database_->offIn(c.counts);
        EXPECT_NEAR(off[static_cast<std::size_t>(c.rolls)], c.chance, 1e-4) << c.rolls;
        double sum = 0.0;
        for (const float chance : off) {
            sum += chance;
        }
        EXPECT_NEAR(sum, 1.0, 1e-3);
    }
    // Fifteen on the 1 point: the first checker comes off with the first roll.
    EXPECT_NEAR(database_->firstOffIn({15, 0, 0, 0, 0, 0})[1], 1.0, 1e-4);
    EXPECT_GT(database_->expectedRolls({0, 0, 0, 0, 0, 15}),
              database_->expectedRolls({15, 0, 0, 0, 0, 0}));
}

TEST_F(BearoffDatabaseTest, BothSidesChancesFollowFromTheirRolls) {
    // The side to move bears its last checker off at once.
    OutcomeChances chances = bearoffChances(*database_, placedPosition("0=1 23=-1"), 0);
    EXPECT_FLOAT_EQ(chances[kWin], 1.0f);
    // Seen from the other side, to move with two on its 6 point against one
    // on the 1 point: it wins only by bearing both off now.
    chances = bearoffChances(*database_, placedPosition("0=1 18=-2"), 1);
    EXPECT_NEAR(chances[kWin], 4.0 / 36, 1e-4);
    // Fifteen still on the board against one checker: a gammon every time.
    chances = bearoffChances(*database_, placedPosition("0=1 23=-15"), 0);
    EXPECT_NEAR(chances[kWinGammon], 1.0, 1e-4);
    EXPECT_TRUE(isHomeBearoff(placedPosition("0=1 23=-15")));
    EXPECT_FALSE(isHomeBearoff(placedPosition("6=1 23=-15")));
}

TEST_F(BearoffDatabaseTest, ANetworkWithTheDatabaseJudgesHomeBearoffsByIt) {
    NeuralNetwork network(4);
    const NeuralNetwork alone = network;
    network.setBearoff(std::make_shared<const BearoffDatabase>(*database_));
    const BoardPosition bearoff = placedPosition("0=2 5=1 18=-2 20=-3");
    EXPECT_EQ(chancesOnRoll(network, bearoff, 1), bearoffChances(*database_, bearoff, 1));
    EXPECT_NE(chancesOnRoll(alone, bearoff, 1), chancesOnRoll(network, bearoff, 1));
    const BoardPosition contact = placedPosition("0=2 19=1 18=-2 20=-3");
    EXPECT_EQ(chancesOnRoll(network, contact, 0), chancesOnRoll(alone, contact, 0));
}

TEST_F(BearoffDatabaseTest, ADamagedFileIsRefused) {
    std::vector<std::byte> bytes = database_->fileBytes();
    std::string error;
    ASSERT_TRUE(BearoffDatabase::fromBytes(bytes, error).has_value()) << error;
    const struct {
        std::size_t at;
        const char* error;
    } cases[] = {{0, "it is not a bear-off database"},
                 {4, "its version 2 is not known"},
                 {1000, "its checksum does not match"}};
    for (const auto& c : cases) {
        std::vector<std::byte> damaged = bytes;
        damaged[c.at] = static_cast<std::byte>(static_cast<int>(damaged[c.at]) + 1);
        EXPECT_FALSE(BearoffDatabase::fromBytes(damaged, error).has_value());
        EXPECT_EQ(error, c.error);
    }
    bytes.pop_back();
    EXPECT_FALSE(BearoffDatabase::fromBytes(bytes, error).has_value());
    EXPECT_EQ(error.rfind("it holds ", 0), 0u);
}

} // namespace
} // namespace vh::test
