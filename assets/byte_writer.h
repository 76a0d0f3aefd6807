#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vh::assets {

// Appends little-endian values to a byte buffer (file headers of BMP and WAV).
class ByteWriter {
public:
    void u8(std::uint8_t v) { bytes_.push_back(static_cast<std::byte>(v)); }
    void u16(std::uint16_t v) {
        u8(static_cast<std::uint8_t>(v & 0xFFu));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(static_cast<std::uint16_t>(v & 0xFFFFu));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void tag(std::string_view fourCharacters) {
        for (char c : fourCharacters) {
            u8(static_cast<std::uint8_t>(c));
        }
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::byte>& bytes() { return bytes_; }

private:
    std::vector<std::byte> bytes_;
};

} // namespace vh::assets
