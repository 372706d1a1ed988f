// ggT, kgV and reducing: the fast rules give what the step-by-step rules of the task
// pages give, on every input a task can draw.
#include "fractioncore.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quorvel::fractions;

namespace {

// Counting down from the smaller number to the first common divisor.
int steppingGcd(int a, int b)
{
    const int s = std::min(a, b), l = std::max(a, b);
    if (l % s == 0)
        return s;
    for (int d = s - 1; d > 1; --d)
        if (s % d == 0 && l % d == 0)
            return d;
    return 1;
}

// Raising the multiples of both numbers in turn until they meet.
long long steppingLcm(int a, int b)
{
    const long long s = std::min(a, b), l = std::max(a, b);
    long long x = s, y = l;
    while (x != y) {
        if (y > x)
            x += s;
        if (y < x)
            y += l;
    }
    return x;
}

long long steppingLcm3(int a, int b, int c)
{
    int v[3] = {a, b, c};
    std::sort(v, v + 3);
    const long long s1 = v[0], s2 = v[1], s3 = v[2];
    long long x = s1, y = s2, z = s3;
    while (!(x == y && y == z)) {
        if (x < y || x < z)
            x += s1;
        if (y < x || y < z)
            y += s2;
        if (z < x || z < y)
            z += s3;
    }
    return x;
}

} // namespace

TEST(FractionCore, GcdAndLcmEqualTheSteppingRulesOnAllPairsUpTo200)
{
    for (int a = 1; a <= 200; ++a) {
        for (int b = 1; b <= 200; ++b) {
            ASSERT_EQ(FractionGcd(a, b), steppingGcd(a, b)) << a << " " << b;
            ASSERT_EQ(FractionLcm(a, b), steppingLcm(a, b)) << a << " " << b;
        }
    }
}

TEST(FractionCore, Lcm3EqualsTheSteppingRuleOnAllOrderingDenominators)
{
    // The ordering tasks draw denominators of 1 to 30.
    for (int a = 1; a <= 30; ++a)
        for (int b = 1; b <= 30; ++b)
            for (int c = 1; c <= 30; ++c)
                ASSERT_EQ(FractionLcm3(a, b, c), steppingLcm3(a, b, c)) << a << " " << b << " " << c;
    EXPECT_EQ(FractionLcm3(7, 29, 30), 6090);
}

TEST(FractionCore, ReduceFraction)
{
    struct Case {
        int n, d, rn, rd;
    };
    const Case cases[] = {
        {4, 6, 2, 3},   {3, 3, 1, 1},   {7, 7, 1, 1},   {10, 12, 5, 6}, {1, 2, 1, 2},
        {30, 4, 15, 2}, {10, 5, 2, 1},  {6, 2, 3, 1},   {200, 100, 2, 1}, {9, 24, 3, 8},
        // A difference of zero reduces to 0/1 rather than dividing by zero.
        {0, 2, 0, 1},   {0, 12, 0, 1},
    };
    for (const Case& c : cases) {
        int n = c.n, d = c.d;
        ReduceFraction(n, d);
        EXPECT_EQ(n, c.rn) << c.n << "/" << c.d;
        EXPECT_EQ(d, c.rd) << c.n << "/" << c.d;
    }
}

TEST(FractionCore, ZeroesNeverDivide)
{
    EXPECT_EQ(FractionGcd(0, 5), 5);
    EXPECT_EQ(FractionGcd(0, 0), 0);
    EXPECT_EQ(FractionLcm(0, 5), 0);
    EXPECT_EQ(FractionLcm3(4, 0, 6), 0);
    int n = 0, d = 0;
    ReduceFraction(n, d);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(d, 0);
}
