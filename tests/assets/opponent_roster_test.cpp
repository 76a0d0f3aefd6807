#include "assets/roster_names.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vh::assets {
namespace {

// Ten profiles of eight lines; `name(i)` for each, the rest plausible.
std::string roster(const std::vector<std::string>& names, const std::string& lineEnd = "\n") {
    std::string text;
    for (const std::string& name : names) {
        for (const std::string& line :
             {name, std::string("40"), std::string("Expert"), std::string("1000"), std::string("3"),
              std::string("4"), std::string("Plays well."), std::string("----")}) {
            text += line + lineEnd;
        }
    }
    return text;
}

std::vector<std::string> tenNames() {
    return {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy", "Jo"};
}

TEST(RosterNames, ReadsTheFirstLineOfEachProfile) {
    std::string error;
    const auto names = opponentNamesFromText(roster(tenNames()), &error);
    ASSERT_TRUE(names.has_value()) << error;
    EXPECT_EQ(*names, tenNames());
}

TEST(RosterNames, DropsCarriageReturnsOfWindowsLineEnds) {
    std::string error;
    const auto names = opponentNamesFromText(roster(tenNames(), "\r\n"), &error);
    ASSERT_TRUE(names.has_value()) << error;
    EXPECT_EQ(*names, tenNames());
}

TEST(RosterNames, NumberFieldsSkipBlankLinesLikeTheProgramsReader) {
    // An empty line before the age is skipped by the number read, so the
    // profile still has eight fields and the next name is found.
    std::string text = roster(tenNames());
    text.insert(text.find("40\n"), "\n\n");
    std::string error;
    const auto names = opponentNamesFromText(text, &error);
    ASSERT_TRUE(names.has_value()) << error;
    EXPECT_EQ(*names, tenNames());
    // A number line may carry words after the number.
    std::string words = roster(tenNames());
    words.replace(words.find("40\n"), 3, "35 years\n");
    EXPECT_EQ(opponentNamesFromText(words, &error).value_or(std::vector<std::string>{}),
              tenNames());
}

TEST(RosterNames, RefusesRostersThatCannotNameTheirPictures) {
    struct Case {
        std::string text;
        const char* reason;
    };
    std::vector<std::string> slash = tenNames();
    slash[3] = "A/B";
    std::vector<std::string> empty = tenNames();
    empty[9] = "";
    std::vector<std::string> longName = tenNames();
    longName[0] = std::string(32, 'x');
    std::vector<std::string> nine = tenNames();
    nine.pop_back();
    const Case cases[] = {
        {roster(nine), "ends after 9"},           {"", "ends after 0"},
        {roster(slash), "cannot be a file name"}, {roster(empty), "empty"},
        {roster(longName), "longer than 31"},     {roster(tenNames()).substr(0, 50), "cut short"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(opponentNamesFromText(c.text, &error).has_value()) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}

TEST(RosterNames, AMissingFileIsAClearError) {
    std::string error;
    EXPECT_FALSE(readOpponentNames("/nonexistent/Computers.dat", &error).has_value());
    EXPECT_NE(error.find("/nonexistent/Computers.dat"), std::string::npos) << error;
}

} // namespace
} // namespace vh::assets
