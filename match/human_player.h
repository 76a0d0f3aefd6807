#pragma once

#include "players/player.h"

#include <memory>

namespace vh {

// A player at the mouse. The board's move entry hands it each checker moved
// (playMove); poll tells when the dice are used up, or ends the turn with
// "No Move" when what is left of the roll cannot be played.
class HumanPlayer final : public Player {
public:
    HumanPlayer(int side, std::string_view name, SettingsSource settings = settingsFromFile);

    void startTurn(CheckerStage& stage, const TurnStart& turn) override;
    TurnState poll(CheckerStage& stage, bool timed, std::uint32_t remainingMs,
                   bool diceShown) override;
    bool answerDouble(CheckerStage& stage, std::string_view offeringName) override;
    void suggestMove(CheckerStage& stage) override;
    int markDieUsed(int dieValue, bool used, const BoardRecord& board) override;
    void setPlay(const Play& play) override;

    // One checker moved by one die, as the move entry makes it: played on the
    // board, added to the turn's play, its die marked used.
    void playMove(CheckerStage& stage, const CheckerMove& move);
    // Takes back the moves of this turn (an undo before the turn is finished).
    void clearTurn() { currentPlay_.count = 0; }

    int pickedPoint() const { return pickedPoint_; }

private:
    bool canStillMove(BoardRecord& board);

    int pickedPoint_ = -1;
    std::unique_ptr<PlayList> plays_; // 6.8 MB: kept off the stack, allocated once
};

// The die value of die slot `slot`: slot 1 carries die 2, the others die 1.
int dieOfSlot(const BoardRecord& board, int slot);

// Whether a first move from `from` to `to` of `side` uses exactly `die`, by
// the same rule the move entry applies (bar entries and bear-offs included).
bool moveUsesDie(const BoardPosition& position, int side, int from, int to, int die);

} // namespace vh
