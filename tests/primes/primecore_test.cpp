// The prime test, the factorisation and its lines, ggT and kgV, reading fields.
#include "primecore.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

using namespace quorvel::primes;

namespace {

// The prime test as the calculator describes it: try d = 2, 3, ... while no divisor is
// found and d is below the square root.
bool steppingPrimeTest(std::uint64_t n)
{
    std::uint64_t d = 1;
    bool prime;
    do {
        ++d;
        prime = n % d != 0;
        if (n == 1)
            prime = false;
        if (n == 2)
            prime = true;
    } while (prime && double(d) < std::sqrt(double(n)));
    return prime;
}

// ggT by stepping down from the smallest value.
std::uint64_t steppingGgT(std::vector<std::uint64_t> v)
{
    std::sort(v.begin(), v.end());
    auto dividesAll = [&](std::uint64_t d) {
        for (std::uint64_t x : v)
            if (x % d != 0)
                return false;
        return true;
    };
    if (dividesAll(v[0]))
        return v[0];
    for (std::uint64_t d = v[0] - 1;; --d)
        if (dividesAll(d))
            return d;
}

// kgV by adding up multiples until they meet.
std::uint64_t steppingKgV(std::vector<std::uint64_t> v)
{
    std::sort(v.begin(), v.end());
    if (v.size() == 2) {
        std::uint64_t m1 = v[0], m2 = v[1];
        while (m1 != m2) {
            if (m2 > m1)
                m1 += v[0];
            if (m2 < m1)
                m2 += v[1];
        }
        return m1;
    }
    std::uint64_t m1 = v[0], m2 = v[1], m3 = v[2];
    do {
        if (m1 < m2 || m1 < m3)
            m1 += v[0];
        if (m2 < m1 || m2 < m3)
            m2 += v[1];
        if (m3 < m1 || m3 < m2)
            m3 += v[2];
    } while (!(m1 == m2 && m2 == m3));
    return m1;
}

std::string repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

TEST(IstPrimzahl, SmallNumbersAndEdges)
{
    struct Case {
        std::uint64_t n;
        bool prime;
    };
    const Case cases[] = {{0, false}, {1, false}, {2, true},  {3, true},
                          {4, false}, {5, true},  {2147483647, true}, {2147483646, false},
                          {2147483629, true}};
    for (const Case& c : cases)
        EXPECT_EQ(IstPrimzahl(c.n), c.prime) << c.n;
}

TEST(IstPrimzahl, SquaresOfPrimesAreNotPrime)
{
    for (std::uint64_t p : {2ull, 3ull, 5ull, 7ull, 11ull, 101ull, 9973ull, 46337ull}) {
        ASSERT_TRUE(IstPrimzahl(p));
        EXPECT_FALSE(IstPrimzahl(p * p)) << p;
        EXPECT_FALSE(steppingPrimeTest(p * p)) << p;
    }
}

TEST(IstPrimzahl, AgreesWithTheSteppingTest)
{
    for (std::uint64_t n = 0; n <= 20000; ++n)
        ASSERT_EQ(IstPrimzahl(n), steppingPrimeTest(n)) << n;
}

TEST(ZerlegePrimfaktoren, FactorsInAscendingOrder)
{
    EXPECT_EQ(ZerlegePrimfaktoren(12), (std::vector<std::uint64_t>{2, 2, 3}));
    EXPECT_EQ(ZerlegePrimfaktoren(360), (std::vector<std::uint64_t>{2, 2, 2, 3, 3, 5}));
    EXPECT_TRUE(ZerlegePrimfaktoren(0).empty());
    EXPECT_TRUE(ZerlegePrimfaktoren(1).empty());
    EXPECT_EQ(ZerlegePrimfaktoren(2147483647), (std::vector<std::uint64_t>{2147483647}));
    EXPECT_EQ(ZerlegePrimfaktoren(1073741824), std::vector<std::uint64_t>(30, 2));
}

TEST(ZerlegePrimfaktoren, ProductGivesTheNumberBack)
{
    std::mt19937 gen(7);
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t n = 2 + gen() % 2147483646u;
        std::uint64_t product = 1;
        std::uint64_t last = 0;
        for (std::uint64_t f : ZerlegePrimfaktoren(n)) {
            EXPECT_TRUE(IstPrimzahl(f)) << n;
            EXPECT_GE(f, last) << n;
            last = f;
            product *= f;
        }
        EXPECT_EQ(product, n);
    }
}

TEST(PrimfaktorZeilen, DisplayLines)
{
    struct Case {
        std::uint64_t n;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {360, {"2  2  2  3  3  5  "}},
        {0, {""}},
        {1, {""}},
        {2, {"2  "}},
        {2147483647, {"2147483647  "}},
        {2147483646, {"2  3  3  7  11  31  151  331  "}},
        {1073741824, {repeat("2  ", 30)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PrimfaktorZeilen(c.n), c.lines) << c.n;
}

TEST(PrimfaktorZeilen, WrapsWhenTheNextFactorWouldPassTheWidth)
{
    // 2^40: a factor is put on a new line when line + digits + 1 would exceed 95,
    // so 32 twos fill the first line; the last two is what the trial division leaves.
    const auto lines = PrimfaktorZeilen(1ull << 40);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], repeat("2  ", 32));
    EXPECT_EQ(lines[1], repeat("2  ", 8));

    // 2^31 * 2147483647: the large last factor does not fit behind 31 twos and stands
    // alone, without blanks.
    const auto wide = PrimfaktorZeilen((1ull << 31) * 2147483647ull);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0], repeat("2  ", 31));
    EXPECT_EQ(wide[1], "2147483647");
}

TEST(GgTKgV, Examples)
{
    EXPECT_EQ(GgTBerechnen(12, 18), 6u);
    EXPECT_EQ(GgTBerechnen(1, 5), 1u);
    EXPECT_EQ(GgTBerechnen(12, 18, 30), 6u);
    EXPECT_EQ(KgVBerechnen(4, 6), 12u);
    EXPECT_EQ(KgVBerechnen(2, 3, 4), 12u);
    EXPECT_EQ(KgVBerechnen(2147483647, 1), 2147483647u);
    EXPECT_EQ(KgVBerechnen(65536, 65537), 65536ull * 65537ull); // above 32 bits, no overflow
}

TEST(GgTKgV, EqualTheSteppingRules)
{
    std::mt19937 gen(42);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t a = 1 + gen() % 300, b = 1 + gen() % 300, c = 1 + gen() % 300;
        const std::vector<std::uint64_t> two = {a, b}, three = {a, b, c};
        ASSERT_EQ(GgTBerechnen(two), steppingGgT(two)) << a << " " << b;
        ASSERT_EQ(GgTBerechnen(three), steppingGgT(three)) << a << " " << b << " " << c;
        ASSERT_EQ(KgVBerechnen(two), steppingKgV(two)) << a << " " << b;
        ASSERT_EQ(KgVBerechnen(three), steppingKgV(three)) << a << " " << b << " " << c;
    }
}

TEST(ParseInteger, WholeNumbersOf32Bits)
{
    EXPECT_EQ(parseInteger("0"), 0);
    EXPECT_EQ(parseInteger("007"), 7);
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(parseInteger("-12"), -12);
    EXPECT_EQ(parseInteger("+12"), 12);
    for (const char* bad : {"", "2147483648", "99999999999", "12a", "-", "1 2", " 1", "1,5"})
        EXPECT_FALSE(parseInteger(bad).has_value()) << bad;
}

TEST(PrepareInputs, AbsoluteValuesZeroBecomesOneSorted)
{
    EXPECT_EQ(prepareGgTKgVInputs({0, 5}), (std::vector<std::uint64_t>{1, 5}));
    EXPECT_EQ(prepareGgTKgVInputs({18, 12}), (std::vector<std::uint64_t>{12, 18}));
    EXPECT_EQ(prepareGgTKgVInputs({-4, 6, 0}), (std::vector<std::uint64_t>{1, 4, 6}));
    EXPECT_EQ(prepareGgTKgVInputs({std::numeric_limits<std::int32_t>::min(), 1}),
              (std::vector<std::uint64_t>{1, 2147483648ull}));
}
