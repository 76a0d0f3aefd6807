#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::train {

// One measurement of a training run: after `games` games, points per game
// against the curve's yardstick with the half-width of its 95 % interval.
struct CurvePoint {
    double games = 0;
    double ppg = 0;
    double ci = 0;
};

struct Curve {
    std::string yardstick; // what the network played against
    std::vector<CurvePoint> points;
};

// The curve of a curve file: its header "games,ppg vs YARDSTICK,ci,seconds"
// ("games,ppg,ci,seconds" in curves measured against classic:2001 before the
// header named it) and one line per measurement; nothing, with `error`, when
// a line cannot be read.
std::optional<Curve> parseCurve(std::string_view text, std::string& error);

// The learning curve as an SVG picture: points per game against the number
// of games, the 95 % intervals as a band, and the zero line.
std::string curveSvg(const std::vector<CurvePoint>& points, std::string_view title);

} // namespace vh::train
