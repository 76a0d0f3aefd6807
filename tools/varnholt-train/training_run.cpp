#include "tools/varnholt-train/training_run.h"

#include "ai/duplicate_match.h"
#include "neural/bearoff_database.h"
#include "neural/weights_file.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <ostream>

namespace vh::train {
namespace {

using Clock = std::chrono::steady_clock;

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

bool save(const std::filesystem::path& path, const TrainedNetwork& trained, std::ostream& log) {
    std::string error;
    if (!writeWeightsFile(path, trained, error)) {
        log << "cannot write " << path.string() << ": " << error << '\n';
        return false;
    }
    return true;
}

} // namespace

std::pair<double, double> measureAgainstClassic(const NeuralNetwork& network, int games,
                                                std::uint64_t seed) {
    EngineChoice neural;
    neural.kind = EngineChoice::Kind::Neural;
    EngineChoice classic;
    classic.classic.strength = 2001;
    EngineSeat a(neural, std::make_shared<const NeuralNetwork>(network));
    EngineSeat b(classic, nullptr);
    MatchSettings settings;
    settings.pairs = games / 2;
    settings.seed = seed;
    const MatchReport report = playDuplicateMatch(a, b, settings);
    return {report.pointsPerGame(), report.confidence95()};
}

bool runTraining(const RunSettings& settings, std::ostream& log) {
    std::optional<TdTrainer> trainer;
    if (settings.resume) {
        std::string error;
        auto resumed = readWeightsFile(*settings.resume, error);
        if (!resumed) {
            log << "cannot resume from " << settings.resume->string() << ": " << error << '\n';
            return false;
        }
        trainer.emplace(settings.training, std::move(*resumed));
        log << "resuming at game " << trainer->gamesPlayed() << '\n';
    } else {
        trainer.emplace(settings.training);
    }
    trainer->setThreads(settings.threads);
    if (settings.raceLead) {
        std::string error;
        auto lead = readWeightsFile(*settings.raceLead, error);
        if (!lead) {
            log << "cannot read " << settings.raceLead->string() << ": " << error << '\n';
            return false;
        }
        trainer->setRaceLead(std::make_shared<const NeuralNetwork>(std::move(lead->network)));
    }
    if (settings.training.solvedBearoffs) {
        trainer->setBearoff(std::make_shared<const BearoffDatabase>(BearoffDatabase::build()));
    }
    std::ofstream curve;
    if (!settings.curve.empty()) {
        const bool fresh = !settings.resume || !std::filesystem::exists(settings.curve);
        curve.open(settings.curve, fresh ? std::ios::trunc : std::ios::app);
        if (fresh) {
            curve << "games,ppg,ci,seconds\n";
        }
    }
    const auto started = Clock::now();
    auto sliceStart = started;
    std::uint32_t sliceGames = 0;
    while (trainer->gamesPlayed() < settings.games) {
        sliceGames += static_cast<std::uint32_t>(
            trainer->playBatch(settings.games - trainer->gamesPlayed()).size());
        const std::uint32_t played = trainer->gamesPlayed();
        const bool measure = settings.measureEvery != 0 && played % settings.measureEvery == 0;
        if (played % settings.progressEvery == 0 || measure || played == settings.games) {
            const auto now = Clock::now();
            const double sliceSeconds = std::chrono::duration<double>(now - sliceStart).count();
            const double seconds = std::chrono::duration<double>(now - started).count();
            log << "games " << played << " games/s "
                << fixed(sliceSeconds > 0 ? sliceGames / sliceSeconds : 0.0, 1) << " seconds "
                << fixed(seconds, 0) << " rate " << fixed(trainer->learningRate(), 4);
            if (measure) {
                const auto [ppg, ci] = measureAgainstClassic(
                    trainer->trained().network, settings.measureGames, settings.measureSeed);
                log << " ppg " << fixed(ppg, 3) << " ci " << fixed(ci, 3);
                if (curve.is_open()) {
                    curve << played << ',' << fixed(ppg, 4) << ',' << fixed(ci, 4) << ','
                          << fixed(seconds, 0) << '\n'
                          << std::flush;
                }
            }
            log << '\n' << std::flush;
            sliceStart = Clock::now();
            sliceGames = 0;
        }
        if (!settings.checkpoint.empty() && played % settings.checkpointEvery == 0 &&
            !save(settings.checkpoint, trainer->trained(), log)) {
            return false;
        }
    }
    return save(settings.out, trainer->trained(), log);
}

} // namespace vh::train
