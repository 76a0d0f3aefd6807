#pragma once

#include "ai/engine_choice.h"
#include "neural/network.h"
#include "tools/varnholt-cli/arguments.h"

#include <memory>
#include <string>

namespace vh::cli {

// An engine option's value, as parseEngineChoice reads it; a CliError otherwise.
EngineChoice parseEngineOption(const std::string& text);

// The network of --weights FILE, else of Data/Champion.weights in the
// program directory (--program-dir DIR, else found as the other commands
// find it). A file that cannot be used is a CliError saying why.
std::shared_ptr<const NeuralNetwork> loadNetworkOption(const Arguments& options);

// The network of the choice's own weights file (neural:P@FILE), else the
// one loadNetworkOption gives.
std::shared_ptr<const NeuralNetwork> loadNetworkFor(const EngineChoice& choice,
                                                    const Arguments& options);
// The network of the choice's own weights file, else `shared`.
std::shared_ptr<const NeuralNetwork> networkFor(const EngineChoice& choice,
                                                std::shared_ptr<const NeuralNetwork> shared);

} // namespace vh::cli
