#include "board/font_face.h"
#include "board/text_style.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

constexpr Rgb kPaper{240, 240, 240};
constexpr Rgb kInk{200, 0, 0};

struct InkBox {
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;
    int bottom = -1;
    int pixels = 0;
    int partial = 0;
};

InkBox inkOf(const PixelImage& image) {
    InkBox box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgb p = image.at(x, y);
            if (p == kPaper) {
                continue;
            }
            ++box.pixels;
            box.partial += p != kInk ? 1 : 0;
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x + 1);
            box.bottom = std::max(box.bottom, y + 1);
        }
    }
    return box;
}

TextStyle style(bool bold, unsigned format) {
    TextStyle s;
    s.height = 14;
    s.bold = bold;
    s.colour = kInk;
    s.format = format;
    return s;
}

TEST(Text, FindsTheProgramsFontAndTheFirstFontFileInFolderOrder) {
    ASSERT_NE(sansFace(false), nullptr) << "install fonts-liberation2";
    ASSERT_NE(sansFace(true), nullptr);
    const test::TempDirectory first("fonts-a");
    const test::TempDirectory second("fonts-b");
    second.write("B.ttf", "x");
    second.write("A.ttf", "x");
    first.write("B.ttf", "x");
    EXPECT_EQ(findFontFile({first.path(), second.path()}, {"A.ttf", "B.ttf"}), first / "B.ttf");
    EXPECT_EQ(findFontFile({second.path(), first.path()}, {"A.ttf", "B.ttf"}), second / "A.ttf");
    EXPECT_FALSE(findFontFile({first.path()}, {"C.ttf"}).has_value());
    EXPECT_EQ(FontFace::load(first / "B.ttf"), nullptr) << "not a font";
    EXPECT_EQ(FontFace::load(first / "missing.ttf"), nullptr);
}

TEST(Text, PointNumbersFitTheirBoxesAndTextIsPlacedByItsFormat) {
    // Bold 14-pixel digits as on the board: the widest number fits 15 pixels.
    for (const char* number : {"1", "12", "24", "20"}) {
        EXPECT_LE(textWidth(number, style(true, kTextCentre)), 15) << number;
    }
    PixelImage image(40, 30, kPaper);
    drawText(image, {10, 5, 25, 25}, "24", style(true, kTextCentre));
    const InkBox box = inkOf(image);
    EXPECT_GT(box.partial, 5) << "soft edges";
    EXPECT_TRUE(box.left >= 10 && box.right <= 25 && box.top >= 6 && box.bottom <= 5 + 12);
    EXPECT_LE(std::abs((box.left - 10) - (25 - box.right)), 1) << "centred";

    PixelImage right(100, 40, kPaper);
    drawText(right, {0, 0, 100, 40}, "Go",
             style(false, kTextRight | kTextVerticalCentre | kTextSingleLine));
    const InkBox go = inkOf(right);
    EXPECT_TRUE(go.right >= 98 && go.top > 12 && go.bottom < 30);
}

TEST(Text, WrapsAtSpacesAndCutsAtTheRectangle) {
    const TextStyle s = style(false, kTextLeft);
    const std::vector<std::string> lines = wrapText("Would you like to play another game?", s, 80);
    ASSERT_GE(lines.size(), 3u);
    for (const std::string& line : lines) {
        EXPECT_LE(textWidth(line, s), 80) << line;
    }
    EXPECT_EQ(lines.front().rfind("Would", 0), 0u);
    EXPECT_EQ(wrapText("one\ntwo", s, 500), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(wrapText("one\ntwo", style(false, kTextSingleLine), 500),
              (std::vector<std::string>{"one two"}));
    EXPECT_EQ(wrapText("Supercalifragilistic", s, 20),
              (std::vector<std::string>{"Supercalifragilistic"}))
        << "a long word stays whole";

    PixelImage image(60, 60, kPaper);
    drawText(image, {5, 5, 45, 25}, "Would you like to play another game?", s);
    const InkBox box = inkOf(image);
    EXPECT_TRUE(box.left >= 5 && box.top >= 5 && box.right <= 45 && box.bottom <= 25);
    EXPECT_GT(box.bottom, 19) << "a second line begins";
}

TEST(Text, OddInputIsHarmless) {
    TextStyle s = style(false, kTextLeft);
    s.underline = true;
    PixelImage untouched(20, 20, kPaper);
    drawText(untouched, {5, 5, 5, 15}, "x", s);
    drawText(untouched, {0, 0, 20, 20}, "", s);
    drawText(untouched, {-50, -50, -10, -10}, "far away", s);
    EXPECT_EQ(untouched, PixelImage(20, 20, kPaper));
    PixelImage broken(60, 30, kPaper);
    drawText(broken, {0, 0, 60, 30}, "a\xff\xc3 \xe2\x82", s);
    EXPECT_GT(inkOf(broken).pixels, 0);
    s.height = -12; // em size
    EXPECT_GT(lineHeight(s), 12);
}

} // namespace
} // namespace vh
