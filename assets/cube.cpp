#include "assets/cube.h"

#include "assets/lighting.h"
#include "assets/noise.h"
#include "assets/shapes.h"

#include <string>

namespace vh::assets {

Image paintCubeFace(int value, const Font& numberFont) {
    constexpr float size = static_cast<float>(kCubeSize);
    const Vec2 centre{size * 0.5f, size * 0.5f};
    const Vec2 half{size * 0.5f - 2.0f, size * 0.5f - 2.0f};
    constexpr float corner = 16.0f;
    constexpr float bevel = 11.0f;
    const Colour ivory{0.95f, 0.93f, 0.87f};
    const Colour ink{0.13f, 0.07f, 0.06f};
    // Around the rounded corners the cube sits on the dark wood of the bar.
    const Colour surround{0.21f, 0.11f, 0.065f};

    Canvas canvas(kCubeSize, kCubeSize);
    paintShape(
        canvas, wholeCanvas(canvas), [&](Vec2 p) { return sdRoundedBox(p, centre, half, corner); },
        [&](Vec2 p) {
            const Vec3 n = tileNormal(p, centre, half, corner, bevel);
            const Lit l = light(n, 24.0f);
            const float grain = 1.0f + 0.015f * gradientNoise(p.x * 0.3f, p.y * 0.3f, 71u);
            // A faint shading across the face, lighter towards the light.
            const float face = 1.0f - 0.05f * ((p.x + p.y) / (2.0f * size));
            Colour c = ivory * ((0.58f + 0.5f * l.diffuse) * grain * face);
            return screen(c, grey(0.35f * l.specular));
        });

    // The number, as large as the face allows, pressed into the surface: a
    // light edge below and right of the ink where the cut catches the light.
    const std::string text = std::to_string(value);
    const float height = text.size() == 1 ? 112.0f : 92.0f;
    TextMask mask = numberFont.render(text, height, 4);
    const InkBox box = inkBox(mask);
    const float inkWidth = static_cast<float>(box.right - box.left);
    const float maxWidth = size - 2.0f * (bevel + 10.0f);
    if (inkWidth > maxWidth) {
        mask = numberFont.render(text, height * maxWidth / inkWidth, 4);
    }
    const InkBox fitted = inkBox(mask);
    const int offsetX = static_cast<int>(
        std::lround(centre.x - 0.5f * static_cast<float>(fitted.left + fitted.right)));
    const int offsetY = static_cast<int>(
        std::lround(centre.y - 0.5f * static_cast<float>(fitted.top + fitted.bottom)));
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const float edge = mask.at(x - 1, y - 1) * (1.0f - mask.at(x, y));
            canvas.blend(x + offsetX, y + offsetY, grey(1.0f), 0.65f * edge);
        }
    }
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            // The walls of the cut facing the light are a little lighter.
            const float wall = mask.at(x, y) * (1.0f - mask.at(x + 1, y + 1));
            canvas.blend(x + offsetX, y + offsetY, mix(ink, grey(0.35f), 0.5f * wall),
                         mask.at(x, y));
        }
    }
    return flatten(canvas, surround);
}

} // namespace vh::assets
