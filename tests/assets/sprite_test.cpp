#include "assets/image.h"

#include <gtest/gtest.h>

namespace vh::assets {
namespace {

TEST(SpriteConversion, PremultipliesByTheStoredCoverage) {
    // Coverage from nothing to full over a white picture.
    Canvas canvas(6, 1);
    const float alphas[] = {0.0f, 0.001f, 0.003f, 0.5f, 0.999f, 1.0f};
    for (int x = 0; x < 6; ++x) {
        canvas.blend(x, 0, Colour{1.0f, 0.5f, 0.0f}, alphas[x]);
    }
    const Sprite sprite = toSprite(canvas);
    for (int x = 0; x < 6; ++x) {
        SCOPED_TRACE(x);
        const Rgb8 m = sprite.mask.at(x, 0);
        const Rgb8 p = sprite.picture.at(x, 0);
        EXPECT_EQ(m.r, toByte(alphas[x]));
        EXPECT_LE(p.r, m.r);
        if (m.r == 0) {
            EXPECT_EQ(p, (Rgb8{0, 0, 0}));
        }
    }
    EXPECT_EQ(sprite.picture.at(5, 0), (Rgb8{255, 128, 0}));
    EXPECT_EQ(sprite.picture.at(3, 0).r, 128);
    EXPECT_EQ(sprite.picture.at(3, 0).g, 64);
}

} // namespace
} // namespace vh::assets
