#pragma once

#include "assets/opponent_roster.h"
#include "assets/paint_math.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace vh::assets {

enum class LifeStage { Child, YoungAdult, MiddleAged, Old };
enum class Gender { Female, Male };

// Under 14 a child, under 35 a young adult, under 60 middle-aged, then old.
LifeStage lifeStageAt(int age);

// The gender the pronouns of a description point to: "he", "him", "his",
// "himself" against "she", "her", "hers", "herself", whichever occur more
// often. Nothing when neither occurs or both equally often.
std::optional<Gender> genderFromPronouns(std::string_view description);

enum class HairStyle {
    Cropped,
    SidePart,
    Curly,
    Fringe,   // a mop with a fringe over the forehead
    Receding, // a high hairline
    Bald,     // hair only around the sides
    Long,
    Bob,
    Bun,
    Pigtails,
};
enum class FacialHair { None, Stubble, Moustache, Beard };
enum class Clothes { Jacket, Sweater, Turtleneck, VNeck };

// Everything the portrait painter draws. Lengths are in pixels of the painting
// canvas, twice the size of the picture.
struct PortraitLook {
    std::uint32_t seed = 0; // the name's hash; the painter's textures follow it
    LifeStage stage = LifeStage::YoungAdult;
    Gender gender = Gender::Male;
    Colour skin;
    Colour hair;        // the natural colour
    float greyness = 0; // share of grey strands, 0 none .. 1 all
    Colour greyHair;    // the colour of the grey strands
    HairStyle hairStyle = HairStyle::Cropped;
    bool fringe = false; // long hair and bobs: cut straight over the forehead
    float partSide = 1;  // -1 or 1: the side of a side parting
    FacialHair facialHair = FacialHair::None;
    Colour eyes;
    Colour clothes;
    Colour shirt;
    Clothes clothing = Clothes::Sweater;
    Colour backdropTop;
    Colour backdropBottom;
    float headY = 0;      // centre of the head
    float headWidth = 0;  // x radius of the head
    float headHeight = 0; // y radius
    float jaw = 0;        // how much the face narrows to the chin
    float eyeHeight = 0;  // the eye line below the head's centre, in head heights
    float eyeSpacing = 0;
    float eyeSize = 0;
    float browArch = 0;
    float browWeight = 0;
    float noseLength = 0;
    float noseWidth = 0;
    float mouthWidth = 0;
    float smile = 0;
    float lipFullness = 0;
    float shoulderWidth = 0; // half the width of the shoulders
    float wrinkles = 0;      // 0 smooth .. 1 deeply lined
    bool glasses = false;
    bool roundGlasses = false;
    bool earrings = false;
};

// The look of an opponent: age gives the build of the face, the hair's
// greyness, lines and glasses; the description's pronouns give the hair style
// and facial hair (the name's hash decides when they say nothing); everything
// else follows from the name's hash, so a name always gets the same face.
PortraitLook portraitLookFor(const Opponent& opponent);

} // namespace vh::assets
