#pragma once

#include "neural/network.h"

#include <memory>

namespace vh {

// The race network of the program's data folder, Data/Race.weights, read
// once and shared; none when it is missing, damaged or not made for races.
std::shared_ptr<const NeuralNetwork> shippedRaceNetwork();

// Gives `network` the program's judges of races: the bear-off database and
// the race network (each only when it can be read).
void attachRaceJudges(NeuralNetwork& network);

} // namespace vh
