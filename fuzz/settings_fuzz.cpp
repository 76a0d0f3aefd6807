#include "settings/settings_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

// Data/Settings.dat: whatever the bytes, the fields read are re-encoded and
// decoded to the same settings.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vh::GameSettings settings;
    vh::decodeSettings(std::as_bytes(std::span(data, size)), settings);
    vh::GameSettings again;
    if (vh::decodeSettings(vh::encodeSettings(settings), again) != vh::kSettingsFieldCount ||
        !(again == settings)) {
        std::abort();
    }
    return 0;
}
