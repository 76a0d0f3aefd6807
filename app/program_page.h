#pragma once

#include <string_view>

namespace vh::app {

// Opens one of the program's own pages (a file under its data folder) in the
// browser; when no browser can be started, a message under `caption` gives
// the page's address instead.
void openProgramPage(std::string_view caption, const char* file);

} // namespace vh::app
