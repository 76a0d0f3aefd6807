#include "match/game_end.h"

#include "platform/text_encoding.h"
#include "rules/side.h"

namespace vh {

int boardWinner(const BoardPosition& position) {
    if (hasWon(position, PLAYER_ONE)) {
        return PLAYER_ONE;
    }
    if (hasWon(position, PLAYER_TWO)) {
        return PLAYER_TWO;
    }
    return -1;
}

GameEndMessage boardEndMessage(std::string_view winnerName, bool winnerIsComputer,
                               std::string_view loserName, ResultKind kind, std::int32_t amount) {
    const std::string money = std::to_string(amount);
    if (!winnerIsComputer) {
        const char* how = kind == ResultKind::Gammon ? ", you have won the match with a Gammon!"
                          : kind == ResultKind::Backgammon
                              ? ", you have won the match with a Backgammon!"
                              : ", you have won the match!";
        return {"Match Won!",
                "Congratulations " + utf8FromWindows1252(winnerName) + how + " You have won $" +
                    money + ".",
                true};
    }
    const char* how = kind == ResultKind::Gammon ? ", you have lost the match with a Gammon!"
                      : kind == ResultKind::Backgammon
                          ? ", you have lost the match with a Backgammon!"
                          : ", you have lost the match!";
    return {"Match Lost!",
            "Sorry " + utf8FromWindows1252(loserName) + how + " You have lost $" + money + ".",
            false};
}

GameEndMessage refusedDoubleMessage(std::string_view offeringName, std::int32_t amount) {
    return {"Match Won!",
            "Congratulations " + utf8FromWindows1252(offeringName) +
                ", you have won the match! You have won $" + std::to_string(amount) + ".",
            true};
}

} // namespace vh

namespace vh {
namespace {

std::string pointsText(int points) {
    std::string text = std::to_string(points);
    text += points == 1 ? " point" : " points";
    return text;
}

const char* kindText(ResultKind kind) {
    return kind == ResultKind::Gammon       ? " with a Gammon"
           : kind == ResultKind::Backgammon ? " with a Backgammon"
                                            : "";
}

} // namespace

std::string matchScoreText(const MatchState& match, int side) {
    const auto own = static_cast<std::size_t>(side);
    std::string text = "Match to ";
    text += std::to_string(match.length);
    text += ": ";
    text += std::to_string(match.score[own]);
    text += " - ";
    text += std::to_string(match.score[1 - own]);
    return text;
}

GameEndMessage matchGameEndMessage(const MatchGameEnd& end) {
    const auto winner = static_cast<std::size_t>(end.winner);
    const auto loser = 1 - winner;
    const bool humanWon = !end.isComputer[winner];
    const std::string winnerName = utf8FromWindows1252(end.names[winner]);
    const std::string loserName = utf8FromWindows1252(end.names[loser]);
    const std::string winnerScore = std::to_string(end.after.score[winner]);
    const std::string loserScore = std::to_string(end.after.score[loser]);
    const std::string length = std::to_string(end.after.length);
    if (end.after.winner() != -1) {
        const std::string money = std::to_string(end.bet);
        if (humanWon) {
            return {"Match Won!",
                    "Congratulations " + winnerName + ", you have won the match to " + length +
                        " by " + winnerScore + " to " + loserScore + "! You have won $" + money +
                        ".",
                    true};
        }
        return {"Match Lost!",
                "Sorry " + loserName + ", you have lost the match to " + length + " by " +
                    loserScore + " to " + winnerScore + "! You have lost $" + money + ".",
                false};
    }
    const std::string how = end.refused ? "" : kindText(end.kind);
    std::string score = " Match to " + length + ": " + winnerName + " " + winnerScore + ", " +
                        loserName + " " + loserScore + ".";
    if (humanWon) {
        const std::string opening = end.refused ? ", your double was declined! You score "
                                                : ", you have won the game" + how + "! You score ";
        return {"Game Won!",
                "Congratulations " + winnerName + opening + pointsText(end.points) + "." + score,
                true};
    }
    const std::string opening =
        end.refused ? ", you declined the double! " : ", you have lost the game" + how + "! ";
    return {"Game Lost!",
            "Sorry " + loserName + opening + winnerName + " scores " + pointsText(end.points) +
                "." + score,
            false};
}

} // namespace vh
