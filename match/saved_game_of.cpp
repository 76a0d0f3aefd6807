#include "match/cube_value.h"
#include "match/mat_file.h"
#include "match/move_history.h"
#include "platform/random.h"
#include "rules/side.h"

namespace vh {

SavedGame savedGameOf(const GameRecord& game) {
    SavedGame saved;
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        saved.players[index] = {game.names[index], 0, side, 0};
    }
    saved.position = game.start;
    saved.cubeValue = game.startCubeValue;
    saved.cubeOwner = game.startCubeOwner;
    for (const RecordedTurn& turn : game.turns) {
        saved.history.push_back({turn.side, turn.play, turn.die1, turn.die2, turn.cube});
        applyPlay(turn.play, saved.position);
        saved.turnsPlayed += turn.play.count > 0 ? 1 : 0;
        if (turn.cube == CubeAction::DoubleTaken) {
            saved.cubeValue = doubledCube(saved.cubeValue);
            saved.cubeOwner = otherSide(turn.side);
        }
    }
    if (saved.history.size() > static_cast<std::size_t>(MoveHistory::kCapacity)) {
        saved.history.clear(); // more than a file keeps: the board alone
    }
    saved.historyCursor = static_cast<std::int32_t>(saved.history.size());
    saved.currentSide = game.turns.empty() ? 0 : otherSide(game.turns.back().side);
    // The record ends before the next roll.
    saved.die1 = rollDie();
    saved.die2 = rollDie();
    saved.matchLength = game.match.length;
    saved.score0 = game.match.score[0];
    saved.score1 = game.match.score[1];
    saved.crawford = static_cast<std::int32_t>(game.match.crawford);
    return saved;
}

} // namespace vh
