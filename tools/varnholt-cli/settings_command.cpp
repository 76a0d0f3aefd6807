#include "platform/text_encoding.h"
#include "settings/settings_file.h"
#include "tools/varnholt-cli/arguments.h"
#include "tools/varnholt-cli/cli_error.h"
#include "tools/varnholt-cli/commands.h"

#include <cstdio>
#include <ostream>

namespace vh::cli {
namespace {

// A text in double quotes, as UTF-8, with quotes, backslashes and control
// characters escaped, so that an empty text shows.
std::string quotedText(const std::string& text) {
    std::string out = "\"";
    for (const char c : utf8FromWindows1252(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    std::string out;
    for (const std::uint8_t byte : bytes) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02x", byte);
        out += digits;
    }
    return out;
}

} // namespace

void runSettingsCommand(std::span<const std::string> arguments, std::ostream& out,
                        std::ostream& err) {
    const Arguments options("settings", arguments, {{"--file", 1}});
    const std::filesystem::path path =
        options.has("--file") ? std::filesystem::path(options.value("--file")) : settingsFilePath();
    GameSettings s;
    const SettingsLoad load = loadSettingsFile(path, s);
    // The program's own file is missing until the first option is saved.
    const bool defaults = load.missing && !options.has("--file");
    if (!load.fileRead && !defaults) {
        throw CliError("cannot read settings file '" + path.string() + "': " + load.error);
    }
    const auto line = [&out](const char* name, const std::string& value) {
        out << name << ' ' << value << '\n';
    };
    const auto number = [&line](const char* name, std::int32_t value) {
        line(name, std::to_string(value));
    };
    number("reservedFirst", s.reservedFirst);
    number("playerIsComputer[0]", s.playerIsComputer[0]);
    number("playerIsComputer[1]", s.playerIsComputer[1]);
    line("playerName[0]", quotedText(s.playerName[0]));
    line("playerName[1]", quotedText(s.playerName[1]));
    number("useTimer", s.useTimer);
    number("initialMinutes", s.initialMinutes);
    number("initialSeconds", s.initialSeconds);
    number("perMoveMinutes", s.perMoveMinutes);
    number("perMoveSeconds", s.perMoveSeconds);
    number("mouseInputMode", s.mouseInputMode);
    number("showMovesOnHover", s.showMovesOnHover);
    number("completeAnimation", s.completeAnimation);
    number("animationSpeed", s.animationSpeed);
    number("muteSounds", s.muteSounds);
    number("wallpaperMode", s.wallpaperMode);
    number("bgRed", s.bgRed);
    number("bgGreen", s.bgGreen);
    number("bgBlue", s.bgBlue);
    line("wallpaperPath", quotedText(s.wallpaperPath));
    number("stretchWallpaper", s.stretchWallpaper);
    line("statisticsPlayer", quotedText(s.statisticsPlayer));
    line("reservedText", hexBytes(s.reservedText));
    number("startedFlag", s.startedFlag);
    number("pipColourA", s.pipColourA);
    number("pipColourB", s.pipColourB);
    number("stoneColourA", s.stoneColourA);
    number("stoneColourB", s.stoneColourB);
    number("boardWood", s.boardWood);
    number("boardMarble", s.boardMarble);
    number("showPipNumbers", s.showPipNumbers);
    number("matchBet", s.matchBet);
    if (defaults) {
        err << "varnholt-cli: note: there is no " << path.string()
            << " yet; the defaults are shown\n";
    } else if (load.fieldsRead < kSettingsFieldCount) {
        err << "varnholt-cli: note: " << path.string() << " holds " << load.fieldsRead << " of "
            << kSettingsFieldCount << " fields; the others show their defaults\n";
    }
}

} // namespace vh::cli
