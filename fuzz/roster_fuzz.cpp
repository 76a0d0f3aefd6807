#include "platform/program_folders.h"
#include "players/roster_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

// Data/Computers.dat, and the picture each name read leads to: never a file
// outside Graphics/.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vh::Roster roster;
    vh::parseRoster(std::string_view(reinterpret_cast<const char*>(data), size), roster);
    static const auto graphics = vh::dataPath("Graphics/x.bmp").parent_path();
    for (const vh::ComputerProfile& profile : roster) {
        const auto picture = vh::computerPicturePath(profile.name);
        if (picture && picture->parent_path() != graphics) {
            std::abort();
        }
    }
    return 0;
}
