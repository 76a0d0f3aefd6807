#include "players/player_choice.h"

#include "platform/list_text.h"

namespace vh {

std::vector<std::string> playerNameEntries(bool computer, const Roster& roster,
                                           const PlayerStore& store) {
    std::vector<std::string> entries;
    if (computer) {
        for (const ComputerProfile& profile : roster) {
            entries.push_back(listEntry(profile));
        }
        return entries;
    }
    for (int index = 0; index < store.count(); ++index) {
        entries.push_back(store.playerAt(index)->name);
    }
    return entries;
}

std::vector<std::string> computerNameEntries(const Roster& roster,
                                             std::span<const ComputerProfile> neural) {
    std::vector<std::string> entries;
    for (const ComputerProfile& profile : roster) {
        entries.push_back(listEntry(profile));
    }
    for (const ComputerProfile& profile : neural) {
        entries.push_back(listEntry(profile));
    }
    return entries;
}

const ComputerProfile* opponentForEntry(const Roster& roster,
                                        std::span<const ComputerProfile> neural,
                                        std::string_view entry) {
    const int profile = profileByText(roster, entry);
    if (profile >= 0) {
        return &roster[static_cast<std::size_t>(profile)];
    }
    for (const ComputerProfile& opponent : neural) {
        if (entry.find(opponent.name) != std::string_view::npos) {
            return &opponent;
        }
    }
    return nullptr;
}

std::string chosenOpponentName(std::string_view entry, const Roster& roster,
                               std::span<const ComputerProfile> neural) {
    const ComputerProfile* opponent = opponentForEntry(roster, neural, entry);
    return opponent == nullptr ? std::string(entry) : opponent->name;
}

int entryForName(const std::vector<std::string>& entries, std::string_view name) {
    const int found = entryBeginningWith(entries, name);
    return found >= 0 || entries.empty() ? found : 0;
}

std::string chosenPlayerName(bool computer, std::string_view entry, const Roster& roster) {
    if (!computer) {
        return std::string(entry);
    }
    const int profile = profileByText(roster, entry);
    return profile < 0 ? std::string(entry) : roster[static_cast<std::size_t>(profile)].name;
}

const PlayerRecord* previewedPlayer(const PlayerStore& store, std::string_view entry) {
    const PlayerRecord* found = nullptr;
    for (int index = 0; index < store.count(); ++index) {
        const PlayerRecord* record = store.playerAt(index);
        if (entry.find(record->name) != std::string_view::npos) {
            found = record;
        }
    }
    return found;
}

std::optional<Message> newPlayerNameProblem(const PlayerStore& store, std::string_view name) {
    if (name.empty()) {
        return Message{"Player Name", "You must enter a name for this player."};
    }
    if (store.findPlayer(name) != nullptr) {
        return Message{"Name in use.",
                       "Another player with this name already exists.  Please change your name."};
    }
    return std::nullopt;
}

bool addAnonymousPlayerIfEmpty(PlayerStore& store) {
    if (store.count() != 0) {
        return false;
    }
    PlayerRecord anonymous;
    anonymous.name = "Anonymous";
    anonymous.cash = kStartingCash;
    anonymous.setPhoto("");
    store.addPlayer(std::move(anonymous));
    store.savePlayers();
    return true;
}

} // namespace vh
