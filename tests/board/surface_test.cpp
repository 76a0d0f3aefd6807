#include "board/bmp_file.h"
#include "board/surface.h"
#include "board/transparent_surface.h"
#include "platform/message_box.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kBackground{20, 120, 40};
constexpr Rgb kRed{220, 30, 30};

class SurfaceTest : public testing::Test {
protected:
    SurfaceTest() : folder_("surface"), installed_(boxes_) {}

    std::filesystem::path writePicture(const char* name, const PixelImage& image) {
        const std::filesystem::path path = folder_ / name;
        EXPECT_TRUE(saveBmpFile(path, image));
        return path;
    }

    test::TempDirectory folder_;
    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
};

// A red disc of radius 4 in a 10 x 10 picture, black outside, and its mask.
PixelImage disc(Rgb inside, Rgb outside) {
    PixelImage image(10, 10, outside);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if ((x - 5) * (x - 5) + (y - 5) * (y - 5) <= 16) {
                image.at(x, y) = inside;
            }
        }
    }
    return image;
}

TEST_F(SurfaceTest, AMissingOrUnreadablePictureGivesOneBoxAndDrawsNothing) {
    folder_.write("Graphics/broken.bmp", "BM this is not a picture");
    for (const char* name : {"Graphics/Board.bmp", "Graphics/broken.bmp"}) {
        boxes_.clear();
        CSurface surface;
        surface.Load(folder_ / name);
        EXPECT_EQ(boxes_.shown(),
                  (std::vector<Message>{{"Varnholt Backgammon",
                                         (folder_ / name).string() + " could not be loaded!",
                                         MessageButtons::Ok}}));
        EXPECT_TRUE(surface.isLoaded());
        EXPECT_EQ(surface.width(), 0);
        PixelImage screen(20, 20, kBackground);
        surface.Draw(screen, 3, 3);
        surface.DrawPart(screen, 0, 0, 10, 10, 0, 0);
        surface.DrawStretched(screen, 0, 0, 20, 20, 0, 0, 5, 5);
        EXPECT_EQ(screen, PixelImage(20, 20, kBackground)) << name;
    }
}

TEST_F(SurfaceTest, LoadsDrawsReplacesAndReleasesPictures) {
    CSurface surface;
    surface.Load(writePicture("first.bmp", disc(kRed, kBlack)));
    EXPECT_EQ(surface.bitsPerPixel(), 24);
    PixelImage screen(30, 30, kBackground);
    surface.Draw(screen, 5, 6);
    EXPECT_EQ(screen.at(5, 6), kBlack) << "a plain draw copies the black corner too";
    EXPECT_EQ(screen.at(15, 16), kBackground);

    surface.Load(writePicture("second.bmp", PixelImage(3, 2, kWhite)));
    EXPECT_EQ(surface.picture(), PixelImage(3, 2, kWhite));
    EXPECT_TRUE(boxes_.shown().empty());
    surface.Release();
    EXPECT_FALSE(surface.isLoaded());
}

TEST_F(SurfaceTest, AMaskedDrawLeavesTheBackgroundWhereTheMaskIsBlack) {
    const auto picture = writePicture("stone.bmp", disc(kRed, kBlack));
    const auto mask = writePicture("stonemask.bmp", disc(kWhite, kBlack));
    CTransparentSurface stone;
    stone.Load(picture, mask);
    EXPECT_TRUE(boxes_.shown().empty());
    EXPECT_TRUE(stone.isLoaded());

    // Over a background with every colour bit set somewhere.
    PixelImage screen(16, 16, kBackground);
    screen.at(4, 4) = kWhite;
    screen.at(12, 12) = kWhite;
    const PixelImage before = screen;
    stone.Draw(screen, 3, 3);
    const PixelImage discPixels = disc(kRed, kBlack);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool onStone =
                x >= 3 && y >= 3 && x < 13 && y < 13 && discPixels.at(x - 3, y - 3) == kRed;
            ASSERT_EQ(screen.at(x, y), onStone ? kRed : before.at(x, y)) << x << "," << y;
        }
    }
}

TEST_F(SurfaceTest, APairReportsEachMissingFileThenADifferentSizeOnce) {
    const auto picture = writePicture("cube.bmp", PixelImage(50, 50, kRed));
    const auto mask = writePicture("cubemask.bmp", PixelImage(50, 49, kWhite));
    const auto gone = folder_ / "Graphics/gone.bmp";
    const std::string missing = " could not be loaded! (CTransparentSurface)";
    const std::string sizes = " image and mask not the same size! (CTransparentSurface)";
    const struct {
        std::filesystem::path picture, mask;
        std::vector<std::string> texts;
    } cases[] = {
        {gone, gone, {gone.string() + missing, gone.string() + missing}},
        {picture, gone, {gone.string() + missing, picture.string() + sizes}},
        {picture, mask, {picture.string() + sizes}},
    };
    for (const auto& c : cases) {
        boxes_.clear();
        CTransparentSurface pair;
        pair.Load(c.picture, c.mask);
        EXPECT_EQ(boxes_.texts(), c.texts);
        EXPECT_TRUE(pair.isLoaded());
        PixelImage screen(5, 5, kBackground);
        pair.Draw(screen, 0, 0); // harmless with a part missing
        if (c.picture == gone) {
            EXPECT_EQ(screen, PixelImage(5, 5, kBackground));
        }
    }
    CTransparentSurface cube;
    cube.Load(picture, mask);
    PixelImage screen(60, 60, kBackground);
    cube.Draw(screen, 0, 0);
    EXPECT_EQ(screen.at(10, 10), kRed);
    // The mask has no last row, so the picture's is ORed over the background there.
    EXPECT_EQ(screen.at(10, 49), (Rgb{220 | 20, 30 | 120, 30 | 40}));
    EXPECT_EQ(screen.at(55, 55), kBackground);
}

} // namespace
} // namespace vh
