#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vh::train {

// One measurement of a training run: after `games` games, points per game
// against the classic two-ply tier with the half-width of its 95 % interval.
struct CurvePoint {
    double games = 0;
    double ppg = 0;
    double ci = 0;
};

// The points of a curve file ("games,ppg,ci,seconds" and one line per
// measurement); nothing, with `error`, when a line cannot be read.
std::optional<std::vector<CurvePoint>> parseCurve(std::string_view text, std::string& error);

// The learning curve as an SVG picture: points per game against the number
// of games, the 95 % intervals as a band, and the zero line.
std::string curveSvg(const std::vector<CurvePoint>& points, std::string_view title);

} // namespace vh::train
