#pragma once

#include "players/game_result.h"
#include "players/player_record.h"
#include "players/player_store.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// What the Game Statistics window shows for one player.

// The names of the player list, sorted as the list sorts them.
std::vector<std::string> statisticsPlayerNames(const PlayerStore& store);

// One line of the game list.
struct StatisticsRow {
    std::string date;     // "03/03/2004 02:05PM"
    std::string opponent; // the other side's name
    std::string money;    // "$-4"
    std::string result;   // "Win", "Loss", with "(G)" or "(B)" for a gammon or backgammon

    bool operator==(const StatisticsRow&) const = default;
};

// Day, month and year, then the start time on a 12-hour clock with AM or PM.
std::string statisticsDate(const GameResult& game);

// The line of a game as seen by `player`: the player's side is the first
// when its name is the player's, else the second.
StatisticsRow statisticsRow(const GameResult& game, std::string_view player);

// The player's games, newest first, as the history holds them.
std::vector<StatisticsRow> statisticsRows(const PlayerRecord& player);

// The width of the date column: narrower from 14 games on, to leave room for
// the list's scroll bar.
int statisticsDateWidth(int games);

// The four total lines: cash, games played, won and lost with their
// percentages (0.00 for a player without games).
std::array<std::string, 4> statisticsTotals(const PlayerRecord& player);

} // namespace vh
