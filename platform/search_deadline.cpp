#include "platform/search_deadline.h"

#include "platform/tick_count.h"

#include <algorithm>

namespace vh {
namespace {

// Deadlines are compared on the wrapping tick counter, which orders two
// instants only while they lie less than 2^31 ms apart.
constexpr std::uint32_t kLongestBudgetMs = 0x7FFFFFFFu;

} // namespace

SearchDeadline::SearchDeadline(std::uint32_t budgetMs)
    : deadline_(tickCount() + std::min(budgetMs, kLongestBudgetMs)), stopped_(budgetMs == 0) {}

void SearchDeadline::stop() {
    deadline_.store(0, std::memory_order_relaxed);
    // A wrapping comparison would not see 0 as passed, hence the flag.
    stopped_.store(true, std::memory_order_release);
}

bool SearchDeadline::passed() const {
    return stopped_.load(std::memory_order_acquire) ||
           tickIsAfter(tickCount(), deadline_.load(std::memory_order_relaxed));
}

} // namespace vh
