#include "settings/number_text.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace vh {

std::optional<std::int32_t> leadingInteger(std::string_view text, std::size_t maxLength) {
    text = text.substr(0, maxLength);
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])) != 0) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t firstDigit = i;
    std::int64_t value = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) {
        value = std::min(kLimit, value * 10 + (text[i] - '0'));
        ++i;
    }
    if (i == firstDigit) {
        return std::nullopt;
    }
    value = negative ? -value : value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(value);
}

} // namespace vh
