#include "app/command_table.h"

#include <array>

namespace vh::app {
namespace {

using K = QKeySequence;

// Menu order; toolbar buttons appear in the order of their pictures.
constexpr std::array<CommandEntry, 21> kCommands{{
    {Command::NewGame, "&Game", "&New Game...", "New", 0, false, false, K::New, nullptr},
    {Command::RestartGame, "&Game", "&Restart Game", "Restart", 1, false, false, K::UnknownKey,
     nullptr},
    {Command::PauseGame, "&Game", "&Pause Game", nullptr, -1, true, false, K::UnknownKey, nullptr},
    {Command::ContinueGame, "&Game", "&Continue Game", nullptr, -1, false, false, K::UnknownKey,
     nullptr},
    {Command::OpenGame, "&Game", "&Open Game...", nullptr, -1, true, false, K::Open, nullptr},
    {Command::SaveGame, "&Game", "&Save Game...", nullptr, -1, false, false, K::Save, nullptr},
    {Command::Exit, "&Game", "&Exit", nullptr, -1, true, false, K::Quit, nullptr},
    {Command::UndoMove, "&Options", "&Undo Move", "Undo", 2, false, true, K::Undo, nullptr},
    {Command::RedoMove, "&Options", "&Redo Move", "Redo", 3, false, false, K::Redo, "Ctrl+Y"},
    {Command::SuggestMove, "&Options", "&Suggest Move", "Hint", 4, false, false, K::UnknownKey,
     nullptr},
    {Command::ForceMove, "&Options", "&Force Move", "Force", 5, false, false, K::UnknownKey,
     nullptr},
    {Command::ViewStatistics, "&Options", "&View Statistics...", "Stats", 6, true, true,
     K::UnknownKey, nullptr},
    {Command::GameSettings, "&Options", "&Game Settings...", nullptr, -1, true, false,
     K::UnknownKey, nullptr},
    {Command::GraphicsSettings, "&Options", "Graphics Settings...", nullptr, -1, false, false,
     K::UnknownKey, nullptr},
    {Command::SoundSettings, "&Options", "Sound Settings...", nullptr, -1, false, false,
     K::UnknownKey, nullptr},
    {Command::OnlineSupport, "&Internet", "Online &Support", nullptr, -1, false, false,
     K::UnknownKey, nullptr},
    {Command::VisitWebSite, "&Internet", "&Visit Web Site", nullptr, -1, false, false,
     K::UnknownKey, nullptr},
    {Command::Help, "&Help", "&Help...", "Help", 7, false, false, K::HelpContents, nullptr},
    {Command::HowToPlay, "&Help", "How to &Play...", nullptr, -1, false, false, K::UnknownKey,
     nullptr},
    {Command::GameHistory, "&Help", "&Game History...", nullptr, -1, false, false, K::UnknownKey,
     nullptr},
    {Command::About, "&Help", "&About...", nullptr, -1, true, false, K::UnknownKey, nullptr},
}};

} // namespace

std::span<const CommandEntry> commandTable() {
    return kCommands;
}

} // namespace vh::app
