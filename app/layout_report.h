#pragma once

#include <QString>

namespace vh::app {

class BoardWidget;

// For tests that drive the real program with a mouse from outside: when the
// environment names a file in VARNHOLT_LAYOUT_REPORT, the board keeps in it
// where things are on the screen (global logical pixels) and how the game
// stands, one item a line:
//   side S            the side to move
//   dice-shown 0|1    whether that side's dice are shown
//   state N           the game's state (1 playing, 2 paused, 5 over, ...)
//   dice D1 D2        the roll
//   position N...     the 28 signed checker counts of the command-line tool
//   highlights N...   the highlighted board locations
//   cup X Y           the centre of that side's dice cup, while it shows
//   location N X Y    the centre of board location N (0-27)
class LayoutReport {
public:
    LayoutReport();
    bool wanted() const { return !path_.isEmpty(); }
    // Rewrites the file when what it would say has changed.
    void update(const BoardWidget& board);

private:
    QString path_;
    QString written_;
};

} // namespace vh::app
