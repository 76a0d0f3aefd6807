#include "platform/text_encoding.h"
#include "players/player_store.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"

#include <cstdio>
#include <cstdlib>
#include <ostream>

namespace vh::cli {
namespace {

// Milliseconds as H:MM:SS, hours unbounded.
std::string formatDuration(std::int64_t milliseconds) {
    const char* sign = milliseconds < 0 ? "-" : "";
    const std::int64_t seconds = std::llabs(milliseconds) / 1000;
    char text[48];
    std::snprintf(text, sizeof text, "%s%lld:%02lld:%02lld", sign,
                  static_cast<long long>(seconds / 3600), static_cast<long long>(seconds / 60 % 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

std::string padRight(std::string text, std::size_t width) {
    if (text.size() < width) {
        text.append(width - text.size(), ' ');
    }
    return text;
}

std::string padLeft(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

} // namespace

void runStatsCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("stats", arguments, {{"--file", 1}});
    PlayerStore store =
        options.has("--file") ? PlayerStore(options.value("--file")) : PlayerStore();
    store.setLoadPhotos(false);
    const StoreLoad load = store.loadPlayers();
    const std::string path = store.file().string();
    if (load == StoreLoad::Missing) {
        throw CliError("cannot read player file '" + path + "': no such file");
    }
    if (load == StoreLoad::Damaged && store.count() == 0) {
        throw CliError("cannot read player file '" + path + "': " + store.damage());
    }

    out << padRight("name", 32) << padLeft("games", 7) << padLeft("won", 7) << padLeft("lost", 7)
        << padLeft("cash", 12) << padLeft("time", 12) << '\n';
    for (int index = 0; index < store.count(); ++index) {
        const PlayerRecord& record = *store.playerAt(index);
        // Padded before conversion: one byte is one character in the file's code page.
        out << utf8FromWindows1252(padRight(record.name, 32))
            << padLeft(std::to_string(record.gamesPlayed), 7)
            << padLeft(std::to_string(record.gamesWon), 7)
            << padLeft(std::to_string(record.gamesLost), 7)
            << padLeft(std::to_string(record.cash), 12)
            << padLeft(formatDuration(record.totalPlayTime), 12) << '\n';
    }
    out << store.count() << (store.count() == 1 ? " player\n" : " players\n");
    if (load == StoreLoad::Damaged) {
        throw CliError("player file '" + path + "' is damaged (" + store.damage() +
                       "); shown are the " + std::to_string(store.count()) +
                       " players read before the damage");
    }
}

} // namespace vh::cli
