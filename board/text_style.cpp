#include "board/text_style.h"

#include "board/font_face.h"

#include <algorithm>
#include <cmath>

namespace vh {
namespace {

// The characters of a UTF-8 text; a broken sequence gives U+FFFD.
std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        char32_t value = lead;
        if (lead >= 0xF0 && lead < 0xF8) {
            extra = 3;
            value = lead & 0x07;
        } else if (lead >= 0xE0) {
            extra = lead < 0xF0 ? 2 : -1;
            value = lead & 0x0F;
        } else if (lead >= 0xC2) {
            extra = 1;
            value = lead & 0x1F;
        } else if (lead >= 0x80) {
            extra = -1;
        }
        if (extra < 0 || static_cast<std::size_t>(extra) > text.size() - i - 1) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            value = (value << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += U'\uFFFD';
            ++i;
            continue;
        }
        out += value;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string encodeUtf8(std::u32string_view text) {
    std::string out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

float widthOf(const FontFace& face, std::u32string_view line, float scale) {
    float width = 0.0f;
    for (std::size_t i = 0; i < line.size(); ++i) {
        width += face.advance(line[i], i + 1 < line.size() ? line[i + 1] : 0, scale);
    }
    return width;
}

// Splits a text into lines no wider than `width` where spaces allow.
std::vector<std::u32string> wrapLines(const FontFace& face, std::u32string_view text, float scale,
                                      int width, bool singleLine) {
    std::vector<std::u32string> lines;
    std::u32string paragraph;
    const auto flush = [&](std::u32string_view words) {
        if (singleLine) {
            lines.emplace_back(words);
            return;
        }
        std::u32string line;
        std::size_t start = 0;
        while (start <= words.size()) {
            std::size_t end = words.find(U' ', start);
            if (end == std::u32string_view::npos) {
                end = words.size();
            }
            const std::u32string_view word = words.substr(start, end - start);
            std::u32string candidate =
                line.empty() ? std::u32string(word) : line + U' ' + std::u32string(word);
            if (!line.empty() && widthOf(face, candidate, scale) > static_cast<float>(width)) {
                lines.push_back(line);
                line = std::u32string(word);
            } else {
                line = std::move(candidate);
            }
            start = end + 1;
        }
        lines.push_back(line);
    };
    for (const char32_t c : text) {
        if (c == U'\n') {
            if (singleLine) {
                paragraph += U' ';
            } else {
                flush(paragraph);
                paragraph.clear();
            }
        } else if (c != U'\r') {
            paragraph += c;
        }
    }
    flush(paragraph);
    return lines;
}

void addCoverage(CoverageMask& into, const CoverageMask& glyph) {
    for (int y = 0; y < glyph.height; ++y) {
        const int ty = glyph.top + y - into.top;
        if (ty < 0 || ty >= into.height) {
            continue;
        }
        for (int x = 0; x < glyph.width; ++x) {
            const int tx = glyph.left + x - into.left;
            if (tx < 0 || tx >= into.width) {
                continue;
            }
            auto& cell =
                into.coverage[static_cast<std::size_t>(ty) * static_cast<std::size_t>(into.width) +
                              static_cast<std::size_t>(tx)];
            cell = static_cast<std::uint8_t>(std::min(255, cell + glyph.at(x, y)));
        }
    }
}

} // namespace

int lineHeight(const TextStyle& style) {
    const FontFace* face = sansFace(style.bold);
    if (face == nullptr) {
        return std::abs(style.height);
    }
    const float scale = face->scaleFor(style.height);
    return static_cast<int>(std::lround(face->ascent(scale) + face->descent(scale)));
}

int textWidth(std::string_view line, const TextStyle& style) {
    const FontFace* face = sansFace(style.bold);
    if (face == nullptr) {
        return 0;
    }
    return static_cast<int>(
        std::lround(widthOf(*face, decodeUtf8(line), face->scaleFor(style.height))));
}

std::vector<std::string> wrapText(std::string_view text, const TextStyle& style, int width) {
    std::vector<std::string> out;
    const FontFace* face = sansFace(style.bold);
    if (face == nullptr) {
        return out;
    }
    for (const std::u32string& line :
         wrapLines(*face, decodeUtf8(text), face->scaleFor(style.height), width,
                   (style.format & kTextSingleLine) != 0)) {
        out.push_back(encodeUtf8(line));
    }
    return out;
}

void drawText(PixelImage& context, const Rect& rect, std::string_view text,
              const TextStyle& style) {
    const FontFace* face = sansFace(style.bold);
    if (face == nullptr || rect.empty()) {
        return;
    }
    const float scale = face->scaleFor(style.height);
    const int ascent = static_cast<int>(std::lround(face->ascent(scale)));
    const int height = static_cast<int>(std::lround(face->ascent(scale) + face->descent(scale)));
    const bool singleLine = (style.format & kTextSingleLine) != 0;
    const std::vector<std::u32string> lines =
        wrapLines(*face, decodeUtf8(text), scale, rect.width(), singleLine);

    int top = rect.top;
    if (singleLine && (style.format & kTextVerticalCentre) != 0) {
        top = rect.top + (rect.height() - height) / 2;
    } else if (singleLine && (style.format & kTextBottom) != 0) {
        top = rect.bottom - height;
    }
    // The glyphs gather in a mask of the rectangle, which cuts them off at
    // its edges, and are painted in one pass.
    CoverageMask ink;
    ink.left = rect.left;
    ink.top = rect.top;
    ink.width = rect.width();
    ink.height = rect.height();
    ink.coverage.assign(static_cast<std::size_t>(ink.width) * static_cast<std::size_t>(ink.height),
                        0);
    for (const std::u32string& line : lines) {
        const float width = widthOf(*face, line, scale);
        float pen = static_cast<float>(rect.left);
        if ((style.format & kTextCentre) != 0) {
            pen += (static_cast<float>(rect.width()) - width) / 2.0f;
        } else if ((style.format & kTextRight) != 0) {
            pen += static_cast<float>(rect.width()) - width;
        }
        pen = std::round(pen);
        const int baseline = top + ascent;
        const float lineStart = pen;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != U' ') {
                addCoverage(ink, face->glyph(line[i], scale, pen, baseline));
            }
            pen += face->advance(line[i], i + 1 < line.size() ? line[i + 1] : 0, scale);
        }
        if (style.underline) {
            const int thickness = std::max(1, height / 14);
            const int y = baseline + std::max(1, static_cast<int>(face->descent(scale)) / 2);
            CoverageMask bar;
            bar.left = static_cast<int>(lineStart);
            bar.top = y;
            bar.width = static_cast<int>(std::lround(width));
            bar.height = thickness;
            bar.coverage.assign(static_cast<std::size_t>(std::max(0, bar.width * bar.height)), 255);
            addCoverage(ink, bar);
        }
        top += height;
    }
    paintCoverage(context, ink, 0, 0, style.colour);
}

} // namespace vh
