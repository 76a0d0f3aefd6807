#include "rules/board_position.h"
#include "rules/board_record.h"
#include "rules/result_kind.h"
#include "rules/side.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

using test::placedPosition;

CheckerMove move(int die, int from, int to, bool hit = false) {
    return {static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
            static_cast<std::uint32_t>(to), static_cast<std::uint8_t>(hit ? 1 : 0)};
}

TEST(StartPosition, HoldsFifteenCheckersAnd167PipsPerSideAndResetsTheBoard) {
    BoardRecord board;
    board.die1 = 6;
    board.cubeValue = 8;
    board.highlights[4] = kHighlightTarget;
    setUpStartPosition(board);
    for (int side : {PLAYER_ONE, PLAYER_TWO}) {
        EXPECT_EQ(pipCount(board.position, side), 167u);
        EXPECT_EQ(checkerTotal(board.position, side), 15);
        EXPECT_FALSE(allAtHome(board.position, side));
    }
    EXPECT_EQ(board.position[0], (BoardEntry{2, PLAYER_TWO}));
    EXPECT_EQ(board.position[5], (BoardEntry{5, PLAYER_ONE}));
    EXPECT_EQ(board.position[1], (BoardEntry{0, kNoOwner}));
    EXPECT_EQ(board.position[BAR_TWO], (BoardEntry{0, PLAYER_TWO}));
    EXPECT_EQ(board.die1, 3);
    EXPECT_EQ(board.cubeValue, 1);
    EXPECT_EQ(board.highlights[4], kHighlightNone);
    EXPECT_EQ(positionFromSignedCounts(signedCounts(board.position)), board.position);
}

TEST(ApplyMove, EmptiedPointKeepsItsStaleOwnerAndIsTakenOverWithoutHit) {
    BoardPosition position = placedPosition("1=-1 4=1");
    applyMove(move(2, 4, 2), position);
    EXPECT_EQ(position[4], (BoardEntry{0, PLAYER_ONE}));
    EXPECT_EQ(position[2], (BoardEntry{1, PLAYER_ONE}));
    applyMove(move(3, 1, 4), position);
    EXPECT_EQ(position[4], (BoardEntry{1, PLAYER_TWO}));
    EXPECT_EQ(position[BAR_ONE].count, 0);
    EXPECT_EQ(position[BAR_TWO].count, 0);
}

TEST(ApplyMove, HitSendsTheSingleCheckerToItsOwnBarAndTakeBackRestoresIt) {
    const struct {
        const char* position;
        CheckerMove hit;
        int bar;
    } cases[] = {
        {"3=-1 6=1", move(3, 6, 3, true), BAR_TWO},
        {"0=-1 3=1", move(3, 0, 3, true), BAR_ONE},
        {"22=-1 24=1", move(2, BAR_ONE, 22, true), BAR_TWO}, // entering with a hit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const BoardPosition before = placedPosition(c.position);
        BoardPosition position = before;
        const int mover = position[static_cast<int>(c.hit.from)].owner;
        applyMove(c.hit, position);
        EXPECT_EQ(position[static_cast<int>(c.hit.to)], (BoardEntry{1, mover}));
        EXPECT_EQ(position[c.bar].count, before[c.bar].count + 1);
        takeBackMove(c.hit, position);
        EXPECT_TRUE(samePlacement(position, before));
        EXPECT_EQ(position[static_cast<int>(c.hit.to)].owner, otherSide(mover));
    }
}

TEST(TakeBackPlay, RestoresEveryOccupiedEntryAfterHitsAndBearOffs) {
    // Side 0 hits twice and bears off; side 1 is sent to the bar and back.
    BoardPosition position = placedPosition("0=1 1=-1 6=1 8=-1 25=1");
    const BoardPosition before = position;
    Play play;
    play.count = 4;
    play.moves = {move(5, 6, 1, true), move(1, 1, 0), move(1, 0, 26), move(1, 0, 26)};
    applyPlay(play, position);
    EXPECT_EQ(position[BAR_TWO].count, 2);
    EXPECT_EQ(position[OFF_ONE].count, 15);
    EXPECT_EQ(checkerTotal(position, PLAYER_TWO), 15);
    EXPECT_EQ(position[0], (BoardEntry{0, PLAYER_ONE}));
    takeBackPlay(play, position);
    EXPECT_TRUE(samePlacement(position, before));
}

TEST(PipCount, CountsDistanceToBearOffWithTheBarAt25) {
    const struct {
        const char* position;
        unsigned sideOne;
        unsigned sideTwo;
    } cases[] = {
        {"24=1", 25, 0},
        {"23=-1", 0, 1},
        {"25=2", 0, 50},
        {"0=3 2=-2 23=1 24=2 25=1", 3 * 1 + 24 + 2 * 25, 2 * 22 + 25},
    };
    for (const auto& c : cases) {
        const BoardPosition position = placedPosition(c.position);
        EXPECT_EQ(pipCount(position, PLAYER_ONE), c.sideOne) << c.position;
        EXPECT_EQ(pipCount(position, PLAYER_TWO), c.sideTwo) << c.position;
    }
    BoardPosition stale = placedPosition("");
    stale[10] = {0, PLAYER_ONE};
    EXPECT_EQ(pipCount(stale, PLAYER_ONE), 0u) << "stale owners of emptied points";
}

TEST(AllAtHome, LooksAtPointsOnlyUnlessTheBarIsIncluded) {
    // Side 0 home, one on its bar; side 1 with one checker on point 17.
    BoardPosition position = placedPosition("0=5 1=5 2=4 17=-1 18=-14 24=1");
    EXPECT_TRUE(allAtHome(position, PLAYER_ONE));
    EXPECT_FALSE(allAtHomeIncludingBar(position, PLAYER_ONE));
    EXPECT_FALSE(allAtHome(position, PLAYER_TWO));
    position[17] = {0, PLAYER_TWO}; // emptied: the stale owner does not count
    EXPECT_TRUE(allAtHome(position, PLAYER_TWO));
    EXPECT_TRUE(allAtHomeIncludingBar(position, PLAYER_TWO));
}

TEST(ResultKind, OnlyFifteenOffWinsThenSingleGammonOrBackgammon) {
    BoardPosition position = placedPosition("");
    for (int off = 13; off <= 16; ++off) {
        position[OFF_TWO].count = off;
        EXPECT_EQ(hasWon(position, PLAYER_TWO), off == 15) << off;
    }
    const struct {
        const char* position;
        int winner;
        ResultKind kind;
    } cases[] = {
        // One borne off: a single game, whatever is left where.
        {"23=-14", 0, ResultKind::Single},
        {"0=-14", 0, ResultKind::Single},
        {"12=-13 25=1", 0, ResultKind::Single},
        {"23=14", 1, ResultKind::Single},
        // None borne off.
        {"23=-15", 0, ResultKind::Gammon},
        {"6=15", 1, ResultKind::Gammon},
        {"0=-1 23=-14", 0, ResultKind::Backgammon}, // in the winner's home board
        {"23=-14 25=1", 0, ResultKind::Backgammon}, // on the loser's bar
        {"23=15", 1, ResultKind::Backgammon},
        {"6=14 24=1", 1, ResultKind::Backgammon},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(resultKind(placedPosition(c.position), c.winner), c.kind) << c.position;
    }
}

} // namespace
} // namespace vh
