#pragma once

#include "ai/engine_parameters.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vh {

// Which engine plays: the classic search at a strength with its two play
// parameters, or the neural search at 0 to 2 plies. The classic search plays
// for money at any score; the neural one plays a match at its score unless
// told to play for money there too.
struct EngineChoice {
    enum class Kind { Classic, Neural };
    Kind kind = Kind::Classic;
    EngineParameters classic;
    int plies = 0;
    bool moneyAtAnyScore = false; // neural only
    std::string weightsFile;      // neural only: empty for the shipped network
    float equityNoise = 0.0f;     // neural only: NeuralEngine::setNoise's error
    std::uint64_t noiseSeed = 1;
    std::string opponent; // the computer opponent it plays as, when it is one
};

// "classic:STRENGTH", "classic:STRENGTH:A:B" or "neural:PLIES" (0, 1 or 2),
// the last with ":money" added for money play at any score and then
// "@FILE" for the network of that weights file; nothing, with `error`
// saying why, for any other text.
std::optional<EngineChoice> parseEngineChoice(std::string_view text, std::string& error);
// "opponent:NAME" is the engine of the program's computer opponent NAME.
// The choice written as parseEngineChoice reads it.
std::string engineChoiceText(const EngineChoice& choice);

} // namespace vh
