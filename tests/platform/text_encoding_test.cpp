#include "platform/text_encoding.h"

#include <gtest/gtest.h>

namespace vh {
namespace {

TEST(TextEncoding, ConvertsWindows1252ToUtf8AndBackAndMarksWhatItLacks) {
    const struct {
        std::string windows1252;
        std::string utf8;
    } cases[] = {
        {"Anonymous", "Anonymous"},
        {"J\xF6rg M\xFCller", "J\xC3\xB6rg M\xC3\xBCller"},
        {"\x80 5", "\xE2\x82\xAC 5"}, // euro sign
        {"\x93quoted\x94", "\xE2\x80\x9Cquoted\xE2\x80\x9D"},
        {"\x9F", "\xC5\xB8"}, // Y with diaeresis
        {"\x81", "\xC2\x81"}, // undefined: kept as its control character
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(utf8FromWindows1252(c.windows1252), c.utf8);
        EXPECT_EQ(windows1252FromUtf8(c.utf8), c.windows1252);
    }
    // What the code page lacks becomes a question mark.
    const std::pair<std::string, std::string> lacking[] = {
        {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "????"}, // Cyrillic
        {"\xF0\x9F\x8E\xB2 dice", "? dice"},          // emoji
        {"\xC3", "?"},                                // cut sequence
        {"\xC0\xAF", "??"},                           // overlong form
        {"\xED\xA0\x80", "???"},                      // surrogate
        {"a\xFF"
         "b",
         "a?b"},
    };
    for (const auto& [utf8, windows1252] : lacking) {
        EXPECT_EQ(windows1252FromUtf8(utf8), windows1252) << windows1252;
    }
    // Every byte survives the round trip.
    std::string all;
    for (int byte = 1; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    EXPECT_EQ(windows1252FromUtf8(utf8FromWindows1252(all)), all);
}

} // namespace
} // namespace vh
