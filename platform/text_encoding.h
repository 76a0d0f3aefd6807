#pragma once

#include <string>
#include <string_view>

namespace vh {

// Texts in the program's data files are single bytes in the Windows-1252 code
// page, as other readers of these files expect. Texts are kept that way in
// memory and converted only where they meet the screen, a terminal or a file
// name, which are UTF-8.

// Every byte becomes its character; the five bytes the code page leaves
// undefined become the control characters of the same number, so nothing is
// lost on the way back.
std::string utf8FromWindows1252(std::string_view text);

// Characters the code page lacks, and bytes that are not valid UTF-8, become '?'.
std::string windows1252FromUtf8(std::string_view text);

} // namespace vh
