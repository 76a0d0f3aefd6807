#include "assets/opponent_roster.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vh::assets {
namespace {

// Ten profiles of eight lines for the given opponents, the rest plausible.
std::string roster(const std::vector<Opponent>& opponents, const std::string& lineEnd = "\n") {
    std::string text;
    for (const Opponent& o : opponents) {
        for (const std::string& line :
             {o.name, std::to_string(o.age), std::string("Expert"), std::string("1000"),
              std::string("3"), std::string("4"), o.description, std::string("----")}) {
            text += line + lineEnd;
        }
    }
    return text;
}

std::vector<Opponent> tenOpponents() {
    std::vector<Opponent> opponents;
    const char* names[] = {"Ann", "Bo", "Cy", "Di", "Ed", "Flo", "Gus", "Hal", "Ivy", "Jo"};
    int age = 7;
    for (const char* name : names) {
        opponents.push_back({name, age, std::string(name) + " plays well, says her mother."});
        age += 9;
    }
    return opponents;
}

TEST(OpponentRoster, ReadsNameAgeAndDescriptionOfEachProfile) {
    const std::string full = roster(tenOpponents());
    const auto changed = [&full](const std::string& from, const std::string& to) {
        std::string text = full;
        return text.replace(text.find(from), from.size(), to);
    };
    const std::pair<const char*, std::string> cases[] = {
        {"LF", full},
        {"CR LF", roster(tenOpponents(), "\r\n")},
        // Number reads skip blank lines, so the profile still has eight fields.
        {"blank lines before a number", changed("\n16\n", "\n\n\n16\n")},
        {"words after a number", changed("\n16\n", "\n  16 years\n")},
        {"no last separator", full.substr(0, full.rfind("----"))},
    };
    for (const auto& [what, text] : cases) {
        std::string error;
        const auto opponents = opponentsFromText(text, &error);
        ASSERT_TRUE(opponents.has_value()) << what << ": " << error;
        EXPECT_EQ(*opponents, tenOpponents()) << what;
    }
}

TEST(OpponentRoster, AChampionFileHoldsItsProfilesTheLastSeparatorOptional) {
    const std::vector<Opponent> file{{"Oda", 30, "He plays fast."}, {"Runa", 40, "She reads."}};
    const std::string text = roster(file);
    for (const std::string& cut : {text, text.substr(0, text.rfind("----")), text + "\n \n"}) {
        std::string error;
        const auto profiles = championFileFromText(cut, &error);
        ASSERT_TRUE(profiles.has_value()) << error;
        EXPECT_EQ(*profiles, file);
    }
    std::string error;
    EXPECT_FALSE(championFileFromText("", &error).has_value());
    EXPECT_FALSE(championFileFromText(roster({file[0]}) + "Runa\n40\n", &error).has_value());
    EXPECT_NE(error.find("cut short"), std::string::npos) << error;
}

TEST(OpponentRoster, RefusesRostersThatCannotNameOrDrawTheirPicturesOrAreMissing) {
    struct Case {
        std::string text;
        const char* reason;
    };
    const auto with = [](int index, auto change) {
        std::vector<Opponent> opponents = tenOpponents();
        change(opponents[static_cast<std::size_t>(index)]);
        return roster(opponents);
    };
    std::vector<Opponent> nine = tenOpponents();
    nine.pop_back();
    const std::string full = roster(tenOpponents());
    std::string wordAge = full;
    wordAge.replace(wordAge.find("\n16\n") + 1, 2, "forty");
    const Case cases[] = {
        {roster(nine), "ends after 9"},
        {"", "ends after 0"},
        {with(3, [](Opponent& o) { o.name = "A/B"; }), "cannot be a file name"},
        {with(9, [](Opponent& o) { o.name = ""; }), "empty"},
        {with(0, [](Opponent& o) { o.name = std::string(32, 'x'); }), "longer than 31"},
        {full.substr(0, 20), "profile 1 is cut short"},
        // The last profile needs its description too.
        {full.substr(0, full.rfind("Jo plays")), "profile 10 is cut short"},
        {wordAge, "profile 2: the age \"forty\" is not a number"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(opponentsFromText(c.text, &error).has_value()) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    std::string error;
    EXPECT_FALSE(readOpponents("/nonexistent/Computers.dat", &error).has_value());
    EXPECT_NE(error.find("/nonexistent/Computers.dat"), std::string::npos) << error;
}

} // namespace
} // namespace vh::assets
