// The prime list of a range: the lines against a slow reference built here by trial
// division, the layout while the count runs, and the whole 32-bit range.
#include "primecore.h"
#include "primelines.h"
#include "wheelsieve.h"

#include <gtest/gtest.h>

#include <random>
#include <thread>
#include <string>

using namespace quorvel::primes;

namespace {

bool slowPrime(std::uint64_t n)
{
    if (n < 2)
        return false;
    for (std::uint64_t d = 2; d * d <= n; ++d)
        if (n % d == 0)
            return false;
    return true;
}

// The lines exactly as the calculator builds them, one number after the other.
std::vector<std::string> referenceLines(std::uint32_t a, std::uint32_t b)
{
    if (b < a)
        std::swap(a, b);
    std::vector<std::string> lines;
    std::string line;
    for (std::uint64_t n = a; n <= b; ++n) {
        if (!slowPrime(n))
            continue;
        const std::string t = std::to_string(n) + "  ";
        if (line.size() + t.size() > 95) {
            lines.push_back(line);
            line = t;
        } else {
            line += t;
        }
    }
    lines.push_back(line);
    return lines;
}

void expectSameLines(std::uint32_t a, std::uint32_t b)
{
    ASSERT_EQ(primeLines(a, b), referenceLines(a, b)) << "range " << a << " .. " << b;
}

constexpr std::uint32_t kSpan = std::uint32_t(WheelSieve::kSegmentSpan);

} // namespace

TEST(PrimeLines, ZeroToThirty)
{
    const std::vector<std::string> expected = {"2  3  5  7  11  13  17  19  23  29  "};
    EXPECT_EQ(primeLines(0, 30), expected);
    EXPECT_EQ(primeLines(30, 0), expected);
}

TEST(PrimeLines, RangeWithoutPrimesGivesOneEmptyLine)
{
    EXPECT_EQ(primeLines(24, 28), std::vector<std::string>{""});
    EXPECT_EQ(primeLines(0, 1), std::vector<std::string>{""});
    EXPECT_EQ(primeLines(0, 0), std::vector<std::string>{""});
    EXPECT_EQ(primeLines(2147483646, 2147483646), std::vector<std::string>{""});
}

TEST(PrimeLines, SingleNumbers)
{
    EXPECT_EQ(primeLines(2, 2), std::vector<std::string>{"2  "});
    EXPECT_EQ(primeLines(2147483647, 2147483647), std::vector<std::string>{"2147483647  "});
    EXPECT_EQ(primeLines(1000000007, 1000000007), std::vector<std::string>{"1000000007  "});
}

TEST(PrimeLines, RandomSmallRangesMatchTheReference)
{
    std::mt19937 gen(2026);
    for (int i = 0; i < 150; ++i) {
        const std::uint32_t a = gen() % 5000000, b = a + gen() % 4000;
        expectSameLines(a, b);
    }
    for (int i = 0; i < 100; ++i) // the other way round
        expectSameLines(gen() % 3000, gen() % 3000);
}

TEST(PrimeLines, RangesAroundPowersOfTen)
{
    for (std::uint32_t p = 10; p <= 1000000000; p *= 10) {
        expectSameLines(p > 1500 ? p - 1500 : 0, p + 1500);
        expectSameLines(p - 1, p);
        expectSameLines(p, p + 1);
        if (p == 1000000000)
            break;
    }
}

TEST(PrimeLines, RangesAroundSegmentBoundaries)
{
    for (std::uint32_t k : {1u, 2u, 3u, 100u, 546u}) {
        const std::uint32_t s = k * kSpan;
        expectSameLines(s - 1000, s + 1000);
        expectSameLines(s - 1, s);
        expectSameLines(s, s + 30);
    }
    // Over three segments.
    expectSameLines(kSpan - 100, 2 * kSpan + 100);
    // The top of the 32-bit range.
    expectSameLines(2147483647u - 1500, 2147483647u);
    expectSameLines(2147400000u - 1500, 2147400000u);
}

TEST(PrimeLines, NoLineWiderThan95)
{
    PrimeRangeCount count;
    count.runHere(0, 12000000);
    std::uint64_t byDigits[11];
    count.primesByDigits(count.segmentsDone(), byDigits);
    PrimeLineLayout layout;
    layout.build(byDigits, true);
    PrimeLineSource source;
    source.reset(&count);
    source.update(count.segmentsDone());
    std::uint64_t entries = 0;
    for (std::uint64_t i = 0; i < layout.lineCount(); ++i) {
        const std::string text = source.lineText(layout.line(i));
        ASSERT_LE(text.size(), 95u) << "line " << i;
        ASSERT_FALSE(text.empty());
        entries += layout.line(i).count;
    }
    EXPECT_EQ(entries, layout.primeCount());
}

TEST(PrimeLines, LinesKnownWhileCountingStayTheSame)
{
    // The layout of a partly counted range must agree with the final one on every
    // line it already shows.
    const std::uint32_t lo = 999000, hi = 1000000000;
    PrimeRangeCount count;
    count.runHere(lo, hi);
    PrimeLineLayout full;
    std::uint64_t byDigits[11];
    count.primesByDigits(count.segmentsDone(), byDigits);
    full.build(byDigits, true);
    for (std::uint32_t done : {1u, 2u, 7u, count.segmentsDone() / 2, count.segmentsDone() - 1}) {
        PrimeLineLayout part;
        count.primesByDigits(done, byDigits);
        part.build(byDigits, false);
        ASSERT_LT(part.lineCount(), full.lineCount());
        for (std::uint64_t i : {std::uint64_t(0), part.lineCount() / 2, part.lineCount() - 1}) {
            EXPECT_EQ(part.line(i).firstPrime, full.line(i).firstPrime) << done << " " << i;
            EXPECT_EQ(part.line(i).count, full.line(i).count) << done << " " << i;
        }
    }
}

TEST(PrimeLines, WholeRangeLineCountAndLastLine)
{
    const std::uint32_t top = 2147400000u;
    PrimeRangeCount count;
    count.runHere(0, top);
    ASSERT_TRUE(count.finished());
    std::uint64_t byDigits[11];
    count.primesByDigits(count.segmentsDone(), byDigits);

    // Primes below the powers of ten are well known; all primes up to the top were
    // counted independently with another sieve.
    const std::uint64_t piPowers[] = {0,      4,       25,       168,      1229,
                                      9592,   78498,   664579,   5761455,  50847534};
    const std::uint64_t piTop = 105093704;
    std::uint64_t below = 0;
    for (int d = 1; d <= 9; ++d) {
        below += byDigits[d];
        EXPECT_EQ(below, piPowers[d]) << "below 10^" << d;
    }
    EXPECT_EQ(below + byDigits[10], piTop);

    // Lay the lines out entry by entry, as the calculator would, from the counts alone.
    std::uint64_t lines = 0, length = 0, lastCount = 0;
    for (int d = 1; d <= 10; ++d) {
        const std::uint64_t w = std::uint64_t(d) + 2;
        for (std::uint64_t k = 0; k < byDigits[d]; ++k) {
            if (length + w > 95) {
                ++lines;
                length = 0;
                lastCount = 0;
            }
            length += w;
            ++lastCount;
        }
    }
    ++lines;

    PrimeLineLayout layout;
    layout.build(byDigits, true);
    EXPECT_EQ(layout.lineCount(), lines);
    EXPECT_EQ(layout.primeCount(), piTop);
    const LineSpan last = layout.line(layout.lineCount() - 1);
    EXPECT_EQ(last.count, lastCount);

    // The last line against the largest primes found by trial division.
    std::vector<std::uint64_t> largest;
    for (std::uint64_t n = top; largest.size() < lastCount; --n)
        if (slowPrime(n))
            largest.insert(largest.begin(), n);
    std::string expected;
    for (std::uint64_t p : largest)
        expected += std::to_string(p) + "  ";
    PrimeLineSource source;
    source.reset(&count);
    source.update(count.segmentsDone());
    EXPECT_EQ(source.lineText(last), expected);
    // And the line before it ends just below the last line's first prime.
    const LineSpan before = layout.line(layout.lineCount() - 2);
    EXPECT_EQ(before.firstPrime + before.count, last.firstPrime);
}

TEST(PrimeRangeCount, CancelKeepsWhatWasCounted)
{
    PrimeRangeCount count;
    count.start(0, 2147400000u);
    while (count.segmentsDone() == 0)
        std::this_thread::yield();
    count.cancel();
    const std::uint32_t done = count.segmentsDone();
    EXPECT_GT(done, 0u);
    EXPECT_LE(done, count.segmentTotal());
    EXPECT_GE(count.reached(), std::uint32_t(WheelSieve::kSegmentSpan - 1));
}

TEST(PrimeRangeCount, SeveralWorkersCountAsOneThreadDoes)
{
    const std::uint32_t lo = 12345, hi = 300000000;
    PrimeRangeCount one;
    one.runHere(lo, hi);
    for (unsigned workers : {2u, 3u}) {
        PrimeRangeCount many;
        many.start(lo, hi, {}, 20, workers);
        while (!many.finished())
            std::this_thread::yield();
        EXPECT_EQ(many.workers(), workers);
        ASSERT_EQ(many.segmentTotal(), one.segmentTotal());
        for (std::uint32_t i = 0; i < one.segmentTotal(); ++i)
            ASSERT_EQ(many.segmentCount(i), one.segmentCount(i)) << i;
        std::uint64_t a[11], b[11];
        one.primesByDigits(one.segmentsDone(), a);
        many.primesByDigits(many.segmentsDone(), b);
        for (int d = 0; d <= 10; ++d)
            EXPECT_EQ(a[d], b[d]) << d;
    }
}
