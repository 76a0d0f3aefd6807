#pragma once

namespace vh {

// How a game begins: each side rolls one die, a tie is rolled again, and the
// side with the higher die starts by playing the two numbers, so the first
// turn is never a double.
struct OpeningRoll {
    int firstSide = 0;
    int die1 = 2; // the starting side's own die, the higher
    int die2 = 1; // the other side's
};

// `rollDie` gives one die, 1 to 6; side 0 rolls first, then side 1.
template <typename RollDie>
OpeningRoll rollOpening(RollDie&& rollDie) {
    for (;;) {
        const int sideZero = rollDie();
        const int sideOne = rollDie();
        if (sideZero > sideOne) {
            return {0, sideZero, sideOne};
        }
        if (sideOne > sideZero) {
            return {1, sideOne, sideZero};
        }
    }
}

} // namespace vh
