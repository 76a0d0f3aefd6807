#include "board/bmp_file.h"
#include "board/board_layout.h"
#include "board/board_view.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

namespace vh::bench {
namespace {

// The program's own pictures when the build made them (next to the
// benchmark program), else plain stand-ins of the same sizes in a
// temporary folder, so that a compose does the same work.
// Removes the stand-in pictures when the program ends.
struct StandInFolder {
    std::filesystem::path path;
    ~StandInFolder() {
        std::error_code ignored;
        if (!path.empty()) {
            std::filesystem::remove_all(path, ignored);
        }
    }
};

std::filesystem::path pictureFolder() {
    static StandInFolder standIn;
    if (!standIn.path.empty()) {
        return standIn.path;
    }
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error && std::filesystem::exists(self.parent_path() / "Graphics/Double0.bmp")) {
        return self.parent_path();
    }
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("varnholt-bench-" + std::to_string(::getpid()));
    standIn.path = folder;
    const std::filesystem::path graphics = folder / "Graphics";
    std::filesystem::create_directories(graphics);
    const auto save = [&graphics](const std::string& name, int width, int height, Rgb colour) {
        saveBmpFile(graphics / name, PixelImage(width, height, colour));
    };
    save("Wood for Board Dark.bmp", 1024, 720, {110, 60, 35});
    save("Marble for Board Dark Blue.bmp", 512, 720, {30, 40, 120});
    for (const char* stone : {"White", "Black"}) {
        const std::string name = stone;
        save(name + " Stone 50x50.bmp", 50, 50, {200, 200, 200});
        save(name + " Stone 50x50 Mask.bmp", 50, 50, {255, 255, 255});
        save(name + " Vertical Stone.bmp", 50, 12, {200, 200, 200});
        save(name + " Vertical Stone Mask.bmp", 50, 12, {255, 255, 255});
    }
    for (int i = 0; i < 7; ++i) {
        save("Double" + std::to_string(i) + ".bmp", 64, 64, {240, 240, 230});
    }
    return folder;
}

// A full-screen window's board with every checker in play and a few
// highlighted targets, as while a human moves.
struct LaidOutBoard {
    LaidOutBoard() : installed(messages), view(board, pictureFolder(), [](GameSettings&) {}) {
        setUpStartPosition(board);
        board.position[OFF_ONE] = {3, 0};
        board.position[5].count = 2;
        board.highlights[9] = 2;
        board.highlights[14] = 2;
        board.highlights[OFF_ONE] = 2;
        view.Layout(boardRectangle(1920, 1080));
    }

    RecordingMessageBoxes messages;
    ScopedMessageBoxes installed;
    BoardRecord board;
    BoardView view;
};

void BM_ComposeFullBoard1920x1080(benchmark::State& state) {
    LaidOutBoard board;
    for (auto _ : state) {
        board.view.Compose();
        benchmark::DoNotOptimize(board.view.frontBuffer().pixels().data());
    }
    state.counters["pixels"] = static_cast<double>(board.view.frontBuffer().pixels().size());
}
BENCHMARK(BM_ComposeFullBoard1920x1080)->Unit(benchmark::kMillisecond);

void BM_RenderIntoWindow1920x1080(benchmark::State& state) {
    LaidOutBoard board;
    PixelImage window(1920, 1080);
    board.view.attachWindow(&window);
    for (auto _ : state) {
        board.view.Render();
        benchmark::DoNotOptimize(window.pixels().data());
    }
}
BENCHMARK(BM_RenderIntoWindow1920x1080)->Unit(benchmark::kMillisecond);

void BM_MovingCheckerStep1920x1080(benchmark::State& state) {
    LaidOutBoard board;
    PixelImage window(1920, 1080);
    board.view.attachWindow(&window);
    board.view.Render();
    board.view.LiftChecker(12);
    int x = 100;
    for (auto _ : state) {
        x = x == 700 ? 100 : x + 3;
        benchmark::DoNotOptimize(board.view.DrawMovingChecker(x, 300, 0));
    }
}
BENCHMARK(BM_MovingCheckerStep1920x1080)->Unit(benchmark::kMicrosecond);

void BM_Layout1920x1080(benchmark::State& state) {
    LaidOutBoard board;
    for (auto _ : state) {
        board.view.Layout(boardRectangle(1920, 1080));
    }
}
BENCHMARK(BM_Layout1920x1080)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vh::bench
