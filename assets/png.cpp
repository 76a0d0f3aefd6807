#include "assets/png.h"

#include <cstdint>
#include <stb_image_write.h>

namespace vh::assets {

namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::byte>*>(context);
    const auto* first = static_cast<const std::byte*>(data);
    out->insert(out->end(), first, first + size);
}

} // namespace

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
    std::vector<std::byte> out;
    if (stbi_write_png_to_func(appendBytes, &out, canvas.width(), canvas.height(), 4, rgba.data(),
                               canvas.width() * 4) == 0) {
        out.clear();
    }
    return out;
}

} // namespace vh::assets
