#include "tools/varnholt-cli/neural_options.h"

#include "neural/bearoff_database.h"
#include "neural/race_judges.h"
#include "neural/weights_file.h"
#include "players/champion_file.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/program_location.h"

namespace vh::cli {

EngineChoice parseEngineOption(const std::string& text) {
    std::string error;
    const std::optional<EngineChoice> choice = parseEngineChoice(text, error);
    if (!choice) {
        throw CliError(error);
    }
    return *choice;
}

namespace {

// The network of a weights file, judging home bear-offs by the program's
// database; the program's own network judges the other races by the
// program's race network too.
std::shared_ptr<const NeuralNetwork> loadNetworkFile(const std::filesystem::path& path,
                                                     bool programsOwn = false) {
    std::string error;
    std::optional<TrainedNetwork> trained = readWeightsFile(path, error);
    if (!trained) {
        throw CliError("weights file '" + path.string() + "' cannot be used: " + error);
    }
    if (programsOwn) {
        attachRaceJudges(trained->network);
    } else {
        trained->network.setBearoff(shippedBearoff());
    }
    return std::make_shared<const NeuralNetwork>(std::move(trained->network));
}

} // namespace

std::shared_ptr<const NeuralNetwork> loadNetworkOption(const Arguments& options) {
    if (options.has("--weights")) {
        return loadNetworkFile(options.value("--weights"));
    }
    chooseProgramDirectory(options);
    return loadNetworkFile(championWeightsPath(), true);
}

std::shared_ptr<const NeuralNetwork> loadNetworkFor(const EngineChoice& choice,
                                                    const Arguments& options) {
    return choice.weightsFile.empty() ? loadNetworkOption(options)
                                      : loadNetworkFile(choice.weightsFile);
}

std::shared_ptr<const NeuralNetwork> networkFor(const EngineChoice& choice,
                                                std::shared_ptr<const NeuralNetwork> shared) {
    return choice.weightsFile.empty() ? shared : loadNetworkFile(choice.weightsFile);
}

} // namespace vh::cli
