#include "match/command_states.h"

#include <algorithm>

namespace vh {

CommandStates commandStates(const GameManager* game) {
    CommandStates states;
    if (game == nullptr) {
        return states;
    }
    states.restart = true;
    states.review = true;
    states.bestMoves = game->state() != GameState::GameOver;
    if (game->state() == GameState::Paused) {
        states.resume = true;
    } else {
        states.pause = game->isHumanTurn();
    }
    states.undo = game->canUndo();
    states.redo = game->canRedo();
    states.force = game->isComputerThinking();
    states.suggest = game->isHumanMoving() && game->diceShown();
    states.save = game->humanHasNotMoved();
    return states;
}

namespace {

// Milliseconds until a clock showing whole seconds changes its reading.
std::uint32_t untilNextSecond(std::uint32_t milliseconds, bool countingDown) {
    const std::uint32_t intoSecond = milliseconds % 1000u;
    return countingDown ? intoSecond + 1u : 1000u - intoSecond;
}

} // namespace

std::uint32_t nextPassDelayMs(const GameManager* game) {
    if (game == nullptr) {
        return kQuietPassMs;
    }
    switch (game->state()) {
    case GameState::NoGame:
    case GameState::Paused:
        return kQuietPassMs;
    case GameState::Playing:
        break;
    default:
        return kBusyPassMs;
    }
    const Player* current = game->currentPlayer();
    // A human's play gliding from the coach's list moves without the mouse.
    if (current == nullptr || current->isComputer() || game->isRevealingDice() ||
        game->pendingMessage() != nullptr || current->turnState() != TurnState::Moving) {
        return kBusyPassMs;
    }
    std::uint32_t delay = untilNextSecond(game->gameTime(), false);
    if (const auto clock = game->clockValue(game->currentSide())) {
        delay = std::min(delay, untilNextSecond(*clock, true));
    }
    return std::clamp(delay, kBusyPassMs, kQuietPassMs);
}

} // namespace vh
