#include "match/game_manager.h"
#include "match/human_player.h"

namespace vh {

std::optional<AnalysisRequest> GameManager::coachRequest() const {
    if (!isHumanMoving() || winner_ != -1) {
        return std::nullopt;
    }
    AnalysisRequest request;
    request.position = board_.position;
    const auto* human = dynamic_cast<const HumanPlayer*>(currentPlayer());
    if (human != nullptr && human->pickedPoint() != -1) {
        ++request.position[human->pickedPoint()].count; // the checker held in a drag
    }
    const Play& made = currentPlayer()->currentPlay();
    for (std::int32_t i = made.count - 1; i >= 0; --i) {
        takeBackMove(made.moves[static_cast<std::size_t>(i)], request.position);
    }
    request.side = currentSide_;
    if (diceShown()) {
        request.die1 = board_.die1;
        request.die2 = board_.die2;
    }
    request.cubeValue = board_.cubeValue;
    request.cubeOwner = board_.cubeValue == 1 ? -1 : cubeOwner_;
    request.match = match_;
    return request;
}

void GameManager::showHint(const Play& play) {
    returnHeldChecker();
    board_.highlights.fill(kHighlightNone);
    for (std::int32_t i = 0; i < play.count; ++i) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(i)];
        board_.highlights[move.from] = kHighlightTarget;
        board_.highlights[move.to] = kHighlightTarget;
    }
    stage_->render();
}

bool GameManager::playForHuman(const Play& play) {
    if (!isHumanMoving() || !diceShown()) {
        return false;
    }
    auto* human = dynamic_cast<HumanPlayer*>(currentPlayer());
    return human != nullptr && human->makePlay(*stage_, play);
}

} // namespace vh
