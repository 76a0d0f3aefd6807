#include "match/human_player.h"

#include "board/move_path.h"
#include "match/money.h"
#include "platform/message_box.h"
#include "platform/text_encoding.h"
#include "platform/tick_count.h"
#include "rules/side.h"

#include <utility>

namespace vh {
namespace {

bool allDiceUsed(const DiceUsed& used) {
    return used[0] != 0 && used[1] != 0 && used[2] != 0 && used[3] != 0;
}

} // namespace

HumanPlayer::HumanPlayer(int side, std::string_view name, SettingsSource settings, TickSource clock)
    : Player(side, false, name, std::move(settings)), plays_(std::make_unique<PlayList>()),
      clock_(std::move(clock)) {
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
    cursor_ = BoardCursor::Arrow;
    shown_.reset();
}

TurnState HumanPlayer::poll(CheckerStage& stage, bool, std::uint32_t, bool diceShown) {
    if (turnState_ == TurnState::Animating) {
        if (animator_.step(stage, clock_ ? clock_() : tickCount())) {
            completeTurn();
        }
        return turnState_;
    }
    if (!diceShown) {
        return TurnState::Moving;
    }
    if (allDiceUsed(diceUsed_)) {
        completeTurn();
    }
    if (pickedPoint_ != -1 || turnState_ == TurnState::Complete) {
        return turnState_;
    }
    if (canStillMove(stage.board())) {
        return turnState_;
    }
    turnNotice_ = Message{
        "No Move", "You don't have a valid move with the current dice.  Your turn is forfeit."};
    // The checkers already moved this turn stay on the board, so they stay in
    // the turn's play and are recorded with it.
    copyPlay(finishedPlay_, currentPlay_);
    turnState_ = TurnState::Complete;
    return turnState_;
}

bool HumanPlayer::makePlay(CheckerStage& stage, const Play& play) {
    if (turnState_ != TurnState::Moving || play.count < 1) {
        return false;
    }
    returnHeldChecker(stage);
    BoardRecord& board = stage.board();
    for (std::int32_t i = currentPlay_.count - 1; i >= 0; --i) {
        takeBackMove(currentPlay_.moves[static_cast<std::size_t>(i)], board.position);
    }
    board.highlights.fill(kHighlightNone);
    copyPlay(currentPlay_, play);
    diceUsed_ = {1, 1, 1, 1};
    if (settings_.completeAnimation == 1) {
        animator_.start(stage, currentPlay_, checkerSpeed(settings_.animationSpeed), false,
                        clock_ ? clock_() : tickCount());
        turnState_ = TurnState::Animating;
        return true;
    }
    applyPlay(currentPlay_, board.position);
    stage.render();
    completeTurn();
    return true;
}

void HumanPlayer::completeTurn() {
    copyPlay(finishedPlay_, currentPlay_);
    turnState_ = TurnState::Complete;
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

DoubleReply HumanPlayer::answerDouble(CheckerStage& stage, std::string_view offeringName,
                                      const MatchState& match) {
    if (match.isMatch()) {
        const std::int64_t points = std::int64_t{stage.board().cubeValue} * 2;
        return {Message{"Double Cube",
                        utf8FromWindows1252(offeringName) +
                            " has offered to double.  If you accept the game will be played "
                            "for " +
                            std::to_string(points) + " points.",
                        MessageButtons::YesNo}};
    }
    const std::int32_t newStake = stake(stage.board().cubeValue, settings_.matchBet, 2);
    const std::string text =
        utf8FromWindows1252(offeringName) +
        " has offered to double the stakes of the game.  If you accept the new stakes will be $" +
        std::to_string(newStake) + ".";
    return {Message{"Double Cube", text, MessageButtons::YesNo}};
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

void HumanPlayer::handleMouse(CheckerStage& stage, MouseMessage message, int x, int y) {
    // Only the left button and the pointer's moves take part; the other
    // buttons change nothing.
    if ((message != MouseMessage::Move && message != MouseMessage::LeftDown &&
         message != MouseMessage::LeftUp) ||
        turnState_ != TurnState::Moving) {
        return;
    }
    if (allDiceUsed(diceUsed_)) {
        completeTurn();
        return;
    }
    if (settings_.mouseInputMode != 0) {
        return;
    }
    switch (message) {
    case MouseMessage::Move:
        if (pickedPoint_ != -1) {
            cursor_ = BoardCursor::Grab;
            drawHeldChecker(stage, x, y);
        } else if (hoverOver(stage.board(), entryAt(stage, x, y))) {
            stage.render();
        }
        break;
    case MouseMessage::LeftDown:
        pickUp(stage, x, y);
        break;
    case MouseMessage::LeftUp:
        drop(stage, x, y);
        break;
    default:
        break;
    }
}

BoardCursor HumanPlayer::cursor() const {
    return turnState_ == TurnState::Moving ? cursor_ : BoardCursor::Arrow;
}

void HumanPlayer::returnHeldChecker(CheckerStage& stage) {
    if (pickedPoint_ == -1) {
        return;
    }
    const int origin = pickedPoint_;
    pickedPoint_ = -1;
    cursor_ = BoardCursor::Arrow;
    placeChecker(stage, origin, side());
}

bool HumanPlayer::holdsOwnChecker(const BoardRecord& board, int entry) const {
    return entry >= 0 && entry < OFF_ONE && board.position[entry].heldBy(side());
}

void HumanPlayer::pickUp(CheckerStage& stage, int x, int y) {
    if (pickedPoint_ != -1) {
        return; // a second press (a double click) while one is held
    }
    const int entry = entryAt(stage, x, y);
    if (!holdsOwnChecker(stage.board(), entry)) {
        cursor_ = BoardCursor::Arrow;
        return;
    }
    pickedPoint_ = entry;
    cursor_ = BoardCursor::Grab;
    liftChecker(stage, entry);
    drawHeldChecker(stage, x, y);
}

void HumanPlayer::drawHeldChecker(CheckerStage& stage, int x, int y) {
    const int size = checkerSize(stage);
    stage.drawMovingChecker(x - size / 2, y - size / 2, side());
}

void HumanPlayer::drop(CheckerStage& stage, int x, int y) {
    if (pickedPoint_ == -1) {
        return;
    }
    BoardRecord& board = stage.board();
    const int origin = pickedPoint_;
    pickedPoint_ = -1;
    // Back on its entry: the rules judge the drop from the whole position,
    // and a refused drop leaves it there.
    ++board.position[origin].count;
    stage.setLiftedFrom(-1);
    const int target = entryAt(stage, x, y);
    const DropResult result =
        MoveEntry(*plays_, board.position, side(), board.die1, board.die2, diceUsed_)
            .drop(origin, target);
    if (!result.accepted()) {
        hoverOver(board, target);
        stage.render();
        return;
    }
    for (int index = 0; index < result.moves.count; ++index) {
        const CheckerMove& move = result.moves.moves[static_cast<std::size_t>(index)];
        applyMove(move, board.position);
        if (currentPlay_.count < kMaxMovesPerPlay) {
            currentPlay_.moves[static_cast<std::size_t>(currentPlay_.count++)] = move;
        }
    }
    for (std::size_t slot = 0; slot < diceUsed_.size(); ++slot) {
        if (result.slots[slot] != 0) {
            diceUsed_[slot] = 1;
        }
    }
    const bool overEntry = target >= 0 && target <= BAR_TWO;
    cursor_ = overEntry ? BoardCursor::Hand : BoardCursor::Arrow;
    showTargets(board, overEntry ? target : -1);
    stage.render();
}

bool HumanPlayer::hoverOver(BoardRecord& board, int entry) {
    if (holdsOwnChecker(board, entry)) {
        cursor_ = BoardCursor::Hand;
        return showTargets(board, entry);
    }
    cursor_ = BoardCursor::Arrow;
    return showTargets(board, -1);
}

bool HumanPlayer::showTargets(BoardRecord& board, int entry) {
    std::array<std::uint32_t, kEntryCount> flags{};
    if (entry < 0) {
        shown_.reset();
    } else {
        const ShownTargets wanted{entry,      board.position, diceUsed_,
                                  board.die1, board.die2,     settings_.showMovesOnHover};
        if (shown_ == wanted) {
            return false;
        }
        shown_ = wanted;
        if (settings_.showMovesOnHover == 1) {
            const MoveEntry rules(*plays_, board.position, side(), board.die1, board.die2,
                                  diceUsed_);
            const std::array<bool, kEntryCount> targets = rules.targets(entry);
            for (std::size_t index = 0; index < flags.size(); ++index) {
                flags[index] = targets[index] ? kHighlightTarget : kHighlightNone;
            }
        }
    }
    if (flags == board.highlights) {
        return false;
    }
    board.highlights = flags;
    return true;
}

} // namespace vh
