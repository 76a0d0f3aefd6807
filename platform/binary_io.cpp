#include "platform/binary_io.h"

#include <algorithm>

namespace vh {

void BinaryWriter::writeUInt8(std::uint8_t value) {
    bytes_.push_back(static_cast<std::byte>(value));
}

void BinaryWriter::writeUInt16(std::uint16_t value) {
    for (int shift = 0; shift < 16; shift += 8) {
        bytes_.push_back(static_cast<std::byte>((value >> shift) & 0xFFu));
    }
}

void BinaryWriter::writeUInt32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(static_cast<std::byte>((value >> shift) & 0xFFu));
    }
}

void BinaryWriter::writeInt32(std::int32_t value) {
    writeUInt32(static_cast<std::uint32_t>(value));
}

void BinaryWriter::writeText(std::string_view text, std::size_t fieldSize) {
    if (fieldSize == 0) {
        return;
    }
    const std::string fitted = fitText(text, fieldSize);
    for (const char c : fitted) {
        bytes_.push_back(static_cast<std::byte>(c));
    }
    writeZeros(fieldSize - fitted.size());
}

void BinaryWriter::writeBytes(std::span<const std::byte> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void BinaryWriter::writeZeros(std::size_t count) {
    bytes_.insert(bytes_.end(), count, std::byte{0});
}

const std::byte* BinaryReader::take(std::size_t count) {
    if (failed_ || count > remaining()) {
        failed_ = true;
        return nullptr;
    }
    const std::byte* taken = bytes_.data() + position_;
    position_ += count;
    return taken;
}

bool BinaryReader::readUInt8(std::uint8_t& value) {
    const std::byte* bytes = take(1);
    if (bytes == nullptr) {
        return false;
    }
    value = static_cast<std::uint8_t>(bytes[0]);
    return true;
}

bool BinaryReader::readUInt16(std::uint16_t& value) {
    const std::byte* bytes = take(2);
    if (bytes == nullptr) {
        return false;
    }
    value = static_cast<std::uint16_t>(static_cast<unsigned>(bytes[0]) |
                                       (static_cast<unsigned>(bytes[1]) << 8));
    return true;
}

bool BinaryReader::readUInt32(std::uint32_t& value) {
    const std::byte* bytes = take(4);
    if (bytes == nullptr) {
        return false;
    }
    value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
            (static_cast<std::uint32_t>(bytes[2]) << 16) |
            (static_cast<std::uint32_t>(bytes[3]) << 24);
    return true;
}

bool BinaryReader::readInt32(std::int32_t& value) {
    std::uint32_t raw = 0;
    if (!readUInt32(raw)) {
        return false;
    }
    value = static_cast<std::int32_t>(raw);
    return true;
}

bool BinaryReader::readText(std::string& text, std::size_t fieldSize) {
    const std::byte* bytes = take(fieldSize);
    if (bytes == nullptr) {
        return false;
    }
    const std::size_t limit = fieldSize == 0 ? 0 : fieldSize - 1;
    std::size_t length = 0;
    while (length < limit && bytes[length] != std::byte{0}) {
        ++length;
    }
    text.assign(reinterpret_cast<const char*>(bytes), length);
    return true;
}

bool BinaryReader::readBytes(std::span<std::byte> out) {
    const std::byte* bytes = take(out.size());
    if (bytes == nullptr) {
        return false;
    }
    std::copy(bytes, bytes + out.size(), out.begin());
    return true;
}

bool BinaryReader::skip(std::size_t count) {
    return take(count) != nullptr;
}

bool BinaryReader::seek(std::size_t offset) {
    if (failed_ || offset > bytes_.size()) {
        failed_ = true;
        return false;
    }
    position_ = offset;
    return true;
}

std::string fitText(std::string_view text, std::size_t fieldSize) {
    if (fieldSize == 0) {
        return {};
    }
    const std::size_t nul = text.find('\0');
    const std::size_t length = std::min({text.size(), nul, fieldSize - 1});
    return std::string(text.substr(0, length));
}

} // namespace vh
