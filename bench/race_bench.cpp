#include "bench/shipped_files.h"
#include "neural/bearoff_database.h"
#include "neural/network_play.h"
#include "neural/self_play_game.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/result_kind.h"
#include "rules/side.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace vh::bench {
namespace {

constexpr std::uint64_t kRaceSeed = 20261210;
constexpr int kRaces = 10000;

struct RaceStart {
    BoardPosition position;
    int side = 0;
};

// Positions where contact has just been broken in games of `network` at 0 ply.
std::vector<RaceStart> raceStarts(const NeuralNetwork& network, PlayList& plays) {
    std::vector<RaceStart> starts;
    for (std::uint64_t game = 0; starts.size() < kRaces; ++game) {
        playSelfPlayGame(network, kRaceSeed, game, plays,
                         [&](const BoardPosition& position, int side) {
                             if (sidesInContact(position)) {
                                 return true;
                             }
                             starts.push_back({position, side});
                             return false;
                         });
    }
    return starts;
}

// The points `first` wins playing the race out from `start` as the side to
// move against `second` (both at 0 ply), with the dice of `stream`.
int raceResult(const NeuralNetwork& first, const NeuralNetwork& second, const RaceStart& start,
               std::uint64_t stream, PlayList& plays) {
    SeededStream dice(stream);
    BoardPosition position = start.position;
    int side = start.side;
    for (;;) {
        const NeuralNetwork& mover = side == start.side ? first : second;
        const int die1 = dice.die();
        const int die2 = dice.die();
        generatePlays(plays, position, side, die1, die2);
        if (plays.count > 0) {
            applyPlay(plays[bestPlayOfRoll(mover, plays, position, side, die1, die2).index],
                      position);
        }
        if (hasWon(position, side)) {
            const int points = static_cast<int>(resultKind(position, side));
            return side == start.side ? points : -points;
        }
        side = otherSide(side);
    }
}

struct RaceScore {
    double pointsPerRace = 0;
    double confidence95 = 0; // half the width of the 95 % interval
};

// Points per race of `a` against `b` over the race starts, each race played
// twice with the same dice and the seats swapped.
RaceScore duplicateRaces(const NeuralNetwork& a, const NeuralNetwork& b,
                         const std::vector<RaceStart>& starts, PlayList& plays) {
    double sum = 0;
    double squares = 0;
    for (std::size_t n = 0; n < starts.size(); ++n) {
        const std::uint64_t stream = streamSeed(kRaceSeed + 1, n);
        const double pair = (raceResult(a, b, starts[n], stream, plays) -
                             raceResult(b, a, starts[n], stream, plays)) /
                            2.0;
        sum += pair;
        squares += pair * pair;
    }
    const auto count = static_cast<double>(starts.size());
    const double mean = sum / count;
    const double variance = std::max(0.0, squares / count - mean * mean);
    return {mean, 1.96 * std::sqrt(variance / count)};
}

// The program's race judges (the race network and the bear-off database,
// beside the benchmark) on the network of the first release, against that
// network alone, over races that follow from its own games.
void BM_RaceJudgesAgainstFirstNetwork(benchmark::State& state) {
    const std::optional<NeuralNetwork> old = benchNetwork(state, VARNHOLT_FIRST_NETWORK);
    std::optional<NeuralNetwork> race = benchNetwork(state, "Race.weights");
    std::string error;
    std::optional<BearoffDatabase> database =
        BearoffDatabase::readFile(benchDataFolder() / "Bearoff.dat", error);
    if (!old || !race || !database) {
        if (!database) {
            state.SkipWithError(error.c_str());
        }
        return;
    }
    const auto solved = std::make_shared<const BearoffDatabase>(std::move(*database));
    race->setBearoff(solved);
    NeuralNetwork withDatabase = *old;
    withDatabase.setBearoff(solved);
    NeuralNetwork withBoth = withDatabase;
    withBoth.setRace(std::make_shared<const NeuralNetwork>(std::move(*race)));
    const auto plays = std::make_unique<PlayList>();
    const std::vector<RaceStart> starts = raceStarts(*old, *plays);
    const auto report = [&state](const char* name, const RaceScore& score) {
        state.counters[std::string("ppg_") + name] = score.pointsPerRace;
        state.counters[std::string("ci_") + name] = score.confidence95;
    };
    for (auto _ : state) {
        report("database", duplicateRaces(withDatabase, *old, starts, *plays));
        report("both", duplicateRaces(withBoth, *old, starts, *plays));
        report("race_network_over_database",
               duplicateRaces(withBoth, withDatabase, starts, *plays));
    }
    state.counters["races"] = static_cast<double>(starts.size());
}
BENCHMARK(BM_RaceJudgesAgainstFirstNetwork)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace vh::bench
