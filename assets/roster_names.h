#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::assets {

constexpr int kOpponentCount = 10;
constexpr std::size_t kMaxNameLength = 31;

// The names of the ten computer opponents from the text of the roster (ten
// profiles of eight lines; the name is the first line of each). The walk
// follows the program's reader: whole-line fields end at the line break (a
// trailing carriage return is dropped), number fields skip leading white space
// including empty lines. Fails with a message when a profile is missing or a
// name cannot be used as a picture file name.
std::optional<std::vector<std::string>> opponentNamesFromText(std::string_view text,
                                                              std::string* error);
std::optional<std::vector<std::string>> readOpponentNames(const std::filesystem::path& roster,
                                                          std::string* error);

// The name of the one opponent of a champion file (the roster's format, one
// profile): its first line, with the same checks as a roster name.
std::optional<std::string> championNameFromText(std::string_view text, std::string* error);
std::optional<std::string> readChampionName(const std::filesystem::path& file, std::string* error);

} // namespace vh::assets
