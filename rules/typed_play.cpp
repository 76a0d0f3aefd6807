#include "rules/typed_play.h"

#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <vector>

namespace vh {
namespace {

// Points as the mover counts them: 25 its bar, 1-24 its points, 0 off.
constexpr int kBar = 25;
constexpr int kOff = 0;

struct Segment {
    int from;
    int to;
};

// What the text says, or the first thing wrong with it.
struct ParsedText {
    std::vector<Segment> segments;
    std::string problem;
};

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    const std::size_t last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? "" : std::string(text.substr(first, last - first + 1));
}

std::string quoted(std::string_view token) {
    std::string out = "\"";
    out += token;
    out += '"';
    return out;
}

// One point of a chain ("bar", "off", "13", each perhaps with "*"); -1 and
// `problem` set when it is no point.
int pointOf(std::string_view name, std::string_view token, bool first, std::string& problem) {
    if (!name.empty() && name.back() == '*') {
        name.remove_suffix(1);
    }
    if (name == "bar") {
        return kBar;
    }
    if (name == "off") {
        return kOff;
    }
    if (name.empty() || name.size() > 2 ||
        !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        problem = quoted(token) + " is not a move; write moves as 24/18, bar/20* or 6/off.";
        return -1;
    }
    const int number = std::stoi(std::string(name));
    const std::string tail(token.substr(token.find('/') + 1));
    if (number == kBar && first) {
        problem = quoted(token) + ": there is no point 25; write bar/" + tail + ".";
    } else if (number == 0 && !first) {
        problem = quoted(token) + ": there is no point 0; write " +
                  std::string(token.substr(0, token.rfind('/'))) + "/off.";
    } else if (number < 1 || number > kPointCount) {
        problem = quoted(token) + ": there is no point " + std::to_string(number) + ".";
    } else {
        return number;
    }
    return -1;
}

// "13/7*/1(2)": its segments, as many times as the count says.
bool parseToken(std::string_view token, std::vector<Segment>& segments, std::string& problem) {
    int repeat = 1;
    std::string_view chain = token;
    if (const std::size_t open = chain.find('('); open != std::string_view::npos) {
        const std::string_view count = chain.substr(open + 1);
        if (count.size() != 2 || count[1] != ')' || count[0] < '1' || count[0] > '4') {
            problem = quoted(token) + ": write a repeated move as 8/5(2).";
            return false;
        }
        repeat = count[0] - '0';
        chain = chain.substr(0, open);
    }
    std::vector<int> points;
    for (std::size_t start = 0;;) {
        const std::size_t slash = chain.find('/', start);
        const std::string_view name = chain.substr(start, slash - start);
        const int point = pointOf(name, token, points.empty(), problem);
        if (point < 0) {
            return false;
        }
        points.push_back(point);
        if (slash == std::string_view::npos) {
            break;
        }
        start = slash + 1;
    }
    if (points.size() < 2) {
        problem = quoted(token) + " is not a move; write moves as 24/18, bar/20* or 6/off.";
        return false;
    }
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (points[i - 1] == kOff || points[i] == kBar) {
            problem = quoted(token) + ": a checker comes from the bar and goes off, not back.";
            return false;
        }
        if (points[i] >= points[i - 1]) {
            problem = quoted(token) + ": your checkers move from higher points to lower ones.";
            return false;
        }
    }
    for (int copy = 0; copy < repeat; ++copy) {
        for (std::size_t i = 1; i < points.size(); ++i) {
            segments.push_back({points[i - 1], points[i]});
        }
    }
    return true;
}

ParsedText parseText(std::string_view text) {
    ParsedText parsed;
    const std::string all = lower(text);
    std::size_t at = 0;
    while (at < all.size()) {
        if (all[at] == ' ' || all[at] == ',' || all[at] == '\t') {
            ++at;
            continue;
        }
        const std::size_t end = all.find_first_of(" ,\t", at);
        const std::string_view token = std::string_view(all).substr(at, end - at);
        if (!parseToken(token, parsed.segments, parsed.problem)) {
            return parsed;
        }
        at = end == std::string::npos ? all.size() : end;
    }
    return parsed;
}

int entryOfPoint(int point, int side) {
    if (point == kBar) {
        return barEntry(side);
    }
    if (point == kOff) {
        return offEntry(side);
    }
    return side == PLAYER_ONE ? point - 1 : kPointCount - point;
}

std::string pointWords(int point) {
    return point == kBar ? "the bar" : std::to_string(point);
}

int checkersOf(const BoardPosition& position, int entry, int side) {
    if (entry >= kPointCount) {
        return position[entry].count;
    }
    return position[entry].heldBy(side) ? position[entry].count : 0;
}

// The mover's checkers on points, bar and tray: the same in both positions.
bool sameCheckersOf(const BoardPosition& a, const BoardPosition& b, int side) {
    for (int point = kOff; point <= kBar; ++point) {
        const int entry = entryOfPoint(point, side);
        if (checkersOf(a, entry, side) != checkersOf(b, entry, side)) {
            return false;
        }
    }
    return true;
}

// The position the segments lead to, each landing hitting a single opposing
// checker; nothing, and `problem` set, when a segment starts where the mover
// has no checker or lands on a point the other side holds.
std::optional<BoardPosition> typedResult(const std::vector<Segment>& segments,
                                         const BoardPosition& position, int side,
                                         std::string& problem) {
    std::array<int, kBar + 1> counts{};
    for (int point = kOff; point <= kBar; ++point) {
        counts[static_cast<std::size_t>(point)] =
            checkersOf(position, entryOfPoint(point, side), side);
    }
    for (const Segment& segment : segments) {
        --counts[static_cast<std::size_t>(segment.from)];
        ++counts[static_cast<std::size_t>(segment.to)];
    }
    // Checked after all segments, so that moves may be typed in any order.
    for (const Segment& segment : segments) {
        if (counts[static_cast<std::size_t>(segment.from)] < 0) {
            problem = "No checker of yours on " + pointWords(segment.from) + ".";
            return std::nullopt;
        }
    }
    BoardPosition result = position;
    const int opponent = otherSide(side);
    for (const Segment& segment : segments) {
        const int entry = entryOfPoint(segment.to, side);
        if (segment.to == kOff || !position[entry].heldBy(opponent)) {
            continue;
        }
        if (position[entry].count >= 2) {
            problem = "Your opponent holds " + std::to_string(segment.to) + ".";
            return std::nullopt;
        }
        if (result[entry].heldBy(opponent)) {
            result[entry].count = 0;
            ++result[barEntry(opponent)].count;
        }
    }
    for (int point = kOff; point <= kBar; ++point) {
        const int entry = entryOfPoint(point, side);
        const int count = counts[static_cast<std::size_t>(point)];
        if (count > 0 || !result[entry].heldBy(opponent)) {
            result[entry] = {count, side};
        }
    }
    return result;
}

std::string rollName(int die1, int die2) {
    return std::to_string(std::max(die1, die2)) + "-" + std::to_string(std::min(die1, die2));
}

BoardPosition after(const BoardPosition& position, const Play& play) {
    BoardPosition result = position;
    applyPlay(play, result);
    return result;
}

// A legal play of which some moves, and not all, leave the mover's checkers
// as `typed` does.
const Play* playBegunBy(const PlayList& plays, const BoardPosition& position,
                        const BoardPosition& typed, int side) {
    for (const Play& play : plays) {
        const unsigned all = (1u << play.count) - 1;
        for (unsigned subset = 1; subset < all; ++subset) {
            BoardPosition partial = position;
            bool possible = true;
            for (int i = 0; i < play.count && possible; ++i) {
                const CheckerMove& move = play.moves[static_cast<std::size_t>(i)];
                if ((subset >> i & 1u) == 0) {
                    continue;
                }
                possible = partial[static_cast<int>(move.from)].count >= 1;
                applyMove(move, partial);
            }
            if (possible && sameCheckersOf(partial, typed, side)) {
                return &play;
            }
        }
    }
    return nullptr;
}

TypedPlay refused(std::string problem) {
    TypedPlay typed;
    typed.problem = std::move(problem);
    return typed;
}

TypedPlay madeOf(const Play& play) {
    TypedPlay typed;
    typed.made = true;
    copyPlay(typed.play, play);
    return typed;
}

} // namespace

TypedPlay readTypedPlay(std::string_view text, const BoardPosition& position, int side, int die1,
                        int die2, PlayList& plays) {
    const std::string words = lower(text);
    const bool noMove = words.find_first_not_of(" \t") == std::string::npos ||
                        words.find("no move") != std::string::npos;
    ParsedText parsed;
    if (!noMove) {
        parsed = parseText(text);
        if (!parsed.problem.empty()) {
            return refused(parsed.problem);
        }
    }
    std::string problem;
    const std::optional<BoardPosition> typed =
        typedResult(parsed.segments, position, side, problem);
    if (!typed) {
        return refused(problem);
    }
    BoardPosition working = position;
    generatePlays(plays, working, side, die1, die2);
    const std::string roll = rollName(die1, die2);
    if (plays.count == 0 || plays[0].count == 0) {
        if (noMove) {
            return madeOf(Play{});
        }
        return refused(roll + " cannot be played: no checker of yours can move.");
    }
    if (noMove) {
        return refused("Type the play of " + roll + ", e.g. " + describePlay(plays[0], side) + ".");
    }
    std::vector<const Play*> matches;
    std::vector<BoardPosition> results;
    for (const Play& play : plays) {
        const BoardPosition result = after(position, play);
        if (samePlacement(result, *typed)) {
            return madeOf(play);
        }
        const bool seen = std::any_of(results.begin(), results.end(), [&](const BoardPosition& r) {
            return samePlacement(r, result);
        });
        if (!seen && sameCheckersOf(result, *typed, side)) {
            matches.push_back(&play);
            results.push_back(result);
        }
    }
    if (matches.size() == 1) {
        return madeOf(*matches.front());
    }
    if (matches.size() > 1) {
        std::string choices;
        for (const Play* play : matches) {
            choices += (choices.empty() ? "" : " or ") + describePlay(*play, side);
        }
        return refused("Say which checker you hit: " + choices + ".");
    }
    if (const Play* whole = playBegunBy(plays, position, *typed, side)) {
        return refused(trimmed(text) + " does not play the whole roll: " + roll +
                       " can be played as " + describePlay(*whole, side) + ".");
    }
    return refused("That is not a legal play of " + roll + ".");
}

TypedPlay readTypedPlay(std::string_view text, const BoardPosition& position, int side, int die1,
                        int die2) {
    auto plays = std::make_unique<PlayList>();
    return readTypedPlay(text, position, side, die1, die2, *plays);
}

} // namespace vh
