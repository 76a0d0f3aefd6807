#include "bench/shipped_files.h"

#include "neural/weights_file.h"

#include <string>

namespace vh::bench {

std::filesystem::path benchDataFolder() {
    std::error_code missing;
    return std::filesystem::read_symlink("/proc/self/exe", missing).parent_path() / "Data";
}

std::optional<NeuralNetwork> benchNetwork(benchmark::State& state,
                                          const std::filesystem::path& file) {
    const std::filesystem::path path = benchDataFolder() / file;
    std::string error;
    std::optional<TrainedNetwork> trained = readWeightsFile(path, error);
    if (!trained) {
        state.SkipWithError((path.string() + " cannot be read: " + error).c_str());
        return std::nullopt;
    }
    return std::move(trained->network);
}

} // namespace vh::bench
