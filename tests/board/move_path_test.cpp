#include "board/move_path.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(CheckerSpeed, IsTwoThousandthsOfTheSliderClampedIntoItsRange) {
    EXPECT_FLOAT_EQ(checkerSpeed(20), 0.04f);
    EXPECT_FLOAT_EQ(checkerSpeed(100), 0.2f);
    EXPECT_FLOAT_EQ(checkerSpeed(200), 0.4f);
    // A first start used to store 1: the checkers crawled at 2 pixels a second.
    EXPECT_FLOAT_EQ(checkerSpeed(1), 0.04f);
    EXPECT_FLOAT_EQ(checkerSpeed(-40), 0.04f);
    EXPECT_FLOAT_EQ(checkerSpeed(5000), 0.4f);
}

TEST(RoundTravel, RoundsUpFromFourNinths) {
    struct Case {
        float travel;
        int expected;
    };
    const Case cases[] = {{0.0f, 0},    {2.44f, 2}, {2.45f, 3}, {2.4444f, 2},
                          {2.4445f, 3}, {3.0f, 3},  {3.9f, 4},  {0.5f, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(roundTravel(c.travel), c.expected) << c.travel;
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

TEST(PositionAlongPath, NeverOvershootsAndNeverGoesBack) {
    const Point start{497, 373};
    const Point end{17, 17};
    Point previous = start;
    bool arrived = false;
    for (std::uint32_t t = 0; t <= 5000 && !arrived; t += 7) {
        const PathPosition at = positionAlongPath(start, end, checkerSpeed(120), t);
        EXPECT_LE(at.position.x, previous.x);
        EXPECT_LE(at.position.y, previous.y);
        EXPECT_GE(at.position.x, end.x);
        EXPECT_GE(at.position.y, end.y);
        previous = at.position;
        arrived = at.arrived;
    }
    EXPECT_TRUE(arrived);
    EXPECT_EQ(previous, end);
}

} // namespace
} // namespace vh
