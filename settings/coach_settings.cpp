#include "settings/coach_settings.h"

#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/file_bytes.h"
#include "platform/program_folders.h"

namespace vh {
namespace {

constexpr std::uint32_t kMagic = 0x31434856; // "VHC1"
constexpr std::size_t kFileSize = 8;

} // namespace

std::vector<std::byte> encodeCoachSettings(const CoachSettings& settings) {
    BinaryWriter writer;
    writer.writeUInt32(kMagic);
    writer.writeInt32(settings.tutor ? 1 : 0);
    return writer.take();
}

bool decodeCoachSettings(std::span<const std::byte> bytes, CoachSettings& settings) {
    settings = CoachSettings{};
    BinaryReader reader(bytes);
    std::uint32_t magic = 0;
    std::int32_t tutor = 0;
    if (bytes.size() != kFileSize || !reader.readUInt32(magic) || magic != kMagic ||
        !reader.readInt32(tutor) || (tutor != 0 && tutor != 1)) {
        return false;
    }
    settings.tutor = tutor == 1;
    return true;
}

std::filesystem::path coachSettingsPath() {
    return userPath("Data/Coach.dat");
}

CoachSettings loadCoachSettings() {
    CoachSettings settings;
    const FileBytes file = readFileBytes(coachSettingsPath(), kFileSize);
    if (file.status == FileReadStatus::Read) {
        decodeCoachSettings(file.bytes, settings);
    }
    return settings;
}

bool saveCoachSettings(const CoachSettings& settings) {
    const std::filesystem::path path = coachSettingsPath();
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return writeFileAtomically(path, encodeCoachSettings(settings));
}

} // namespace vh
