#include "ai/computer_player.h"

#include "ai/neural_engine.h"
#include "ai/opponent_engine.h"
#include "board/move_path.h"
#include "neural/race_judges.h"
#include "neural/weights_file.h"
#include "platform/message_box.h"
#include "platform/tick_count.h"
#include "players/champion_file.h"
#include "players/computer_profile.h"
#include "players/roster_file.h"

#include <mutex>
#include <random>
#include <utility>

namespace vh {
namespace {

// The network of Data/Champion.weights, read once for all the players that
// hold it; nothing, with `error` saying why, when the file cannot be used.
std::shared_ptr<const NeuralNetwork> sharedNetwork(std::string& error) {
    static std::mutex guard;
    static std::filesystem::path readFrom;
    static std::weak_ptr<const NeuralNetwork> shared;
    const std::lock_guard lock(guard);
    const std::filesystem::path path = championWeightsPath();
    if (auto network = shared.lock(); network != nullptr && path == readFrom) {
        return network;
    }
    std::optional<TrainedNetwork> trained = readWeightsFile(path, error);
    if (!trained) {
        return nullptr;
    }
    attachRaceJudges(trained->network);
    auto network = std::make_shared<const NeuralNetwork>(std::move(trained->network));
    shared = network;
    readFrom = path;
    return network;
}

} // namespace

std::uint32_t thinkingBudget(bool timed, std::uint32_t remainingMs, std::int32_t extraSeconds) {
    if (!timed) {
        return 60000;
    }
    if (extraSeconds != 0) {
        return remainingMs > 1000 ? remainingMs - 1000 : 0;
    }
    return remainingMs / 50;
}

ComputerPlayer::ComputerPlayer(int side, std::string_view name, SettingsSource settings,
                               TickSource clock, std::optional<std::uint32_t> budgetMs)
    : Player(side, true, name, std::move(settings)), clock_(std::move(clock)),
      budgetOverride_(budgetMs), plays_(std::make_unique<PlayList>()) {
    Roster roster;
    readRosterFile(rosterFilePath(), roster);
    turnState_ = TurnState::Moving;
    const NeuralOpponents neural = readNeuralOpponentsFile(championFilePath());
    const OpponentEngine opponent = opponentEngine(roster, neural, this->name(), kChampionPlies);
    profileIndex_ = opponent.profileIndex;
    parameters_ = opponent.classic;
    choice_ = opponent.choice;
    strength_ = parameters_.strength;
    if (choice_.kind == EngineChoice::Kind::Neural) {
        becomeNeural(neural[static_cast<std::size_t>(profileIndex_ - kRosterSize)]);
    }
}

void ComputerPlayer::becomeNeural(const ComputerProfile& profile) {
    std::string error;
    network_ = sharedNetwork(error);
    if (network_ == nullptr) {
        showMessage(kApplicationTitle, "Data/Champion.weights cannot be used: " + error + ". " +
                                           profile.name +
                                           " plays with the classic evaluation instead.");
        return;
    }
    choice_.noiseSeed = std::random_device{}();
    neuralSpace_ = makeNeuralWorkspace();
}

std::unique_ptr<SearchEngine> ComputerPlayer::makeEngine(const BoardRecord& board,
                                                         std::uint32_t budgetMs, EngineTask task) {
    if (network_ != nullptr) {
        auto engine = std::make_unique<NeuralEngine>(network_, choice_.plies, board, side(),
                                                     budgetMs, neuralSpace_.get());
        engine->setMatch(match_);
        engine->setNoise(choice_.equityNoise, choice_.noiseSeed);
        return engine;
    }
    return std::make_unique<LookaheadEngine>(parameters_, board, side(), budgetMs, task);
}

ComputerPlayer::~ComputerPlayer() {
    if (engine_ != nullptr && worker_.joinable()) {
        engine_->stop();
    }
    worker_.join();
}

std::uint32_t ComputerPlayer::now() const {
    return clock_ ? clock_() : tickCount();
}

void ComputerPlayer::startTurn(CheckerStage& stage, const TurnStart& turn) {
    releaseEngine();
    currentPlay_.count = 0;
    doubleWanted_ = false;
    match_ = turn.match;
    const std::uint32_t budget =
        budgetOverride_.value_or(thinkingBudget(turn.timed, turn.remainingMs, turn.extraSeconds));

    const BoardRecord& board = stage.board();
    BoardPosition position = board.position;
    generatePlays(*plays_, position, side(), board.die1, board.die2);
    if (plays_->count == 0) {
        // Whether to double is decided before the roll, playable or not.
        if (turn.mayDouble) {
            doubleWanted_ =
                makeEngine(board, 0, EngineTask::AnswerDouble)->shouldOfferDouble(board.position);
        }
        turnState_ = TurnState::Complete;
        turnNotice_ = Message{"Turn forfeit.", "The computer player does not have a valid move "
                                               "with the current dice."};
        return;
    }
    engine_ = makeEngine(board, budget, EngineTask::ChoosePlay);
    if (turn.mayDouble) {
        doubleWanted_ = engine_->shouldOfferDouble(board.position);
    }
    SearchEngine* engine = engine_.get();
    worker_.start([engine] { engine->run(); }, WorkerThread::kSearchStackSize);
    turnState_ = TurnState::Moving;
}

TurnState ComputerPlayer::poll(CheckerStage& stage, bool, std::uint32_t, bool) {
    if (turnState_ == TurnState::Moving) {
        if (!worker_.joinable() || !worker_.finished()) {
            return turnState_;
        }
        worker_.join();
        finishSearch(stage);
        return turnState_;
    }
    if (turnState_ == TurnState::Animating && animator_.step(stage, now())) {
        releaseEngine();
        turnState_ = TurnState::Complete;
    }
    return turnState_;
}

void ComputerPlayer::finishSearch(CheckerStage& stage) {
    reloadSettings();
    const Play& result = engine_->result();
    if (result.count < 1) {
        turnNotice_ = Message{std::string(kApplicationTitle), "NumMoves == 0"};
        releaseEngine();
        turnState_ = TurnState::Complete;
        return;
    }
    copyPlay(currentPlay_, result);
    if (settings_.completeAnimation == 1) {
        animator_.start(stage, currentPlay_, checkerSpeed(settings_.animationSpeed), false, now());
        turnState_ = TurnState::Animating;
        return;
    }
    applyPlay(currentPlay_, stage.board().position);
    releaseEngine();
    turnState_ = TurnState::Complete;
    stage.render();
}

void ComputerPlayer::releaseEngine() {
    if (engine_ != nullptr && worker_.joinable()) {
        engine_->stop();
    }
    worker_.join();
    engine_.reset();
}

DoubleReply ComputerPlayer::answerDouble(CheckerStage& stage, std::string_view,
                                         const MatchState& match) {
    // Asked during the other side's turn, while no search of this player
    // runs, so the champion's engine may use the player's workspace.
    match_ = match;
    const auto engine = makeEngine(stage.board(), 1000, EngineTask::AnswerDouble);
    const bool accepted = engine->acceptDouble(stage.board().position);
    return {Message{"Doubling Cube", accepted ? "Double accepted." : "Double declined."}, accepted};
}

void ComputerPlayer::forceMove() {
    if (turnState_ == TurnState::Moving && engine_ != nullptr && worker_.joinable()) {
        engine_->stop();
    }
}

} // namespace vh
