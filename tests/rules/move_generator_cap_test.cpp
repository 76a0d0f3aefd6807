#include "rules/move_generator.h"
#include "rules/side.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

// Runs a test body inside a fresh temporary working directory.
class InTemporaryDirectory {
public:
    InTemporaryDirectory()
        : previous_(std::filesystem::current_path()),
          directory_(std::filesystem::temp_directory_path() /
                     ("varnholt-cap-" +
                      std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                      std::to_string(reinterpret_cast<std::uintptr_t>(this)))) {
        std::filesystem::create_directories(directory_);
        std::filesystem::current_path(directory_);
    }
    ~InTemporaryDirectory() {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(directory_);
    }
    InTemporaryDirectory(const InTemporaryDirectory&) = delete;
    InTemporaryDirectory& operator=(const InTemporaryDirectory&) = delete;

    const std::filesystem::path& path() const { return directory_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path directory_;
};

// No position with fifteen checkers a side comes near the limit (the largest
// list a search found was about 85000 plays, for 1-1), so the limit is shown
// with an over-full board: one checker of side 0 on every point, which gives
// about 23^4 ways to play 1-1 in each of the two passes.
BoardPosition overFullPosition() {
    std::array<int, kEntryCount> counts{};
    for (int point = 0; point < kPointCount; ++point) {
        counts[static_cast<std::size_t>(point)] = 1;
    }
    counts[OFF_TWO] = 15;
    return positionFromSignedCounts(counts);
}

TEST(MoveGeneratorCap, StopsAt99998PlaysAndLeavesAnEmptyMarkerFile) {
    InTemporaryDirectory temporary;
    auto list = std::make_unique<PlayList>();
    BoardPosition position = overFullPosition();
    const BoardPosition before = position;
    generatePlays(*list, position, PLAYER_ONE, 1, 1);

    EXPECT_EQ(list->count, PlayList::kMaxStoredPlays);
    EXPECT_TRUE(samePlacement(position, before));
    const std::filesystem::path marker = temporary.path() / "Too many turns.txt";
    ASSERT_TRUE(std::filesystem::exists(marker));
    EXPECT_EQ(std::filesystem::file_size(marker), 0u);
    for (const Play& play : *list) {
        ASSERT_EQ(play.count, 4);
    }
}

TEST(MoveGeneratorCap, AnOrdinaryRollLeavesNoMarkerFile) {
    InTemporaryDirectory temporary;
    auto list = std::make_unique<PlayList>();
    BoardPosition position = overFullPosition();
    generatePlays(*list, position, PLAYER_ONE, 6, 5);
    EXPECT_LT(list->count, PlayList::kMaxStoredPlays);
    EXPECT_FALSE(std::filesystem::exists(temporary.path() / "Too many turns.txt"));
}

} // namespace
} // namespace vh
