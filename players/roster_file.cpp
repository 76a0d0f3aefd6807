#include "players/roster_file.h"

#include "platform/binary_io.h"
#include "platform/file_bytes.h"
#include "platform/program_folders.h"
#include "platform/text_encoding.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace vh {
namespace {

// Ten profiles are a few kilobytes; a far larger file is not a roster.
constexpr std::size_t kMaxRosterFileBytes = 1 << 20;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {
        // A file saved with a UTF-8 mark holds UTF-8 texts.
        if (text_.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
            text_.remove_prefix(kUtf8Mark.size());
            utf8_ = true;
        }
    }

    // The next line, without its line break, cut to the field; false at the end.
    bool text(std::string& field, std::size_t fieldSize) {
        std::string_view line;
        if (!nextLine(line)) {
            return false;
        }
        if (utf8_) {
            // A character takes at most four bytes in UTF-8.
            field = fitText(windows1252FromUtf8(line.substr(0, 4 * fieldSize)), fieldSize);
        } else {
            field = fitText(line, fieldSize);
        }
        return true;
    }

    // The next integer after any white space; the rest of its line is
    // skipped. A line without a number gives 0; false at the end.
    bool integer(std::int32_t& field) {
        while (position_ < text_.size() && isSpace(text_[position_])) {
            ++position_;
        }
        std::string_view line;
        if (!nextLine(line)) {
            return false;
        }
        field = leadingInteger(line);
        return true;
    }

    int linesRead() const { return lines_; }

private:
    static bool isSpace(char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }

    bool nextLine(std::string_view& line) {
        if (position_ >= text_.size()) {
            return false;
        }
        const std::size_t end = text_.find('\n', position_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        line = text_.substr(position_, stop - position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        ++lines_;
        return true;
    }

    // A decimal number at the start of the line, with an optional sign;
    // numbers beyond 32 bits stop at the nearest limit.
    static std::int32_t leadingInteger(std::string_view line) {
        bool negative = false;
        std::size_t at = 0;
        if (at < line.size() && (line[at] == '+' || line[at] == '-')) {
            negative = line[at] == '-';
            ++at;
        }
        std::int64_t value = 0;
        bool digits = false;
        constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
        while (at < line.size() && line[at] >= '0' && line[at] <= '9') {
            digits = true;
            value = std::min(kLimit, value * 10 + (line[at] - '0'));
            ++at;
        }
        if (!digits) {
            return 0;
        }
        if (negative) {
            return static_cast<std::int32_t>(-value);
        }
        return static_cast<std::int32_t>(std::min(value, kLimit - 1));
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int lines_ = 0;
    bool utf8_ = false;
};

} // namespace

int parseRoster(std::string_view text, Roster& roster) {
    LineReader in(text);
    std::string separator;
    for (ComputerProfile& profile : roster) {
        in.text(profile.name, kProfileNameSize);
        in.integer(profile.age);
        in.text(profile.levelText, kLevelTextSize);
        in.integer(profile.cash);
        in.integer(profile.evalParamA);
        in.integer(profile.evalParamB);
        in.text(profile.description, kProfileDescriptionSize);
        in.text(separator, 1);
    }
    return in.linesRead();
}

std::filesystem::path rosterFilePath() {
    return dataPath("Data/Computers.dat");
}

std::optional<std::filesystem::path> computerPicturePath(std::string_view name) {
    const bool leavesFolder =
        name.find("..") != std::string_view::npos ||
        std::any_of(name.begin(), name.end(), [](char c) {
            return c == '/' || c == '\\' || static_cast<unsigned char>(c) < 32;
        });
    if (leavesFolder) {
        return std::nullopt;
    }
    return dataPath("Graphics/" + utf8FromWindows1252(name) + ".bmp");
}

bool readRosterFile(const std::filesystem::path& path, Roster& roster) {
    roster = Roster{};
    const FileBytes file = readFileBytes(path, kMaxRosterFileBytes);
    if (file.status != FileReadStatus::Read) {
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    parseRoster(text, roster);
    return true;
}

void loadRosterPictures(Roster& roster) {
    for (ComputerProfile& profile : roster) {
        if (const auto path = computerPicturePath(profile.name)) {
            profile.picture.Load(*path);
        } else {
            // Named in the box as written, but never opened.
            profile.picture.Refuse(
                dataPath("Graphics/" + utf8FromWindows1252(profile.name) + ".bmp"));
        }
    }
}

void loadRoster(Roster& roster) {
    readRosterFile(rosterFilePath(), roster);
    loadRosterPictures(roster);
}

} // namespace vh
