#include "assets/portrait_look.h"

#include "assets/noise.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>

namespace vh::assets {

namespace {

// Deterministic choices drawn from one name's hash.
class Choices {
public:
    explicit Choices(std::uint32_t seed) : state_(seed) {}

    float unit() {
        state_ = hashMix(state_ + 0x9e3779b9u);
        return static_cast<float>(state_ >> 8) * (1.0f / 16777216.0f);
    }
    float between(float lo, float hi) { return mix(lo, hi, unit()); }
    int pick(int count) {
        return std::min(static_cast<int>(unit() * static_cast<float>(count)), count - 1);
    }
    template <typename T>
    T oneOf(std::initializer_list<T> options) {
        return options.begin()[pick(static_cast<int>(options.size()))];
    }
    bool chance(float p) { return unit() < p; }

private:
    std::uint32_t state_;
};

const std::array<Colour, 6> kSkins{{{0.96f, 0.80f, 0.69f},
                                    {0.92f, 0.73f, 0.60f},
                                    {0.84f, 0.63f, 0.48f},
                                    {0.71f, 0.51f, 0.36f},
                                    {0.56f, 0.38f, 0.26f},
                                    {0.41f, 0.27f, 0.19f}}};
// Natural hair, darkest first; the first three go with every skin.
const std::array<Colour, 7> kHairs{{{0.07f, 0.06f, 0.06f},
                                    {0.20f, 0.13f, 0.08f},
                                    {0.38f, 0.24f, 0.14f},
                                    {0.55f, 0.24f, 0.11f},
                                    {0.82f, 0.66f, 0.40f},
                                    {0.72f, 0.36f, 0.14f},
                                    {0.90f, 0.78f, 0.52f}}};
const std::array<Colour, 5> kEyes{{{0.33f, 0.20f, 0.11f},
                                   {0.44f, 0.34f, 0.17f},
                                   {0.27f, 0.47f, 0.70f},
                                   {0.30f, 0.50f, 0.33f},
                                   {0.42f, 0.48f, 0.54f}}};
const std::array<Colour, 7> kClothes{{{0.14f, 0.19f, 0.34f},
                                      {0.44f, 0.10f, 0.15f},
                                      {0.15f, 0.31f, 0.22f},
                                      {0.21f, 0.21f, 0.23f},
                                      {0.62f, 0.47f, 0.30f},
                                      {0.09f, 0.38f, 0.42f},
                                      {0.36f, 0.19f, 0.38f}}};
const std::array<Colour, 6> kBackdrops{{{0.40f, 0.47f, 0.56f},
                                        {0.47f, 0.53f, 0.45f},
                                        {0.55f, 0.50f, 0.46f},
                                        {0.58f, 0.44f, 0.45f},
                                        {0.62f, 0.53f, 0.35f},
                                        {0.30f, 0.46f, 0.47f}}};

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

HairStyle hairStyleFor(LifeStage stage, Gender gender, int age, Choices& c) {
    using enum HairStyle;
    if (gender == Gender::Female) {
        switch (stage) {
        case LifeStage::Child:
            return c.oneOf({Long, Pigtails, Bob, Long, Curly});
        case LifeStage::YoungAdult:
            return c.oneOf({Long, Long, Bob, Bun, Curly});
        case LifeStage::MiddleAged:
            return c.oneOf({Long, Bob, Bun, Curly, SidePart});
        case LifeStage::Old:
            return c.oneOf({Bob, Bun, Curly, SidePart});
        }
    }
    switch (stage) {
    case LifeStage::Child:
        return c.oneOf({Fringe, Fringe, Cropped, Curly, SidePart});
    case LifeStage::YoungAdult:
        return c.oneOf({Cropped, SidePart, Curly});
    case LifeStage::MiddleAged:
        if (c.chance(0.6f * smoothstep(35.0f, 60.0f, static_cast<float>(age)))) {
            return Receding;
        }
        return c.oneOf({Cropped, SidePart, Curly});
    case LifeStage::Old:
        if (c.chance(0.6f)) {
            return c.oneOf({Bald, Receding});
        }
        return c.oneOf({SidePart, Cropped, Curly});
    }
    return Cropped;
}

FacialHair facialHairFor(LifeStage stage, Choices& c) {
    const float roll = c.unit();
    const auto share = [&](float stubble, float moustache, float beard) {
        if (roll < stubble) {
            return FacialHair::Stubble;
        }
        if (roll < stubble + moustache) {
            return FacialHair::Moustache;
        }
        return roll < stubble + moustache + beard ? FacialHair::Beard : FacialHair::None;
    };
    switch (stage) {
    case LifeStage::Child:
        return FacialHair::None;
    case LifeStage::YoungAdult:
        return share(0.2f, 0.05f, 0.15f);
    case LifeStage::MiddleAged:
        return share(0.1f, 0.15f, 0.25f);
    case LifeStage::Old:
        return share(0.0f, 0.2f, 0.3f);
    }
    return FacialHair::None;
}

// The face's build: a child's is small and round with big eyes set low, an
// adult's longer, a woman's a little narrower with a finer chin.
void shapeFace(PortraitLook& look, Choices& c) {
    const bool child = look.stage == LifeStage::Child;
    const bool woman = look.gender == Gender::Female;
    if (child) {
        look.headY = 188.0f;
        look.headWidth = c.between(63.0f, 68.0f);
        look.headHeight = look.headWidth * c.between(1.1f, 1.16f);
        look.jaw = c.between(0.08f, 0.16f);
        look.eyeHeight = c.between(0.09f, 0.12f);
        look.eyeSize = c.between(1.3f, 1.42f);
    } else {
        look.headY = 172.0f;
        look.headWidth = woman ? c.between(68.0f, 75.0f) : c.between(72.0f, 80.0f);
        look.headHeight = woman ? c.between(92.0f, 99.0f) : c.between(94.0f, 102.0f);
        look.jaw = woman ? c.between(0.24f, 0.36f) : c.between(0.14f, 0.30f);
        look.eyeHeight = 0.02f;
        look.eyeSize = c.between(0.92f, 1.08f) * (look.stage == LifeStage::Old ? 0.94f : 1.0f);
    }
    const float rx = look.headWidth;
    const float ry = look.headHeight;
    look.eyeSpacing = c.between(0.40f, 0.45f) * rx;
    look.browArch = woman ? c.between(3.0f, 6.0f) : c.between(0.5f, 3.5f);
    look.browWeight =
        child ? c.between(2.0f, 2.6f) : (woman ? c.between(2.2f, 3.0f) : c.between(3.0f, 4.3f));
    look.noseLength = (child ? c.between(0.24f, 0.28f) : c.between(0.33f, 0.40f)) * ry;
    look.noseWidth = (child ? c.between(0.13f, 0.15f) : c.between(0.15f, 0.19f)) * rx;
    look.mouthWidth = (child ? c.between(0.22f, 0.26f) : c.between(0.26f, 0.33f)) * rx;
    look.smile = c.between(2.5f, 6.5f);
    look.lipFullness = woman ? c.between(1.15f, 1.35f) : c.between(0.8f, 1.15f);
    if (look.stage == LifeStage::Old) {
        look.lipFullness *= 0.85f;
        look.noseLength *= 1.05f;
    }
    look.shoulderWidth = child ? 112.0f : (woman ? 136.0f : 150.0f);
}

} // namespace

LifeStage lifeStageAt(int age) {
    if (age < 14) {
        return LifeStage::Child;
    }
    if (age < 35) {
        return LifeStage::YoungAdult;
    }
    return age < 60 ? LifeStage::MiddleAged : LifeStage::Old;
}

std::optional<Gender> genderFromPronouns(std::string_view description) {
    int male = 0;
    int female = 0;
    std::string word;
    const auto count = [&] {
        if (word == "he" || word == "him" || word == "his" || word == "himself") {
            ++male;
        } else if (word == "she" || word == "her" || word == "hers" || word == "herself") {
            ++female;
        }
        word.clear();
    };
    for (char c : description) {
        if (isLetter(c)) {
            word += lower(c);
        } else {
            count();
        }
    }
    count();
    if (male == female) {
        return std::nullopt;
    }
    return male > female ? Gender::Male : Gender::Female;
}

PortraitLook portraitLookFor(const Opponent& opponent) {
    const int age = std::clamp(opponent.age, 0, 120);
    const float years = static_cast<float>(age);
    PortraitLook look;
    look.seed = hashText(opponent.name.c_str());
    Choices c(look.seed);
    // Colours first, in a fixed order, so they stay with the name whatever
    // its age and description say.
    const int skin = c.pick(6);
    look.skin = kSkins[static_cast<std::size_t>(skin)];
    int hair = c.pick(7);
    look.eyes = kEyes[static_cast<std::size_t>(c.pick(5))];
    look.clothes = kClothes[static_cast<std::size_t>(c.pick(7))];
    look.shirt = c.chance(0.6f) ? Colour{0.94f, 0.94f, 0.92f} : Colour{0.72f, 0.80f, 0.90f};
    const Colour backdrop = kBackdrops[static_cast<std::size_t>(c.pick(6))];
    look.backdropTop = backdrop * 1.15f;
    look.backdropBottom = backdrop * 0.62f;

    look.stage = lifeStageAt(age);
    const bool chooseGender = c.chance(0.5f);
    look.gender = genderFromPronouns(opponent.description)
                      .value_or(chooseGender ? Gender::Female : Gender::Male);
    const bool child = look.stage == LifeStage::Child;

    // The darkest skins go with dark hair; children's hair is never black.
    if (skin >= 4) {
        hair %= 3;
    }
    if (child) {
        hair = std::max(hair, 1);
    }
    look.hair = kHairs[static_cast<std::size_t>(hair)] * (child ? 1.12f : 1.0f);
    if (look.stage == LifeStage::MiddleAged || look.stage == LifeStage::Old) {
        const float onset = c.between(36.0f, 50.0f);
        look.greyness = clamp01((years - onset) / 22.0f);
        if (look.stage == LifeStage::Old) {
            look.greyness = std::max(look.greyness, c.between(0.75f, 0.95f));
        }
    }
    const Colour silver = mix(Colour{0.66f, 0.66f, 0.68f}, Colour{0.70f, 0.68f, 0.64f}, c.unit());
    look.greyHair = mix(silver, Colour{0.90f, 0.90f, 0.88f}, smoothstep(62.0f, 82.0f, years));

    look.hairStyle = hairStyleFor(look.stage, look.gender, age, c);
    look.fringe = c.chance(child ? 0.5f : 0.3f);
    look.partSide = c.chance(0.5f) ? 1.0f : -1.0f;
    look.facialHair = look.gender == Gender::Male ? facialHairFor(look.stage, c) : FacialHair::None;
    look.clothing =
        child ? c.oneOf({Clothes::Sweater, Clothes::Sweater, Clothes::Turtleneck})
              : c.oneOf({Clothes::Jacket, Clothes::Sweater, Clothes::Turtleneck, Clothes::VNeck});
    if (child) {
        // Brighter colours for children.
        look.clothes = mix(look.clothes * 1.5f, Colour{0.85f, 0.25f, 0.20f}, 0.15f);
    }
    shapeFace(look, c);

    switch (look.stage) {
    case LifeStage::Child:
    case LifeStage::YoungAdult:
        look.wrinkles = 0.0f;
        break;
    case LifeStage::MiddleAged:
        look.wrinkles = 0.45f * smoothstep(35.0f, 60.0f, years) * c.between(0.6f, 1.2f);
        break;
    case LifeStage::Old:
        look.wrinkles = 0.55f + 0.45f * smoothstep(60.0f, 85.0f, years);
        break;
    }
    const float glasses =
        std::array<float, 4>{0.0f, 0.18f, 0.35f, 0.6f}[static_cast<std::size_t>(look.stage)];
    look.glasses = c.chance(glasses);
    look.roundGlasses = c.chance(0.5f);
    look.earrings = look.gender == Gender::Female && !child && c.chance(0.5f);
    return look;
}

} // namespace vh::assets
