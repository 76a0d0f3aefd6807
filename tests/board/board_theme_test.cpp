#include "board/board_theme.h"
#include "platform/message_box.h"
#include "tests/support/board_graphics.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

class BoardPicturesTest : public testing::Test {
protected:
    BoardPicturesTest() : folder_("board-theme"), installed_(boxes_) {}

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
};

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
