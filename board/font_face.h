#pragma once

#include "board/coverage_mask.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh {

// One TrueType face read from a file, drawn with stb_truetype.
class FontFace {
public:
    // Nothing when the file cannot be read or is no font.
    static std::unique_ptr<FontFace> load(const std::filesystem::path& path);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Scale from font units to pixels: a positive height is the cell
    // (ascent + descent), a negative one the em size, as fonts are asked for
    // on Windows.
    float scaleFor(int height) const;
    float ascent(float scale) const;
    float descent(float scale) const; // positive, below the baseline
    // Horizontal advance of a character, with the kerning to the next one
    // (0 for none).
    float advance(char32_t character, char32_t next, float scale) const;
    // The anti-aliased glyph with its pen position at (penX, baseline); the
    // mask's left and top are in the same pixel space.
    CoverageMask glyph(char32_t character, float scale, float penX, int baseline) const;

private:
    FontFace() = default;
    struct Info;
    std::vector<unsigned char> bytes_;
    std::unique_ptr<Info> info_;
};

// The file holding the first of `names` found in the first folder that has
// it, folders searched in order.
std::optional<std::filesystem::path> findFontFile(const std::vector<std::filesystem::path>& folders,
                                                  const std::vector<std::string>& names);

// The face every text of the program is drawn in: Liberation Sans from the
// fonts-liberation2 package, whose letters have Arial's widths. Where it is
// missing, DejaVu Sans is used; where no face is found, one message says so
// and texts are not drawn (nullptr).
const FontFace* sansFace(bool bold);

// The folder Liberation Sans is expected in.
inline constexpr std::string_view kLiberationFontFolder = "/usr/share/fonts/truetype/liberation2";

} // namespace vh
