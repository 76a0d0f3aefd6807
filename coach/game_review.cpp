#include "coach/game_review.h"

#include "ai/neural_engine.h"
#include "neural/network_play.h"
#include "rules/move_generator.h"
#include "rules/play_notation.h"
#include "rules/side.h"

#include <algorithm>

namespace vh {

bool TurnContext::operator==(const TurnContext& other) const {
    return turn.side == other.turn.side && turn.die1 == other.turn.die1 &&
           turn.die2 == other.turn.die2 && samePlay(turn.play, other.turn.play) &&
           turn.cube == other.turn.cube && samePlacement(before, other.before) &&
           cubeValue == other.cubeValue && cubeOwner == other.cubeOwner &&
           openingRoll == other.openingRoll && cubeKnown == other.cubeKnown && match == other.match;
}

std::vector<TurnContext> turnContexts(const GameRecord& record) {
    std::vector<TurnContext> contexts;
    BoardPosition position = record.start;
    std::int32_t cubeValue = record.startCubeValue;
    int cubeOwner = record.startCubeOwner;
    for (const RecordedTurn& turn : record.turns) {
        const bool cubeKnown = contexts.size() >= record.cubeKnownFrom;
        if (record.cubeKnownFrom > 0 && contexts.size() == record.cubeKnownFrom) {
            cubeValue = record.knownCubeValue;
            cubeOwner = record.knownCubeOwner;
        }
        contexts.push_back({turn, position, cubeValue, cubeOwner,
                            record.openingRoll && contexts.empty(), cubeKnown, record.match});
        if (turn.cube == CubeAction::DoubleTaken) {
            cubeValue *= 2;
            cubeOwner = otherSide(turn.side);
        }
        applyPlay(turn.play, position);
    }
    return contexts;
}

namespace {

// The mover's equity after its best play of the roll by the network alone
// (after standing still when the roll cannot be played), as the engine
// judges it at the score.
float bestEquityOfRoll(const NeuralNetwork& network, const NeuralEngine& engine,
                       BoardPosition& position, int side, int die1, int die2,
                       NeuralWorkspace& workspace) {
    generatePlays(workspace.list, position, side, die1, die2);
    if (workspace.list.count == 0 || workspace.list[0].count == 0) {
        return engine.equityFor(chancesAfterPlay(network, position, side), side);
    }
    return engine.bestPlayFor(workspace.list, position, side, die1, die2).equity;
}

float luckOfRoll(const NeuralNetwork& network, const NeuralEngine& engine,
                 const TurnContext& context, NeuralWorkspace& workspace) {
    const RecordedTurn& turn = context.turn;
    BoardPosition position = context.before;
    const float actual =
        bestEquityOfRoll(network, engine, position, turn.side, turn.die1, turn.die2, workspace);
    float sum = 0.0f;
    int weights = 0;
    for (const WeightedRoll& roll : distinctRolls()) {
        if (context.openingRoll && roll.die1 == roll.die2) {
            continue;
        }
        sum +=
            static_cast<float>(roll.weight) *
            bestEquityOfRoll(network, engine, position, turn.side, roll.die1, roll.die2, workspace);
        weights += roll.weight;
    }
    return actual - sum / static_cast<float>(weights);
}

void judgeCube(NeuralEngine& engine, const TurnContext& context, TurnReview& review) {
    const RecordedTurn& turn = context.turn;
    const bool mayDouble = context.cubeOwner == -1 || context.cubeOwner == turn.side;
    if (!mayDouble || !context.cubeKnown || !context.match.cubeAvailable()) {
        return;
    }
    AnalysisRequest request{context.before,    turn.side,    0, 0, context.cubeValue,
                            context.cubeOwner, context.match};
    const Analysis analysis = analyse(engine, request);
    const CubeAdvice& advice = *analysis.cube;
    const bool doubled = turn.cube != CubeAction::None;
    review.cubeCounted = doubled || advice.verdict != CubeVerdict::NoDouble;
    if (!review.cubeCounted) {
        return;
    }
    review.cube = advice;
    review.cubeLoss =
        std::max(0.0f, advice.best() - (doubled ? advice.doubled() : advice.noDouble));
    if (turn.cube == CubeAction::DoubleTaken) {
        review.takeLoss = std::max(0.0f, advice.doubleTake - advice.doublePass);
    } else if (turn.cube == CubeAction::DoublePassed) {
        review.takeLoss = std::max(0.0f, advice.doublePass - advice.doubleTake);
    }
}

} // namespace

TurnReview reviewTurn(std::shared_ptr<const NeuralNetwork> network, const TurnContext& context,
                      NeuralWorkspace& workspace, const std::atomic<bool>* stop, int plies) {
    const auto stopped = [stop] { return stop != nullptr && stop->load(); };
    TurnReview review;
    review.context = context;
    const RecordedTurn& turn = context.turn;
    AnalysisRequest request{context.before,    turn.side,         turn.die1,    turn.die2,
                            context.cubeValue, context.cubeOwner, context.match};
    const std::unique_ptr<NeuralEngine> engine =
        makeAnalysisEngine(network, request, plies, &workspace);
    judgeCube(*engine, context, review);
    review.playedText = describePlay(turn.play, turn.side);
    BoardPosition after = context.before;
    applyPlay(turn.play, after);
    const float win = chancesAfterPlay(*network, after, turn.side)[kWin];
    review.winChance0 = turn.side == 0 ? win : 1.0f - win;
    if (!request.rolled() || stopped()) {
        review.bestText = review.playedText;
        return review;
    }
    const Analysis analysis = analyse(*engine, request);
    if (stopped()) {
        return review;
    }
    review.luck = luckOfRoll(*network, *engine, context, workspace);
    review.unforced = analysis.plays.size() > 1;
    if (analysis.plays.empty()) {
        review.bestText = review.playedText;
        return review;
    }
    const RankedMove& best = analysis.plays.front();
    review.best = best.play;
    review.bestText = best.text;
    for (const RankedMove& move : analysis.plays) {
        BoardPosition reached = context.before;
        applyPlay(move.play, reached);
        if (samePlacement(reached, after)) {
            review.loss = std::max(0.0f, -move.difference);
            break;
        }
    }
    review.size = review.unforced ? mistakeSize(review.loss) : MistakeSize::None;
    return review;
}

GameReview summariseReview(const GameRecord& record, std::vector<TurnReview> turns) {
    GameReview review;
    for (int side = 0; side < 2; ++side) {
        review.sides[static_cast<std::size_t>(side)].name =
            record.names[static_cast<std::size_t>(side)];
    }
    for (const TurnReview& turn : turns) {
        const int mover = turn.context.turn.side;
        SideReview& own = review.sides[static_cast<std::size_t>(mover)];
        SideReview& other = review.sides[static_cast<std::size_t>(otherSide(mover))];
        if (turn.unforced) {
            ++own.decisions;
            own.equityLost += turn.loss;
            own.doubtful += turn.size == MistakeSize::Doubtful ? 1 : 0;
            own.errors += turn.size == MistakeSize::Error ? 1 : 0;
            own.blunders += turn.size == MistakeSize::Blunder ? 1 : 0;
        }
        if (turn.cubeCounted) {
            ++own.decisions;
            own.equityLost += turn.cubeLoss;
            own.cubeErrors += turn.cubeLoss >= kDoubtfulFrom ? 1 : 0;
        }
        if (turn.context.turn.cube != CubeAction::None && turn.cube) {
            ++other.decisions;
            other.equityLost += turn.takeLoss;
            other.cubeErrors += turn.takeLoss >= kDoubtfulFrom ? 1 : 0;
        }
        own.luck += turn.luck;
    }
    for (SideReview& side : review.sides) {
        side.errorRate = side.decisions > 0
                             ? 1000.0f * side.equityLost / static_cast<float>(side.decisions)
                             : 0.0f;
        side.rating = performanceRating(side.equityLost, side.decisions);
        side.ratingText = ratingWord(side.rating);
    }
    review.turns = std::move(turns);
    review.finished = record.winner >= 0;
    if (review.finished) {
        review.result0 = record.winner == 0 ? record.points : -record.points;
        review.luckAdjusted0 =
            static_cast<float>(review.result0) - (review.sides[0].luck - review.sides[1].luck);
    }
    return review;
}

GameReview reviewGame(std::shared_ptr<const NeuralNetwork> network, const GameRecord& record,
                      int plies) {
    const std::unique_ptr<NeuralWorkspace> workspace = makeNeuralWorkspace();
    std::vector<TurnReview> turns;
    for (const TurnContext& context : turnContexts(record)) {
        turns.push_back(reviewTurn(network, context, *workspace, nullptr, plies));
    }
    return summariseReview(record, std::move(turns));
}

} // namespace vh
