#include "board/bmp_file.h"
#include "tests/board/bmp_builder.h"
#include "tests/support/allocation_counter.h"
#include "tests/support/mutations.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(BmpMutation, DamagedFilesAreReadOrRefusedWithoutCrashOrWildAllocation) {
    std::vector<std::vector<std::byte>> files;
    for (const test::BmpLayout& layout : test::sampleLayouts()) {
        files.push_back(test::buildBmp(layout));
    }
    // Offsets of the pixel offset, header size, width, height, depth,
    // compression and colour count.
    const std::size_t counts[] = {10, 14, 18, 22, 28, 30, 46};
    std::mt19937 random(777);
    int read = 0;
    int refused = 0;
    for (int round = 0; round < 30000; ++round) {
        const std::vector<std::byte>& original =
            files[static_cast<std::size_t>(round) % files.size()];
        const std::vector<std::byte> damaged = test::mutate(original, random, counts);
        std::optional<BmpPicture> picture;
        std::string reason;
        {
            const test::AllocationWatch watch;
            picture = decodeBmp(damaged, &reason);
            // A picture costs 3 bytes a pixel, and a 1-bit file holds 8 pixels a byte.
            ASSERT_LE(watch.stats().totalBytes, 24 * damaged.size() + 4096);
        }
        if (picture) {
            ++read;
            ASSERT_GT(picture->image.width(), 0);
            ASSERT_GT(picture->image.height(), 0);
        } else {
            ++refused;
            ASSERT_FALSE(reason.empty());
        }
    }
    EXPECT_GT(read, 1000);
    EXPECT_GT(refused, 1000);
}

} // namespace
} // namespace vh
