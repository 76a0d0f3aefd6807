#include "match/autosave.h"
#include "tests/match/game_fixture.h"

#include <filesystem>

namespace vh::test {
namespace {

class AutosaveTest : public GameFixture {
protected:
    AutosaveTest() { autosave_ = true; }
};

// Killed after a finished turn: the autosave resumes there, with the roll
// already thrown for the side to move.
TEST_F(AutosaveTest, AGameKilledAfterATurnResumesWhereItWas) {
    const GameSettings settings = timedSettings(settingsFor(false, "Ann", false, "Bob"), 3);
    SavedGame start = savedGameAt(startPosition(), 0, 3, 1);
    start.timed = true;
    start.initialSeconds = 180;
    start.players[0].clockMs = start.players[1].clockMs = 180000;
    start.cubeValue = 4;
    start.cubeOwner = 1;
    auto manager = openSaved(settings, start);
    for (int turn = 0; turn < 3; ++turn) {
        now_ += 1700;
        playHumanTurn(*manager);
    }
    const FoundAutosave found = findAutosave();
    ASSERT_TRUE(found.game.has_value()) << found.problem;

    auto resumed = openSaved(settings, *found.game);
    EXPECT_EQ(resumed->turnsPlayed(), 3);
    EXPECT_EQ(resumed->currentSide(), manager->currentSide());
    EXPECT_TRUE(samePlacement(resumed->board().position, manager->board().position));
    EXPECT_EQ(std::minmax(resumed->board().die1, resumed->board().die2),
              std::minmax(manager->board().die1, manager->board().die2));
    EXPECT_EQ(resumed->board().cubeValue, 4);
    EXPECT_EQ(resumed->stage().cubeOwner(), 1);
    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(resumed->clockValue(side), manager->clockValue(side)) << side;
        EXPECT_EQ(resumed->player(side)->name(), manager->player(side)->name());
        EXPECT_EQ(resumed->player(side)->isComputer(), manager->player(side)->isComputer());
    }
    EXPECT_EQ(resumed->gameRecord().turns.size(), 3u) << "the turns go on to the coach";
}

TEST_F(AutosaveTest, ADamagedAutosaveIsSetAsideAndNotOfferedAgain) {
    directory_.write("Data/Autosave.vhf", "not a saved game");
    const FoundAutosave found = findAutosave();
    EXPECT_FALSE(found.game.has_value());
    EXPECT_TRUE(found.damaged());
    EXPECT_EQ(setAsideAutosave(), directory_ / "Data/Autosave.damaged.vhf");
    EXPECT_TRUE(std::filesystem::exists(directory_ / "Data/Autosave.damaged.vhf"));
    const FoundAutosave again = findAutosave();
    EXPECT_FALSE(again.game.has_value() || again.damaged());
}

} // namespace
} // namespace vh::test
