#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// Every binary file of the program is little-endian, without header or
// padding, and is read and written through these two classes, never by
// casting structs. Texts are fixed-size fields: the text, a NUL, and NUL bytes
// to the end of the field.

// Builds the bytes of a file in memory; the caller then writes them whole.
class BinaryWriter {
public:
    void writeUInt8(std::uint8_t value);
    void writeUInt16(std::uint16_t value);
    void writeUInt32(std::uint32_t value);
    void writeInt32(std::int32_t value);
    // A text field of `fieldSize` bytes: the text cut as fitText does, then NULs.
    void writeText(std::string_view text, std::size_t fieldSize);
    void writeBytes(std::span<const std::byte> bytes);
    void writeZeros(std::size_t count);

    std::size_t size() const { return bytes_.size(); }
    const std::vector<std::byte>& bytes() const { return bytes_; }
    std::vector<std::byte> take() { return std::move(bytes_); }

private:
    std::vector<std::byte> bytes_;
};

// Reads values from bytes held in memory. Every read is bounds-checked: a read
// that does not fit in the bytes left reads nothing, leaves its target as it
// was, returns false and marks the reader failed, after which every read fails.
class BinaryReader {
public:
    explicit BinaryReader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    bool readUInt8(std::uint8_t& value);
    bool readUInt16(std::uint16_t& value);
    bool readUInt32(std::uint32_t& value);
    bool readInt32(std::int32_t& value);
    // A text field of `fieldSize` bytes: the text up to its first NUL, never
    // more than fieldSize - 1 bytes, so a field without a NUL is cut.
    bool readText(std::string& text, std::size_t fieldSize);
    bool readBytes(std::span<std::byte> out);
    bool skip(std::size_t count);
    // Moves to an absolute offset; offsets past the end fail.
    bool seek(std::size_t offset);

    std::size_t position() const { return position_; }
    std::size_t remaining() const { return bytes_.size() - position_; }
    std::size_t size() const { return bytes_.size(); }
    bool failed() const { return failed_; }

private:
    // The next `count` bytes, or nullptr (and the reader failed) when fewer
    // are left or an earlier read failed.
    const std::byte* take(std::size_t count);

    std::span<const std::byte> bytes_;
    std::size_t position_ = 0;
    bool failed_ = false;
};

// The text as a field of `fieldSize` bytes holds it: up to its first NUL and at
// most fieldSize - 1 bytes. Texts are single bytes (Windows-1252), so cutting
// by bytes never splits a character.
std::string fitText(std::string_view text, std::size_t fieldSize);

} // namespace vh
