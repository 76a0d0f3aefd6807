#pragma once

namespace vh {

// How much equity a decision gave away, by size. The thresholds are in
// cubeless money equity per unit of the cube (the help lists them).
enum class MistakeSize { None, Doubtful, Error, Blunder };

inline constexpr float kDoubtfulFrom = 0.04f;
inline constexpr float kErrorFrom = 0.08f;
inline constexpr float kBlunderFrom = 0.16f;

MistakeSize mistakeSize(float loss);
// "doubtful move", "error", "blunder"; "" for none.
const char* mistakeWord(MistakeSize size);
// The mark of a turn in a list: "?!", "?", "??"; "" for none.
const char* mistakeMark(MistakeSize size);

// The performance rating: the average equity lost per unforced decision,
// times 500.
float performanceRating(float equityLost, int decisions);
// "World Class" below 5, "Expert" below 7.5, "Advanced" below 12.5,
// "Intermediate" below 17.5, "Casual" below 22.5, "Beginner" above.
const char* ratingWord(float rating);

} // namespace vh
