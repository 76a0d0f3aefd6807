#include "tools/varnholt-train/curve_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace vh::train {
namespace {

constexpr double kWidth = 720;
constexpr double kHeight = 400;
constexpr double kLeft = 70;
constexpr double kRight = 20;
constexpr double kTop = 40;
constexpr double kBottom = 50;

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// A tick step of 1, 2 or 5 times a power of ten giving about `ticks` ticks.
double niceStep(double span, int ticks) {
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= raw) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

std::string tickLabel(double value, double step) {
    char text[32];
    if (step >= 1000.0) {
        std::snprintf(text, sizeof text, "%.0fk", value / 1000.0);
    } else if (step >= 1.0) {
        std::snprintf(text, sizeof text, "%.0f", value);
    } else {
        std::snprintf(text, sizeof text, "%.1f", value);
    }
    return text;
}

} // namespace

std::optional<Curve> parseCurve(std::string_view text, std::string& error) {
    constexpr std::string_view kNamedHeader = "games,ppg vs ";
    Curve curve{"classic:2001", {}};
    std::istringstream in{std::string(text)};
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (line.starts_with(kNamedHeader)) {
            curve.yardstick =
                line.substr(kNamedHeader.size(), line.find(",ci,") - kNamedHeader.size());
        }
        if (line.empty() || line.starts_with("games")) {
            continue;
        }
        CurvePoint point;
        if (std::sscanf(line.c_str(), "%lf,%lf,%lf", &point.games, &point.ppg, &point.ci) != 3) {
            error = "line " + std::to_string(number) + " is not games,ppg,ci";
            return std::nullopt;
        }
        curve.points.push_back(point);
    }
    return curve;
}

std::string curveSvg(const std::vector<CurvePoint>& points, std::string_view title) {
    double maxGames = 1;
    double low = -1.0;
    double high = 1.0;
    for (const CurvePoint& p : points) {
        maxGames = std::max(maxGames, p.games);
        low = std::min(low, p.ppg - p.ci);
        high = std::max(high, p.ppg + p.ci);
    }
    const double yStep = niceStep(high - low, 6);
    low = std::floor(low / yStep) * yStep;
    high = std::ceil(high / yStep) * yStep;
    const double xStep = niceStep(maxGames, 6);
    maxGames = std::ceil(maxGames / xStep) * xStep;
    const double plotWidth = kWidth - kLeft - kRight;
    const double plotHeight = kHeight - kTop - kBottom;
    const auto x = [&](double games) { return kLeft + games / maxGames * plotWidth; };
    const auto y = [&](double ppg) { return kTop + (high - ppg) / (high - low) * plotHeight; };

    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << kWidth << "\" height=\""
        << kHeight << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << "<text x=\"" << kWidth / 2 << "\" y=\"22\" text-anchor=\"middle\" font-size=\"15\">"
        << title << "</text>\n";
    for (double v = low; v <= high + yStep / 2; v += yStep) {
        svg << "<line x1=\"" << kLeft << "\" x2=\"" << kWidth - kRight << "\" y1=\"" << number(y(v))
            << "\" y2=\"" << number(y(v)) << "\" stroke=\""
            << (std::abs(v) < 1e-9 ? "#444" : "#ddd") << "\"/>\n"
            << "<text x=\"" << kLeft - 8 << "\" y=\"" << number(y(v) + 4)
            << "\" text-anchor=\"end\">" << tickLabel(v, yStep) << "</text>\n";
    }
    for (double g = 0; g <= maxGames + xStep / 2; g += xStep) {
        svg << "<line x1=\"" << number(x(g)) << "\" x2=\"" << number(x(g)) << "\" y1=\"" << kTop
            << "\" y2=\"" << kHeight - kBottom << "\" stroke=\"#eee\"/>\n"
            << "<text x=\"" << number(x(g)) << "\" y=\"" << kHeight - kBottom + 18
            << "\" text-anchor=\"middle\">" << tickLabel(g, xStep) << "</text>\n";
    }
    svg << "<text x=\"" << kLeft + plotWidth / 2 << "\" y=\"" << kHeight - 10
        << "\" text-anchor=\"middle\">self-play games</text>\n"
        << "<text transform=\"translate(18," << kTop + plotHeight / 2
        << ") rotate(-90)\" text-anchor=\"middle\">points per game</text>\n";
    if (!points.empty()) {
        svg << "<polygon fill=\"#9cc3e6\" fill-opacity=\"0.5\" points=\"";
        for (const CurvePoint& p : points) {
            svg << number(x(p.games)) << ',' << number(y(p.ppg + p.ci)) << ' ';
        }
        for (auto p = points.rbegin(); p != points.rend(); ++p) {
            svg << number(x(p->games)) << ',' << number(y(p->ppg - p->ci)) << ' ';
        }
        svg << "\"/>\n<polyline fill=\"none\" stroke=\"#1f5f9f\" stroke-width=\"2\" points=\"";
        for (const CurvePoint& p : points) {
            svg << number(x(p.games)) << ',' << number(y(p.ppg)) << ' ';
        }
        svg << "\"/>\n";
        for (const CurvePoint& p : points) {
            svg << "<circle cx=\"" << number(x(p.games)) << "\" cy=\"" << number(y(p.ppg))
                << "\" r=\"3\" fill=\"#1f5f9f\"/>\n";
        }
    }
    svg << "</svg>\n";
    return svg.str();
}

} // namespace vh::train
