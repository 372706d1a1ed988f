// Ordering and comparing: reduced fractions, the common denominator, dense positions and
// the relation.
#include "fakes.h"
#include "ordercompare.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

namespace {

SimpleFraction fr(int n, int d) { return {n, d}; }

} // namespace

TEST(Ordering, SolvedTable)
{
    struct Case {
        std::array<SimpleFraction, 3> shown;
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

TEST(Ordering, DenseRanks)
{
    struct Case {
        std::array<std::int32_t, 3> values;
        std::array<int, 3> ranks;
    };
    const Case cases[] = {{{3, 2, 5}, {1, 0, 2}}, {{3, 3, 2}, {1, 1, 0}}, {{2, 2, 3}, {0, 0, 1}},
                          {{4, 4, 4}, {0, 0, 0}}, {{9, 1, 9}, {1, 0, 1}}, {{5, 4, 3}, {2, 1, 0}}};
    for (const Case& c : cases)
        EXPECT_EQ(denseRanks(c.values), c.ranks);
}

TEST(Comparing, SolvedTable)
{
    struct Case {
        SimpleFraction a, b;
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

TEST(OrderingAndComparing, ManyDrawsGiveConsistentAnswers)
{
    for (int d = 0; d < 3; ++d) {
        test::ScriptedRandom r;
        for (int i = 0; i < 1000; ++i) {
            const OrderingTask o = drawOrderingTask(d, r);
            for (std::size_t j = 0; j < 3; ++j) {
                // E/K has the value of the shown fraction.
                ASSERT_EQ(std::int64_t(o.expected[2 * j]) * o.shown[j].denominator,
                          std::int64_t(o.shown[j].numerator) * o.commonDenominator);
                for (std::size_t m = 0; m < 3; ++m)
                    ASSERT_EQ(o.expected[2 * j] < o.expected[2 * m],
                              o.positions[j] < o.positions[m]);
            }
            const ComparingTask c = drawComparingTask(d, r);
            const std::int64_t left = std::int64_t(c.shown[0].numerator) * c.shown[1].denominator;
            const std::int64_t right = std::int64_t(c.shown[1].numerator) * c.shown[0].denominator;
            ASSERT_EQ(c.relation, left > right ? FirstGreater : left < right ? FirstSmaller : BothEqual);
        }
    }
}

namespace {

FractionSettings leicht()
{
    FractionSettings s;
    s.arithmeticItem = -1;
    return s;
}

} // namespace

TEST(OrderingAndComparing, TopicsJudgeEditsAndGroups)
{
    struct Case {
        bool ordering;
        std::initializer_list<int> draws;
        QStringList given; // edits, then groups (item index or empty)
        AnswerState state;
        std::vector<bool> wrong;
        QStringList corrected; // after the last try: the green fields' texts
    };
    const QString none;
    const Case cases[] = {
        {true, {2, 4, 1, 3, 5, 6}, {"3", "6", "2", "6", "5", "6", "1", "0", "2"}, AnswerState::Right, {}, {}},
        {true, {2, 4, 1, 3, 5, 6}, {"3", "6", "2", "6", "5", "6", "1", none, "2"}, AnswerState::Notice, {}, {}},
        {true, {2, 4, 1, 3, 5, 6}, {none, none, none, none, none, none, none, none, none}, AnswerState::Notice, {}, {}},
        // Positions given as a plain order and the first fraction not reduced.
        {true, {2, 4, 1, 3, 5, 6}, {"6", "12", "2", "6", "5", "6", "1", "1", "2"}, AnswerState::Wrong,
         {true, true, false, false, false, false, false, true, false},
         {"3", "6", none, none, none, none, none, "0", none}},
        {true, {1, 2, 2, 4, 1, 3}, {"3", "6", "3", "6", "2", "6", "1", "1", "0"}, AnswerState::Right, {}, {}},
        {false, {3, 6, 2, 4}, {"1", "2", "1", "2", "2"}, AnswerState::Right, {}, {}},
        {false, {3, 6, 2, 4}, {"3", "6", "2", "4", "2"}, AnswerState::Wrong,
         {true, true, true, true, false}, {"1", "2", "1", "2", none}},
        {false, {5, 7, 2, 3}, {"15", "21", "14", "21", "1"}, AnswerState::Wrong,
         {false, false, false, false, true}, {none, none, none, none, "0"}},
        {false, {5, 7, 2, 3}, {"15", "21", "14", "21", none}, AnswerState::Notice, {}, {}},
        {false, {5, 7, 2, 3}, {"15", "21", "1 4", "21", "0"}, AnswerState::Invalid, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.given.join(QLatin1Char('|')).toStdString());
        test::ScriptedRandom r;
        r.script(c.draws);
        OrderingTopic ordering(r, nullptr);
        ComparingTopic comparing(r, nullptr);
        FractionKindTopic& topic = c.ordering ? static_cast<FractionKindTopic&>(ordering) : comparing;
        topic.setSettingsReader(leicht);
        topic.prepareSeries();
        EXPECT_EQ(topic.drawTask(), c.ordering ? 7 : 8);
        const AnswerCheck check = topic.checkAnswer(packFieldTexts(c.given));
        EXPECT_EQ(check.state, c.state);
        if (c.state == AnswerState::Notice) {
            EXPECT_EQ(check.error, QStringLiteral("Zu wenige Werte !"));
        }
        if (c.state != AnswerState::Wrong)
            continue;
        EXPECT_EQ(topic.lastJudgement().wrong, c.wrong);
        EXPECT_EQ(topic.wrongMessage(1, false), QStringLiteral("Die Rot gekennzeichneten Werte sind falsch !!!!!!"));
        topic.onWrongAnswer(2, true);
        QStringList corrected;
        for (const QString& t : topic.lastMarks().correctedText)
            corrected << t;
        EXPECT_EQ(corrected, c.corrected);
    }
}
