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
