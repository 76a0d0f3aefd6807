#include "ai/duplicate_match.h"
#include "neural/td_trainer.h"
#include "neural/weights_file.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TrainingSettings smallRun(std::uint32_t seed) {
    TrainingSettings settings;
    settings.seed = seed;
    settings.hiddenUnits = 12;
    return settings;
}

TEST(TdTrainer, ASeededRunIsReproducedBitForBitOnAnyThreadsAlsoWhenResumed) {
    TdTrainer first(smallRun(7));
    TdTrainer second(smallRun(7));
    second.setThreads(2);
    TdTrainer halfway(smallRun(7));
    while (first.gamesPlayed() < 200) {
        const std::vector<SelfPlayResult> a = first.playBatch();
        const std::vector<SelfPlayResult> b = second.playBatch();
        ASSERT_EQ(a.size(), b.size());
        for (std::size_t g = 0; g < a.size(); ++g) {
            ASSERT_EQ(a[g].winner, b[g].winner);
            ASSERT_EQ(a[g].turns, b[g].turns);
        }
        if (halfway.gamesPlayed() < 100) {
            halfway.playBatch();
        }
    }
    EXPECT_EQ(first.trained().network, second.trained().network);
    EXPECT_EQ(first.gamesPlayed(), 200u);
    EXPECT_NE(first.trained().network, TdTrainer(smallRun(7)).trained().network) << "it learnt";
    EXPECT_NE(TdTrainer(smallRun(7)).trained().network, TdTrainer(smallRun(8)).trained().network)
        << "the seed draws the first weights";

    // Through the weights file, as the tool resumes from its checkpoint.
    std::string error;
    auto checkpoint = networkFromBytes(weightsFileBytes(halfway.trained()), error);
    ASSERT_TRUE(checkpoint.has_value()) << error;
    TdTrainer resumed(smallRun(7), std::move(*checkpoint));
    while (resumed.gamesPlayed() < 200) {
        resumed.playBatch();
    }
    EXPECT_EQ(resumed.trained().network, first.trained().network);
}

TEST(TdTrainer, AShortRunBeatsTheUntrainedNetworkClearly) {
    TdTrainer trainer(smallRun(11)); // B
    const auto untrained = std::make_shared<const NeuralNetwork>(trainer.trained().network);
    while (trainer.gamesPlayed() < 800) {
        trainer.playBatch();
    }
    EngineChoice zeroPly;
    zeroPly.kind = EngineChoice::Kind::Neural;
    EngineSeat trained(zeroPly, std::make_shared<const NeuralNetwork>(trainer.trained().network));
    EngineSeat beginner(zeroPly, untrained);
    MatchSettings settings;
    settings.pairs = 40;
    settings.seed = 3;
    const MatchReport report = playDuplicateMatch(trained, beginner, settings);
    EXPECT_GT(report.pointsPerGame() - report.confidence95(), 0.4)
        << report.pointsPerGame() << " +- " << report.confidence95();
}

} // namespace
} // namespace vh
