#include "match/game_manager.h"
#include "match/game_record_of.h"
#include "match/saved_game.h"
#include "platform/message_box.h"

namespace vh {

bool GameManager::saveGame(const std::filesystem::path& path) {
    const std::optional<SavedGame> game = savedGame();
    if (!game) {
        return false; // no game to save
    }
    std::string error;
    if (!writeSavedGameFile(path, *game, error)) {
        showMessage("Save Game", "The game could not be saved. " + error);
        return false;
    }
    return true;
}

bool GameManager::writeAutosave() {
    if (environment_.autosavePath.empty() || winner_ != -1) {
        return false;
    }
    const std::optional<SavedGame> game = savedGame();
    std::string error;
    return game && writeSavedGameFile(environment_.autosavePath, *game, error);
}

std::optional<SavedGame> GameManager::savedGame() {
    if (!players_[0] || !players_[1]) {
        return std::nullopt;
    }
    returnHeldChecker(); // the file gets every checker on the board
    SavedGame game;
    game.turnsPlayed = turnsPlayed_;
    game.currentSide = currentSide_;
    game.state = static_cast<std::int32_t>(state_);
    game.gameTimeMs = gameTime_.get();
    game.timed = timed_;
    game.initialSeconds = initialSeconds_;
    game.extraSeconds = extraSeconds_;
    for (int side = 0; side < 2; ++side) {
        const Player& seated = *player(side);
        SavedPlayer& saved = game.players[static_cast<std::size_t>(side)];
        saved.name = seated.name();
        saved.isComputer = seated.isComputer() ? 1 : 0;
        saved.side = side;
        saved.clockMs = clockValue(side).value_or(0);
    }
    game.die1 = board_.die1;
    game.die2 = board_.die2;
    game.cubeValue = board_.cubeValue;
    game.position = board_.position;
    game.cubeOwner = cubeOwner_;
    game.matchLength = match_.length;
    game.score0 = match_.score[0];
    game.score1 = match_.score[1];
    game.crawford = static_cast<std::int32_t>(match_.crawford);
    game.historyIsComputer = {history_->isComputer(0) ? 1 : 0, history_->isComputer(1) ? 1 : 0};
    game.historyCursor = history_->cursor();
    for (int index = 0; index < history_->total(); ++index) {
        SavedTurn& turn = game.history.emplace_back();
        turn.side = history_->sideAt(index);
        turn.play = *history_->playAt(index);
        turn.die1 = history_->dieAt(index, 0);
        turn.die2 = history_->dieAt(index, 1);
    }
    for (const CubeEvent& event : cubeEvents_) {
        const auto at = static_cast<std::size_t>(event.historyIndex);
        if (event.accepted && at < game.history.size() && game.history[at].side == event.side) {
            game.history[at].cube = CubeAction::DoubleTaken;
        }
    }
    return game;
}

bool GameManager::openGame(const std::filesystem::path& path) {
    SavedGame game;
    const SavedGameCheck check = readSavedGameFile(path, game);
    if (!check.valid) {
        showMessage("Open Game",
                    path.string() + " cannot be opened as a saved game: " + check.problem + ".");
        return false;
    }
    openSavedGame(game);
    return true;
}

void GameManager::openSavedGame(const SavedGame& game, std::vector<GameRecord> earlierGames) {
    settings_ = readSettings();
    turnsPlayed_ = game.turnsPlayed;
    currentSide_ = game.currentSide;
    firstSide_ = game.currentSide;
    state_ = static_cast<GameState>(game.state);
    gameTime_ = Stopwatch();
    gameTime_.set(game.gameTimeMs);
    timed_ = game.timed;
    initialSeconds_ = game.initialSeconds;
    extraSeconds_ = game.extraSeconds;
    clocks_ = {};
    for (const SavedPlayer& saved : game.players) {
        const auto index = static_cast<std::size_t>(saved.side);
        players_[index] = makePlayer(saved.side, saved.isComputer == 1, saved.name);
        if (timed_) {
            clocks_[index].emplace();
            clocks_[index]->set(saved.clockMs);
        }
    }
    setUpBoard();
    gameTime_.start(now());
    board_.die1 = game.die1;
    board_.die2 = game.die2;
    board_.cubeValue = game.cubeValue;
    board_.position = game.position;
    history_->clear();
    history_->reset(players_[0]->isComputer(), players_[1]->isComputer());
    cubeOwner_ = game.cubeOwner;
    match_.length = game.matchLength;
    match_.score = {game.score0, game.score1};
    match_.crawford = static_cast<MatchState::Crawford>(game.crawford);
    matchGames_ = match_.isMatch() ? std::move(earlierGames) : std::vector<GameRecord>{};
    cubeEvents_.clear();
    if (std::optional<GameRecord> prior = recordOfSavedGame(game)) {
        priorRecord_ = std::move(*prior);
    } else {
        priorRecord_ = {};
        priorRecord_.start = game.position;
        priorRecord_.startCubeValue = game.cubeValue;
        priorRecord_.startCubeOwner = game.cubeOwner;
        priorRecord_.openingRoll = false;
    }
    openingTurn_ = false;
    begunWithOpeningRoll_ = false;
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->start(now());
    }
    startCurrentTurn();
    showFreshBoard();
    winner_ = -1;
    resultKind_ = ResultKind::Single;
    setState(GameState::Playing);
}

} // namespace vh
