#include "players/player.h"

#include "platform/binary_io.h"
#include "players/game_result.h"
#include "settings/settings_file.h"

#include <utility>

namespace vh {

GameSettings settingsFromFile() {
    GameSettings settings;
    loadSettings(settings);
    return settings;
}

Player::Player(int side, bool isComputer, std::string_view name, SettingsSource settings)
    : settingsSource_(std::move(settings)), side_(side == 0 ? 0 : 1), isComputer_(isComputer),
      name_(fitText(name, kPlayerNameSize)) {
    settings_ = settingsSource_();
}

TurnState Player::poll(CheckerStage&, bool, std::uint32_t, bool) {
    return TurnState::Waiting;
}

int Player::markDieUsed(int, bool, const BoardRecord&) {
    return -1;
}

} // namespace vh
