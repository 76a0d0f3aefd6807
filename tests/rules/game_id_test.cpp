#include "rules/match_id.h"
#include "rules/position_id.h"
#include "tests/support/placement.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(GameId, WritesTheKnownIds) {
    struct PositionCase {
        const char* placement; // "": the start position
        int sideOnRoll;
        const char* id;
    };
    const PositionCase positions[] = {
        {"", 0, "4HPwATDgc/ABMA"},
        {"0=-2 5=5 7=3 11=-5 12=5 16=-3 18=-5 23=1 24=1", 0, "4HPwATDgc/ABUA"},
        {"0=-2 4=2 5=4 7=2 11=-5 12=5 16=-3 18=-5 23=2", 1, "sGfwATDgc/ABMA"},
    };
    for (const PositionCase& c : positions) {
        const BoardPosition position =
            *c.placement ? test::placedPosition(c.placement) : test::startPosition();
        EXPECT_EQ(positionId(position, c.sideOnRoll), c.id);
        BoardPosition read;
        std::string error;
        ASSERT_TRUE(readPositionId(c.id, c.sideOnRoll, read, error)) << error;
        EXPECT_TRUE(samePlacement(read, position)) << c.id;
    }

    const std::pair<MatchIdFields, const char*> matches[] = {
        {{.die1 = 3, .die2 = 1}, "MIEFAAAAAAAE"},
        {{.cubeValue = 2, .cubeOwner = 1, .die1 = 6, .die2 = 5}, "EQEXAAAAAAAE"},
        {{.sideOnRoll = 1,
          .sideToDecide = 1,
          .die1 = 4,
          .die2 = 2,
          .matchLength = 7,
          .score0 = 2,
          .score1 = 4},
         "cAnqACAAIAAE"},
    };
    for (const auto& [fields, id] : matches) {
        EXPECT_EQ(matchId(fields), id);
        MatchIdFields read;
        std::string error;
        ASSERT_TRUE(readMatchId(id, read, error)) << error;
        EXPECT_EQ(read, fields) << id;
    }
}

TEST(GameId, RandomPositionsComeBackForEitherSideOnRoll) {
    for (const RollCase& c : test::randomCases(3000, 77)) {
        for (const int side : {0, 1}) {
            const MatchIdFields fields{.sideOnRoll = side, .die1 = c.die1, .die2 = c.die2};
            BoardPosition position;
            MatchIdFields read;
            std::string error;
            ASSERT_TRUE(readGameId(gameId(c.position, fields), position, read, error)) << error;
            EXPECT_TRUE(samePlacement(position, c.position));
            EXPECT_EQ(read, fields);
        }
    }
}

TEST(GameId, RefusesWhatNoGameHas) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"4HPwATDgc/AB", "a position ID has 14 characters, not 12"},
        {"4HPwATDgc/AB!A", "'!' (character 13) is not a base64 character"},
        {"//////////////", "the ID gives side 1 more than 15 checkers"},
        {"AQAAAAAAAgAAAA", "the ID puts checkers of both sides on point 1 of side 1"},
        {"4HPwATDgc/ABMA:MIEFAAAAAAA", "a match ID has 12 characters, not 11"},
        {"4HPwATDgc/ABMA:MIEFAAAA=AAE", "'=' (character 9) is not a base64 character"},
        {"4HPwATDgc/ABMA:IIEFAAAAAAAE", "the match ID gives the cube to no side (owner 2)"},
        {"4HPwATDgc/ABMA:MIEDAAAAAAAE", "the match ID has an impossible roll 7-0"},
        {"4HPwATDgc/ABMA:MIcFAAAAAAAE", "the match ID has an unknown game state 7"},
    };
    for (const Case& c : cases) {
        BoardPosition position = test::startPosition();
        MatchIdFields fields;
        std::string error;
        EXPECT_FALSE(readGameId(c.text, position, fields, error)) << c.text;
        EXPECT_EQ(error, c.error) << c.text;
    }
}

} // namespace
} // namespace vh
