#include "platform/file_bytes.h"
#include "tests/support/temp_directory.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

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
