#include "coach/tutor.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(Tutor, WarnsAHumanFromEachThresholdOn) {
    const struct {
        float loss;
        int side;
        const char* warning; // nullptr: none
    } cases[] = {
        {0.039f, 0, nullptr},
        {0.04f, 0, "Your play gave away 0.040: a doubtful move. Best: 13/7 8/7."},
        {0.08f, 0, "Your play gave away 0.080: an error. Best: 13/7 8/7."},
        {0.16f, 0, "Your play gave away 0.160: a blunder. Best: 13/7 8/7."},
        {0.5f, 1, nullptr}, // the computer's own play
    };
    for (const auto& c : cases) {
        TurnReview turn;
        turn.context.turn.side = c.side;
        turn.unforced = true;
        turn.loss = c.loss;
        turn.bestText = "13/7 8/7";
        const std::optional<std::string> warning = tutorWarning(turn, {true, false});
        EXPECT_EQ(warning.value_or("none"), c.warning ? c.warning : "none") << c.loss;
    }
}

TEST(Tutor, JudgesTheDoubleOfOneSideAndTheAnswerOfTheOther) {
    TurnReview turn;
    turn.context.turn.side = 1;
    turn.context.turn.cube = CubeAction::DoubleTaken;
    turn.cube = CubeAdvice{};
    turn.cube->verdict = CubeVerdict::DoublePass;
    turn.takeLoss = 0.3f;
    EXPECT_EQ(tutorWarning(turn, {true, false}).value_or("none"),
              "Taking gave away 0.300: a blunder. Right: pass.");
    EXPECT_FALSE(tutorWarning(turn, {false, true}).has_value()) << "the double itself was right";
}

} // namespace
} // namespace vh
