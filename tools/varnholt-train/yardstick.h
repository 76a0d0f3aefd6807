#pragma once

#include "neural/network.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace vh::train {

// The fixed opponent a learning curve measures the network against, at 0
// ply in duplicate money games: a network of a weights file, or the classic
// two-ply tier (classic:2001).
class Yardstick {
public:
    // "classic", or the path of a weights file; nothing, with `error`, when
    // the file cannot be used.
    static std::optional<Yardstick> load(const std::string& nameOrPath, std::string& error);

    // "classic:2001", or the weights file's name without its extension.
    const std::string& name() const { return name_; }
    // The network's points per game over `games` duplicate games (rounded
    // down to pairs) and the half-width of their 95 % interval.
    std::pair<double, double> measure(const NeuralNetwork& network, int games,
                                      std::uint64_t seed) const;

private:
    std::string name_;
    std::shared_ptr<const NeuralNetwork> network_; // none: the classic tier
};

} // namespace vh::train
