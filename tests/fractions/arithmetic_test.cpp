// The arithmetic tasks without a window: the six expected values of every operation,
// the operands drawn at each difficulty, the swap of a subtraction, mixed operations.
#include "arithmetic.h"
#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;
using namespace quorvel::test;

TEST(FractionArithmetic, ExpectedSixValues)
{
    struct Case {
        int op;
        Fraction a, b;        // as drawn
        Fraction shownA, shownB;
        std::array<int, 6> e;
    };
    const Case cases[] = {
        {OpAddition, {1, 4}, {1, 6}, {1, 4}, {1, 6}, {3, 12, 2, 12, 5, 12}},
        {OpAddition, {4, 6}, {1, 3}, {2, 3}, {1, 3}, {2, 3, 1, 3, 1, 1}}, // 3/3 reduced to 1/1
        {OpAddition, {7, 7}, {1, 2}, {1, 1}, {1, 2}, {2, 2, 1, 2, 3, 2}},
        {OpAddition, {200, 99}, {199, 100}, {200, 99}, {199, 100}, {20000, 9900, 19701, 9900, 39701, 9900}},
        {OpSubtraction, {3, 4}, {1, 3}, {3, 4}, {1, 3}, {9, 12, 4, 12, 5, 12}},
        {OpSubtraction, {1, 2}, {2, 4}, {1, 2}, {1, 2}, {1, 2, 1, 2, 0, 1}}, // equal: 0 over 1
        {OpSubtraction, {5, 6}, {1, 6}, {5, 6}, {1, 6}, {5, 6, 1, 6, 2, 3}},
        {OpMultiplication, {2, 3}, {3, 4}, {2, 3}, {3, 4}, {1, 2, 0, 0, 0, 0}},
        {OpMultiplication, {10, 4}, {6, 5}, {5, 2}, {6, 5}, {3, 1, 0, 0, 0, 0}},
        {OpMultiplication, {200, 1}, {200, 1}, {200, 1}, {200, 1}, {40000, 1, 0, 0, 0, 0}},
        {OpDivision, {2, 3}, {4, 5}, {2, 3}, {4, 5}, {2, 3, 5, 4, 5, 6}},
        {OpDivision, {6, 8}, {9, 12}, {3, 4}, {3, 4}, {3, 4, 4, 3, 1, 1}},
        {OpDivision, {7, 7}, {1, 10}, {1, 1}, {1, 10}, {1, 1, 10, 1, 10, 1}},
    };
    for (const Case& c : cases) {
        const ArithmeticTask t = solveFractionTask(c.op, c.a, c.b);
        const std::string what = std::to_string(c.op) + ": " + std::to_string(c.a.numerator) + "/"
                                 + std::to_string(c.a.denominator) + ", " + std::to_string(c.b.numerator)
                                 + "/" + std::to_string(c.b.denominator);
        EXPECT_EQ(t.first, c.shownA) << what;
        EXPECT_EQ(t.second, c.shownB) << what;
        EXPECT_EQ(t.expected, c.e) << what;
    }
}

TEST(FractionArithmetic, LayoutPerOperation)
{
    struct Case {
        int op;
        const char* sign;
        const char* second;
        bool all;
        const char* hint1;
        const char* hint3;
    };
    const Case cases[] = {
        {OpAddition, "+", "+", true, "gleichnamig gemachter Bruch", "gleichnamig gemachter Bruch"},
        {OpSubtraction, "-", "-", true, "gleichnamig gemachter Bruch", "gleichnamig gemachter Bruch"},
        {OpMultiplication, "x", "", false, "vollständig gekürzter Bruch", ""},
        {OpDivision, ":", "x", true, "erster Bruch", "Kehrwert des 2. Bruches"},
    };
    for (const Case& c : cases) {
        const ArithmeticLayout& l = arithmeticLayout(c.op);
        EXPECT_STREQ(l.operatorSign, c.sign);
        EXPECT_STREQ(l.resultSign, c.second);
        EXPECT_EQ(l.allFields, c.all);
        EXPECT_STREQ(l.hints[0], c.hint1);
        EXPECT_STREQ(l.hints[2], c.hint3);
        EXPECT_STREQ(l.hints[1], c.op <= OpSubtraction ? "kgV vom ggf. gekürztem Nenner1 und Nenner2" : "");
        EXPECT_STREQ(l.hints[4], c.op == OpMultiplication ? "" : "vollständig gekürzter Bruch");
    }
}

TEST(FractionArithmetic, DrawnOperandsPerDifficultyAndSwap)
{
    struct Case {
        int op, difficulty;
        std::initializer_list<int> script;
        Fraction a, b;
        int n, d; // Random(n), Random(d) asked
    };
    const Case cases[] = {
        // Zeros are drawn again, both numbers of the fraction together.
        {OpAddition, 0, {0, 4, 1, 0, 1, 4, 1, 6}, {1, 4}, {1, 6}, 21, 11},
        {OpSubtraction, 0, {1, 3, 3, 4}, {3, 4}, {1, 3}, 21, 11},   // swapped
        {OpSubtraction, 1, {1, 2, 2, 4}, {1, 2}, {2, 4}, 51, 31},   // equal: kept
        {OpAddition, 1, {1, 3, 3, 4}, {1, 3}, {3, 4}, 51, 31},      // only subtractions swap
        {OpDivision, 2, {200, 100, 1, 1}, {200, 100}, {1, 1}, 201, 101},
    };
    for (const Case& c : cases) {
        ScriptedRandom r;
        r.script(c.script);
        const auto [a, b] = drawFractionOperands(r, c.op, c.difficulty);
        EXPECT_EQ(a, c.a);
        EXPECT_EQ(b, c.b);
        EXPECT_EQ(r.seedings, 1);
        EXPECT_FALSE(r.scriptMisuse);
        ASSERT_GE(r.asked.size(), 4u);
        EXPECT_EQ(r.asked[0], c.n);
        EXPECT_EQ(r.asked[1], c.d);
    }
}

TEST(FractionArithmetic, TopicDrawsMixedOperationsAndHidesProductFields)
{
    ScriptedRandom r;
    std::vector<ArithmeticTask> shown;
    FractionSettings settings{4, -1, 0};
    FractionArithmeticTopic topic(r, [&] { return settings; },
                                  [&](const ArithmeticTask& t) { shown.push_back(t); });
    topic.prepareSeries();
    EXPECT_TRUE(topic.mixedOperations());
    // Operation 0 drawn again, then 3: a multiplication 2/3 x 3/4.
    r.script({0, 3, 2, 3, 3, 4});
    EXPECT_EQ(topic.drawTask(), OpMultiplication);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(r.asked[0], 5);
    const auto& fields = topic.answerFields();
    ASSERT_EQ(fields.size(), 6u);
    EXPECT_EQ(fields[0].expected, 1);
    EXPECT_EQ(fields[1].expected, 2);
    for (int i = 2; i < 6; ++i)
        EXPECT_FALSE(fields[std::size_t(i)].visible);
    EXPECT_EQ(topic.checkAnswer(QStringList{"1", "2", "", "", "", ""}).state, AnswerState::Right);
    EXPECT_EQ(topic.checkAnswer(QStringList{"2", "4", "", "", "", ""}).state, AnswerState::Wrong);
    EXPECT_EQ(topic.expectedAnswerText(), QStringLiteral("1 2"));

    r.script({2, 3, 4, 4, 5}); // subtraction 3/4 - 4/5 is swapped
    EXPECT_EQ(topic.drawTask(), OpSubtraction);
    EXPECT_EQ(shown.back().first, (Fraction{4, 5}));
    EXPECT_EQ(arithmeticTaskText(shown.back()), QStringLiteral("4/5 - 3/4 ="));
    EXPECT_TRUE(topic.answerFields()[5].visible);

    settings = FractionSettings{3, -1, 2};
    topic.prepareSeries();
    EXPECT_FALSE(topic.mixedOperations());
    const std::size_t asked = r.asked.size();
    r.script({15, 22, 9, 11});
    EXPECT_EQ(topic.drawTask(), OpDivision);
    EXPECT_EQ(r.asked[asked], 201); // no operation drawn, schwer ranges
    EXPECT_EQ(topic.expectedAnswerText(), QStringLiteral("15 22 11 9 5 6"));
}
