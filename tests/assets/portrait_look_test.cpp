#include "assets/portrait_look.h"
#include "assets/portraits.h"

#include <gtest/gtest.h>
#include <string>

namespace vh::assets {
namespace {

TEST(PortraitLook, LifeStageFollowsTheAge) {
    const std::pair<int, LifeStage> cases[] = {
        {0, LifeStage::Child},       {13, LifeStage::Child},      {14, LifeStage::YoungAdult},
        {34, LifeStage::YoungAdult}, {35, LifeStage::MiddleAged}, {59, LifeStage::MiddleAged},
        {60, LifeStage::Old},        {120, LifeStage::Old},
    };
    for (const auto& [age, stage] : cases) {
        EXPECT_EQ(lifeStageAt(age), stage) << "age " << age;
    }
}

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

TEST(PortraitLook, TheLookFollowsAgeAndPronounsAndTheNameKeepsItsColouring) {
    const PortraitLook adult = portraitLookFor({"Ada Stroud", 40, "He plays."});
    for (const int age : {6, 22, 41, 66}) {
        for (const char* description : {"He plays.", "She plays."}) {
            const PortraitLook look = portraitLookFor({"Ada Stroud", age, description});
            EXPECT_EQ(look.stage, lifeStageAt(age)) << age;
            EXPECT_EQ(look.gender, genderFromPronouns(description)) << description;
            EXPECT_EQ(look.skin.r, adult.skin.r) << age;
            const Image picture = paintPortrait(look);
            EXPECT_EQ(picture.width, kPortraitWidth);
            EXPECT_EQ(picture.height, kPortraitHeight);
        }
    }
}

} // namespace
} // namespace vh::assets
