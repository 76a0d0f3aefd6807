#include "neural/outcome.h"

#include <algorithm>

namespace vh {

float cubelessEquity(const OutcomeChances& c) {
    return 2.0f * c[kWin] - 1.0f + c[kWinGammon] - c[kLoseGammon] + c[kWinBackgammon] -
           c[kLoseBackgammon];
}

OutcomeChances seenByOpponent(const OutcomeChances& c) {
    return {1.0f - c[kWin], c[kLoseGammon], c[kLoseBackgammon], c[kWinGammon], c[kWinBackgammon]};
}

OutcomeChances consistent(const OutcomeChances& c) {
    OutcomeChances fitted;
    fitted[kWin] = std::clamp(c[kWin], 0.0f, 1.0f);
    fitted[kWinGammon] = std::clamp(c[kWinGammon], 0.0f, fitted[kWin]);
    fitted[kWinBackgammon] = std::clamp(c[kWinBackgammon], 0.0f, fitted[kWinGammon]);
    fitted[kLoseGammon] = std::clamp(c[kLoseGammon], 0.0f, 1.0f - fitted[kWin]);
    fitted[kLoseBackgammon] = std::clamp(c[kLoseBackgammon], 0.0f, fitted[kLoseGammon]);
    return fitted;
}

OutcomeChances wonGame(ResultKind kind) {
    const float gammon = kind == ResultKind::Single ? 0.0f : 1.0f;
    const float backgammon = kind == ResultKind::Backgammon ? 1.0f : 0.0f;
    return {1.0f, gammon, backgammon, 0.0f, 0.0f};
}

} // namespace vh
