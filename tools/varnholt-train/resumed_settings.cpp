#include "tools/varnholt-train/resumed_settings.h"

#include <cstdio>

namespace vh::train {
namespace {

std::string shortest(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

// A training option the checkpoint keeps, with its value as written.
struct KeptOption {
    const char* name;
    bool shape; // kept by a version 1 checkpoint too, as its network's shape
    std::string (*value)(const TrainingSettings&);
};

const KeptOption kKeptOptions[] = {
    {"--seed", false, [](const TrainingSettings& s) { return std::to_string(s.seed); }},
    {"--hidden", true, [](const TrainingSettings& s) { return std::to_string(s.hiddenUnits); }},
    {"--encoding", true, [](const TrainingSettings& s) { return std::to_string(s.encoding); }},
    {"--lambda", false, [](const TrainingSettings& s) { return shortest(s.lambda); }},
    {"--alpha", false, [](const TrainingSettings& s) { return shortest(s.firstLearningRate); }},
    {"--final-alpha", false,
     [](const TrainingSettings& s) { return shortest(s.lastLearningRate); }},
    {"--batch", false, [](const TrainingSettings& s) { return std::to_string(s.gamesPerBatch); }},
    {"--solved-bearoffs", false,
     [](const TrainingSettings& s) { return std::string(s.solvedBearoffs ? "1" : "0"); }},
};

} // namespace

std::optional<TrainingSettings> resumedSettings(const TrainedNetwork& checkpoint,
                                                const TrainingSettings& commandLine,
                                                const std::set<std::string>& chosen,
                                                std::string& error) {
    TrainingSettings kept = checkpoint.settings.value_or(commandLine);
    kept.hiddenUnits = checkpoint.network.hiddenUnits();
    kept.encoding = checkpoint.network.encoding();
    for (const KeptOption& option : kKeptOptions) {
        if (chosen.count(option.name) == 0 || (!checkpoint.settings && !option.shape)) {
            continue;
        }
        const std::string given = option.value(commandLine);
        const std::string recorded = option.value(kept);
        if (given != recorded) {
            error = std::string(option.name) + " " + given + " contradicts the checkpoint's " +
                    recorded;
            return std::nullopt;
        }
    }
    if (chosen.count("--planned-games") != 0) {
        kept.plannedGames = commandLine.plannedGames;
    }
    return kept;
}

} // namespace vh::train
