#include "assets/portrait_look.h"

#include <gtest/gtest.h>

namespace vh::assets {
namespace {

TEST(PortraitLook, GenderFollowsTheDescriptionsPronouns) {
    const std::pair<const char*, std::optional<Gender>> cases[] = {
        {"He doubles whenever he feels happy.", Gender::Male},
        {"Swears the dice know her by name.", Gender::Female},
        {"HERSELF, mostly.", Gender::Female},
        {"Taught her all he knew, and his tricks too.", Gender::Male},
        {"Plays well.", std::nullopt},
        {"The hero of the shelf, where heroes hide.", std::nullopt},
        {"His and hers.", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, gender] : cases) {
        EXPECT_EQ(genderFromPronouns(text), gender) << text;
    }
}

} // namespace
} // namespace vh::assets
