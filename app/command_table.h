#pragma once

#include "match/command_states.h"

#include <QKeySequence>
#include <span>

namespace vh::app {

class MainWindow;

// Every command of the menu and the toolbar, by its command number.
enum class Command {
    NewGame = 40002,
    RestartGame = 40003,
    PauseGame = 40008,
    ContinueGame = 40009,
    OpenGame = 40010,
    SaveGame = 40011,
    ExportGame = 40034,
    ImportGame = 40035,
    ReviewGame = 40031,
    Exit = 40012,
    CopyPositionId = 40032,
    PastePositionId = 40033,
    MoveEntryField = 40036,
    TypeMove = 40037,
    UndoMove = 40004,
    RedoMove = 40013,
    SuggestMove = 40014,
    ForceMove = 40015,
    ShowBestMoves = 40030,
    ViewStatistics = 40016,
    GameSettings = 40025,
    GraphicsSettings = 40019,
    SoundSettings = 40018,
    OnlineSupport = 40020,
    VisitWebSite = 40005,
    Help = 57670,
    HowToPlay = 40021,
    GameHistory = 40022,
    About = 40006,
};

// One command, whole: where it appears, its keys, what it does and when it
// may be chosen. The rows are in menu order.
struct CommandEntry {
    Command command;
    const char* menu;        // "&Game", ...
    const char* text;        // the menu item
    const char* toolbarText; // the toolbar caption, or nullptr when not on the toolbar
    int toolbarPicture;      // its picture in the toolbar strips, or -1
    bool separatorBefore;    // a separator above the item in its menu
    bool toolbarGapBefore;   // a gap before the button on the toolbar
    QKeySequence::StandardKey standardKey; // QKeySequence::UnknownKey for none
    const char* extraShortcut;             // another key, or nullptr
    void (*run)(MainWindow& window);
    bool (*enabled)(const CommandStates& states); // nullptr: always available
};

std::span<const CommandEntry> commandTable();
const CommandEntry& commandEntry(Command command);

} // namespace vh::app
