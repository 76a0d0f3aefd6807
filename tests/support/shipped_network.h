#pragma once

#include "neural/network.h"

#include <memory>

namespace vh {

// The network the program ships (Data/Champion.weights of the build); a
// failed test and a tiny network when it cannot be read.
std::shared_ptr<const NeuralNetwork> shippedNetwork();

} // namespace vh
