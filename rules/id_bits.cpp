#include "rules/id_bits.h"

namespace vh {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

} // namespace

void IdBits::set(int bit) {
    bytes_[static_cast<std::size_t>(bit / 8)] |= static_cast<std::uint8_t>(1u << (bit % 8));
}

bool IdBits::test(int bit) const {
    return ((bytes_[static_cast<std::size_t>(bit / 8)] >> (bit % 8)) & 1u) != 0;
}

void IdBits::setField(int first, int width, unsigned value) {
    for (int i = 0; i < width; ++i) {
        if (((value >> i) & 1u) != 0) {
            set(first + i);
        }
    }
}

unsigned IdBits::field(int first, int width) const {
    unsigned value = 0;
    for (int i = 0; i < width; ++i) {
        value |= (test(first + i) ? 1u : 0u) << i;
    }
    return value;
}

std::string IdBits::base64() const {
    // Base64 takes the bytes' bits most significant first, six at a time.
    std::string text;
    const int bitCount = size();
    for (int start = 0; start < bitCount; start += 6) {
        unsigned sextet = 0;
        for (int i = 0; i < 6; ++i) {
            const int at = start + i;
            const bool on = at < bitCount && test(at / 8 * 8 + 7 - at % 8);
            sextet = sextet << 1 | (on ? 1u : 0u);
        }
        text += kAlphabet[sextet];
    }
    return text;
}

std::optional<IdBits> IdBits::fromBase64(std::string_view text, int byteCount, std::string& error) {
    IdBits bits(byteCount);
    const int bitCount = bits.size();
    for (std::size_t index = 0; index < text.size(); ++index) {
        const std::size_t sextet = kAlphabet.find(text[index]);
        if (sextet == std::string_view::npos) {
            error.assign(1, '\'');
            error += text[index];
            error += "' (character " + std::to_string(index + 1) + ") is not a base64 character";
            return std::nullopt;
        }
        for (int i = 0; i < 6; ++i) {
            const int at = static_cast<int>(index) * 6 + i;
            if (at < bitCount && ((sextet >> (5 - i)) & 1u) != 0) {
                bits.set(at / 8 * 8 + 7 - at % 8);
            }
        }
    }
    return bits;
}

} // namespace vh
