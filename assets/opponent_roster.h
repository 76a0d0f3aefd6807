#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::assets {

constexpr int kOpponentCount = 10;
constexpr std::size_t kMaxNameLength = 31;

// What the portraits need to know of a computer opponent.
struct Opponent {
    std::string name;
    int age = 0;
    std::string description;

    bool operator==(const Opponent&) const = default;
};

// The ten computer opponents from the text of the roster: ten profiles of
// eight lines (name, age, level text, cash, two play parameters, description,
// separator). The walk follows the program's reader: whole-line fields end at
// the line break (a trailing carriage return is dropped), number fields skip
// leading white space including empty lines and ignore the rest of their line.
// Fails with a message when a profile is missing or cut short, an age is not a
// number, or a name cannot be used as a picture file name.
std::optional<std::vector<Opponent>> opponentsFromText(std::string_view text, std::string* error);
std::optional<std::vector<Opponent>> readOpponents(const std::filesystem::path& roster,
                                                   std::string* error);

// The opponents of a champion file, the ladder and the champion: one to ten
// profiles in the roster's format, the last separator line optional, with
// the same checks.
std::optional<std::vector<Opponent>> championFileFromText(std::string_view text,
                                                          std::string* error);
std::optional<std::vector<Opponent>> readChampionFile(const std::filesystem::path& file,
                                                      std::string* error);

} // namespace vh::assets
