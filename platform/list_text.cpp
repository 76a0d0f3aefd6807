#include "platform/list_text.h"

#include <algorithm>
#include <cctype>

namespace vh {
namespace {

unsigned char folded(char c) {
    return static_cast<unsigned char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return prefix.size() <= text.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return folded(a) == folded(b); });
}

int entryBeginningWith(const std::vector<std::string>& entries, std::string_view prefix) {
    for (std::size_t index = 0; index < entries.size(); ++index) {
        if (startsWithIgnoringCase(entries[index], prefix)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void sortLikeAList(std::vector<std::string>& entries) {
    std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
        const bool less =
            std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                         [](char x, char y) { return folded(x) < folded(y); });
        const bool greater =
            std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                         [](char x, char y) { return folded(x) < folded(y); });
        return less || (!greater && a < b);
    });
}

} // namespace vh
