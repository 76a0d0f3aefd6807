#include "platform/atomic_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <unistd.h>

namespace vh {
namespace {

namespace fs = std::filesystem;

std::span<const std::byte> bytesOf(const std::string& text) {
    return std::as_bytes(std::span(text.data(), text.size()));
}

std::string contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class AtomicFileTest : public testing::Test {
protected:
    void SetUp() override {
        directory_ = fs::temp_directory_path() / ("varnholt-atomic-" + std::to_string(::getpid()));
        fs::remove_all(directory_);
        fs::create_directories(directory_);
    }
    void TearDown() override { fs::remove_all(directory_); }

    std::size_t entriesInDirectory() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(directory_), fs::directory_iterator()));
    }

    fs::path directory_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesWholeFiles) {
    const fs::path path = directory_ / "Stats.dat";
    ASSERT_TRUE(writeFileAtomically(path, bytesOf("first version, longer")));
    EXPECT_EQ(contents(path), "first version, longer");
    ASSERT_TRUE(writeFileAtomically(path, bytesOf("second")));
    EXPECT_EQ(contents(path), "second");
    std::string binary("\0\1\2\xff", 4);
    ASSERT_TRUE(writeFileAtomically(path, bytesOf(binary)));
    EXPECT_EQ(contents(path), binary);
    EXPECT_EQ(entriesInDirectory(), 1u) << "a temporary file was left behind";
}

TEST_F(AtomicFileTest, ASaveRemovesWhatKilledSavesOfTheSameFileLeft) {
    const fs::path path = directory_ / "Stats.dat";
    std::ofstream(directory_ / "Stats.dat.tmp-Ab12Cd") << "killed half-way";
    std::ofstream(directory_ / "Settings.dat.tmp-Ab12Cd") << "another file's";
    ASSERT_TRUE(writeFileAtomically(path, bytesOf("players")));
    EXPECT_FALSE(fs::exists(directory_ / "Stats.dat.tmp-Ab12Cd"));
    EXPECT_TRUE(fs::exists(directory_ / "Settings.dat.tmp-Ab12Cd"));
    EXPECT_EQ(contents(path), "players");
}

TEST_F(AtomicFileTest, FailureReportsAndLeavesNothingBehind) {
    std::string error;
    EXPECT_FALSE(writeFileAtomically(directory_ / "missing" / "x.dat", bytesOf("data"), &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;

    // A folder in the way of the rename: the folder survives, no stray files.
    const fs::path blocked = directory_ / "Settings.dat";
    fs::create_directory(blocked);
    error.clear();
    EXPECT_FALSE(writeFileAtomically(blocked, bytesOf("data"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(entriesInDirectory(), 1u);
}

} // namespace
} // namespace vh
