#include "rules/match_state.h"

#include <algorithm>

namespace vh {

int MatchState::away(int side) const {
    return std::max(0, length - score[static_cast<std::size_t>(side)]);
}

int MatchState::winner() const {
    if (!isMatch()) {
        return -1;
    }
    for (int side = 0; side < 2; ++side) {
        if (away(side) == 0) {
            return side;
        }
    }
    return -1;
}

void MatchState::addGame(int side, int points) {
    if (!isMatch() || winner() != -1) {
        return;
    }
    score[static_cast<std::size_t>(side)] += points;
    if (crawford == Crawford::ThisGame) {
        crawford = Crawford::After;
    } else if (crawford == Crawford::NotYet && winner() == -1 && away(side) == 1) {
        crawford = Crawford::ThisGame;
    }
}

} // namespace vh
