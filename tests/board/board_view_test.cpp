#include "board/board_view.h"
#include "board/move_animator.h"
#include "board/move_path.h"
#include "platform/message_box.h"
#include "rules/board_record.h"
#include "tests/support/board_graphics.h"
#include "tests/support/placement.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kSentinel{1, 2, 3};
// The board of a 1024 x 768 board area: 834 x 583 at (175, 92).
const Rect kBoardRect = boardRectangle(1024, 768);

class BoardViewTest : public testing::Test {
protected:
    BoardViewTest() : folder_("board-view"), installed_(boxes_) {
        test::writeBoardGraphics(folder_.path());
    }

    // A view of board_ laid out on `rect` with the test's options.
    std::unique_ptr<BoardView> makeView(const Rect& rect = kBoardRect) {
        auto view = std::make_unique<BoardView>(
            board_, folder_.path(), [this](GameSettings& settings) { settings = settings_; });
        view->Layout(rect);
        return view;
    }

    // Board pixels after a full render.
    PixelImage rendered() {
        auto view = makeView();
        view->Render();
        return view->frontBuffer();
    }

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
    GameSettings settings_;
    BoardRecord board_;
};

// A pixel of the point's triangle near its base, clear of any checker.
Point pointBase(const BoardView& view, int point) {
    const BoardLayout& l = *view.layout();
    const Rect r = view.LocationRect(point);
    return {r.left + l.point / 2, isUpperLocation(point) ? l.frame + 8 : l.height - l.frame - 9};
}

Rgb pixel(const PixelImage& image, Point p) {
    return image.at(p.x, p.y);
}

TEST_F(BoardViewTest, PointsAndCheckersTakeTheColoursOfTheOptions) {
    const Rgb red{255, 0, 0};
    const struct {
        int pipA, pipB;
        Rgb first, second;
        int stoneA, stoneB;
        int marble;
        Rgb field;
        int pointNumbers;
    } cases[] = {
        {1, 2, {220, 220, 220}, {50, 50, 50}, 1, 2, 2, test::kDarkBlueMarble, 1},
        {3, 2, {200, 70, 50}, {50, 50, 50}, 2, 1, 4, test::kRedWhiteMarble, 0},
        {4, 5, {178, 133, 116}, {18, 115, 122}, 3, 3, 3, test::kLightBlueMarble, 1},
        // The default pair; an unknown marble code.
        {0, 0xFFFFFF, {178, 133, 116}, {18, 115, 122}, 1, 2, 9, test::kDarkBlueMarble, 0},
        {7, 9, {18, 115, 122}, {18, 115, 122}, 1, 2, 2, test::kDarkBlueMarble, 0},
    };
    clearBoard(board_);
    board_.position[OFF_ONE] = {1, 0};
    board_.position[OFF_TWO] = {1, 1};
    board_.position[3] = {1, 0};
    board_.position[20] = {1, 1};
    const auto centre = [](const Rect& r) {
        return Point{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    };
    for (const auto& c : cases) {
        settings_.pipColourA = c.pipA;
        settings_.pipColourB = c.pipB;
        settings_.stoneColourA = c.stoneA;
        settings_.stoneColourB = c.stoneB;
        settings_.boardMarble = c.marble;
        settings_.showPipNumbers = c.pointNumbers;
        auto view = makeView();
        view->Render();
        const PixelImage& image = view->frontBuffer();
        SCOPED_TRACE(std::to_string(c.pipA) + "/" + std::to_string(c.pipB));
        // Each half of a row alternates from its outer end: the upper row
        // starts with the first colour, the lower row with the second.
        EXPECT_EQ(pixel(image, pointBase(*view, 12)), c.first);
        EXPECT_EQ(pixel(image, pointBase(*view, 13)), c.second);
        EXPECT_EQ(pixel(image, pointBase(*view, 11)), c.second);
        EXPECT_EQ(pixel(image, pointBase(*view, 10)), c.first);
        const BoardLayout& l = *view->layout();
        EXPECT_EQ(image.at(l.rightHalfLeft() + l.point, l.height / 2), c.field);
        EXPECT_EQ(image.at(2, l.height / 2), test::kFrameColour);
        // Point numbers, when chosen, are a row of twelve across the top frame.
        const int ink = test::countPixels(image, {0, l.frame / 2, l.width, l.frame / 2 + 1},
                                          [](int, int, Rgb p) { return p != test::kFrameColour; });
        EXPECT_TRUE(c.pointNumbers == 1 ? ink > 12 : ink == 0) << ink;
        // Trays are filled by stone colour; checkers and borne-off checkers
        // use the pictures of their side's colour.
        const Rect low = view->LocationRect(OFF_ONE);
        EXPECT_EQ(image.at(low.left + 4, (low.top + low.bottom) / 2), c.stoneA == 3   ? red
                                                                      : c.stoneA == 1 ? kWhite
                                                                                      : kBlack);
        const auto a = static_cast<std::size_t>(c.stoneA);
        const auto b = static_cast<std::size_t>(c.stoneB);
        const int trayMiddle = view->layout()->trayChecker / 2;
        EXPECT_EQ(pixel(image, centre(view->SlotRect(3, 0))), test::kStoneColours[a]);
        EXPECT_EQ(pixel(image, centre(view->SlotRect(20, 0))), test::kStoneColours[b]);
        const Rect offA = view->SlotRect(OFF_ONE, 0);
        const Rect offB = view->SlotRect(OFF_TWO, 0);
        EXPECT_EQ(image.at(centre(offA).x, offA.top + trayMiddle), test::kVerticalStoneColours[a]);
        EXPECT_EQ(image.at(centre(offB).x, offB.top + trayMiddle), test::kVerticalStoneColours[b]);
    }
}

TEST_F(BoardViewTest, TheCubeShowsItsValueOnItsOwnersSide) {
    const struct {
        int value, owner, face;
        bool written; // on the 64 face, for a value without a picture
    } cases[] = {
        {1, 0, 0, false},  {2, 1, 1, false},   {4, 0, 2, false},      {8, -1, 3, false},
        {16, 1, 4, false}, {32, 0, 5, false},  {64, 1, 6, false},     {128, 0, 6, true},
        {3, -1, 6, true},  {512, -1, 6, true}, {1 << 30, 1, 6, true},
    };
    clearBoard(board_);
    board_.position[BAR_ONE] = {2, 0};
    auto view = makeView();
    const BoardLayout& l = *view->layout();
    for (const auto& c : cases) {
        board_.cubeValue = c.value;
        view->setCubeOwner(c.owner);
        view->Render();
        EXPECT_EQ(view->cubePicture(), c.face);
        const Rect place = cubeRect(l, c.value, c.owner, c.owner == 0 ? 2 : 0);
        const Rgb face = test::cubeFaceColour(c.face);
        EXPECT_EQ(view->frontBuffer().at(place.left + 1, place.top + 1), face) << c.value;
        const int ink = test::countPixels(view->frontBuffer(), place,
                                          [&](int, int, Rgb p) { return p != face; });
        EXPECT_EQ(ink > 0, c.written) << c.value;
    }
}

TEST_F(BoardViewTest, StacksOfSixOrMoreShowTheirCountAndBorneOffCheckersLieApart) {
    const struct {
        int location, count, side;
        bool counted;
    } cases[] = {{5, 9, 0, true},       {5, 5, 0, false},       {18, 6, 1, true},
                 {BAR_TWO, 6, 1, true}, {OFF_ONE, 5, 0, false}, {OFF_ONE, 6, 0, true},
                 {OFF_TWO, 15, 1, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.location) + ": " + std::to_string(c.count));
        clearBoard(board_);
        board_.position[c.location] = {c.count, c.side};
        auto view = makeView();
        view->Render();
        const auto differing = [&view](const Rect& area, Rgb colour) {
            return test::countPixels(view->frontBuffer(), area,
                                     [colour](int, int, Rgb p) { return p != colour; });
        };
        const int d = view->layout()->checker;
        const int v = view->layout()->trayChecker;
        const auto stone =
            static_cast<std::size_t>(c.side == 0 ? settings_.stoneColourA : settings_.stoneColourB);
        const Rect last = view->SlotRect(c.location, c.count - 1);
        if (c.location < OFF_ONE) {
            // The middle of the last checker shows its plain picture or the count.
            const Rect middle{last.left + d / 4, last.top + d / 4, last.right - d / 4,
                              last.bottom - d / 4};
            EXPECT_EQ(differing(middle, test::kStoneColours[stone]) > 0, c.counted);
            continue;
        }
        // A seam between each pair down the middle of the stack, the count
        // beside it on the tray's colour.
        const int x = (last.left + last.right) / 2;
        const int top = std::min(last.top, view->SlotRect(c.location, 0).top);
        EXPECT_EQ(differing({x, top, x + 1, top + c.count * v}, test::kVerticalStoneColours[stone]),
                  c.count - 1);
        const Rect half = view->LocationRect(c.location);
        const Rect beside = c.location == OFF_ONE
                                ? Rect{last.left, half.top, last.right, last.top}
                                : Rect{last.left, last.top + v, last.right, half.bottom};
        EXPECT_EQ(differing(beside, trayColour(static_cast<int>(stone))) > 0, c.counted);
    }
}

TEST_F(BoardViewTest, HighlightFlagsOutlinePointsAndTrayHalves) {
    clearBoard(board_);
    const PixelImage plain = rendered();
    const struct {
        int location;
        std::uint32_t flag;
        Rgb colour; // black: nothing drawn
    } cases[] = {
        {3, 1, kHighlightGreen}, {16, 2, kHighlightYellow}, {OFF_TWO, 2, kHighlightYellow},
        {OFF_ONE, 1, kBlack},    {BAR_ONE, 1, kBlack},      {7, 3, kBlack},
    };
    for (const auto& c : cases) {
        board_.highlights = {};
        board_.highlights[static_cast<std::size_t>(c.location)] = c.flag;
        auto view = makeView();
        view->Render();
        const PixelImage& image = view->frontBuffer();
        SCOPED_TRACE(std::to_string(c.location) + " flag " + std::to_string(c.flag));
        if (c.colour == kBlack) {
            EXPECT_EQ(image, plain);
            continue;
        }
        const Rect r = view->LocationRect(c.location);
        const Rect near{r.left - 2, r.top - 2, r.right + 2, r.bottom + 2};
        EXPECT_EQ(test::countPixels(image, {},
                                    [&](int x, int y, Rgb p) {
                                        return p != plain.at(x, y) && !near.contains(x, y);
                                    }),
                  0);
        EXPECT_GT(test::countPixels(image, r, [&](int, int, Rgb p) { return p == c.colour; }),
                  r.height())
            << "an outline along the location";
    }
}

TEST_F(BoardViewTest, MaskedCheckersShowTheBoardAtTheirCornersAndStaleOwnersDrawNothing) {
    clearBoard(board_);
    const PixelImage empty = rendered();
    board_.position[7] = {0, 1};
    board_.position[17] = {0, 0};
    EXPECT_EQ(rendered(), empty);
    board_.position[0] = {1, 0};
    board_.position[23] = {1, 1};
    board_.position[BAR_ONE] = {1, 0};
    auto view = makeView();
    view->Render();
    const PixelImage& image = view->frontBuffer();
    for (const int location : {0, 23, BAR_ONE}) {
        const Rect slot = view->SlotRect(location, 0);
        for (const Point corner :
             {Point{slot.left, slot.top}, Point{slot.right - 1, slot.top},
              Point{slot.left, slot.bottom - 1}, Point{slot.right - 1, slot.bottom - 1}}) {
            EXPECT_EQ(pixel(image, corner), pixel(empty, corner)) << location;
        }
    }
}

// In the window of the test and in the smallest one.
TEST_F(BoardViewTest, NothingIsDrawnOutsideTheBoard) {
    for (const Point size :
         {Point{1024, 768}, Point{kMinimumClientWidth, kMinimumAvailableHeight}}) {
        const Rect rect = boardRectangle(size.x, size.y);
        for (const char* placement : {"5=15 18=-15", "24=5 25=5"}) {
            board_.position = test::placedPosition(placement);
            board_.cubeValue = 64;
            PixelImage window(size.x, size.y, kSentinel);
            auto view = makeView(rect);
            view->attachWindow(&window);
            view->Render();
            view->DrawMovingChecker(-20, -20, 0); // hanging over the corner
            view->DrawMovingChecker(rect.width() - 10, rect.height() - 10, 1);
            for (int y = 0; y < window.height(); ++y) {
                for (int x = 0; x < window.width(); ++x) {
                    if (!rect.contains(x, y)) {
                        ASSERT_EQ(window.at(x, y), kSentinel) << x << "," << y;
                    }
                }
            }
            // The board itself is all in the window.
            EXPECT_EQ(window.at(rect.left + 1, rect.top + 1), test::kFrameColour);
        }
    }
}

TEST_F(BoardViewTest, MissingPicturesAreReportedAtEveryLayoutAndTheBoardIsStillDrawn) {
    std::filesystem::remove_all(folder_ / "Graphics");
    settings_.pipColourA = 1;
    settings_.pipColourB = 2;
    board_.position = test::placedPosition("5=15 18=-15");
    BoardView view(board_, folder_.path(), [this](GameSettings& s) { s = settings_; });
    view.Layout(kBoardRect);
    const std::vector<std::string> first = boxes_.texts();
    ASSERT_EQ(first.size(), 17u) << "frame, field, 2 x 4 checker files, 7 cube faces";
    EXPECT_EQ(first.front(),
              (folder_ / "Graphics").string() + "/Wood for Board Dark.bmp could not be loaded!");

    boxes_.clear();
    view.Layout(kBoardRect);
    EXPECT_EQ(boxes_.texts(), first);

    view.Render();
    EXPECT_EQ(pixel(view.frontBuffer(), pointBase(view, 12)), (Rgb{220, 220, 220}));
}

TEST_F(BoardViewTest, OptionsTakeEffectAtTheNextLayoutNotBefore) {
    clearBoard(board_);
    auto view = makeView();
    const Rect tray = view->LocationRect(OFF_ONE);
    const Point inTray{tray.left + 4, (tray.top + tray.bottom) / 2};
    view->Render();
    EXPECT_EQ(pixel(view->frontBuffer(), inTray), kWhite);
    settings_.stoneColourA = 3;
    view->Render();
    EXPECT_EQ(pixel(view->frontBuffer(), inTray), kWhite);
    view->Layout(kBoardRect);
    view->Render();
    EXPECT_EQ(pixel(view->frontBuffer(), inTray), (Rgb{255, 0, 0}));
    // A wood code without a picture leaves a new view's frame unpainted, silently.
    settings_.boardWood = 2;
    EXPECT_EQ(rendered().at(2, view->layout()->height / 2), kBlack);
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(BoardViewTest, ARectangleTooSmallKeepsThePreviousLayout) {
    auto view = makeView();
    const BoardLayout before = *view->layout();
    view->Layout({175, 0, 195, 14});
    ASSERT_TRUE(view->layout().has_value());
    EXPECT_EQ(view->layout()->width, before.width);
    EXPECT_EQ(view->rectangle(), kBoardRect);
    EXPECT_EQ(view->frontBuffer().width(), before.width);

    BoardView fresh(board_, folder_.path(), [](GameSettings&) {});
    fresh.Layout({0, 0, 10, 7});
    EXPECT_FALSE(fresh.layout().has_value());
    fresh.Render(); // harmless without a layout
    EXPECT_TRUE(fresh.frontBuffer().empty());
}

TEST_F(BoardViewTest, AMovingCheckerIsDrawnWhereItIsAndErasedWhereItWas) {
    setUpStartPosition(board_);
    PixelImage window(1024, 768, kSentinel);
    auto view = makeView();
    view->attachWindow(&window);
    view->Render();
    const Rect slot = view->LiftChecker(23);
    const int d = view->layout()->checker;
    EXPECT_EQ(slot, view->SlotRect(23, 1));

    const Rect dirty = view->DrawMovingChecker(slot.left - 30, slot.top + 40, 0);
    EXPECT_EQ(dirty, (Rect{slot.left - 30, slot.top, slot.right, slot.bottom + 40}));
    const Point centre{kBoardRect.left + slot.left - 30 + d / 2,
                       kBoardRect.top + slot.top + 40 + d / 2};
    EXPECT_EQ(pixel(window, centre), test::kStoneColours[1]);

    // A new place erases the old image from buffer B's board.
    const Rect next = view->DrawMovingChecker(slot.left - 30, slot.top + 45, 0);
    EXPECT_EQ(next, (Rect{slot.left - 30, slot.top + 40, slot.right - 30, slot.bottom + 45}));
    EXPECT_EQ(pixel(window, centre), test::kStoneColours[1]);
    const Point leftBehind{centre.x, kBoardRect.top + slot.top + 41};
    EXPECT_EQ(pixel(window, leftBehind),
              view->backBuffer().at(leftBehind.x - kBoardRect.left, slot.top + 41));
}

TEST_F(BoardViewTest, AnAnimatedPlayEndsOnTheBoardARenderShows) {
    setUpStartPosition(board_);
    board_.position[6] = {1, 1}; // a blot of side 1 to hit
    board_.position[5] = {4, 0};
    PixelImage window(1024, 768, kSentinel);
    auto view = makeView();
    view->attachWindow(&window);
    view->Render();
    Play play;
    play.count = 2;
    play.moves[0] = {6, 12, 6, 1};
    play.moves[1] = {6, 23, 17, 0};
    MoveAnimator animator;
    std::uint32_t now = 0;
    animator.start(*view, play, checkerSpeed(200), false, now);
    int steps = 0;
    while (!animator.step(*view, now += 16)) {
        ASSERT_LT(++steps, 1000);
    }
    EXPECT_EQ(board_.position[6], (BoardEntry{1, 0}));
    EXPECT_EQ(board_.position[BAR_TWO].count, 1);

    PixelImage fresh(1024, 768, kSentinel);
    auto other = makeView();
    other->attachWindow(&fresh);
    other->Render();
    EXPECT_EQ(window, fresh);
}

} // namespace
} // namespace vh
