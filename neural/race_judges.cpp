#include "neural/race_judges.h"

#include "neural/bearoff_database.h"
#include "neural/weights_file.h"
#include "platform/program_folders.h"

#include <map>
#include <mutex>

namespace vh {

std::shared_ptr<const NeuralNetwork> shippedRaceNetwork() {
    static std::mutex guard;
    static std::map<std::filesystem::path, std::shared_ptr<const NeuralNetwork>> read;
    const std::filesystem::path path = dataPath("Data/Race.weights");
    const std::lock_guard lock(guard);
    if (const auto known = read.find(path); known != read.end()) {
        return known->second;
    }
    std::string error;
    std::optional<TrainedNetwork> trained = readWeightsFile(path, error);
    auto& kept = read[path];
    if (trained && trained->network.encoding() == kRaceEncoding) {
        trained->network.setBearoff(shippedBearoff());
        kept = std::make_shared<const NeuralNetwork>(std::move(trained->network));
    }
    return kept;
}

void attachRaceJudges(NeuralNetwork& network) {
    network.setBearoff(shippedBearoff());
    network.setRace(shippedRaceNetwork());
}

} // namespace vh
