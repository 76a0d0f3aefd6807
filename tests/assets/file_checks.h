#pragma once

#include "assets/image.h"
#include "tests/support/temp_directory.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vh::assets::test {

std::filesystem::path programDir();
using vh::test::readBytes;

std::uint32_t u32At(const std::vector<std::byte>& bytes, std::size_t at);
std::uint16_t u16At(const std::vector<std::byte>& bytes, std::size_t at);

// Checks a file against the 24-bit BMP layout field by field (independently of
// the writer) and decodes it; `problem` says what is wrong.
std::optional<Image> checkedBmp(const std::vector<std::byte>& bytes, std::string* problem);

// A PNG picture with 8-bit red, green, blue and alpha, rows from the top.
struct RgbaPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // four bytes a pixel

    const std::uint8_t* at(int x, int y) const {
        return &rgba[static_cast<std::size_t>((y * width + x) * 4)];
    }
};
// Checks that the file is a PNG whose header declares 8-bit colour with alpha
// and decodes it.
std::optional<RgbaPicture> checkedPngWithAlpha(const std::vector<std::byte>& bytes,
                                               std::string* problem);

struct WavFacts {
    int channels = 0;
    int sampleRate = 0;
    std::vector<std::int16_t> samples; // interleaved
};
// Checks the RIFF/WAVE header (16-bit PCM, chunk sizes consistent with the
// file) and returns the samples.
std::optional<WavFacts> checkedWav(const std::vector<std::byte>& bytes, std::string* problem);

} // namespace vh::assets::test
