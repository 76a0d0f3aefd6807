#pragma once

#include <cmath>

namespace vh {

// A rectangle in pixels; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// The smallest rectangle holding both.
inline Rect unite(const Rect& a, const Rect& b) {
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// x times a single-precision constant, worked out in double precision and
// truncated toward zero: the board's sizes follow this rule exactly, so
// 610 * 0.7f gives 426, not 427.
inline int scaled(int x, float factor) {
    return static_cast<int>(static_cast<double>(x) * static_cast<double>(factor));
}

// length times scale, rounded to the nearest whole pixel.
inline int roundedScale(int length, float scale) {
    return static_cast<int>(std::lround(static_cast<double>(length) * scale));
}

} // namespace vh
