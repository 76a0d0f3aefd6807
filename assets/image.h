#pragma once

#include "assets/paint_math.h"

#include <cstdint>
#include <vector>

namespace vh::assets {

struct Rgb8 {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    bool operator==(const Rgb8&) const = default;
};

// A 24-bit picture, rows from the top, as the program's picture files hold it.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;

    Image() = default;
    Image(int w, int h, Rgb8 fill = {});

    Rgb8& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
    const Rgb8& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// A picture with a mask: white where the picture is opaque, black where the
// background shows, grey at anti-aliased edges. The picture is premultiplied by
// the mask's coverage, so it is black wherever the mask is black.
struct Sprite {
    Image picture;
    Image mask;
};

// Premultiplied colour with coverage, the working format of the painters.
struct Rgba {
    float r = 0.0f;
    float g = 0.0f;
    float b = 0.0f;
    float a = 0.0f;
};

// A float painting surface. Starts transparent; shapes are blended over it.
class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    Rgba& at(int x, int y) { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    const Rgba& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

    // Blends `colour` with opacity `alpha` over the pixel (x, y); outside is ignored.
    void blend(int x, int y, const Colour& colour, float alpha);
    // Sets the pixel to an opaque colour.
    void set(int x, int y, const Colour& colour);

    // Averages each factor x factor block into one pixel.
    Canvas downsampled(int factor) const;

private:
    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

std::uint8_t toByte(float value);
Rgb8 toRgb8(const Colour& colour);
Colour toColour(const Rgb8& pixel);

// The canvas over an opaque background colour.
Image flatten(const Canvas& canvas, const Colour& background);
// The canvas as picture and mask (picture premultiplied, black outside).
Sprite toSprite(const Canvas& canvas);

// Resamples by averaging the source area under each target pixel (for
// shrinking; enlarging falls back to bilinear sampling).
Image resized(const Image& source, int width, int height);
Canvas resized(const Canvas& source, int width, int height);
// The sprite as a premultiplied canvas (coverage from the mask).
Canvas toCanvas(const Sprite& sprite);
Canvas toCanvas(const Image& image);

// Draws `layer` (premultiplied) over `target` with its top left corner at (x, y).
void compositeOver(Canvas& target, const Canvas& layer, int x, int y);

} // namespace vh::assets
