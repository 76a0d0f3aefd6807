#include "tools/varnholt-cli/program_location.h"

#include "platform/program_directory.h"
#include "tools/varnholt-cli/cli_error.h"

#include <filesystem>
#include <system_error>

namespace vh::cli {

void chooseProgramDirectory(const Arguments& options) {
    namespace fs = std::filesystem;
    if (options.has("--program-dir")) {
        const fs::path directory = options.value("--program-dir");
        if (!fs::is_directory(directory)) {
            throw CliError("program directory '" + directory.string() + "' does not exist");
        }
        setProgramDirectory(directory);
        return;
    }
    setProgramDirectory(findProgramDirectory());
}

} // namespace vh::cli
