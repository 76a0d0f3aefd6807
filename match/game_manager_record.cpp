#include "match/game_manager.h"
#include "rules/side.h"

namespace vh {

void GameManager::startRecord() {
    priorRecord_ = {};
    setStartPosition(priorRecord_.start);
    cubeEvents_.clear();
}

GameRecord GameManager::gameRecord() const {
    GameRecord record = priorRecord_;
    record.match = match_;
    for (int side = 0; side < 2; ++side) {
        if (const Player* seated = player(side)) {
            record.names[static_cast<std::size_t>(side)] = seated->name();
        }
    }
    const int cursor = history_->cursor();
    auto event = cubeEvents_.begin();
    // The doubles answered before the history's turn `index`, as turns of
    // their own when the doubler then had no play to record.
    const auto doublesBefore = [&](int index, int side) {
        for (; event != cubeEvents_.end() && event->historyIndex == index; ++event) {
            const CubeAction action =
                event->accepted ? CubeAction::DoubleTaken : CubeAction::DoublePassed;
            if (event->side == side && event->accepted) {
                return action;
            }
            RecordedTurn turn;
            turn.side = event->side;
            turn.cube = action;
            record.turns.push_back(turn);
        }
        return CubeAction::None;
    };
    for (int index = 0; index < cursor; ++index) {
        RecordedTurn turn;
        turn.side = history_->sideAt(index);
        turn.die1 = history_->dieAt(index, 0);
        turn.die2 = history_->dieAt(index, 1);
        turn.cube = doublesBefore(index, turn.side);
        turn.play = *history_->playAt(index);
        record.turns.push_back(turn);
    }
    doublesBefore(cursor, -1);
    if (winner_ != -1) {
        record.winner = winner_;
        const bool passed =
            !record.turns.empty() && record.turns.back().cube == CubeAction::DoublePassed;
        record.points = board_.cubeValue * (passed ? 1 : static_cast<int>(resultKind_));
    }
    return record;
}

} // namespace vh
