#include "ai/neural_engine.h"
#include "neural/network_play.h"
#include "platform/seeded_stream.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/random_positions.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

// Evaluations, the best play of a roll, one roll ahead and whole searches at
// 0 and 1 ply all run without touching the heap once the workspace exists.
TEST(NeuralAllocation, EvaluationsAndSearchesNeverAllocate) {
    auto network = std::make_shared<NeuralNetwork>(16);
    SeededStream stream(3);
    for (float& weight : network->parameters()) {
        weight = stream.symmetric(0.5f);
    }
    const std::shared_ptr<const NeuralNetwork> shared = network;
    auto workspace = makeNeuralWorkspace();
    int index = 0;
    for (RollCase& c : test::randomCases(100, 6)) {
        BoardRecord board;
        board.position = c.position;
        board.die1 = c.die1;
        board.die2 = c.die2;
        NeuralEngine engine(shared, index++ % 2, board, c.side, 60000, workspace.get());
        const test::AllocationWatch watch;
        float sink = cubelessEquity(chancesOnRoll(*shared, c.position, c.side));
        generatePlays(workspace->list, c.position, c.side, c.die1, c.die2);
        sink += bestPlayOfRoll(*shared, workspace->list, c.position, c.side, c.die1, c.die2).equity;
        sink += chancesOneRollAhead(*shared, c.position, c.side, workspace->replies)[kWin];
        engine.run();
        EXPECT_GE(sink, -1000.0f);
        ASSERT_EQ(watch.stats().count, 0u);
    }
}

} // namespace
} // namespace vh
