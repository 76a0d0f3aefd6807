#include "rules/play_notation.h"

namespace vh {

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

std::string formatPlay(const Play& play) {
    std::string out;
    appendPlay(out, play);
    return out;
}

} // namespace vh
