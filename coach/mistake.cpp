#include "coach/mistake.h"

#include <array>
#include <utility>

namespace vh {

MistakeSize mistakeSize(float loss) {
    if (loss >= kBlunderFrom) {
        return MistakeSize::Blunder;
    }
    if (loss >= kErrorFrom) {
        return MistakeSize::Error;
    }
    return loss >= kDoubtfulFrom ? MistakeSize::Doubtful : MistakeSize::None;
}

const char* mistakeWord(MistakeSize size) {
    constexpr std::array<const char*, 4> kWords{"", "doubtful move", "error", "blunder"};
    return kWords[static_cast<std::size_t>(size)];
}

const char* mistakeMark(MistakeSize size) {
    constexpr std::array<const char*, 4> kMarks{"", "?!", "?", "??"};
    return kMarks[static_cast<std::size_t>(size)];
}

float performanceRating(float equityLost, int decisions) {
    return decisions > 0 ? 500.0f * equityLost / static_cast<float>(decisions) : 0.0f;
}

const char* ratingWord(float rating) {
    constexpr std::array<std::pair<float, const char*>, 5> kBelow{{
        {5.0f, "World Class"},
        {7.5f, "Expert"},
        {12.5f, "Advanced"},
        {17.5f, "Intermediate"},
        {22.5f, "Casual"},
    }};
    for (const auto& [limit, word] : kBelow) {
        if (rating < limit) {
            return word;
        }
    }
    return "Beginner";
}

} // namespace vh
