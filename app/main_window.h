#pragma once

#include "app/command_table.h"
#include "app/modal_scope.h"
#include "coach/analyst.h"
#include "coach/game_reviewer.h"
#include "match/command_states.h"
#include "match/game_manager.h"
#include "players/player_store.h"
#include "settings/game_settings.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

class QAction;
class QDialog;
class QLabel;

namespace vh::app {

class BestMovesWindow;
class MoveEntryField;
class BoardWidget;
class HelpWindow;
class MainToolBar;
class TutorNotice;

// The game's one window: menu, toolbar, the board area and the status line.
// It owns the player store, its own copy of the options and, while a game is
// played, the game. A timer runs the game loop: each pass steps the game and
// brings menus, toolbar, panels and status line up to date.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The start-up screen: its two buttons and the start-up picture, shown
    // for `splashMs` (none for 0), then the offer to resume an unfinished game.
    void startUp(int splashMs, bool offerResume = true);
    // At start-up: the game an earlier run left unfinished, if the user wants it.
    void offerToResume();
    // Opens a saved game as Open Game does after its file was chosen.
    void openGameFile(const std::filesystem::path& path);
    // Reads a game from a .mat file as Import Game does after its file was
    // chosen: a game in play is set up to go on, a finished one kept for review.
    void importGameFile(const std::filesystem::path& path);

    // One pass of the game loop. It does nothing while a modal window is open
    // or while a pass is already running further up the stack.
    void runPass();

    GameManager* game() const { return game_.get(); }
    QAction* action(Command command) const { return actions_.at(command); }
    BoardWidget* board() const { return board_; }
    PlayerStore& store() { return store_; }
    const GameSettings& settings() const { return settings_; }
    // The text a status pane (0-3) shows.
    QString paneText(int pane) const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The table's rows run the commands below.
    friend std::span<const CommandEntry> commandTable();

    void createMenus();
    void createStatusBar();
    void connectCommands();
    void runCommand(Command command);

    // Commands.
    void newGame();
    void restartGame();
    void pauseGame();
    void continueGame();
    void openGame();
    void saveGame();
    void exportGame();
    void importGame();
    void copyPositionId();
    void pastePositionId();
    void toggleMoveEntry();
    void typeMove();
    void undoMove();
    void redoMove();
    void suggestMove();
    void forceMove();
    void showBestMoves();
    void reviewGame();
    void showHelp(const char* anchor);
    // Opens a page of the program in the browser, or says where it is.
    void openWebPage(const char* caption, const char* file);
    void showAbout();
    void viewStatistics();
    void gameSettings();
    void graphicsSettings();
    void soundSettings();

    // Where games are saved, opened, exported and imported unless the user
    // goes elsewhere.
    static QString gamesFolder();
    // Runs a dialog of the program modally: the game loop waits meanwhile.
    int runModal(QDialog& dialog);
    // The statistics window, opened on a player or on the one last chosen.
    void showStatistics(const std::optional<std::string>& player);
    // After a dialog that may have changed the options: the window's copy is
    // read again, the game's copy when `game` is set, and the board is laid
    // out again so that it shows the options.
    void reloadOptions(bool game);

    // Asks before a running game is given up; true when there is none, when
    // it is over, or when the user agreed. The game goes on until another
    // one has been set up.
    bool mayGiveUpRunningGame(const char* question);
    // Makes a game and sets it up in place of the running one; a set-up
    // that fails leaves the running game as it was.
    void createGame(const std::function<bool(GameManager&)>& setUp);
    void destroyGame();
    // The game just made or begun is shown and played from its start.
    void startedAfresh();
    // The command states, the status line and the board, as the game stands.
    void showGame();
    // Shows the game's notices over the board and asks its questions in boxes.
    void takeUpMessages();
    void finishGame();
    void applyCommandStates(const CommandStates& states);
    void setPaneText(int pane, const std::string& text);
    void requestPass();
    void scheduleNextPass();

    // The coach: the network it judges with (read when first needed; a
    // message and nothing when it cannot be), the analyst behind Suggest
    // Move and the best-moves list, the review made while the game goes on
    // and the tutor's warnings from it.
    std::shared_ptr<const NeuralNetwork> coachNetwork(bool tell);
    // Asks the analyst about the game as it stands when the list or a hint
    // wants it; takes in its answer and the reviewer's progress.
    void runCoach();
    void askAnalyst(const AnalysisRequest& request);
    void takeAnalysis(const Analysis& analysis);
    void updateReview();
    void warnAboutNewTurns();
    bool coachBusy() const;

    // A play typed in the move entry field, made when it is a legal play of
    // the roll; else the status line says why.
    void enterTypedMove(const QString& text);
    // Why a typed play was not made, over the whole status line for a while.
    void explain(const std::string& text);
    // A line in the status line's turn pane until the board or the turn changes.
    void note(const std::string& text);
    // An imported game that is over, the last of `games` (the match's games
    // up to it): kept for Review Game and Export Game.
    void keepFinishedGame(std::vector<GameRecord> games);
    // The players of the game, or those the options name without one.
    std::array<SavedPlayer, 2> currentPlayers() const;

    ModalMessageBoxes messageBoxes_;
    GameSettings settings_;
    PlayerStore store_;
    std::unique_ptr<GameManager> game_;
    bool boardShown_ = false;
    BoardWidget* board_ = nullptr;
    MainToolBar* toolbar_ = nullptr;
    std::array<QLabel*, 4> panes_{}; // game time, turns, the turn, the last play
    MoveEntryField* moveEntry_ = nullptr;
    // The game last finished, after the match's earlier games: for Export Game.
    std::vector<GameRecord> lastGames_;
    int matchLength_ = 0;        // the New Game sheet's choice for this session (0: money)
    std::string describedBoard_; // what a screen reader was last told
    std::map<Command, QAction*> actions_;
    HelpWindow* help_ = nullptr;
    QTimer loop_;
    bool passRunning_ = false;
    std::uint64_t noticeShown_ = 0; // the game's message last laid over the board

    std::shared_ptr<const NeuralNetwork> coachNetwork_;
    bool coachRefused_ = false; // the network could not be read
    std::string coachError_;
    std::unique_ptr<Analyst> analyst_;
    std::optional<AnalysisRequest> asked_; // what the analyst works on
    std::optional<Analysis> lastAnalysis_; // its last answer
    bool hintWanted_ = false;              // Suggest Move waits for the answer
    std::string hintText_;                 // "Suggested: ..." while the hint shows
    std::array<std::uint32_t, kEntryCount> hintHighlights_{}; // the hint's marks on the board
    std::pair<int, int> hintTurn_{-1, -1}; // the side and turn the line was written in
    BestMovesWindow* bestMoves_ = nullptr;
    std::unique_ptr<GameReviewer> reviewer_;
    std::tuple<int, int, int, int, int> reviewedKey_{-1, -1, -1, -1, -1};
    std::size_t tutorChecked_ = 0; // turns the tutor has looked at
    TutorNotice* tutor_ = nullptr;
    bool tutorOn_ = false; // the option, read with the others
};

} // namespace vh::app
