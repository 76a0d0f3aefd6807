#include "assets/noise.h"

#include "assets/paint_math.h"

#include <array>
#include <cmath>

namespace vh::assets {

namespace {

struct Gradient {
    float x;
    float y;
};

std::array<Gradient, 16> makeGradients() {
    std::array<Gradient, 16> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const double angle = (static_cast<double>(i) + 0.5) * 2.0 * 3.14159265358979 / 16.0;
        table[i] = {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
    }
    return table;
}

const std::array<Gradient, 16> kGradients = makeGradients();

float fade(float t) {
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}

// `key` is the seed already mixed once; one more mix per lattice point.
float corner(std::int32_t ix, std::int32_t iy, float dx, float dy, std::uint32_t key) {
    const std::uint32_t h = hashMix(static_cast<std::uint32_t>(ix) * 0x8da6b343u ^
                                    static_cast<std::uint32_t>(iy) * 0xd8163841u ^ key);
    const Gradient& g = kGradients[h >> 28];
    return g.x * dx + g.y * dy;
}

std::int32_t wrap(std::int32_t v, int period) {
    const std::int32_t m = v % period;
    return m < 0 ? m + period : m;
}

// floor() for the coordinates the painters use (well inside the int range).
std::int32_t floorToInt(float v) {
    const auto i = static_cast<std::int32_t>(v);
    return v < static_cast<float>(i) ? i - 1 : i;
}

template <typename Lattice>
float latticeNoise(float x, float y, Lattice lattice) {
    const std::int32_t ix = floorToInt(x);
    const std::int32_t iy = floorToInt(y);
    const float dx = x - static_cast<float>(ix);
    const float dy = y - static_cast<float>(iy);
    const float n00 = lattice(ix, iy, dx, dy);
    const float n10 = lattice(ix + 1, iy, dx - 1.0f, dy);
    const float n01 = lattice(ix, iy + 1, dx, dy - 1.0f);
    const float n11 = lattice(ix + 1, iy + 1, dx - 1.0f, dy - 1.0f);
    const float u = fade(dx);
    const float v = fade(dy);
    return 1.4f * mix(mix(n00, n10, u), mix(n01, n11, u), v);
}

} // namespace

std::uint32_t hashMix(std::uint32_t value) {
    value ^= value >> 16;
    value *= 0x7feb352du;
    value ^= value >> 15;
    value *= 0x846ca68bu;
    value ^= value >> 16;
    return value;
}

std::uint32_t hashInts(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return hashMix(static_cast<std::uint32_t>(x) +
                   hashMix(static_cast<std::uint32_t>(y) + hashMix(seed)));
}

float hashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<float>(hashInts(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

std::uint32_t hashText(const char* text) {
    std::uint32_t h = 2166136261u;
    for (const char* c = text; *c != '\0'; ++c) {
        h ^= static_cast<unsigned char>(*c);
        h *= 16777619u;
    }
    return hashMix(h);
}

float gradientNoise(float x, float y, std::uint32_t seed) {
    const std::uint32_t key = hashMix(seed);
    return latticeNoise(x, y, [key](std::int32_t ix, std::int32_t iy, float dx, float dy) {
        return corner(ix, iy, dx, dy, key);
    });
}

float periodicNoise(float x, float y, int periodX, int periodY, std::uint32_t seed) {
    const std::uint32_t key = hashMix(seed);
    return latticeNoise(x, y, [=](std::int32_t ix, std::int32_t iy, float dx, float dy) {
        return corner(wrap(ix, periodX), wrap(iy, periodY), dx, dy, key);
    });
}

float fbm(float x, float y, std::uint32_t seed, int octaves, float gain) {
    // Each octave is turned by about 37 degrees and shifted so that the lattice
    // directions of the octaves do not line up.
    constexpr float c = 0.8f;
    constexpr float s = 0.6f;
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * gradientNoise(x, y, seed + static_cast<std::uint32_t>(i) * 1013u);
        total += weight;
        const float rx = c * x - s * y;
        const float ry = s * x + c * y;
        x = rx * 2.0f + 17.3f;
        y = ry * 2.0f - 5.1f;
        weight *= gain;
    }
    return sum / total * 1.6f;
}

float periodicFbm(float x, float y, int period, std::uint32_t seed, int octaves, float gain) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    int p = period;
    float frequency = 1.0f;
    for (int i = 0; i < octaves; ++i) {
        // Shifting an octave keeps it periodic but moves its lattice points
        // off those of the others.
        const float shift = 0.37f + 0.29f * static_cast<float>(i);
        sum += weight * periodicNoise(x * frequency + shift, y * frequency + 1.7f * shift, p, p,
                                      seed + static_cast<std::uint32_t>(i) * 1013u);
        total += weight;
        frequency *= 2.0f;
        p *= 2;
        weight *= gain;
    }
    return sum / total * 1.6f;
}

CellDistances cellNoise(float x, float y, std::uint32_t seed, int period) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx);
    const auto iy = static_cast<std::int32_t>(fy);
    CellDistances result{1e9f, 1e9f, 0};
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            std::int32_t cx = ix + i;
            std::int32_t cy = iy + j;
            if (period > 0) {
                cx = wrap(cx, period);
                cy = wrap(cy, period);
            }
            const std::uint32_t h = hashInts(cx, cy, seed);
            const float px =
                static_cast<float>(ix + i) + static_cast<float>(h & 0xFFFFu) * (1.0f / 65536.0f);
            const float py =
                static_cast<float>(iy + j) + static_cast<float>(h >> 16) * (1.0f / 65536.0f);
            const float d = (px - x) * (px - x) + (py - y) * (py - y); // squared until the end
            if (d < result.nearest) {
                result.second = result.nearest;
                result.nearest = d;
                result.cellId = h;
            } else if (d < result.second) {
                result.second = d;
            }
        }
    }
    result.nearest = std::sqrt(result.nearest);
    result.second = std::sqrt(result.second);
    return result;
}

} // namespace vh::assets
