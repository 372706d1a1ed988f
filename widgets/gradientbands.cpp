#include "gradientbands.h"

#include <cstdlib>

namespace quorvel {

std::vector<GradientBand> gradientBands(int width, int height, BandRgb begin, BandRgb end,
                                        FillDirection direction, int numberOfColors)
{
    std::vector<GradientBand> bands;
    if (width <= 0 || height <= 0)
        return bands;
    const int n = numberOfColors < 1 ? 1 : numberOfColors;
    const bool reversed = direction == fdBottomToTop || direction == fdRightToLeft;
    const BandRgb start = reversed ? end : begin;
    const BandRgb stop = reversed ? begin : end;
    const int length = isVerticalRun(direction) ? height : width;

    bands.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        BandRgb c = start;
        if (n > 1) {
            c.r = start.r + mulDiv(i, stop.r - start.r, n - 1);
            c.g = start.g + mulDiv(i, stop.g - start.g, n - 1);
            c.b = start.b + mulDiv(i, stop.b - start.b, n - 1);
        }
        const int from = mulDiv(i, length, n);
        const int to = mulDiv(i + 1, length, n);
        if (to > from)
            bands.push_back({from, to, c});
    }
    return bands;
}

} // namespace quorvel
