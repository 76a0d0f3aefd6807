#pragma once

namespace vh {
class GameManager;
}

namespace vh::app {

// Pauses a running game while a dialog, a web page or the help is open and
// continues it afterwards. Only a game that was playing or paused is touched:
// an undo or redo replay, or a finished game, is left in its state (pausing a
// replay would abandon it with a checker lifted off the board).
class PauseAround {
public:
    explicit PauseAround(GameManager* game);
    ~PauseAround();
    PauseAround(const PauseAround&) = delete;
    PauseAround& operator=(const PauseAround&) = delete;

private:
    GameManager* game_;
    bool paused_ = false;
};

} // namespace vh::app
