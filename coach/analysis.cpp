#include "coach/analysis.h"

#include "ai/neural_engine.h"
#include "neural/cube_decision.h"
#include "rules/play_notation.h"

namespace vh {

bool sameRequest(const AnalysisRequest& a, const AnalysisRequest& b) {
    return samePlacement(a.position, b.position) && a.side == b.side && a.die1 == b.die1 &&
           a.die2 == b.die2 && a.cubeValue == b.cubeValue && a.cubeOwner == b.cubeOwner &&
           a.match == b.match;
}

const char* cubeVerdictText(CubeVerdict verdict) {
    switch (verdict) {
    case CubeVerdict::DoubleTake:
        return "Double, take";
    case CubeVerdict::DoublePass:
        return "Double, pass";
    case CubeVerdict::TooGoodToDouble:
        return "Too good to double";
    case CubeVerdict::NoDouble:
        break;
    }
    return "No double";
}

std::unique_ptr<NeuralEngine> makeAnalysisEngine(std::shared_ptr<const NeuralNetwork> network,
                                                 const AnalysisRequest& request, int plies,
                                                 NeuralWorkspace* workspace) {
    BoardRecord board;
    board.position = request.position;
    board.die1 = request.rolled() ? request.die1 : 1;
    board.die2 = request.rolled() ? request.die2 : 1;
    board.cubeValue = request.cubeValue;
    // No time limit of its own: the caller stops it.
    auto engine = std::make_unique<NeuralEngine>(std::move(network), plies, board, request.side,
                                                 0x7FFFFFFFu, workspace);
    engine->setMatch(request.match);
    return engine;
}

namespace {

CubeAdvice adviseCube(const NeuralEngine& engine, const AnalysisRequest& request) {
    CubeAdvice advice;
    advice.chances = engine.chancesOnRoll(request.position, request.side);
    advice.mayDouble = (request.cubeOwner == -1 || request.cubeOwner == request.side) &&
                       request.match.cubeAvailable();
    if (!advice.mayDouble) {
        advice.noDouble =
            engine.cubefulEquityFor(advice.chances, request.side, CubeOwner::Opponent);
        return advice;
    }
    const CubeDecision decision =
        engine.cubeDecisionFrom(advice.chances, request.side, request.cubeOwner == -1);
    advice.noDouble = decision.noDouble;
    advice.doubleTake = decision.doubleTake;
    advice.doublePass = decision.doublePass;
    advice.take = decision.shouldTake;
    if (decision.tooGood) {
        advice.verdict = CubeVerdict::TooGoodToDouble;
    } else if (decision.shouldDouble) {
        advice.verdict = decision.shouldTake ? CubeVerdict::DoubleTake : CubeVerdict::DoublePass;
    }
    return advice;
}

} // namespace

Analysis analyse(NeuralEngine& engine, const AnalysisRequest& request) {
    Analysis analysis;
    analysis.request = request;
    analysis.plies = engine.plies();
    if (!request.rolled()) {
        analysis.cube = adviseCube(engine, request);
        return analysis;
    }
    const auto ranked = engine.rankAllPlays();
    if (ranked.size() == 1 && ranked.front().first.count == 0) {
        return analysis; // no legal play
    }
    const float best = ranked.empty() ? 0.0f : ranked.front().second.equity;
    for (const auto& [play, judged] : ranked) {
        analysis.plays.push_back({play, describePlay(play, request.side), judged.equity,
                                  judged.equity - best, judged.chances});
    }
    return analysis;
}

} // namespace vh
