#pragma once

#include "board/geometry.h"
#include "rules/board_record.h"

namespace vh {

// The board as the stone animation and the mouse see it: the board record,
// where each checker slot lies, and the drawing. The board view draws into
// its buffers; a headless stage (the command-line tool, tests) draws nothing.
class CheckerStage {
public:
    virtual ~CheckerStage() = default;

    virtual BoardRecord& board() = 0;
    // The j-th checker slot of a location, in board coordinates.
    virtual Rect slotRect(int location, int index) const = 0;
    // The area of a location (0-27) that the mouse finds it by.
    virtual Rect locationRect(int location) const = 0;
    // The board record changed: compose and show the whole board.
    virtual void render() = 0;
    // A checker has been lifted from `slot`; it is drawn moving from there on.
    virtual void startMovingChecker(const Rect& slot) = 0;
    // Draws the moving checker of `side` with its upper left corner at (x, y)
    // and returns the area of the screen that changed.
    virtual Rect drawMovingChecker(int x, int y, int side) = 0;

    // The location of the checker in the air (lifted and not yet put down
    // anywhere), or -1: it still counts as the side's, e.g. for its pips.
    int liftedFrom() const { return liftedFrom_; }
    void setLiftedFrom(int location) { liftedFrom_ = location; }

    // The side that holds the doubling cube, or -1 while nobody does: the
    // board record does not know it, the drawing puts the cube on its side.
    int cubeOwner() const { return cubeOwner_; }
    void setCubeOwner(int side) { cubeOwner_ = side; }

private:
    int liftedFrom_ = -1;
    int cubeOwner_ = -1;
};

// Takes the top checker off a location to move it by hand or by animation:
// the location's count drops by one and the board is redrawn without it.
// Returns the slot the checker occupied. It is in the air until a checker is
// placed again.
Rect liftChecker(CheckerStage& stage, int location);

// The location (0-27) under board point (x, y), the lowest index first, or
// -1 when there is none.
int entryAt(const CheckerStage& stage, int x, int y);

// The size of a checker on the board.
int checkerSize(const CheckerStage& stage);

// Puts a checker of `side` on a location. A single checker of the other side
// there goes to its bar. The board is redrawn; no checker is in the air.
void placeChecker(CheckerStage& stage, int location, int side);

// A stage that keeps the board record and its layout and draws nothing.
class HeadlessStage final : public CheckerStage {
public:
    explicit HeadlessStage(BoardRecord& board);

    BoardRecord& board() override { return board_; }
    Rect slotRect(int location, int index) const override;
    Rect locationRect(int location) const override;
    void render() override { ++renders_; }
    void startMovingChecker(const Rect& slot) override { moving_ = slot; }
    Rect drawMovingChecker(int x, int y, int side) override;

    int renders() const { return renders_; }
    // Where the moving checker was drawn last.
    const Rect& movingChecker() const { return moving_; }

private:
    BoardRecord& board_;
    Rect moving_;
    int renders_ = 0;
};

} // namespace vh
