#pragma once
// Draws the topics repeat: Random(n) again and again until the value is large enough, so
// drawNonZero(random, 21) gives 1 .. 20.

#include "services.h"

#include <algorithm>

namespace quorvel {

inline int drawAtLeast(RandomSource& random, int n, int least)
{
    if (n <= least)
        return least; // no value could ever pass
    int v = 0;
    do {
        v = random.random(n);
    } while (v < least);
    return v;
}

inline int drawNonZero(RandomSource& random, int n) { return drawAtLeast(random, n, 1); }

// A difficulty from the settings page, kept to 0 leicht .. 2 schwer.
inline int clampDifficulty(int difficulty) { return std::clamp(difficulty, 0, 2); }

} // namespace quorvel
