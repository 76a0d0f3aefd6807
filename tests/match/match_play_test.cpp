#include "match/game_record_of.h"
#include "match/mat_file.h"
#include "match/status_text.h"
#include "tests/match/game_fixture.h"

#include <tuple>

namespace vh::test {
namespace {

using Crawford = MatchState::Crawford;

class MatchPlayTest : public GameFixture {};

// Ann bears off her last checker with any roll; Bob has borne off twelve: a
// single game, worth the cube.
const BoardPosition kAnnWinsNow = placedPosition("0=1 12=-3");

TEST_F(MatchPlayTest, EachGameCountsItsPointsAndOnlyTheLastPaysTheMatchBet) {
    const struct {
        MatchState before;
        int cube;
        MatchState after;
        bool goesOn;
        std::int32_t amount; // the Match Bet is 10
        const char* caption;
        const char* text;
    } cases[] = {
        {MatchState{5, {3, 2}, Crawford::NotYet}, 1, MatchState{5, {4, 2}, Crawford::ThisGame},
         true, 0, "Game Won!",
         "Congratulations Ann, you have won the game! You score 1 point. "
         "Match to 5: Ann 4, Greta 2."},
        {MatchState{5, {4, 2}, Crawford::ThisGame}, 1, MatchState{5, {5, 2}, Crawford::After},
         false, 10, "Match Won!",
         "Congratulations Ann, you have won the match to 5 by 5 to 2! You have won $10."},
        {MatchState{5, {1, 4}, Crawford::After}, 4, MatchState{5, {5, 4}, Crawford::After}, false,
         10, "Match Won!",
         "Congratulations Ann, you have won the match to 5 by 5 to 4! You have won $10."},
        {MatchState{}, 2, MatchState{}, false, 20, "Match Won!",
         "Congratulations Ann, you have won the match! You have won $20."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        messages_.clear();
        SavedGame start = savedGameAt(kAnnWinsNow, 0, 6, 5, "Ann", false, "Greta", true);
        start.matchLength = c.before.length;
        start.score0 = c.before.score[0];
        start.score1 = c.before.score[1];
        start.crawford = static_cast<std::int32_t>(c.before.crawford);
        start.cubeValue = c.cube;
        start.cubeOwner = c.cube == 1 ? -1 : 0;
        const PlayerRecord* known = store_.findPlayer("Ann");
        const std::int32_t cashBefore = known != nullptr ? known->cash : kStartingCash;
        GameSettings settings = settingsFor(false, "Ann", true, "Greta");
        settings.muteSounds = 1;
        settings.matchBet = 10;
        auto manager = openSaved(settings, start);
        playHumanTurn(*manager);
        ASSERT_EQ(manager->state(), GameState::GameOver);
        EXPECT_EQ(manager->matchAfterGame(), c.after);
        EXPECT_EQ(manager->matchGoesOn(), c.goesOn);
        EXPECT_EQ(manager->amount(), c.amount);
        EXPECT_EQ(messages_.shown().back().caption, c.caption);
        EXPECT_EQ(messages_.texts().back(), c.text);
        EXPECT_TRUE(sounds_.played().empty()) << "muted";
        const PlayerStore saved = savedStore();
        const PlayerRecord* ann = saved.findPlayer("Ann");
        ASSERT_NE(ann, nullptr);
        EXPECT_EQ(ann->cash - cashBefore, c.amount) << "filed with the game's amount";
        EXPECT_EQ(manager->nextMatchGame(), c.goesOn);
        if (c.goesOn) {
            EXPECT_EQ(manager->state(), GameState::Playing);
            EXPECT_EQ(manager->match(), c.after);
            ASSERT_EQ(manager->matchGames().size(), 1u);
            EXPECT_EQ(manager->matchGames()[0].match, c.before);
            EXPECT_EQ(manager->panelContent(1).matchScore, "Match to 5: 2 - 4");
            EXPECT_TRUE(manager->panelContent(0).crawford);
        }
    }
}

TEST_F(MatchPlayTest, ADoubleIsOfferedForPointsAndARefusalScoresTheCube) {
    SavedGame start = savedGameAt(startPosition(), 0, 3, 1, "Ann", false, "Bob", false);
    start.matchLength = 5;
    start.score0 = 1;
    auto manager = openSaved(start, false);
    ASSERT_TRUE(manager->canOfferDouble());
    messages_.queueAnswer(MessageAnswer::No);
    manager->offerDouble();
    step(*manager);
    ASSERT_GE(messages_.shown().size(), 2u);
    EXPECT_EQ(messages_.texts()[0], "Ann has offered to double.  If you accept the game will be "
                                    "played for 2 points.");
    EXPECT_EQ(messages_.texts()[1], "Congratulations Ann, your double was declined! You score 1 "
                                    "point. Match to 5: Ann 2, Bob 0.");
    EXPECT_EQ(manager->matchAfterGame(), (MatchState{5, {2, 0}, Crawford::NotYet}));
}

// Two computers play a match to 3 through: the score grows by each game's
// points, nobody doubles in the Crawford game, and the match stops at its
// length. As .mat text each game reads back with the score it began at.
TEST_F(MatchPlayTest, AMatchGoesFromGameToGameUntilASideReachesItsLength) {
    seedRandom(11);
    auto manager =
        std::make_unique<GameManager>(environmentFor(settingsFor(true, "Milo", true, "Greta")));
    manager->newGame(3);
    int played = 0;
    do {
        ASSERT_LT(++played, 40);
        stepUntilGameOver(*manager);
        ASSERT_FALSE(HasFatalFailure());
        const MatchState before = manager->match();
        const GameRecord record = manager->gameRecord();
        if (before.crawford == Crawford::ThisGame) {
            for (const RecordedTurn& turn : record.turns) {
                EXPECT_EQ(turn.cube, CubeAction::None) << "a double in the Crawford game";
            }
        }
        MatchState expected = before;
        expected.addGame(record.winner, record.points);
        EXPECT_EQ(manager->matchAfterGame(), expected);
        EXPECT_EQ(manager->amount(), expected.winner() != -1 ? manager->settings().matchBet : 0);
        const MatchResultTexts texts = matchResultTexts(*manager);
        EXPECT_EQ(texts.result.find(manager->player(record.winner)->name() + " won "), 0u);
        EXPECT_EQ(texts.score.rfind("Match to 3: ", 0), 0u);
    } while (manager->nextMatchGame());
    const MatchState final = manager->matchAfterGame();
    ASSERT_NE(final.winner(), -1);
    EXPECT_EQ(final.winner(), manager->winner());
    EXPECT_LT(final.score[static_cast<std::size_t>(1 - final.winner())], 3);
    EXPECT_EQ(static_cast<int>(manager->matchGames().size()), played - 1);

    std::vector<GameRecord> games = manager->matchGames();
    games.push_back(manager->gameRecord());
    const std::string text = matText(games);
    EXPECT_EQ(text.rfind(" 3 point match\n", 0), 0u);
    MatGames read;
    std::string error;
    ASSERT_TRUE(readMatText(text, read, error)) << error;
    EXPECT_EQ(read.matchLength, 3);
    ASSERT_EQ(read.games.size(), games.size());
    for (std::size_t index = 0; index < games.size(); ++index) {
        EXPECT_EQ(read.games[index].match, games[index].match) << index;
        expectSameGame(read.games[index], games[index]);
    }
    const SavedGame saved = savedGameOf(read.games.back());
    EXPECT_EQ(std::tuple(saved.matchLength, saved.score0, saved.score1),
              std::tuple(3, games.back().match.score[0], games.back().match.score[1]));
}

} // namespace
} // namespace vh::test
