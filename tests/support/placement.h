#pragma once

#include "rules/board_position.h"

#include <string>

namespace vh::test {

// A position written as "entry=count ..." (points signed: side 0 positive,
// side 1 negative; the bars as plain counts); the rest of each side's fifteen
// checkers is borne off. "12=1 6=-1 24=1": one checker of side 0 on point 12
// and one on its bar, one of side 1 on point 6.
BoardPosition placedPosition(const std::string& placement);
BoardPosition startPosition();

} // namespace vh::test
