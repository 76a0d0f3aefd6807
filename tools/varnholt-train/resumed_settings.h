#pragma once

#include "neural/weights_file.h"

#include <optional>
#include <set>
#include <string>

namespace vh::train {

// The training settings a run resumed from `checkpoint` goes on with. A
// checkpoint that keeps its settings gives them all, so the run keeps its
// schedule; of the command line's (`commandLine`, of which `chosen` names
// the options given, such as "--seed") only --planned-games may change them,
// to stretch the schedule of a run extended with more games. A checkpoint of
// version 1 keeps none: the command line's go, in the checkpoint's shape.
// Nothing, with `error` naming the option, when a setting given contradicts
// the checkpoint.
std::optional<TrainingSettings> resumedSettings(const TrainedNetwork& checkpoint,
                                                const TrainingSettings& commandLine,
                                                const std::set<std::string>& chosen,
                                                std::string& error);

} // namespace vh::train
