#include "neural/weights_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

// The file's CRC-32 (reflected, polynomial 0xEDB88320), bit by bit.
std::uint32_t crc32(std::span<const std::byte> bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const std::byte b : bytes) {
        crc ^= static_cast<std::uint32_t>(b);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 1u) != 0 ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
        }
    }
    return crc ^ 0xFFFFFFFFu;
}

// A file the reader accepts is written back as the same network, in the
// current version byte for byte.
void readAndWriteBack(std::span<const std::byte> bytes) {
    std::string error;
    const auto trained = vh::networkFromBytes(bytes, error);
    if (!trained) {
        return;
    }
    const std::vector<std::byte> written = vh::weightsFileBytes(*trained);
    const auto reread = vh::networkFromBytes(written, error);
    if (!reread || !(reread->network == trained->network) ||
        reread->gamesTrained != trained->gamesTrained || reread->settings != trained->settings) {
        std::abort();
    }
    const bool current = bytes[4] == std::byte{vh::kWeightsVersion};
    if (current && !std::ranges::equal(written, bytes)) {
        std::abort();
    }
}

} // namespace

// A weights file as it is, and with its checksum made to fit, so that the
// fuzzer gets past the checksum to the sizes and the weights.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = std::as_bytes(std::span(data, size));
    readAndWriteBack(bytes);
    if (size < 4) {
        return 0;
    }
    std::vector<std::byte> fitted(bytes.begin(), bytes.end());
    const std::uint32_t checksum = crc32(bytes.first(size - 4));
    for (int index = 0; index < 4; ++index) {
        fitted[size - 4 + index] = static_cast<std::byte>(checksum >> (8 * index));
    }
    readAndWriteBack(fitted);
    return 0;
}
