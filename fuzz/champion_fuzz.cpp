#include "players/champion_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Data/Champion.dat: a champion read always has a name.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto champion =
        vh::championFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    if (champion && champion->name.empty()) {
        std::abort();
    }
    return 0;
}
