#pragma once

#include "board/checker_stage.h"
#include "board/move_animator.h"
#include "board/player_panel.h"
#include "coach/analysis.h"
#include "coach/game_record.h"
#include "match/game_end.h"
#include "match/move_history.h"
#include "match/saved_game.h"
#include "match/stopwatch.h"
#include "platform/message_box.h"
#include "players/player.h"
#include "players/player_store.h"
#include "rules/board_record.h"
#include "rules/match_state.h"
#include "rules/opening_roll.h"
#include "rules/play_list.h"
#include "rules/result_kind.h"
#include "settings/game_settings.h"

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vh {

enum class GameState : std::int32_t {
    NoGame = 0,
    Playing = 1,
    Paused = 2,
    UndoAnimating = 3,
    RedoAnimating = 4,
    GameOver = 5,
};

// What a game runs on besides its own data. The defaults are those of the
// program: the real clock, the options file, a board that draws nothing.
struct GameEnvironment {
    std::function<std::uint32_t()> clock; // tick count; tickCount() when empty
    SettingsSource settings;              // the options; Data/Settings.dat when empty
    PlayerStore* store = nullptr;         // where finished games are filed; none when null
    std::function<std::unique_ptr<CheckerStage>(BoardRecord&)> makeStage; // headless when empty
    // A human's roll is shown at once instead of after a press on the dice cup.
    bool revealDiceAtOnce = true;
    // How long after a press on the dice cup the roll shows (the rattle).
    std::uint32_t diceRevealMs = 0;
    // Seeds the dice from the clock when the manager is made; off when the
    // caller has seeded the generator itself to replay a game.
    bool seedFromClock = true;
    // How long a notice (a message with OK only) stays before the game
    // answers it itself and goes on; none: it waits for answer() like a
    // question.
    std::optional<std::uint32_t> noticeHoldMs;
    // The computers' thinking time per turn instead of the one the clock gives.
    std::optional<std::uint32_t> thinkingBudgetMs;
    // Where the game is written after every finished turn; nowhere when empty.
    std::filesystem::path autosavePath;
};

// Runs one game from set-up to its end: the board record, the two players,
// the dice, the turn order, the cube, the clocks, undo and redo, saving and
// opening. It has no thread and no timer: step() is called again and again
// from the idle loop (or a headless driver) and picks up whatever happened.
class GameManager {
public:
    explicit GameManager(GameEnvironment environment = {});
    ~GameManager();
    GameManager(const GameManager&) = delete;
    GameManager& operator=(const GameManager&) = delete;

    // A new game from the options: players, clocks, the first side drawn;
    // with a `matchLength` of 1 to 25 points the first game of a match to
    // that length, else a money game.
    void newGame(int matchLength = 0);
    // Once a game of a match is over and the match goes on: the match's
    // next game between the same players at the new score, the first side
    // drawn again. False (nothing done) otherwise.
    bool nextMatchGame();
    // A game from a .vhf file. A file that cannot be read or fails a check
    // is refused with a message; the manager is then left without a game.
    bool openGame(const std::filesystem::path& path);
    // A game from a saved game already read and checked; in a match,
    // `earlierGames` are the match's games before it (an imported match).
    void openSavedGame(const SavedGame& game, std::vector<GameRecord> earlierGames = {});
    // Writes the game to a .vhf file (replacing it whole); a failure is told.
    bool saveGame(const std::filesystem::path& path);
    // The game as a .vhf file holds it; none without a game.
    std::optional<SavedGame> savedGame();
    // Writes the game in progress to the environment's autosave file, if any;
    // false when it could not be written.
    bool writeAutosave();
    // The same match again: same players, same first side.
    void restartGame();

    // One pass of the game loop; nothing while a message waits for its answer.
    void step();

    // A notice (OK) or a question (Yes/No) the game waits on: "No Move", a
    // double offered, the computer's answer to one, the game's result. While
    // one waits the game stands still: step() does nothing (but answer a
    // notice held long enough, see noticeHoldMs), no clock runs and no
    // command changes the game. answer() hands in the reply; the game goes
    // on from there (and may put the next message).
    const Message* pendingMessage() const;
    // Tells the messages apart: each one posted gets the next number (0: none waits).
    std::uint64_t pendingSerial() const;
    void answer(MessageAnswer reply);
    // Answers the message that waits when it is a notice (the user has read it).
    void dismissNotice();
    void setState(GameState state);
    void pause() { setState(GameState::Paused); }
    void resume() { setState(GameState::Playing); }

    void undo();
    void redo();
    void forceMove();
    // What the coach is asked on a human's turn: the position at the start
    // of the turn (moves made so far taken back) with the roll once it is
    // shown, else before the roll for the cube; nothing on another's turn.
    std::optional<AnalysisRequest> coachRequest() const;
    // Shows a play's moves on the board in the hint style, from and to.
    void showHint(const Play& play);
    // Makes a whole play of the shown roll for the human to move, as its own
    // (undoable); false when none is moving.
    bool playForHuman(const Play& play);
    // The "Offer Double" button of the side to move.
    void offerDouble();
    // The dice cup of the side to move was pressed: its roll shows once the
    // rattle has sounded (diceRevealMs), at a later step(). False when the
    // press does nothing: not a human's turn to roll, paused, a message
    // waits, or a press is already waiting for its roll. Undo, redo, a
    // restart or a new game cancel a waiting press.
    bool pressDiceCup();
    // A press on the dice cup waits for its roll to show.
    bool isRevealingDice() const { return revealAt_.has_value(); }
    // The roll of the side to move is shown on its panel.
    bool diceShown() const;
    // The first turn of a game begun with the opening roll.
    bool isOpeningTurn() const { return openingTurn_; }
    // A mouse message over the board, (x, y) in board coordinates: handed to
    // the side to move while playing; a human gets it once its roll is shown.
    void routeMouse(MouseMessage message, int x, int y);
    // The pointer the side to move shows over the board; an arrow unless playing.
    BoardCursor boardCursor() const;
    // Puts a checker held in a drag back on the entry it came from. Every
    // command that looks at or takes over the board does this first.
    void returnHeldChecker();
    // Reads the options again into the manager's and the players' copies.
    void reloadSettings();

    // Queries for the menus and the status line.
    bool isHumanTurn() const;
    bool canUndo() const;
    bool canRedo() const;
    bool isComputerThinking() const;
    bool isHumanMoving() const;
    bool humanHasNotMoved() const;
    bool canOfferDouble() const;
    std::uint32_t remainingTime() const;
    std::optional<std::string> firstHumanName() const;
    // The game as the coach reviews it: every turn played so far (below the
    // undo cursor) from the game's start, with its roll and the doubles
    // offered, and the result once it is over. For an opened game the turns
    // of its file come first when they lead back to the start position.
    GameRecord gameRecord() const;

    // What the panel of a side shows, and the photo file it shows: a
    // computer's portrait, a stored player's own photo (empty for the
    // standard one).
    PanelContent panelContent(int side) const;
    std::filesystem::path panelPhoto(int side) const;

    GameState state() const { return state_; }
    int currentSide() const { return currentSide_; }
    int firstSide() const { return firstSide_; }
    int turnsPlayed() const { return turnsPlayed_; }
    int winner() const { return winner_; }
    ResultKind resultKind() const { return resultKind_; }
    std::int32_t amount() const { return amount_; }
    int cubeOwner() const { return cubeOwner_; }
    // The match the game belongs to (length 0: a money game).
    const MatchState& match() const { return match_; }
    // The match once the game over is counted in it (as match() while the
    // game goes on, and for a money game).
    MatchState matchAfterGame() const;
    // A game of a match is over and the match is not won yet.
    bool matchGoesOn() const;
    // What the finished game was worth: the cube's value times 1, 2 or 3.
    int gamePoints() const { return points_; }
    // The games of the match finished before this one, first to last, each
    // with the score it began at; empty for a money game.
    const std::vector<GameRecord>& matchGames() const { return matchGames_; }
    bool timed() const { return timed_; }
    std::uint32_t gameTime() const { return gameTime_.get(); }
    std::optional<std::uint32_t> clockValue(int side) const;
    const BoardRecord& board() const { return board_; }
    const MoveHistory& history() const { return *history_; }
    const GameSettings& settings() const { return settings_; }
    Player* player(int side) const;
    Player* currentPlayer() const;
    CheckerStage& stage() { return *stage_; }

private:
    std::uint32_t now() const;
    GameSettings readSettings() const;
    std::unique_ptr<Player> makePlayer(int side, bool isComputer, const std::string& name) const;
    void setUpBoard();
    void setUpTiming(bool useTimer);
    void startFirstTurn(const OpeningRoll& opening);
    void startCurrentTurn();
    // The side may offer the cube before the roll of its turn is played.
    bool mayDouble(int side) const;
    // `rollSeen`: the turn's roll has been shown before (a turn played
    // again after an undo or redo), so it is shown at once.
    void activatePanel(int side, bool rollSeen = false);
    // Draws the board of a game just set up; only the side to move is active.
    void showFreshBoard();
    void rollDice();
    void revealDueDice();
    void stepPlaying();
    void endTurn();
    // Puts an offered double to the other side; false when none was offered.
    bool handleDoubleOffer();
    void settleDouble(bool accepted);
    void endOnBoard(int winner);
    // The winner, the kind of win and the points of a game just ended, and
    // the money it pays: its stake in a money game, the Match Bet on a
    // match's last game, nothing on the others.
    void settleGame(int winner, ResultKind kind, int points);
    // A new game between the seated players from a fresh start position.
    void startWithSameSeats(std::optional<int> firstSide);
    MatchGameEnd matchGameEnd(bool refused) const;
    // What the game does once a message has been answered.
    enum class AfterAnswer { EndTurn, SettleDouble, EndGame };
    void post(Message message, AfterAnswer after, bool accepted = false);
    // A notice on show for noticeHoldMs is answered.
    void answerHeldNotice();
    // The game time and the clock of the side to move run only while the
    // game is played and no message waits.
    void holdClocks();
    void runClocks();
    void fileResult();
    GameResult finishedGame() const;
    // The record starts over: a game from the start position.
    void startRecord();
    void stepReplay();
    void finishReplay();
    void queueReplay(const Play& play);
    void startReplayAnimation();
    Stopwatch* clockOf(int side);

    GameEnvironment environment_;
    GameSettings settings_;
    BoardRecord board_;
    std::unique_ptr<CheckerStage> stage_;
    std::unique_ptr<MoveHistory> history_;
    std::unique_ptr<PlayList> replayList_;
    MoveAnimator animator_;

    int firstSide_ = 0;
    int currentSide_ = -1;
    int turnsPlayed_ = 0;
    GameState state_ = GameState::NoGame;
    Stopwatch gameTime_;
    bool timed_ = false;
    std::int32_t initialSeconds_ = 0;
    std::int32_t extraSeconds_ = 0;
    std::array<std::optional<Stopwatch>, 2> clocks_;
    int winner_ = -1;
    ResultKind resultKind_ = ResultKind::Single;
    std::int32_t amount_ = 0;
    int points_ = 0;
    int cubeOwner_ = -1;
    MatchState match_; // at the game's start; a money game unless a match was begun or opened
    std::vector<GameRecord> matchGames_;
    int replayIndex_ = 0;
    bool openingTurn_ = false;
    // Whether the game began here with its opening roll (not opened from a
    // file): then the turn at the start of the history is that roll's.
    bool begunWithOpeningRoll_ = false;

    struct PendingMessage {
        Message message;
        AfterAnswer after = AfterAnswer::EndTurn;
        bool accepted = false; // a computer's answer to a double
        std::uint64_t serial = 0;
    };
    // What the coach is told besides the history: the turns an opened file
    // brought, and each double with the history's cursor when it was answered.
    GameRecord priorRecord_;
    struct CubeEvent {
        int historyIndex = 0;
        int side = 0;
        bool accepted = false;
    };
    std::vector<CubeEvent> cubeEvents_;

    std::deque<PendingMessage> pending_;
    std::uint64_t lastSerial_ = 0;
    // Since when the first message waiting has waited.
    std::uint32_t frontSince_ = 0;

    // What the two player panels show and hold.
    std::array<bool, 2> diceShown_{};
    std::array<bool, 2> offerAvailable_{};
    std::array<bool, 2> offerPressed_{};
    // When the roll of a pressed dice cup shows.
    std::optional<std::uint32_t> revealAt_;

    // Declared last so that they go first: a computer's search thread is
    // stopped and joined before the board record it was built from.
    std::array<std::unique_ptr<Player>, 2> players_;
};

// Shows every message the game waits on through `boxes` and hands in the
// answers, until none waits: how the window, the command-line tool and the
// tests answer the game.
void answerPendingMessages(GameManager& game, MessageBoxes& boxes);

} // namespace vh
