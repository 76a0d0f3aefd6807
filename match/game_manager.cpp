#include "match/game_manager.h"

#include "ai/computer_player.h"
#include "match/cube_value.h"
#include "match/game_end.h"
#include "match/human_player.h"
#include "match/money.h"
#include "platform/message_box.h"
#include "platform/program_folders.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "platform/tick_count.h"
#include "players/roster_file.h"
#include "rules/side.h"

#include <algorithm>
#include <ctime>

namespace vh {

GameManager::GameManager(GameEnvironment environment)
    : environment_(std::move(environment)), history_(std::make_unique<MoveHistory>()),
      replayList_(std::make_unique<PlayList>()) {
    if (!environment_.settings) {
        environment_.settings = settingsFromFile;
    }
    if (!environment_.makeStage) {
        environment_.makeStage = [](BoardRecord& board) {
            return std::make_unique<HeadlessStage>(board);
        };
    }
    stage_ = environment_.makeStage(board_);
    if (environment_.seedFromClock) {
        seedRandom(tickCount());
    }
}

GameManager::~GameManager() {
    // Players first: a computer still thinking is stopped and joined while
    // everything its search was built from still exists.
    players_[0].reset();
    players_[1].reset();
}

std::uint32_t GameManager::now() const {
    return environment_.clock ? environment_.clock() : tickCount();
}

GameSettings GameManager::readSettings() const {
    return environment_.settings();
}

std::unique_ptr<Player> GameManager::makePlayer(int side, bool isComputer,
                                                const std::string& name) const {
    if (isComputer) {
        return std::make_unique<ComputerPlayer>(side, name, environment_.settings,
                                                environment_.clock, environment_.thinkingBudgetMs);
    }
    return std::make_unique<HumanPlayer>(side, name, environment_.settings,
                                         [this] { return now(); });
}

Player* GameManager::player(int side) const {
    return side == 0 || side == 1 ? players_[static_cast<std::size_t>(side)].get() : nullptr;
}

Player* GameManager::currentPlayer() const {
    return player(currentSide_);
}

Stopwatch* GameManager::clockOf(int side) {
    if (!timed_ || (side != 0 && side != 1)) {
        return nullptr;
    }
    auto& clock = clocks_[static_cast<std::size_t>(side)];
    return clock ? &*clock : nullptr;
}

std::optional<std::uint32_t> GameManager::clockValue(int side) const {
    if (!timed_ || (side != 0 && side != 1) || !clocks_[static_cast<std::size_t>(side)]) {
        return std::nullopt;
    }
    return clocks_[static_cast<std::size_t>(side)]->get();
}

void GameManager::setUpBoard() {
    pending_.clear();
    revealAt_.reset();
    animator_.stop();
    replayList_->count = 0;
    setUpStartPosition(board_);
    stage_->setLiftedFrom(-1);
}

void GameManager::setUpTiming(bool useTimer) {
    clocks_ = {};
    if (useTimer) {
        timed_ = true;
        // A damaged or hand-edited options file can hold negative times.
        initialSeconds_ = std::max(initialSeconds_, 0);
        extraSeconds_ = std::max(extraSeconds_, 0);
        for (auto& clock : clocks_) {
            clock.emplace();
            clock->set(secondsToMilliseconds(initialSeconds_));
        }
    } else {
        timed_ = false;
        initialSeconds_ = 0;
        extraSeconds_ = 0;
    }
}

void GameManager::rollDice() {
    board_.die1 = rollDie();
    board_.die2 = rollDie();
}

void GameManager::newGame(int matchLength) {
    match_ = {};
    match_.length = std::clamp(matchLength, 0, MatchState::kLongestMatch);
    matchGames_.clear();
    settings_ = readSettings();
    state_ = GameState::Playing;
    setUpBoard();
    for (int side = 0; side < 2; ++side) {
        players_[static_cast<std::size_t>(side)] =
            makePlayer(side, settings_.playerIsComputer[static_cast<std::size_t>(side)] == 1,
                       settings_.playerName[static_cast<std::size_t>(side)]);
    }
    winner_ = -1;
    resultKind_ = ResultKind::Single;
    cubeOwner_ = -1;
    history_->clear();
    history_->reset(players_[0]->isComputer(), players_[1]->isComputer());
    startRecord();
    initialSeconds_ = clampToInt32(static_cast<std::int64_t>(settings_.initialMinutes) * 60 +
                                   settings_.initialSeconds);
    extraSeconds_ = clampToInt32(static_cast<std::int64_t>(settings_.perMoveMinutes) * 60 +
                                 settings_.perMoveSeconds);
    setUpTiming(settings_.useTimer == 1);
    gameTime_ = Stopwatch();
    gameTime_.start(now());
    const OpeningRoll opening = rollOpening(rollDie);
    firstSide_ = currentSide_ = opening.firstSide;
    startFirstTurn(opening);
}

bool GameManager::nextMatchGame() {
    if (state_ != GameState::GameOver || !matchGoesOn()) {
        return false;
    }
    matchGames_.push_back(gameRecord());
    match_ = matchAfterGame();
    state_ = GameState::Playing;
    startWithSameSeats(std::nullopt);
    return true;
}

MatchState GameManager::matchAfterGame() const {
    MatchState after = match_;
    if (winner_ != -1 && state_ == GameState::GameOver) {
        after.addGame(winner_, points_);
    }
    return after;
}

bool GameManager::matchGoesOn() const {
    return match_.isMatch() && state_ == GameState::GameOver && winner_ != -1 &&
           matchAfterGame().winner() == -1;
}

void GameManager::startFirstTurn(const OpeningRoll& opening) {
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->start(now());
        clock->add(secondsToMilliseconds(extraSeconds_));
    }
    turnsPlayed_ = 0;
    board_.die1 = opening.die1;
    board_.die2 = opening.die2;
    board_.cubeValue = 1;
    openingTurn_ = true;
    begunWithOpeningRoll_ = true;
    startCurrentTurn();
    showFreshBoard();
}

void GameManager::showFreshBoard() {
    stage_->setCubeOwner(cubeOwner_);
    stage_->render();
    diceShown_ = {};
    offerPressed_ = {};
    offerAvailable_ = {};
    activatePanel(currentSide_);
}

void GameManager::startCurrentTurn() {
    TurnStart turn;
    turn.timed = timed_;
    turn.remainingMs = timed_ && clockOf(currentSide_) ? clockOf(currentSide_)->get() : 0;
    turn.extraSeconds = timed_ ? extraSeconds_ : 0;
    turn.mayDouble = mayDouble(currentSide_);
    turn.match = match_;
    currentPlayer()->startTurn(*stage_, turn);
    // The turn in progress is known to the history from its start, so that
    // a replay ending here finds its side and dice.
    history_->writeCurrent(nullptr, currentSide_, board_.die1, board_.die2);
}

bool GameManager::mayDouble(int side) const {
    // The opening roll is played as it fell: nobody doubles before it.
    return !openingTurn_ && match_.cubeAvailable() && (cubeOwner_ == side || board_.cubeValue == 1);
}

void GameManager::activatePanel(int side, bool rollSeen) {
    const auto index = static_cast<std::size_t>(side);
    const Player& seated = *player(side);
    offerAvailable_[index] = !rollSeen && mayDouble(side);
    offerPressed_[index] = false;
    revealAt_.reset();
    // A computer's roll stays hidden while its double waits for the answer.
    diceShown_[index] =
        seated.isComputer() ? !seated.doubleWanted() : rollSeen || environment_.revealDiceAtOnce;
}

void GameManager::restartGame() {
    returnHeldChecker();
    if (!players_[0] || !players_[1]) {
        newGame();
        return;
    }
    // The same side begins again: its opening roll is two different
    // numbers, the higher its own.
    startWithSameSeats(firstSide_);
    if (state_ == GameState::UndoAnimating || state_ == GameState::RedoAnimating) {
        state_ = GameState::Playing; // the replay was abandoned with the old board
    } else if (state_ == GameState::Paused) {
        // Restarting a paused game leaves it paused, its clocks stopped.
        gameTime_.stop(now());
        if (Stopwatch* clock = clockOf(currentSide_)) {
            clock->stop(now());
        }
    }
}

void GameManager::startWithSameSeats(std::optional<int> firstSide) {
    // The same players again, even when the options name others by now.
    std::array<std::pair<bool, std::string>, 2> seats;
    for (int side = 0; side < 2; ++side) {
        const Player* seated = player(side);
        seats[static_cast<std::size_t>(side)] = {seated->isComputer(), seated->name()};
    }
    winner_ = -1;
    settings_ = readSettings();
    players_[0].reset();
    players_[1].reset();
    history_->clear();
    setUpBoard();
    for (int side = 0; side < 2; ++side) {
        const auto& seat = seats[static_cast<std::size_t>(side)];
        players_[static_cast<std::size_t>(side)] = makePlayer(side, seat.first, seat.second);
    }
    history_->reset(players_[0]->isComputer(), players_[1]->isComputer());
    startRecord();
    resultKind_ = ResultKind::Single;
    cubeOwner_ = -1;
    setUpTiming(settings_.useTimer == 1);
    gameTime_ = Stopwatch();
    gameTime_.start(now());
    OpeningRoll opening = rollOpening(rollDie);
    if (firstSide) {
        opening.firstSide = *firstSide;
    }
    firstSide_ = currentSide_ = opening.firstSide;
    startFirstTurn(opening);
}

void GameManager::step() {
    if (!pending_.empty()) {
        answerHeldNotice();
        return;
    }
    switch (state_) {
    case GameState::Playing:
        stepPlaying();
        break;
    case GameState::UndoAnimating:
    case GameState::RedoAnimating:
        stepReplay();
        break;
    default:
        break;
    }
}

void GameManager::stepPlaying() {
    gameTime_.advanceUp(now());
    revealDueDice();
    const int boardWinnerSide = winner_ != -1 ? winner_ : boardWinner(board_.position);
    if (boardWinnerSide != -1) {
        endOnBoard(boardWinnerSide);
        return;
    }
    Player& current = *currentPlayer();
    if (Stopwatch* clock = clockOf(currentSide_)) {
        if (current.turnState() == TurnState::Animating) {
            clock->stop(now());
        } else {
            clock->advanceDown(now());
        }
    }
    // A double is answered before the roll is played.
    if (handleDoubleOffer()) {
        return;
    }
    const std::uint32_t remaining = clockOf(currentSide_) ? clockOf(currentSide_)->get() : 0;
    const TurnState turn = current.poll(*stage_, timed_, remaining,
                                        diceShown_[static_cast<std::size_t>(currentSide_)]);
    if (turn == TurnState::Complete) {
        if (std::optional<Message> notice = current.takeTurnNotice()) {
            post(std::move(*notice), AfterAnswer::EndTurn);
        } else {
            endTurn();
        }
        return;
    }
    const Play& partial = current.currentPlay();
    if (partial.count >= 1 && history_->total() > history_->cursor()) {
        // A new turn is being made where a taken-back one could have been
        // replayed: that one can no longer be redone.
        history_->setTotal(history_->cursor());
    }
    history_->writeCurrent(partial.count >= 1 ? &partial : nullptr, currentSide_, board_.die1,
                           board_.die2);
}

void GameManager::endTurn() {
    Player& finishing = *currentPlayer();
    const Play& play = finishing.currentPlay();
    if (play.count >= 1) {
        ++turnsPlayed_;
        history_->append(play, currentSide_, board_.die1, board_.die2);
    }
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->stop(now());
    }
    currentSide_ = otherSide(currentSide_);
    openingTurn_ = false;
    rollDice();
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->start(now());
    }
    startCurrentTurn();
    activatePanel(currentSide_);
    writeAutosave();
}

bool GameManager::handleDoubleOffer() {
    Player& offering = *currentPlayer();
    const auto index = static_cast<std::size_t>(currentSide_);
    if (!offerPressed_[index] && !offering.doubleWanted()) {
        return false;
    }
    offerPressed_[index] = false;
    offering.clearDoubleWanted();
    DoubleReply reply =
        player(otherSide(currentSide_))->answerDouble(*stage_, offering.name(), match_);
    post(std::move(reply.message), AfterAnswer::SettleDouble, reply.accepted);
    return true;
}

void GameManager::settleDouble(bool accepted) {
    const Player& offering = *currentPlayer();
    cubeEvents_.push_back({history_->cursor(), currentSide_, accepted});
    if (accepted) {
        board_.cubeValue = doubledCube(board_.cubeValue);
        cubeOwner_ = otherSide(currentSide_);
        stage_->setCubeOwner(cubeOwner_);
        diceShown_[static_cast<std::size_t>(currentSide_)] |= offering.isComputer();
        stage_->render();
        return;
    }
    settleGame(currentSide_, ResultKind::Single, board_.cubeValue);
    const GameEndMessage message = match_.isMatch()
                                       ? matchGameEndMessage(matchGameEnd(true))
                                       : refusedDoubleMessage(offering.name(), amount_);
    post({message.caption, message.text}, AfterAnswer::EndGame);
}

void GameManager::settleGame(int winner, ResultKind kind, int points) {
    winner_ = winner;
    resultKind_ = kind;
    points_ = points;
    if (!match_.isMatch()) {
        amount_ = stake(board_.cubeValue, settings_.matchBet, static_cast<std::int32_t>(kind));
        return;
    }
    MatchState after = match_;
    after.addGame(winner, points);
    amount_ = after.winner() != -1 ? settings_.matchBet : 0;
}

MatchGameEnd GameManager::matchGameEnd(bool refused) const {
    MatchGameEnd end;
    for (int side = 0; side < 2; ++side) {
        end.names[static_cast<std::size_t>(side)] = player(side)->name();
        end.isComputer[static_cast<std::size_t>(side)] = player(side)->isComputer();
    }
    end.winner = winner_;
    end.kind = resultKind_;
    end.refused = refused;
    end.points = points_;
    end.after = match_;
    end.after.addGame(winner_, points_);
    end.bet = amount_;
    return end;
}

void GameManager::endOnBoard(int winner) {
    const ResultKind kind = vh::resultKind(board_.position, winner);
    settleGame(winner, kind, board_.cubeValue * static_cast<int>(kind));
    const Player& winning = *player(winner);
    const Player& losing = *player(otherSide(winner));
    const GameEndMessage message = match_.isMatch()
                                       ? matchGameEndMessage(matchGameEnd(false))
                                       : boardEndMessage(winning.name(), winning.isComputer(),
                                                         losing.name(), resultKind_, amount_);
    if (settings_.muteSounds == 0) {
        soundPlayer().play(dataPath(message.won ? "Sounds/Win.wav" : "Sounds/Lose.wav"));
    }
    post({message.caption, message.text}, AfterAnswer::EndGame);
}

void GameManager::post(Message message, AfterAnswer after, bool accepted) {
    if (pending_.empty()) {
        holdClocks();
        frontSince_ = now();
    }
    pending_.push_back({std::move(message), after, accepted, ++lastSerial_});
}

const Message* GameManager::pendingMessage() const {
    return pending_.empty() ? nullptr : &pending_.front().message;
}

std::uint64_t GameManager::pendingSerial() const {
    return pending_.empty() ? 0 : pending_.front().serial;
}

void GameManager::dismissNotice() {
    if (!pending_.empty() && isNotice(pending_.front().message)) {
        answer(MessageAnswer::Ok);
    }
}

void GameManager::answerHeldNotice() {
    if (environment_.noticeHoldMs && state_ == GameState::Playing &&
        isNotice(pending_.front().message) && now() - frontSince_ >= *environment_.noticeHoldMs) {
        answer(MessageAnswer::Ok);
    }
}

void GameManager::answer(MessageAnswer reply) {
    if (pending_.empty()) {
        return;
    }
    const PendingMessage answered = std::move(pending_.front());
    pending_.pop_front();
    frontSince_ = now();
    switch (answered.after) {
    case AfterAnswer::EndTurn:
        endTurn();
        break;
    case AfterAnswer::SettleDouble:
        settleDouble(answered.message.buttons == MessageButtons::YesNo ? reply == MessageAnswer::Yes
                                                                       : answered.accepted);
        break;
    case AfterAnswer::EndGame:
        setState(GameState::GameOver);
        break;
    }
    if (pending_.empty()) {
        runClocks();
    }
}

void answerPendingMessages(GameManager& game, MessageBoxes& boxes) {
    while (const Message* message = game.pendingMessage()) {
        game.answer(boxes.show(*message));
    }
}

void GameManager::holdClocks() {
    const std::uint32_t tick = now();
    gameTime_.advanceUp(tick);
    gameTime_.stop(tick);
    if (Stopwatch* clock = clockOf(currentSide_)) {
        clock->advanceDown(tick);
        clock->stop(tick);
    }
}

void GameManager::runClocks() {
    if (state_ != GameState::Playing || !pending_.empty()) {
        return;
    }
    const std::uint32_t tick = now();
    if (gameTime_.stopped()) {
        gameTime_.start(tick);
    }
    if (Stopwatch* clock = clockOf(currentSide_); clock != nullptr && clock->stopped()) {
        clock->start(tick);
    }
}

void GameManager::setState(GameState state) {
    if (state == state_ || static_cast<std::int32_t>(state) > 5) {
        return;
    }
    returnHeldChecker();
    const std::uint32_t tick = now();
    Stopwatch* clock = clockOf(currentSide_);
    switch (state) {
    case GameState::NoGame:
        state_ = state;
        break;
    case GameState::Playing:
        state_ = state;
        runClocks();
        break;
    case GameState::Paused:
    case GameState::UndoAnimating:
    case GameState::RedoAnimating:
        state_ = state;
        gameTime_.stop(tick);
        if (clock != nullptr) {
            clock->stop(tick);
        }
        if (state != GameState::Paused) {
            startReplayAnimation();
        }
        break;
    case GameState::GameOver:
        state_ = state;
        gameTime_.stop(tick);
        for (int side = 0; side < 2; ++side) {
            if (Stopwatch* sideClock = clockOf(side)) {
                sideClock->stop(tick);
            }
        }
        fileResult();
        break;
    }
}

void GameManager::fileResult() {
    if (environment_.store == nullptr || winner_ == -1) {
        return;
    }
    if (firstHumanName()) {
        environment_.store->recordGame(finishedGame()); // only human players are filed
    }
    // Written at every game's end, so that players created since the last
    // save are not lost when the store is read again.
    environment_.store->savePlayers();
}

GameResult GameManager::finishedGame() const {
    GameResult result;
    for (int side = 0; side < 2; ++side) {
        const auto index = static_cast<std::size_t>(side);
        const Player& seated = *player(side);
        result.names[index] = seated.name();
        result.isComputer[index] = seated.isComputer() ? 1 : 0;
        result.bet[index] = settings_.matchBet;
        result.lost[index] = side == winner_ ? 0 : 1;
        result.money[index] = side == winner_ ? amount_ : clampToInt32(-std::int64_t{amount_});
    }
    result.stoneColour = {settings_.stoneColourA, settings_.stoneColourB};
    result.resultKind = static_cast<std::int32_t>(resultKind_);
    result.cubeValue = board_.cubeValue;
    result.duration = clampToInt32(gameTime_.get());
    const std::time_t nowTime = std::time(nullptr);
    std::tm local{};
    localtime_r(&nowTime, &local);
    result.day = local.tm_mday;
    result.month = local.tm_mon;
    result.year = local.tm_year + 1900;
    result.endTime = static_cast<std::uint32_t>(
        ((local.tm_hour * 60 + local.tm_min) * 60 + local.tm_sec) * 1000);
    result.startTime = result.endTime - gameTime_.get();
    return result;
}

void GameManager::forceMove() {
    Player* current = currentPlayer();
    if (current != nullptr && current->isComputer()) {
        current->forceMove();
    }
}

void GameManager::offerDouble() {
    if (canOfferDouble()) {
        returnHeldChecker();
        const auto index = static_cast<std::size_t>(currentSide_);
        offerPressed_[index] = true;
        offerAvailable_[index] = false;
    }
}

bool GameManager::pressDiceCup() {
    if (!isHumanTurn() || diceShown() || revealAt_) {
        return false;
    }
    if (settings_.muteSounds == 0) {
        static constexpr const char* kRattles[] = {"Sounds/Dice1.wav", "Sounds/Dice2.wav",
                                                   "Sounds/Dice3.wav"};
        // The clock picks the rattle: the dice's generator stays the dice's.
        soundPlayer().play(dataPath(kRattles[now() % 3]));
    }
    revealAt_ = now() + environment_.diceRevealMs;
    revealDueDice();
    return true;
}

void GameManager::revealDueDice() {
    if (revealAt_ && static_cast<std::int32_t>(now() - *revealAt_) >= 0) {
        revealAt_.reset();
        diceShown_[static_cast<std::size_t>(currentSide_)] = true;
    }
}

bool GameManager::diceShown() const {
    return (currentSide_ == 0 || currentSide_ == 1) &&
           diceShown_[static_cast<std::size_t>(currentSide_)];
}

void GameManager::routeMouse(MouseMessage message, int x, int y) {
    Player* current = currentPlayer();
    if (state_ != GameState::Playing || current == nullptr || !pending_.empty()) {
        return;
    }
    if (!current->isComputer() && !diceShown_[static_cast<std::size_t>(currentSide_)]) {
        return; // the dice cup has not been pressed yet
    }
    current->handleMouse(*stage_, message, x, y);
}

BoardCursor GameManager::boardCursor() const {
    const Player* current = currentPlayer();
    return state_ == GameState::Playing && current != nullptr ? current->cursor()
                                                              : BoardCursor::Arrow;
}

void GameManager::returnHeldChecker() {
    for (auto& seated : players_) {
        if (seated) {
            seated->returnHeldChecker(*stage_);
        }
    }
}

void GameManager::reloadSettings() {
    settings_ = readSettings();
    for (auto& seated : players_) {
        if (seated) {
            seated->reloadSettings();
        }
    }
}

bool GameManager::isHumanTurn() const {
    const Player* current = currentPlayer();
    return state_ == GameState::Playing && pending_.empty() && current != nullptr &&
           !current->isComputer();
}

bool GameManager::canUndo() const {
    return isHumanTurn() && winner_ == -1 && currentPlayer()->turnState() != TurnState::Animating &&
           (history_->canUndo() || currentPlayer()->currentPlay().count > 0);
}

bool GameManager::canRedo() const {
    return isHumanTurn() && winner_ == -1 && history_->canRedo() &&
           currentPlayer()->turnState() != TurnState::Animating &&
           currentPlayer()->currentPlay().count == 0;
}

bool GameManager::isComputerThinking() const {
    const Player* current = currentPlayer();
    return state_ == GameState::Playing && pending_.empty() && current != nullptr &&
           current->isComputer() && current->turnState() == TurnState::Moving;
}

bool GameManager::isHumanMoving() const {
    return isHumanTurn() && currentPlayer()->turnState() == TurnState::Moving;
}

bool GameManager::humanHasNotMoved() const {
    return isHumanTurn() && currentPlayer()->currentPlay().count == 0;
}

bool GameManager::canOfferDouble() const {
    // Only while the roll is still under the cup: once seen, too late.
    return isHumanTurn() && winner_ == -1 && !diceShown() &&
           offerAvailable_[static_cast<std::size_t>(currentSide_)];
}

std::uint32_t GameManager::remainingTime() const {
    return clockValue(currentSide_).value_or(0);
}

PanelContent GameManager::panelContent(int side) const {
    PanelContent content;
    const Player* seated = player(side);
    if (seated == nullptr) {
        return content;
    }
    const auto index = static_cast<std::size_t>(side);
    content.name = seated->name();
    content.isComputer = seated->isComputer();
    content.textColourCode = side == 0 ? settings_.stoneColourA : settings_.stoneColourB;
    content.timed = timed_;
    content.clockMs = clockValue(side).value_or(0);
    // A checker in the air still has its way to go.
    BoardPosition position = board_.position;
    if (const int lifted = stage_->liftedFrom(); lifted >= 0) {
        ++position[lifted].count;
    }
    content.pipsToGo = static_cast<int>(pipCount(position, side));
    content.active = side == currentSide_;
    content.diceShown = diceShown_[index];
    content.die1 = board_.die1;
    content.die2 = board_.die2;
    if (match_.isMatch()) {
        const MatchState shown = matchAfterGame();
        content.matchScore = matchScoreText(shown, side);
        content.crawford = shown.crawford == MatchState::Crawford::ThisGame && winner_ == -1;
    }
    return content;
}

std::filesystem::path GameManager::panelPhoto(int side) const {
    const Player* seated = player(side);
    if (seated == nullptr) {
        return {};
    }
    if (seated->isComputer()) {
        return computerPicturePath(seated->name()).value_or(std::filesystem::path());
    }
    const PlayerRecord* record =
        environment_.store != nullptr ? environment_.store->findPlayer(seated->name()) : nullptr;
    return record != nullptr && !record->photoPath.empty()
               ? std::filesystem::path(record->photoPath)
               : std::filesystem::path();
}

std::optional<std::string> GameManager::firstHumanName() const {
    for (const auto& seated : players_) {
        if (seated && !seated->isComputer()) {
            return seated->name();
        }
    }
    return std::nullopt;
}

} // namespace vh
