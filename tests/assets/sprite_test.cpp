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

TEST(Resampling, ShrinkingAveragesAreas) {
    Image checker(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            const std::uint8_t v = (x + y) % 2 == 0 ? 0 : 200;
            checker.at(x, y) = {v, v, v};
        }
    }
    const Image small = resized(checker, 2, 2);
    for (const Rgb8& p : small.pixels) {
        EXPECT_EQ(p, (Rgb8{100, 100, 100}));
    }
    // A shrink by a non-integer factor keeps the mean.
    const Image odd = resized(checker, 3, 3);
    double sum = 0.0;
    for (const Rgb8& p : odd.pixels) {
        sum += p.r;
    }
    EXPECT_NEAR(sum / 9.0, 100.0, 3.0);
}

} // namespace
} // namespace vh::assets
