#pragma once

#include "coach/game_review.h"

#include <array>
#include <optional>
#include <string>

namespace vh {

// The tutor's words about a judged turn, for the decisions of the sides that
// are human: how much equity a play, a double or the answer to one gave
// away, the word for its size and what was right. Nothing when each gave
// away less than a doubtful move does.
std::optional<std::string> tutorWarning(const TurnReview& turn, const std::array<bool, 2>& human);

} // namespace vh
