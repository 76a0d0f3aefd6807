#include "tools/varnholt-cli/program_location.h"

#include "platform/program_folders.h"
#include "tools/varnholt-cli/cli_error.h"

#include <filesystem>

namespace vh::cli {

void chooseProgramDirectory(const Arguments& options) {
    namespace fs = std::filesystem;
    if (!options.has("--program-dir")) {
        return;
    }
    const fs::path directory = options.value("--program-dir");
    if (!fs::is_directory(directory)) {
        throw CliError("program directory '" + directory.string() + "' does not exist");
    }
    setProgramDirectory(directory);
}

} // namespace vh::cli
