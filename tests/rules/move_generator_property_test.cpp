#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"
#include "tests/support/random_positions.h"
#include "tests/support/reference_plays.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace vh {
namespace {

using test::MoveSequence;

// The from-points of a play's moves, which order the list within one pass.
std::vector<int> fromPoints(const Play& play) {
    std::vector<int> points;
    for (int i = 0; i < play.count; ++i) {
        points.push_back(static_cast<int>(play.moves[static_cast<std::size_t>(i)].from));
    }
    return points;
}

// Where the second pass (dice the other way round) begins.
int secondPassStart(const PlayList& list, int die1, int die2) {
    if (die1 == die2) {
        return list.count / 2;
    }
    for (int index = 0; index < list.count; ++index) {
        if (list[index].count > 0 && static_cast<int>(list[index].moves[0].die) != die1) {
            return index;
        }
    }
    return list.count;
}

void checkCase(PlayList& list, RollCase& c) {
    const BoardPosition before = c.position;
    generatePlays(list, c.position, c.side, c.die1, c.die2);
    ASSERT_TRUE(samePlacement(c.position, before)) << "the working position was changed";

    // Same plays as the brute-force reference, as a multiset.
    std::vector<MoveSequence> listed = test::toSequences(list);
    std::vector<MoveSequence> expected = test::referencePlays(before, c.side, c.die1, c.die2);
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(listed, expected);

    const int moves = list.count > 0 ? list[0].count : 0;
    for (const Play& play : list) {
        ASSERT_EQ(play.count, moves) << "plays of different lengths: " << formatPlay(play);
        BoardPosition after = before;
        applyPlay(play, after);
        ASSERT_TRUE(
            samePlacement(after, test::positionAfter(before, c.side, test::toSequence(play))));
        ASSERT_EQ(checkerTotal(after, PLAYER_ONE), kCheckersPerSide);
        ASSERT_EQ(checkerTotal(after, PLAYER_TWO), kCheckersPerSide);
    }

    if (c.die1 == c.die2) {
        ASSERT_EQ(list.count % 2, 0);
        for (int index = 0; index < list.count / 2; ++index) {
            ASSERT_TRUE(samePlay(list[index], list[index + list.count / 2]));
        }
    } else {
        ASSERT_EQ(std::set<MoveSequence>(listed.begin(), listed.end()).size(), listed.size())
            << "a non-double lists a play twice";
    }

    // Within each pass, depth first by from-point.
    const int split = secondPassStart(list, c.die1, c.die2);
    for (int index = 1; index < list.count; ++index) {
        if (index != split) {
            ASSERT_LT(fromPoints(list[index - 1]), fromPoints(list[index]))
                << formatPlay(list[index - 1]) << " before " << formatPlay(list[index]);
        }
    }
}

class MoveGeneratorProperty : public testing::TestWithParam<std::uint32_t> {};

TEST_P(MoveGeneratorProperty, AgreesWithTheBruteForceReference) {
    auto list = std::make_unique<PlayList>();
    std::vector<RollCase> cases = test::randomCases(1500, GetParam());
    int playsSeen = 0;
    for (std::size_t index = 0; index < cases.size(); ++index) {
        SCOPED_TRACE("case " + std::to_string(index));
        checkCase(*list, cases[index]);
        if (HasFatalFailure()) {
            return;
        }
        playsSeen += list->count;
    }
    EXPECT_GT(playsSeen, 1500);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MoveGeneratorProperty, testing::Values(1u, 2u, 3u, 4u));

} // namespace
} // namespace vh
