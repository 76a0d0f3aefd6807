// varnholt-train: TD(lambda) self-play training of the neural evaluator, and
// the plot of its learning curve. Run ./train.sh for the shipped weights.

#include "tools/varnholt-train/curve_plot.h"
#include "tools/varnholt-train/lookahead_phase.h"
#include "tools/varnholt-train/training_run.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char* kUsage =
    R"(usage: varnholt-train --games N --out FILE [--seed S] [--hidden H]
                      [--lambda L] [--alpha A] [--final-alpha A] [--planned-games N]
                      [--checkpoint FILE] [--checkpoint-every N] [--resume FILE]
                      [--curve FILE.csv] [--measure-every N] [--measure-games N]
                      [--yardstick FILE|classic]
                      [--encoding 1|2|3] [--batch N] [--solved-bearoffs 0|1] [--threads N]
                      [--race-lead FILE] [--start-from FILE]
       varnholt-train plot --curve FILE.csv --out FILE.svg [--title TEXT]
       varnholt-train fit --start-from FILE --out FILE [--seed S] [--games N]
                      [--rounds R] [--rolls 1|2] [--epochs E] [--alpha A] [--threads N]
                      [--measure-games N] [--yardstick FILE|classic]

Trains the network by self-play until it has played N games in all, writing
a progress line every 1000 games and, every --measure-every games (10000),
its points per game at 0 ply over --measure-games duplicate games (500)
against the --yardstick, a fixed network (tests/data/Champion-v1.weights)
or the classic two-ply tier (classic:2001). The step size falls from
--alpha to --final-alpha over --planned-games (N). --encoding 2 adds the
contact inputs (shots, escapes, primes); --batch games (16) start from the
same weights and are played side by side on --threads threads (1), which
never change the weights (--checkpoint-every must be a multiple of it);
--solved-bearoffs 1 ends every game by the bear-off database once both
sides are home. --race-lead FILE plays each game with that network at 0 ply
until contact is broken, and the network learns the races only (with
--encoding 3, the race inputs).

Every weights file written keeps the run's settings. A run resumed from its
checkpoint takes them from there and goes on exactly as the first run would
have; an option given that contradicts them (--seed, --hidden, --encoding,
--lambda, --alpha, --final-alpha, --batch, --solved-bearoffs) is refused.
Only --planned-games may be given anew, to stretch the schedule of a run
extended with more --games; without it the step size stays at --final-alpha
past the planned games. --start-from FILE begins a new phase instead: the
network's weights (of the --hidden and --encoding given), trained on with
the command line's settings and schedule, counting games from nothing.

fit trains beyond self-play: in each of --rounds rounds (1) the network
plays --games games (2000) against itself, judges every position with
contact --rolls rolls ahead (1), and is fitted to those judgements in
--epochs passes (2) with step size --alpha (0.02); then, with
--measure-games, it is measured at 0 ply against the --yardstick.
)";

struct Options {
    std::map<std::string, std::string> values;

    bool has(const std::string& name) const { return values.count(name) != 0; }
    const std::string& get(const std::string& name) const { return values.at(name); }
};

const std::vector<std::string> kTrainOptions = {"--games",         "--out",
                                                "--seed",          "--hidden",
                                                "--lambda",        "--alpha",
                                                "--final-alpha",   "--planned-games",
                                                "--checkpoint",    "--checkpoint-every",
                                                "--resume",        "--curve",
                                                "--measure-every", "--measure-games",
                                                "--yardstick",     "--encoding",
                                                "--batch",         "--solved-bearoffs",
                                                "--threads",       "--race-lead",
                                                "--start-from"};
const std::vector<std::string> kPlotOptions = {"--curve", "--out", "--title"};
const std::vector<std::string> kFitOptions = {
    "--start-from", "--out",   "--seed",    "--games",         "--rounds",   "--epochs",
    "--rolls",      "--alpha", "--threads", "--measure-games", "--yardstick"};

bool parseOptions(const std::vector<std::string>& arguments, std::size_t first,
                  const std::vector<std::string>& known, Options& options) {
    for (std::size_t i = first; i < arguments.size(); i += 2) {
        if (std::find(known.begin(), known.end(), arguments[i]) == known.end() ||
            i + 1 >= arguments.size()) {
            std::cerr << "varnholt-train: unknown or incomplete option " << arguments[i] << '\n';
            return false;
        }
        options.values[arguments[i]] = arguments[i + 1];
    }
    return true;
}

template <typename T>
bool parseNumber(const Options& options, const std::string& name, T& value) {
    if (!options.has(name)) {
        return true;
    }
    const std::string& text = options.get(name);
    if constexpr (std::is_floating_point_v<T>) {
        try {
            std::size_t used = 0;
            value = static_cast<T>(std::stod(text, &used));
            return used == text.size();
        } catch (const std::exception&) {
            return false;
        }
    } else {
        const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
        return problem == std::errc() && end == text.data() + text.size();
    }
}

int plot(const Options& options) {
    if (!options.has("--curve") || !options.has("--out")) {
        std::cerr << kUsage;
        return 2;
    }
    std::ifstream in(options.get("--curve"));
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string error;
    const auto curve = vh::train::parseCurve(text, error);
    if (!in || !curve) {
        std::cerr << "varnholt-train: " << options.get("--curve") << ": "
                  << (curve ? "cannot be read" : error) << '\n';
        return 1;
    }
    const std::string title = options.has("--title")
                                  ? options.get("--title")
                                  : "Neural network at 0 ply against " + curve->yardstick;
    std::ofstream out(options.get("--out"), std::ios::trunc);
    out << vh::train::curveSvg(curve->points, title);
    return out ? 0 : 1;
}

int fit(const Options& options) {
    vh::train::LookaheadPhase phase;
    phase.yardstick = vh::train::kDefaultYardstick;
    const bool numbersRead = parseNumber(options, "--seed", phase.seed) &&
                             parseNumber(options, "--games", phase.gamesPerRound) &&
                             parseNumber(options, "--rounds", phase.rounds) &&
                             parseNumber(options, "--epochs", phase.epochs) &&
                             parseNumber(options, "--rolls", phase.rolls) &&
                             parseNumber(options, "--alpha", phase.learningRate) &&
                             parseNumber(options, "--threads", phase.threads) &&
                             parseNumber(options, "--measure-games", phase.measureGames);
    if (!numbersRead || !options.has("--start-from") || !options.has("--out") ||
        phase.gamesPerRound == 0 || phase.rounds < 1 || phase.epochs < 1 || phase.rolls < 1 ||
        phase.rolls > 2) {
        std::cerr << kUsage;
        return 2;
    }
    phase.startFrom = options.get("--start-from");
    phase.out = options.get("--out");
    if (options.has("--yardstick")) {
        phase.yardstick = options.get("--yardstick");
    }
    return vh::train::runLookaheadPhase(phase, std::cout) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    Options options;
    const std::string command = arguments.empty() ? "" : arguments[0];
    const bool plotting = command == "plot";
    const bool fitting = command == "fit";
    const auto& known = plotting ? kPlotOptions : fitting ? kFitOptions : kTrainOptions;
    if (!parseOptions(arguments, plotting || fitting ? 1 : 0, known, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (fitting) {
        return fit(options);
    }
    if (plotting) {
        return plot(options);
    }
    vh::train::RunSettings settings;
    vh::TrainingSettings& training = settings.training;
    const bool numbersRead = parseNumber(options, "--games", settings.games) &&
                             parseNumber(options, "--seed", training.seed) &&
                             parseNumber(options, "--hidden", training.hiddenUnits) &&
                             parseNumber(options, "--lambda", training.lambda) &&
                             parseNumber(options, "--alpha", training.firstLearningRate) &&
                             parseNumber(options, "--final-alpha", training.lastLearningRate) &&
                             parseNumber(options, "--checkpoint-every", settings.checkpointEvery) &&
                             parseNumber(options, "--measure-every", settings.measureEvery) &&
                             parseNumber(options, "--measure-games", settings.measureGames) &&
                             parseNumber(options, "--encoding", training.encoding) &&
                             parseNumber(options, "--batch", training.gamesPerBatch) &&
                             parseNumber(options, "--threads", settings.threads);
    int solvedBearoffs = 0;
    if (!parseNumber(options, "--solved-bearoffs", solvedBearoffs) ||
        !vh::knownEncoding(training.encoding) || training.gamesPerBatch == 0 ||
        settings.checkpointEvery % training.gamesPerBatch != 0) {
        std::cerr << kUsage;
        return 2;
    }
    training.solvedBearoffs = solvedBearoffs != 0;
    training.plannedGames = settings.games;
    if (!numbersRead || !parseNumber(options, "--planned-games", training.plannedGames) ||
        settings.games == 0 || !options.has("--out") || settings.checkpointEvery == 0 ||
        training.hiddenUnits < vh::NeuralNetwork::kMinHiddenUnits ||
        training.hiddenUnits > vh::NeuralNetwork::kMaxHiddenUnits) {
        std::cerr << kUsage;
        return 2;
    }
    settings.out = options.get("--out");
    for (const auto& [name, value] : options.values) {
        settings.chosen.insert(name);
    }
    if (options.has("--yardstick")) {
        settings.yardstick = options.get("--yardstick");
    }
    if (options.has("--resume")) {
        settings.resume = options.get("--resume");
    }
    if (options.has("--start-from") && options.has("--resume")) {
        std::cerr << "varnholt-train: --start-from begins a new phase; --resume goes on with one\n";
        return 2;
    }
    if (options.has("--start-from")) {
        settings.startFrom = options.get("--start-from");
    }
    if (options.has("--race-lead")) {
        settings.raceLead = options.get("--race-lead");
    }
    if (options.has("--checkpoint")) {
        settings.checkpoint = options.get("--checkpoint");
    }
    if (options.has("--curve")) {
        settings.curve = options.get("--curve");
    }
    return vh::train::runTraining(settings, std::cout) ? 0 : 1;
}
