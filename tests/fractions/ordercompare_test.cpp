// Ordering and comparing: reduced fractions, the common denominator, dense positions and
// the relation.
#include "fakes.h"
#include "ordercompare.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

namespace {

Fraction fr(int n, int d) { return {n, d}; }

} // namespace

TEST(Ordering, SolvedTable)
{
    struct Case {
        std::array<Fraction, 3> shown;
        std::int32_t k;
        std::array<std::int32_t, 6> expected;
        std::array<int, 3> positions;
    };
    const Case cases[] = {
        {{fr(2, 4), fr(1, 3), fr(5, 6)}, 6, {3, 6, 2, 6, 5, 6}, {1, 0, 2}},
        {{fr(1, 2), fr(2, 4), fr(1, 3)}, 6, {3, 6, 3, 6, 2, 6}, {1, 1, 0}},
        // Two equal below the third; all three equal.
        {{fr(1, 3), fr(2, 6), fr(1, 2)}, 6, {2, 6, 2, 6, 3, 6}, {0, 0, 1}},
        {{fr(4, 8), fr(1, 2), fr(3, 6)}, 2, {1, 2, 1, 2, 1, 2}, {0, 0, 0}},
        // Whole numbers and improper fractions.
        {{fr(12, 4), fr(5, 1), fr(7, 2)}, 2, {6, 2, 10, 2, 7, 2}, {0, 2, 1}},
        // Denominators 7, 29, 30 at "schwer": K = 6090, the first expanded with 870.
        {{fr(1, 7), fr(2, 29), fr(7, 30)}, 6090, {870, 6090, 420, 6090, 1421, 6090}, {1, 0, 2}},
    };
    for (const Case& c : cases) {
        const OrderingTask t = solveOrdering(c.shown);
        EXPECT_EQ(t.commonDenominator, c.k);
        EXPECT_EQ(t.expected, c.expected);
        EXPECT_EQ(t.positions, c.positions);
        EXPECT_EQ(t.shown[0].numerator, c.shown[0].numerator) << "shown as drawn";
    }
}

TEST(Comparing, SolvedTable)
{
    struct Case {
        Fraction a, b;
        std::int32_t k;
        std::array<std::int32_t, 4> expected;
        int relation;
    };
    const Case cases[] = {
        {fr(3, 6), fr(2, 4), 2, {1, 2, 1, 2}, BothEqual},
        {fr(5, 7), fr(2, 3), 21, {15, 21, 14, 21}, FirstGreater},
        {fr(12, 4), fr(6, 2), 1, {3, 1, 3, 1}, BothEqual},
        {fr(1, 4), fr(1, 3), 12, {3, 12, 4, 12}, FirstSmaller},
        {fr(199, 200), fr(197, 199), 39800, {39601, 39800, 39400, 39800}, FirstGreater},
    };
    for (const Case& c : cases) {
        const ComparingTask t = solveComparing({c.a, c.b});
        EXPECT_EQ(t.commonDenominator, c.k);
        EXPECT_EQ(t.expected, c.expected);
        EXPECT_EQ(t.relation, c.relation);
    }
}

TEST(OrderingAndComparing, DrawsByDifficulty)
{
    struct Case {
        bool ordering;
        int difficulty;
        int numN, denN;
    };
    const Case cases[] = {{true, 0, 16, 11},  {true, 1, 21, 16},  {true, 2, 51, 31},
                          {false, 0, 26, 26}, {false, 1, 51, 51}, {false, 2, 201, 201}};
    for (const Case& c : cases) {
        test::ScriptedRandom r;
        // A zero numerator and a zero denominator are drawn again.
        r.script({0, 2, 0, 4, 1, 3, 5, 6});
        std::vector<int> asked = {c.numN, c.numN, c.denN, c.denN, c.numN, c.denN};
        if (c.ordering) {
            const OrderingTask t = drawOrderingTask(c.difficulty, r);
            asked.insert(asked.end(), {c.numN, c.denN});
            EXPECT_EQ(t.expected, (std::array<std::int32_t, 6>{3, 6, 2, 6, 5, 6}));
            EXPECT_EQ(t.positions, (std::array<int, 3>{1, 0, 2}));
        } else {
            const ComparingTask t = drawComparingTask(c.difficulty, r);
            EXPECT_EQ(t.shown[1].numerator, 1);
            EXPECT_EQ(t.shown[1].denominator, 3);
            EXPECT_EQ(t.relation, FirstGreater);
        }
        EXPECT_EQ(r.seedings, 1);
        EXPECT_EQ(r.asked, asked);
        EXPECT_FALSE(r.scriptMisuse);
    }
}
