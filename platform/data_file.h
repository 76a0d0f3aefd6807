#pragma once

#include "platform/binary_io.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vh {

// The whole of a data file of at most `maxBytes`; nothing, with `error`
// "it is missing" or "it cannot be read (why)", when it cannot be had.
std::optional<std::vector<std::byte>> readDataFile(const std::filesystem::path& path,
                                                   std::size_t maxBytes, std::string& error);

// Reads the header fields of a binary data file that begins with its magic
// number and its format version, then `fields.size() - 2` more; false, with
// `error` "it is too short", "it is not <what>" or "its version N is not
// known", when they do not fit.
bool readDataHeader(BinaryReader& in, std::span<std::uint32_t> fields, std::uint32_t magic,
                    std::uint32_t version, const std::string& what, std::string& error);

} // namespace vh
