#include "assets/portrait_look.h"
#include "assets/portraits.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vh::assets {
namespace {

float chroma(const Colour& c) {
    return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b});
}

std::vector<std::string> manyNames() {
    std::vector<std::string> names;
    for (int i = 0; i < 60; ++i) {
        names.push_back("Opponent " + std::to_string(i));
    }
    return names;
}

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

TEST(PortraitLook, AgeAndGenderShapeEveryFace) {
    std::map<std::pair<LifeStage, Gender>, std::set<HairStyle>> styles;
    std::set<Gender> unsaid;
    int oldGlasses = 0;
    int oldMen = 0;
    int bearded = 0;
    for (const std::string& name : manyNames()) {
        SCOPED_TRACE(name);
        const PortraitLook adult = portraitLookFor({name, 40, "He plays."});
        for (int age : {6, 13, 22, 41, 58, 66, 90}) {
            for (const char* description : {"He plays.", "She plays.", "Plays."}) {
                SCOPED_TRACE(std::to_string(age) + " " + description);
                const PortraitLook look = portraitLookFor({name, age, description});
                EXPECT_EQ(look.stage, lifeStageAt(age));
                const auto said = genderFromPronouns(description);
                if (said) {
                    EXPECT_EQ(look.gender, *said);
                } else {
                    unsaid.insert(look.gender);
                }
                styles[{look.stage, look.gender}].insert(look.hairStyle);
                // The same name keeps its colouring at every age.
                EXPECT_EQ(look.skin.r, adult.skin.r);
                EXPECT_EQ(look.eyes.b, adult.eyes.b);
                const HairStyle style = look.hairStyle;
                if (look.gender == Gender::Female) {
                    EXPECT_EQ(look.facialHair, FacialHair::None);
                    EXPECT_TRUE(style != HairStyle::Bald && style != HairStyle::Receding &&
                                style != HairStyle::Cropped);
                } else {
                    EXPECT_TRUE(style != HairStyle::Long && style != HairStyle::Bob &&
                                style != HairStyle::Bun && style != HairStyle::Pigtails);
                    bearded += look.facialHair == FacialHair::Beard ? 1 : 0;
                }
                switch (look.stage) {
                case LifeStage::Child:
                    EXPECT_FALSE(look.glasses);
                    EXPECT_EQ(look.facialHair, FacialHair::None);
                    EXPECT_EQ(look.wrinkles, 0.0f);
                    EXPECT_EQ(look.greyness, 0.0f);
                    EXPECT_GT(chroma(look.hair), 0.1f) << "children's hair has colour";
                    EXPECT_LT(look.headWidth, adult.headWidth);
                    EXPECT_LT(look.headHeight / look.headWidth, adult.headHeight / adult.headWidth)
                        << "rounder";
                    EXPECT_GT(look.eyeSize, adult.eyeSize);
                    break;
                case LifeStage::YoungAdult:
                    EXPECT_EQ(look.greyness, 0.0f);
                    EXPECT_EQ(look.wrinkles, 0.0f);
                    break;
                case LifeStage::MiddleAged:
                    EXPECT_LT(look.wrinkles, 0.6f);
                    break;
                case LifeStage::Old:
                    EXPECT_GE(look.greyness, 0.7f);
                    EXPECT_GT(look.wrinkles, 0.5f);
                    EXPECT_LT(chroma(look.greyHair), 0.07f);
                    EXPECT_GT(luminance(look.greyHair), 0.6f);
                    oldGlasses += look.glasses ? 1 : 0;
                    oldMen += look.gender == Gender::Male ? 1 : 0;
                    break;
                }
            }
        }
    }
    EXPECT_EQ(unsaid.size(), 2u) << "without pronouns the name decides, either way";
    for (const auto& [who, seen] : styles) {
        EXPECT_GE(seen.size(), 3u) << "hair styles for stage " << static_cast<int>(who.first)
                                   << " gender " << static_cast<int>(who.second);
    }
    EXPECT_GT(oldGlasses, 0);
    EXPECT_LT(oldGlasses, oldMen * 2) << "not every old face wears glasses";
    EXPECT_GT(bearded, 0);
}

// The part of the picture where two portraits differ.
struct Box {
    int top = 1 << 20;
    int bottom = -1;
};

Box difference(const Image& a, const Image& b) {
    Box box;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (!(a.at(x, y) == b.at(x, y))) {
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

TEST(Portraits, FeaturesArePaintedWhereTheyBelong) {
    PortraitLook base = portraitLookFor({"Ada Stroud", 50, "She plays."});
    base.hairStyle = HairStyle::Bun;
    base.glasses = false;
    base.greyness = 0.0f;
    base.facialHair = FacialHair::None;
    const Image plain = paintPortrait(base);
    ASSERT_EQ(plain.width, kPortraitWidth);
    ASSERT_EQ(plain.height, kPortraitHeight);
    // Picture rows of the brows, eyes and chin (the canvas is painted at twice
    // the size).
    const float eyeLine = base.headY + base.eyeHeight * base.headHeight;
    const int brows = static_cast<int>(eyeLine - 0.17f * base.headHeight) / 2;
    const int eyes = static_cast<int>(eyeLine) / 2;
    const int chin = static_cast<int>(base.headY + base.headHeight) / 2;
    struct Case {
        const char* what;
        void (*change)(PortraitLook&);
        int lowestTop;
        int highestBottom;
    };
    const Case cases[] = {
        // Sideburns rise to the brows.
        {"a beard", [](PortraitLook& l) { l.facialHair = FacialHair::Beard; }, brows, chin + 10},
        {"glasses", [](PortraitLook& l) { l.glasses = true; }, eyes - 12, eyes + 12},
        {"grey hair", [](PortraitLook& l) { l.greyness = 1.0f; }, 0, eyes + 2},
    };
    for (const Case& c : cases) {
        PortraitLook look = base;
        c.change(look);
        const Box box = difference(plain, paintPortrait(look));
        EXPECT_GE(box.bottom, box.top) << c.what << " is not painted";
        EXPECT_GE(box.top, c.lowestTop) << c.what;
        EXPECT_LE(box.bottom, c.highestBottom) << c.what;
    }
}

} // namespace
} // namespace vh::assets
