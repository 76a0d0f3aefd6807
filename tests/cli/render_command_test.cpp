#include "board/board_layout.h"
#include "board/pixel_image.h"
#include "settings/settings_file.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/board_graphics.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>
#include <sstream>
#include <stb_image.h>

namespace vh::cli {
namespace {

PixelImage readPng(const std::filesystem::path& path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* data = stbi_load(path.string().c_str(), &width, &height, &channels, 3);
    if (data == nullptr) {
        return {};
    }
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = data + 3 * (static_cast<std::size_t>(y) * width + x);
            image.at(x, y) = {p[0], p[1], p[2]};
        }
    }
    stbi_image_free(data);
    return image;
}

const Rgb kPlainBackground{16, 11, 218};

class RenderCommandTest : public testing::Test {
protected:
    RenderCommandTest() : folder_("cli-render") { test::writeBoardGraphics(folder_.path()); }

    Outcome render(std::vector<std::string> extra) {
        std::vector<std::string> arguments{"render", "--program-dir", folder_.path().string()};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return run(arguments);
    }

    test::TempDirectory folder_;
};

TEST_F(RenderCommandTest, DrawsTheBoardAtItsPlaceInTheWindow) {
    const std::string out = (folder_ / "board.png").string();
    const Outcome result = render({"--position", "start", "--out", out});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, "wrote " + out + "\n");
    const PixelImage image = readPng(out);
    ASSERT_EQ(image.width(), 1024);
    ASSERT_EQ(image.height(), 768);
    const Rect board = boardRectangle(1024, 768);
    EXPECT_EQ(image.at(board.left + 1, board.top + 1), test::kFrameColour);
    EXPECT_EQ(image.at(board.right - 2, board.bottom - 2), test::kFrameColour);
    // The panels' room and the margins show the background.
    EXPECT_EQ(image.at(10, 300), kPlainBackground);
    EXPECT_EQ(image.at(board.left - 1, board.top + 5), kPlainBackground);
    EXPECT_EQ(image.at(board.right, board.top + 5), kPlainBackground);
    EXPECT_EQ(image.at(500, board.top - 1), kPlainBackground);
    EXPECT_EQ(image.at(500, board.bottom), kPlainBackground);
}

TEST_F(RenderCommandTest, TakesSizeSettingsCubeAndHighlights) {
    GameSettings settings;
    settings.stoneColourA = 3;
    settings.bgRed = 0;
    settings.bgGreen = 90;
    settings.bgBlue = 0;
    ASSERT_TRUE(saveSettingsFile(folder_ / "mine.dat", settings));
    const std::string out = (folder_ / "small.png").string();
    const Outcome result = render({"--position", "start", "--size", "640x480", "--settings",
                                   (folder_ / "mine.dat").string(), "--cube", "8", "--highlight",
                                   "3:1,26", "--out", out});
    ASSERT_EQ(result.code, 0) << result.err;
    const PixelImage image = readPng(out);
    ASSERT_EQ(image.width(), 640);
    EXPECT_EQ(image.at(5, 5), (Rgb{0, 90, 0}));
    const Rect board = boardRectangle(640, 480);
    const BoardLayout l = *computeLayout(board.width(), board.height());
    const auto at = [&](int x, int y) { return image.at(board.left + x, board.top + y); };
    EXPECT_EQ(at(l.frame + l.half() + l.bar() / 2, l.height / 2), test::cubeFaceColour(3));
    const Rect tray = locationRect(l, 26);
    EXPECT_EQ(at(tray.left + 4, tray.top + 6), (Rgb{255, 0, 0})) << "red stones, red tray";
    EXPECT_EQ(at(tray.left, (tray.top + tray.bottom) / 2), (Rgb{255, 255, 0})) << "flag 2";
    int green = 0;
    const Rect point = locationRect(l, 3);
    for (int y = point.top; y < point.bottom; ++y) {
        for (int x = point.left - 1; x <= point.right; ++x) {
            green += at(x, y) == Rgb{0, 255, 0} ? 1 : 0;
        }
    }
    EXPECT_GT(green, point.height());
}

TEST_F(RenderCommandTest, WritesTheFramesOfAnAnimatedPlay) {
    const std::string start = (folder_ / "start.png").string();
    const std::string after = (folder_ / "after.png").string();
    ASSERT_EQ(render({"--position", "start", "--out", start}).code, 0);
    ASSERT_EQ(render({"--position", "start", "--play", "6:23/17 5:17/12", "--out", after}).code, 0);
    const std::string frames = (folder_ / "anim.png").string();
    const Outcome result = render(
        {"--position", "start", "--play", "6:23/17 5:17/12", "--frames", "6", "--out", frames});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_NE(result.out.find("wrote 6 frames"), std::string::npos) << result.out;
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(std::filesystem::exists(folder_ / ("anim-00" + std::to_string(i) + ".png")));
    }
    EXPECT_FALSE(std::filesystem::exists(folder_ / "anim-006.png"));
    EXPECT_EQ(readPng(folder_ / "anim-000.png"), readPng(start));
    EXPECT_EQ(readPng(folder_ / "anim-005.png"), readPng(after));
    EXPECT_NE(readPng(folder_ / "anim-002.png"), readPng(start));
    EXPECT_NE(readPng(folder_ / "anim-002.png"), readPng(after));
}

TEST_F(RenderCommandTest, MissingPicturesAreReportedAndTheBoardIsStillDrawn) {
    std::filesystem::remove_all(folder_ / "Graphics");
    const std::string out = (folder_ / "bare.png").string();
    const Outcome result = render({"--position", "start", "--out", out});
    ASSERT_EQ(result.code, 0);
    const std::vector<std::string> errors = lines(result.err);
    EXPECT_EQ(errors.size(), 17u);
    for (const std::string& line : errors) {
        EXPECT_NE(line.find("could not be loaded!"), std::string::npos) << line;
    }
    EXPECT_EQ(readPng(out).width(), 1024);
}

TEST_F(RenderCommandTest, BadInputGivesOneLineAndCode2) {
    const std::string out = (folder_ / "x.png").string();
    const std::string command = "render --program-dir " + folder_.path().string() + " ";
    const std::string start = command + "--position start --out " + out + " ";
    const std::string cases[] = {
        command + "--position start",
        command + "--out " + out,
        start + "--size 1024",
        start + "--size 400x300",
        start + "--size 0x-5",
        start + "--cube 0",
        start + "--highlight 28",
        start + "--highlight 3:5",
        start + "--highlight 3,,4",
        start + "--play 6:4/1",
        start + "--play 6:23/18",
        start + "--play 6:0/26",
        start + "--play 623/17",
        start + "--frames 3",
        start + "--play 6:23/17 --frames 1",
        start + "--settings " + (folder_ / "none.dat").string(),
        start + "--program-dir " + (folder_ / "nowhere").string(),
        command + "--position start --out " + (folder_ / "no/such/dir/x.png").string(),
    };
    for (const std::string& line : cases) {
        const Outcome result = run(line);
        EXPECT_EQ(result.code, 2) << line;
        EXPECT_EQ(result.err.rfind("varnholt-cli: ", 0), 0u) << line << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}

} // namespace
} // namespace vh::cli
