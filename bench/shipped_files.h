#pragma once

#include "neural/network.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <optional>

namespace vh::bench {

// The program's data folder, Data/ beside the benchmark.
std::filesystem::path benchDataFolder();

// The network of a weights file (a name in the data folder, or a path), as
// the file holds it; none, with the benchmark skipped and the reason, when
// it cannot be read.
std::optional<NeuralNetwork> benchNetwork(benchmark::State& state,
                                          const std::filesystem::path& file);

} // namespace vh::bench
