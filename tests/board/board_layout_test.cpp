#include "board/board_layout.h"
#include "rules/board_position.h"

#include <array>
#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(BoardRectangle, FollowsTheWidthOrShrinksToTheHeightAndIsCentred) {
    struct Case {
        const char* name;
        int clientWidth;
        int availableHeight;
        Rect expected;
    };
    const Case cases[] = {
        {"800 wide, room to spare", 800, 600, {175, 87, 785, 513}},
        {"800 wide, exactly the height", 800, 426, {175, 0, 785, 426}},
        {"too little height: centred", 800, 400, {194, 0, 765, 399}},
        {"1000-pixel board is 699 high", 1190, 1000, {175, 150, 1175, 849}},
        {"full HD window, the board and panels centred", 1920, 1000, {326, 0, 1754, 999}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(boardRectangle(c.clientWidth, c.availableHeight), c.expected);
    }
}

TEST(BoardLayout, ValuesFollowTheFormulasDownToTheSmallestBoard) {
    // Width, height, frame, point, point height, checker, tray checker, upper end, lower start.
    const std::array<int, 9> cases[] = {
        {610, 426, 15, 40, 170, 36, 10, 213, 213},  {571, 399, 14, 37, 159, 33, 10, 199, 200},
        {1000, 699, 25, 66, 279, 62, 17, 349, 350}, {1428, 999, 35, 94, 399, 90, 24, 499, 500},
        {333, 233, 8, 22, 93, 18, 6, 116, 117},
    };
    for (const std::array<int, 9>& c : cases) {
        const auto l = computeLayout(c[0], c[1]);
        ASSERT_TRUE(l.has_value()) << c[0];
        EXPECT_EQ((std::array{c[0], c[1], l->frame, l->point, l->pointHeight, l->checker,
                              l->trayChecker, l->upperEnd, l->lowerStart}),
                  c);
    }
    // Too small a board has none.
    EXPECT_FALSE(computeLayout(60, 42).has_value());
    EXPECT_FALSE(computeLayout(0, 0).has_value());
    EXPECT_FALSE(computeLayout(-100, -70).has_value());
    EXPECT_TRUE(computeLayout(kMinimumBoardWidth, scaled(kMinimumBoardWidth, 0.7f)).has_value());
    EXPECT_EQ(boardRectangle(kMinimumClientWidth, 1000).width(), kMinimumBoardWidth);
}

TEST(LocationRect, PlacesEveryLocationOnItsSideOfTheBoard) {
    const BoardLayout l = *computeLayout(610, 426);
    const std::pair<int, Rect> cases[] = {
        {12, {15, 15, 55, 213}},
        {17, {215, 15, 255, 213}},
        {18, {295, 15, 335, 213}},
        {23, {495, 15, 535, 213}},
        {11, {15, 213, 55, 411}},
        {6, {215, 213, 255, 411}},
        {5, {295, 213, 335, 411}},
        {0, {495, 213, 535, 411}},
        {BAR_ONE, {255, 15, 295, 213}},
        {BAR_TWO, {255, 213, 295, 411}},
        {OFF_TWO, {550, 15, 590, 213}},
        {OFF_ONE, {550, 213, 590, 411}},
        {28, {}},
        {-1, {}},
    };
    for (const auto& [location, expected] : cases) {
        EXPECT_EQ(locationRect(l, location), expected) << location;
    }
}

TEST(SlotRect, StacksInThreeLayersFromTheFrame) {
    const BoardLayout l = *computeLayout(610, 426);
    // Upper point 12: column at 15 + 2, layers from the top frame.
    EXPECT_EQ(slotRect(l, 12, 0), (Rect{17, 17, 53, 53}));
    EXPECT_EQ(slotRect(l, 12, 4), (Rect{17, 161, 53, 197}));
    EXPECT_EQ(slotRect(l, 12, 5).top, 15 + 18 + 2) << "sixth lies half a checker further in";
    EXPECT_EQ(slotRect(l, 12, 9), slotRect(l, 12, 0)) << "tenth lies on the first";
    // Lower point 0: from the bottom frame up.
    EXPECT_EQ(slotRect(l, 0, 0), (Rect{497, 373, 533, 409}));
    EXPECT_EQ(slotRect(l, 0, 5).top, 411 - 18 - 36 - 2);
    EXPECT_EQ(slotRect(l, 0, 9), slotRect(l, 0, 0));
    // Bars share the bar column; trays stack V apart.
    EXPECT_EQ(slotRect(l, BAR_ONE, 0), (Rect{257, 17, 293, 53}));
    EXPECT_EQ(slotRect(l, BAR_TWO, 0), (Rect{257, 373, 293, 409}));
    EXPECT_EQ(slotRect(l, OFF_ONE, 0), (Rect{552, 401, 588, 437}));
    EXPECT_EQ(slotRect(l, OFF_ONE, 14).top, 411 - 15 * 10);
    EXPECT_EQ(slotRect(l, OFF_TWO, 3), (Rect{552, 45, 588, 81}));
    EXPECT_EQ(slotRect(l, 30, 0), (Rect{}));
}

TEST(SlotRect, EveryCheckerStaysOnTheBoard) {
    for (const auto& [width, height] :
         {std::pair{610, 426}, std::pair{333, 233}, std::pair{1428, 999}, std::pair{571, 399}}) {
        const BoardLayout l = *computeLayout(width, height);
        for (int location = 0; location < BAR_TWO + 1; ++location) {
            const Rect area = locationRect(l, location);
            for (int j = 0; j < 15; ++j) {
                SCOPED_TRACE(std::to_string(width) + " " + std::to_string(location) + " " +
                             std::to_string(j));
                const Rect slot = slotRect(l, location, j);
                EXPECT_TRUE(slot.left >= area.left && slot.right <= area.right);
                EXPECT_TRUE(slot.top >= l.frame && slot.bottom <= height - l.frame);
                // Only a fifteenth checker on one point reaches past the middle.
                EXPECT_TRUE(j == 14 || (isUpperLocation(location) ? slot.bottom <= l.upperEnd
                                                                  : slot.top >= l.lowerStart));
            }
        }
        for (const int tray : {OFF_ONE, OFF_TWO}) {
            for (int j = 0; j < 15; ++j) {
                const Rect slot = slotRect(l, tray, j);
                EXPECT_TRUE(slot.top >= l.frame && slot.top + l.trayChecker <= height - l.frame);
            }
        }
    }
}

TEST(CubeRect, CentredInTheMiddleOwnedInTheOwnersHalfClearOfItsBarCheckers) {
    for (const auto& [width, height] : {std::pair{610, 426}, std::pair{333, 233}}) {
        const BoardLayout l = *computeLayout(width, height);
        const Rect middle = cubeRect(l, 1, 0, 0);
        EXPECT_TRUE(middle.contains(l.frame + l.half() + l.bar() / 2, l.height / 2));
        EXPECT_EQ(cubeRect(l, 8, -1, 0), middle) << "nobody owns it";
        for (const int owner : {0, 1}) {
            const Rect half = locationRect(l, barEntry(owner));
            for (int onBar = 0; onBar <= 4; ++onBar) {
                SCOPED_TRACE(std::to_string(width) + " owner " + std::to_string(owner) + ", " +
                             std::to_string(onBar) + " on the bar");
                const Rect cube = cubeRect(l, 2, owner, onBar);
                EXPECT_EQ(unite(cube, half), half);
                for (int j = 0; j < onBar; ++j) {
                    const Rect checker = slotRect(l, barEntry(owner), j);
                    EXPECT_TRUE(cube.bottom <= checker.top || checker.bottom <= cube.top) << j;
                }
                // Nearer its owner's frame than the middle while it has room.
                if (onBar == 0) {
                    EXPECT_LT(owner == 0 ? cube.top - l.frame : l.height - l.frame - cube.bottom,
                              l.checker / 2);
                }
            }
        }
    }
}

TEST(StackCountRect, OnTheLastCheckerOfAPointOrBarBesideTheStackInATray) {
    for (const auto& [width, height] : {std::pair{610, 426}, std::pair{333, 233}}) {
        const BoardLayout l = *computeLayout(width, height);
        for (const int location : {0, 12, 23, BAR_ONE, BAR_TWO, OFF_ONE, OFF_TWO}) {
            for (int count = 1; count <= kCheckersPerSide; ++count) {
                SCOPED_TRACE(std::to_string(width) + " " + std::to_string(location) + " " +
                             std::to_string(count));
                const Rect place = stackCountRect(l, location, count);
                ASSERT_EQ(place.empty(), count <= 5) << "five lie side by side";
                if (place.empty()) {
                    continue;
                }
                const Rect last = slotRect(l, location, count - 1);
                if (location != OFF_ONE && location != OFF_TWO) {
                    EXPECT_EQ(unite(place, last), last);
                    continue;
                }
                const Rect tray = locationRect(l, location);
                EXPECT_EQ(unite(place, tray), tray);
                const Rect first = slotRect(l, location, 0);
                const Rect stack{tray.left, std::min(first.top, last.top), tray.right,
                                 std::max(first.top, last.top) + l.trayChecker};
                EXPECT_TRUE(place.bottom <= stack.top || stack.bottom <= place.top);
            }
        }
    }
}

} // namespace
} // namespace vh
