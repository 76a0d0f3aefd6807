#pragma once

#include "match/saved_game.h"

#include <filesystem>
#include <optional>
#include <string>

namespace vh {

// The game in progress as the last finished turn left it, beside the
// options in the user's folder: Data/Autosave.vhf in the saved-game format.
std::filesystem::path autosavePath();

struct FoundAutosave {
    std::optional<SavedGame> game; // a valid autosave
    std::string problem;           // why the file there cannot be resumed
    bool damaged() const { return !problem.empty(); }
};
// Nothing when there is no autosave.
FoundAutosave findAutosave();
// Renames a damaged autosave so that it is kept but not offered again;
// the name it has now (empty when it could not be renamed, then it is removed).
std::filesystem::path setAsideAutosave();
void removeAutosave();

} // namespace vh
