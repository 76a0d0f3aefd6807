#pragma once

#include "assets/paint_math.h"
#include "assets/portrait_look.h"

namespace vh::assets {

// Where the parts of a portrait lie on the painting canvas (twice the size of
// the picture): the head, its features and the hair around it. Distances are
// signed, in canvas pixels: negative inside a shape.
class PortraitLayout {
public:
    struct Hair {
        Vec2 capCentre;
        Vec2 capRadii;
        bool crown = true;          // false: bald on top, hair only around the sides
        float curl = 0.0f;          // height of the curls along the outline
        float hairline = 0.0f;      // the hairline's height over the middle of the forehead
        float slope = 0.0f;         // tilt of the hairline towards a side parting
        float temples = 0.0f;       // how far the hairline falls towards the temples
        float recess = 0.0f;        // how far it recedes either side of the middle
        float fringe = 0.0f;        // the lower edge of a fringe; 0 without one
        float inset = 0.0f;         // how far the hair covers the edge of the face
        float sideBottom = 0.0f;    // where the hair framing the face ends
        float backBottom = 0.0f;    // the lower end of hair hanging down; 0 without
        float backHalfWidth = 0.0f; // half the width of hanging hair
    };

    explicit PortraitLayout(const PortraitLook& look);

    Vec2 head() const { return head_; }
    float rx() const { return look_.headWidth; }
    float ry() const { return look_.headHeight; }
    float topY() const { return head_.y - ry(); }
    float eyeY() const { return head_.y + look_.eyeHeight * ry(); }
    float browY() const { return eyeY() - 0.17f * ry(); }
    float mouthY() const;
    float chinY() const { return head_.y + ry(); }
    float shoulderY() const { return chinY() + (child() ? 0.16f : 0.22f) * ry(); }
    float neckHalf() const { return rx() * (child() ? 0.38f : (woman() ? 0.40f : 0.44f)); }

    // The face outline: an ellipse narrowing towards the chin.
    float faceDistance(Vec2 p) const;

    const Hair& hair() const { return hair_; }
    // How far curly hair's outline bulges at p, curling around `centre`.
    float curls(Vec2 p, Vec2 centre) const;
    // The whole mass of the hair: the cap over the crown and what hangs down.
    float hairOutline(Vec2 p) const;
    // The height of the hairline, where the face shows below the hair.
    float hairlineAt(float x) const;
    // Where the face shows: inside its outline (less an inset under hair
    // framing it) and below the hairline.
    float faceOpening(Vec2 p) const;

private:
    bool child() const { return look_.stage == LifeStage::Child; }
    bool woman() const { return look_.gender == Gender::Female; }
    Hair hairFor() const;

    PortraitLook look_;
    Vec2 head_;
    Hair hair_;
};

} // namespace vh::assets
