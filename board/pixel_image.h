#pragma once

#include <cstdint>
#include <vector>

namespace vh {

// One pixel of 24-bit colour.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

// A picture in memory: width x height pixels, row 0 at the top. Every picture
// the program draws, and every buffer it draws into, is one of these.
class PixelImage {
public:
    PixelImage() = default;
    // Sizes below 1 give an empty picture.
    PixelImage(int width, int height, Rgb fill = kBlack);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return pixels_.empty(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    // Unchecked: (x, y) must lie inside the picture.
    Rgb& at(int x, int y) { return pixels_[index(x, y)]; }
    const Rgb& at(int x, int y) const { return pixels_[index(x, y)]; }

    void fill(Rgb colour);
    const std::vector<Rgb>& pixels() const { return pixels_; }

    bool operator==(const PixelImage&) const = default;

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

} // namespace vh
