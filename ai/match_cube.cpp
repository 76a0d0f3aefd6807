#include "ai/match_cube.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace vh {
namespace {

// Straight lines through up to four points, x rising from 0 to 1.
class Polyline {
public:
    void add(double x, double y) {
        const double from = count_ == 0 ? 0.0 : points_[count_ - 1][0];
        points_[count_++] = {std::clamp(x, from, 1.0), y};
    }

    double at(double x) const {
        for (std::size_t i = 1; i < count_; ++i) {
            const auto& [x0, y0] = points_[i - 1];
            const auto& [x1, y1] = points_[i];
            if (x <= x1) {
                return x1 <= x0 ? y1 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
            }
        }
        return points_[count_ - 1][1];
    }

    // The first x at which the lines reach y, the lines rising.
    double where(double y) const {
        if (y <= points_[0][1]) {
            return points_[0][0];
        }
        for (std::size_t i = 1; i < count_; ++i) {
            const auto& [x0, y0] = points_[i - 1];
            const auto& [x1, y1] = points_[i];
            if (y <= y1) {
                return y1 <= y0 ? x0 : x0 + (x1 - x0) * (y - y0) / (y1 - y0);
            }
        }
        return points_[count_ - 1][0];
    }

private:
    std::array<std::array<double, 2>, 4> points_{};
    std::size_t count_ = 0;
};

// One position's chances at the score, seen from the side about to roll:
// its chances after the game at each cube, and its fully live cubes.
class CubeLife {
public:
    CubeLife(const ScoreView& view, const OutcomeChances& chances) : view_(view) {
        win_ = chances[kWin];
        const double lose = 1.0 - win_;
        winGammon_ = win_ > 0.0 ? chances[kWinGammon] / win_ : 0.0;
        winBackgammon_ = win_ > 0.0 ? chances[kWinBackgammon] / win_ : 0.0;
        loseGammon_ = lose > 0.0 ? chances[kLoseGammon] / lose : 0.0;
        loseBackgammon_ = lose > 0.0 ? chances[kLoseBackgammon] / lose : 0.0;
    }

    double winChance() const { return win_; }

    // The side's average chance after a won game, and after a lost one.
    double winValue(int cube) const {
        return (1.0 - winGammon_) * view_.afterGame(cube) +
               (winGammon_ - winBackgammon_) * view_.afterGame(2 * cube) +
               winBackgammon_ * view_.afterGame(3 * cube);
    }
    double lossValue(int cube) const {
        return (1.0 - loseGammon_) * view_.afterGame(-cube) +
               (loseGammon_ - loseBackgammon_) * view_.afterGame(-2 * cube) +
               loseBackgammon_ * view_.afterGame(-3 * cube);
    }
    double dead(int cube) const { return win_ * winValue(cube) + (1.0 - win_) * lossValue(cube); }

    // The side's chance, over its winning chance, with a fully live cube.
    Polyline live(int cube, CubeOwner owner) const {
        const bool sideMay = owner != CubeOwner::Opponent && view_.cubeAlive(cube);
        const bool opponentMay = owner != CubeOwner::Roller && opponentCubeAlive(cube);
        Polyline line;
        line.add(0.0, lossValue(cube));
        if (opponentMay) {
            // Where the side is doubled out: it passes, or takes and owns the cube.
            line.add(live(2 * cube, CubeOwner::Roller).where(view_.afterGame(-cube)),
                     view_.afterGame(-cube));
        }
        if (sideMay) {
            // Where the side cashes: the opponent passes, or takes and owns the cube.
            line.add(live(2 * cube, CubeOwner::Opponent).where(view_.afterGame(cube)),
                     view_.afterGame(cube));
        }
        line.add(1.0, winValue(cube));
        return line;
    }

    double cubeful(int cube, CubeOwner owner, float efficiency) const {
        return efficiency * live(cube, owner).at(win_) + (1.0f - efficiency) * dead(cube);
    }

private:
    bool opponentCubeAlive(int cube) const { return view_.cubeAvailable && cube < view_.otherAway; }

    ScoreView view_;
    double win_;
    double winGammon_;
    double winBackgammon_;
    double loseGammon_;
    double loseBackgammon_;
};

} // namespace

double cubefulMatchChance(const ScoreView& view, const OutcomeChances& chances, int cube,
                          CubeOwner owner, float efficiency) {
    return CubeLife(view, consistent(chances)).cubeful(boundedCube(cube), owner, efficiency);
}

CubeDecision matchCubeDecision(const ScoreView& view, const OutcomeChances& chances, int cube,
                               bool cubeCentred, float efficiency) {
    cube = boundedCube(cube);
    const CubeLife life(view, consistent(chances));
    const double noDouble =
        life.cubeful(cube, cubeCentred ? CubeOwner::Centred : CubeOwner::Roller, efficiency);
    const double doubleTake = life.cubeful(2 * cube, CubeOwner::Opponent, efficiency);
    const double doublePass = view.afterGame(cube);
    CubeDecision decision;
    decision.noDouble = equityOfChance(view, noDouble, cube);
    decision.doubleTake = equityOfChance(view, doubleTake, cube);
    decision.doublePass = equityOfChance(view, doublePass, cube);
    decision.shouldTake = doubleTake <= doublePass;
    const bool mayGain = view.cubeAlive(cube);
    decision.tooGood = mayGain && noDouble > doublePass;
    decision.shouldDouble =
        mayGain && !decision.tooGood && std::min(doubleTake, doublePass) >= noDouble;
    return decision;
}

} // namespace vh
