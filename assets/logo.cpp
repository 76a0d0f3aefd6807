#include "assets/logo.h"

#include "assets/cube.h"
#include "assets/dice.h"
#include "assets/marble.h"
#include "assets/noise.h"
#include "assets/shapes.h"
#include "assets/stones.h"
#include "assets/wood.h"

#include <array>
#include <cmath>

namespace vh::assets {

namespace {

// A soft shadow: the blurred rectangle darkened under what stands on the table.
void shadow(Canvas& canvas, PixelBox box, float softness, float strength) {
    const Vec2 centre{static_cast<float>(box.x0 + box.x1) * 0.5f,
                      static_cast<float>(box.y0 + box.y1) * 0.5f};
    const Vec2 half{static_cast<float>(box.x1 - box.x0) * 0.5f,
                    static_cast<float>(box.y1 - box.y0) * 0.5f};
    paintShape(
        canvas, wholeCanvas(canvas),
        [&](Vec2 p) { return sdRoundedBox(p, centre, half, softness) / softness; },
        [](Vec2) { return grey(0.0f); }, strength);
}

void table(Canvas& canvas) {
    const WoodTone tone{{0.30f, 0.16f, 0.09f}, {0.10f, 0.05f, 0.03f}};
    paintArea(canvas, wholeCanvas(canvas), [&](Vec2 p) {
        // Boards running across, darkening towards the edges of the picture.
        const int board = static_cast<int>(p.y / 120.0f);
        const float across = std::fmod(p.y, 120.0f);
        Colour c = woodGrain(p.x + static_cast<float>(board) * 700.0f, across,
                             static_cast<std::uint32_t>(board) * 131u + 7u, tone, 7.0f);
        if (across < 1.5f) {
            c = c * 0.55f;
        }
        const float dx = (p.x - 320.0f) / 380.0f;
        const float dy = (p.y - 260.0f) / 300.0f;
        return c * (1.05f - 0.55f * (dx * dx + dy * dy));
    });
}

void placeSprite(Canvas& canvas, const Canvas& sprite, int x, int y, int width, int height) {
    compositeOver(canvas, resized(sprite, width, height), x, y);
}

// The board in the start position, laid out like the program's board.
void board(Canvas& canvas, int left, int top, int width, const Font& font) {
    const int height = static_cast<int>(static_cast<double>(width) * 0.699999988);
    const int f = static_cast<int>(static_cast<double>(width) * 0.0250000004);
    const int p = (width - 3 * f) / 14;
    const int d = p - 4;
    const int pointHeight = static_cast<int>(static_cast<double>(height) * 0.400000006);
    shadow(canvas, {left + 8, top + 12, left + width + 8, top + height + 12}, 14.0f, 0.75f);

    const Image frame = paintFrameWood(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            canvas.set(left + x, top + y, toColour(frame.at(x, y)));
        }
    }
    const Image field = paintMarble(MarbleKind::DarkBlue, 6 * p, height - 2 * f);
    const std::array<int, 2> halves{left + f, left + f + 7 * p};
    for (int half : halves) {
        for (int y = 0; y < field.height; ++y) {
            for (int x = 0; x < field.width; ++x) {
                canvas.set(half + x, top + f + y, toColour(field.at(x, y)));
            }
        }
    }
    // Points, alternating cream and deep red.
    const Colour cream{0.86f, 0.80f, 0.66f};
    const Colour red{0.62f, 0.14f, 0.12f};
    for (int half : halves) {
        for (int i = 0; i < 6; ++i) {
            const float x = static_cast<float>(half + i * p);
            const float w = static_cast<float>(p);
            const float up = static_cast<float>(top + f);
            const float down = static_cast<float>(top + height - f);
            const float ph = static_cast<float>(pointHeight);
            const auto point = [&](Vec2 a, Vec2 b, Vec2 c, const Colour& colour) {
                paintShape(
                    canvas, wholeCanvas(canvas), [&](Vec2 q) { return sdTriangle(q, a, b, c); },
                    [&](Vec2) { return colour; });
            };
            point({x, up}, {x + w, up}, {x + w * 0.5f, up + ph}, i % 2 == 0 ? cream : red);
            point({x, down}, {x + w, down}, {x + w * 0.5f, down - ph}, i % 2 == 0 ? red : cream);
        }
    }
    // Bevels around the two halves and the tray.
    const int trayLeft = left + 2 * f + 13 * p;
    for (int x0 : {halves[0], halves[1], trayLeft}) {
        const int x1 = x0 + (x0 == trayLeft ? p : 6 * p);
        for (int k = 0; k < 3; ++k) {
            for (int x = x0 - k - 1; x <= x1 + k; ++x) {
                canvas.blend(x, top + f - k - 1, grey(0.0f), 0.35f);
                canvas.blend(x, top + height - f + k, grey(1.0f), 0.12f);
            }
            for (int y = top + f - k - 1; y <= top + height - f + k; ++y) {
                canvas.blend(x0 - k - 1, y, grey(0.0f), 0.35f);
                canvas.blend(x1 + k, y, grey(1.0f), 0.12f);
            }
        }
    }
    // Trays: dark felt.
    paintArea(canvas, {trayLeft, top + f, trayLeft + p, top + height - f}, [&](Vec2 q) {
        return Colour{0.05f, 0.10f, 0.07f} *
               (1.0f + 0.1f * gradientNoise(q.x * 0.3f, q.y * 0.3f, 3u));
    });

    // Checkers in the start position: white moves from the top right.
    const Canvas white = toCanvas(paintStone(StoneColour::White));
    const Canvas black = toCanvas(paintStone(StoneColour::Black));
    const int e = (p - d) / 2;
    const auto column = [&](int index) {
        // Point 0 at the bottom right, leftwards along the bottom, then along the top.
        if (index < 6) {
            return halves[1] + (5 - index) * p;
        }
        if (index < 12) {
            return halves[0] + (11 - index) * p;
        }
        if (index < 18) {
            return halves[0] + (index - 12) * p;
        }
        return halves[1] + (index - 18) * p;
    };
    struct Stack {
        int point;
        int count;
        bool whiteStone;
    };
    const std::array<Stack, 8> stacks{{{23, 2, true},
                                       {12, 5, true},
                                       {7, 3, true},
                                       {5, 5, true},
                                       {0, 2, false},
                                       {11, 5, false},
                                       {16, 3, false},
                                       {18, 5, false}}};
    const Canvas smallWhite = resized(white, d, d);
    const Canvas smallBlack = resized(black, d, d);
    for (const Stack& stack : stacks) {
        const int x = column(stack.point) + e;
        for (int j = 0; j < stack.count; ++j) {
            const int y =
                stack.point >= 12 ? top + f + j * d + e : top + height - f - (j + 1) * d - e;
            compositeOver(canvas, stack.whiteStone ? smallWhite : smallBlack, x, y);
        }
    }
    // The cube in the middle of the bar, a little larger than in play.
    const int cubeSize = d * 3 / 4;
    const Canvas cube = toCanvas(paintCubeFace(64, font));
    placeSprite(canvas, cube, left + f + 6 * p + p / 2 - cubeSize / 2,
                top + height / 2 - cubeSize / 2, cubeSize, cubeSize);
    // Two dice thrown into the right half.
    const int die = d + 4;
    const int diceY = top + height / 2 - die / 2;
    placeSprite(canvas, paintLooseDie(5), halves[1] + 2 * p, diceY - 4, die, die);
    placeSprite(canvas, paintLooseDie(3), halves[1] + 3 * p + p / 2, diceY + 3, die, die);
}

// The title: gold letters with a dark rim, a drop shadow and a lit top edge.
void title(Canvas& canvas, const Font& font, const char* text, float pixelHeight, int centreX,
           int top) {
    const TextMask mask = font.render(text, pixelHeight, 8);
    const InkBox ink = inkBox(mask);
    const int x0 = centreX - (ink.left + ink.right) / 2;
    const int y0 = top - ink.top;
    const TextMask soft = blurred(mask, 2);
    const TextMask rim = blurred(mask, 1);
    const float inkTop = static_cast<float>(ink.top);
    const float inkHeight = static_cast<float>(ink.bottom - ink.top);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            canvas.blend(x0 + x + 3, y0 + y + 4, grey(0.0f), 0.75f * soft.at(x, y));
        }
    }
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            canvas.blend(x0 + x, y0 + y, Colour{0.18f, 0.09f, 0.02f},
                         std::min(1.0f, 2.2f * rim.at(x, y)));
        }
    }
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const float c = mask.at(x, y);
            if (c <= 0.0f) {
                continue;
            }
            // Gold from pale at the top to deep at the foot, with a bright
            // band just above the middle like polished metal.
            const float t = clamp01((static_cast<float>(y) - inkTop) / inkHeight);
            Colour gold = mix(Colour{1.0f, 0.93f, 0.62f}, Colour{0.72f, 0.47f, 0.13f}, t);
            gold = gold + grey(0.25f * std::exp(-std::pow((t - 0.38f) / 0.08f, 2.0f)));
            // Lit where the letter's edge faces up and left.
            const float gx = soft.at(x + 1, y) - soft.at(x - 1, y);
            const float gy = soft.at(x, y + 1) - soft.at(x, y - 1);
            const float lit = std::clamp(0.5f + 1.6f * (gx * 0.6f + gy * 0.8f), 0.0f, 1.0f);
            canvas.blend(x0 + x, y0 + y, gold * (0.8f + 0.35f * lit), c);
        }
    }
}

} // namespace

Image paintPopupLogo(const Font& titleFont) {
    Canvas canvas(kLogoWidth, kLogoHeight);
    table(canvas);
    board(canvas, 90, 122, 460, titleFont);
    title(canvas, titleFont, "Varnholt Backgammon", 58.0f, kLogoWidth / 2, 16);
    return flatten(canvas, grey(0.0f));
}

} // namespace vh::assets
