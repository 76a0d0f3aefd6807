#include "match/status_text.h"

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
        }
    }
    return texts;
}

} // namespace vh
