#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vh {

// How the program's lists order and search their texts: letters compared
// without regard to case (ASCII), as the sorted lists of a dialog do.

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix);

// The first entry that begins with `prefix`; -1 when none does. An empty
// prefix finds the first entry.
int entryBeginningWith(const std::vector<std::string>& entries, std::string_view prefix);

// Sorts without regard to case; texts equal but for case keep byte order.
void sortLikeAList(std::vector<std::string>& entries);

} // namespace vh
