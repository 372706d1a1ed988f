#pragma once
// The fraction value and the whole-number helpers of the fraction tasks: ggT, kgV of two
// and of three numbers, and reducing a fraction to lowest terms. Plain C++; every fraction
// kind uses them.

#include <cstdint>

namespace quorvel::fractions {

// A fraction as drawn or shown, not necessarily in lowest terms.
struct Fraction {
    int numerator = 0;
    int denominator = 1;
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

// The greatest common divisor of |a| and |b|. FractionGcd(0, b) is |b|, so a zero
// numerator reduces to 0/1; FractionGcd(0, 0) is 0.
int FractionGcd(int a, int b);

// The least common multiple of |a| and |b|; 0 when either is 0.
std::int64_t FractionLcm(int a, int b);

// The least common multiple of three numbers; 0 when any is 0.
std::int64_t FractionLcm3(int a, int b, int c);

// Divides numerator and denominator by their ggT when it is greater than 1. A zero
// numerator over any denominator becomes 0/1.
void ReduceFraction(int& numerator, int& denominator);

} // namespace quorvel::fractions
