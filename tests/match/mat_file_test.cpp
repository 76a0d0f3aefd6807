#include "match/game_record_of.h"
#include "match/mat_file.h"
#include "rules/side.h"
#include "rules/typed_play.h"
#include "tests/match/game_fixture.h"

#include <tuple>

namespace vh::test {
namespace {

// Ann's 3-1, Bob's double taken and his 6-4, Ann's redouble dropped.
constexpr const char* kShortGame = R"( 0 point match

 Game 1
 Ann : 0                               Bob : 0
  1) 31: 8/5 6/5                        Doubles => 2
  2)  Takes                            64: 24/18 13/9
  3)  Doubles => 4                      Drops
      Wins 2 points
)";

GameRecord shortGame() {
    GameRecord game;
    game.names = {"Ann", "Bob"};
    setStartPosition(game.start);
    BoardPosition position = game.start;
    const auto turn = [&](int side, int die1, int die2, const char* text, CubeAction cube) {
        const TypedPlay typed = readTypedPlay(text, position, side, die1, die2);
        applyPlay(typed.play, position);
        game.turns.push_back({side, die1, die2, typed.play, cube});
    };
    turn(0, 3, 1, "8/5 6/5", CubeAction::None);
    turn(1, 6, 4, "24/18 13/9", CubeAction::DoubleTaken);
    turn(0, 0, 0, "", CubeAction::DoublePassed);
    game.winner = 0;
    game.points = 2;
    return game;
}

class MatFileTest : public GameFixture {};

TEST_F(MatFileTest, AGameIsWrittenInTheColumnsOfTheFormatAndReadBack) {
    EXPECT_EQ(matText(shortGame()), kShortGame);

    // A whole game between two computers, hits, entries and bear-offs.
    auto manager = startGame(settingsFor(true, "Milo", true, "Greta"), 11);
    stepUntilGameOver(*manager);
    const GameRecord played = manager->gameRecord();
    ASSERT_NE(played.winner, -1);
    for (const GameRecord& game : {shortGame(), played}) {
        MatGames read;
        std::string error;
        ASSERT_TRUE(readMatText(matText(game), read, error)) << error;
        ASSERT_EQ(read.games.size(), 1u);
        expectSameGame(read.games[0], game);
        EXPECT_EQ(std::tuple(read.games[0].names, read.games[0].winner, read.games[0].points),
                  std::tuple(game.names, game.winner, game.points));

        // As a saved game, the same turns lead to the same board.
        const SavedGame saved = savedGameOf(read.games[0]);
        const std::optional<GameRecord> again = recordOfSavedGame(saved);
        ASSERT_TRUE(again.has_value());
        expectSameGame(*again, game);
        EXPECT_EQ(again->cubeKnownFrom, 0u);
        EXPECT_EQ(saved.currentSide, otherSide(game.turns.back().side));
    }
}

TEST(MatFile, ADamagedTextIsRefusedAtItsLine) {
    struct Case {
        const char* replaced;
        const char* by;
        const char* error;
    };
    const Case cases[] = {
        {" 0 point match", " 0 point game",
         "line 1: the text does not begin with \"N point match\""},
        {" Game 1", "", "line 4: a turn before the first \"Game\" line"},
        {"Bob : 0", "Bob",
         "line 4: write the players as \"NAME : SCORE\", the second from column 40"},
        {"8/5 6/5", "8/4 6/5", "line 5: That is not a legal play of 3-1."},
        {"31: 8/5 6/5", "31:", "line 5: player 1's 31 has no moves, but it can be played"},
        {"Doubles => 2", "Doubles => 4", "line 5: the cube is at 1, a double turns it to 2, not 4"},
        {" Takes", " Shrugs",
         "line 6: \"Shrugs\" is not a roll, a double, a take, a drop or a result"},
        {"64: 24/18", "64: 25/19", "line 6: \"25/19\": there is no point 25; write bar/19."},
        {"      Wins 2 points", "  4) 21: 6/4 6/5", "line 8: a turn after the end of the game"},
    };
    for (const Case& c : cases) {
        std::string text = kShortGame;
        text.replace(text.find(c.replaced), std::string_view(c.replaced).size(), c.by);
        MatGames games;
        games.matchLength = -1;
        std::string error;
        EXPECT_FALSE(readMatText(text, games, error)) << c.by;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(games.matchLength, -1) << "nothing is half-read";
    }
    MatGames games;
    std::string error;
    EXPECT_FALSE(readMatText(" 7 point match\n\n", games, error));
    EXPECT_EQ(error, "line 2: the text ends before its first game");
    EXPECT_FALSE(readMatText(" 7 point match\n\n Game 1\n Game 2\n", games, error));
    EXPECT_EQ(error, "line 4: game 1 does not name its players as \"NAME : SCORE\"");
    EXPECT_FALSE(readMatText(" 26 point match\n", games, error));
    EXPECT_EQ(error, "line 1: matches are played to at most 25 points");
    EXPECT_FALSE(readMatText(" 3 point match\n Game 1\n Ann : 3   Bob : 0\n", games, error));
    EXPECT_EQ(error, "line 3: a score of 3 has already won the match to 3");
}

} // namespace
} // namespace vh::test
