#include "fractioncore.h"

#include <cstdlib>

namespace quorvel::fractions {

int FractionGcd(int a, int b)
{
    // Euclid: the greatest number dividing both, the same number the count-down from the
    // smaller one finds, in a handful of steps instead of up to min(a, b).
    std::int64_t x = std::llabs(a), y = std::llabs(b);
    while (y != 0) {
        const std::int64_t r = x % y;
        x = y;
        y = r;
    }
    return int(x);
}

std::int64_t FractionLcm(int a, int b)
{
    if (a == 0 || b == 0)
        return 0;
    const std::int64_t x = std::llabs(a), y = std::llabs(b);
    return x / FractionGcd(a, b) * y;
}

std::int64_t FractionLcm3(int a, int b, int c)
{
    const std::int64_t ab = FractionLcm(a, b);
    if (ab == 0 || c == 0)
        return 0;
    std::int64_t x = ab, y = std::llabs(c);
    while (y != 0) {
        const std::int64_t r = x % y;
        x = y;
        y = r;
    }
    return ab / x * std::llabs(c);
}

void ReduceFraction(int& numerator, int& denominator)
{
    if (numerator == 0 && denominator != 0) {
        denominator = 1;
        return;
    }
    const int g = FractionGcd(numerator, denominator);
    if (g > 1) {
        numerator /= g;
        denominator /= g;
    }
}

} // namespace quorvel::fractions
