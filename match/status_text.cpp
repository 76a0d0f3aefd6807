#include "match/status_text.h"

#include "board/board_theme.h"
#include "match/stopwatch.h"
#include "platform/text_encoding.h"

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

} // namespace vh
