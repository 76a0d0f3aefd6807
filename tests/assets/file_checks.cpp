#include "tests/assets/file_checks.h"

#include "assets/bmp.h"

#include <array>
#include <stb_image.h>

namespace vh::assets::test {

std::filesystem::path programDir() {
    return VARNHOLT_TEST_PROGRAM_DIR;
}

std::uint32_t u32At(const std::vector<std::byte>& bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes.at(at)) |
           static_cast<std::uint32_t>(bytes.at(at + 1)) << 8 |
           static_cast<std::uint32_t>(bytes.at(at + 2)) << 16 |
           static_cast<std::uint32_t>(bytes.at(at + 3)) << 24;
}

std::uint16_t u16At(const std::vector<std::byte>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned>(bytes.at(at)) |
                                      static_cast<unsigned>(bytes.at(at + 1)) << 8);
}

namespace {

template <typename T>
std::optional<T> fail(std::string* problem, const std::string& what) {
    if (problem != nullptr) {
        *problem = what;
    }
    return std::nullopt;
}

} // namespace

std::optional<Image> checkedBmp(const std::vector<std::byte>& bytes, std::string* problem) {
    if (bytes.size() < 54) {
        return fail<Image>(problem, "shorter than the two headers");
    }
    if (bytes[0] != std::byte{'B'} || bytes[1] != std::byte{'M'}) {
        return fail<Image>(problem, "no BM signature");
    }
    const auto width = static_cast<std::int32_t>(u32At(bytes, 18));
    const auto height = static_cast<std::int32_t>(u32At(bytes, 22));
    if (width <= 0 || height <= 0) {
        return fail<Image>(problem, "size not positive (rows must be stored bottom-up)");
    }
    const std::uint32_t stride = (static_cast<std::uint32_t>(width) * 3u + 3u) / 4u * 4u;
    const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
    if (u32At(bytes, 2) != bytes.size() || bytes.size() != 54u + pixelBytes) {
        return fail<Image>(problem, "file size field or length does not match the pixels");
    }
    if (u32At(bytes, 10) != 54 || u32At(bytes, 14) != 40) {
        return fail<Image>(problem, "pixel offset or info header size unexpected");
    }
    if (u16At(bytes, 26) != 1 || u16At(bytes, 28) != 24 || u32At(bytes, 30) != 0) {
        return fail<Image>(problem, "not one plane of uncompressed 24-bit pixels");
    }
    if (u32At(bytes, 34) != pixelBytes) {
        return fail<Image>(problem, "image size field wrong");
    }
    for (int row = 0; row < height; ++row) {
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3u; pad < stride; ++pad) {
            if (bytes[54 + static_cast<std::size_t>(row) * stride + pad] != std::byte{0}) {
                return fail<Image>(problem, "row padding not zero");
            }
        }
    }
    auto image = decodeBmp(bytes);
    if (!image) {
        return fail<Image>(problem, "the decoder refuses it");
    }
    return image;
}

std::optional<RgbaPicture> checkedPngWithAlpha(const std::vector<std::byte>& bytes,
                                               std::string* problem) {
    constexpr std::array<std::uint8_t, 8> signature{137, 80, 78, 71, 13, 10, 26, 10};
    if (bytes.size() < 33) {
        return fail<RgbaPicture>(problem, "shorter than a PNG header");
    }
    for (std::size_t i = 0; i < signature.size(); ++i) {
        if (static_cast<std::uint8_t>(bytes[i]) != signature[i]) {
            return fail<RgbaPicture>(problem, "no PNG signature");
        }
    }
    // The first chunk is IHDR: width, height, bit depth, colour type (6 = RGBA).
    const auto bitDepth = static_cast<std::uint8_t>(bytes[24]);
    const auto colourType = static_cast<std::uint8_t>(bytes[25]);
    if (bitDepth != 8 || colourType != 6) {
        return fail<RgbaPicture>(problem, "not 8-bit colour with alpha");
    }
    int width = 0;
    int height = 0;
    int channels = 0;
    unsigned char* pixels =
        stbi_load_from_memory(reinterpret_cast<const unsigned char*>(bytes.data()),
                              static_cast<int>(bytes.size()), &width, &height, &channels, 4);
    if (pixels == nullptr) {
        return fail<RgbaPicture>(problem, "the decoder refuses it");
    }
    RgbaPicture picture{width, height, {}};
    picture.rgba.assign(pixels, pixels + static_cast<std::size_t>(width * height * 4));
    stbi_image_free(pixels);
    return picture;
}

std::optional<WavFacts> checkedWav(const std::vector<std::byte>& bytes, std::string* problem) {
    const auto tagAt = [&](std::size_t at) {
        std::string tag;
        for (std::size_t i = 0; i < 4; ++i) {
            tag += static_cast<char>(bytes.at(at + i));
        }
        return tag;
    };
    if (bytes.size() < 44 || tagAt(0) != "RIFF" || tagAt(8) != "WAVE") {
        return fail<WavFacts>(problem, "no RIFF/WAVE header");
    }
    if (u32At(bytes, 4) != bytes.size() - 8) {
        return fail<WavFacts>(problem, "RIFF size does not match the file");
    }
    if (tagAt(12) != "fmt " || u32At(bytes, 16) != 16 || u16At(bytes, 20) != 1) {
        return fail<WavFacts>(problem, "no 16-byte PCM fmt chunk");
    }
    WavFacts facts;
    facts.channels = u16At(bytes, 22);
    facts.sampleRate = static_cast<int>(u32At(bytes, 24));
    const std::uint16_t bits = u16At(bytes, 34);
    if ((facts.channels != 1 && facts.channels != 2) || facts.sampleRate != 44100 || bits != 16) {
        return fail<WavFacts>(problem, "not 16-bit 44.1 kHz mono or stereo");
    }
    const auto frameBytes = static_cast<std::uint32_t>(facts.channels * 2);
    if (u16At(bytes, 32) != frameBytes || u32At(bytes, 28) != frameBytes * 44100u) {
        return fail<WavFacts>(problem, "block align or byte rate inconsistent");
    }
    const std::uint32_t dataBytes = u32At(bytes, 40);
    if (tagAt(36) != "data" || dataBytes != bytes.size() - 44 || dataBytes % frameBytes != 0) {
        return fail<WavFacts>(problem, "data chunk size does not match the file");
    }
    for (std::size_t at = 44; at + 1 < bytes.size(); at += 2) {
        facts.samples.push_back(static_cast<std::int16_t>(u16At(bytes, at)));
    }
    return facts;
}

} // namespace vh::assets::test
