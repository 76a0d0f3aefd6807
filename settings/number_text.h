#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vh {

// The decimal number an edit field of the option pages holds: white space,
// a sign and digits at the start of the first `maxLength` characters, the
// rest ignored; nothing when no digit follows. Values beyond 32 bits are
// clamped.
std::optional<std::int32_t> leadingInteger(std::string_view text, std::size_t maxLength);

} // namespace vh
