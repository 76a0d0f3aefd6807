#include "tools/varnholt-cli/notation.h"

#include "rules/side.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"

#include <array>
#include <vector>

namespace vh::cli {
namespace {

std::vector<std::string> splitNumbers(std::string_view text) {
    std::vector<std::string> tokens;
    std::string current;
    for (const char c : text) {
        if (c == ' ' || c == ',' || c == '\t' || c == '\n' || c == '\r') {
            if (!current.empty()) {
                tokens.push_back(std::move(current));
                current.clear();
            }
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty()) {
        tokens.push_back(std::move(current));
    }
    return tokens;
}

constexpr std::array<const char*, 4> kTrayNames = {
    "bar of side 0", "bar of side 1", "borne-off count of side 0", "borne-off count of side 1"};

} // namespace

BoardPosition parsePosition(std::string_view text) {
    BoardPosition position;
    if (text == "start") {
        setStartPosition(position);
        return position;
    }
    const std::vector<std::string> tokens = splitNumbers(text);
    if (tokens.size() != kEntryCount) {
        throw CliError("position needs 28 numbers, got " + std::to_string(tokens.size()));
    }
    std::array<int, kEntryCount> counts{};
    for (int index = 0; index < kEntryCount; ++index) {
        const std::string& token = tokens[static_cast<std::size_t>(index)];
        const std::string what = index < kPointCount
                                     ? "position: point " + std::to_string(index)
                                     : std::string("position: ") + kTrayNames[index - kPointCount];
        const auto number =
            static_cast<int>(parseInteger(token, -kCheckersPerSide, kCheckersPerSide, what));
        if (index >= kPointCount && number < 0) {
            throw CliError(what + " is negative (" + token + ")");
        }
        counts[static_cast<std::size_t>(index)] = number;
    }
    position = positionFromSignedCounts(counts);
    for (int side = 0; side < 2; ++side) {
        const int total = checkerTotal(position, side);
        if (total > kCheckersPerSide) {
            throw CliError("position has " + std::to_string(total) + " checkers of side " +
                           std::to_string(side) + ", at most 15 allowed");
        }
    }
    return position;
}

Play parsePlay(std::string_view text, const BoardPosition& position) {
    Play play;
    const std::vector<std::string> tokens = splitNumbers(text);
    if (tokens.size() == 1 && tokens.front() == "-") {
        return play;
    }
    if (tokens.empty() || tokens.size() > kMaxMovesPerPlay) {
        throw CliError("play needs 1 to 4 moves \"die:from/to\", got " +
                       std::to_string(tokens.size()));
    }
    BoardPosition board = position;
    for (const std::string& token : tokens) {
        const std::size_t colon = token.find(':');
        const std::size_t slash = token.find('/');
        if (colon == std::string::npos || slash == std::string::npos || slash < colon) {
            throw CliError("play: move '" + token + "' is not \"die:from/to\"");
        }
        std::string target = token.substr(slash + 1);
        if (!target.empty() && target.back() == '*') {
            target.pop_back();
        }
        const std::string what = "play: move '" + token + "'";
        const auto die =
            static_cast<int>(parseInteger(token.substr(0, colon), 1, 6, what + " die"));
        const auto from = static_cast<int>(
            parseInteger(token.substr(colon + 1, slash - colon - 1), 0, BAR_TWO, what + " from"));
        const auto to = static_cast<int>(parseInteger(target, 0, OFF_TWO, what + " to"));
        const BoardEntry& origin = board[from];
        const int side = from == BAR_ONE ? 0 : from == BAR_TWO ? 1 : origin.owner;
        if (origin.count < 1 || (from < kPointCount && side != 0 && side != 1)) {
            throw CliError(what + ": no checker on " + std::to_string(from));
        }
        const BoardEntry& destination = board[to];
        if (to == BAR_ONE || to == BAR_TWO || (to == OFF_ONE && side != 0) ||
            (to == OFF_TWO && side != 1) || to == from) {
            throw CliError(what + ": side " + std::to_string(side) + " cannot move to " +
                           std::to_string(to));
        }
        const bool opposed =
            to < kPointCount && destination.count >= 1 && destination.owner == otherSide(side);
        if (opposed && destination.count >= 2) {
            throw CliError(what + ": point " + std::to_string(to) + " is held by side " +
                           std::to_string(otherSide(side)));
        }
        CheckerMove move;
        move.die = static_cast<std::uint32_t>(die);
        move.from = static_cast<std::uint32_t>(from);
        move.to = static_cast<std::uint32_t>(to);
        move.hit = opposed ? 1 : 0;
        if (from >= kPointCount) {
            board[from].owner = side;
        }
        applyMove(move, board);
        play.moves[static_cast<std::size_t>(play.count++)] = move;
    }
    return play;
}

std::string formatPosition(const BoardPosition& position) {
    std::string out;
    for (const int number : signedCounts(position)) {
        if (!out.empty()) {
            out += ' ';
        }
        out += std::to_string(number);
    }
    return out;
}

DiceUsed parseDiceUsed(std::string_view text) {
    const std::vector<std::string> tokens = splitNumbers(text);
    if (tokens.size() != 4) {
        throw CliError("--used needs 4 flags F0,F1,F2,F3, got " + std::to_string(tokens.size()));
    }
    DiceUsed used{};
    for (std::size_t slot = 0; slot < 4; ++slot) {
        used[slot] = static_cast<std::uint8_t>(
            parseInteger(tokens[slot], 0, 1, "used flag " + std::to_string(slot)));
    }
    return used;
}

namespace {

constexpr int kRowsShown = 5;

// The text for one row of a point's stack: a checker mark, the stack height
// on the last row when it is taller than the rows shown, or nothing.
std::string stackCell(const BoardEntry& entry, int row) {
    if (entry.count <= row) {
        return "   ";
    }
    if (row == kRowsShown - 1 && entry.count > kRowsShown) {
        const std::string number = std::to_string(entry.count);
        return std::string(3 - number.size(), ' ') + number;
    }
    return entry.owner == PLAYER_ONE ? "  X" : "  O";
}

std::string pointNumbers(int firstIndex, int step) {
    std::string line;
    for (int column = 0; column < 12; ++column) {
        const int number = firstIndex + step * column + 1;
        const std::string text = std::to_string(number);
        line += std::string(3 - text.size(), ' ') + text;
        if (column == 5) {
            line += " |";
        }
    }
    return line;
}

std::string stackRow(const BoardPosition& position, int firstIndex, int step, int row) {
    std::string line;
    for (int column = 0; column < 12; ++column) {
        line += stackCell(position[firstIndex + step * column], row);
        if (column == 5) {
            line += " |";
        }
    }
    return line;
}

} // namespace

std::string formatBoardText(const BoardPosition& position) {
    std::string text;
    text += pointNumbers(12, 1) + '\n';
    for (int row = 0; row < kRowsShown; ++row) {
        text += stackRow(position, 12, 1, row) + '\n';
    }
    text += " ------------------+------------------\n";
    for (int row = kRowsShown - 1; row >= 0; --row) {
        text += stackRow(position, 11, -1, row) + '\n';
    }
    text += pointNumbers(11, -1) + '\n';
    text += "bar X " + std::to_string(position[BAR_ONE].count) + " O " +
            std::to_string(position[BAR_TWO].count) + "   off X " +
            std::to_string(position[OFF_ONE].count) + " O " +
            std::to_string(position[OFF_TWO].count) + "   pips X " +
            std::to_string(pipCount(position, PLAYER_ONE)) + " O " +
            std::to_string(pipCount(position, PLAYER_TWO)) + '\n';
    return text;
}

} // namespace vh::cli
