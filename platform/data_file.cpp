#include "platform/data_file.h"

#include "platform/file_bytes.h"

namespace vh {

std::optional<std::vector<std::byte>> readDataFile(const std::filesystem::path& path,
                                                   std::size_t maxBytes, std::string& error) {
    FileBytes file = readFileBytes(path, maxBytes);
    if (file.status == FileReadStatus::Missing) {
        error = "it is missing";
        return std::nullopt;
    }
    if (file.status != FileReadStatus::Read) {
        error = "it cannot be read (" + file.error + ")";
        return std::nullopt;
    }
    return std::move(file.bytes);
}

bool readDataHeader(BinaryReader& in, std::span<std::uint32_t> fields, std::uint32_t magic,
                    std::uint32_t version, const std::string& what, std::string& error) {
    for (std::uint32_t& field : fields) {
        in.readUInt32(field);
    }
    if (in.failed() || fields.size() < 2) {
        error = "it is too short";
        return false;
    }
    if (fields[0] != magic) {
        error = "it is not " + what;
        return false;
    }
    if (fields[1] != version) {
        error = "its version " + std::to_string(fields[1]) + " is not known";
        return false;
    }
    return true;
}

} // namespace vh
