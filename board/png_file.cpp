#include "board/png_file.h"

#include "platform/atomic_file.h"

#include <stb_image_write.h>

namespace vh {
namespace {

void appendBytes(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<std::byte>*>(context);
    const auto* first = static_cast<const std::byte*>(data);
    out->insert(out->end(), first, first + size);
}

} // namespace

std::vector<std::byte> encodePng(const PixelImage& image) {
    std::vector<std::byte> out;
    if (image.empty()) {
        return out;
    }
    static_assert(sizeof(Rgb) == 3, "pixels are handed to the encoder as packed RGB bytes");
    const int stride = image.width() * 3;
    if (stbi_write_png_to_func(appendBytes, &out, image.width(), image.height(), 3,
                               image.pixels().data(), stride) == 0) {
        out.clear();
    }
    return out;
}

bool savePngFile(const std::filesystem::path& path, const PixelImage& image, std::string* error) {
    const std::vector<std::byte> bytes = encodePng(image);
    if (bytes.empty()) {
        if (error != nullptr) {
            *error = "cannot encode an empty picture as PNG";
        }
        return false;
    }
    return writeFileAtomically(path, bytes, error);
}

} // namespace vh
