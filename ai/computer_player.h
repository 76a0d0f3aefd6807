#pragma once

#include "ai/engine_choice.h"
#include "ai/engine_parameters.h"
#include "ai/lookahead_engine.h"
#include "ai/neural_workspace.h"
#include "board/move_animator.h"
#include "neural/network.h"
#include "platform/worker_thread.h"
#include "players/computer_profile.h"
#include "players/player.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace vh {

// The computer at one side of the board. At the start of its turn it builds a
// search engine from its opponent profile and runs it on a worker thread
// with a large stack; poll never blocks: it takes the play over once the
// thread has finished and shows it gliding (or puts it on the board at once,
// as the options say). A worker still running when the player goes away is
// stopped through the engine's deadline and joined first.
class ComputerPlayer final : public Player {
public:
    using TickSource = std::function<std::uint32_t()>;

    // Finds its profile in Data/Computers.dat: the last whose name contains
    // `name` (the first profile when none does); its cash sets the strength.
    // When none of the ten contains the name but one of Data/Champion.dat
    // does, it is that one, a rung of the ladder or the champion: it plays
    // with the neural network of Data/Champion.weights (read once for all
    // the players alive), the champion at kChampionPlies, a rung at its own
    // depth and error; when that file cannot be used it says so in a message
    // box and plays the classic search at the strength of its cash.
    // In a match the network plays for the match at its score; the classic
    // search plays as for money at any score.
    // `budgetMs`, when given, replaces the thinking time the clock allows.
    ComputerPlayer(int side, std::string_view name, SettingsSource settings = settingsFromFile,
                   TickSource clock = nullptr, std::optional<std::uint32_t> budgetMs = {});
    ~ComputerPlayer() override;

    void startTurn(CheckerStage& stage, const TurnStart& turn) override;
    TurnState poll(CheckerStage& stage, bool timed, std::uint32_t remainingMs,
                   bool diceShown) override;
    DoubleReply answerDouble(CheckerStage& stage, std::string_view offeringName,
                             const MatchState& match) override;
    void forceMove() override;

    const EngineParameters& parameters() const { return parameters_; }
    // 0-9 for the ten of the roster, then kRosterSize + the index among
    // Data/Champion.dat's (the ladder, then the champion).
    int profileIndex() const { return profileIndex_; }
    // One of Data/Champion.dat's with the network loaded.
    bool playsNeural() const { return network_ != nullptr; }

    // How many plies the champion's search looks ahead.
    static constexpr int kChampionPlies = 2;

private:
    void becomeNeural(const ComputerProfile& profile);
    std::unique_ptr<SearchEngine> makeEngine(const BoardRecord& board, std::uint32_t budgetMs,
                                             EngineTask task);
    void finishSearch(CheckerStage& stage);
    void releaseEngine();
    std::uint32_t now() const;

    EngineParameters parameters_;
    EngineChoice choice_;
    int profileIndex_ = 0;
    MatchState match_; // the score of the game, as the last turn or double said
    TickSource clock_;
    std::optional<std::uint32_t> budgetOverride_;
    MoveAnimator animator_;
    std::unique_ptr<PlayList> plays_;              // 6.8 MB: allocated once, off the stack
    std::shared_ptr<const NeuralNetwork> network_; // shared, read-only
    std::unique_ptr<NeuralWorkspace> neuralSpace_; // about 14 MB, for the network only
    std::unique_ptr<SearchEngine> engine_;
    WorkerThread worker_; // declared last: joined before the engine goes away
};

// Thinking time for a turn: a minute without a clock; with a clock, all but a
// second of what is left when time is added per move, else a fiftieth.
std::uint32_t thinkingBudget(bool timed, std::uint32_t remainingMs, std::int32_t extraSeconds);

} // namespace vh
