#include "tests/support/random_positions.h"

#include "rules/move_generator.h"
#include "rules/side.h"

#include <memory>

namespace vh::test {
namespace {

using Engine = std::mt19937;

int uniform(Engine& engine, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(engine);
}

// Drops the 15 checkers of each side on random entries, never onto a point
// the other side holds. `homeBias` pulls checkers towards their home board.
BoardPosition scatteredPosition(Engine& engine, bool homeBias) {
    BoardPosition position = positionFromSignedCounts({});
    for (int checker = 0; checker < 2 * kCheckersPerSide; ++checker) {
        const int side = checker % 2;
        const int roll = uniform(engine, 0, 99);
        if (roll < 4) {
            ++position[barEntry(side)].count;
            continue;
        }
        if (roll < 14) {
            ++position[offEntry(side)].count;
            continue;
        }
        for (;;) {
            int point = homeBias && uniform(engine, 0, 3) != 0 ? uniform(engine, 0, 7)
                                                               : uniform(engine, 0, 23);
            if (side == PLAYER_TWO && homeBias) {
                point = 23 - point;
            }
            BoardEntry& entry = position[point];
            if (entry.count == 0 || entry.owner == side) {
                entry.owner = side;
                ++entry.count;
                break;
            }
        }
    }
    return position;
}

} // namespace

std::vector<RollCase> randomCases(int count, std::uint32_t seed) {
    Engine engine(seed);
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases;
    BoardPosition game;
    setStartPosition(game);
    int gameSide = PLAYER_ONE;
    while (static_cast<int>(cases.size()) < count) {
        RollCase randomCase;
        randomCase.die1 = uniform(engine, 1, 6);
        randomCase.die2 = uniform(engine, 1, 6);
        switch (cases.size() % 3) {
        case 0:
            randomCase.position = game;
            randomCase.side = gameSide;
            generatePlays(*list, game, gameSide, randomCase.die1, randomCase.die2);
            if (list->count > 0) {
                applyPlay((*list)[uniform(engine, 0, list->count - 1)], game);
            }
            if (hasWon(game, gameSide)) {
                setStartPosition(game);
            }
            gameSide = otherSide(gameSide);
            break;
        case 1:
            randomCase.position = scatteredPosition(engine, false);
            randomCase.side = uniform(engine, 0, 1);
            break;
        default:
            randomCase.position = scatteredPosition(engine, true);
            randomCase.side = uniform(engine, 0, 1);
            break;
        }
        cases.push_back(randomCase);
    }
    return cases;
}

} // namespace vh::test
