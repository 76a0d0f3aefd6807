#include "board/move_animator.h"
#include "board/move_path.h"
#include "rules/roll_case.h"
#include "rules/side.h"
#include "tests/support/placement.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

Play playOf(std::initializer_list<CheckerMove> moves) {
    Play play;
    for (const CheckerMove& move : moves) {
        play.moves[static_cast<std::size_t>(play.count++)] = move;
    }
    return play;
}

// A stage whose slots lie 100 pixels apart vertically per location, so that
// distances are easy to follow; it records what is drawn.
class StraightStage final : public CheckerStage {
public:
    explicit StraightStage(BoardRecord& board) : board_(board) {}
    BoardRecord& board() override { return board_; }
    Rect slotRect(int location, int index) const override {
        return {0, location * 100 + index * 10, 36, location * 100 + index * 10 + 36};
    }
    Rect locationRect(int) const override { return {}; }
    void render() override { ++renders; }
    void startMovingChecker(const Rect& slot) override { last = {slot.left, slot.top}; }
    Rect drawMovingChecker(int x, int y, int) override {
        last = {x, y};
        return {};
    }

    Point last;
    int renders = 0;

private:
    BoardRecord& board_;
};

TEST(MoveAnimator, GlidesAtTheOptionSpeedAndLandsOnTheNextFreeSlot) {
    BoardRecord board = boardFor({test::placedPosition("2=1 3=1")});
    StraightStage stage(board);
    MoveAnimator animator;
    // From point 3 (slot 0 at y 300) to point 2, which holds one: slot 1 at y 210.
    animator.start(stage, playOf({{1, 3, 2, 0}}), checkerSpeed(100), false, 1000);
    EXPECT_EQ(board.position[3].count, 0) << "lifted";

    EXPECT_FALSE(animator.step(stage, 1000 + 250));
    EXPECT_EQ(stage.last, (Point{0, 250}));
    EXPECT_FALSE(animator.step(stage, 1000 + 447));
    EXPECT_EQ(stage.last, (Point{0, 211})) << "447 ms: 89.4 pixels, rounded down";
    EXPECT_EQ(board.position[2].count, 1);
    EXPECT_FALSE(animator.step(stage, 1000 + 448)) << "89.6 pixels round up to the end: it lands";
    EXPECT_EQ(board.position[2], (BoardEntry{2, PLAYER_ONE}));
    EXPECT_TRUE(animator.idle());
    EXPECT_TRUE(animator.step(stage, 2000));
}

TEST(MoveAnimator, AHitCheckerGoesToTheBarWhenTheStoneLandsAndComesBackOnUndo) {
    BoardRecord board = boardFor({test::placedPosition("7=-1 10=1")});
    const BoardPosition before = board.position;
    HeadlessStage stage(board);
    MoveAnimator animator;
    const Play hit = playOf({{3, 10, 7, 1}, {1, 7, 6, 0}});

    std::uint32_t now = 0;
    animator.start(stage, hit, checkerSpeed(200), false, now);
    bool sawFirstInFlight = false;
    while (!animator.step(stage, now += 16)) {
        if (animator.idle()) {
            continue;
        }
        if (board.position[BAR_TWO].count == 0) {
            sawFirstInFlight = true;
            EXPECT_EQ(board.position[7], (BoardEntry{1, PLAYER_TWO})) << "still there mid-flight";
        }
    }
    EXPECT_TRUE(sawFirstInFlight);
    BoardPosition expected = before;
    applyPlay(hit, expected);
    EXPECT_TRUE(samePlacement(board.position, expected));

    // Undo: the reversed play, animated backwards.
    Play reversed = playOf({{1, 6, 7, 0}, {3, 7, 10, 1}});
    animator.start(stage, reversed, checkerSpeed(200), true, now);
    while (!animator.step(stage, now += 16)) {
    }
    EXPECT_TRUE(samePlacement(board.position, before));
    EXPECT_GT(stage.renders(), 4);
}

TEST(CheckerSpeed, IsTwoThousandthsOfTheSliderClampedIntoItsRange) {
    // Out of range, as a damaged settings file may hold it, the slowest speed still moves.
    for (const auto& [slider, speed] :
         {std::pair{20, 0.04f}, {100, 0.2f}, {200, 0.4f}, {0, 0.04f}, {-40, 0.04f}, {5000, 0.4f}}) {
        EXPECT_FLOAT_EQ(checkerSpeed(slider), speed) << slider;
    }
}

TEST(RoundTravel, RoundsUpFromFourNinths) {
    const std::pair<float, int> cases[] = {{0.0f, 0},    {2.44f, 2}, {2.45f, 3}, {2.4444f, 2},
                                           {2.4445f, 3}, {3.0f, 3},  {3.9f, 4},  {0.5f, 1}};
    for (const auto& [travel, rounded] : cases) {
        EXPECT_EQ(roundTravel(travel), rounded) << travel;
    }
}

TEST(PositionAlongPath, MovesAtConstantSpeedAndSnapsToTheEnd) {
    struct Case {
        const char* name;
        Point start;
        Point end;
        int animationSpeed;
        std::uint32_t elapsed;
        Point position;
        bool arrived;
    };
    const Case cases[] = {
        {"vertical, a quarter second", {10, 10}, {10, 110}, 100, 250, {10, 60}, false},
        {"vertical, arrives after half a second", {10, 10}, {10, 110}, 100, 500, {10, 110}, true},
        {"vertical, just before", {10, 10}, {10, 110}, 100, 497, {10, 109}, false},
        {"upwards and left", {300, 300}, {0, 0}, 200, 500, {159, 159}, false},
        {"3-4-5 triangle", {0, 0}, {300, 400}, 100, 1000, {120, 160}, false},
        {"long overdue", {0, 0}, {300, 400}, 100, 60000, {300, 400}, true},
        {"no time yet", {5, 7}, {90, 7}, 20, 0, {5, 7}, false},
        {"same place", {5, 7}, {5, 7}, 20, 0, {5, 7}, true},
        {"x ends first on a flat diagonal", {0, 0}, {10, 1}, 200, 25, {10, 1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const PathPosition at =
            positionAlongPath(c.start, c.end, checkerSpeed(c.animationSpeed), c.elapsed);
        EXPECT_EQ(at.position, c.position);
        EXPECT_EQ(at.arrived, c.arrived);
    }
}

} // namespace
} // namespace vh
