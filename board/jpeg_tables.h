#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace vh {

// stb_image decodes a JPEG scan with whatever its Huffman table slot holds,
// also when no DHT segment ever defined that table: it then reads
// uninitialised memory and fails an assertion or reads out of bounds. This
// walk over the file's segments tells whether every table a scan decodes with
// was defined before it; false with the reason when one was not. Anything
// else wrong with the file is left to stb_image.
bool jpegScansHaveTheirTables(std::span<const std::byte> bytes, std::string& reason);

} // namespace vh
