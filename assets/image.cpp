#include "assets/image.h"

#include <algorithm>
#include <cmath>

namespace vh::assets {

Image::Image(int w, int h, Rgb8 fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {}

void Canvas::blend(int x, int y, const Colour& colour, float alpha) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0.0f) {
        return;
    }
    alpha = std::min(alpha, 1.0f);
    Rgba& p = at(x, y);
    const float keep = 1.0f - alpha;
    p.r = colour.r * alpha + p.r * keep;
    p.g = colour.g * alpha + p.g * keep;
    p.b = colour.b * alpha + p.b * keep;
    p.a = alpha + p.a * keep;
}

void Canvas::set(int x, int y, const Colour& colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    at(x, y) = {colour.r, colour.g, colour.b, 1.0f};
}

Canvas Canvas::downsampled(int factor) const {
    Canvas result(width_ / factor, height_ / factor);
    const float scale = 1.0f / static_cast<float>(factor * factor);
    for (int y = 0; y < result.height_; ++y) {
        for (int x = 0; x < result.width_; ++x) {
            Rgba sum;
            for (int sy = 0; sy < factor; ++sy) {
                for (int sx = 0; sx < factor; ++sx) {
                    const Rgba& p = at(x * factor + sx, y * factor + sy);
                    sum.r += p.r;
                    sum.g += p.g;
                    sum.b += p.b;
                    sum.a += p.a;
                }
            }
            result.at(x, y) = {sum.r * scale, sum.g * scale, sum.b * scale, sum.a * scale};
        }
    }
    return result;
}

std::uint8_t toByte(float value) {
    const float scaled = std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f;
    return static_cast<std::uint8_t>(static_cast<int>(scaled));
}

Rgb8 toRgb8(const Colour& colour) {
    return {toByte(colour.r), toByte(colour.g), toByte(colour.b)};
}

Colour toColour(const Rgb8& pixel) {
    return rgb(pixel.r, pixel.g, pixel.b);
}

Image flatten(const Canvas& canvas, const Colour& background) {
    Image image(canvas.width(), canvas.height());
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba& p = canvas.at(x, y);
            const float keep = 1.0f - std::clamp(p.a, 0.0f, 1.0f);
            image.at(x, y) = toRgb8(
                {p.r + background.r * keep, p.g + background.g * keep, p.b + background.b * keep});
        }
    }
    return image;
}

Sprite toSprite(const Canvas& canvas) {
    Sprite sprite{Image(canvas.width(), canvas.height()), Image(canvas.width(), canvas.height())};
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba& p = canvas.at(x, y);
            const std::uint8_t m = toByte(p.a);
            sprite.mask.at(x, y) = {m, m, m};
            if (m == 0) {
                continue; // the picture stays black where the background shows
            }
            // Premultiplied by the stored coverage, never brighter than it allows.
            const float stored = static_cast<float>(m) / 255.0f;
            const float k = p.a > 0.0f ? stored / p.a : 0.0f;
            sprite.picture.at(x, y) = {std::min(toByte(p.r * k), m), std::min(toByte(p.g * k), m),
                                       std::min(toByte(p.b * k), m)};
        }
    }
    return sprite;
}

namespace {

// Weight of source pixel [i, i+1) inside the target footprint [from, to).
float overlap(float from, float to, int i) {
    return std::max(0.0f, std::min(to, static_cast<float>(i + 1)) -
                              std::max(from, static_cast<float>(i)));
}

template <typename Accumulate, typename Finish>
void resample(int sourceWidth, int sourceHeight, int width, int height, Accumulate accumulate,
              Finish finish) {
    const float sx = static_cast<float>(sourceWidth) / static_cast<float>(width);
    const float sy = static_cast<float>(sourceHeight) / static_cast<float>(height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Rgba sum;
            float total = 0.0f;
            if (sx >= 1.0f && sy >= 1.0f) {
                const float x0 = static_cast<float>(x) * sx;
                const float x1 = x0 + sx;
                const float y0 = static_cast<float>(y) * sy;
                const float y1 = y0 + sy;
                for (int j = static_cast<int>(y0); j < static_cast<int>(std::ceil(y1)); ++j) {
                    const float wy = overlap(y0, y1, j);
                    for (int i = static_cast<int>(x0); i < static_cast<int>(std::ceil(x1)); ++i) {
                        const float w = wy * overlap(x0, x1, i);
                        if (w > 0.0f && i < sourceWidth && j < sourceHeight) {
                            accumulate(sum, i, j, w);
                            total += w;
                        }
                    }
                }
            } else {
                const float fx = std::clamp((static_cast<float>(x) + 0.5f) * sx - 0.5f, 0.0f,
                                            static_cast<float>(sourceWidth - 1));
                const float fy = std::clamp((static_cast<float>(y) + 0.5f) * sy - 0.5f, 0.0f,
                                            static_cast<float>(sourceHeight - 1));
                const int ix =
                    std::min(static_cast<int>(fx), sourceWidth - 2 < 0 ? 0 : sourceWidth - 2);
                const int iy =
                    std::min(static_cast<int>(fy), sourceHeight - 2 < 0 ? 0 : sourceHeight - 2);
                const float tx = fx - static_cast<float>(ix);
                const float ty = fy - static_cast<float>(iy);
                const int ix1 = std::min(ix + 1, sourceWidth - 1);
                const int iy1 = std::min(iy + 1, sourceHeight - 1);
                accumulate(sum, ix, iy, (1 - tx) * (1 - ty));
                accumulate(sum, ix1, iy, tx * (1 - ty));
                accumulate(sum, ix, iy1, (1 - tx) * ty);
                accumulate(sum, ix1, iy1, tx * ty);
                total = 1.0f;
            }
            finish(x, y, sum, total);
        }
    }
}

} // namespace

Image resized(const Image& source, int width, int height) {
    Image result(width, height);
    resample(
        source.width, source.height, width, height,
        [&](Rgba& sum, int i, int j, float w) {
            const Rgb8& p = source.at(i, j);
            sum.r += w * static_cast<float>(p.r);
            sum.g += w * static_cast<float>(p.g);
            sum.b += w * static_cast<float>(p.b);
        },
        [&](int x, int y, const Rgba& sum, float total) {
            const float k = 1.0f / (255.0f * total);
            result.at(x, y) = toRgb8({sum.r * k, sum.g * k, sum.b * k});
        });
    return result;
}

Canvas resized(const Canvas& source, int width, int height) {
    Canvas result(width, height);
    resample(
        source.width(), source.height(), width, height,
        [&](Rgba& sum, int i, int j, float w) {
            const Rgba& p = source.at(i, j);
            sum.r += w * p.r;
            sum.g += w * p.g;
            sum.b += w * p.b;
            sum.a += w * p.a;
        },
        [&](int x, int y, const Rgba& sum, float total) {
            const float k = 1.0f / total;
            result.at(x, y) = {sum.r * k, sum.g * k, sum.b * k, sum.a * k};
        });
    return result;
}

Canvas toCanvas(const Sprite& sprite) {
    Canvas canvas(sprite.picture.width, sprite.picture.height);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Colour c = toColour(sprite.picture.at(x, y));
            canvas.at(x, y) = {c.r, c.g, c.b, static_cast<float>(sprite.mask.at(x, y).r) / 255.0f};
        }
    }
    return canvas;
}

Canvas toCanvas(const Image& image) {
    Canvas canvas(image.width, image.height);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            canvas.set(x, y, toColour(image.at(x, y)));
        }
    }
    return canvas;
}

void compositeOver(Canvas& target, const Canvas& layer, int x, int y) {
    for (int j = 0; j < layer.height(); ++j) {
        const int ty = y + j;
        if (ty < 0 || ty >= target.height()) {
            continue;
        }
        for (int i = 0; i < layer.width(); ++i) {
            const int tx = x + i;
            if (tx < 0 || tx >= target.width()) {
                continue;
            }
            const Rgba& s = layer.at(i, j);
            Rgba& d = target.at(tx, ty);
            const float keep = 1.0f - s.a;
            d = {s.r + d.r * keep, s.g + d.g * keep, s.b + d.b * keep, s.a + d.a * keep};
        }
    }
}

} // namespace vh::assets
