#pragma once

#include <cstdint>
#include <string>

namespace vh::cli {

// The budget of a computer's turn without a clock.
inline constexpr std::uint32_t kDefaultBudgetMs = 60000;

// Parsers for the engine options shared by choose and selfplay; bad values
// are a CliError.
std::int32_t parseStrength(const std::string& text);
std::int32_t parsePlayParameter(const std::string& text, const std::string& what);
std::uint32_t parseBudget(const std::string& text);

} // namespace vh::cli
