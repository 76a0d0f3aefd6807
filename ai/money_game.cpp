#include "ai/money_game.h"

#include "ai/lookahead_engine.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/side.h"

#include <chrono>

namespace vh {
namespace {

// The cube's highest value, as the game keeps it.
constexpr std::int64_t kHighestCube = std::int64_t{1} << 30;

} // namespace

MoneyGameResult playMoneyGame(const std::array<EngineSeat*, 2>& seats, std::uint64_t diceSeed,
                              bool withCube, std::uint32_t budgetMs, PlayList& list,
                              DecisionTimes* times, const MatchState& match) {
    SeededStream dice(diceSeed);
    BoardRecord board;
    setUpStartPosition(board);
    int cubeOwner = -1;
    std::int64_t cube = 1;
    const OpeningRoll opening = rollOpening([&dice] { return dice.die(); });
    int side = opening.firstSide;
    for (int turn = 1;; ++turn) {
        EngineSeat& mover = *seats[static_cast<std::size_t>(side)];
        // The opening roll is played as it fell, without a cube decision.
        if (withCube && match.cubeAvailable() && turn > 1 &&
            (cubeOwner == -1 || cubeOwner == side)) {
            board.cubeValue = static_cast<std::int32_t>(cube);
            const auto doubler =
                mover.makeEngine(board, side, 1000, EngineTask::AnswerDouble, match);
            if (doubler->shouldOfferDouble(board.position)) {
                const int other = otherSide(side);
                const auto taker = seats[static_cast<std::size_t>(other)]->makeEngine(
                    board, other, 1000, EngineTask::AnswerDouble, match);
                if (!taker->acceptDouble(board.position)) {
                    return {side, ResultKind::Single, cube, true, turn};
                }
                cube = std::min(cube * 2, kHighestCube);
                cubeOwner = other;
                board.cubeValue = static_cast<std::int32_t>(cube);
            }
        }
        board.die1 = turn == 1 ? opening.die1 : dice.die();
        board.die2 = turn == 1 ? opening.die2 : dice.die();
        BoardPosition scratch = board.position;
        generatePlays(list, scratch, side, board.die1, board.die2);
        if (list.count > 0) {
            const auto engine =
                mover.makeEngine(board, side, budgetMs, EngineTask::ChoosePlay, match);
            const auto start = std::chrono::steady_clock::now();
            engine->run();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            if (times != nullptr) {
                (*times)[static_cast<std::size_t>(side)].push_back(took.count());
            }
            applyPlay(engine->result(), board.position);
        }
        if (hasWon(board.position, side)) {
            return {side, resultKind(board.position, side), cube, false, turn};
        }
        side = otherSide(side);
    }
}

} // namespace vh
