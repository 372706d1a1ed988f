#include "primecore.h"

#include "decimalint.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel::primes {

namespace {

// The integer square root, exact for all 64-bit numbers.
std::uint64_t isqrt(std::uint64_t n)
{
    std::uint64_t r = std::uint64_t(std::sqrt(double(n)));
    while (r > 0 && r * r > n)
        --r;
    while ((r + 1) * (r + 1) <= n)
        ++r;
    return r;
}

// The square root rounded to the nearest whole number: the factorisation's bound.
std::uint64_t roundedRoot(std::uint64_t n)
{
    const std::uint64_t r = isqrt(n);
    // r + 1/2 squared is r*r + r + 1/4: round up when n exceeds r*r + r.
    return n > r * r + r ? r + 1 : r;
}

} // namespace

bool IstPrimzahl(std::uint64_t n)
{
    if (n < 2)
        return false;
    if (n < 4)
        return true;
    if (n % 2 == 0 || n % 3 == 0)
        return false;
    const std::uint64_t root = isqrt(n);
    for (std::uint64_t d = 5; d <= root; d += 6)
        if (n % d == 0 || n % (d + 2) == 0)
            return false;
    return true;
}

namespace {

// The trial division of the factorisation: calls found(d) for every divisor it divides
// out and returns what is left (1, or the largest prime factor).
template <class F> std::uint64_t trialDivision(std::uint64_t n, F&& found)
{
    if (n < 2)
        return n == 0 ? 1 : n; // 0 has no factorisation: nothing is divided out
    std::uint64_t d = 2;
    while (d <= roundedRoot(n)) {
        if (n % d == 0) {
            found(d);
            n /= d;
        } else {
            d += (d == 2) ? 1 : 2; // even numbers above 2 can no longer divide
        }
    }
    return n;
}

} // namespace

std::vector<std::uint64_t> ZerlegePrimfaktoren(std::uint64_t n)
{
    std::vector<std::uint64_t> factors;
    const std::uint64_t rest = trialDivision(n, [&](std::uint64_t d) { factors.push_back(d); });
    if (rest > 1)
        factors.push_back(rest);
    return factors;
}

std::vector<std::string> PrimfaktorZeilen(std::uint64_t n)
{
    std::vector<std::string> lines;
    std::string line;
    const std::uint64_t rest = trialDivision(n, [&](std::uint64_t f) {
        const std::string digits = std::to_string(f);
        if (line.size() + digits.size() + 1 > kLineWidth) {
            lines.push_back(line);
            line.clear();
        }
        line += digits;
        line += "  ";
    });
    const std::string restDigits = std::to_string(rest);
    if (line.size() + restDigits.size() > kLineWidth) {
        lines.push_back(line);
        if (rest > 1)
            lines.push_back(restDigits);
    } else {
        if (rest > 1)
            line += restDigits + "  ";
        lines.push_back(line);
    }
    return lines;
}

std::uint64_t GgTBerechnen(std::uint64_t a, std::uint64_t b) { return std::gcd(a, b); }

std::uint64_t GgTBerechnen(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    return std::gcd(std::gcd(a, b), c);
}

std::uint64_t KgVBerechnen(std::uint64_t a, std::uint64_t b)
{
    if (a == 0 || b == 0)
        return 0;
    return a / std::gcd(a, b) * b;
}

std::uint64_t KgVBerechnen(std::uint64_t a, std::uint64_t b, std::uint64_t c)
{
    return KgVBerechnen(KgVBerechnen(a, b), c);
}

std::uint64_t GgTBerechnen(const std::vector<std::uint64_t>& v)
{
    return v.size() == 3 ? GgTBerechnen(v[0], v[1], v[2]) : GgTBerechnen(v.at(0), v.at(1));
}

std::uint64_t KgVBerechnen(const std::vector<std::uint64_t>& v)
{
    return v.size() == 3 ? KgVBerechnen(v[0], v[1], v[2]) : KgVBerechnen(v.at(0), v.at(1));
}

std::optional<std::int32_t> parseInteger(const std::string& text)
{
    return parseDecimalInt32(text);
}

std::vector<std::uint64_t> prepareGgTKgVInputs(const std::vector<std::int32_t>& values)
{
    std::vector<std::uint64_t> out;
    for (std::int32_t v : values) {
        const std::int64_t a = v < 0 ? -std::int64_t(v) : std::int64_t(v);
        out.push_back(a == 0 ? 1 : std::uint64_t(a));
    }
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace quorvel::primes
