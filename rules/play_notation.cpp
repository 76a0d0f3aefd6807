#include "rules/play_notation.h"

#include "rules/board_position.h"

#include <algorithm>
#include <vector>

namespace vh {
namespace {

// An entry as the mover counts it: 25 its bar, 1-24 its points, 0 off.
int moverPoint(std::uint32_t entry, int mover) {
    if (entry == BAR_ONE || entry == BAR_TWO) {
        return 25;
    }
    if (entry == OFF_ONE || entry == OFF_TWO) {
        return 0;
    }
    const int point = static_cast<int>(entry);
    return mover == 0 ? point + 1 : kPointCount - point;
}

// One checker's way through the turn: the points it touched, and for each
// landing whether it hit.
struct CheckerPath {
    std::vector<int> points;
    std::vector<bool> hits;

    bool operator==(const CheckerPath&) const = default;
};

std::string pointName(int point) {
    return point == 25 ? "bar" : point == 0 ? "off" : std::to_string(point);
}

} // namespace

void appendPlay(std::string& out, const Play& play) {
    if (play.count == 0) {
        out += '-';
        return;
    }
    for (std::int32_t i = 0; i < play.count; ++i) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(i)];
        if (i > 0) {
            out += ' ';
        }
        out += std::to_string(move.die);
        out += ':';
        out += std::to_string(move.from);
        out += '/';
        out += std::to_string(move.to);
        if (move.hit == 1) {
            out += '*';
        }
    }
}

std::string describePlay(const Play& play, int mover) {
    std::vector<CheckerPath> paths;
    for (std::int32_t i = 0; i < play.count; ++i) {
        const CheckerMove& move = play.moves[static_cast<std::size_t>(i)];
        const int from = moverPoint(move.from, mover);
        const int to = moverPoint(move.to, mover);
        // A move from where a checker of this turn landed carries it on.
        auto going = std::find_if(paths.begin(), paths.end(), [from](const CheckerPath& path) {
            return path.points.back() == from;
        });
        if (going == paths.end()) {
            paths.push_back({{from}, {}});
            going = std::prev(paths.end());
        }
        going->points.push_back(to);
        going->hits.push_back(move.hit == 1);
    }
    std::stable_sort(paths.begin(), paths.end(), [](const CheckerPath& a, const CheckerPath& b) {
        return a.points > b.points;
    });
    std::string out;
    for (std::size_t i = 0; i < paths.size();) {
        std::size_t same = i + 1;
        while (same < paths.size() && paths[same] == paths[i]) {
            ++same;
        }
        if (!out.empty()) {
            out += ' ';
        }
        out += pointName(paths[i].points.front());
        for (std::size_t step = 1; step < paths[i].points.size(); ++step) {
            out += '/';
            out += pointName(paths[i].points[step]);
            if (paths[i].hits[step - 1]) {
                out += '*';
            }
        }
        if (same - i > 1) {
            out += '(';
            out += std::to_string(same - i);
            out += ')';
        }
        i = same;
    }
    return out.empty() ? "no move" : out;
}

std::string describeCheckers(const BoardPosition& position, int side) {
    std::string text;
    const auto add = [&text](const std::string& part) {
        text += (text.empty() ? "" : ", ") + part;
    };
    if (const int onBar = position[barEntry(side)].count; onBar > 0) {
        add("bar " + std::to_string(onBar));
    }
    for (int point = kPointCount; point >= 1; --point) {
        const int entry = side == 0 ? point - 1 : kPointCount - point;
        if (position[entry].heldBy(side)) {
            add(std::to_string(point) + ": " + std::to_string(position[entry].count));
        }
    }
    if (const int off = position[offEntry(side)].count; off > 0) {
        add("off " + std::to_string(off));
    }
    return text.empty() ? "none" : text;
}

std::string formatPlay(const Play& play) {
    std::string out;
    appendPlay(out, play);
    return out;
}

} // namespace vh
