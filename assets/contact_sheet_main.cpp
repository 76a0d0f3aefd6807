// varnholt-assets-sheet DIR OUTDIR
// For looking at the artwork: reads the pictures that varnholt-assets wrote to
// DIR and writes to OUTDIR a labelled contact sheet of all of them, the stones
// composited over each marble at a small and a large checker size, and every
// picture as a PNG.

#include "assets/bmp.h"
#include "assets/image.h"
#include "assets/shapes.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_easy_font.h>
#include <stb_image_write.h>

namespace fs = std::filesystem;
using namespace vh::assets;

namespace {

std::optional<Image> load(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    const auto* data = reinterpret_cast<const std::byte*>(text.data());
    return decodeBmp(std::span<const std::byte>(data, text.size()));
}

bool savePng(const fs::path& path, const Image& image) {
    std::vector<unsigned char> bytes;
    bytes.reserve(image.pixels.size() * 3);
    for (const Rgb8& p : image.pixels) {
        bytes.push_back(p.r);
        bytes.push_back(p.g);
        bytes.push_back(p.b);
    }
    return stbi_write_png(path.c_str(), image.width, image.height, 3, bytes.data(),
                          image.width * 3) != 0;
}

void label(Image& image, int x, int y, const std::string& text, Rgb8 colour) {
    std::vector<char> buffer(60000);
    std::string copy = text;
    const int quads = stb_easy_font_print(0.0f, 0.0f, copy.data(), nullptr, buffer.data(),
                                          static_cast<int>(buffer.size()));
    const auto* vertices = reinterpret_cast<const float*>(buffer.data());
    for (int q = 0; q < quads; ++q) {
        const float* v = vertices + q * 16; // four vertices of x, y, z, colour
        const int x0 = x + static_cast<int>(v[0]);
        const int y0 = y + static_cast<int>(v[1]);
        const int x1 = x + static_cast<int>(v[8]);
        const int y1 = y + static_cast<int>(v[9]);
        for (int j = y0; j < y1; ++j) {
            for (int i = x0; i < x1; ++i) {
                if (i >= 0 && j >= 0 && i < image.width && j < image.height) {
                    image.at(i, j) = colour;
                }
            }
        }
    }
}

Canvas checkerboard(int width, int height) {
    Canvas canvas(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            canvas.set(x, y, ((x / 8 + y / 8) % 2) != 0 ? grey(0.55f) : grey(0.75f));
        }
    }
    return canvas;
}

struct Entry {
    std::string name;
    Image picture;
    std::optional<Image> mask;
};

// The way the program's masked drawing works on a bitmap: AND NOT mask, OR picture.
void bitwiseDraw(Image& target, const Image& picture, const Image& mask, int x, int y) {
    for (int j = 0; j < picture.height; ++j) {
        for (int i = 0; i < picture.width; ++i) {
            Rgb8& d = target.at(x + i, y + j);
            const Rgb8& m = mask.at(i, j);
            const Rgb8& p = picture.at(i, j);
            d = {static_cast<std::uint8_t>((d.r & ~m.r) | p.r),
                 static_cast<std::uint8_t>((d.g & ~m.g) | p.g),
                 static_cast<std::uint8_t>((d.b & ~m.b) | p.b)};
        }
    }
}

Image stonesOnMarble(const std::map<std::string, Entry>& entries) {
    const std::vector<std::string> marbles{"Marble for Board Red and White",
                                           "Marble for Board Light Blue",
                                           "Marble for Board Dark Blue"};
    const std::vector<std::string> stones{"White", "Black", "Red"};
    const int rowHeight = 420;
    Image sheet(1400, rowHeight * static_cast<int>(marbles.size()), {40, 40, 40});
    for (std::size_t r = 0; r < marbles.size(); ++r) {
        const auto marble = entries.find(marbles[r]);
        if (marble == entries.end()) {
            continue;
        }
        const int top = static_cast<int>(r) * rowHeight;
        for (int y = 0; y < rowHeight - 10; ++y) {
            for (int x = 0; x < sheet.width; ++x) {
                sheet.at(x, top + y) = marble->second.picture.at(x % marble->second.picture.width,
                                                                 y % marble->second.picture.height);
            }
        }
        int x = 10;
        for (const std::string& stone : stones) {
            const auto flat = entries.find(stone + " Stone 50x50");
            const auto edge = entries.find(stone + " Vertical Stone");
            if (flat == entries.end() || edge == entries.end() || !flat->second.mask ||
                !edge->second.mask) {
                continue;
            }
            for (int size : {36, 110}) {
                Canvas canvas = toCanvas(sheet);
                const Sprite s{flat->second.picture, *flat->second.mask};
                const Canvas small = resized(toCanvas(s), size, size);
                compositeOver(canvas, small, x, top + 10);
                compositeOver(canvas, small, x, top + 10 + size);
                const Sprite e{edge->second.picture, *edge->second.mask};
                const int v = size * 10 / 35;
                const Canvas edgeSmall = resized(toCanvas(e), size, v);
                for (int k = 0; k < 5; ++k) {
                    compositeOver(canvas, edgeSmall, x, top + 20 + 2 * size + k * v);
                }
                sheet = flatten(canvas, grey(0.0f));
                x += size + 12;
            }
            // The same small stone through the bitwise AND-NOT / OR pair.
            const Image smallPicture = resized(flat->second.picture, 36, 36);
            const Image smallMask = resized(*flat->second.mask, 36, 36);
            bitwiseDraw(sheet, smallPicture, smallMask, x, top + 10);
            x += 60;
        }
        label(sheet, 10, top + rowHeight - 24, marbles[r], {255, 255, 255});
    }
    return sheet;
}

Colour pipColour(int code) {
    switch (code) {
    case 1:
        return rgb(220, 220, 220);
    case 2:
        return rgb(50, 50, 50);
    case 3:
        return rgb(200, 70, 50);
    case 4:
        return rgb(178, 133, 116);
    default:
        return rgb(18, 115, 122);
    }
}

// A board as the program lays it out (frame, marble halves, points, trays,
// bevels, checkers in the start position, a few borne off, the cube), to judge
// the pictures together at a real size.
Image boardPreview(const std::map<std::string, Entry>& entries, int width,
                   const std::string& marble, const std::string& stoneA, const std::string& stoneB,
                   int pipA, int pipB) {
    const int height = static_cast<int>(static_cast<double>(width) * 0.699999988);
    const int f = static_cast<int>(static_cast<double>(width) * 0.0250000004);
    const int p = (width - 3 * f) / 14;
    const int d = p - 4;
    const int pointHeight = static_cast<int>(static_cast<double>(height) * 0.400000006);
    const int v = static_cast<int>(static_cast<double>(height - 2 * (f + d)) * 0.0333333351);
    Canvas canvas(width, height);
    const auto blit = [&](const Image& image, int x, int y, int w, int h) {
        const Image scaled = (image.width == w && image.height == h) ? image : resized(image, w, h);
        for (int j = 0; j < h; ++j) {
            for (int i = 0; i < w; ++i) {
                canvas.set(x + i, y + j, toColour(scaled.at(i, j)));
            }
        }
    };
    const auto crop = [&](const Image& image, int x, int y, int w, int h) {
        for (int j = 0; j < std::min(h, image.height); ++j) {
            for (int i = 0; i < std::min(w, image.width); ++i) {
                canvas.set(x + i, y + j, toColour(image.at(i, j)));
            }
        }
    };
    const Image& wood = entries.at("Wood for Board Dark").picture;
    if (wood.width <= width) {
        blit(wood, 0, 0, width, height);
    } else {
        crop(wood, 0, 0, width, height);
    }
    const Image& field = entries.at(marble).picture;
    for (int x : {f, f + 7 * p}) {
        if (field.width <= width / 2) {
            blit(field, x, f, 6 * p, height - 2 * f);
        } else {
            crop(field, x, f, 6 * p, height - 2 * f);
        }
    }
    for (int half : {f, f + 7 * p}) {
        for (int i = 0; i < 6; ++i) {
            const float x = static_cast<float>(half + i * p);
            const float w = static_cast<float>(p);
            const float up = static_cast<float>(f);
            const float down = static_cast<float>(height - f);
            const float ph = static_cast<float>(pointHeight);
            const Colour top = pipColour(i % 2 == 0 ? pipA : pipB);
            const Colour bottom = pipColour(i % 2 == 0 ? pipB : pipA);
            paintShape(
                canvas, wholeCanvas(canvas),
                [&](Vec2 q) {
                    return sdTriangle(q, {x, up}, {x + w, up}, {x + w * 0.5f, up + ph});
                },
                [&](Vec2) { return top; });
            paintShape(
                canvas, wholeCanvas(canvas),
                [&](Vec2 q) {
                    return sdTriangle(q, {x, down}, {x + w, down}, {x + w * 0.5f, down - ph});
                },
                [&](Vec2) { return bottom; });
        }
    }
    const int trayLeft = 2 * f + 13 * p;
    const auto trayColour = [](const std::string& stone) {
        return stone == "Red" ? rgb(255, 0, 0)
                              : (stone == "White" ? rgb(255, 255, 255) : rgb(0, 0, 0));
    };
    paintArea(canvas, {trayLeft, height - f - (height - 2 * f) / 2, trayLeft + p, height - f},
              [&](Vec2) { return trayColour(stoneA); });
    paintArea(canvas, {trayLeft, f, trayLeft + p, f + (height - 2 * f) / 2},
              [&](Vec2) { return trayColour(stoneB); });
    const Colour dark = rgb(95, 75, 70);
    const Colour light = rgb(163, 119, 105);
    const auto line = [&](int x0, int y0, int x1, int y1, const Colour& c) {
        paintShape(
            canvas, wholeCanvas(canvas),
            [&](Vec2 q) {
                return sdCapsule(q, {static_cast<float>(x0), static_cast<float>(y0)},
                                 {static_cast<float>(x1), static_cast<float>(y1)}, 3.0f);
            },
            [&](Vec2) { return c; });
    };
    for (int x : {f, f + 7 * p, trayLeft}) {
        const int r = x + (x == trayLeft ? p : 6 * p);
        line(x - 3, f - 3, x - 3, height - f, dark);
        line(r + 2, f - 2, r + 2, height - f + 1, light);
        line(x - 4, f - 2, r + 2, f - 2, dark);
        line(x - 4, height - f + 2, r + 2, height - f + 2, light);
    }
    const auto sprite = [&](const std::string& name) {
        const Entry& e = entries.at(name);
        return toCanvas(Sprite{e.picture, *e.mask});
    };
    const Canvas a = resized(sprite(stoneA + " Stone 50x50"), d, d);
    const Canvas b = resized(sprite(stoneB + " Stone 50x50"), d, d);
    const int e = (p - d) / 2;
    const auto column = [&](int index) {
        if (index < 6) {
            return f + 7 * p + (5 - index) * p;
        }
        if (index < 12) {
            return f + (11 - index) * p;
        }
        if (index < 18) {
            return f + (index - 12) * p;
        }
        return f + 7 * p + (index - 18) * p;
    };
    const int stacks[][3] = {{23, 2, 0}, {12, 5, 0}, {7, 3, 0},  {5, 4, 0},
                             {0, 2, 1},  {11, 5, 1}, {16, 3, 1}, {18, 6, 1}};
    for (const auto& stack : stacks) {
        for (int j = 0; j < stack[1]; ++j) {
            int y = 0;
            if (stack[0] >= 12) {
                y = j < 5 ? f + j * d + e : f + d / 2 + (j - 5) * d + e;
            } else {
                y = j < 5 ? height - f - (j + 1) * d - e : height - f - d / 2 - (j - 4) * d - e;
            }
            compositeOver(canvas, stack[2] == 0 ? a : b, column(stack[0]) + e, y);
        }
    }
    const Canvas edgeA = resized(sprite(stoneA + " Vertical Stone"), d, v);
    const Canvas edgeB = resized(sprite(stoneB + " Vertical Stone"), d, v);
    for (int j = 0; j < 4; ++j) {
        compositeOver(canvas, edgeA, trayLeft + e, height - f - (j + 1) * v);
    }
    compositeOver(canvas, edgeB, trayLeft + e, f);
    const Image& cube = entries.at("Double0").picture;
    blit(cube, f + 6 * p + p / 2 - d / 4, height / 2 - d / 4, d / 2, d / 2);
    return flatten(canvas, grey(0.0f));
}

Image contactSheet(const std::map<std::string, Entry>& entries) {
    constexpr int cell = 230;
    constexpr int columns = 7;
    const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    Image sheet(cell * columns, cell * rows, {32, 32, 36});
    int index = 0;
    for (const auto& [name, entry] : entries) {
        const int cx = (index % columns) * cell;
        const int cy = (index / columns) * cell;
        ++index;
        const int box = cell - 30;
        const float scale = std::min(
            3.0f, std::min(static_cast<float>(box) / static_cast<float>(entry.picture.width),
                           static_cast<float>(box) / static_cast<float>(entry.picture.height)));
        const int w =
            std::max(1, static_cast<int>(static_cast<float>(entry.picture.width) * scale));
        const int h =
            std::max(1, static_cast<int>(static_cast<float>(entry.picture.height) * scale));
        Canvas tile = checkerboard(w, h);
        if (entry.mask) {
            compositeOver(tile, resized(toCanvas(Sprite{entry.picture, *entry.mask}), w, h), 0, 0);
        } else {
            compositeOver(tile, resized(toCanvas(entry.picture), w, h), 0, 0);
        }
        const Image shown = flatten(tile, grey(0.0f));
        const int ox = cx + (cell - w) / 2;
        const int oy = cy + 5 + (box - h) / 2;
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                sheet.at(ox + x, oy + y) = shown.at(x, y);
            }
        }
        std::string text = name + " " + std::to_string(entry.picture.width) + "x" +
                           std::to_string(entry.picture.height);
        if (text.size() > 36) {
            text = text.substr(0, 36);
        }
        label(sheet, cx + 4, cy + cell - 20, text, {230, 230, 230});
    }
    return sheet;
}

} // namespace

// --crop FILE X Y W H SCALE OUT: a part of one picture, enlarged SCALE times.
int crop(char** argv) {
    const auto image = load(argv[2]);
    if (!image) {
        std::cerr << argv[2] << " does not parse\n";
        return 1;
    }
    const int x0 = std::stoi(argv[3]);
    const int y0 = std::stoi(argv[4]);
    const int w = std::min(std::stoi(argv[5]), image->width - x0);
    const int h = std::min(std::stoi(argv[6]), image->height - y0);
    const int scale = std::stoi(argv[7]);
    Image part(w * scale, h * scale);
    for (int y = 0; y < h * scale; ++y) {
        for (int x = 0; x < w * scale; ++x) {
            part.at(x, y) = image->at(x0 + x / scale, y0 + y / scale);
        }
    }
    return savePng(argv[8], part) ? 0 : 1;
}

// --tile FILE OUT: the picture repeated 2 x 2, to check that its edges meet.
int tile(char** argv) {
    const auto image = load(argv[2]);
    if (!image) {
        std::cerr << argv[2] << " does not parse\n";
        return 1;
    }
    Image tiled(image->width * 2, image->height * 2);
    for (int y = 0; y < tiled.height; ++y) {
        for (int x = 0; x < tiled.width; ++x) {
            tiled.at(x, y) = image->at(x % image->width, y % image->height);
        }
    }
    return savePng(argv[3], tiled) ? 0 : 1;
}

int main(int argc, char** argv) {
    if (argc == 9 && std::string(argv[1]) == "--crop") {
        return crop(argv);
    }
    if (argc == 4 && std::string(argv[1]) == "--tile") {
        return tile(argv);
    }
    if (argc != 3) {
        std::cerr << "usage: varnholt-assets-sheet DIR OUTDIR\n";
        return 2;
    }
    const fs::path in = argv[1];
    const fs::path out = argv[2];
    fs::create_directories(out / "png");
    std::map<std::string, Entry> entries;
    std::map<std::string, Image> masks;
    for (const char* folder : {"Graphics", "Wallpapers"}) {
        if (!fs::exists(in / folder)) {
            continue;
        }
        for (const auto& item : fs::directory_iterator(in / folder)) {
            if (item.path().extension() != ".bmp") {
                continue;
            }
            auto image = load(item.path());
            if (!image) {
                std::cerr << item.path() << " does not parse\n";
                return 1;
            }
            std::string stem = item.path().stem().string();
            savePng(out / "png" / (stem + ".png"), *image);
            if (stem.size() > 5 && stem.ends_with(" Mask")) {
                masks[stem.substr(0, stem.size() - 5)] = std::move(*image);
            } else {
                entries[stem] = Entry{stem, std::move(*image), std::nullopt};
            }
        }
    }
    for (auto& [stem, mask] : masks) {
        if (entries.contains(stem)) {
            entries[stem].mask = std::move(mask);
        }
    }
    savePng(out / "contact-sheet.png", contactSheet(entries));
    struct Scheme {
        const char* name;
        const char* marble;
        const char* stoneA;
        const char* stoneB;
        int pipA;
        int pipB;
    };
    const Scheme schemes[] = {
        {"red", "Marble for Board Red and White", "White", "Black", 1, 2},
        {"blue", "Marble for Board Light Blue", "Red", "Black", 3, 2},
        {"purple", "Marble for Board Dark Blue", "White", "Black", 4, 5},
    };
    for (const Scheme& scheme : schemes) {
        for (int width : {450, 1000, 1428}) {
            savePng(
                out / ("board-" + std::string(scheme.name) + "-" + std::to_string(width) + ".png"),
                boardPreview(entries, width, scheme.marble, scheme.stoneA, scheme.stoneB,
                             scheme.pipA, scheme.pipB));
        }
    }
    savePng(out / "stones-on-marble.png", stonesOnMarble(entries));
    std::cout << "wrote " << (out / "contact-sheet.png").string() << " and "
              << (out / "stones-on-marble.png").string() << '\n';
    return 0;
}
