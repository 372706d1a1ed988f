#pragma once
// Banding arithmetic of the gradient background, free of any window code.

#include "muldiv.h"

#include <cstdint>
#include <vector>

namespace quorvel {

enum FillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };

struct BandRgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const BandRgb&, const BandRgb&) = default;
};

// One solid stripe: pixels [from, to) along the run (rows for the vertical
// directions, columns for the horizontal ones), across the full other side.
struct GradientBand {
    int from = 0;
    int to = 0;
    BandRgb colour;
};

// Bands for a width x height area. Begin lies at the top or left for
// fdTopToBottom / fdLeftToRight and at the bottom or right for the other two.
// Zero colours are painted like one: the whole area in the start colour, so a
// background never shows uninitialised pixels.
std::vector<GradientBand> gradientBands(int width, int height, BandRgb begin, BandRgb end,
                                        FillDirection direction, int numberOfColors);

inline bool isVerticalRun(FillDirection d) { return d == fdTopToBottom || d == fdBottomToTop; }

} // namespace quorvel
