#include "match/game_record_of.h"

#include "match/cube_value.h"

namespace vh {

void diceOfPlay(const Play& play, int& die1, int& die2) {
    die1 = 0;
    die2 = 0;
    if (play.count >= 2) {
        die1 = static_cast<int>(play.moves[0].die);
        die2 = static_cast<int>(play.moves[1].die);
    }
}

namespace {

bool leadsBackToStart(const SavedGame& game, int turns, BoardPosition& start) {
    start = game.position;
    for (int index = turns - 1; index >= 0; --index) {
        takeBackPlay(game.history[static_cast<std::size_t>(index)].play, start);
    }
    BoardPosition standard;
    setStartPosition(standard);
    return samePlacement(start, standard);
}

// The cube the record's doubles turned, from the centre.
std::int64_t cubeAfterDoublesOf(const GameRecord& record) {
    std::int64_t cube = 1;
    for (const RecordedTurn& turn : record.turns) {
        if (turn.cube == CubeAction::DoubleTaken && cube <= kHighestCubeValue) {
            cube *= 2;
        }
    }
    return cube;
}

} // namespace

std::optional<GameRecord> recordOfSavedGame(const SavedGame& game) {
    GameRecord record;
    for (const SavedPlayer& player : game.players) {
        record.names[static_cast<std::size_t>(player.side)] = player.name;
    }
    const int cursor = std::min<int>(game.historyCursor, static_cast<int>(game.history.size()));
    // The board may hold the first moves of the turn in progress, kept at
    // the cursor; a turn there may also be one taken back.
    int turns = cursor;
    bool found = leadsBackToStart(game, turns, record.start);
    if (!found && cursor < static_cast<int>(game.history.size())) {
        found = leadsBackToStart(game, ++turns, record.start);
        --turns;
    }
    if (!found) {
        return std::nullopt;
    }
    for (int index = 0; index < turns; ++index) {
        const SavedTurn& saved = game.history[static_cast<std::size_t>(index)];
        RecordedTurn turn;
        turn.side = saved.side;
        turn.play = saved.play;
        if (saved.die1 != 0) {
            turn.die1 = saved.die1;
            turn.die2 = saved.die2;
        } else {
            diceOfPlay(saved.play, turn.die1, turn.die2);
        }
        turn.cube = saved.cube;
        record.turns.push_back(turn);
    }
    if (game.cubeValue != cubeAfterDoublesOf(record)) {
        record.cubeKnownFrom = record.turns.size();
        record.knownCubeValue = game.cubeValue;
        record.knownCubeOwner = game.cubeOwner;
    }
    record.match.length = game.matchLength;
    record.match.score = {game.score0, game.score1};
    record.match.crawford = static_cast<MatchState::Crawford>(game.crawford);
    return record;
}

} // namespace vh
