#include "coach/tutor.h"

#include "rules/side.h"

#include <cstdio>

namespace vh {
namespace {

void addWarning(std::string& text, const char* what, float loss, const std::string& right) {
    const MistakeSize size = mistakeSize(loss);
    if (size == MistakeSize::None) {
        return;
    }
    char amount[64];
    std::snprintf(amount, sizeof amount, " gave away %.3f: ", static_cast<double>(loss));
    const char* word = mistakeWord(size);
    const bool vowel = *word == 'e';
    text += std::string(text.empty() ? "" : "\n") + what + amount + (vowel ? "an " : "a ") + word +
            ". " + right;
}

} // namespace

std::optional<std::string> tutorWarning(const TurnReview& turn, const std::array<bool, 2>& human) {
    const RecordedTurn& made = turn.context.turn;
    const bool moverHuman = human[static_cast<std::size_t>(made.side)];
    const bool receiverHuman = human[static_cast<std::size_t>(otherSide(made.side))];
    std::string text;
    if (moverHuman && turn.cube && made.cube != CubeAction::None) {
        addWarning(text, "Doubling", turn.cubeLoss,
                   std::string("Right: ") + cubeVerdictText(turn.cube->verdict) + ".");
    }
    if (receiverHuman && turn.cube && made.cube != CubeAction::None) {
        const bool taken = made.cube == CubeAction::DoubleTaken;
        addWarning(text, taken ? "Taking" : "Passing", turn.takeLoss,
                   taken ? "Right: pass." : "Right: take.");
    }
    if (moverHuman && turn.unforced) {
        addWarning(text, "Your play", turn.loss, "Best: " + turn.bestText + ".");
    }
    if (text.empty()) {
        return std::nullopt;
    }
    return text;
}

} // namespace vh
