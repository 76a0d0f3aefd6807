#include "coach/game_review.h"
#include "match/game_record_of.h"
#include "match/saved_game.h"
#include "platform/text_encoding.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"
#include "tools/varnholt-cli/neural_options.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace vh::cli {
namespace {

std::string number(double value, const char* format = "%.3f") {
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string diceText(const TurnContext& context) {
    const RecordedTurn& turn = context.turn;
    return turn.die1 == 0 ? "--"
                          : std::to_string(std::max(turn.die1, turn.die2)) +
                                std::to_string(std::min(turn.die1, turn.die2));
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00" + number(static_cast<unsigned char>(c), "%02x");
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void writeText(const GameReview& review, std::ostream& out) {
    int index = 0;
    for (const TurnReview& turn : review.turns) {
        const RecordedTurn& recorded = turn.context.turn;
        out << "turn " << ++index << " side " << recorded.side << ' ' << diceText(turn.context);
        if (recorded.cube != CubeAction::None) {
            out << " doubles (" << (recorded.cube == CubeAction::DoubleTaken ? "taken" : "passed")
                << ")";
        }
        if (recorded.cube != CubeAction::DoublePassed) {
            out << ": " << turn.playedText << ", best " << turn.bestText << ", loss "
                << number(turn.loss);
        }
        const char* mark = mistakeMark(turn.size);
        out << (*mark != '\0' ? " " : "") << mark;
        if (turn.cube) {
            out << "; cube: " << cubeVerdictText(turn.cube->verdict) << ", loss "
                << number(turn.cubeLoss + turn.takeLoss);
        }
        out << '\n';
    }
    for (int side = 0; side < 2; ++side) {
        const SideReview& s = review.sides[static_cast<std::size_t>(side)];
        out << "side " << side << ' ' << utf8FromWindows1252(s.name) << ": decisions "
            << s.decisions << ", equity lost " << number(s.equityLost) << ", error rate "
            << number(s.errorRate, "%.1f") << ", PR " << number(s.rating, "%.1f") << " ("
            << s.ratingText << "), doubtful " << s.doubtful << ", errors " << s.errors
            << ", blunders " << s.blunders << ", cube errors " << s.cubeErrors << ", luck "
            << number(s.luck, "%+.3f") << '\n';
    }
}

void writeJson(const GameReview& review, std::ostream& out) {
    out << "{\"sides\":[";
    for (int side = 0; side < 2; ++side) {
        const SideReview& s = review.sides[static_cast<std::size_t>(side)];
        out << (side > 0 ? "," : "") << "{\"name\":" << jsonString(utf8FromWindows1252(s.name))
            << ",\"decisions\":" << s.decisions
            << ",\"equityLost\":" << number(s.equityLost, "%.4f")
            << ",\"errorRate\":" << number(s.errorRate, "%.2f")
            << ",\"pr\":" << number(s.rating, "%.2f") << ",\"rating\":" << jsonString(s.ratingText)
            << ",\"doubtful\":" << s.doubtful << ",\"errors\":" << s.errors
            << ",\"blunders\":" << s.blunders << ",\"cubeErrors\":" << s.cubeErrors
            << ",\"luck\":" << number(s.luck, "%.4f") << "}";
    }
    out << "],\"turns\":[";
    bool first = true;
    for (const TurnReview& turn : review.turns) {
        const RecordedTurn& recorded = turn.context.turn;
        out << (first ? "" : ",") << "{\"side\":" << recorded.side << ",\"dice\":[" << recorded.die1
            << "," << recorded.die2 << "],\"played\":" << jsonString(turn.playedText)
            << ",\"best\":" << jsonString(turn.bestText)
            << ",\"loss\":" << number(turn.loss, "%.4f") << "}";
        first = false;
    }
    out << "]}\n";
}

} // namespace

void runReviewCommand(std::span<const std::string> arguments, std::ostream& out) {
    if (arguments.empty() || arguments[0].rfind("--", 0) == 0) {
        throw CliError("'review' needs a saved-game file");
    }
    const Arguments options("review", arguments.subspan(1),
                            {{"--json", 0}, {"--weights", 1}, {"--program-dir", 1}});
    SavedGame game;
    const SavedGameCheck check = readSavedGameFile(arguments[0], game);
    if (!check.valid) {
        throw CliError(arguments[0] + " cannot be opened as a saved game: " + check.problem);
    }
    const std::optional<GameRecord> record = recordOfSavedGame(game);
    if (!record) {
        throw CliError(arguments[0] + " does not hold its game from the start position");
    }
    const GameReview review = reviewGame(loadNetworkOption(options), *record);
    if (options.has("--json")) {
        writeJson(review, out);
    } else {
        writeText(review, out);
    }
}

} // namespace vh::cli
