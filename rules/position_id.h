#pragma once

#include "rules/board_position.h"

#include <string>
#include <string_view>

namespace vh {

// The 14-character position ID other backgammon programs exchange: for the
// side not on roll, then the side on roll, its checkers on its own points 1
// to 24 and on its bar, as many 1 bits as checkers and a 0 bit after each.
// Checkers borne off are not in the ID.
std::string positionId(const BoardPosition& position, int sideOnRoll);

// The position `id` describes, the checkers missing from 15 borne off; false
// with `error` saying what is wrong (and `position` untouched) when the ID is
// not 14 base64 characters or places an impossible position.
bool readPositionId(std::string_view id, int sideOnRoll, BoardPosition& position,
                    std::string& error);

} // namespace vh
