#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// The bit strings behind position and match IDs: bit i is bit i % 8 (least
// significant first) of byte i / 8, and the bytes are written in base64
// without padding.
class IdBits {
public:
    explicit IdBits(int byteCount) : bytes_(static_cast<std::size_t>(byteCount)) {}

    void set(int bit);
    bool test(int bit) const;
    // `width` bits from `first` on, least significant bit first.
    void setField(int first, int width, unsigned value);
    unsigned field(int first, int width) const;
    int size() const { return static_cast<int>(bytes_.size()) * 8; }

    std::string base64() const;
    // The first `byteCount` bytes `text` spells (its length is the caller's
    // to check); nothing when a character is not base64, `error` naming it.
    static std::optional<IdBits> fromBase64(std::string_view text, int byteCount,
                                            std::string& error);

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace vh
