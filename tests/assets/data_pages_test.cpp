// The help, support and home pages as the build copied them into the program
// directory: the anchors the help commands open exist, and the pages are
// self-contained, as the window's page viewer loads nothing from outside.

#include "tests/assets/file_checks.h"

#include <gtest/gtest.h>
#include <string>

namespace vh::assets::test {
namespace {

std::string readPage(const std::string& name) {
    const auto bytes = readBytes(programDir() / "Data" / name);
    std::string text;
    for (std::byte b : bytes) {
        text += static_cast<char>(b);
    }
    return text;
}

TEST(DataPages, HelpHasTheAnchorsOfHowToPlayAndGameHistory) {
    const std::string help = readPage("vhhelp.html");
    for (const char* anchor : {"how-to-play", "game-history"}) {
        SCOPED_TRACE(anchor);
        EXPECT_NE(help.find(std::string("name=\"") + anchor + "\""), std::string::npos);
        EXPECT_NE(help.find(std::string("id=\"") + anchor + "\""), std::string::npos);
    }
}

TEST(DataPages, PagesExistAndLoadNothingFromOutside) {
    for (const char* name : {"vhhelp.html", "support.html", "home.html"}) {
        SCOPED_TRACE(name);
        const std::string page = readPage(name);
        EXPECT_NE(page.find("</html>"), std::string::npos) << "missing or cut short";
        for (const char* outside : {"<script", "src=", "url(", "href=\"http", "@import"}) {
            EXPECT_EQ(page.find(outside), std::string::npos) << outside;
        }
    }
}

} // namespace
} // namespace vh::assets::test
