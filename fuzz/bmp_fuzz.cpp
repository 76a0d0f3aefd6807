#include "board/bmp_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

// A .bmp picture: one read is within the size limits.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto picture = vh::decodeBmp(std::as_bytes(std::span(data, size)));
    if (picture &&
        (picture->image.width() > vh::kMaxBmpSide || picture->image.height() > vh::kMaxBmpSide)) {
        std::abort();
    }
    return 0;
}
