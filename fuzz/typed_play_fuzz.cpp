#include "rules/play_list.h"
#include "rules/play_notation.h"
#include "rules/position_id.h"
#include "rules/typed_play.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kRollBytes = 2;
constexpr std::size_t kPositionIdLength = 14;

} // namespace

// A typed play: two bytes for the side and the dice, a position ID (the start
// position when it is not one), then the text. A play made is written in the
// program's own words, and that text is made again.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kRollBytes + kPositionIdLength) {
        return 0;
    }
    const int side = data[0] & 1;
    const int die1 = 1 + (data[0] >> 1) % 6;
    const int die2 = 1 + data[1] % 6;
    const std::string_view rest(reinterpret_cast<const char*>(data) + kRollBytes,
                                size - kRollBytes);
    vh::BoardPosition position;
    std::string error;
    if (!vh::readPositionId(rest.substr(0, kPositionIdLength), side, position, error)) {
        vh::setStartPosition(position);
    }
    static const auto plays = std::make_unique<vh::PlayList>();
    const std::string_view text = rest.substr(kPositionIdLength);
    const vh::TypedPlay typed = vh::readTypedPlay(text, position, side, die1, die2, *plays);
    if (!typed.made) {
        return 0;
    }
    const std::string words = vh::describePlay(typed.play, side);
    if (!vh::readTypedPlay(words, position, side, die1, die2, *plays).made) {
        std::abort();
    }
    return 0;
}
