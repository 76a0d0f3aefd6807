#include "match/game_ids.h"
#include "match/status_text.h"
#include "tests/match/game_fixture.h"

#include <tuple>

namespace vh::test {
namespace {

using GameIdsTest = GameFixture;

// The game's ID as it stands, and a game set up from it that stands the same.
TEST_F(GameIdsTest, TheIdOfAGameSetsUpTheSameGame) {
    struct Case {
        int die1;
        int die2;
        std::int32_t cube;
        int owner;
        const char* id;
    };
    for (const Case& c : {Case{1, 3, 1, -1, "4HPwATDgc/ABMA:MIEFAAAAAAAE"},
                          Case{6, 5, 2, 1, "4HPwATDgc/ABMA:EQEXAAAAAAAE"}}) {
        SCOPED_TRACE(c.id);
        SavedGame start = savedGameAt(startPosition(), 0, c.die1, c.die2);
        start.cubeValue = c.cube;
        start.cubeOwner = c.owner;
        auto manager = openSaved(start);
        ASSERT_TRUE(manager->diceShown());
        EXPECT_EQ(gameIdOf(*manager), c.id);

        BoardPosition position;
        MatchIdFields fields;
        std::string error;
        ASSERT_TRUE(readGameId(c.id, position, fields, error)) << error;
        auto again = openSaved(savedGameOfId(position, fields, start.players));
        EXPECT_EQ(gameIdOf(*again), c.id);
        EXPECT_EQ(again->player(1)->name(), "Bob");
    }
    // A name from the roster is that computer, any other name a human.
    SavedGame imported = savedGameAt(startPosition(), 0, 3, 1, "Milo Finch", false, "Bob", false);
    seatKnownComputers(imported);
    EXPECT_EQ(imported.players[0].isComputer, 1);
    EXPECT_EQ(imported.players[1].isComputer, 0);
}

// A saved match goes on at its score: no double in the Crawford game, the
// cube free after it, and the score in the match ID and the file.
TEST_F(GameIdsTest, AnOpenedMatchKeepsItsScoreAndTheCrawfordRule) {
    for (const int crawford : {1, 2}) {
        SCOPED_TRACE(crawford);
        SavedGame start = savedGameAt(startPosition(), 0, 3, 1);
        start.matchLength = 7;
        start.score0 = 2;
        start.score1 = 6;
        start.crawford = crawford;
        auto manager = openSaved(start, false);
        EXPECT_EQ(manager->canOfferDouble(), crawford == 2);
        BoardPosition position;
        MatchIdFields fields;
        std::string error;
        ASSERT_TRUE(readGameId(*gameIdOf(*manager), position, fields, error)) << error;
        EXPECT_EQ(std::tuple(fields.matchLength, fields.score0, fields.score1, fields.crawford),
                  std::tuple(7, 2, 6, crawford == 1));
        const std::optional<SavedGame> saved = manager->savedGame();
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(std::tuple(saved->matchLength, saved->score0, saved->score1, saved->crawford),
                  std::tuple(7, 2, 6, crawford));
    }
}

TEST_F(GameIdsTest, TheBoardIsToldInWordsAndEachPlayIsNamed) {
    auto manager = openSaved(savedGameAt(placedPosition("0=1 5=2 24=1 18=-2"), 0, 6, 1));
    EXPECT_EQ(boardDescription(*manager),
              "Ann to move, rolled 6-1. Pips: Ann 38, Bob 12. Cube 1 in the middle. "
              "Ann (White): bar 1, 6: 2, 1: 1, off 11. Bob (Black): 6: 2, off 13.");
    EXPECT_EQ(lastPlayText(*manager), "");
    playHumanTurn(*manager);
    EXPECT_EQ(lastPlayText(*manager).rfind("Ann played bar/", 0), 0u) << lastPlayText(*manager);
}

} // namespace
} // namespace vh::test
