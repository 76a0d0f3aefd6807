#pragma once

#include <atomic>
#include <cstdint>

namespace vh {

// When a search on the worker thread must end: a budget on the tick counter,
// or an explicit stop from the owning thread, whichever comes first.
class SearchDeadline {
public:
    // A budget of 0 is stopped from the start.
    explicit SearchDeadline(std::uint32_t budgetMs);

    void stop();
    bool passed() const;

private:
    std::atomic<std::uint32_t> deadline_;
    std::atomic<bool> stopped_;
};

} // namespace vh
