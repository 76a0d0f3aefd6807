#include "tools/varnholt-cli/engine_game.h"

#include "ai/lookahead_engine.h"
#include "platform/random.h"
#include "platform/worker_thread.h"
#include "rules/board_record.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/side.h"

#include <chrono>

namespace vh::cli {

void DecisionTimes::add(double ms) {
    ++decisions;
    totalMs += ms;
    if (ms > maxMs) {
        maxMs = ms;
    }
}

EngineGame::EngineGame(const std::array<EngineParameters, 2>& players, std::uint32_t budgetMs)
    : players_(players), budgetMs_(budgetMs), workspace_(makeSearchWorkspace()) {}

EngineGameOutcome EngineGame::play(const Observer& observer) {
    BoardRecord board;
    setUpStartPosition(board);
    const OpeningRoll opening = rollOpening(rollDie);
    int side = opening.firstSide;
    for (int turn = 1;; ++turn) {
        board.die1 = turn == 1 ? opening.die1 : rollDie();
        board.die2 = turn == 1 ? opening.die2 : rollDie();
        const BoardPosition before = board.position;
        BoardPosition scratch = board.position;
        generatePlays(workspace_->list, scratch, side, board.die1, board.die2);
        Play chosen;
        if (workspace_->list.count > 0) {
            LookaheadEngine engine(players_[static_cast<std::size_t>(side)], board, side, budgetMs_,
                                   EngineTask::ChoosePlay, workspace_.get());
            const auto start = std::chrono::steady_clock::now();
            WorkerThread worker;
            worker.start([&engine] { engine.run(); }, WorkerThread::kSearchStackSize);
            worker.join();
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            times_.add(took.count());
            copyPlay(chosen, engine.result());
            applyPlay(chosen, board.position);
        }
        if (observer) {
            observer({turn, side, board.die1, board.die2, before, chosen});
        }
        if (hasWon(board.position, side)) {
            return {side, resultKind(board.position, side), turn};
        }
        side = otherSide(side);
    }
}

} // namespace vh::cli
