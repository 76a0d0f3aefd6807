#include "platform/random.h"
#include "platform/tick_count.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/result_kind.h"
#include "rules/side.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/engine_game.h"
#include "tools/varnholt-cli/engine_options.h"
#include "tools/varnholt-cli/notation.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <memory>
#include <ostream>
#include <thread>

namespace vh::cli {
namespace {

struct SideTally {
    int wins = 0;
    int gammons = 0;
    int backgammons = 0;
};

const char* kindText(ResultKind kind) {
    switch (kind) {
    case ResultKind::Single:
        return "a single game";
    case ResultKind::Gammon:
        return "a gammon";
    case ResultKind::Backgammon:
        return "a backgammon";
    }
    return "a game";
}

struct GameOutcome {
    int winner = 0;
    ResultKind kind = ResultKind::Single;
    int turns = 0;
};

void pause(int delayMs) {
    if (delayMs > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
    }
}

// Plays one game between two players that pick a random legal play. With
// `watch`, the roll, the play and the board are written after every turn.
GameOutcome playRandomGame(PlayList& list, bool watch, int delayMs, std::ostream& out) {
    BoardPosition position;
    setStartPosition(position);
    const OpeningRoll opening = rollOpening(rollDie);
    int side = opening.firstSide;
    if (watch) {
        out << formatBoardText(position) << '\n';
    }
    for (int turn = 1;; ++turn) {
        const int die1 = turn == 1 ? opening.die1 : rollDie();
        const int die2 = turn == 1 ? opening.die2 : rollDie();
        generatePlays(list, position, side, die1, die2);
        Play play;
        if (list.count > 0) {
            play = list[nextRandom() % list.count];
            applyPlay(play, position);
        }
        if (watch) {
            out << "turn " << turn << ": side " << side << " (" << (side == 0 ? 'X' : 'O')
                << ") rolls " << die1 << '-' << die2 << ": " << formatPlay(play) << '\n'
                << formatBoardText(position) << '\n';
            out.flush();
            pause(delayMs);
        }
        if (hasWon(position, side)) {
            return {side, resultKind(position, side), turn};
        }
        side = otherSide(side);
    }
}

// Plays one game between two engines; with `watch` as playRandomGame does.
GameOutcome playEngineGame(EngineGame& game, bool watch, int delayMs, std::ostream& out) {
    if (watch) {
        BoardPosition start;
        setStartPosition(start);
        out << formatBoardText(start) << '\n';
    }
    const EngineGameOutcome outcome = game.play([&](const EngineTurn& turn) {
        if (!watch) {
            return;
        }
        BoardPosition after = turn.before;
        applyPlay(turn.play, after);
        out << "turn " << turn.number << ": side " << turn.side << " ("
            << (turn.side == 0 ? 'X' : 'O') << ") rolls " << turn.die1 << '-' << turn.die2 << ": "
            << formatPlay(turn.play) << '\n'
            << formatBoardText(after) << '\n';
        out.flush();
        pause(delayMs);
    });
    return {outcome.winner, outcome.kind, outcome.turns};
}

std::string milliseconds(double ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", ms);
    return text;
}

} // namespace

void runSelfplayCommand(std::span<const std::string> arguments, std::ostream& out) {
    const Arguments options(
        "selfplay", arguments,
        {{"--games", 1}, {"--seed", 1}, {"--delay-ms", 1}, {"--strength", 2}, {"--budget-ms", 1}});
    const auto games =
        static_cast<int>(parseInteger(options.value("--games"), 1, 1000000, "games"));
    const auto seed = options.has("--seed") ? static_cast<std::uint32_t>(parseInteger(
                                                  options.value("--seed"), 0, 4294967295, "seed"))
                                            : tickCount();
    const int delayMs =
        options.has("--delay-ms")
            ? static_cast<int>(parseInteger(options.value("--delay-ms"), 0, 10000, "delay"))
            : 0;
    const bool engines = options.has("--strength");
    if (options.has("--budget-ms") && !engines) {
        throw CliError("--budget-ms needs --strength");
    }
    std::array<EngineParameters, 2> players{};
    if (engines) {
        for (std::size_t side = 0; side < 2; ++side) {
            players[side].strength = parseStrength(options.values("--strength")[side]);
        }
    }
    const std::uint32_t budgetMs =
        options.has("--budget-ms") ? parseBudget(options.value("--budget-ms")) : kDefaultBudgetMs;
    seedRandom(seed);
    auto list = engines ? nullptr : std::make_unique<PlayList>();
    auto engineGame = engines ? std::make_unique<EngineGame>(players, budgetMs) : nullptr;
    std::array<SideTally, 2> tally{};
    long totalTurns = 0;
    for (int game = 1; game <= games; ++game) {
        const GameOutcome outcome = engines ? playEngineGame(*engineGame, games == 1, delayMs, out)
                                            : playRandomGame(*list, games == 1, delayMs, out);
        SideTally& winner = tally[static_cast<std::size_t>(outcome.winner)];
        ++winner.wins;
        winner.gammons += outcome.kind == ResultKind::Gammon ? 1 : 0;
        winner.backgammons += outcome.kind == ResultKind::Backgammon ? 1 : 0;
        totalTurns += outcome.turns;
        out << "game " << game << ": side " << outcome.winner << " wins " << kindText(outcome.kind)
            << " in " << outcome.turns << " turns\n";
    }
    out << "seed " << seed << '\n' << "games " << games << '\n';
    if (engines) {
        out << "strength " << players[0].strength << ' ' << players[1].strength << '\n';
    }
    for (int side = 0; side < 2; ++side) {
        const SideTally& sideTally = tally[static_cast<std::size_t>(side)];
        out << "side " << side << " wins " << sideTally.wins << " gammons " << sideTally.gammons
            << " backgammons " << sideTally.backgammons << '\n';
    }
    out << "turns " << totalTurns << '\n';
    if (engines) {
        const DecisionTimes& times = engineGame->times();
        out << "decisions " << times.decisions << '\n'
            << "decision-ms mean " << milliseconds(times.meanMs()) << " max "
            << milliseconds(times.maxMs) << '\n';
    }
}

} // namespace vh::cli
