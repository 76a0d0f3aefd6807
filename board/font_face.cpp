#include "board/font_face.h"

#include "platform/file_bytes.h"
#include "platform/message_box.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stb_truetype.h>

namespace vh {

struct FontFace::Info {
    stbtt_fontinfo font;
};

FontFace::~FontFace() = default;

std::unique_ptr<FontFace> FontFace::load(const std::filesystem::path& path) {
    std::unique_ptr<FontFace> face(new FontFace);
    constexpr std::size_t kMaxFontBytes = std::size_t{64} << 20;
    const FileBytes file = readFileBytes(path, kMaxFontBytes);
    if (file.status != FileReadStatus::Read || file.bytes.size() < 12) {
        return nullptr;
    }
    face->bytes_.resize(file.bytes.size());
    std::memcpy(face->bytes_.data(), file.bytes.data(), file.bytes.size());
    face->info_ = std::make_unique<Info>();
    const int offset = stbtt_GetFontOffsetForIndex(face->bytes_.data(), 0);
    if (offset < 0 || stbtt_InitFont(&face->info_->font, face->bytes_.data(), offset) == 0) {
        return nullptr;
    }
    return face;
}

float FontFace::scaleFor(int height) const {
    if (height < 0) {
        return stbtt_ScaleForMappingEmToPixels(&info_->font, static_cast<float>(-height));
    }
    return stbtt_ScaleForPixelHeight(&info_->font, static_cast<float>(height));
}

float FontFace::ascent(float scale) const {
    int ascent = 0;
    int descent = 0;
    int gap = 0;
    stbtt_GetFontVMetrics(&info_->font, &ascent, &descent, &gap);
    return static_cast<float>(ascent) * scale;
}

float FontFace::descent(float scale) const {
    int ascent = 0;
    int descent = 0;
    int gap = 0;
    stbtt_GetFontVMetrics(&info_->font, &ascent, &descent, &gap);
    return static_cast<float>(-descent) * scale;
}

float FontFace::advance(char32_t character, char32_t next, float scale) const {
    int width = 0;
    int bearing = 0;
    const int glyph = stbtt_FindGlyphIndex(&info_->font, static_cast<int>(character));
    stbtt_GetGlyphHMetrics(&info_->font, glyph, &width, &bearing);
    if (next != 0) {
        width += stbtt_GetGlyphKernAdvance(
            &info_->font, glyph, stbtt_FindGlyphIndex(&info_->font, static_cast<int>(next)));
    }
    return static_cast<float>(width) * scale;
}

CoverageMask FontFace::glyph(char32_t character, float scale, float penX, int baseline) const {
    const int glyph = stbtt_FindGlyphIndex(&info_->font, static_cast<int>(character));
    const float whole = std::floor(penX);
    const float shift = penX - whole;
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    stbtt_GetGlyphBitmapBoxSubpixel(&info_->font, glyph, scale, scale, shift, 0.0f, &x0, &y0, &x1,
                                    &y1);
    CoverageMask mask;
    mask.left = static_cast<int>(whole) + x0;
    mask.top = baseline + y0;
    mask.width = std::max(0, x1 - x0);
    mask.height = std::max(0, y1 - y0);
    mask.coverage.assign(
        static_cast<std::size_t>(mask.width) * static_cast<std::size_t>(mask.height), 0);
    if (!mask.coverage.empty()) {
        stbtt_MakeGlyphBitmapSubpixel(&info_->font, mask.coverage.data(), mask.width, mask.height,
                                      mask.width, scale, scale, shift, 0.0f, glyph);
    }
    return mask;
}

std::optional<std::filesystem::path> findFontFile(const std::vector<std::filesystem::path>& folders,
                                                  const std::vector<std::string>& names) {
    for (const std::filesystem::path& folder : folders) {
        for (const std::string& name : names) {
            std::error_code error;
            const std::filesystem::path path = folder / name;
            if (std::filesystem::is_regular_file(path, error)) {
                return path;
            }
        }
    }
    return std::nullopt;
}

namespace {

std::unique_ptr<FontFace> loadSans(bool bold) {
    const std::vector<std::filesystem::path> folders{std::filesystem::path(kLiberationFontFolder),
                                                     "/usr/share/fonts/truetype/liberation",
                                                     "/usr/share/fonts/truetype/dejavu"};
    const std::vector<std::string> names =
        bold ? std::vector<std::string>{"LiberationSans-Bold.ttf", "DejaVuSans-Bold.ttf",
                                        "LiberationSans-Regular.ttf", "DejaVuSans.ttf"}
             : std::vector<std::string>{"LiberationSans-Regular.ttf", "DejaVuSans.ttf"};
    // Liberation Sans in any of its folders comes before the fallback face.
    for (const std::string& name : names) {
        if (const auto path = findFontFile(folders, {name})) {
            if (auto face = FontFace::load(*path)) {
                return face;
            }
        }
    }
    return nullptr;
}

const FontFace* reportMissing(const FontFace* face) {
    static bool reported = false;
    if (face == nullptr && !reported) {
        reported = true;
        showMessage(kApplicationTitle,
                    "The font Liberation Sans could not be found in " +
                        std::string(kLiberationFontFolder) +
                        "; texts are not drawn. Install the package fonts-liberation2.");
    }
    return face;
}

} // namespace

const FontFace* sansFace(bool bold) {
    static const std::unique_ptr<FontFace> regular = loadSans(false);
    static const std::unique_ptr<FontFace> heavy = loadSans(true);
    return reportMissing(bold ? heavy.get() : regular.get());
}

} // namespace vh
