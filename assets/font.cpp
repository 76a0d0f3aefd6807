#include "assets/font.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#include <stb_truetype.h>

namespace vh::assets {

struct Font::Impl {
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
};

Font::Font(const std::filesystem::path& file) {
    auto impl = std::make_shared<Impl>();
    std::ifstream in(file, std::ios::binary);
    impl->data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (impl->data.empty() ||
        stbtt_InitFont(&impl->info, impl->data.data(),
                       stbtt_GetFontOffsetForIndex(impl->data.data(), 0)) == 0) {
        throw std::runtime_error(file.string() + " cannot be read as a TrueType font");
    }
    impl_ = std::move(impl);
}

TextMask Font::render(std::string_view text, float pixelHeight, int padding) const {
    const stbtt_fontinfo& info = impl_->info;
    const float scale = stbtt_ScaleForPixelHeight(&info, pixelHeight);
    int ascent = 0;
    int descent = 0;
    int lineGap = 0;
    stbtt_GetFontVMetrics(&info, &ascent, &descent, &lineGap);
    // Pen positions first, to size the mask.
    std::vector<float> pens;
    float pen = 0.0f;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        pens.push_back(pen);
        int advance = 0;
        int bearing = 0;
        stbtt_GetCodepointHMetrics(&info, c, &advance, &bearing);
        pen += static_cast<float>(advance) * scale;
        if (i + 1 < text.size()) {
            pen += static_cast<float>(stbtt_GetCodepointKernAdvance(
                       &info, c, static_cast<unsigned char>(text[i + 1]))) *
                   scale;
        }
    }
    TextMask mask;
    mask.baseline = padding + static_cast<int>(std::ceil(static_cast<float>(ascent) * scale));
    mask.width = static_cast<int>(std::ceil(pen)) + 2 * padding + 2;
    mask.height = mask.baseline +
                  static_cast<int>(std::ceil(-static_cast<float>(descent) * scale)) + padding + 1;
    mask.coverage.assign(static_cast<std::size_t>(mask.width * mask.height), 0.0f);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        const float x = static_cast<float>(padding) + pens[i];
        const float shift = x - std::floor(x);
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
        stbtt_GetCodepointBitmapBoxSubpixel(&info, c, scale, scale, shift, 0.0f, &x0, &y0, &x1,
                                            &y1);
        const int w = x1 - x0;
        const int h = y1 - y0;
        if (w <= 0 || h <= 0) {
            continue;
        }
        std::vector<unsigned char> glyph(static_cast<std::size_t>(w * h));
        stbtt_MakeCodepointBitmapSubpixel(&info, glyph.data(), w, h, w, scale, scale, shift, 0.0f,
                                          c);
        const int left = static_cast<int>(std::floor(x)) + x0;
        const int top = mask.baseline + y0;
        for (int j = 0; j < h; ++j) {
            for (int k = 0; k < w; ++k) {
                const int mx = left + k;
                const int my = top + j;
                if (mx < 0 || my < 0 || mx >= mask.width || my >= mask.height) {
                    continue;
                }
                float& cell = mask.coverage[static_cast<std::size_t>(my * mask.width + mx)];
                cell = std::min(
                    1.0f,
                    cell + static_cast<float>(glyph[static_cast<std::size_t>(j * w + k)]) / 255.0f);
            }
        }
    }
    return mask;
}

InkBox inkBox(const TextMask& mask) {
    InkBox box{mask.width, mask.height, 0, 0};
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.at(x, y) > 0.0f) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    if (box.right <= box.left) {
        return {};
    }
    return box;
}

TextMask blurred(const TextMask& mask, int radius) {
    TextMask result = mask;
    std::vector<float> line;
    const auto pass = [&](bool horizontal) {
        const int length = horizontal ? result.width : result.height;
        const int lines = horizontal ? result.height : result.width;
        line.resize(static_cast<std::size_t>(length));
        for (int l = 0; l < lines; ++l) {
            const auto index = [&](int i) {
                return static_cast<std::size_t>(horizontal ? l * result.width + i
                                                           : i * result.width + l);
            };
            for (int i = 0; i < length; ++i) {
                float sum = 0.0f;
                for (int k = -radius; k <= radius; ++k) {
                    const int j = i + k;
                    if (j >= 0 && j < length) {
                        sum += result.coverage[index(j)];
                    }
                }
                line[static_cast<std::size_t>(i)] = sum / static_cast<float>(2 * radius + 1);
            }
            for (int i = 0; i < length; ++i) {
                result.coverage[index(i)] = line[static_cast<std::size_t>(i)];
            }
        }
    };
    for (int repeat = 0; repeat < 3; ++repeat) {
        pass(true);
        pass(false);
    }
    return result;
}

} // namespace vh::assets
