#include "tools/varnholt-cli/reviewed_games.h"

#include "ai/lookahead_engine.h"
#include "coach/game_review.h"
#include "coach/mistake.h"
#include "platform/seeded_stream.h"
#include "rules/move_generator.h"
#include "rules/opening_roll.h"
#include "rules/side.h"

namespace vh::cli {

GameRecord playRecordedGame(const std::array<EngineSeat*, 2>& seats, std::uint64_t diceSeed,
                            std::uint32_t budgetMs) {
    SeededStream dice(diceSeed);
    BoardRecord board;
    setUpStartPosition(board);
    GameRecord record;
    record.start = board.position;
    const auto list = std::make_unique<PlayList>();
    const OpeningRoll opening = rollOpening([&dice] { return dice.die(); });
    int side = opening.firstSide;
    for (int turn = 1;; ++turn) {
        board.die1 = turn == 1 ? opening.die1 : dice.die();
        board.die2 = turn == 1 ? opening.die2 : dice.die();
        RecordedTurn recorded;
        recorded.side = side;
        recorded.die1 = board.die1;
        recorded.die2 = board.die2;
        BoardPosition scratch = board.position;
        generatePlays(*list, scratch, side, board.die1, board.die2);
        if (list->count > 0) {
            const auto engine = seats[static_cast<std::size_t>(side)]->makeEngine(
                board, side, budgetMs, EngineTask::ChoosePlay);
            engine->run();
            copyPlay(recorded.play, engine->result());
            applyPlay(recorded.play, board.position);
        }
        record.turns.push_back(recorded);
        if (hasWon(board.position, side)) {
            record.winner = side;
            record.points = static_cast<int>(resultKind(board.position, side));
            // No turn's cube is judged: the game was played without one.
            record.cubeKnownFrom = record.turns.size() + 1;
            return record;
        }
        side = otherSide(side);
    }
}

double ReviewTally::rating(int engine) const {
    const auto index = static_cast<std::size_t>(engine);
    return performanceRating(static_cast<float>(equityLost[index]), decisions[index]);
}

ReviewTally reviewDuplicateGames(EngineSeat& a, EngineSeat& b, int pairs, std::uint64_t seed,
                                 std::uint32_t budgetMs,
                                 std::shared_ptr<const NeuralNetwork> network, int plies,
                                 const std::function<void(const ReviewTally&)>& afterGame) {
    ReviewTally tally;
    for (int pair = 0; pair < pairs; ++pair) {
        for (int aSide = 0; aSide < 2; ++aSide) {
            std::array<EngineSeat*, 2> seats{&a, &b};
            if (aSide == 1) {
                std::swap(seats[0], seats[1]);
            }
            const GameRecord record = playRecordedGame(
                seats, streamSeed(seed, static_cast<std::uint64_t>(pair)), budgetMs);
            const GameReview review = reviewGame(network, record, plies);
            for (int side = 0; side < 2; ++side) {
                const auto engine = static_cast<std::size_t>(side == aSide ? 0 : 1);
                const SideReview& judged = review.sides[static_cast<std::size_t>(side)];
                tally.equityLost[engine] += judged.equityLost;
                tally.decisions[engine] += judged.decisions;
            }
            ++tally.games;
            if (afterGame) {
                afterGame(tally);
            }
        }
    }
    return tally;
}

} // namespace vh::cli
