#pragma once

#include "board/checker_stage.h"
#include "platform/message_box.h"
#include "rules/match_state.h"
#include "rules/move_generator.h"
#include "rules/play.h"
#include "settings/game_settings.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace vh {

// Where a player's turn stands.
enum class TurnState : std::int32_t {
    Waiting = 0,   // no turn
    Moving = 1,    // a human moving, a computer thinking
    Animating = 2, // a computer showing its chosen play
    Complete = 3,  // the turn is over
};

// A mouse message over the board, numbered as the window system numbers them.
enum class MouseMessage : std::int32_t {
    Move = 512,
    LeftDown = 513,
    LeftUp = 514,
    RightDown = 516,
    RightUp = 517,
    MiddleDown = 519,
    MiddleUp = 520,
};

// The pointer over the board: an arrow, a hand over a checker that can be
// picked up, a grabbing hand while one is held.
enum class BoardCursor { Arrow, Hand, Grab };

// What a player is told when its turn begins.
struct TurnStart {
    bool timed = false;
    std::uint32_t remainingMs = 0; // its clock, when timed
    std::int32_t extraSeconds = 0; // time added per move, when timed
    bool mayDouble = false;        // the cube may be offered before this roll is played
    MatchState match{};            // the score the game is played at (length 0: money)
};

// A player's answer to a double: a computer decides at once and says so in a
// notice (OK); a human is asked (Yes/No), and Yes accepts.
struct DoubleReply {
    Message message;
    bool accepted = false; // the computer's decision
};

// Where a player's copy of the options comes from: Data/Settings.dat unless
// the game was set up with options of its own (the command-line tool).
using SettingsSource = std::function<GameSettings()>;
GameSettings settingsFromFile();

// One side of the board, played by a human at the mouse or by the computer.
// The game manager drives it turn by turn: startTurn, then poll until the
// turn is complete.
class Player {
public:
    Player(int side, bool isComputer, std::string_view name,
           SettingsSource settings = settingsFromFile);
    virtual ~Player() = default;
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    virtual void startTurn(CheckerStage& stage, const TurnStart& turn) = 0;
    // Where the turn stands. `diceShown`: the player's panel shows the roll.
    virtual TurnState poll(CheckerStage& stage, bool timed, std::uint32_t remainingMs,
                           bool diceShown);
    // A mouse message over the board, (x, y) in board coordinates: (0, 0) is
    // the board's top left corner. A computer ignores it.
    virtual void handleMouse(CheckerStage&, MouseMessage, int /*x*/, int /*y*/) {}
    // The pointer to show over the board.
    virtual BoardCursor cursor() const { return BoardCursor::Arrow; }
    // Puts a checker held in a drag back on the entry it was taken from.
    virtual void returnHeldChecker(CheckerStage&) {}
    // Asked by the other side, named `offeringName`, to double at the score `match`.
    virtual DoubleReply answerDouble(CheckerStage& stage, std::string_view offeringName,
                                     const MatchState& match) = 0;
    // Makes a thinking computer play at once.
    virtual void forceMove() {}
    // Marks a die slot of `dieValue` used (or free); returns the slot changed.
    virtual int markDieUsed(int dieValue, bool used, const BoardRecord& board);
    virtual void setPlay(const Play&) {}

    int side() const { return side_; }
    bool isComputer() const { return isComputer_; }
    const std::string& name() const { return name_; }
    std::int32_t strength() const { return strength_; }
    bool doubleWanted() const { return doubleWanted_; }
    void clearDoubleWanted() { doubleWanted_ = false; }
    TurnState turnState() const { return turnState_; }
    const Play& currentPlay() const { return currentPlay_; }
    const Play& finishedPlay() const { return finishedPlay_; }
    const DiceUsed& diceUsed() const { return diceUsed_; }
    // What the player has to say about a turn that ended without its play
    // ("No Move", "Turn forfeit."), handed over once: the game shows it
    // before the turn passes on.
    std::optional<Message> takeTurnNotice() { return std::exchange(turnNotice_, std::nullopt); }
    GameSettings& settings() { return settings_; }
    // Reads the options again (after the option pages were confirmed).
    void reloadSettings() { settings_ = settingsSource_(); }

protected:
    std::int32_t strength_ = 0;
    bool doubleWanted_ = false;
    TurnState turnState_ = TurnState::Complete;
    Play currentPlay_;
    Play finishedPlay_;
    GameSettings settings_;
    DiceUsed diceUsed_{};
    std::optional<Message> turnNotice_;

private:
    SettingsSource settingsSource_;
    int side_;
    bool isComputer_;
    std::string name_;
};

} // namespace vh
