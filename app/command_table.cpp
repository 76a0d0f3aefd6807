#include "app/command_table.h"

#include "app/main_window.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vh::app {

std::span<const CommandEntry> commandTable() {
    using K = QKeySequence;
    using W = MainWindow;
    using S = CommandStates;
    // Menu order; toolbar buttons appear in the order of their pictures.
    static const std::array<CommandEntry, 29> kCommands{{
        {Command::NewGame, "&Game", "&New Game...", "New", 0, false, false, K::New, nullptr,
         [](W& w) { w.newGame(); }, [](const S& s) { return s.newGame; }},
        {Command::RestartGame, "&Game", "&Restart Game", "Restart", 1, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.restartGame(); }, [](const S& s) { return s.restart; }},
        {Command::PauseGame, "&Game", "&Pause Game", nullptr, -1, true, false, K::UnknownKey,
         nullptr, [](W& w) { w.pauseGame(); }, [](const S& s) { return s.pause; }},
        {Command::ContinueGame, "&Game", "&Continue Game", nullptr, -1, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.continueGame(); }, [](const S& s) { return s.resume; }},
        {Command::OpenGame, "&Game", "&Open Game...", nullptr, -1, true, false, K::Open, nullptr,
         [](W& w) { w.openGame(); }, nullptr},
        {Command::SaveGame, "&Game", "&Save Game...", nullptr, -1, false, false, K::Save, nullptr,
         [](W& w) { w.saveGame(); }, [](const S& s) { return s.save; }},
        {Command::ExportGame, "&Game", "&Export Game...", nullptr, -1, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.exportGame(); }, [](const S& s) { return s.review; }},
        {Command::ImportGame, "&Game", "&Import Game...", nullptr, -1, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.importGame(); }, nullptr},
        {Command::ReviewGame, "&Game", "Re&view Game...", nullptr, -1, true, false, K::UnknownKey,
         nullptr, [](W& w) { w.reviewGame(); }, [](const S& s) { return s.review; }},
        {Command::Exit, "&Game", "&Exit", nullptr, -1, true, false, K::Quit, nullptr,
         [](W& w) { w.close(); }, nullptr},
        {Command::CopyPositionId, "&Edit", "&Copy Position ID", nullptr, -1, false, false, K::Copy,
         nullptr, [](W& w) { w.copyPositionId(); }, [](const S& s) { return s.bestMoves; }},
        {Command::PastePositionId, "&Edit", "&Paste Position ID...", nullptr, -1, false, false,
         K::Paste, nullptr, [](W& w) { w.pastePositionId(); }, nullptr},
        {Command::MoveEntryField, "&View", "&Move Entry Field", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.toggleMoveEntry(); }, nullptr},
        {Command::TypeMove, "&View", "&Type a Move", nullptr, -1, false, false, K::UnknownKey,
         "Ctrl+M", [](W& w) { w.typeMove(); }, nullptr},
        {Command::UndoMove, "&Options", "&Undo Move", "Undo", 2, false, true, K::Undo, nullptr,
         [](W& w) { w.undoMove(); }, [](const S& s) { return s.undo; }},
        {Command::RedoMove, "&Options", "&Redo Move", "Redo", 3, false, false, K::Redo, "Ctrl+Y",
         [](W& w) { w.redoMove(); }, [](const S& s) { return s.redo; }},
        {Command::SuggestMove, "&Options", "&Suggest Move", "Hint", 4, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.suggestMove(); }, [](const S& s) { return s.suggest; }},
        {Command::ForceMove, "&Options", "&Force Move", "Force", 5, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.forceMove(); }, [](const S& s) { return s.force; }},
        {Command::ShowBestMoves, "&Options", "Show &Best Moves", nullptr, -1, false, false,
         K::UnknownKey, "Ctrl+H", [](W& w) { w.showBestMoves(); },
         [](const S& s) { return s.bestMoves; }},
        {Command::ViewStatistics, "&Options", "&View Statistics...", "Stats", 6, true, true,
         K::UnknownKey, nullptr, [](W& w) { w.viewStatistics(); }, nullptr},
        {Command::GameSettings, "&Options", "&Game Settings...", nullptr, -1, true, false,
         K::UnknownKey, nullptr, [](W& w) { w.gameSettings(); }, nullptr},
        {Command::GraphicsSettings, "&Options", "Graphics Settings...", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.graphicsSettings(); }, nullptr},
        {Command::SoundSettings, "&Options", "Sound Settings...", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.soundSettings(); }, nullptr},
        {Command::OnlineSupport, "&Internet", "Online &Support", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.openWebPage("Online Support", "Data/support.html"); },
         nullptr},
        {Command::VisitWebSite, "&Internet", "&Visit Web Site", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.openWebPage("Visit Web Site", "Data/home.html"); },
         nullptr},
        {Command::Help, "&Help", "&Help...", "Help", 7, false, false, K::HelpContents, nullptr,
         [](W& w) { w.showHelp(nullptr); }, nullptr},
        {Command::HowToPlay, "&Help", "How to &Play...", nullptr, -1, false, false, K::UnknownKey,
         nullptr, [](W& w) { w.showHelp("how-to-play"); }, nullptr},
        {Command::GameHistory, "&Help", "&Game History...", nullptr, -1, false, false,
         K::UnknownKey, nullptr, [](W& w) { w.showHelp("game-history"); }, nullptr},
        {Command::About, "&Help", "&About...", nullptr, -1, true, false, K::UnknownKey, nullptr,
         [](W& w) { w.showAbout(); }, nullptr},
    }};
    return kCommands;
}

const CommandEntry& commandEntry(Command command) {
    const auto table = commandTable();
    const auto found = std::find_if(table.begin(), table.end(), [command](const CommandEntry& e) {
        return e.command == command;
    });
    if (found == table.end()) {
        throw std::logic_error("a command without a row in the command table");
    }
    return *found;
}

} // namespace vh::app
