#include "assets/roster_names.h"

#include <fstream>
#include <iterator>

namespace vh::assets {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return at_ >= text_.size(); }

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

    // A number field: white space (line breaks too) is skipped, the number and
    // the rest of its line are consumed.
    bool numberLine() {
        while (!atEnd() && isSpace(text_[at_])) {
            ++at_;
        }
        if (atEnd()) {
            return false;
        }
        line();
        return true;
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

bool usableName(const std::string& name, int profile, std::string* error) {
    const std::string where = "profile " + std::to_string(profile + 1) + ": ";
    if (name.empty() || name == "." || name == "..") {
        return fail(error, where + "the name is empty");
    }
    if (name.size() > kMaxNameLength) {
        return fail(error, where + "the name \"" + name + "\" is longer than 31 characters");
    }
    for (char c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32) {
            return fail(error, where + "the name \"" + name + "\" cannot be a file name");
        }
    }
    return true;
}

} // namespace

std::optional<std::vector<std::string>> opponentNamesFromText(std::string_view text,
                                                              std::string* error) {
    LineReader reader(text);
    std::vector<std::string> names;
    for (int profile = 0; profile < kOpponentCount; ++profile) {
        if (reader.atEnd()) {
            fail(error, "the roster ends after " + std::to_string(profile) + " of " +
                            std::to_string(kOpponentCount) + " profiles");
            return std::nullopt;
        }
        std::string name = reader.line();
        if (!usableName(name, profile, error)) {
            return std::nullopt;
        }
        names.push_back(std::move(name));
        // age, level text, cash, two play parameters, description, separator
        bool complete = reader.numberLine();
        if (complete) {
            reader.line();
            complete = reader.numberLine() && reader.numberLine() && reader.numberLine();
        }
        if (!complete && profile + 1 < kOpponentCount) {
            fail(error, "profile " + std::to_string(profile + 1) + " is cut short");
            return std::nullopt;
        }
        reader.line();
        reader.line();
    }
    return names;
}

namespace {

std::optional<std::string> fileText(const std::filesystem::path& path, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        fail(error, path.string() + " cannot be opened");
        return std::nullopt;
    }
    return std::string{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

std::optional<std::string> championNameFromText(std::string_view text, std::string* error) {
    LineReader reader(text);
    if (reader.atEnd()) {
        fail(error, "the file holds no profile");
        return std::nullopt;
    }
    std::string name = reader.line();
    if (!usableName(name, 0, error)) {
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> readChampionName(const std::filesystem::path& file, std::string* error) {
    const std::optional<std::string> text = fileText(file, error);
    if (!text) {
        return std::nullopt;
    }
    std::string why;
    auto name = championNameFromText(*text, &why);
    if (!name) {
        fail(error, file.string() + ": " + why);
    }
    return name;
}

std::optional<std::vector<std::string>> readOpponentNames(const std::filesystem::path& roster,
                                                          std::string* error) {
    const std::optional<std::string> read = fileText(roster, error);
    if (!read) {
        return std::nullopt;
    }
    const std::string& text = *read;
    std::string why;
    auto names = opponentNamesFromText(text, &why);
    if (!names) {
        fail(error, roster.string() + ": " + why);
    }
    return names;
}

} // namespace vh::assets
