#include "players/computer_profile.h"

namespace vh {

int profileByText(const Roster& roster, std::string_view text) {
    for (int index = kRosterSize - 1; index >= 0; --index) {
        if (text.find(roster[static_cast<std::size_t>(index)].name) != std::string_view::npos) {
            return index;
        }
    }
    return -1;
}

int profileForPlayer(const Roster& roster, std::string_view playerName) {
    for (int index = kRosterSize - 1; index >= 0; --index) {
        if (roster[static_cast<std::size_t>(index)].name.find(playerName) != std::string::npos) {
            return index;
        }
    }
    return 0;
}

std::string listEntry(const ComputerProfile& profile) {
    return profile.name + " (" + profile.levelText + ")";
}

} // namespace vh
