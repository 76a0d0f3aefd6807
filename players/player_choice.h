#pragma once

#include "platform/message_box.h"
#include "players/computer_profile.h"
#include "players/player_store.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// What the New Game sheet lists and stores for one side of the board.

// The entries of a side's name list: the opponents as "name (level)" in
// roster order, or the stored players' names in store order.
std::vector<std::string> playerNameEntries(bool computer, const Roster& roster,
                                           const PlayerStore& store);

// `neural` are the opponents of Data/Champion.dat in their order: the ladder,
// weakest first, then the champion.

// The Computer name list: the ten's entries, then the entries of `neural`.
std::vector<std::string> computerNameEntries(const Roster& roster,
                                             std::span<const ComputerProfile> neural);

// The opponent an entry of the Computer name list stands for: the last of the
// ten whose name occurs in it, else the first of `neural` whose name does,
// else none.
const ComputerProfile* opponentForEntry(const Roster& roster,
                                        std::span<const ComputerProfile> neural,
                                        std::string_view entry);

// The name the options store for an entry of the Computer name list: the
// opponent's bare name, or the entry itself when it names none.
std::string chosenOpponentName(std::string_view entry, const Roster& roster,
                               std::span<const ComputerProfile> neural);

// The entry to select for the name the options hold: the first that begins
// with it, letters compared without case; 0 when none does, -1 for no entries.
int entryForName(const std::vector<std::string>& entries, std::string_view name);

// The name the options store for a chosen entry: a stored player's name as
// listed, an opponent's bare name without its level.
std::string chosenPlayerName(bool computer, std::string_view entry, const Roster& roster);

// The stored player previewed for an entry: the last in store order whose
// name occurs in the entry's text, or none.
const PlayerRecord* previewedPlayer(const PlayerStore& store, std::string_view entry);

// Why a new player cannot have this name (empty, or already taken, compared
// byte for byte), or nothing when it can.
std::optional<Message> newPlayerNameProblem(const PlayerStore& store, std::string_view name);

// Makes sure the store has somebody to play: when it is empty, adds and saves
// the "Anonymous" player. True when it did.
bool addAnonymousPlayerIfEmpty(PlayerStore& store);

} // namespace vh
