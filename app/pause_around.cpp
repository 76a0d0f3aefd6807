#include "app/pause_around.h"

#include "match/game_manager.h"

namespace vh::app {

PauseAround::PauseAround(GameManager* game) : game_(game) {
    if (game_ != nullptr &&
        (game_->state() == GameState::Playing || game_->state() == GameState::Paused)) {
        game_->pause();
        paused_ = true;
    }
}

PauseAround::~PauseAround() {
    if (paused_ && game_->state() == GameState::Paused) {
        game_->resume();
    }
}

} // namespace vh::app
