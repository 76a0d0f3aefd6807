#include "platform/atomic_file.h"
#include "platform/file_bytes.h"
#include "tests/support/temp_directory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>

namespace vh {
namespace {

namespace fs = std::filesystem;
using test::bytesOf;
using test::readBytes;

class AtomicFileTest : public testing::Test {
protected:
    std::size_t entriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_.path()), fs::directory_iterator()));
    }

    test::TempDirectory folder_{"atomic"};
};

TEST_F(AtomicFileTest, CreatesAndReplacesWholeFilesAndClearsWhatKilledSavesLeft) {
    const fs::path path = folder_ / "Stats.dat";
    for (const std::string_view text :
         {std::string_view("first version, longer"), std::string_view("second"),
          std::string_view("\0\1\2\xff", 4)}) {
        ASSERT_TRUE(writeFileAtomically(path, bytesOf(text)));
        EXPECT_EQ(readBytes(path), bytesOf(text));
    }
    EXPECT_EQ(entriesInFolder(), 1u) << "a temporary file was left behind";

    // A save removes what killed saves of the same file left.
    folder_.write("Stats.dat.tmp-Ab12Cd", "killed half-way");
    folder_.write("Settings.dat.tmp-Ab12Cd", "another file's");
    ASSERT_TRUE(writeFileAtomically(folder_ / "Stats.dat", bytesOf("players")));
    EXPECT_FALSE(fs::exists(folder_ / "Stats.dat.tmp-Ab12Cd"));
    EXPECT_TRUE(fs::exists(folder_ / "Settings.dat.tmp-Ab12Cd"));
    EXPECT_EQ(readBytes(folder_ / "Stats.dat"), bytesOf("players"));
}

TEST_F(AtomicFileTest, FailureReportsAndLeavesNothingBehind) {
    std::string error;
    EXPECT_FALSE(writeFileAtomically(folder_ / "missing/x.dat", bytesOf("data"), &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;

    // A folder in the way of the rename: the folder survives, no stray files.
    const fs::path blocked = folder_ / "Settings.dat";
    fs::create_directory(blocked);
    error.clear();
    EXPECT_FALSE(writeFileAtomically(blocked, bytesOf("data"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST(FileBytes, ReadsWholeFilesAndTellsMissingFromUnreadable) {
    const test::TempDirectory folder("file-bytes");
    folder.write("Data/small.dat", std::string_view("abc\0def", 7));
    folder.write("Data/empty.dat", "");
    std::filesystem::create_directories(folder / "Data/folder.dat");

    const FileBytes small = readFileBytes(folder / "Data/small.dat", 100);
    EXPECT_EQ(small.status, FileReadStatus::Read);
    EXPECT_EQ(small.bytes, test::bytesOf(std::string_view("abc\0def", 7)));

    const FileBytes empty = readFileBytes(folder / "Data/empty.dat", 100);
    EXPECT_EQ(empty.status, FileReadStatus::Read);
    EXPECT_TRUE(empty.bytes.empty());

    EXPECT_EQ(readFileBytes(folder / "Data/none.dat", 100).status, FileReadStatus::Missing);
    EXPECT_EQ(readFileBytes(folder / "Nowhere/none.dat", 100).status, FileReadStatus::Missing);
    EXPECT_EQ(readFileBytes(folder / "Data/small.dat/inside", 100).status, FileReadStatus::Missing);

    const FileBytes directory = readFileBytes(folder / "Data/folder.dat", 100);
    EXPECT_EQ(directory.status, FileReadStatus::Unreadable);
    EXPECT_EQ(directory.error, "not a regular file");

    const FileBytes tooLarge = readFileBytes(folder / "Data/small.dat", 6);
    EXPECT_EQ(tooLarge.status, FileReadStatus::Unreadable);
    EXPECT_TRUE(tooLarge.bytes.empty());
    EXPECT_EQ(readFileBytes(folder / "Data/small.dat", 7).status, FileReadStatus::Read);
}

} // namespace
} // namespace vh
