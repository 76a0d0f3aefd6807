#pragma once

#include "rules/board_position.h"
#include "rules/play.h"
#include "rules/play_list.h"

#include <string>
#include <string_view>

namespace vh {

// A play typed by a player. When it is not made, `problem` says why in one
// line, for the status line.
struct TypedPlay {
    bool made = false;
    Play play;
    std::string problem;
};

// The legal play of the roll that `text` names, written from the mover's own
// side in the usual notation ("24/18 13/11", "bar/20*", "6/off 5/off",
// "8/5(2)", "24/18/13", "13/7*/1"; the "*" is optional, the moves may come in
// any order). Only a whole legal play is made: the one whose result is the
// position typed, or, when the text leaves out a hit on the way, the only
// legal play that leaves the mover's checkers where the text puts them. An
// empty text (or "no move") is the play of a roll that cannot be played.
TypedPlay readTypedPlay(std::string_view text, const BoardPosition& position, int side, int die1,
                        int die2);
// The same with the caller's list for the legal plays (it is large: keep it
// on the heap), for callers that read many plays.
TypedPlay readTypedPlay(std::string_view text, const BoardPosition& position, int side, int die1,
                        int die2, PlayList& plays);

} // namespace vh
