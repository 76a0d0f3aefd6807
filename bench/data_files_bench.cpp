#include "board/bmp_file.h"
#include "board/raster.h"
#include "players/stats_file.h"

#include <benchmark/benchmark.h>

namespace vh::bench {
namespace {

// A player file of 20 players with 500 games each (about 1.4 MB).
std::vector<std::byte> largePlayerFile() {
    std::vector<PlayerRecord> records(20);
    for (std::size_t player = 0; player < records.size(); ++player) {
        PlayerRecord& record = records[player];
        record.name = "Player " + std::to_string(player);
        for (int game = 0; game < 500; ++game) {
            GameResult result;
            result.names = {record.name, "Opponent"};
            result.lost = {game % 2, 1 - game % 2};
            result.money = {game % 2 == 0 ? 5 : -5, game % 2 == 0 ? -5 : 5};
            result.year = 2000 + game / 100;
            result.month = game % 12;
            result.day = 1 + game % 28;
            record.history.push_back(result);
        }
    }
    return encodeStats(records);
}

void BM_DecodePlayerFileAndTotal(benchmark::State& state) {
    const std::vector<std::byte> bytes = largePlayerFile();
    for (auto _ : state) {
        DecodedStats decoded = decodeStats(bytes);
        for (PlayerRecord& record : decoded.records) {
            record.recomputeTotals();
        }
        benchmark::DoNotOptimize(decoded.records.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodePlayerFileAndTotal)->Unit(benchmark::kMillisecond);

PixelImage gradient(int width, int height) {
    PixelImage image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.at(x, y) = {static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 99};
        }
    }
    return image;
}

void BM_DecodeFullHdBmp(benchmark::State& state) {
    const std::vector<std::byte> bytes = encodeBmp(gradient(1920, 1080));
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeBmp(bytes));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(bytes.size()));
}
BENCHMARK(BM_DecodeFullHdBmp)->Unit(benchmark::kMillisecond);

// A 1024 x 768 wallpaper stretched over a full-HD window, as each repaint does.
void BM_StretchWallpaperToFullHd(benchmark::State& state) {
    const PixelImage wallpaper = gradient(1024, 768);
    PixelImage window(1920, 1080);
    for (auto _ : state) {
        transferStretched(window, 0, 0, 1920, 1080, wallpaper, 0, 0, 1024, 768,
                          RasterOp::SourceCopy);
        benchmark::DoNotOptimize(window.pixels().data());
    }
}
BENCHMARK(BM_StretchWallpaperToFullHd)->Unit(benchmark::kMillisecond);

// A 64 x 64 checker drawn through its mask, as the board draws its stones.
void BM_MaskedStoneDraw(benchmark::State& state) {
    const PixelImage stone = gradient(64, 64);
    const PixelImage mask(64, 64, kWhite);
    PixelImage board(800, 600);
    int x = 0;
    for (auto _ : state) {
        transferBlock(board, x, 100, 64, 64, mask, 0, 0, RasterOp::AndNotSource);
        transferBlock(board, x, 100, 64, 64, stone, 0, 0, RasterOp::SourcePaint);
        x = (x + 7) % 700;
    }
}
BENCHMARK(BM_MaskedStoneDraw);

} // namespace
} // namespace vh::bench
