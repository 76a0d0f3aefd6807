#include "board/board_layout.h"
#include "board/board_view.h"
#include "board/move_animator.h"
#include "board/move_path.h"
#include "board/png_file.h"
#include "board/wallpaper.h"
#include "platform/program_folders.h"
#include "rules/board_record.h"
#include "settings/settings_file.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/notation.h"
#include "tools/varnholt-cli/program_location.h"

#include <cstdio>
#include <ostream>

namespace vh::cli {
namespace {

// The synthetic clock of an animation: one step per frame of a 60 Hz display.
constexpr std::uint32_t kStepMs = 16;
// An animation that has not ended after this long is stuck.
constexpr std::uint32_t kLongestAnimationMs = 10 * 60 * 1000;

struct WindowSize {
    int width = 0;
    int height = 0;
};

WindowSize parseSize(const std::string& text) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) {
        throw CliError("--size must be WIDTHxHEIGHT, got '" + text + "'");
    }
    WindowSize size;
    size.width = static_cast<int>(parseInteger(text.substr(0, x), 1, 8192, "--size width"));
    size.height = static_cast<int>(parseInteger(text.substr(x + 1), 1, 8192, "--size height"));
    if (size.width < kMinimumClientWidth || size.height < kMinimumAvailableHeight) {
        throw CliError("--size " + text + " is smaller than the window's minimum " +
                       std::to_string(kMinimumClientWidth) + "x" +
                       std::to_string(kMinimumAvailableHeight));
    }
    return size;
}

// "L" or "L:F" entries separated by commas: location L gets highlight flag F
// (1 green, 2 yellow; 2 when left out).
void parseHighlights(const std::string& text, BoardRecord& board) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string entry = text.substr(start, end - start);
        const std::size_t colon = entry.find(':');
        const auto location = static_cast<std::size_t>(
            parseInteger(entry.substr(0, colon), 0, kEntryCount - 1, "--highlight location"));
        board.highlights[location] = colon == std::string::npos
                                         ? kHighlightTarget
                                         : static_cast<std::uint32_t>(parseInteger(
                                               entry.substr(colon + 1), 0, 2, "--highlight flag"));
        start = end + 1;
    }
}

// board-000.png, board-001.png, ... for --out board.png.
std::filesystem::path framePath(const std::filesystem::path& out, int index) {
    char number[16];
    std::snprintf(number, sizeof number, "-%03d", index);
    std::filesystem::path path = out;
    path.replace_filename(out.stem().string() + number + out.extension().string());
    return path;
}

void writePng(const std::filesystem::path& path, const PixelImage& image) {
    std::string error;
    if (!savePngFile(path, image, &error)) {
        throw CliError("cannot write '" + path.string() + "': " + error);
    }
}

// Lays the board out like the view and keeps the record, drawing nothing:
// it tells how many steps an animation takes before the real one is drawn.
class CountingStage final : public CheckerStage {
public:
    CountingStage(BoardRecord& board, const BoardLayout& layout) : board_(board), layout_(layout) {}
    BoardRecord& board() override { return board_; }
    Rect slotRect(int location, int index) const override {
        return vh::slotRect(layout_, location, index);
    }
    Rect locationRect(int location) const override { return vh::locationRect(layout_, location); }
    void render() override {}
    void startMovingChecker(const Rect&) override {}
    Rect drawMovingChecker(int, int, int) override { return {}; }

private:
    BoardRecord& board_;
    BoardLayout layout_;
};

int animationSteps(BoardRecord board, const BoardLayout& layout, const Play& play, float speed) {
    CountingStage stage(board, layout);
    MoveAnimator animator;
    std::uint32_t now = 0;
    animator.start(stage, play, speed, false, now);
    int steps = 0;
    while (!animator.step(stage, now += kStepMs)) {
        ++steps;
        if (now > kLongestAnimationMs) {
            throw CliError("the animation does not end");
        }
    }
    return steps;
}

} // namespace

void runRenderCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("render", arguments,
                            {{"--position", 1},
                             {"--size", 1},
                             {"--settings", 1},
                             {"--cube", 1},
                             {"--highlight", 1},
                             {"--program-dir", 1},
                             {"--play", 1},
                             {"--frames", 1},
                             {"--out", 1}});
    BoardRecord board;
    board.position = parsePosition(options.value("--position"));
    const std::filesystem::path outPath = options.value("--out");
    const WindowSize size = parseSize(options.has("--size") ? options.value("--size") : "1024x768");
    if (options.has("--cube")) {
        board.cubeValue =
            static_cast<std::int32_t>(parseInteger(options.value("--cube"), 1, 1 << 30, "--cube"));
    }
    if (options.has("--highlight")) {
        parseHighlights(options.value("--highlight"), board);
    }
    chooseProgramDirectory(options);
    const std::filesystem::path settingsPath =
        options.has("--settings") ? std::filesystem::path(options.value("--settings"))
                                  : settingsFilePath();
    GameSettings settings;
    const SettingsLoad load = loadSettingsFile(settingsPath, settings);
    if (options.has("--settings") && !load.fileRead) {
        throw CliError("cannot read settings file '" + settingsPath.string() + "': " + load.error);
    }
    Play play;
    if (options.has("--play")) {
        play = parsePlay(options.value("--play"), board.position);
    }
    int frames = 0;
    if (options.has("--frames")) {
        frames = static_cast<int>(parseInteger(options.value("--frames"), 2, 1000, "--frames"));
        if (!options.has("--play") || play.count == 0) {
            throw CliError("--frames needs a --play with at least one move");
        }
    }

    // The window's board area: background first, then the board at its place.
    PixelImage window(size.width, size.height);
    CSurface wallpaper;
    loadWallpaper(wallpaper, settings, userThenDataDirectories());
    paintBackground(window, settings, wallpaper);
    const auto loader = [&settingsPath](GameSettings& refreshed) {
        loadSettingsFile(settingsPath, refreshed);
    };
    BoardView view(board, dataDirectory(), loader);
    view.attachWindow(&window);
    view.Layout(boardRectangle(size.width, size.height));
    if (!view.layout()) {
        throw CliError("the board does not fit a " + std::to_string(size.width) + "x" +
                       std::to_string(size.height) + " window");
    }

    if (frames == 0) {
        if (play.count > 0) {
            applyPlay(play, board.position);
        }
        view.Render();
        writePng(outPath, window);
        out << "wrote " << outPath.string() << '\n';
        return;
    }

    view.Render();
    const float speed = checkerSpeed(settings.animationSpeed);
    const int steps = animationSteps(board, *view.layout(), play, speed);
    // Frame 0 shows the board before the play, frame k the board after step
    // round(k * steps / (frames - 1)) and the last frame the finished play.
    writePng(framePath(outPath, 0), window);
    MoveAnimator animator;
    std::uint32_t now = 0;
    animator.start(view, play, speed, false, now);
    int step = 0;
    for (int frame = 1; frame < frames; ++frame) {
        const int wanted = (2 * frame * steps + (frames - 1)) / (2 * (frames - 1));
        while (step < wanted || (frame == frames - 1 && !animator.idle())) {
            animator.step(view, now += kStepMs);
            ++step;
        }
        writePng(framePath(outPath, frame), window);
    }
    out << "wrote " << frames << " frames " << framePath(outPath, 0).string() << " to "
        << framePath(outPath, frames - 1).string() << " (" << steps << " steps of " << kStepMs
        << " ms)\n";
}

} // namespace vh::cli
