#include "rules/board_position.h"
#include "rules/board_record.h"
#include "rules/result_kind.h"
#include "rules/side.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

CheckerMove move(int die, int from, int to, bool hit = false) {
    return {static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
            static_cast<std::uint32_t>(to), static_cast<std::uint8_t>(hit ? 1 : 0)};
}

BoardPosition fromCounts(std::array<int, kEntryCount> counts) {
    return positionFromSignedCounts(counts);
}

TEST(StartPosition, HoldsFifteenCheckersAnd167PipsPerSide) {
    BoardRecord board;
    board.die1 = 6;
    board.cubeValue = 8;
    board.highlights[4] = kHighlightTarget;
    setUpStartPosition(board);
    for (int side : {PLAYER_ONE, PLAYER_TWO}) {
        EXPECT_EQ(pipCount(board.position, side), 167u);
        EXPECT_EQ(checkerTotal(board.position, side), 15);
        EXPECT_FALSE(allAtHome(board.position, side));
        EXPECT_FALSE(hasWon(board.position, side));
    }
    EXPECT_EQ(board.position[0], (BoardEntry{2, PLAYER_TWO}));
    EXPECT_EQ(board.position[5], (BoardEntry{5, PLAYER_ONE}));
    EXPECT_EQ(board.position[23], (BoardEntry{2, PLAYER_ONE}));
    EXPECT_EQ(board.position[1], (BoardEntry{0, kNoOwner}));
    EXPECT_EQ(board.position[BAR_TWO], (BoardEntry{0, PLAYER_TWO}));
    EXPECT_EQ(board.position[OFF_ONE], (BoardEntry{0, PLAYER_ONE}));
    EXPECT_EQ(board.die1, 3);
    EXPECT_EQ(board.die2, 5);
    EXPECT_EQ(board.cubeValue, 1);
    EXPECT_EQ(board.highlights[4], kHighlightNone);
}

TEST(OtherSide, AnyNonZeroSideCountsAsPlayerTwo) {
    EXPECT_EQ(otherSide(0), 1);
    EXPECT_EQ(otherSide(1), 0);
    EXPECT_EQ(otherSide(-1), 0);
}

TEST(ApplyMove, EmptiedPointKeepsItsStaleOwnerAndIsTakenOverWithoutHit) {
    BoardPosition position = fromCounts({0, -1, 0, 0, 1});
    applyMove(move(2, 4, 2), position);
    EXPECT_EQ(position[4], (BoardEntry{0, PLAYER_ONE}));
    EXPECT_EQ(position[2], (BoardEntry{1, PLAYER_ONE}));
    applyMove(move(3, 1, 4), position);
    EXPECT_EQ(position[4], (BoardEntry{1, PLAYER_TWO}));
    EXPECT_EQ(position[BAR_ONE].count, 0);
    EXPECT_EQ(position[BAR_TWO].count, 0);
}

TEST(ApplyMove, HitSendsTheSingleCheckerToItsOwnBarAndTakeBackRestoresIt) {
    struct Case {
        const char* name;
        std::array<int, kEntryCount> counts;
        CheckerMove hit;
        int bar;
    };
    const Case cases[] = {
        {"side 0 hits side 1", {0, 0, 0, -1, 0, 0, 1}, move(3, 6, 3, true), BAR_TWO},
        {"side 1 hits side 0", {-1, 0, 0, 1}, move(3, 0, 3, true), BAR_ONE},
        {"side 0 enters with a hit",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 1},
         move(2, BAR_ONE, 22, true),
         BAR_TWO},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPosition before = fromCounts(c.counts);
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
    BoardPosition position = fromCounts(
        {1, -1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 13, 12});
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

TEST(PipCount, CountsDistanceToBearOffWithTheBarAt24) {
    struct Case {
        const char* name;
        std::array<int, kEntryCount> counts;
        unsigned sideOne;
        unsigned sideTwo;
    };
    const Case cases[] = {
        {"one side-0 checker on the bar",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 14, 15},
         24,
         0},
        {"one side-1 checker on point 23",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 15, 14},
         0,
         1},
        {"side-1 bar counts 24 too",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 15, 13},
         0,
         48},
        {"mixed",
         {3, 0, -2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         3 * 1 + 24,
         2 * 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardPosition position = fromCounts(c.counts);
        EXPECT_EQ(pipCount(position, PLAYER_ONE), c.sideOne);
        EXPECT_EQ(pipCount(position, PLAYER_TWO), c.sideTwo);
    }
}

TEST(PipCount, IgnoresStaleOwnersOfEmptiedPoints) {
    BoardPosition position = fromCounts({});
    position[10] = {0, PLAYER_ONE};
    EXPECT_EQ(pipCount(position, PLAYER_ONE), 0u);
}

TEST(AllAtHome, LooksAtPointsOnlyUnlessTheBarIsIncluded) {
    // Side 0 home, one on its bar; side 1 with one checker on point 17.
    BoardPosition position =
        fromCounts({5, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1, -14, 0, 0, 0, 0, 0, 1});
    EXPECT_TRUE(allAtHome(position, PLAYER_ONE));
    EXPECT_FALSE(allAtHomeIncludingBar(position, PLAYER_ONE));
    EXPECT_FALSE(allAtHome(position, PLAYER_TWO));
    position[17] = {0, PLAYER_TWO}; // emptied: the stale owner does not count
    EXPECT_TRUE(allAtHome(position, PLAYER_TWO));
    EXPECT_TRUE(allAtHomeIncludingBar(position, PLAYER_TWO));
}

TEST(HasWon, OnlyAtExactlyFifteenBorneOff) {
    BoardPosition position = fromCounts({});
    for (int off = 13; off <= 16; ++off) {
        position[OFF_TWO].count = off;
        EXPECT_EQ(hasWon(position, PLAYER_TWO), off == 15) << off;
        EXPECT_FALSE(hasWon(position, PLAYER_ONE));
    }
}

TEST(ResultKind, SingleGammonAndBackgammon) {
    struct Case {
        const char* name;
        std::array<int, kEntryCount> counts;
        int winner;
        ResultKind kind;
    };
    const Case cases[] = {
        {"loser bore off one",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -14, 0, 0, 15, 1},
         0,
         ResultKind::Single},
        {"loser bore off none",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -15, 0, 0, 15, 0},
         0,
         ResultKind::Gammon},
        {"loser on its bar",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -14, 0, 1, 15, 0},
         0,
         ResultKind::Backgammon},
        {"loser in winner's home after bearing off",
         {-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 14},
         0,
         ResultKind::Backgammon},
        {"side 1 wins, side 0 in points 18-23",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 15, 0, 0, 0, 15},
         1,
         ResultKind::Backgammon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(resultKind(fromCounts(c.counts), c.winner), c.kind);
    }
}

TEST(SignedCounts, RoundTripsThroughPositionFromSignedCounts) {
    BoardPosition start;
    setStartPosition(start);
    EXPECT_EQ(positionFromSignedCounts(signedCounts(start)), start);
}

} // namespace
} // namespace vh
