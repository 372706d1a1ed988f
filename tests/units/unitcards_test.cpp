// Unit tasks on Fehlerkartei cards: every drawn task of every family and difficulty
// round-trips through its card text, to the same quantity, and is judged by the topic's rule.
#include "unittasks.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::units;

namespace {

TEST(UnitCards, EveryFamilyAndDifficultyRoundTrips)
{
    for (int choice = 1; choice <= 7; ++choice)
        for (int difficulty = Leicht; difficulty <= Schwer; ++difficulty) {
            test::TestServices ts;
            UnitSettings settings;
            settings.choice = choice;
            settings.randomTarget = choice == 7;
            settings.difficulty = difficulty;
            UnitConversionTopic drawn(ts.random, [&] { return settings; }, {});
            UnitConversionTopic posed(ts.random, {}, {});
            drawn.prepareSeries();
            for (int i = 0; i < 30; ++i) {
                const int type = drawn.drawTask();
                const QString card = drawn.cardText();
                ASSERT_TRUE(posed.poseCard(type, card)) << card.toStdString();
                const UnitTask& a = drawn.task();
                const UnitTask& b = posed.task();
                EXPECT_TRUE(a.quantity == b.quantity && a.expected == b.expected) << card.toStdString();
                EXPECT_EQ(b.instruction(), a.instruction());
                EXPECT_EQ(b.quantityLabel(), a.quantityLabel());
                QString answer = a.expectedText();
                answer = answer.left(answer.indexOf(QLatin1Char(' ')));
                EXPECT_EQ(posed.checkText(answer).state, AnswerState::Right) << answer.toStdString();
                EXPECT_EQ(posed.checkText(answer + QStringLiteral("1")).state, AnswerState::Wrong);
            }
        }
}

TEST(UnitCards, TextsThatAreNoTaskOfTheFamilyArePassedOver)
{
    test::TestServices ts;
    UnitConversionTopic topic(ts.random, {}, {});
    const struct {
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {Gewichte, "1 0 2.5", true}, {Gewichte, "0 0 2.5", false}, {Gewichte, "1 0 -1", false},
        {Gewichte, "1 0 x", false},  {Gewichte, "1 0", false},     {7, "1 0 1", false},
        {Gewichte, "1 99 1", false}, {Gewichte, "1 0 inf", false}, {Gewichte, "1 0 2.5x", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(topic.poseCard(r.type, QString::fromLatin1(r.text)), r.ok) << r.text;
}

} // namespace
