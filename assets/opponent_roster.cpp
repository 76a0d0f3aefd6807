#include "assets/opponent_roster.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vh::assets {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }
    bool onlySpaceLeft() const {
        return std::all_of(text_.begin() + static_cast<long>(std::min(at_, text_.size())),
                           text_.end(), isSpace);
    }

    std::string line() {
        const std::size_t end = text_.find('\n', at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        std::string result(text_.substr(at_, stop - at_));
        at_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!result.empty() && result.back() == '\r') {
            result.pop_back();
        }
        return result;
    }

    // A number field: white space (line breaks too) is skipped, then the rest
    // of the line is consumed and returned; nothing when the text has ended.
    std::optional<std::string> numberLine() {
        while (!atEnd() && isSpace(text_[at_])) {
            ++at_;
        }
        if (atEnd()) {
            return std::nullopt;
        }
        return line();
    }

private:
    static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

bool fail(std::string* error, const std::string& message) {
    if (error != nullptr) {
        *error = message;
    }
    return false;
}

std::string where(int profile) {
    return "profile " + std::to_string(profile + 1) + ": ";
}

bool usableName(const std::string& name, int profile, std::string* error) {
    if (name.empty() || name == "." || name == "..") {
        return fail(error, where(profile) + "the name is empty");
    }
    if (name.size() > kMaxNameLength) {
        return fail(error,
                    where(profile) + "the name \"" + name + "\" is longer than 31 characters");
    }
    for (char c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32) {
            return fail(error, where(profile) + "the name \"" + name + "\" cannot be a file name");
        }
    }
    return true;
}

// A decimal integer at the start of the field (a sign allowed); the rest of
// the line is ignored. Ages beyond any human's are held at 999.
std::optional<int> leadingInteger(const std::string& field) {
    std::size_t at = 0;
    const bool negative = !field.empty() && field[0] == '-';
    if (!field.empty() && (field[0] == '-' || field[0] == '+')) {
        at = 1;
    }
    if (at >= field.size() || field[at] < '0' || field[at] > '9') {
        return std::nullopt;
    }
    int value = 0;
    for (; at < field.size() && field[at] >= '0' && field[at] <= '9'; ++at) {
        value = std::min(value * 10 + (field[at] - '0'), 999);
    }
    return negative ? -value : value;
}

// From `least` to `most` profiles of eight lines, as many as the text holds;
// the last separator may be missing.
std::optional<std::vector<Opponent>> profilesFromText(std::string_view text, int least, int most,
                                                      std::string* error) {
    LineReader reader(text);
    std::vector<Opponent> opponents;
    const int count = least;
    for (int profile = 0; profile < most && (profile < least || !reader.onlySpaceLeft());
         ++profile) {
        if (reader.atEnd()) {
            fail(error, "the file ends after " + std::to_string(profile) + " of " +
                            std::to_string(count) + " profiles");
            return std::nullopt;
        }
        Opponent opponent;
        opponent.name = reader.line();
        if (!usableName(opponent.name, profile, error)) {
            return std::nullopt;
        }
        const std::optional<std::string> age = reader.numberLine();
        bool complete = age.has_value() && !reader.atEnd();
        if (complete) {
            reader.line(); // level text
            // cash and the two play parameters
            complete = reader.numberLine() && reader.numberLine() && reader.numberLine() &&
                       !reader.atEnd();
        }
        if (!complete) {
            fail(error, "profile " + std::to_string(profile + 1) + " is cut short");
            return std::nullopt;
        }
        const std::optional<int> years = leadingInteger(*age);
        if (!years) {
            fail(error, where(profile) + "the age \"" + *age + "\" is not a number");
            return std::nullopt;
        }
        opponent.age = *years;
        opponent.description = reader.line();
        reader.line(); // separator
        opponents.push_back(std::move(opponent));
    }
    return opponents;
}

std::optional<std::string> fileText(const std::filesystem::path& path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        fail(error, path.string() + " cannot be opened");
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Reads a file of `count` profiles; a fault names the file.
std::optional<std::vector<Opponent>> readProfiles(const std::filesystem::path& path, int least,
                                                  int most, std::string* error) {
    const std::optional<std::string> text = fileText(path, error);
    if (!text) {
        return std::nullopt;
    }
    std::string why;
    auto opponents = profilesFromText(*text, least, most, &why);
    if (!opponents) {
        fail(error, path.string() + ": " + why);
    }
    return opponents;
}

} // namespace

std::optional<std::vector<Opponent>> opponentsFromText(std::string_view text, std::string* error) {
    return profilesFromText(text, kOpponentCount, kOpponentCount, error);
}

std::optional<std::vector<Opponent>> readOpponents(const std::filesystem::path& roster,
                                                   std::string* error) {
    return readProfiles(roster, kOpponentCount, kOpponentCount, error);
}

std::optional<std::vector<Opponent>> championFileFromText(std::string_view text,
                                                          std::string* error) {
    return profilesFromText(text, 1, kOpponentCount, error);
}

std::optional<std::vector<Opponent>> readChampionFile(const std::filesystem::path& file,
                                                      std::string* error) {
    return readProfiles(file, 1, kOpponentCount, error);
}

} // namespace vh::assets
