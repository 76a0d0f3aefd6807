#include "ai/engine_choice.h"

#include "ai/opponent_engine.h"

#include <charconv>
#include <vector>

namespace vh {
namespace {

std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = text.find(':', start);
        parts.push_back(text.substr(start, colon - start));
        if (colon == std::string_view::npos) {
            return parts;
        }
        start = colon + 1;
    }
}

bool wholeNumber(std::string_view text, std::int32_t& value) {
    const char* end = text.data() + text.size();
    const auto [at, problem] = std::from_chars(text.data(), end, value);
    return problem == std::errc() && at == end && !text.empty();
}

} // namespace

std::optional<EngineChoice> parseEngineChoice(std::string_view text, std::string& error) {
    constexpr std::string_view kOpponent = "opponent:";
    if (text.substr(0, kOpponent.size()) == kOpponent) {
        return namedOpponentChoice(text.substr(kOpponent.size()), error);
    }
    const std::size_t at = text.find('@');
    const std::vector<std::string_view> parts = fields(text.substr(0, at));
    EngineChoice choice;
    const bool neuralSize = parts.size() == 2 || (parts.size() == 3 && parts[2] == "money");
    const bool weighted = at != std::string_view::npos;
    if (parts[0] == "neural" && neuralSize && parts[1].size() == 1 && parts[1][0] >= '0' &&
        parts[1][0] <= '2' && (!weighted || at + 1 < text.size())) {
        choice.kind = EngineChoice::Kind::Neural;
        choice.plies = parts[1][0] - '0';
        choice.moneyAtAnyScore = parts.size() == 3;
        if (weighted) {
            choice.weightsFile = text.substr(at + 1);
        }
        return choice;
    }
    if (parts[0] == "classic" && !weighted && (parts.size() == 2 || parts.size() == 4)) {
        EngineParameters& parameters = choice.classic;
        bool valid = wholeNumber(parts[1], parameters.strength) && parameters.strength >= 0;
        if (parts.size() == 4) {
            valid = valid && wholeNumber(parts[2], parameters.evalParamA) &&
                    wholeNumber(parts[3], parameters.evalParamB);
        }
        if (valid) {
            return choice;
        }
    }
    error = "engine '";
    error.append(text);
    error.append("' is not classic:STRENGTH[:A:B] or neural:PLIES (0, 1 or 2, with :money "
                 "and @WEIGHTS-FILE if wanted)");
    return std::nullopt;
}

std::string engineChoiceText(const EngineChoice& choice) {
    if (!choice.opponent.empty()) {
        return "opponent:" + choice.opponent;
    }
    std::string text = choice.kind == EngineChoice::Kind::Neural ? "neural:" : "classic:";
    if (choice.kind == EngineChoice::Kind::Neural) {
        text.append(std::to_string(choice.plies));
        if (choice.moneyAtAnyScore) {
            text.append(":money");
        }
        if (!choice.weightsFile.empty()) {
            text.push_back('@');
            text.append(choice.weightsFile);
        }
        return text;
    }
    const EngineParameters& parameters = choice.classic;
    text.append(std::to_string(parameters.strength));
    if (parameters.evalParamA != 0 || parameters.evalParamB != 0) {
        for (const std::int32_t value : {parameters.evalParamA, parameters.evalParamB}) {
            text.push_back(':');
            text.append(std::to_string(value));
        }
    }
    return text;
}

} // namespace vh
