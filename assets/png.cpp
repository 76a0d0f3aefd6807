#include "assets/png.h"

#include "board/png_file.h"

#include <cstdint>

namespace vh::assets {

std::vector<std::byte> encodePngWithAlpha(const Canvas& canvas) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(static_cast<std::size_t>(canvas.width() * canvas.height() * 4));
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const Rgba& p = canvas.at(x, y);
            const std::uint8_t alpha = toByte(p.a);
            const float k = alpha > 0 ? 1.0f / p.a : 0.0f;
            rgba.push_back(alpha > 0 ? toByte(p.r * k) : 0);
            rgba.push_back(alpha > 0 ? toByte(p.g * k) : 0);
            rgba.push_back(alpha > 0 ? toByte(p.b * k) : 0);
            rgba.push_back(alpha);
        }
    }
    return encodePngSamples(rgba, canvas.width(), canvas.height(), 4);
}

} // namespace vh::assets
