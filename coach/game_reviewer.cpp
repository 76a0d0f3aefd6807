#include "coach/game_reviewer.h"

#include "ai/neural_workspace.h"

namespace vh {

GameReviewer::GameReviewer(std::shared_ptr<const NeuralNetwork> network)
    : network_(std::move(network)), workspace_(makeNeuralWorkspace()) {}

GameReviewer::~GameReviewer() {
    stop();
}

void GameReviewer::update(const GameRecord& record) {
    record_ = record;
    contexts_ = turnContexts(record);
    std::size_t same = 0;
    while (same < judged_.size() && same < contexts_.size() &&
           judged_[same].context == contexts_[same]) {
        ++same;
    }
    judged_.resize(same);
    poll();
}

void GameReviewer::poll() {
    if (working_) {
        if (!worker_.finished()) {
            return;
        }
        worker_.join();
        working_ = false;
        // Only what still follows on from the turns kept, and still is the game.
        for (std::size_t i = 0; i < done_.size(); ++i) {
            const std::size_t index = workStart_ + i;
            if (index != judged_.size() || index >= contexts_.size() ||
                !(done_[i].context == contexts_[index])) {
                break;
            }
            judged_.push_back(std::move(done_[i]));
        }
    }
    if (!ready()) {
        startWork();
    }
}

bool GameReviewer::ready() const {
    return !working_ && judged_.size() == contexts_.size();
}

void GameReviewer::startWork() {
    workStart_ = judged_.size();
    work_.assign(contexts_.begin() + static_cast<std::ptrdiff_t>(workStart_), contexts_.end());
    done_.clear();
    stop_ = false;
    working_ = true;
    worker_.start(
        [this] {
            for (const TurnContext& context : work_) {
                TurnReview review = reviewTurn(network_, context, *workspace_, &stop_);
                if (stop_.load()) {
                    return;
                }
                done_.push_back(std::move(review));
            }
        },
        WorkerThread::kSearchStackSize);
}

void GameReviewer::stop() {
    stop_ = true;
    worker_.join();
    if (working_) {
        working_ = false;
        done_.clear();
    }
}

} // namespace vh
