#include "rules/result_kind.h"

#include "rules/side.h"

namespace vh {

ResultKind resultKind(const BoardPosition& position, int winner) {
    const int loser = otherSide(winner);
    if (position[offEntry(loser)].count >= 1) {
        return ResultKind::Single;
    }
    const int homeFirst = winner == PLAYER_TWO ? 18 : 0;
    bool loserInWinnersHome = position[barEntry(loser)].count >= 1;
    for (int point = homeFirst; point < homeFirst + 6; ++point) {
        loserInWinnersHome = loserInWinnersHome || position[point].heldBy(loser);
    }
    return loserInWinnersHome ? ResultKind::Backgammon : ResultKind::Gammon;
}

} // namespace vh
