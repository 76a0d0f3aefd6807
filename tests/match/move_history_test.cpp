#include "match/move_history.h"

#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

Play onePointPlay(int from, int die) {
    Play play;
    play.count = 1;
    play.moves[0] = {static_cast<std::uint32_t>(die), static_cast<std::uint32_t>(from),
                     static_cast<std::uint32_t>(from - die), 0};
    return play;
}

TEST(MoveHistory, CanUndoOnlyBackToAHumanTurn) {
    auto history = std::make_unique<MoveHistory>();
    history->reset(true, false); // side 0 computer, side 1 human
    EXPECT_FALSE(history->canUndo());
    history->append(onePointPlay(20, 1), 0, 1, 2);
    EXPECT_FALSE(history->canUndo()) << "only the computer has played";
    history->append(onePointPlay(20, 1), 1, 1, 2);
    EXPECT_TRUE(history->canUndo());
    history->undoIndex();
    EXPECT_FALSE(history->canUndo());
}

TEST(MoveHistory, StartsOverAfter1023TurnsAndGivesNothingOutOfRange) {
    auto history = std::make_unique<MoveHistory>();
    history->reset(false, false);
    for (int turn = 0; turn < MoveHistory::kCapacity - 1; ++turn) {
        history->append(onePointPlay(20, 1), turn % 2, 1, 2);
    }
    EXPECT_EQ(history->cursor(), 1023);
    history->append(onePointPlay(15, 4), 1, 4, 5);
    EXPECT_EQ(history->cursor(), 1);
    EXPECT_EQ(history->total(), 1);
    EXPECT_EQ(history->undoIndex(), 0);
    EXPECT_EQ(history->undoIndex(), -1) << "the earlier turns are out of reach";
    EXPECT_FALSE(history->playAt(-1).has_value());
    EXPECT_FALSE(history->playAt(MoveHistory::kCapacity).has_value());
    EXPECT_EQ(history->sideAt(MoveHistory::kCapacity), -1);
    EXPECT_EQ(history->sideAt(-5), -1);
}

} // namespace
} // namespace vh
