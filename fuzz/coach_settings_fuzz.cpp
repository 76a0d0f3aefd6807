#include "settings/coach_settings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

// Data/Coach.dat: bytes accepted are exactly what the writer makes of them.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    vh::CoachSettings settings;
    if (vh::decodeCoachSettings(bytes, settings) &&
        !std::ranges::equal(vh::encodeCoachSettings(settings), bytes)) {
        std::abort();
    }
    return 0;
}
