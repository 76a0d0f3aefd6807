#pragma once

#include <string_view>

namespace vh {

// The program's version, set once in the build ("1.10").
std::string_view programVersion();

} // namespace vh
