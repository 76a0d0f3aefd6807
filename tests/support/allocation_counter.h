#pragma once

#include <cstddef>

namespace vh::test {

// Heap allocations made through operator new while a watch is active. Linking
// this file replaces the global operator new of the test program.
struct AllocationStats {
    std::size_t count = 0;
    std::size_t totalBytes = 0;
    std::size_t largestBytes = 0;
};

class AllocationWatch {
public:
    AllocationWatch();
    AllocationWatch(const AllocationWatch&) = delete;
    AllocationWatch& operator=(const AllocationWatch&) = delete;
    ~AllocationWatch();

    AllocationStats stats() const;
};

} // namespace vh::test
