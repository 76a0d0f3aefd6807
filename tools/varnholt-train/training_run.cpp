#include "tools/varnholt-train/training_run.h"

#include "neural/bearoff_database.h"
#include "neural/weights_file.h"
#include "tools/varnholt-train/number_text.h"
#include "tools/varnholt-train/resumed_settings.h"
#include "tools/varnholt-train/yardstick.h"

#include <chrono>
#include <fstream>
#include <ostream>

namespace vh::train {
namespace {

using Clock = std::chrono::steady_clock;

bool save(const std::filesystem::path& path, const TdTrainer& trainer,
          const TrainingSettings& training, std::ostream& log) {
    const TrainedNetwork trained(trainer.trained().network, trainer.gamesPlayed(), training);
    std::string error;
    if (!writeWeightsFile(path, trained, error)) {
        log << "cannot write " << path.string() << ": " << error << '\n';
        return false;
    }
    return true;
}

// The trainer of a new phase of training: the weights of a trained network,
// with the command line's settings and a game count from nothing.
bool startNewPhase(const RunSettings& settings, std::optional<TdTrainer>& trainer,
                   TrainingSettings& training, std::ostream& log) {
    std::string error;
    auto start = readWeightsFile(*settings.startFrom, error);
    if (!start) {
        log << "cannot start from " << settings.startFrom->string() << ": " << error << '\n';
        return false;
    }
    const NeuralNetwork& network = start->network;
    if (network.hiddenUnits() != training.hiddenUnits || network.encoding() != training.encoding) {
        log << "cannot start from " << settings.startFrom->string() << ": its network has "
            << network.hiddenUnits() << " hidden units and encoding " << network.encoding()
            << "; --hidden and --encoding must say so\n";
        return false;
    }
    trainer.emplace(training, TrainedNetwork(std::move(start->network), 0, training));
    log << "starting a new phase from " << settings.startFrom->string() << '\n';
    return true;
}

// The trainer of a fresh run, or of one resumed from its checkpoint with the
// settings the checkpoint keeps; false, with the reason on `log`.
bool startTrainer(const RunSettings& settings, std::optional<TdTrainer>& trainer,
                  TrainingSettings& training, std::ostream& log) {
    training = settings.training;
    if (settings.startFrom) {
        return startNewPhase(settings, trainer, training, log);
    }
    if (!settings.resume) {
        trainer.emplace(training);
        return true;
    }
    std::string error;
    auto resumed = readWeightsFile(*settings.resume, error);
    const auto kept = resumed ? resumedSettings(*resumed, settings.training, settings.chosen, error)
                              : std::nullopt;
    if (!kept) {
        log << "cannot resume from " << settings.resume->string() << ": " << error << '\n';
        return false;
    }
    training = *kept;
    trainer.emplace(training, std::move(*resumed));
    log << "resuming at game " << trainer->gamesPlayed() << '\n';
    return true;
}

// The curve file, opened to add to; false, with the reason on `log`, when a
// resumed run's curve measured against another yardstick.
bool openCurve(const RunSettings& settings, const std::string& header, std::ofstream& curve,
               std::ostream& log) {
    if (settings.curve.empty()) {
        return true;
    }
    const bool fresh = !settings.resume || !std::filesystem::exists(settings.curve);
    if (!fresh) {
        std::ifstream old(settings.curve);
        std::string first;
        std::getline(old, first);
        if (first != header) {
            log << "cannot add to " << settings.curve.string() << ": its header is not \"" << header
                << "\"\n";
            return false;
        }
    }
    curve.open(settings.curve, fresh ? std::ios::trunc : std::ios::app);
    if (fresh) {
        curve << header << '\n';
    }
    return true;
}

} // namespace

bool runTraining(const RunSettings& settings, std::ostream& log) {
    TrainingSettings training;
    std::optional<TdTrainer> trainer;
    if (!startTrainer(settings, trainer, training, log)) {
        return false;
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
    if (training.solvedBearoffs) {
        trainer->setBearoff(std::make_shared<const BearoffDatabase>(BearoffDatabase::build()));
    }
    std::optional<Yardstick> yardstick;
    std::ofstream curve;
    if (settings.measureEvery != 0) {
        std::string error;
        yardstick = Yardstick::load(settings.yardstick, error);
        if (!yardstick) {
            log << "cannot measure against " << settings.yardstick << ": " << error << '\n';
            return false;
        }
        if (!openCurve(settings, "games,ppg vs " + yardstick->name() + ",ci,seconds", curve, log)) {
            return false;
        }
    }
    const auto started = Clock::now();
    auto sliceStart = started;
    std::uint32_t sliceGames = 0;
    while (trainer->gamesPlayed() < settings.games) {
        sliceGames += static_cast<std::uint32_t>(
            trainer->playBatch(settings.games - trainer->gamesPlayed()).size());
        const std::uint32_t played = trainer->gamesPlayed();
        const bool measure = yardstick && played % settings.measureEvery == 0;
        if (played % settings.progressEvery == 0 || measure || played == settings.games) {
            const auto now = Clock::now();
            const double sliceSeconds = std::chrono::duration<double>(now - sliceStart).count();
            const double seconds = std::chrono::duration<double>(now - started).count();
            log << "games " << played << " games/s "
                << fixed(sliceSeconds > 0 ? sliceGames / sliceSeconds : 0.0, 1) << " seconds "
                << fixed(seconds, 0) << " rate " << fixed(trainer->learningRate(), 4);
            if (measure) {
                const auto [ppg, ci] = yardstick->measure(
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
            !save(settings.checkpoint, *trainer, training, log)) {
            return false;
        }
    }
    return save(settings.out, *trainer, training, log);
}

} // namespace vh::train
