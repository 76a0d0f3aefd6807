#include "assets/image.h"
#include "assets/noise.h"

#include <cmath>
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

TEST(SpriteConversion, CoverageBlendOfAHalfCoveredPixelMixesEvenly) {
    Canvas canvas(1, 1);
    canvas.blend(0, 0, Colour{1.0f, 1.0f, 1.0f}, 0.5f);
    const Sprite sprite = toSprite(canvas);
    // dest * (1 - m) + picture over black and over white.
    const float m = sprite.mask.at(0, 0).r / 255.0f;
    const float p = sprite.picture.at(0, 0).r / 255.0f;
    EXPECT_NEAR(0.0f * (1 - m) + p, 0.5f, 0.01f);
    EXPECT_NEAR(1.0f * (1 - m) + p, 1.0f, 0.01f);
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

TEST(Noise, IsAPureFunctionOfItsArguments) {
    for (int i = 0; i < 200; ++i) {
        const float x = static_cast<float>(i) * 0.37f - 20.0f;
        const float y = static_cast<float>(i) * 0.11f + 3.0f;
        const float a = gradientNoise(x, y, 5u);
        EXPECT_EQ(a, gradientNoise(x, y, 5u));
        EXPECT_LE(std::abs(a), 1.05f);
        EXPECT_EQ(fbm(x, y, 9u, 4), fbm(x, y, 9u, 4));
    }
    EXPECT_NE(gradientNoise(0.5f, 0.5f, 1u), gradientNoise(0.5f, 0.5f, 2u));
}

TEST(Noise, PeriodicNoiseRepeatsAfterItsPeriod) {
    for (int i = 0; i < 100; ++i) {
        const float x = static_cast<float>(i) * 0.173f;
        const float y = static_cast<float>(i) * 0.311f;
        EXPECT_NEAR(periodicNoise(x, y, 8, 4, 3u), periodicNoise(x + 8.0f, y, 8, 4, 3u), 1e-4f);
        EXPECT_NEAR(periodicNoise(x, y, 8, 4, 3u), periodicNoise(x, y + 4.0f, 8, 4, 3u), 1e-4f);
        EXPECT_NEAR(periodicFbm(x, y, 4, 7u, 3), periodicFbm(x + 4.0f, y - 4.0f, 4, 7u, 3), 1e-4f);
    }
}

} // namespace
} // namespace vh::assets
