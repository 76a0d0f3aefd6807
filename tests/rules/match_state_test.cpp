#include "rules/match_state.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace vh {
namespace {

// Games "side:points" one after another, and the match after the last.
TEST(MatchState, KeepsTheScoreAndTheCrawfordRule) {
    using C = MatchState::Crawford;
    const struct {
        int length;
        const char* games;
        int score0;
        int score1;
        C crawford;
        int winner;
    } cases[] = {
        {7, "0:1 1:2", 1, 2, C::NotYet, -1},
        {7, "0:2 0:4", 6, 0, C::ThisGame, -1},  // a gammon brings 1 away
        {7, "0:6 1:2", 6, 2, C::After, -1},     // the Crawford game has been played
        {7, "0:6 1:2 1:4", 6, 6, C::After, -1}, // the trailer 1 away too: no second one
        {7, "0:6 0:1", 7, 0, C::After, 0},      // won in the Crawford game
        {1, "1:1", 0, 1, C::NotYet, 1},         // a 1-point match has none
        {5, "1:8", 0, 8, C::NotYet, 1},         // more than needed
        {0, "0:4 1:2", 0, 0, C::NotYet, -1},    // money games keep no score
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.games) + " to " + std::to_string(c.length));
        MatchState match;
        match.length = c.length;
        std::istringstream games(c.games);
        int side = 0;
        char colon = 0;
        int points = 0;
        while (games >> side >> colon >> points) {
            EXPECT_EQ(match.winner(), -1) << "a game after the match was won";
            match.addGame(side, points);
        }
        EXPECT_EQ(match.score[0], c.score0);
        EXPECT_EQ(match.score[1], c.score1);
        EXPECT_EQ(match.crawford, c.crawford);
        EXPECT_EQ(match.cubeAvailable(), c.crawford != C::ThisGame);
        EXPECT_EQ(match.winner(), c.winner);
    }
}

} // namespace
} // namespace vh
