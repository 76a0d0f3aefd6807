#pragma once

#include "coach/game_review.h"
#include "platform/worker_thread.h"

#include <atomic>
#include <memory>
#include <vector>

namespace vh {

// Reviews a game while it is played, on a worker thread: each update hands in
// the game as it stands, turns judged before are kept as long as they are
// unchanged, and the new ones are judged in the background, so that the
// review of a finished game is ready almost at once. Nothing blocks but
// stop(), which returns within one turn's work.
class GameReviewer {
public:
    explicit GameReviewer(std::shared_ptr<const NeuralNetwork> network);
    ~GameReviewer();
    GameReviewer(const GameReviewer&) = delete;
    GameReviewer& operator=(const GameReviewer&) = delete;

    void update(const GameRecord& record);
    // Takes in the worker's finished turns and starts on the next ones.
    void poll();
    // Every turn of the last update is judged.
    bool ready() const;
    // How many turns of the last update are judged.
    std::size_t judgedTurns() const { return judged_.size(); }
    std::size_t totalTurns() const { return contexts_.size(); }
    // The review of the turns judged so far.
    GameReview review() const { return summariseReview(record_, judged_); }
    void stop();

private:
    void startWork();

    std::shared_ptr<const NeuralNetwork> network_;
    GameRecord record_;
    std::vector<TurnContext> contexts_;
    std::vector<TurnReview> judged_;
    // The worker's own copies: the turns it judges, from index workStart_.
    std::vector<TurnContext> work_;
    std::vector<TurnReview> done_;
    std::size_t workStart_ = 0;
    bool working_ = false;
    std::atomic<bool> stop_{false};
    std::unique_ptr<NeuralWorkspace> workspace_;
    WorkerThread worker_; // declared last: joined before what it reads goes away
};

} // namespace vh
