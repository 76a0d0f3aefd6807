#include "neural/cube_decision.h"

#include <algorithm>

namespace vh {
namespace {

// y on the line through (x0, y0) and (x1, y1) at x.
float onLine(float x, float x0, float y0, float x1, float y1) {
    if (x1 <= x0) {
        return y1;
    }
    return y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

} // namespace

float cubefulEquity(const OutcomeChances& raw, CubeOwner owner, float efficiency) {
    const OutcomeChances c = consistent(raw);
    const float p = c[kWin];
    const float winValue = p > 0.0f ? 1.0f + (c[kWinGammon] + c[kWinBackgammon]) / p : 1.0f;
    const float lossValue =
        p < 1.0f ? 1.0f + (c[kLoseGammon] + c[kLoseBackgammon]) / (1.0f - p) : 1.0f;
    const float dead = cubelessEquity(c);
    const float spread = winValue + lossValue + 0.5f;
    const float takePoint = (lossValue - 0.5f) / spread;
    const float cashPoint = (lossValue + 1.0f) / spread;
    float live = 0.0f;
    switch (owner) {
    case CubeOwner::Centred:
        if (p < takePoint) {
            live = onLine(p, 0.0f, -lossValue, takePoint, -1.0f);
        } else if (p < cashPoint) {
            live = onLine(p, takePoint, -1.0f, cashPoint, 1.0f);
        } else {
            live = onLine(p, cashPoint, 1.0f, 1.0f, winValue);
        }
        break;
    case CubeOwner::Roller:
        live = p < cashPoint ? onLine(p, 0.0f, -lossValue, cashPoint, 1.0f)
                             : onLine(p, cashPoint, 1.0f, 1.0f, winValue);
        break;
    case CubeOwner::Opponent:
        live = p < takePoint ? onLine(p, 0.0f, -lossValue, takePoint, -1.0f)
                             : onLine(p, takePoint, -1.0f, 1.0f, winValue);
        break;
    }
    return efficiency * live + (1.0f - efficiency) * dead;
}

CubeDecision cubeDecision(const OutcomeChances& chances, bool cubeCentred, float efficiency) {
    CubeDecision decision;
    decision.noDouble =
        cubefulEquity(chances, cubeCentred ? CubeOwner::Centred : CubeOwner::Roller, efficiency);
    decision.doubleTake = 2.0f * cubefulEquity(chances, CubeOwner::Opponent, efficiency);
    decision.doublePass = 1.0f;
    decision.shouldTake = decision.doubleTake <= decision.doublePass;
    decision.tooGood = decision.noDouble > decision.doublePass;
    decision.shouldDouble = !decision.tooGood &&
                            std::min(decision.doubleTake, decision.doublePass) >= decision.noDouble;
    return decision;
}

} // namespace vh
