#include "bench/corpus.h"

#include "platform/random.h"
#include "rules/move_generator.h"
#include "rules/side.h"

#include <memory>

namespace vh::bench {

std::vector<RollCase> startPositionRolls() {
    std::vector<RollCase> cases;
    for (int die1 = 1; die1 <= 6; ++die1) {
        for (int die2 = 1; die2 <= 6; ++die2) {
            RollCase rollCase;
            setStartPosition(rollCase.position);
            rollCase.die1 = die1;
            rollCase.die2 = die2;
            cases.push_back(rollCase);
        }
    }
    return cases;
}

std::vector<RollCase> randomPlayPositions(int count, std::uint32_t seed) {
    seedRandom(seed);
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases;
    BoardPosition position;
    setStartPosition(position);
    int side = PLAYER_ONE;
    while (static_cast<int>(cases.size()) < count) {
        RollCase rollCase{position, side, rollDie(), rollDie()};
        cases.push_back(rollCase);
        generatePlays(*list, position, side, rollCase.die1, rollCase.die2);
        if (list->count > 0) {
            applyPlay((*list)[nextRandom() % list->count], position);
        }
        if (hasWon(position, side)) {
            setStartPosition(position);
        }
        side = otherSide(side);
    }
    return cases;
}

std::vector<RollCase> bearInDoubles(int count, std::uint32_t seed) {
    seedRandom(seed);
    std::vector<RollCase> cases;
    while (static_cast<int>(cases.size()) < count) {
        RollCase rollCase;
        BoardPosition& position = rollCase.position;
        clearPosition(position);
        position[BAR_ONE].owner = PLAYER_ONE;
        position[BAR_TWO].owner = PLAYER_TWO;
        position[OFF_ONE].owner = PLAYER_ONE;
        position[OFF_TWO].owner = PLAYER_TWO;
        // Side 0 between its 10 point and home, side 1 past it on 15-23.
        for (int checker = 0; checker < kCheckersPerSide; ++checker) {
            BoardEntry& own = position[nextRandom() % 10];
            own.owner = PLAYER_ONE;
            ++own.count;
            BoardEntry& theirs = position[15 + nextRandom() % 9];
            theirs.owner = PLAYER_TWO;
            ++theirs.count;
        }
        rollCase.die1 = rollCase.die2 = 1 + static_cast<int>(cases.size()) % 6;
        cases.push_back(rollCase);
    }
    return cases;
}

} // namespace vh::bench
