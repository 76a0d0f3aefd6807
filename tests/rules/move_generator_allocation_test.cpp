#include "rules/move_generator.h"
#include "tests/support/random_positions.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <new>

namespace {

std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* allocate(std::size_t size) {
    if (counting.load()) {
        allocations.fetch_add(1);
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace vh {
namespace {

TEST(MoveGeneratorAllocation, GeneratesWithoutTouchingTheHeap) {
    auto list = std::make_unique<PlayList>();
    std::vector<test::RandomCase> cases = test::randomCases(3000, 99);

    // The counter itself must work, or the check below proves nothing.
    counting = true;
    auto probe = std::make_unique<int>(1);
    counting = false;
    ASSERT_EQ(allocations.exchange(0), 1);

    long plays = 0;
    counting = true;
    for (test::RandomCase& c : cases) {
        generatePlays(*list, c.position, c.side, c.die1, c.die2);
        plays += list->count;
    }
    counting = false;
    EXPECT_EQ(allocations.load(), 0);
    EXPECT_GT(plays, 0);
}

} // namespace
} // namespace vh
