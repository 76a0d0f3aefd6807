#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace vh {

// stb_image makes room for a PNG file's image data by the length each chunk
// claims, before it reads the chunk: a file of a hundred bytes can have it
// allocate gigabytes. True when every chunk up to IEND lies within the
// bytes; false with the reason when one claims more than the file holds.
// Anything else wrong with the file is left to stb_image.
bool pngChunksFitTheFile(std::span<const std::byte> bytes, std::string& reason);

} // namespace vh
