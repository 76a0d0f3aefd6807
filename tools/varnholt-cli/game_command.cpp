#include "match/game_manager.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/text_encoding.h"
#include "platform/tick_count.h"
#include "rules/side.h"
#include "settings/game_settings.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/program_location.h"

#include <chrono>
#include <map>
#include <ostream>
#include <thread>

namespace vh::cli {
namespace {

// Messages of a game between computers ("Double accepted.", the result box)
// are counted, not shown: the report says what happened.
class CountedMessages final : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override {
        ++shown_;
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    int shown() const { return shown_; }

private:
    int shown_ = 0;
};

const char* kindName(ResultKind kind) {
    switch (kind) {
    case ResultKind::Gammon:
        return "gammon";
    case ResultKind::Backgammon:
        return "backgammon";
    case ResultKind::Single:
        break;
    }
    return "single";
}

struct Tally {
    int games = 0;
    int wins = 0;
    int gammons = 0;
    int backgammons = 0;
    std::int64_t money = 0;
};

} // namespace

void runGameCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options("game", arguments,
                            {{"--players", 2},
                             {"--games", 1},
                             {"--seed", 1},
                             {"--budget-ms", 1},
                             {"--save", 1},
                             {"--program-dir", 1}});
    const std::vector<std::string>& names = options.values("--players");
    const auto games =
        options.has("--games")
            ? static_cast<int>(parseInteger(options.value("--games"), 1, 100000, "games"))
            : 1;
    const auto budget = options.has("--budget-ms")
                            ? static_cast<std::uint32_t>(
                                  parseInteger(options.value("--budget-ms"), 0, 60000, "budget"))
                            : 100u;
    chooseProgramDirectory(options);

    GameSettings settings;
    for (int side = 0; side < 2; ++side) {
        settings.playerIsComputer[static_cast<std::size_t>(side)] = 1;
        settings.playerName[static_cast<std::size_t>(side)] =
            windows1252FromUtf8(names[static_cast<std::size_t>(side)]);
    }
    settings.completeAnimation = 0;
    settings.muteSounds = 1;

    CountedMessages messages;
    ScopedMessageBoxes quiet(messages); // the champion's, should its weights be missing
    GameEnvironment environment;
    environment.settings = [settings] { return settings; };
    environment.thinkingBudgetMs = budget;

    if (options.has("--seed")) {
        // One seed for the whole run: the managers leave the generator alone.
        seedRandom(static_cast<std::uint32_t>(
            parseInteger(options.value("--seed"), 0, 4294967295, "seed")));
        environment.seedFromClock = false;
    }

    std::map<std::string, Tally> tallies;
    long turns = 0;
    const auto started = std::chrono::steady_clock::now();
    bool saved = false;
    for (int game = 1; game <= games; ++game) {
        GameManager manager(environment);
        manager.newGame();
        while (manager.state() != GameState::GameOver) {
            manager.step();
            answerPendingMessages(manager, messages);
            // Saved at the start of a turn: the board and dice are those the
            // side to move begins with, its search not yet applied.
            if (options.has("--save") && !saved && manager.turnsPlayed() >= 10 &&
                manager.state() == GameState::Playing) {
                if (!manager.saveGame(options.value("--save"))) {
                    throw CliError("cannot save the game to '" + options.value("--save") + "'");
                }
                saved = true;
            }
            if (manager.isComputerThinking()) {
                std::this_thread::sleep_for(std::chrono::microseconds(50));
            }
        }
        const int winner = manager.winner();
        const std::string winnerName = utf8FromWindows1252(manager.player(winner)->name());
        const std::string loserName =
            utf8FromWindows1252(manager.player(otherSide(winner))->name());
        out << "game " << game << ": " << winnerName << " (side " << winner << ") beats "
            << loserName << ", " << kindName(manager.resultKind()) << ", cube "
            << manager.board().cubeValue << ", $" << manager.amount() << ", "
            << manager.turnsPlayed() << " turns\n";
        turns += manager.turnsPlayed();
        for (int side = 0; side < 2; ++side) {
            Tally& tally = tallies[utf8FromWindows1252(manager.player(side)->name())];
            ++tally.games;
            if (side == winner) {
                ++tally.wins;
                tally.gammons += manager.resultKind() == ResultKind::Gammon ? 1 : 0;
                tally.backgammons += manager.resultKind() == ResultKind::Backgammon ? 1 : 0;
                tally.money += manager.amount();
            } else {
                tally.money -= manager.amount();
            }
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    for (const auto& [name, tally] : tallies) {
        out << name << ": games " << tally.games << " wins " << tally.wins << " gammons "
            << tally.gammons << " backgammons " << tally.backgammons << " money $" << tally.money
            << '\n';
    }
    out << "turns " << turns << '\n';
    out << "mean ms per turn " << (turns > 0 ? seconds * 1000.0 / static_cast<double>(turns) : 0.0)
        << '\n';
}

} // namespace vh::cli
