#include "rules/board_record.h"

namespace vh {

void clearBoard(BoardRecord& board) {
    clearPosition(board.position);
    board.highlights.fill(kHighlightNone);
}

void setUpStartPosition(BoardRecord& board) {
    clearBoard(board);
    setStartPosition(board.position);
    board.die1 = 3;
    board.die2 = 5;
    board.cubeValue = 1;
}

} // namespace vh
