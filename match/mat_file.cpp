#include "match/mat_file.h"

#include "match/game_record_of.h"
#include "platform/atomic_file.h"
#include "platform/text_encoding.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"

#include <array>
#include <cstdio>
#include <memory>

namespace vh {
namespace {

// Where the second player's column begins (column 40).
constexpr std::size_t kRightColumn = 39;

std::string padded(std::string text, std::size_t width) {
    text.resize(std::max(width, text.size() + 1), ' ');
    return text;
}

// The numbered lines, each holding a left (side 0) and a right (side 1) turn.
class MatLines {
public:
    void add(int side, std::string text) {
        if (side == 0 || !open_ || !right_.empty()) {
            flush();
            open_ = true;
            ++number_;
        }
        (side == 0 ? left_ : right_) = std::move(text);
    }
    void addUnnumbered(int side, const std::string& text) {
        flush();
        out_ += side == 0 ? "     " + text : padded("", kRightColumn) + text;
        out_ += '\n';
    }
    std::string take() {
        flush();
        return std::move(out_);
    }

private:
    void flush() {
        if (!open_) {
            return;
        }
        std::array<char, 16> number{};
        std::snprintf(number.data(), number.size(), "%3d) ", number_);
        std::string row = number.data() + left_;
        if (right_.empty()) {
            row.erase(row.find_last_not_of(' ') + 1);
        } else {
            row = padded(row, kRightColumn) + right_;
        }
        out_ += row + '\n';
        left_.clear();
        right_.clear();
        open_ = false;
    }

    std::string out_;
    int number_ = 0;
    bool open_ = false;
    std::string left_;
    std::string right_;
};

// The turn's roll, or, where the record does not know it, one that the play
// is legal with; false when there is none to write (a turn without moves).
bool rollToWrite(const RecordedTurn& turn, const BoardPosition& before,
                 std::unique_ptr<PlayList>& plays, int& die1, int& die2) {
    die1 = turn.die1;
    die2 = turn.die2;
    if (die1 != 0) {
        return true;
    }
    diceOfPlay(turn.play, die1, die2);
    if (die1 != 0 || turn.play.count == 0) {
        return die1 != 0;
    }
    die1 = static_cast<int>(turn.play.moves[0].die);
    BoardPosition after = before;
    applyPlay(turn.play, after);
    if (!plays) {
        plays = std::make_unique<PlayList>();
    }
    for (die2 = 1; die2 <= 6; ++die2) {
        BoardPosition working = before;
        generatePlays(*plays, working, turn.side, die1, die2);
        for (const Play& play : *plays) {
            BoardPosition result = before;
            applyPlay(play, result);
            if (samePlacement(result, after)) {
                return true;
            }
        }
    }
    die2 = die1;
    return true;
}

std::string pointsText(int points) {
    return " Wins " + std::to_string(points) + (points == 1 ? " point" : " points");
}

std::string gameText(const GameRecord& game) {
    const bool match = game.match.isMatch();
    std::string first(1, ' ');
    first += utf8FromWindows1252(game.names[0]);
    first += " : ";
    first += std::to_string(match ? game.match.score[0] : 0);
    std::string out = padded(first, kRightColumn);
    out += utf8FromWindows1252(game.names[1]) + " : ";
    out += std::to_string(match ? game.match.score[1] : 0);
    out += '\n';
    MatLines lines;
    BoardPosition position = game.start;
    std::int64_t cube = game.startCubeValue;
    std::unique_ptr<PlayList> plays;
    for (const RecordedTurn& turn : game.turns) {
        if (turn.cube != CubeAction::None) {
            cube *= 2;
            lines.add(turn.side, " Doubles => " + std::to_string(cube));
            lines.add(otherSide(turn.side),
                      turn.cube == CubeAction::DoubleTaken ? " Takes" : " Drops");
            if (turn.cube == CubeAction::DoublePassed) {
                continue;
            }
        }
        int die1 = 0;
        int die2 = 0;
        if (!rollToWrite(turn, position, plays, die1, die2)) {
            continue;
        }
        std::string text = std::to_string(die1) + std::to_string(die2) + ":";
        if (turn.play.count > 0) {
            text += ' ' + describePlay(turn.play, turn.side);
        }
        lines.add(turn.side, text);
        applyPlay(turn.play, position);
    }
    if (game.winner >= 0) {
        lines.addUnnumbered(game.winner, pointsText(game.points));
    }
    return out + lines.take();
}

} // namespace

std::string matText(const GameRecord& game) {
    return matText(std::span(&game, 1));
}

std::string matText(std::span<const GameRecord> games) {
    std::string out = ' ' + std::to_string(games.empty() ? 0 : games.front().match.length);
    out += " point match\n";
    for (std::size_t index = 0; index < games.size(); ++index) {
        out += "\n Game " + std::to_string(index + 1) + '\n';
        out += gameText(games[index]);
    }
    return out;
}

bool writeMatFile(const std::filesystem::path& path, std::span<const GameRecord> games,
                  std::string& error) {
    const std::string text = matText(games);
    return writeFileAtomically(path, std::as_bytes(std::span(text.data(), text.size())), &error);
}

} // namespace vh
