#pragma once

#include "board/move_animator.h"
#include "players/player.h"
#include "rules/move_entry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace vh {

// A player at the mouse. It picks up its checkers, shows where they can go
// while the pointer hovers over them, and judges each drop by the rules of
// MoveEntry; an accepted drop is played on the board, added to the turn's
// play and uses its dice. poll tells when the dice are used up, or ends the
// turn with "No Move" when what is left of the roll cannot be played.
class HumanPlayer final : public Player {
public:
    using TickSource = std::function<std::uint32_t()>;

    HumanPlayer(int side, std::string_view name, SettingsSource settings = settingsFromFile,
                TickSource clock = nullptr);

    void startTurn(CheckerStage& stage, const TurnStart& turn) override;
    TurnState poll(CheckerStage& stage, bool timed, std::uint32_t remainingMs,
                   bool diceShown) override;
    DoubleReply answerDouble(CheckerStage& stage, std::string_view offeringName,
                             const MatchState& match) override;
    int markDieUsed(int dieValue, bool used, const BoardRecord& board) override;
    void setPlay(const Play& play) override;
    void handleMouse(CheckerStage& stage, MouseMessage message, int x, int y) override;
    BoardCursor cursor() const override;
    void returnHeldChecker(CheckerStage& stage) override;

    // One checker moved by one die, as the move entry makes it: played on the
    // board, added to the turn's play, its die marked used.
    void playMove(CheckerStage& stage, const CheckerMove& move);
    // Takes back the moves of this turn (an undo before the turn is finished).
    void clearTurn() { currentPlay_.count = 0; }
    // Makes a whole play of the roll for the player (one the coach chose):
    // the moves made so far this turn go back, then the play glides onto
    // the board as a computer's does, or lands at once as the options say,
    // and the turn is complete. False when the player is not moving.
    bool makePlay(CheckerStage& stage, const Play& play);

    int pickedPoint() const { return pickedPoint_; }

private:
    // What the highlight flags were last worked out for: hovering over the
    // same entry of the same board again changes nothing.
    struct ShownTargets {
        int entry = -1;
        BoardPosition position;
        DiceUsed used{};
        std::int32_t die1 = 0;
        std::int32_t die2 = 0;
        std::int32_t showMovesOnHover = 0;
        friend bool operator==(const ShownTargets&, const ShownTargets&) = default;
    };

    bool canStillMove(BoardRecord& board);
    void completeTurn();
    void pickUp(CheckerStage& stage, int x, int y);
    void drop(CheckerStage& stage, int x, int y);
    void drawHeldChecker(CheckerStage& stage, int x, int y);
    // The cursor and highlights for the pointer over `entry` with nothing
    // held; true when a highlight flag changed.
    bool hoverOver(BoardRecord& board, int entry);
    // Sets the highlight flags to where a checker on `entry` can go (none
    // when the option is off or `entry` is -1); true when a flag changed.
    bool showTargets(BoardRecord& board, int entry);
    bool holdsOwnChecker(const BoardRecord& board, int entry) const;

    int pickedPoint_ = -1;
    BoardCursor cursor_ = BoardCursor::Arrow;
    std::optional<ShownTargets> shown_;
    std::unique_ptr<PlayList> plays_; // 6.8 MB: kept off the stack, allocated once
    TickSource clock_;
    MoveAnimator animator_;
};

} // namespace vh
