#include "board/board_theme.h"
#include "platform/message_box.h"
#include "tests/support/board_graphics.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(BoardTheme, PictureFilesFollowTheOptionCodes) {
    EXPECT_EQ(frameFileName(1), "Wood for Board Dark.bmp");
    for (const int other : {0, 2, -1, 99}) {
        EXPECT_FALSE(frameFileName(other).has_value()) << other;
    }
    const std::pair<int, const char*> marbles[] = {
        {4, "Marble for Board Red and White.bmp"}, {3, "Marble for Board Light Blue.bmp"},
        {2, "Marble for Board Dark Blue.bmp"},     {1, "Marble for Board Dark Blue.bmp"},
        {0, "Marble for Board Dark Blue.bmp"},     {-7, "Marble for Board Dark Blue.bmp"}};
    for (const auto& [code, name] : marbles) {
        EXPECT_EQ(fieldFileName(code), name) << code;
    }
    const std::pair<int, const char*> stones[] = {{1, "White"}, {2, "Black"}, {3, "Red"}};
    for (const auto& [code, name] : stones) {
        const std::string stem = name;
        ASSERT_TRUE(checkerFileNames(code).has_value());
        EXPECT_EQ(checkerFileNames(code)->picture, stem + " Stone 50x50.bmp");
        EXPECT_EQ(checkerFileNames(code)->mask, stem + " Stone 50x50 Mask.bmp");
        EXPECT_EQ(borneOffFileNames(code)->picture, stem + " Vertical Stone.bmp");
        EXPECT_EQ(borneOffFileNames(code)->mask, stem + " Vertical Stone Mask.bmp");
    }
    for (const int other : {0, 4, -1}) {
        EXPECT_FALSE(checkerFileNames(other).has_value());
        EXPECT_FALSE(borneOffFileNames(other).has_value());
    }
    EXPECT_EQ(cubeFileName(0), "Double0.bmp");
    EXPECT_EQ(cubeFileName(6), "Double6.bmp");
}

TEST(BoardTheme, DrawnColoursFollowTheCodes) {
    const std::pair<int, Rgb> points[] = {
        {1, {220, 220, 220}}, {2, {50, 50, 50}},   {3, {200, 70, 50}},        {4, {178, 133, 116}},
        {5, {18, 115, 122}},  {0, {18, 115, 122}}, {0xFFFFFF, {18, 115, 122}}};
    for (const auto& [code, colour] : points) {
        EXPECT_EQ(pointColour(code), colour) << code;
    }
    const std::pair<int, Rgb> trays[] = {
        {3, {255, 0, 0}}, {1, {255, 255, 255}}, {2, {0, 0, 0}}, {0, {0, 0, 0}}, {7, {0, 0, 0}}};
    for (const auto& [code, colour] : trays) {
        EXPECT_EQ(trayColour(code), colour) << code;
    }
}

TEST(BoardTheme, TheDefaultPipPairIsDrawnAsOrangeAndGreen) {
    struct Case {
        int a;
        int b;
        int first;
        int second;
    };
    const Case cases[] = {{0, 0xFFFFFF, 4, 5},        {1, 2, 1, 2}, {3, 2, 3, 2}, {4, 5, 4, 5},
                          {0xFFFFFF, 0, 0xFFFFFF, 0}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        const PipCodes codes = drawnPipCodes(c.a, c.b);
        EXPECT_EQ(codes.first, c.first) << c.a << "/" << c.b;
        EXPECT_EQ(codes.second, c.second) << c.a << "/" << c.b;
    }
}

TEST(BoardTheme, CubePictureByValue) {
    const std::pair<int, int> cases[] = {{1, 0},  {2, 1}, {4, 2}, {8, 3},  {16, 4}, {32, 5},
                                         {64, 6}, {0, 6}, {3, 6}, {-2, 6}, {128, 6}};
    for (const auto& [value, index] : cases) {
        EXPECT_EQ(cubePictureIndex(value), index) << value;
    }
}

class BoardPicturesTest : public testing::Test {
protected:
    BoardPicturesTest() : folder_("board-theme"), installed_(boxes_) {}

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
};

TEST_F(BoardPicturesTest, LoadsInTheBoardsOrder) {
    GameSettings settings;
    settings.stoneColourA = 3;
    settings.stoneColourB = 2;
    settings.boardMarble = 3;
    BoardPictures pictures;
    pictures.load(settings, folder_ / "Graphics");
    // Every file is missing: the messages show the order of loading.
    const std::string g = (folder_ / "Graphics").string() + "/";
    const std::string pair = " could not be loaded! (CTransparentSurface)";
    std::vector<std::string> expected{
        g + "Wood for Board Dark.bmp could not be loaded!",
        g + "Marble for Board Light Blue.bmp could not be loaded!",
        g + "Red Stone 50x50.bmp" + pair,
        g + "Red Stone 50x50 Mask.bmp" + pair,
        g + "Red Vertical Stone.bmp" + pair,
        g + "Red Vertical Stone Mask.bmp" + pair,
        g + "Black Stone 50x50.bmp" + pair,
        g + "Black Stone 50x50 Mask.bmp" + pair,
        g + "Black Vertical Stone.bmp" + pair,
        g + "Black Vertical Stone Mask.bmp" + pair,
    };
    for (int i = 0; i < 7; ++i) {
        expected.push_back(g + "Double" + std::to_string(i) + ".bmp could not be loaded!");
    }
    EXPECT_EQ(boxes_.texts(), expected);
}

TEST_F(BoardPicturesTest, ACodeWithoutPictureKeepsWhatTheSurfaceHeld) {
    test::writeBoardGraphics(folder_.path());
    GameSettings settings;
    BoardPictures pictures;
    pictures.load(settings, folder_ / "Graphics");
    EXPECT_TRUE(boxes_.shown().empty());
    ASSERT_EQ(pictures.checker[0].picture().width(), test::kStonePictureSize);
    const Rgb white = pictures.checker[0].picture().picture().at(10, 10);
    EXPECT_EQ(white, test::kStoneColours[1]);

    settings.boardWood = 0;
    settings.stoneColourA = 9;
    settings.stoneColourB = 3;
    pictures.load(settings, folder_ / "Graphics");
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_TRUE(pictures.frame.isLoaded()) << "kept from the first load";
    EXPECT_EQ(pictures.checker[0].picture().picture().at(10, 10), white);
    EXPECT_EQ(pictures.checker[1].picture().picture().at(10, 10), test::kStoneColours[3]);
    EXPECT_EQ(pictures.borneOff[1].picture().picture().at(1, 1), test::kVerticalStoneColours[3]);

    pictures.release();
    EXPECT_FALSE(pictures.frame.isLoaded());
    EXPECT_FALSE(pictures.checker[1].isLoaded());
    EXPECT_FALSE(pictures.cube[6].isLoaded());
}

} // namespace
} // namespace vh
