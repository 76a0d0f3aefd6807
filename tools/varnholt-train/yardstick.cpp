#include "tools/varnholt-train/yardstick.h"

#include "ai/duplicate_match.h"
#include "neural/weights_file.h"

#include <filesystem>

namespace vh::train {

std::optional<Yardstick> Yardstick::load(const std::string& nameOrPath, std::string& error) {
    Yardstick yardstick;
    if (nameOrPath == "classic") {
        yardstick.name_ = "classic:2001";
        return yardstick;
    }
    std::optional<TrainedNetwork> trained = readWeightsFile(nameOrPath, error);
    if (!trained) {
        return std::nullopt;
    }
    yardstick.name_ = std::filesystem::path(nameOrPath).stem().string();
    yardstick.network_ = std::make_shared<const NeuralNetwork>(std::move(trained->network));
    return yardstick;
}

std::pair<double, double> Yardstick::measure(const NeuralNetwork& network, int games,
                                             std::uint64_t seed) const {
    EngineChoice neural;
    neural.kind = EngineChoice::Kind::Neural;
    EngineChoice opponent = neural;
    if (!network_) {
        opponent.kind = EngineChoice::Kind::Classic;
        opponent.classic.strength = 2001;
    }
    EngineSeat a(neural, std::make_shared<const NeuralNetwork>(network));
    EngineSeat b(opponent, network_);
    MatchSettings settings;
    settings.pairs = games / 2;
    settings.seed = seed;
    const MatchReport report = playDuplicateMatch(a, b, settings);
    return {report.pointsPerGame(), report.confidence95()};
}

} // namespace vh::train
