#include "rules/move_generator.h"
#include "rules/side.h"
#include "tests/support/temp_directory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace vh {
namespace {

namespace fs = std::filesystem;

// The marker file is written into the working directory.
class InWorkingDirectory {
public:
    explicit InWorkingDirectory(const fs::path& directory) { fs::current_path(directory); }
    ~InWorkingDirectory() { fs::current_path(previous_); }
    InWorkingDirectory(const InWorkingDirectory&) = delete;
    InWorkingDirectory& operator=(const InWorkingDirectory&) = delete;

private:
    fs::path previous_ = fs::current_path();
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
    const test::TempDirectory folder("cap");
    const InWorkingDirectory inFolder(folder.path());
    const fs::path marker = folder / "Too many turns.txt";
    auto list = std::make_unique<PlayList>();
    BoardPosition position = overFullPosition();
    generatePlays(*list, position, PLAYER_ONE, 6, 5);
    EXPECT_LT(list->count, PlayList::kMaxStoredPlays);
    EXPECT_FALSE(fs::exists(marker)) << "an ordinary roll leaves no marker";

    const BoardPosition before = position;
    generatePlays(*list, position, PLAYER_ONE, 1, 1);
    EXPECT_EQ(list->count, PlayList::kMaxStoredPlays);
    EXPECT_TRUE(samePlacement(position, before));
    ASSERT_TRUE(fs::exists(marker));
    EXPECT_EQ(fs::file_size(marker), 0u);
    for (const Play& play : *list) {
        ASSERT_EQ(play.count, 4);
    }
}

} // namespace
} // namespace vh
