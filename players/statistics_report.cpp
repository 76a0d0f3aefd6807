#include "players/statistics_report.h"

#include "platform/list_text.h"

#include <cstdio>

namespace vh {
namespace {

constexpr std::uint32_t kHourMs = 3600000;
constexpr std::uint32_t kMinuteMs = 60000;
constexpr std::uint32_t kNoonMs = 12 * kHourMs;

std::string formatted(const char* format, auto... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

double percentOf(std::int32_t part, std::int32_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole) * 100.0;
}

} // namespace

std::vector<std::string> statisticsPlayerNames(const PlayerStore& store) {
    std::vector<std::string> names;
    for (int index = 0; index < store.count(); ++index) {
        names.push_back(store.playerAt(index)->name);
    }
    sortLikeAList(names);
    return names;
}

std::string statisticsDate(const GameResult& game) {
    const std::uint32_t hour = game.startTime / kHourMs;
    const std::uint32_t minute = game.startTime % kHourMs / kMinuteMs;
    const std::uint32_t shownHour = hour > 12 ? hour - 12 : hour;
    // The month of a damaged file may be any number: shown one up without overflow.
    return formatted("%02d/%02lld/%d %02u:%02u%s", game.day, game.month + 1LL, game.year, shownHour,
                     minute, game.startTime < kNoonMs ? "AM" : "PM");
}

StatisticsRow statisticsRow(const GameResult& game, std::string_view player) {
    const std::size_t side = game.names[0] == player ? 0 : 1;
    const std::size_t other = 1 - side;
    StatisticsRow row;
    row.date = statisticsDate(game);
    row.opponent = game.names[other];
    row.money = formatted("$%d", game.money[side]);
    row.result = game.lost[side] != 0 ? "Loss" : "Win";
    if (game.resultKind == 2) {
        row.result += "(G)";
    } else if (game.resultKind == 3) {
        row.result += "(B)";
    }
    return row;
}

std::vector<StatisticsRow> statisticsRows(const PlayerRecord& player) {
    std::vector<StatisticsRow> rows;
    rows.reserve(player.history.size());
    for (const GameResult& game : player.history) {
        rows.push_back(statisticsRow(game, player.name));
    }
    return rows;
}

int statisticsDateWidth(int games) {
    return games >= 14 ? 123 : 140;
}

std::array<std::string, 4> statisticsTotals(const PlayerRecord& player) {
    return {formatted("Cash Total: $%d", player.cash),
            formatted("Games Played: %d", player.gamesPlayed),
            formatted("Games Won: %d (%1.2f%%)", player.gamesWon,
                      percentOf(player.gamesWon, player.gamesPlayed)),
            formatted("Games Lost: %d (%1.2f%%)", player.gamesLost,
                      percentOf(player.gamesLost, player.gamesPlayed))};
}

} // namespace vh
