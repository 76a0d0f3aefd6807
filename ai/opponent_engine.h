#pragma once

#include "ai/engine_choice.h"
#include "players/champion_file.h"
#include "players/computer_profile.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vh {

// How the computer opponent a player's name stands for plays.
struct OpponentEngine {
    // 0-9 for the ten of the roster, then kRosterSize + the index among the
    // opponents of Data/Champion.dat (the ladder, then the champion).
    int profileIndex = 0;
    // The ten: the classic search at the strength of the cash with the
    // profile's play parameters. Data/Champion.dat's: the network, the
    // champion at its depth without error, a rung of the ladder at its own.
    EngineChoice choice;
    // What plays when the network cannot be used: the classic search at the
    // strength of the cash (with the champion's play parameters).
    EngineParameters classic;
};

// The opponent a computer player called `name` plays as: one of the ten
// when a profile of theirs contains the name, else one of `neural` when its
// name does, else the first of the ten.
OpponentEngine opponentEngine(const Roster& roster, std::span<const ComputerProfile> neural,
                              std::string_view name, int championPlies);

// The same from the program's Data/Computers.dat and Data/Champion.dat,
// nothing (with `error` saying why) when no opponent's name contains `name`.
std::optional<EngineChoice> namedOpponentChoice(std::string_view utf8Name, std::string& error);

} // namespace vh
