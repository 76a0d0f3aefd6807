#include "match/saved_game.h"

#include "match/cube_value.h"
#include "platform/atomic_file.h"
#include "platform/binary_io.h"
#include "platform/file_bytes.h"
#include "rules/match_state.h"
#include "rules/side.h"

#include <algorithm>

namespace vh {
namespace {

constexpr std::size_t kNameSize = 32;
constexpr std::int32_t kFormatMarker = 1;
constexpr int kHistoryCapacity = 1024;
constexpr std::array<std::byte, 4> kExtensionMagic = {std::byte{'V'}, std::byte{'H'},
                                                      std::byte{'X'}, std::byte{'1'}};
constexpr std::int32_t kExtensionFields = 5;
// After the fields, when a turn's roll or double is known: the number of
// turns (that of the history), then one note per turn, die 1 + 16 x die 2 +
// 256 x the cube action.
constexpr std::size_t kTurnNotesRoom = 4 + kHistoryCapacity * 4;
// Room for fields a later version adds to the extension block.
constexpr std::size_t kExtensionRoom = 4096;
// The largest file read: header, two timed player blocks, the board, a full
// history of four-move turns and the extension block.
constexpr std::size_t kMaxSavedGameSize =
    29 + 2 * 44 + 236 + 16 + kHistoryCapacity * (8 + 4 * 13) + 8 + kTurnNotesRoom + kExtensionRoom;

bool hasTurnNotes(const SavedGame& game) {
    return std::any_of(game.history.begin(), game.history.end(), [](const SavedTurn& turn) {
        return turn.die1 != 0 || turn.cube != CubeAction::None;
    });
}

std::int32_t turnNote(const SavedTurn& turn) {
    return turn.die1 + 16 * turn.die2 + 256 * static_cast<std::int32_t>(turn.cube);
}

void writeMove(BinaryWriter& out, const CheckerMove& move) {
    out.writeUInt8(move.hit);
    out.writeUInt32(move.die);
    out.writeUInt32(move.from);
    out.writeUInt32(move.to);
}

// Reads fields and remembers the first problem met; later reads do nothing.
class CheckedReader {
public:
    explicit CheckedReader(std::span<const std::byte> bytes) : in_(bytes) {}

    std::int32_t int32(const char* what) {
        std::int32_t value = 0;
        if (ok() && !in_.readInt32(value)) {
            fail(std::string("the file ends before the ") + what);
        }
        return value;
    }
    std::uint32_t uint32(const char* what) {
        std::uint32_t value = 0;
        if (ok() && !in_.readUInt32(value)) {
            fail(std::string("the file ends before the ") + what);
        }
        return value;
    }
    std::uint8_t uint8(const char* what) {
        std::uint8_t value = 0;
        if (ok() && !in_.readUInt8(value)) {
            fail(std::string("the file ends before the ") + what);
        }
        return value;
    }
    std::string name(const char* what) {
        std::array<std::byte, kNameSize> field{};
        if (ok() && !in_.readBytes(field)) {
            fail(std::string("the file ends before the ") + what);
            return {};
        }
        std::string text;
        for (const std::byte b : field) {
            if (b == std::byte{0}) {
                return text;
            }
            text.push_back(static_cast<char>(b));
        }
        fail(std::string("the ") + what + " is not terminated");
        return {};
    }
    // Checks a value read; the first failed check is the one reported.
    void require(bool condition, const std::string& problem) {
        if (ok() && !condition) {
            fail(problem);
        }
    }
    bool bytes(std::span<std::byte> out, const char* what) {
        if (ok() && !in_.readBytes(out)) {
            fail(std::string("the file ends before the ") + what);
        }
        return ok();
    }
    void skip(std::size_t count) {
        if (ok()) {
            in_.skip(count);
        }
    }
    bool ok() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    std::size_t remaining() const { return in_.remaining(); }

private:
    void fail(std::string problem) { problem_ = std::move(problem); }

    BinaryReader in_;
    std::string problem_;
};

void readPosition(CheckedReader& in, BoardPosition& position) {
    constexpr std::array<int, 4> kTrayOwners = {PLAYER_ONE, PLAYER_TWO, PLAYER_ONE, PLAYER_TWO};
    for (int entry = 0; entry < kEntryCount && in.ok(); ++entry) {
        const std::int32_t owner = in.int32("board");
        const std::int32_t count = in.int32("board");
        const std::string where = "entry " + std::to_string(entry);
        in.require(count >= 0 && count <= kCheckersPerSide,
                   where + " holds " + std::to_string(count) + " checkers");
        if (entry < kPointCount) {
            in.require(owner >= -1 && owner <= 1, where + " has owner " + std::to_string(owner));
            in.require(count == 0 || owner >= 0, where + " holds checkers of no side");
        } else {
            in.require(owner == kTrayOwners[static_cast<std::size_t>(entry - kPointCount)],
                       where + " belongs to the wrong side");
        }
        position[entry] = {count, owner};
    }
    for (int side = 0; side < 2 && in.ok(); ++side) {
        in.require(checkerTotal(position, side) == kCheckersPerSide,
                   "side " + std::to_string(side) + " does not have 15 checkers");
    }
}

void readTurn(CheckedReader& in, SavedTurn& turn, int index) {
    const std::string where = "turn " + std::to_string(index + 1) + " of the history";
    turn.side = in.int32("history");
    const std::int32_t count = in.int32("history");
    in.require(turn.side == 0 || turn.side == 1, where + " has no valid side");
    in.require(count >= 0 && count <= kMaxMovesPerPlay,
               where + " has " + std::to_string(count) + " moves");
    if (!in.ok()) {
        return;
    }
    turn.play.count = count;
    for (int i = 0; i < count; ++i) {
        CheckerMove& move = turn.play.moves[static_cast<std::size_t>(i)];
        move.hit = in.uint8("history");
        move.die = in.uint32("history");
        move.from = in.uint32("history");
        move.to = in.uint32("history");
        in.require(move.hit <= 1 && move.die >= 1 && move.die <= 6 && move.from <= 25 &&
                       move.to <= 27,
                   where + " holds an impossible move");
    }
}

// The rolls and doubles of the history's turns; the bytes read.
std::uint32_t readTurnNotes(CheckedReader& in, std::uint32_t room, SavedGame& game) {
    const std::int32_t count = in.int32("turn notes");
    in.require(count == static_cast<std::int32_t>(game.history.size()),
               "the extension block has notes for " + std::to_string(count) + " turns, not " +
                   std::to_string(game.history.size()));
    in.require(static_cast<std::uint32_t>(count) <= (room - 4) / 4,
               "the turn notes run past the extension block");
    for (std::size_t index = 0; in.ok() && index < game.history.size(); ++index) {
        const std::int32_t note = in.int32("turn notes");
        SavedTurn& turn = game.history[index];
        turn.die1 = note & 15;
        turn.die2 = note >> 4 & 15;
        const std::int32_t cube = note >> 8;
        in.require(turn.die1 <= 6 && turn.die2 <= 6 && (turn.die1 == 0) == (turn.die2 == 0) &&
                       cube >= 0 && cube <= 2,
                   "the note of turn " + std::to_string(index + 1) + " is not a roll and a double");
        turn.cube = static_cast<CubeAction>(cube);
    }
    return 4 + static_cast<std::uint32_t>(game.history.size()) * 4;
}

// After the history: nothing (an older file), or the extension block. Its
// payload may be shorter (later fields keep their defaults) or longer (fields
// of a later version, skipped) than the fields known here.
void readExtension(CheckedReader& in, SavedGame& game) {
    if (!in.ok() || in.remaining() == 0) {
        return;
    }
    std::array<std::byte, 4> magic{};
    in.require(in.remaining() >= 8 && in.bytes(magic, "extension block") &&
                   magic == kExtensionMagic,
               "there are bytes after the history");
    const std::uint32_t length = in.uint32("extension block");
    in.require(length <= in.remaining(), "the extension block runs past the end of the file");
    in.require(length >= in.remaining(), "there are bytes after the extension block");
    in.require(length % 4 == 0, "the extension block does not hold whole fields");
    if (!in.ok()) {
        return;
    }
    std::int32_t* const fields[kExtensionFields] = {&game.cubeOwner, &game.matchLength,
                                                    &game.score0, &game.score1, &game.crawford};
    const auto known = std::min<std::uint32_t>(length / 4, kExtensionFields);
    for (std::uint32_t field = 0; field < known; ++field) {
        *fields[field] = in.int32("extension block");
    }
    std::uint32_t read = known * 4;
    if (length / 4 > kExtensionFields) {
        read += readTurnNotes(in, length - read, game);
    }
    in.skip(length - read);
    in.require(game.cubeOwner >= -1 && game.cubeOwner <= 1, "the cube owner is not -1, 0 or 1");
    in.require(game.matchLength >= 0 && game.matchLength <= MatchState::kLongestMatch,
               "the match length is not 0 to 25");
    in.require(game.score0 >= 0 && game.score1 >= 0, "a match score is negative");
    in.require(game.matchLength == 0 ||
                   (game.score0 < game.matchLength && game.score1 < game.matchLength),
               "a match score has already won the match");
    in.require(game.crawford >= 0 && game.crawford <= 2, "the Crawford state is not 0, 1 or 2");
}

} // namespace

std::vector<std::byte> encodeSavedGame(const SavedGame& game) {
    BinaryWriter out;
    out.writeInt32(kFormatMarker);
    out.writeInt32(game.turnsPlayed);
    out.writeInt32(game.currentSide);
    out.writeInt32(game.state);
    out.writeUInt32(game.gameTimeMs);
    out.writeUInt8(game.timed ? 1 : 0);
    out.writeInt32(game.initialSeconds);
    out.writeInt32(game.extraSeconds);
    for (const SavedPlayer& player : game.players) {
        out.writeText(player.name, kNameSize);
        out.writeInt32(player.isComputer);
        out.writeInt32(player.side);
        if (game.timed) {
            out.writeUInt32(player.clockMs);
        }
    }
    out.writeInt32(game.die1);
    out.writeInt32(game.die2);
    out.writeInt32(game.cubeValue);
    for (const BoardEntry& entry : game.position.entries) {
        out.writeInt32(entry.owner);
        out.writeInt32(entry.count);
    }
    out.writeInt32(game.historyIsComputer[0]);
    out.writeInt32(game.historyIsComputer[1]);
    out.writeInt32(static_cast<std::int32_t>(game.history.size()));
    out.writeInt32(game.historyCursor);
    for (const SavedTurn& turn : game.history) {
        out.writeInt32(turn.side);
        out.writeInt32(turn.play.count);
        for (std::int32_t i = 0; i < turn.play.count; ++i) {
            writeMove(out, turn.play.moves[static_cast<std::size_t>(i)]);
        }
    }
    out.writeBytes(kExtensionMagic);
    const bool notes = hasTurnNotes(game);
    const std::size_t noteBytes = notes ? 4 + game.history.size() * 4 : 0;
    out.writeUInt32(static_cast<std::uint32_t>(kExtensionFields * 4 + noteBytes));
    for (const std::int32_t field :
         {game.cubeOwner, game.matchLength, game.score0, game.score1, game.crawford}) {
        out.writeInt32(field);
    }
    if (notes) {
        out.writeInt32(static_cast<std::int32_t>(game.history.size()));
        for (const SavedTurn& turn : game.history) {
            out.writeInt32(turnNote(turn));
        }
    }
    return out.take();
}

SavedGameCheck decodeSavedGame(std::span<const std::byte> bytes, SavedGame& game) {
    game = SavedGame(); // what the file leaves out keeps its default
    CheckedReader in(bytes);
    in.int32("format marker"); // not checked: every writer puts 1 there
    game.turnsPlayed = in.int32("header");
    game.currentSide = in.int32("header");
    game.state = in.int32("header");
    game.gameTimeMs = in.uint32("header");
    const std::uint8_t timed = in.uint8("header");
    game.initialSeconds = in.int32("header");
    game.extraSeconds = in.int32("header");
    in.require(game.turnsPlayed >= 0, "the number of turns played is negative");
    in.require(game.currentSide == 0 || game.currentSide == 1, "the side to move is not 0 or 1");
    in.require(game.state >= 0 && game.state <= 5, "the game state is unknown");
    in.require(timed <= 1, "the timer flag is not 0 or 1");
    in.require(game.initialSeconds >= 0 && game.extraSeconds >= 0, "a clock setting is negative");
    game.timed = timed == 1;

    for (int block = 0; block < 2 && in.ok(); ++block) {
        SavedPlayer& player = game.players[static_cast<std::size_t>(block)];
        player.name = in.name("player's name");
        player.isComputer = in.int32("player block");
        player.side = in.int32("player block");
        if (game.timed) {
            player.clockMs = in.uint32("player's clock");
        }
        in.require(player.isComputer == 0 || player.isComputer == 1, "a player type is not 0 or 1");
        in.require(player.side == block, "the player blocks are not for side 0 and side 1");
    }

    game.die1 = in.int32("dice");
    game.die2 = in.int32("dice");
    game.cubeValue = in.int32("cube");
    in.require(game.die1 >= 1 && game.die1 <= 6 && game.die2 >= 1 && game.die2 <= 6,
               "a die is not 1 to 6");
    in.require(isCubeValue(game.cubeValue), "the cube value is not 1, 2, 4, ... or 1073741824");
    readPosition(in, game.position);

    game.historyIsComputer[0] = in.int32("history");
    game.historyIsComputer[1] = in.int32("history");
    const std::int32_t total = in.int32("history");
    game.historyCursor = in.int32("history");
    in.require(total >= 0 && total <= kHistoryCapacity, "the history length is out of range");
    in.require(game.historyCursor >= 0 && game.historyCursor <= total,
               "the history cursor is out of range");
    game.history.clear();
    for (std::int32_t index = 0; index < total && in.ok(); ++index) {
        SavedTurn turn;
        readTurn(in, turn, index);
        game.history.push_back(turn);
    }
    readExtension(in, game);
    return {in.ok(), in.problem()};
}

SavedGameCheck readSavedGameFile(const std::filesystem::path& path, SavedGame& game) {
    const FileBytes file = readFileBytes(path, kMaxSavedGameSize);
    if (file.status != FileReadStatus::Read) {
        const std::string why = file.status == FileReadStatus::Missing
                                    ? "the file does not exist"
                                    : (file.error.empty() ? "it cannot be read" : file.error);
        return {false, why};
    }
    return decodeSavedGame(file.bytes, game);
}

bool writeSavedGameFile(const std::filesystem::path& path, const SavedGame& game,
                        std::string& error) {
    const std::vector<std::byte> bytes = encodeSavedGame(game);
    return writeFileAtomically(path, bytes, &error);
}

} // namespace vh
