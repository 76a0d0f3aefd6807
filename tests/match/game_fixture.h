#pragma once

#include "match/game_manager.h"
#include "match/human_player.h"
#include "match/saved_game.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "players/player_store.h"
#include "settings/game_settings.h"
#include "tests/support/placement.h"
#include "tests/support/temp_directory.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vh::test {

// A program directory with the shipped roster, recorded message boxes and
// sounds, a clock the test moves by hand, and a player store of its own.
class GameFixture : public testing::Test {
protected:
    GameFixture();
    ~GameFixture() override;

    // Two players as the options name them; animation off unless asked for.
    GameSettings settingsFor(bool firstIsComputer, const std::string& firstName,
                             bool secondIsComputer, const std::string& secondName) const;
    GameEnvironment environmentFor(const GameSettings& settings);
    // A new game; unless `revealDice`, a human's roll is shown only after pressDiceCup().
    std::unique_ptr<GameManager> startGame(const GameSettings& settings, std::uint32_t seed,
                                           bool revealDice = true);

    // The legal plays of the roll on the board, in the generator's order.
    const PlayList& legalPlays(const GameManager& manager);
    // Presses the cup, plays the human's turn with the first legal play (or
    // what `choice` picks from the list) and steps until the turn has passed on.
    void playHumanTurn(GameManager& manager, int choice = 0);
    // One pass of the game; what it asks is answered through messages_.
    void step(GameManager& manager);
    // Steps until the side to move changes or the game ends; a computer's
    // search is waited for without a busy loop.
    void stepUntilTurnPasses(GameManager& manager);
    void stepUntilGameOver(GameManager& manager, int maxTurns = 2000);
    // Steps an undo or redo replay to its end.
    void stepUntilPlaying(GameManager& manager);
    // Opens a game built from `game` (written to a file first), by default
    // with the options that name its players. Unless `revealDice`, a human's
    // roll is shown only after pressDiceCup().
    std::unique_ptr<GameManager> openSaved(const GameSettings& settings, const SavedGame& game,
                                           bool revealDice = true);
    std::unique_ptr<GameManager> openSaved(const SavedGame& game, bool revealDice = true);
    // The player store as saved in the program directory.
    PlayerStore savedStore() const;

    TempDirectory directory_{"game"};
    RecordingMessageBoxes messages_;
    ScopedMessageBoxes installedMessages_{messages_};
    RecordingSoundPlayer sounds_;
    PlayerStore store_;
    std::uint32_t now_ = 1000;
    std::uint32_t thinkingBudgetMs_ = 5; // for the computers' searches
    bool autosave_ = false;              // games write Data/Autosave.vhf
    std::unique_ptr<PlayList> plays_ = std::make_unique<PlayList>();
};

// The options with the game timer on: `minutes` and `seconds` each, and
// `perMoveSeconds` more for every move.
GameSettings timedSettings(GameSettings settings, int minutes, int seconds = 0,
                           int perMoveSeconds = 0);

// A game to open: the position, the side to move with its roll, the players.
SavedGame savedGameAt(const BoardPosition& position, int sideToMove, int die1, int die2,
                      const std::string& sideZero = "Ann", bool sideZeroIsComputer = false,
                      const std::string& sideOne = "Bob", bool sideOneIsComputer = false);

// The entries highlighted, in increasing order.
std::vector<int> highlighted(const BoardRecord& board);

// Same turns, rolls, cube actions and positions after each turn.
void expectSameGame(const GameRecord& a, const GameRecord& b);

// Whether `play` is one of the legal plays of the roll (or both are empty).
bool isLegalPlay(const BoardPosition& before, int side, int die1, int die2, const Play& play);

} // namespace vh::test
