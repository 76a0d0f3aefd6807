#pragma once

#include "ai/engine_parameters.h"
#include "ai/evaluation.h"
#include "ai/search_engine.h"
#include "ai/search_statistics.h"
#include "ai/search_workspace.h"
#include "platform/search_deadline.h"
#include "rules/board_record.h"
#include "rules/move_generator.h"
#include "rules/play.h"

#include <cstdint>
#include <memory>

namespace vh {

// What an engine is built for. Only an engine that chooses a play draws the
// random value of the random strength tier.
enum class EngineTask { ChoosePlay, AnswerDouble };

// The computer's search, by strength: a random legal play, the best play by
// the static evaluation (one ply), or a look at every roll of the opponent and
// its best replies (two ply). Built on the game's thread, it copies what it
// reads of the board (position, dice, cube), so run() on a worker never looks
// at the game's board.
class LookaheadEngine final : public SearchEngine {
public:
    // How many ordered candidates the root looks at more closely.
    static constexpr int kRootCandidates = 6;

    // `budgetMs` from now the search judges what is left statically; a budget
    // of 0 judges every candidate statically. The random tier's value is
    // drawn here, on the caller's thread, from the program's generator.
    // `workspace`, when given, is lent by the caller and must outlive run();
    // otherwise the engine allocates its own when it first needs one.
    LookaheadEngine(const EngineParameters& parameters, const BoardRecord& board, int side,
                    std::uint32_t budgetMs, EngineTask task = EngineTask::ChoosePlay,
                    SearchWorkspace* workspace = nullptr);

    // Chooses the play for the board's roll; result() holds it afterwards
    // (no moves when the roll cannot be played).
    void run() override;
    // Safe from any thread while run() is active: the search finishes with
    // the candidates it has not looked at yet judged statically.
    void stop() override;
    bool shouldOfferDouble(const BoardPosition& position) const override;
    bool acceptDouble(const BoardPosition& position) const override;

    // Read after run() has returned (after the worker has been joined).
    const Play& result() const override { return result_; }
    const SearchStatistics& statistics() const { return statistics_; }
    int side() const { return side_; }
    std::int32_t strength() const { return parameters_.strength; }
    int maxDepth() const { return maxDepth_; }
    std::int32_t cubeValue() const { return cubeValue_; }

private:
    struct NodeValue {
        Evaluation value;
        bool expanded = false; // judges the side to move instead of the one that just played
    };

    SearchWorkspace& workspace();
    void playRandomly();
    void searchRoot();
    NodeValue node(BoardPosition& position, int sideToMove, int depth);

    EngineParameters parameters_;
    int side_;
    BoardPosition position_;
    int die1_;
    int die2_;
    std::int32_t cubeValue_;
    DiceUsed diceUsed_{};
    int randomDraw_ = 0;
    int maxDepth_ = 1;
    SearchDeadline deadline_;
    Play result_;
    SearchStatistics statistics_;
    SearchWorkspace* workspace_;
    std::unique_ptr<SearchWorkspace> ownWorkspace_;
};

} // namespace vh
