#include "board/move_path.h"
#include "match/game_manager.h"
#include "match/human_player.h"
#include "rules/side.h"

namespace vh {

void GameManager::queueReplay(const Play& play) {
    if (play.count >= 1 && replayList_->count < PlayList::kCapacity) {
        copyPlay((*replayList_)[replayList_->count++], play);
    }
}

void GameManager::undo() {
    returnHeldChecker();
    revealAt_.reset();
    if (!canUndo()) {
        return;
    }
    replayList_->count = 0;
    const int other = otherSide(currentSide_);
    auto* human = dynamic_cast<HumanPlayer*>(currentPlayer());
    if (human != nullptr && human->currentPlay().count > 0) {
        // Only the moves of this turn go back; they were never counted.
        queueReplay(reversedPlay(human->currentPlay()));
        history_->setTotal(history_->cursor());
        human->clearTurn();
    } else {
        int index = history_->undoIndex();
        if (index < 0) {
            return;
        }
        queueReplay(reversedPlay(*history_->playAt(index)));
        --turnsPlayed_;
        if (player(other)->isComputer()) {
            // Back to and including the human's own previous turn. The turn
            // just taken back may be the human's own too: a computer roll
            // that could not be played left no entry.
            while ((index = history_->undoIndex()) >= 0) {
                queueReplay(reversedPlay(*history_->playAt(index)));
                --turnsPlayed_;
                if (history_->sideAt(index) != other) {
                    break;
                }
            }
        }
    }
    if (replayList_->count == 0) {
        return;
    }
    replayIndex_ = 0;
    setState(GameState::UndoAnimating);
}

void GameManager::redo() {
    returnHeldChecker();
    revealAt_.reset();
    if (!canRedo()) {
        return;
    }
    replayList_->count = 0;
    if (player(otherSide(currentSide_))->isComputer()) {
        const int index = history_->redoIndex();
        if (index >= 0) {
            queueReplay(*history_->playAt(index));
            ++turnsPlayed_;
        }
    }
    const int index = history_->redoIndex();
    if (index >= 0) {
        queueReplay(*history_->playAt(index));
        ++turnsPlayed_;
    }
    if (replayList_->count == 0) {
        return;
    }
    replayIndex_ = 0;
    setState(GameState::RedoAnimating);
}

void GameManager::startReplayAnimation() {
    if (replayIndex_ < replayList_->count) {
        animator_.start(*stage_, (*replayList_)[replayIndex_],
                        checkerSpeed(settings_.animationSpeed), state_ == GameState::UndoAnimating,
                        now());
    }
}

void GameManager::stepReplay() {
    if (!animator_.step(*stage_, now())) {
        return;
    }
    ++replayIndex_;
    if (replayIndex_ < replayList_->count) {
        startReplayAnimation();
        return;
    }
    finishReplay();
}

void GameManager::finishReplay() {
    const int cursor = history_->cursor();
    currentSide_ = history_->sideAt(cursor) == 1 ? 1 : 0;
    board_.die1 = history_->dieAt(cursor, 0);
    board_.die2 = history_->dieAt(cursor, 1);
    openingTurn_ = begunWithOpeningRoll_ && cursor == 0;
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->start(now());
    }
    startCurrentTurn();
    activatePanel(currentSide_, true);
    setState(GameState::Playing);
}

} // namespace vh
