#include "tools/varnholt-train/lookahead_phase.h"

#include "neural/bearoff_database.h"
#include "neural/lookahead_fit.h"
#include "neural/weights_file.h"
#include "platform/seeded_stream.h"
#include "tools/varnholt-train/number_text.h"
#include "tools/varnholt-train/yardstick.h"

#include <memory>
#include <optional>
#include <ostream>

namespace vh::train {

bool runLookaheadPhase(const LookaheadPhase& phase, std::ostream& log) {
    std::string error;
    auto trained = readWeightsFile(phase.startFrom, error);
    if (!trained) {
        log << "cannot start from " << phase.startFrom.string() << ": " << error << '\n';
        return false;
    }
    std::optional<Yardstick> yardstick;
    if (phase.measureGames > 0) {
        yardstick = Yardstick::load(phase.yardstick, error);
        if (!yardstick) {
            log << "cannot measure against " << phase.yardstick << ": " << error << '\n';
            return false;
        }
    }
    NeuralNetwork& network = trained->network;
    network.setBearoff(std::make_shared<const BearoffDatabase>(BearoffDatabase::build()));
    for (int round = 0; round < phase.rounds; ++round) {
        const std::uint64_t roundSeed = streamSeed(phase.seed, static_cast<std::uint64_t>(round));
        const std::vector<LookaheadTarget> targets =
            lookaheadTargets(network, phase.gamesPerRound, roundSeed, phase.rolls, phase.threads);
        log << "round " << round + 1 << " positions " << targets.size() << " error "
            << fixed(lookaheadError(network, targets), 5) << '\n';
        for (int epoch = 0; epoch < phase.epochs; ++epoch) {
            fitLookaheadTargets(network, targets, phase.learningRate,
                                streamSeed(roundSeed, static_cast<std::uint64_t>(epoch) + 1));
            log << "round " << round + 1 << " pass " << epoch + 1 << " error "
                << fixed(lookaheadError(network, targets), 5);
            if (yardstick && epoch + 1 == phase.epochs) {
                const auto [ppg, ci] =
                    yardstick->measure(network, phase.measureGames, phase.measureSeed);
                log << " ppg " << fixed(ppg, 3) << " ci " << fixed(ci, 3);
            }
            log << std::endl;
        }
    }
    if (!writeWeightsFile(phase.out, *trained, error)) {
        log << "cannot write " << phase.out.string() << ": " << error << '\n';
        return false;
    }
    return true;
}

} // namespace vh::train
