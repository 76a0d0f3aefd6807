#include "match/game_ids.h"

#include "platform/random.h"
#include "players/champion_file.h"
#include "players/roster_file.h"

#include <algorithm>

namespace vh {

std::optional<std::string> gameIdOf(const GameManager& game) {
    if (game.player(0) == nullptr || game.player(1) == nullptr) {
        return std::nullopt;
    }
    MatchIdFields fields;
    BoardPosition position = game.board().position;
    if (const std::optional<AnalysisRequest> request = game.coachRequest()) {
        position = request->position; // without the moves made so far this turn
    }
    fields.sideOnRoll = fields.sideToDecide = game.currentSide();
    fields.gameState = game.winner() != -1 ? 2 : 1;
    if (game.diceShown()) {
        fields.die1 = std::max(game.board().die1, game.board().die2); // the larger first
        fields.die2 = std::min(game.board().die1, game.board().die2);
    }
    fields.cubeValue = game.board().cubeValue;
    fields.cubeOwner = fields.cubeValue == 1 ? -1 : game.cubeOwner();
    const MatchState& match = game.match();
    fields.matchLength = match.length;
    fields.score0 = match.score[0];
    fields.score1 = match.score[1];
    fields.crawford = match.crawford == MatchState::Crawford::ThisGame;
    return gameId(position, fields);
}

SavedGame savedGameOfId(const BoardPosition& position, const MatchIdFields& fields,
                        const std::array<SavedPlayer, 2>& players) {
    SavedGame game;
    game.state = static_cast<std::int32_t>(GameState::Playing);
    game.currentSide = fields.sideOnRoll;
    game.players = players;
    for (int side = 0; side < 2; ++side) {
        SavedPlayer& player = game.players[static_cast<std::size_t>(side)];
        player.side = side;
        player.clockMs = 0;
        game.historyIsComputer[static_cast<std::size_t>(side)] = player.isComputer;
    }
    const bool rolled = fields.die1 != 0 && fields.die2 != 0;
    game.die1 = rolled ? fields.die1 : rollDie();
    game.die2 = rolled ? fields.die2 : rollDie();
    game.cubeValue = fields.cubeValue;
    game.cubeOwner = fields.cubeValue == 1 ? -1 : fields.cubeOwner;
    game.position = position;
    return game;
}

void seatKnownComputers(SavedGame& game) {
    Roster roster;
    readRosterFile(rosterFilePath(), roster);
    const NeuralOpponents neural = readNeuralOpponentsFile(championFilePath());
    for (SavedPlayer& player : game.players) {
        const auto named = [&player](const ComputerProfile& p) { return p.name == player.name; };
        const bool known = std::any_of(roster.begin(), roster.end(), named) ||
                           std::any_of(neural.begin(), neural.end(), named);
        if (known) {
            player.isComputer = 1;
            game.historyIsComputer[static_cast<std::size_t>(player.side)] = 1;
        }
    }
}

} // namespace vh
