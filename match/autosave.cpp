#include "match/autosave.h"

#include "platform/program_folders.h"

#include <system_error>

namespace vh {

std::filesystem::path autosavePath() {
    return userPath("Data/Autosave.vhf");
}

FoundAutosave findAutosave() {
    FoundAutosave found;
    std::error_code error;
    if (!std::filesystem::exists(autosavePath(), error)) {
        return found;
    }
    SavedGame game;
    const SavedGameCheck check = readSavedGameFile(autosavePath(), game);
    if (check.valid) {
        found.game = std::move(game);
    } else {
        found.problem = check.problem;
    }
    return found;
}

std::filesystem::path setAsideAutosave() {
    const std::filesystem::path aside = userPath("Data/Autosave.damaged.vhf");
    std::error_code error;
    std::filesystem::rename(autosavePath(), aside, error);
    if (error) {
        removeAutosave();
        return {};
    }
    return aside;
}

void removeAutosave() {
    std::error_code ignored; // nothing there is what is wanted
    std::filesystem::remove(autosavePath(), ignored);
}

} // namespace vh
