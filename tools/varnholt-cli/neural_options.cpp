#include "tools/varnholt-cli/neural_options.h"

#include "neural/bearoff_database.h"
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

std::shared_ptr<const NeuralNetwork> loadNetworkOption(const Arguments& options) {
    std::filesystem::path path;
    if (options.has("--weights")) {
        path = options.value("--weights");
    } else {
        chooseProgramDirectory(options);
        path = championWeightsPath();
    }
    std::string error;
    std::optional<TrainedNetwork> trained = readWeightsFile(path, error);
    if (!trained) {
        throw CliError("weights file '" + path.string() + "' cannot be used: " + error);
    }
    trained->network.setBearoff(shippedBearoff());
    return std::make_shared<const NeuralNetwork>(std::move(trained->network));
}

} // namespace vh::cli
