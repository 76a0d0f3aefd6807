#include "ai/computer_player.h"
#include "players/champion_file.h"
#include "rules/side.h"
#include "tests/match/game_fixture.h"

namespace vh::test {
namespace {

// The program directory of the fixture with the champion and its weights.
class ChampionPlayerTest : public GameFixture {
protected:
    ChampionPlayerTest() {
        namespace fs = std::filesystem;
        fs::copy_file(fs::path(VARNHOLT_SOURCE_DIR) / "data/Champion.dat",
                      directory_ / "Data/Champion.dat");
        fs::copy_file(fs::path(VARNHOLT_SOURCE_DIR) / "data/Champion.weights",
                      directory_ / "Data/Champion.weights");
        champion_ = readChampionFile(championFilePath()).value_or(ComputerProfile{}).name;
    }

    std::string champion_;
};

TEST_F(ChampionPlayerTest, PlaysTheNetworkWithTheCubeAndIsFiledLikeAnyOpponent) {
    thinkingBudgetMs_ = 60000;
    seedRandom(21);
    GameManager manager(environmentFor(settingsFor(false, "Ann", true, champion_)));
    manager.newGame();
    const auto* champion = dynamic_cast<const ComputerPlayer*>(manager.player(1));
    ASSERT_NE(champion, nullptr);
    EXPECT_TRUE(champion->playsNeural());
    const auto listed = readNeuralOpponentsFile(championFilePath()).size();
    EXPECT_EQ(champion->profileIndex(), kRosterSize + static_cast<int>(listed) - 1);
    stepUntilGameOver(manager);
    for (const Message& message : messages_.shown()) {
        EXPECT_EQ(message.text.find("Champion.weights"), std::string::npos) << message.text;
    }

    const PlayerStore reread = savedStore();
    const PlayerRecord* ann = reread.findPlayer("Ann");
    ASSERT_NE(ann, nullptr);
    ASSERT_EQ(ann->historyCount(), 1);
    EXPECT_EQ(ann->history.front().names[1], champion_);
    EXPECT_EQ(ann->gamesWon, 0) << "the first legal play every turn loses to the network";
}

TEST_F(ChampionPlayerTest, WeightsThatCannotBeUsedLeaveTheClassicSearchAndSaySo) {
    const std::vector<std::byte> shipped = readBytes(directory_ / "Data/Champion.weights");
    const struct {
        const char* what;
        std::vector<std::byte> bytes;
        const char* reason;
    } cases[] = {
        {"cut short", std::vector<std::byte>(shipped.begin(), shipped.end() - 9), "bytes instead"},
        {"missing", {}, "missing"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(directory_ / "Data/Champion.weights");
        if (!c.bytes.empty()) {
            directory_.write("Data/Champion.weights", c.bytes);
        }
        messages_.clear();
        const ComputerPlayer player(PLAYER_ONE, champion_);
        EXPECT_FALSE(player.playsNeural()) << c.what;
        EXPECT_EQ(player.strength(), 2001) << c.what;
        ASSERT_EQ(messages_.shown().size(), 1u) << c.what;
        const std::string text = messages_.texts().front();
        EXPECT_NE(text.find("Data/Champion.weights"), std::string::npos) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
        EXPECT_NE(text.find("classic evaluation"), std::string::npos) << text;
    }
    // Without the champion's file the name falls to the first opponent.
    std::filesystem::remove(directory_ / "Data/Champion.dat");
    messages_.clear();
    const ComputerPlayer fallback(PLAYER_TWO, champion_);
    EXPECT_FALSE(fallback.playsNeural());
    EXPECT_EQ(fallback.profileIndex(), 0);
    EXPECT_TRUE(messages_.shown().empty());
}

} // namespace
} // namespace vh::test
