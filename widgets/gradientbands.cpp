#include "gradientbands.h"

#include <cstdlib>

namespace quorvel {

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t num = static_cast<std::int64_t>(a) * b;
    const std::int64_t an = num < 0 ? -num : num;
    const std::int64_t ac = c < 0 ? -static_cast<std::int64_t>(c) : c;
    const std::int64_t q = (2 * an + ac) / (2 * ac); // nearest, halves up in magnitude
    const bool negative = (num < 0) != (c < 0);
    return static_cast<int>(negative ? -q : q);
}

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
