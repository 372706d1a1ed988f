// Fraction arithmetic on Fehlerkartei cards: every drawn task of the four operations and
// the mixed choice round-trips through its card text and is judged by the kind's fields.
#include "arithmetic.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::fractions;

namespace {

QStringList expectedFields(const ArithmeticTask& t)
{
    QStringList out;
    for (int v : t.expected)
        out << QString::number(v);
    return out;
}

TEST(FractionCards, ArithmeticRoundTripsForEveryOperationAndDifficulty)
{
    for (int item = 0; item <= 4; ++item)
        for (int difficulty = 0; difficulty <= 2; ++difficulty) {
            test::TestServices ts;
            FractionArithmeticTopic drawn(ts.random, [=] { return FractionSettings{item, -1, difficulty}; }, {});
            std::vector<ArithmeticTask> shown;
            FractionArithmeticTopic posed(ts.random, {}, [&](const ArithmeticTask& t) { shown.push_back(t); });
            drawn.prepareSeries();
            for (int i = 0; i < 25; ++i) {
                const int type = drawn.drawTask();
                const QString card = drawn.cardText();
                ASSERT_TRUE(posed.poseCard(type, card)) << card.toStdString();
                const ArithmeticTask& a = drawn.task();
                ASSERT_EQ(shown.size(), std::size_t(i + 1));
                EXPECT_TRUE(shown.back().operation == a.operation && shown.back().first == a.first
                            && shown.back().second == a.second && shown.back().expected == a.expected)
                    << card.toStdString();
                EXPECT_EQ(arithmeticTaskText(posed.task()), arithmeticTaskText(a));
                EXPECT_EQ(posed.checkAnswer(expectedFields(a)).state, AnswerState::Right) << card.toStdString();
                QStringList wrong = expectedFields(a);
                wrong[1] = QString::number(a.expected[1] + 1);
                EXPECT_EQ(posed.checkAnswer(wrong).state, AnswerState::Wrong) << card.toStdString();
            }
        }
}

TEST(FractionCards, TextsThatAreNoArithmeticTaskArePassedOver)
{
    test::TestServices ts;
    FractionArithmeticTopic topic(ts.random, {}, {});
    const struct {
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {OpAddition, "2/3 1/4", true},  {OpSubtraction, "1/4 2/3", false}, {OpDivision, "3/2 5/7", true},
        {OpAddition, "2/4 1/4", false}, {OpAddition, "0/1 1/4", false},    {OpAddition, "2/3", false},
        {5, "2/3 1/4", false},          {OpAddition, "2/0 1/4", false},    {OpAddition, "201/1 1/4", false},
        {OpMultiplication, "2:3 1/4", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(topic.poseCard(r.type, QString::fromLatin1(r.text)), r.ok) << r.text;
}

} // namespace
