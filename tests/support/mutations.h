#pragma once

#include <cstddef>
#include <random>
#include <span>
#include <vector>

namespace vh::test {

// Damages a copy of a file's bytes the way disks and careless tools do: cut
// it short, flip a few bits, or put a wild value (negative, huge, random) into
// four bytes, often at one of `countOffsets` where the format keeps a count.
// Sometimes two of these at once.
std::vector<std::byte> mutate(std::span<const std::byte> original, std::mt19937& random,
                              std::span<const std::size_t> countOffsets = {});

} // namespace vh::test
