#include "board/picture_file.h"

#include "board/jpeg_tables.h"
#include "board/png_chunks.h"
#include "platform/file_bytes.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <stb_image.h>

namespace vh {
namespace {

// A picture at the largest size, compressed or not, with room to spare.
constexpr std::size_t kMaxPictureFileBytes =
    4 * static_cast<std::size_t>(kMaxBmpPixels) + (1 << 20);

constexpr std::array<std::byte, 8> kPngSignature{std::byte{0x89}, std::byte{'P'},  std::byte{'N'},
                                                 std::byte{'G'},  std::byte{0x0D}, std::byte{0x0A},
                                                 std::byte{0x1A}, std::byte{0x0A}};
constexpr std::array<std::byte, 3> kJpegSignature{std::byte{0xFF}, std::byte{0xD8},
                                                  std::byte{0xFF}};

bool beginsWith(std::span<const std::byte> bytes, std::span<const std::byte> signature) {
    return bytes.size() >= signature.size() &&
           std::equal(signature.begin(), signature.end(), bytes.begin());
}

std::optional<BmpPicture> refuse(std::string* reason, const std::string& why) {
    if (reason != nullptr) {
        *reason = why;
    }
    return std::nullopt;
}

std::optional<BmpPicture> decodeCompressed(std::span<const std::byte> bytes, std::string* reason) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return refuse(reason, "the file is too large");
    }
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    // The size is checked before anything is allocated for the pixels.
    if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0) {
        return refuse(reason, stbi_failure_reason());
    }
    if (width < 1 || height < 1 || width > kMaxBmpSide || height > kMaxBmpSide ||
        static_cast<std::int64_t>(width) * height > kMaxBmpPixels) {
        return refuse(reason, "the picture is too large");
    }
    std::string damage;
    if ((beginsWith(bytes, kPngSignature) && !pngChunksFitTheFile(bytes, damage)) ||
        (beginsWith(bytes, kJpegSignature) && !jpegScansHaveTheirTables(bytes, damage))) {
        return refuse(reason, damage);
    }
    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(data, length, &width, &height, &channels, 3), stbi_image_free);
    if (pixels == nullptr) {
        return refuse(reason, stbi_failure_reason());
    }
    BmpPicture picture;
    picture.image = PixelImage(width, height);
    const stbi_uc* source = pixels.get();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, source += 3) {
            picture.image.at(x, y) = {source[0], source[1], source[2]};
        }
    }
    picture.bitsPerPixel = 8 * channels;
    return picture;
}

} // namespace

std::optional<BmpPicture> decodePicture(std::span<const std::byte> bytes, std::string* reason) {
    if (beginsWith(bytes, kPngSignature) || beginsWith(bytes, kJpegSignature)) {
        return decodeCompressed(bytes, reason);
    }
    return decodeBmp(bytes, reason);
}

std::optional<BmpPicture> loadPictureFile(const std::filesystem::path& path, std::string* reason) {
    const FileBytes file = readFileBytes(path, kMaxPictureFileBytes);
    if (file.status != FileReadStatus::Read) {
        return refuse(reason, file.error);
    }
    return decodePicture(file.bytes, reason);
}

} // namespace vh
