#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vh::test {

// A file's bytes written out by hand, field by field, without the program's writer.
class HandBytes {
public:
    HandBytes& byte(unsigned value) {
        bytes_.push_back(static_cast<std::byte>(value));
        return *this;
    }
    HandBytes& int32(std::int64_t value) {
        const auto raw = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes_.push_back(static_cast<std::byte>((raw >> shift) & 0xFF));
        }
        return *this;
    }
    // `text` in a field of `size` bytes, the rest zero.
    HandBytes& text(const std::string& text, std::size_t size) {
        for (std::size_t index = 0; index < size; ++index) {
            bytes_.push_back(static_cast<std::byte>(index < text.size() ? text[index] : 0));
        }
        return *this;
    }
    const std::vector<std::byte>& bytes() const { return bytes_; }

private:
    std::vector<std::byte> bytes_;
};

// `bytes` with the four bytes at `offset` replaced by `value`, little-endian.
inline std::vector<std::byte> withInt32(std::vector<std::byte> bytes, std::size_t offset,
                                        std::int64_t value) {
    const std::vector<std::byte> field = HandBytes().int32(value).bytes();
    std::copy(field.begin(), field.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return bytes;
}

} // namespace vh::test
