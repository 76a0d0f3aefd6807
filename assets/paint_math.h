#pragma once

#include <algorithm>
#include <cmath>

namespace vh::assets {

constexpr float kPi = 3.14159265358979f;

inline float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

inline float mix(float a, float b, float t) {
    return a + (b - a) * t;
}

inline float smoothstep(float edge0, float edge1, float v) {
    const float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

inline float fract(float v) {
    return v - std::floor(v);
}

// An RGB colour with components in 0..1 (display values, not linear light).
struct Colour {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;

    Colour operator+(const Colour& o) const { return {r + o.r, g + o.g, b + o.b}; }
    Colour operator-(const Colour& o) const { return {r - o.r, g - o.g, b - o.b}; }
    Colour operator*(float k) const { return {r * k, g * k, b * k}; }
    Colour operator*(const Colour& o) const { return {r * o.r, g * o.g, b * o.b}; }
};

inline Colour rgb(int r, int g, int b) {
    return {static_cast<float>(r) / 255.0f, static_cast<float>(g) / 255.0f,
            static_cast<float>(b) / 255.0f};
}

inline Colour mix(const Colour& a, const Colour& b, float t) {
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

inline Colour grey(float v) {
    return {v, v, v};
}

inline float luminance(const Colour& c) {
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

// Screen blend: lightens without ever exceeding white.
inline Colour screen(const Colour& base, const Colour& light) {
    return {1.0f - (1.0f - base.r) * (1.0f - light.r), 1.0f - (1.0f - base.g) * (1.0f - light.g),
            1.0f - (1.0f - base.b) * (1.0f - light.b)};
}

struct Vec2 {
    float x = 0.0f;
    float y = 0.0f;
};

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

inline float dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline Vec3 normalize(const Vec3& v) {
    const float length = std::sqrt(dot(v, v));
    if (length <= 0.0f) {
        return {0.0f, 0.0f, 1.0f};
    }
    return {v.x / length, v.y / length, v.z / length};
}

} // namespace vh::assets
