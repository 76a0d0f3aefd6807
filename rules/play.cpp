#include "rules/play.h"

namespace vh {

bool samePlay(const Play& a, const Play& b) {
    if (a.count != b.count) {
        return false;
    }
    for (std::int32_t i = 0; i < a.count; ++i) {
        const CheckerMove& x = a.moves[static_cast<std::size_t>(i)];
        const CheckerMove& y = b.moves[static_cast<std::size_t>(i)];
        if (x.die != y.die || x.from != y.from || x.to != y.to || x.hit != y.hit) {
            return false;
        }
    }
    return true;
}

} // namespace vh
