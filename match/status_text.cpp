#include "match/status_text.h"

#include "board/board_theme.h"
#include "match/stopwatch.h"
#include "platform/text_encoding.h"
#include "rules/play_notation.h"

#include <algorithm>
#include <cstdio>

namespace vh {

std::string gameTimeText(std::uint32_t milliseconds) {
    const ClockReading reading = readClock(milliseconds);
    char text[48];
    std::snprintf(text, sizeof text, "Game Time %02u:%02u", reading.minutes, reading.seconds);
    return text;
}

std::string turnsPlayedText(int turns) {
    return "Turns Played: " + std::to_string(turns);
}

std::string turnText(const std::string& name, std::uint32_t remainingMs) {
    std::string text = utf8FromWindows1252(name) + "'s turn";
    if (remainingMs != 0) {
        const ClockReading reading = readClock(remainingMs);
        char time[48];
        std::snprintf(time, sizeof time, " - Time Remaining %u:%02u", reading.minutes,
                      reading.seconds);
        text += time;
    }
    return text;
}

namespace {

// " - Ann plays White" for each human at the board, so that a new player
// knows which checkers are theirs.
std::string humansColours(const GameManager& game) {
    std::string text;
    const GameSettings& settings = game.settings();
    for (int side = 0; side < 2; ++side) {
        const Player* player = game.player(side);
        const std::optional<std::string> colour =
            stoneColourName(side == 0 ? settings.stoneColourA : settings.stoneColourB);
        if (player != nullptr && !player->isComputer() && colour) {
            text += (text.empty() ? " - " : ", ") + utf8FromWindows1252(player->name()) +
                    " plays " + *colour;
        }
    }
    return text;
}

std::string nameOf(const GameManager& game, int side) {
    const Player* player = game.player(side);
    return player != nullptr ? utf8FromWindows1252(player->name()) : std::string();
}

std::string colourOf(const GameManager& game, int side) {
    const GameSettings& settings = game.settings();
    return stoneColourName(side == 0 ? settings.stoneColourA : settings.stoneColourB)
        .value_or(side == 0 ? "first" : "second");
}

} // namespace

StatusTexts statusTexts(const GameManager& game) {
    StatusTexts texts;
    texts.gameTime = gameTimeText(game.gameTime());
    texts.turns = turnsPlayedText(game.turnsPlayed());
    if (game.state() == GameState::GameOver) {
        texts.turn = "Game Finished.";
    } else if (const Player* current = game.currentPlayer()) {
        texts.turn = turnText(current->name(), game.remainingTime());
        if (game.isOpeningTurn()) {
            texts.turn =
                utf8FromWindows1252(current->name()) + " won the opening roll - " + texts.turn;
            texts.turn += humansColours(game);
        }
    }
    return texts;
}

MatchResultTexts matchResultTexts(const GameManager& game) {
    const int winner = game.winner();
    if (!game.match().isMatch() || winner == -1 || game.player(winner) == nullptr) {
        return {};
    }
    const MatchState after = game.matchAfterGame();
    const auto won = static_cast<std::size_t>(winner);
    const std::string winnerName = utf8FromWindows1252(game.player(winner)->name());
    const std::string loserName = utf8FromWindows1252(game.player(1 - winner)->name());
    MatchResultTexts texts;
    texts.score = "Match to " + std::to_string(after.length) + ": " + winnerName + " ";
    texts.score += std::to_string(after.score[won]) + ", " + loserName + " ";
    texts.score += std::to_string(after.score[1 - won]);
    texts.result = winnerName;
    if (after.winner() != -1) {
        texts.result += " won the match";
        return texts;
    }
    const int points = game.gamePoints();
    texts.result += points == 1 ? " won 1 point" : " won " + std::to_string(points) + " points";
    if (after.crawford == MatchState::Crawford::ThisGame) {
        texts.result += " - the Crawford game is next";
    }
    return texts;
}

std::string lastPlayText(const GameManager& game) {
    const MoveHistory& history = game.history();
    if (history.cursor() == 0) {
        return {};
    }
    const int index = history.cursor() - 1;
    const int side = history.sideAt(index);
    return nameOf(game, side) + " played " + describePlay(*history.playAt(index), side);
}

std::string boardDescription(const GameManager& game) {
    if (game.player(0) == nullptr || game.player(1) == nullptr) {
        return "No game.";
    }
    std::string text;
    const int mover = game.currentSide();
    if (game.winner() != -1) {
        text = nameOf(game, game.winner()) + " has won. ";
    } else {
        const PanelContent moving = game.panelContent(mover);
        text = nameOf(game, mover) + " to move";
        text += moving.diceShown
                    ? ", rolled " + std::to_string(std::max(moving.die1, moving.die2)) + "-" +
                          std::to_string(std::min(moving.die1, moving.die2))
                    : ", before the roll";
        text += ". ";
    }
    text += "Pips: " + nameOf(game, 0) + " " + std::to_string(game.panelContent(0).pipsToGo) +
            ", " + nameOf(game, 1) + " " + std::to_string(game.panelContent(1).pipsToGo) + ". ";
    const int cube = game.board().cubeValue;
    text += game.cubeOwner() == -1 || cube == 1
                ? "Cube " + std::to_string(cube) + " in the middle. "
                : "Cube " + std::to_string(cube) + ", " + nameOf(game, game.cubeOwner()) + "'s. ";
    for (int side = 0; side < 2; ++side) {
        text += nameOf(game, side) + " (" + colourOf(game, side) +
                "): " + describeCheckers(game.board().position, side) + (side == 0 ? ". " : ".");
    }
    return text;
}

} // namespace vh
