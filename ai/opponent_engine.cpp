#include "ai/opponent_engine.h"

#include "ai/computer_player.h"
#include "platform/text_encoding.h"
#include "players/roster_file.h"

#include <algorithm>

namespace vh {

OpponentEngine opponentEngine(const Roster& roster, std::span<const ComputerProfile> neural,
                              std::string_view name, int championPlies) {
    OpponentEngine opponent;
    const int found = neuralOpponentFor(roster, neural, name);
    if (found < 0) {
        opponent.profileIndex = profileForPlayer(roster, name);
        const ComputerProfile& profile = roster[static_cast<std::size_t>(opponent.profileIndex)];
        opponent.classic = {strengthForCash(profile.cash), profile.evalParamA, profile.evalParamB};
        opponent.choice.classic = opponent.classic;
        opponent.choice.opponent = profile.name;
        return opponent;
    }
    const ComputerProfile& profile = neural[static_cast<std::size_t>(found)];
    const bool champion = static_cast<std::size_t>(found) + 1 == neural.size();
    opponent.profileIndex = kRosterSize + found;
    opponent.classic.strength = strengthForCash(profile.cash);
    EngineChoice& choice = opponent.choice;
    choice.kind = EngineChoice::Kind::Neural;
    choice.opponent = profile.name;
    if (champion) {
        opponent.classic.evalParamA = profile.evalParamA;
        opponent.classic.evalParamB = profile.evalParamB;
        choice.plies = championPlies;
    } else {
        const LadderPlay play = ladderPlayOf(profile).value_or(LadderPlay{});
        choice.plies = play.plies;
        choice.equityNoise = play.equityNoise;
    }
    return opponent;
}

std::optional<EngineChoice> namedOpponentChoice(std::string_view utf8Name, std::string& error) {
    const std::string name = windows1252FromUtf8(utf8Name);
    Roster roster;
    readRosterFile(rosterFilePath(), roster);
    const NeuralOpponents neural = readNeuralOpponentsFile(championFilePath());
    const auto named = [&name](const ComputerProfile& profile) {
        return profile.name.find(name) != std::string::npos;
    };
    if (name.empty() || (std::none_of(roster.begin(), roster.end(), named) &&
                         std::none_of(neural.begin(), neural.end(), named))) {
        error = "no computer opponent is called '";
        error.append(utf8Name);
        error.append("'");
        return std::nullopt;
    }
    return opponentEngine(roster, neural, name, ComputerPlayer::kChampionPlies).choice;
}

} // namespace vh
