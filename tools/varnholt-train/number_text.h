#pragma once

#include <cstdio>
#include <string>

namespace vh::train {

// `value` with `decimals` places after the point.
inline std::string fixed(double value, int decimals) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

} // namespace vh::train
