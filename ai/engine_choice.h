#pragma once

#include "ai/engine_parameters.h"

#include <optional>
#include <string>
#include <string_view>

namespace vh {

// Which engine plays: the classic search at a strength with its two play
// parameters, or the neural search at 0 or 1 ply.
struct EngineChoice {
    enum class Kind { Classic, Neural };
    Kind kind = Kind::Classic;
    EngineParameters classic;
    int plies = 0;
};

// "classic:STRENGTH", "classic:STRENGTH:A:B", "neural:0" or "neural:1";
// nothing, with `error` saying why, for any other text.
std::optional<EngineChoice> parseEngineChoice(std::string_view text, std::string& error);
// The choice written as parseEngineChoice reads it.
std::string engineChoiceText(const EngineChoice& choice);

} // namespace vh
