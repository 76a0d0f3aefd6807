#include "platform/program_folders.h"
#include "tools/varnholt-cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    // The same folders as the game window; nothing is created here, a
    // command that writes creates what it needs.
    vh::setProgramFolders(vh::resolveProgramFolders(vh::currentFolderClues()));
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return vh::cli::runCli(arguments, std::cout, std::cerr);
}
