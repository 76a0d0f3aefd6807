// The same build makes the same bytes: files painted again in this process are
// identical to the ones the build's generator run wrote.

#include "assets/catalogue.h"
#include "assets/opponent_roster.h"
#include "tests/assets/file_checks.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace vh::assets::test {
namespace {

AssetInputs inputs() {
    std::string error;
    const auto opponents = readOpponents(VARNHOLT_TEST_ROSTER, &error);
    EXPECT_TRUE(opponents.has_value()) << error;
    return {opponents.value_or(std::vector<Opponent>{}), VARNHOLT_TEST_FONT_DIR};
}

TEST(AssetDeterminism, RepaintedFilesEqualTheBuiltOnes) {
    const AssetInputs in = inputs();
    ASSERT_FALSE(in.opponents.empty());
    // A sample across the painters, kept small so the test stays quick.
    const std::set<std::string> sample{"Graphics/Red Stone 50x50.bmp",
                                       "Graphics/Black Vertical Stone.bmp",
                                       "Graphics/Die4.bmp",
                                       "Graphics/Double4.bmp",
                                       "Graphics/Small Clock.bmp",
                                       "Graphics/Dice Cup.bmp",
                                       "Graphics/Human.bmp",
                                       "Graphics/Toolbar Hot.bmp",
                                       "Graphics/Cursor Grab.png",
                                       "Graphics/" + in.opponents.back().name + ".bmp",
                                       "Wallpapers/Felt.bmp",
                                       "Sounds/Dice2.wav",
                                       "Sounds/Lose.wav"};
    std::set<std::string> seen;
    for (const AssetTask& task : assetTasks(in)) {
        if (!sample.contains(task.name)) {
            continue;
        }
        seen.insert(task.name);
        const std::vector<AssetFile> first = task.make();
        const std::vector<AssetFile> second = task.make();
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            SCOPED_TRACE(first[i].path);
            EXPECT_EQ(first[i].path, second[i].path);
            EXPECT_TRUE(first[i].bytes == second[i].bytes) << "differs between two runs";
            EXPECT_TRUE(first[i].bytes == readBytes(programDir() / first[i].path))
                << "differs from the file the build wrote";
        }
    }
    EXPECT_EQ(seen, sample) << "a sampled file has no task";
}

TEST(AssetDeterminism, EveryTaskHasAUniqueNameAndWritesUnderItsFolder) {
    std::set<std::string> names;
    for (const AssetTask& task : assetTasks(inputs())) {
        EXPECT_TRUE(names.insert(task.name).second) << task.name;
        const bool known = task.name.starts_with("Graphics/") || task.name.starts_with("Sounds/") ||
                           task.name.starts_with("Wallpapers/");
        EXPECT_TRUE(known) << task.name;
    }
}

TEST(AssetDeterminism, AMissingFontIsReportedNotCrashed) {
    AssetInputs in = inputs();
    in.fontDirectory = std::filesystem::temp_directory_path() / "no-such-font-folder";
    std::string error;
    EXPECT_FALSE(generateAssets(in, std::filesystem::temp_directory_path() / "unused", &error));
    EXPECT_NE(error.find("LiberationSerif-Bold.ttf"), std::string::npos) << error;
}

} // namespace
} // namespace vh::assets::test
