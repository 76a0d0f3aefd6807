#pragma once

#include "rules/board_position.h"
#include "rules/play.h"

namespace vh {

// Chooses the computer's play for a roll and makes its doubling decisions.
// run() may take long and runs on a worker thread; stop() may be called from
// another thread while it runs and makes it finish at once with the best play
// found so far. The doubling decisions judge the engine's own side.
class SearchEngine {
public:
    virtual ~SearchEngine() = default;

    virtual void run() = 0;
    virtual void stop() = 0;
    virtual bool shouldOfferDouble(const BoardPosition& position) const = 0;
    virtual bool acceptDouble(const BoardPosition& position) const = 0;
    // The chosen play, read after run() has returned (no moves when the roll
    // cannot be played).
    virtual const Play& result() const = 0;
};

} // namespace vh
