#include "tests/support/shipped_network.h"

#include "neural/weights_file.h"

#include <gtest/gtest.h>

namespace vh {

std::shared_ptr<const NeuralNetwork> shippedNetwork() {
    std::string error;
    auto trained = readWeightsFile(
        std::filesystem::path(VARNHOLT_PROGRAM_DIR) / "Data/Champion.weights", error);
    EXPECT_TRUE(trained.has_value()) << error;
    return std::make_shared<const NeuralNetwork>(trained ? std::move(trained->network)
                                                         : NeuralNetwork(1));
}

} // namespace vh
