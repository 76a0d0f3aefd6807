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

std::vector<std::byte> encodePngSamples(std::span<const std::uint8_t> samples, int width,
                                        int height, int channels) {
    std::vector<std::byte> out;
    if (width < 1 || height < 1 ||
        samples.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height) *
                             static_cast<std::size_t>(channels)) {
        return out;
    }
    if (stbi_write_png_to_func(appendBytes, &out, width, height, channels, samples.data(),
                               width * channels) == 0) {
        out.clear();
    }
    return out;
}

std::vector<std::byte> encodePng(const PixelImage& image) {
    static_assert(sizeof(Rgb) == 3, "pixels are handed to the encoder as packed RGB bytes");
    const auto* samples = reinterpret_cast<const std::uint8_t*>(image.pixels().data());
    return encodePngSamples({samples, image.pixels().size() * 3}, image.width(), image.height(), 3);
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
