#pragma once

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace vh::assets {

// Coverage of rendered text, 0..1 per pixel, with `padding` empty pixels
// around the ink box's origin and the baseline at row `baseline`.
struct TextMask {
    int width = 0;
    int height = 0;
    int baseline = 0;
    std::vector<float> coverage;

    float at(int x, int y) const {
        if (x < 0 || y < 0 || x >= width || y >= height) {
            return 0.0f;
        }
        return coverage[static_cast<std::size_t>(y * width + x)];
    }
};

// The smallest rectangle holding every covered pixel of a mask.
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0; // exclusive
    int bottom = 0;
};
InkBox inkBox(const TextMask& mask);

// A TrueType font file read whole, rasterised with stb_truetype.
class Font {
public:
    // Throws std::runtime_error when the file is missing or not a font.
    explicit Font(const std::filesystem::path& file);

    // One line of text, `pixelHeight` from the highest ascender to the lowest
    // descender, kerned, with `padding` pixels of margin on every side.
    TextMask render(std::string_view text, float pixelHeight, int padding = 2) const;

private:
    struct Impl;
    std::shared_ptr<const Impl> impl_;
};

// A soft copy of a mask (three box blurs of the given radius in each direction).
TextMask blurred(const TextMask& mask, int radius);

} // namespace vh::assets
