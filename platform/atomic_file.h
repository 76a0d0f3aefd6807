#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>

namespace vh {

// Replaces `path` with `bytes` so that a reader sees either the old file or the
// whole new one, never a part: the bytes go to a temporary file in the same
// folder, are flushed to disk, and the temporary file is renamed over the old
// one. On failure the old file is untouched, the temporary file is removed and
// `error` (when given) says what went wrong. After a write that succeeded, the
// temporary files earlier writes of `path` left when they were killed are
// removed as well.
bool writeFileAtomically(const std::filesystem::path& path, std::span<const std::byte> bytes,
                         std::string* error = nullptr);

// Removes the temporary files killed writes left in `folder` ("NAME.tmp-XXXXXX").
void removeInterruptedWrites(const std::filesystem::path& folder);

} // namespace vh
