#include "match/mat_file.h"
#include "platform/file_bytes.h"
#include "platform/text_encoding.h"
#include "rules/side.h"
#include "rules/typed_play.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>

namespace vh {
namespace {

// A file larger than this is no file of games.
constexpr std::size_t kMaxMatFileSize = 16 * 1024 * 1024;
// A line's only turn starting this far in is the second player's.
constexpr std::size_t kRightColumnFrom = 25;

struct Word {
    std::string text;
    std::size_t column;
};

std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    for (std::size_t at = 0; at < line.size();) {
        if (std::isspace(static_cast<unsigned char>(line[at])) != 0) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < line.size() && std::isspace(static_cast<unsigned char>(line[end])) == 0) {
            ++end;
        }
        words.push_back({std::string(line.substr(at, end - at)), at});
        at = end;
    }
    return words;
}

bool isNumber(const std::string& text) {
    return !text.empty() && text.size() <= 6 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// One turn of a line: a roll and its play, or a cube action, or the result.
struct Entry {
    enum class Kind { Roll, Double, Take, Drop, Win } kind = Kind::Roll;
    std::size_t column = 0;
    int die1 = 0;
    int die2 = 0;
    std::string moves;
    int number = 0; // the cube a double turns, the points won
};

bool isRoll(const std::string& word) {
    return word.size() == 3 && word[0] >= '1' && word[0] <= '6' && word[1] >= '1' &&
           word[1] <= '6' && word[2] == ':';
}

// The entries of a line's words, or a message saying what is not one.
std::optional<std::vector<Entry>> entriesOf(const std::vector<Word>& words, std::string& problem) {
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i].text;
        Entry entry;
        entry.column = words[i].column;
        if (isRoll(word)) {
            entry.die1 = word[0] - '0';
            entry.die2 = word[1] - '0';
        } else if (word == "Doubles") {
            if (i + 2 >= words.size() || words[i + 1].text != "=>" ||
                !isNumber(words[i + 2].text)) {
                problem = "write a double as \"Doubles => 2\"";
                return std::nullopt;
            }
            entry.kind = Entry::Kind::Double;
            entry.number = std::stoi(words[i + 2].text);
            i += 2;
        } else if (word == "Takes") {
            entry.kind = Entry::Kind::Take;
        } else if (word == "Drops") {
            entry.kind = Entry::Kind::Drop;
        } else if (word == "Wins") {
            if (i + 2 >= words.size() || !isNumber(words[i + 1].text) ||
                (words[i + 2].text != "point" && words[i + 2].text != "points")) {
                problem = "write the result as \"Wins 1 point\"";
                return std::nullopt;
            }
            entry.kind = Entry::Kind::Win;
            entry.number = std::stoi(words[i + 1].text);
            i += 2;
            // "and the match"
            while (i + 1 < words.size() &&
                   (words[i + 1].text == "and" || words[i + 1].text == "the" ||
                    words[i + 1].text == "match")) {
                ++i;
            }
        } else if (!entries.empty() && entries.back().kind == Entry::Kind::Roll) {
            entries.back().moves += (entries.back().moves.empty() ? "" : " ") + word;
            continue;
        } else {
            problem = "\"" + word + "\" is not a roll, a double, a take, a drop or a result";
            return std::nullopt;
        }
        entries.push_back(std::move(entry));
    }
    if (entries.size() > 2) {
        problem = "a line holds one turn of each player, not " + std::to_string(entries.size());
        return std::nullopt;
    }
    return entries;
}

// The two names of a " NAME : SCORE    NAME : SCORE" line; a name may hold
// spaces and colons, so the scores are found from the right.
// A game's players line, "NAME : SCORE" twice.
struct PlayersLine {
    std::array<std::string, 2> names;
    std::array<long long, 2> scores{};
};

long long scoreOf(std::string_view digits) {
    long long score = 0;
    for (const char digit : digits) {
        score = std::min(score * 10 + (digit - '0'), 1000000LL); // far beyond any match
    }
    return score;
}

std::optional<PlayersLine> namesOf(std::string_view line) {
    const auto isSpace = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto trimmed = [&isSpace](std::string_view text) {
        while (!text.empty() && isSpace(text.front())) {
            text.remove_prefix(1);
        }
        while (!text.empty() && isSpace(text.back())) {
            text.remove_suffix(1);
        }
        return text;
    };
    // "...: 12" at the end: where its colon is, or npos.
    const auto scoreColon = [&](std::string_view text) {
        std::size_t at = text.size();
        const std::size_t digitsEnd = at;
        while (at > 0 && isDigit(text[at - 1])) {
            --at;
        }
        if (at == digitsEnd) {
            return std::string_view::npos;
        }
        while (at > 0 && isSpace(text[at - 1])) {
            --at;
        }
        return at > 0 && text[at - 1] == ':' ? at - 1 : std::string_view::npos;
    };
    const std::string_view whole = trimmed(line);
    const std::size_t second = scoreColon(whole);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view left = whole.substr(0, second);
    // The first score is the rightmost ": N" followed by spaces and a name.
    for (std::size_t colon = left.rfind(':'); colon != std::string_view::npos && colon > 0;
         colon = left.rfind(':', colon - 1)) {
        std::size_t at = colon + 1;
        while (at < left.size() && isSpace(left[at])) {
            ++at;
        }
        const std::size_t digits = at;
        while (at < left.size() && isDigit(left[at])) {
            ++at;
        }
        if (at == digits || at == left.size() || !isSpace(left[at])) {
            continue;
        }
        const std::string_view first = trimmed(left.substr(0, colon));
        const std::string_view other = trimmed(left.substr(at));
        if (!first.empty() && !other.empty()) {
            const std::string_view secondScore = trimmed(whole.substr(second + 1));
            return PlayersLine{{std::string(first), std::string(other)},
                               {scoreOf(left.substr(digits, at - digits)), scoreOf(secondScore)}};
        }
    }
    return std::nullopt;
}

// Reads one game after another, line by line.
class MatReader {
public:
    bool read(std::string_view text, MatGames& games, std::string& error) {
        for (std::size_t start = 0; start < text.size() || lineNumber_ == 0;) {
            std::size_t end = text.find('\n', start);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            ++lineNumber_;
            if (!readLine(line)) {
                error = "line " + std::to_string(lineNumber_) + ": " + problem_;
                return false;
            }
            start = end + 1;
        }
        if (!matchSeen_) {
            error = "line 1: the text does not begin with \"N point match\"";
            return false;
        }
        if (!finishGame()) {
            error = "line " + std::to_string(lineNumber_) + ": " + problem_;
            return false;
        }
        if (read_.games.empty()) {
            error = "line " + std::to_string(lineNumber_) + ": the text ends before its first game";
            return false;
        }
        games = std::move(read_);
        return true;
    }

private:
    bool fail(std::string problem) {
        problem_ = std::move(problem);
        return false;
    }

    bool readLine(std::string_view line) {
        const std::vector<Word> words = wordsOf(line);
        if (words.empty() || words[0].text.front() == ';') {
            return true;
        }
        if (!matchSeen_) {
            if (words.size() != 3 || !isNumber(words[0].text) || words[1].text != "point" ||
                words[2].text != "match") {
                return fail("the text does not begin with \"N point match\"");
            }
            read_.matchLength = std::stoi(words[0].text);
            if (read_.matchLength > MatchState::kLongestMatch) {
                return fail("matches are played to at most " +
                            std::to_string(MatchState::kLongestMatch) + " points");
            }
            matchSeen_ = true;
            return true;
        }
        if (words[0].text == "Game" && words.size() == 2 && isNumber(words[1].text)) {
            return startGame();
        }
        if (!game_) {
            return fail("a turn before the first \"Game\" line");
        }
        if (!namesSeen_) {
            return readNames(line);
        }
        std::vector<Word> turns = words;
        const bool numbered = words[0].text.size() >= 2 && words[0].text.back() == ')' &&
                              isNumber(words[0].text.substr(0, words[0].text.size() - 1));
        if (numbered) {
            turns.erase(turns.begin());
        }
        std::string problem;
        const std::optional<std::vector<Entry>> entries = entriesOf(turns, problem);
        if (!entries) {
            return fail(problem);
        }
        for (std::size_t index = 0; index < entries->size(); ++index) {
            const Entry& entry = (*entries)[index];
            const int side = entries->size() == 2 ? static_cast<int>(index)
                                                  : (entry.column >= kRightColumnFrom ? 1 : 0);
            if (!numbered && entry.kind != Entry::Kind::Win) {
                return fail("a turn on a line without its number");
            }
            if (!play(entry, side)) {
                return false;
            }
        }
        return true;
    }

    bool startGame() {
        if (!finishGame()) {
            return false;
        }
        game_.emplace();
        setStartPosition(game_->start);
        position_ = game_->start;
        cube_ = 1;
        pendingDouble_ = -1;
        takenBy_ = -1;
        namesSeen_ = false;
        resultRead_ = false;
        return true;
    }

    // False for a game that never named its players: it could not be written again.
    bool finishGame() {
        if (game_ && !namesSeen_) {
            return fail("game " + std::to_string(read_.games.size() + 1) +
                        " does not name its players as \"NAME : SCORE\"");
        }
        if (game_) {
            game_->openingRoll =
                !game_->turns.empty() && game_->turns[0].die1 != game_->turns[0].die2;
            previous_.reset();
            if (game_->match.isMatch() && game_->winner >= 0) {
                previous_ = game_->match;
                previous_->addGame(game_->winner, game_->points);
            }
            read_.games.push_back(std::move(*game_));
            game_.reset();
        }
        return true;
    }

    bool readNames(std::string_view line) {
        const std::optional<PlayersLine> players = namesOf(line);
        if (!players) {
            return fail("write the players as \"NAME : SCORE\", the second from column 40");
        }
        for (std::size_t side = 0; side < 2; ++side) {
            game_->names[side] = windows1252FromUtf8(players->names[side]);
        }
        namesSeen_ = true;
        return read_.matchLength == 0 || readScore(players->scores);
    }

    // The score a game of a match begins at, and whether it is the Crawford
    // game: as the game before left the match when the score follows from
    // it, else as the score alone says.
    bool readScore(const std::array<long long, 2>& scores) {
        const int length = read_.matchLength;
        for (const long long score : scores) {
            if (score >= length) {
                return fail("a score of " + std::to_string(score) +
                            " has already won the match to " + std::to_string(length));
            }
        }
        MatchState& match = game_->match;
        match.length = length;
        match.score = {static_cast<int>(scores[0]), static_cast<int>(scores[1])};
        if (previous_ && previous_->score == match.score) {
            match.crawford = previous_->crawford;
        } else {
            const bool oneAway = match.away(0) == 1 || match.away(1) == 1;
            match.crawford =
                oneAway ? MatchState::Crawford::ThisGame : MatchState::Crawford::NotYet;
        }
        return true;
    }

    bool play(const Entry& entry, int side) {
        if (game_->winner >= 0 && (entry.kind != Entry::Kind::Win || resultRead_)) {
            return fail("a turn after the end of the game");
        }
        const std::string player = "player " + std::to_string(side + 1);
        switch (entry.kind) {
        case Entry::Kind::Roll:
            return playRoll(entry, side, player);
        case Entry::Kind::Double:
            if (pendingDouble_ >= 0) {
                return fail("a double before the last one is answered");
            }
            if (entry.number != cube_ * 2) {
                return fail("the cube is at " + std::to_string(cube_) + ", a double turns it to " +
                            std::to_string(cube_ * 2) + ", not " + std::to_string(entry.number));
            }
            pendingDouble_ = side;
            return true;
        case Entry::Kind::Take:
        case Entry::Kind::Drop: {
            if (pendingDouble_ != otherSide(side)) {
                return fail(player + " answers a double the other did not offer");
            }
            const int doubler = pendingDouble_;
            pendingDouble_ = -1;
            if (entry.kind == Entry::Kind::Take) {
                cube_ *= 2;
                takenBy_ = doubler;
                return true;
            }
            RecordedTurn turn;
            turn.side = doubler;
            turn.cube = CubeAction::DoublePassed;
            game_->turns.push_back(turn);
            game_->winner = doubler;
            game_->points = cube_;
            return true;
        }
        case Entry::Kind::Win:
            if (entry.number < 1) {
                return fail("a game is won by 1 point or more");
            }
            if (game_->winner >= 0 && game_->winner != side) {
                return fail("the game was won by player " + std::to_string(game_->winner + 1));
            }
            resultRead_ = true;
            game_->winner = side;
            game_->points = entry.number;
            return true;
        }
        return true;
    }

    bool playRoll(const Entry& entry, int side, const std::string& player) {
        if (pendingDouble_ >= 0) {
            return fail("a roll before the double is answered");
        }
        if (!plays_) {
            plays_ = std::make_unique<PlayList>();
        }
        const TypedPlay typed =
            readTypedPlay(entry.moves, position_, side, entry.die1, entry.die2, *plays_);
        if (!typed.made) {
            if (entry.moves.empty()) {
                return fail(player + "'s " + std::to_string(entry.die1) +
                            std::to_string(entry.die2) + " has no moves, but it can be played");
            }
            return fail(typed.problem);
        }
        RecordedTurn turn;
        turn.side = side;
        turn.die1 = entry.die1;
        turn.die2 = entry.die2;
        turn.play = typed.play;
        if (takenBy_ == side) {
            turn.cube = CubeAction::DoubleTaken;
            takenBy_ = -1;
        }
        game_->turns.push_back(turn);
        applyPlay(typed.play, position_);
        return true;
    }

    int lineNumber_ = 0;
    std::string problem_;
    bool matchSeen_ = false;
    MatGames read_;
    std::optional<GameRecord> game_;
    bool namesSeen_ = false;
    bool resultRead_ = false; // the game's "Wins" line
    BoardPosition position_;
    int cube_ = 1;
    int pendingDouble_ = -1;
    int takenBy_ = -1; // whose next roll follows the double taken
    // The match after the last game read, when it was won by someone.
    std::optional<MatchState> previous_;
    std::unique_ptr<PlayList> plays_;
};

} // namespace

bool readMatText(std::string_view text, MatGames& games, std::string& error) {
    MatReader reader;
    return reader.read(text, games, error);
}

bool readMatFile(const std::filesystem::path& path, MatGames& games, std::string& error) {
    const FileBytes file = readFileBytes(path, kMaxMatFileSize);
    if (file.status != FileReadStatus::Read) {
        error = file.status == FileReadStatus::Missing
                    ? "the file does not exist"
                    : (file.error.empty() ? "it cannot be read" : file.error);
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(file.bytes.data()),
                                file.bytes.size());
    return readMatText(text, games, error);
}

} // namespace vh
