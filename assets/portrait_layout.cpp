#include "assets/portrait_layout.h"

#include "assets/noise.h"
#include "assets/shapes.h"

#include <algorithm>
#include <cmath>

namespace vh::assets {

PortraitLayout::PortraitLayout(const PortraitLook& look)
    : look_(look), head_{150.0f, look.headY}, hair_(hairFor()) {}

float PortraitLayout::mouthY() const {
    return eyeY() + look_.noseLength + (child() ? 0.15f : 0.17f) * ry();
}

float PortraitLayout::faceDistance(Vec2 p) const {
    const float v = std::clamp((p.y - head_.y) / ry(), 0.0f, 1.0f);
    const float narrow = 1.0f - look_.jaw * v * v;
    return sdEllipse({head_.x + (p.x - head_.x) / narrow, p.y}, head_, {rx(), ry()});
}

float PortraitLayout::curls(Vec2 p, Vec2 centre) const {
    if (hair_.curl <= 0.0f) {
        return 0.0f;
    }
    const float angle = std::atan2(p.y - centre.y, p.x - centre.x);
    return hair_.curl * (0.5f + 0.5f * std::sin(angle * 15.0f)) +
           3.0f * gradientNoise(p.x * 0.12f, p.y * 0.12f, look_.seed + 13u);
}

float PortraitLayout::hairOutline(Vec2 p) const {
    float d = sdEllipse(p, hair_.capCentre, hair_.capRadii);
    if (hair_.backBottom > 0.0f) {
        const float top = hair_.capCentre.y;
        const float half = (hair_.backBottom - top) * 0.5f;
        // Ends cut in uneven strands.
        const float ends = 4.0f * gradientNoise(p.x * 0.15f, 0.5f, look_.seed + 17u);
        d = std::min(d, sdRoundedBox({p.x, p.y + ends}, {head_.x, top + half},
                                     {hair_.backHalfWidth, half}, 26.0f));
    }
    return d + curls(p, hair_.capCentre);
}

float PortraitLayout::hairlineAt(float x) const {
    const float u = (x - head_.x) / rx();
    if (hair_.fringe > 0.0f) {
        // Tufts along a fringe.
        const float tufts = 3.0f * std::abs(std::sin((x - head_.x) * 0.16f));
        return hair_.fringe - tufts + 0.12f * ry() * u * u;
    }
    const float recess = hair_.recess * std::exp(-std::pow((std::abs(u) - 0.55f) / 0.3f, 2.0f));
    const float waves = hair_.curl > 0.0f ? 3.0f * std::sin(x * 0.25f) : 0.0f;
    return hair_.hairline + hair_.slope * (x - head_.x) + hair_.temples * u * u - recess + waves;
}

float PortraitLayout::faceOpening(Vec2 p) const {
    return std::max(faceDistance(p) + hair_.inset, hairlineAt(p.x) - p.y);
}

PortraitLayout::Hair PortraitLayout::hairFor() const {
    Hair h;
    h.capCentre = {head_.x, head_.y - 6.0f};
    h.capRadii = {rx() * 1.06f, ry() * 1.0f};
    h.hairline = topY() + 0.34f * ry();
    h.temples = 0.22f * ry();
    h.inset = 3.0f;
    h.sideBottom = eyeY() - 0.04f * ry();
    const float fuller = woman() ? 1.0f : 0.0f; // women wear their hair fuller
    switch (look_.hairStyle) {
    case HairStyle::Cropped:
        break;
    case HairStyle::SidePart:
        h.capRadii = {rx() * (1.1f + 0.04f * fuller), ry() * (1.03f + 0.02f * fuller)};
        h.hairline = topY() + 0.36f * ry();
        h.slope = (0.18f + 0.12f * fuller) * look_.partSide;
        if (woman()) {
            // Swept to one side and cut at the jaw.
            h.temples = 0.3f * ry();
            h.inset = 6.0f;
            h.backBottom = chinY() - 0.18f * ry();
            h.backHalfWidth = rx() * 1.12f;
            h.sideBottom = h.backBottom;
        }
        break;
    case HairStyle::Curly:
        h.capRadii = {rx() * (1.12f + 0.16f * fuller), ry() * (1.05f + 0.07f * fuller)};
        h.curl = 5.0f + 2.0f * fuller;
        h.hairline = topY() + 0.36f * ry();
        if (woman()) {
            h.backBottom =
                look_.stage == LifeStage::Old ? eyeY() + 0.3f * ry() : chinY() + 0.05f * ry();
            h.backHalfWidth = rx() * 1.22f;
            h.sideBottom = h.backBottom;
            h.inset = 6.0f;
        }
        break;
    case HairStyle::Fringe:
        h.capRadii = {rx() * 1.12f, ry() * 1.05f};
        h.hairline = topY() + 0.3f * ry();
        h.fringe = browY() - 5.0f;
        h.sideBottom = eyeY() + 0.06f * ry();
        break;
    case HairStyle::Receding:
        h.capRadii = {rx() * 1.03f, ry() * 0.99f};
        h.hairline = topY() + 0.4f * ry();
        h.temples = 0.12f * ry();
        h.recess = 0.14f * ry();
        h.sideBottom = eyeY() - 0.02f * ry();
        break;
    case HairStyle::Bald:
        h.crown = false;
        h.capRadii = {rx() * 1.07f, ry() * 1.0f};
        break;
    case HairStyle::Long:
    case HairStyle::Bob: {
        const bool longHair = look_.hairStyle == HairStyle::Long;
        h.capRadii = {rx() * 1.15f, ry() * 1.05f};
        h.hairline = topY() + 0.34f * ry();
        h.temples = 0.35f * ry();
        h.inset = 7.0f;
        h.backBottom = longHair ? shoulderY() + 0.55f * ry() : chinY() - 0.02f * ry();
        h.backHalfWidth = rx() * (longHair ? 1.1f : 1.17f);
        h.sideBottom = h.backBottom;
        if (look_.fringe) {
            h.fringe = browY() - 4.0f;
        }
        break;
    }
    case HairStyle::Bun:
        h.capRadii = {rx() * 1.04f, ry() * 0.99f};
        h.sideBottom = eyeY() - 0.06f * ry();
        break;
    case HairStyle::Pigtails:
        h.capRadii = {rx() * 1.07f, ry() * 1.02f};
        h.fringe = browY() - 4.0f;
        h.sideBottom = eyeY() - 0.02f * ry();
        break;
    }
    return h;
}

} // namespace vh::assets
