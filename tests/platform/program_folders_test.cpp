#include "platform/program_folders.h"
#include "tests/support/temp_directory.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vh {
namespace {

namespace fs = std::filesystem;

TEST(ProgramFolders, DataAndUserPathsJoinTheirOwnFolder) {
    const ProgramFolders previous{dataDirectory(), userDirectory()};
    setProgramFolders({"/usr/share/varnholt-backgammon", "/home/ann/.local/share/varnholt"});
    EXPECT_EQ(dataPath("Graphics/Die1.bmp"),
              fs::path("/usr/share/varnholt-backgammon/Graphics/Die1.bmp"));
    EXPECT_EQ(userPath("Data/Settings.dat"),
              fs::path("/home/ann/.local/share/varnholt/Data/Settings.dat"));
    EXPECT_EQ(userThenDataDirectories(), (std::vector<fs::path>{userDirectory(), dataDirectory()}));

    setProgramDirectory("/opt/varnholt");
    EXPECT_EQ(dataDirectory(), userDirectory());
    EXPECT_EQ(userThenDataDirectories(), std::vector<fs::path>{"/opt/varnholt"});
    setProgramFolders(previous);
}

// A temporary tree with a build folder, an installation under prefix/ and
// folders without program data.
class FolderResolver : public testing::Test {
protected:
    FolderResolver() : root_("folders") {
        root_.write("build/Data/Computers.dat", "roster");
        const fs::path installed = installedDataDirectory(root_ / "prefix/bin");
        root_.write(fs::relative(installed / "Data/Computers.dat", root_.path()).string(),
                    "roster");
        fs::create_directories(root_ / "elsewhere");
    }

    test::TempDirectory root_;
};

TEST_F(FolderResolver, BuildFoldersKeepOneFolderAndInstallsWriteUnderTheUsersDataHome) {
    const fs::path build = root_ / "build";
    const fs::path elsewhere = root_ / "elsewhere";
    const fs::path installedBin = root_ / "prefix/bin";
    const fs::path share = installedDataDirectory(installedBin);
    const std::string xdg = (root_ / "xdg").string();
    const std::string home = (root_ / "home").string();
    const fs::path homeData = root_ / "home/.local/share/varnholt-backgammon";
    struct Case {
        const char* name;
        FolderClues clues;
        ProgramFolders expected;
    };
    const Case cases[] = {
        {"build folder as working directory, even for an installed binary",
         {build, installedBin, xdg, home},
         {build, build}},
        {"build folder beside the executable", {elsewhere, build, xdg, home}, {build, build}},
        {"installed, XDG_DATA_HOME set",
         {elsewhere, installedBin, xdg, home},
         {share, root_ / "xdg/varnholt-backgammon"}},
        {"installed, XDG_DATA_HOME unset", {elsewhere, installedBin, "", home}, {share, homeData}},
        {"installed, XDG_DATA_HOME not absolute",
         {elsewhere, installedBin, "relative/data", home},
         {share, homeData}},
        {"installed, no home either", {elsewhere, installedBin, "", ""}, {share, elsewhere}},
        {"no program data anywhere",
         {elsewhere, root_ / "elsewhere/bin", xdg, home},
         {elsewhere, elsewhere}},
    };
    for (const Case& c : cases) {
        const ProgramFolders folders = resolveProgramFolders(c.clues);
        EXPECT_EQ(folders.data, c.expected.data) << c.name;
        EXPECT_EQ(folders.user, c.expected.user) << c.name;
    }
    EXPECT_TRUE(fs::exists(share / "Data/Computers.dat"));
    EXPECT_FALSE(fs::exists(root_ / "xdg")) << "resolving creates nothing";
    EXPECT_FALSE(fs::exists(root_ / "home"));
}

TEST_F(FolderResolver, PreparingTheUserFolderCreatesItAndClearsInterruptedSaves) {
    const fs::path user = root_ / "home/.local/share/varnholt-backgammon";
    EXPECT_EQ(prepareUserFolder(user), "");
    EXPECT_TRUE(fs::is_directory(user / "Data"));

    root_.write("home/.local/share/varnholt-backgammon/Data/Settings.dat", "options");
    root_.write("home/.local/share/varnholt-backgammon/Data/Settings.dat.tmp-a1B2c3", "half");
    root_.write("home/.local/share/varnholt-backgammon/Data/Stats.dat.tmp-Zz9yX0", "half");
    root_.write("home/.local/share/varnholt-backgammon/Data/notes.tmp-1", "mine");
    root_.write("home/.local/share/varnholt-backgammon/Save1.vhf.tmp-0aZ9bY", "half");
    EXPECT_EQ(prepareUserFolder(user), "");
    EXPECT_FALSE(fs::exists(user / "Save1.vhf.tmp-0aZ9bY"));
    std::vector<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(user / "Data")) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Settings.dat", "notes.tmp-1"}));

    // A user folder that cannot be created is explained.
    root_.write("blocked", "a file where the folder should be");
    const fs::path blocked = root_ / "blocked/varnholt-backgammon";
    const std::string message = prepareUserFolder(blocked);
    EXPECT_NE(message.find(blocked.string()), std::string::npos) << message;
    EXPECT_NE(message.find("could not be created"), std::string::npos) << message;
    EXPECT_TRUE(fs::is_regular_file(root_ / "blocked"));
}

} // namespace
} // namespace vh
