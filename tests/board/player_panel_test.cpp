#include "board/bmp_file.h"
#include "board/player_panel.h"
#include "platform/message_box.h"
#include "tests/support/board_graphics.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

// The pictures the build painted into the program directory.
const std::filesystem::path kGraphics = std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Graphics";
constexpr int kWidth = 150;
constexpr int kHeight = 240;

PixelImage picture(const char* name) {
    std::optional<BmpPicture> loaded = loadBmpFile(kGraphics / name);
    EXPECT_TRUE(loaded.has_value()) << name;
    return loaded ? loaded->image : PixelImage();
}

PanelContent content(bool active, bool isComputer, bool diceShown) {
    PanelContent c;
    c.name = "Anna";
    c.isComputer = isComputer;
    c.textColourCode = 1;
    c.pipsToGo = 167;
    c.active = active;
    c.diceShown = diceShown;
    c.die1 = 3;
    c.die2 = 5;
    return c;
}

class PlayerPanelTest : public testing::Test {
protected:
    PlayerPanelTest() : installed_(boxes_), view_(kGraphics) {}

    PixelImage drawn(const PanelContent& c, float scale = 1.0f) {
        PixelImage panel(static_cast<int>(kWidth * scale), static_cast<int>(kHeight * scale));
        view_.draw(panel, c, scale);
        return panel;
    }

    RecordingMessageBoxes boxes_;
    ScopedMessageBoxes installed_;
    PlayerPanelView view_;
};

bool sameBlock(const PixelImage& panel, int x, int y, const PixelImage& block) {
    return test::countPixels(block, {}, [&](int bx, int by, Rgb p) {
               return panel.at(x + bx, y + by) != p;
           }) == 0;
}

// True where the sprite's mask is wholly white the panel shows the sprite.
bool showsSprite(const PixelImage& panel, int x, int y, const char* name) {
    const PixelImage image = picture((std::string(name) + ".bmp").c_str());
    const PixelImage mask = picture((std::string(name) + " Mask.bmp").c_str());
    const auto opaque = [](int, int, Rgb m) { return m == kWhite; };
    const auto shown = [&](int sx, int sy, Rgb m) {
        return m == kWhite && panel.at(x + sx, y + sy) == image.at(sx, sy);
    };
    const int opaquePixels = test::countPixels(mask, {}, opaque);
    return opaquePixels > 0 && test::countPixels(mask, {}, shown) == opaquePixels;
}

bool allBackground(const PixelImage& panel, const Rect& area) {
    return test::countPixels(panel, area, [](int, int, Rgb p) { return p != kPanelBackground; }) ==
           0;
}

TEST(PlayerPanel, ClockTextShowsMinutesAndTwoDigitSeconds) {
    const struct {
        std::uint32_t ms;
        const char* text;
    } cases[] = {
        {599'000, "(9:59)"}, {605'000, "(10:05)"}, {0, "(0:00)"},
        {65'000, "(1:05)"},  {600'000, "(10:00)"}, {59'999, "(0:59)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlayerPanelView::clockText(c.ms), c.text) << c.ms;
    }
}

TEST_F(PlayerPanelTest, TheCupIsHitOnlyStrictlyInsideItsPicture) {
    const PixelImage cup = picture("Dice Cup.bmp");
    for (const int scale : {1, 2}) {
        const auto s = static_cast<float>(scale);
        const Rect r{85 * scale, 5 * scale, (85 + cup.width()) * scale, (5 + cup.height()) * scale};
        EXPECT_EQ(view_.cupRect(s), r);
        const int midX = (r.left + r.right) / 2;
        const int midY = (r.top + r.bottom) / 2;
        const struct {
            int x;
            int y;
            bool hit;
        } cases[] = {
            {r.left, midY, false},      {r.left + 1, midY, true}, {r.right - 1, midY, true},
            {r.right, midY, false},     {midX, r.top, false},     {midX, r.top + 1, true},
            {midX, r.bottom - 1, true}, {midX, r.bottom, false},
        };
        for (const auto& c : cases) {
            EXPECT_EQ(view_.cupHit(c.x, c.y, s), c.hit) << scale << ": " << c.x << "," << c.y;
        }
    }
}

TEST_F(PlayerPanelTest, OnlyTheActivePanelShowsTheCupOrTheDice) {
    const PixelImage die3 = picture("Die3.bmp");
    const PixelImage die5 = picture("Die5.bmp");
    enum Shows { Cup, Dice, Nothing };
    const struct {
        const char* what;
        PanelContent c;
        Shows shows;
    } cases[] = {
        {"human before the press", content(true, false, false), Cup},
        {"human after the press", content(true, false, true), Dice},
        {"computer", content(true, true, true), Dice},
        {"computer waiting for its double's answer", content(true, true, false), Nothing},
        {"inactive human", content(false, false, false), Nothing},
        {"inactive computer", content(false, true, true), Nothing},
    };
    for (const auto& c : cases) {
        const PixelImage panel = drawn(c.c);
        EXPECT_EQ(PlayerPanelView::showsCup(c.c), c.shows == Cup) << c.what;
        EXPECT_EQ(PlayerPanelView::showsDice(c.c), c.shows == Dice) << c.what;
        EXPECT_EQ(showsSprite(panel, 85, 5, "Dice Cup"), c.shows == Cup) << c.what;
        EXPECT_EQ(sameBlock(panel, 85, 3, die3) && sameBlock(panel, 85, 56, die5), c.shows == Dice)
            << c.what;
        EXPECT_EQ(allBackground(panel, {85, 0, kWidth, 106}), c.shows == Nothing) << c.what;
    }
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(PlayerPanelTest, AnEmptyOrUnreadablePhotoShowsTheStandardPhotoSilently) {
    view_.setPhoto(kGraphics / "Human.bmp");
    const PixelImage standard = drawn(content(false, false, false));
    for (const std::filesystem::path& path :
         {std::filesystem::path(), kGraphics / "No Such Player.bmp"}) {
        view_.setPhoto(path);
        EXPECT_EQ(drawn(content(false, false, false)), standard) << path;
    }
    view_.setPhoto(kGraphics / "Greta Holm.bmp");
    const PixelImage own = drawn(content(false, false, false));
    EXPECT_NE(own, standard);
    EXPECT_TRUE(allBackground(own, {0, 0, kWidth, 5}));
    EXPECT_FALSE(allBackground(own, {5, 5, 80, 105}));
    EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(PlayerPanelTest, TextsTakeTheColourOfTheSidesStones) {
    const std::pair<int, Rgb> cases[] = {
        {1, {255, 255, 255}}, {2, {170, 170, 170}}, {3, {255, 0, 0}}, {0, {255, 0, 0}}};
    for (const auto& [code, colour] : cases) {
        PanelContent panelContent = content(false, false, false);
        panelContent.textColourCode = code;
        const PixelImage panel = drawn(panelContent);
        for (const int top : {110, 135}) { // name, pips
            EXPECT_GT(test::countPixels(panel, {0, top, kWidth, top + 25},
                                        [&](int, int, Rgb p) { return p == colour; }),
                      0)
                << code << " line " << top;
        }
    }
}

TEST_F(PlayerPanelTest, ATimedPanelShowsTheClockAndRefreshesOnlyItsText) {
    PanelContent timed = content(false, false, false);
    timed.timed = true;
    timed.clockMs = 545'000;
    PixelImage panel = drawn(timed);
    EXPECT_TRUE(showsSprite(panel, 5, 135, "Small Clock"));
    EXPECT_FALSE(showsSprite(drawn(content(false, false, false)), 5, 135, "Small Clock"));

    const PixelImage before = panel;
    timed.clockMs = 545'999; // the same second
    EXPECT_FALSE(view_.refreshClock(panel, timed, 1.0f));
    EXPECT_EQ(panel, before);

    timed.clockMs = 544'000;
    EXPECT_TRUE(view_.refreshClock(panel, timed, 1.0f));
    EXPECT_NE(panel, before);
    EXPECT_EQ(panel, drawn(timed));
    const Rect text = view_.clockTextRect(kWidth, 1.0f);
    EXPECT_EQ(test::countPixels(panel, {},
                                [&](int x, int y, Rgb p) {
                                    return !text.contains(x, y) && p != before.at(x, y);
                                }),
              0);

    timed.timed = false;
    timed.clockMs = 1000;
    EXPECT_FALSE(view_.refreshClock(panel, timed, 1.0f));
}

TEST_F(PlayerPanelTest, ALongNameIsCutShortOfThePanelsEdgeRatherThanWrapped) {
    PanelContent c = content(true, true, false);
    c.name = "Maximilian Wolfgang von Hohenberg";
    for (const int scale : {1, 2}) {
        const PixelImage panel = drawn(c, static_cast<float>(scale));
        const int top = 110 * scale;
        const int bottom = 135 * scale;
        // Wrapped at a space, the first line would end well before 120.
        EXPECT_FALSE(allBackground(panel, {120 * scale, top, (kWidth - 4) * scale, bottom}))
            << scale;
        EXPECT_TRUE(allBackground(panel, {(kWidth - 4) * scale, top, kWidth * scale, bottom}))
            << scale;
    }
}

TEST(PlayerPanel, WithoutItsPicturesAPanelStillDrawsAndItsCupCanBePressed) {
    const test::TempDirectory folder("panel");
    RecordingMessageBoxes boxes;
    const ScopedMessageBoxes installed(boxes);
    PlayerPanelView view(folder / "Graphics");
    // Clock and cup with their masks, six dice, the standard photo.
    EXPECT_EQ(boxes.shown().size(), 11u);
    PixelImage panel(kWidth, kHeight);
    view.draw(panel, content(true, false, false), 1.0f);
    EXPECT_TRUE(allBackground(panel, {0, 0, kWidth, 106}));
    EXPECT_TRUE(view.cupHit(110, 50, 1.0f));
}

} // namespace
} // namespace vh
