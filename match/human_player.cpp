#include "match/human_player.h"

#include "match/money.h"
#include "platform/message_box.h"
#include "platform/random.h"
#include "rules/side.h"

#include <cstdlib>
#include <utility>

namespace vh {
namespace {

bool allDiceUsed(const DiceUsed& used) {
    return used[0] != 0 && used[1] != 0 && used[2] != 0 && used[3] != 0;
}

// The highest point 0-5 holding side 0's checkers, or -1.
int highestHomePointOfSideOne(const BoardPosition& position) {
    for (int point = 5; point >= 0; --point) {
        if (position[point].heldBy(PLAYER_ONE)) {
            return point;
        }
    }
    return -1;
}

// The lowest point 18-23 holding side 1's checkers, or -1.
int lowestHomePointOfSideTwo(const BoardPosition& position) {
    for (int point = 18; point <= 23; ++point) {
        if (position[point].heldBy(PLAYER_TWO)) {
            return point;
        }
    }
    return -1;
}

} // namespace

int dieOfSlot(const BoardRecord& board, int slot) {
    return slot == 1 ? board.die2 : board.die1;
}

bool moveUsesDie(const BoardPosition& position, int side, int from, int to, int die) {
    if (to < kPointCount && std::abs(from - to) == die) {
        return true;
    }
    if (side == PLAYER_TWO && from == BAR_TWO) {
        return die == to + 1;
    }
    if (side == PLAYER_ONE && from == BAR_ONE) {
        return from - die == to;
    }
    if (side == PLAYER_ONE && to == OFF_ONE) {
        return die == from + 1 || (from == highestHomePointOfSideOne(position) && die - 1 > from);
    }
    if (side == PLAYER_TWO && to == OFF_TWO) {
        return 24 - die == from || (from == lowestHomePointOfSideTwo(position) && 24 - die < from);
    }
    return false;
}

HumanPlayer::HumanPlayer(int side, std::string_view name, SettingsSource settings)
    : Player(side, false, name, std::move(settings)), plays_(std::make_unique<PlayList>()) {
    turnState_ = TurnState::Waiting;
}

void HumanPlayer::startTurn(CheckerStage& stage, const TurnStart&) {
    const BoardRecord& board = stage.board();
    turnState_ = TurnState::Moving;
    diceUsed_ = {0, 0, 0, 0};
    if (board.die1 != board.die2) {
        diceUsed_[2] = 1;
        diceUsed_[3] = 1;
    }
    currentPlay_.count = 0;
    finishedPlay_.count = 0;
    pickedPoint_ = -1;
}

TurnState HumanPlayer::poll(CheckerStage& stage, bool, std::uint32_t, bool diceShown) {
    if (!diceShown) {
        return TurnState::Moving;
    }
    if (allDiceUsed(diceUsed_)) {
        copyPlay(finishedPlay_, currentPlay_);
        turnState_ = TurnState::Complete;
    }
    if (pickedPoint_ != -1 || turnState_ == TurnState::Complete) {
        return turnState_;
    }
    if (canStillMove(stage.board())) {
        return turnState_;
    }
    showMessage("No Move",
                "You don't have a valid move with the current dice.  Your turn is forfeit.");
    // The checkers already moved this turn stay on the board, so they stay in
    // the turn's play and are recorded with it.
    copyPlay(finishedPlay_, currentPlay_);
    turnState_ = TurnState::Complete;
    return turnState_;
}

bool HumanPlayer::canStillMove(BoardRecord& board) {
    BoardPosition working = board.position;
    DiceUsed used = diceUsed_;
    generatePlays(*plays_, working, side(), board.die1, board.die2, used);
    const bool onBar = board.position[barEntry(side())].count >= 1;
    for (const Play& play : *plays_) {
        if (play.count < 1) {
            continue;
        }
        const CheckerMove& first = play.moves[0];
        const int from = static_cast<int>(first.from);
        const int to = static_cast<int>(first.to);
        if (onBar && from != barEntry(side())) {
            continue;
        }
        for (int slot = 0; slot < 4; ++slot) {
            if (diceUsed_[static_cast<std::size_t>(slot)] == 0 &&
                moveUsesDie(board.position, side(), from, to, dieOfSlot(board, slot))) {
                return true;
            }
        }
    }
    return false;
}

bool HumanPlayer::answerDouble(CheckerStage& stage, std::string_view offeringName) {
    const std::int32_t newStake = stake(stage.board().cubeValue, settings_.matchBet, 2);
    const std::string text =
        std::string(offeringName) +
        " has offered to double the stakes of the game.  If you accept the new stakes will be $" +
        std::to_string(newStake) + ".";
    return showMessage("Double Cube", text, MessageButtons::YesNo) == MessageAnswer::Yes;
}

int HumanPlayer::markDieUsed(int dieValue, bool used, const BoardRecord& board) {
    const auto mark = static_cast<std::uint8_t>(used ? 1 : 0);
    if (board.die1 == board.die2) {
        if (dieValue != board.die1) {
            return -1;
        }
        for (std::size_t slot = 0; slot < 4; ++slot) {
            if (diceUsed_[slot] != mark) {
                diceUsed_[slot] = mark;
                return static_cast<int>(slot);
            }
        }
        return 4;
    }
    if (dieValue == board.die1 && diceUsed_[0] != mark) {
        diceUsed_[0] = mark;
        return 0;
    }
    if (dieValue == board.die2 && diceUsed_[1] != mark) {
        diceUsed_[1] = mark;
        return 1;
    }
    return -1;
}

void HumanPlayer::setPlay(const Play& play) {
    copyPlay(currentPlay_, play);
}

void HumanPlayer::playMove(CheckerStage& stage, const CheckerMove& move) {
    applyMove(move, stage.board().position);
    if (currentPlay_.count < kMaxMovesPerPlay) {
        currentPlay_.moves[static_cast<std::size_t>(currentPlay_.count++)] = move;
    }
    markDieUsed(static_cast<int>(move.die), true, stage.board());
    stage.render();
}

void HumanPlayer::suggestMove(CheckerStage& stage) {
    BoardRecord& board = stage.board();
    board.highlights.fill(kHighlightNone);
    int lastFree = -1;
    for (int slot = 0; slot < 4; ++slot) {
        if (diceUsed_[static_cast<std::size_t>(slot)] == 0) {
            lastFree = slot;
        }
    }
    if (lastFree < 0) {
        stage.render();
        return;
    }
    const int die = dieOfSlot(board, lastFree);
    BoardPosition working = board.position;
    DiceUsed used = diceUsed_;
    generatePlays(*plays_, working, side(), die, die, used);
    if (plays_->count == 0 || (*plays_)[0].count == 0) {
        stage.render();
        return;
    }
    const Play& play = (*plays_)[nextRandom() % plays_->count];
    if (play.count == 0) {
        stage.render();
        return;
    }
    const int from = static_cast<int>(play.moves[0].from);
    const int to = static_cast<int>(play.moves[0].to);
    for (int slot = 0; slot < 4; ++slot) {
        if (diceUsed_[static_cast<std::size_t>(slot)] == 0 &&
            moveUsesDie(board.position, side(), from, to, dieOfSlot(board, slot))) {
            board.highlights[static_cast<std::size_t>(to)] = kHighlightTarget;
        }
    }
    board.highlights[static_cast<std::size_t>(from)] = kHighlightTarget;
    stage.render();
}

} // namespace vh
