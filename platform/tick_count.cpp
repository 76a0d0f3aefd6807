#include "platform/tick_count.h"

#include <chrono>

namespace vh {

std::uint32_t tickCount() {
    using namespace std::chrono;
    const auto sinceEpoch = steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(duration_cast<milliseconds>(sinceEpoch).count());
}

} // namespace vh
