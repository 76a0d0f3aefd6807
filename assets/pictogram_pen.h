#pragma once

#include "assets/image.h"
#include "assets/lighting.h"
#include "assets/paint_math.h"
#include "assets/shapes.h"

namespace vh::assets {

// How a button picture is shown: as it is, under the mouse, or unavailable.
enum class PictogramLook { Normal, Hot, Disabled };

// The colour a pictogram's paint takes in a look. Lines (outlines and other
// dark strokes) keep their darkness when hot, so the picture brightens without
// losing its contour; unavailable pictures turn into light greys.
Colour pictogramTone(const Colour& colour, PictogramLook look, bool line);

// Paints small pictograms with clean edges: shapes are given in picture pixels
// relative to the pictogram's top left corner and painted `scale` times larger
// on the canvas, which is averaged down afterwards. Nothing is painted outside
// the pictogram's own box.
class PictogramPen {
public:
    PictogramPen(Canvas& canvas, int scale, int left, int top, int width, int height,
                 PictogramLook look)
        : canvas_(canvas), scale_(static_cast<float>(scale)), origin_{static_cast<float>(left),
                                                                      static_cast<float>(top)},
          box_{left * scale, top * scale, (left + width) * scale, (top + height) * scale},
          look_(look) {}

    // A raised shape lit from the upper left inside a dark outline.
    template <typename Distance>
    void raised(Distance distance, const Colour& base, const Colour& outline,
                float outlineWidth = 1.0f) const {
        flat([&](Vec2 q) { return distance(q) - outlineWidth; }, outline, true);
        paint(distance, [&](Vec2 q) {
            const Vec3 n = bevelNormal(distance, q, 1.5f, 0.25f);
            const Lit l = light(n, 18.0f);
            // A little lighter at the top, like the light falls on a button.
            const float fall = 1.08f - 0.16f * clamp01(q.y / 30.0f);
            const Colour c = base * ((0.50f + 0.62f * l.diffuse) * fall);
            return pictogramTone(screen(c, grey(0.55f * l.specular)), look_, false);
        });
    }

    // A shape in one colour: details on a raised shape, or lines.
    template <typename Distance>
    void flat(Distance distance, const Colour& colour, bool line = false,
              float opacity = 1.0f) const {
        const Colour toned = pictogramTone(colour, look_, line);
        paint(
            distance, [&](Vec2) { return toned; }, opacity);
    }

private:
    template <typename Distance, typename Shade>
    void paint(Distance distance, Shade shade, float opacity = 1.0f) const {
        paintShape(
            canvas_, box_, [&](Vec2 p) { return distance(toPicture(p)) * scale_; },
            [&](Vec2 p) { return shade(toPicture(p)); }, opacity);
    }

    Vec2 toPicture(Vec2 p) const { return {p.x / scale_ - origin_.x, p.y / scale_ - origin_.y}; }

    Canvas& canvas_;
    float scale_;
    Vec2 origin_;
    PixelBox box_;
    PictogramLook look_;
};

} // namespace vh::assets
