#include "neural/weights_file.h"
#include "platform/file_bytes.h"
#include "tests/support/temp_directory.h"
#include "tools/varnholt-train/resumed_settings.h"
#include "tools/varnholt-train/training_run.h"

#include <gtest/gtest.h>
#include <sstream>

namespace vh::train {
namespace {

RunSettings shortRun(const test::TempDirectory& directory, const char* out, std::uint32_t games) {
    RunSettings run;
    run.training.seed = 5;
    run.training.hiddenUnits = 4;
    run.training.gamesPerBatch = 4;
    run.training.plannedGames = 16;
    run.games = games;
    run.checkpointEvery = 4;
    run.checkpoint = directory / "checkpoint.weights";
    run.measureEvery = 0;
    run.out = directory / out;
    return run;
}

std::vector<std::byte> bytesOf(const std::filesystem::path& path) {
    return readFileBytes(path, 1 << 20).bytes;
}

TEST(TrainingRun, AResumedRunKeepsItsScheduleAndEndsAsTheRunStraightThrough) {
    const test::TempDirectory directory("training");
    std::ostringstream log;
    ASSERT_TRUE(runTraining(shortRun(directory, "straight.weights", 16), log)) << log.str();
    ASSERT_TRUE(runTraining(shortRun(directory, "half.weights", 8), log)) << log.str();

    // As a command line resuming with none of the run's options would have it.
    RunSettings resumed = shortRun(directory, "resumed.weights", 16);
    resumed.training = TrainingSettings{};
    resumed.training.plannedGames = 8;
    resumed.resume = resumed.checkpoint;
    ASSERT_TRUE(runTraining(resumed, log)) << log.str();
    EXPECT_EQ(bytesOf(directory / "resumed.weights"), bytesOf(directory / "straight.weights"));
}

TEST(TrainingRun, ANewPhaseTrainsTheNetworkOnWithItsOwnSettings) {
    const test::TempDirectory directory("training");
    std::ostringstream log;
    ASSERT_TRUE(runTraining(shortRun(directory, "first.weights", 8), log)) << log.str();

    RunSettings phase = shortRun(directory, "second.weights", 4);
    phase.checkpoint.clear();
    phase.training.seed = 9;
    phase.training.firstLearningRate = 0.01f;
    phase.training.plannedGames = 4;
    phase.startFrom = directory / "first.weights";
    ASSERT_TRUE(runTraining(phase, log)) << log.str();
    std::string error;
    const auto first = readWeightsFile(directory / "first.weights", error);
    const auto second = readWeightsFile(directory / "second.weights", error);
    ASSERT_TRUE(first && second) << error;
    EXPECT_EQ(second->gamesTrained, 4u);
    EXPECT_EQ(second->settings, phase.training);
    EXPECT_NE(bytesOf(directory / "first.weights"), bytesOf(directory / "second.weights"));

    phase.training.hiddenUnits = 5;
    std::ostringstream refusal;
    EXPECT_FALSE(runTraining(phase, refusal));
    EXPECT_NE(refusal.str().find("4 hidden units"), std::string::npos) << refusal.str();
}

TEST(TrainingRun, OnlyThePlannedGamesMayDifferFromTheCheckpoint) {
    TrainingSettings recorded;
    recorded.seed = 5;
    recorded.hiddenUnits = 4;
    recorded.plannedGames = 100;
    const TrainedNetwork checkpoint{NeuralNetwork(4), 40, recorded};
    const TrainedNetwork firstVersion{NeuralNetwork(4), 40};
    TrainingSettings other;
    other.seed = 6;
    other.hiddenUnits = 8;
    other.lambda = 0.5f;
    other.plannedGames = 300;
    TrainingSettings replanned = recorded;
    replanned.plannedGames = 300;
    // A checkpoint of the first version records no settings: the ones given
    // are taken, with the network's own hidden units.
    TrainingSettings fromFirstVersion = other;
    fromFirstVersion.hiddenUnits = 4;
    const struct {
        const TrainedNetwork& checkpoint;
        std::set<std::string> chosen;
        const char* refusal; // nullptr: resumed with `settings`
        TrainingSettings settings;
    } cases[] = {
        {checkpoint, {}, nullptr, recorded},
        {checkpoint, {"--seed"}, "--seed 6 contradicts the checkpoint's 5", {}},
        {checkpoint, {"--hidden"}, "--hidden 8 contradicts the checkpoint's 4", {}},
        {checkpoint, {"--lambda"}, "--lambda 0.5 contradicts the checkpoint's 0.699999988", {}},
        {checkpoint, {"--planned-games"}, nullptr, replanned},
        {firstVersion, {"--seed", "--lambda"}, nullptr, fromFirstVersion},
        {firstVersion, {"--hidden"}, "--hidden 8 contradicts the checkpoint's 4", {}},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto settings = resumedSettings(c.checkpoint, other, c.chosen, error);
        if (c.refusal) {
            EXPECT_FALSE(settings.has_value());
            EXPECT_EQ(error, c.refusal);
        } else {
            ASSERT_TRUE(settings.has_value()) << error;
            EXPECT_EQ(*settings, c.settings);
        }
    }
}

} // namespace
} // namespace vh::train
