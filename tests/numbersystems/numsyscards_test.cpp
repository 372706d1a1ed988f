// Number-system tasks on Fehlerkartei cards: every drawn task of every kind, difficulty
// and direction round-trips through its card text and is judged by the topic's own rule.
#include "numsystasks.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::numsys;

namespace {

TEST(NumeralCards, EveryKindDifficultyAndDirectionRoundTrips)
{
    for (int kind = KindRoman; kind <= KindBase16; ++kind)
        for (int difficulty = Leicht; difficulty <= Schwer; ++difficulty)
            for (int direction : {int(IntoSystem), int(IntoDecimal)}) {
                test::TestServices ts;
                const TaskSettings settings{kind, difficulty, direction};
                NumeralTaskTopic drawn(ts.random, [&] { return settings; }, {}, {});
                NumeralTaskTopic posed(ts.random, {}, {}, {});
                drawn.prepareSeries();
                for (int i = 0; i < 30; ++i) {
                    const int type = drawn.drawTask();
                    const QString card = drawn.cardText();
                    ASSERT_TRUE(posed.poseCard(type, card)) << card.toStdString();
                    const NumeralTask& a = drawn.task();
                    const NumeralTask& b = posed.task();
                    EXPECT_EQ(b.taskLabel(), a.taskLabel());
                    EXPECT_EQ(b.answerName, a.answerName);
                    const QString answer = a.textAnswer ? a.expectedText : QString::number(a.expectedNumber);
                    EXPECT_EQ(posed.checkText(answer).state, AnswerState::Right) << card.toStdString();
                    EXPECT_EQ(posed.checkText(answer + QStringLiteral("1")).state == AnswerState::Right, false);
                }
            }
}

TEST(NumeralCards, TextsThatAreNoTaskOfTheKindArePassedOver)
{
    test::TestServices ts;
    NumeralTaskTopic topic(ts.random, {}, {}, {});
    const struct {
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {KindRoman, "0 1994", true}, {KindRoman, "0 0", false}, {KindBase2, "1 0", true},
        {KindBase16, "2 10", false}, {6, "0 10", false},        {KindBase8, "0 -1", false},
        {KindBase8, "0", false},     {KindBase3, "1 x", false}, {KindRoman, "0 99999999", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(topic.poseCard(r.type, QString::fromLatin1(r.text)), r.ok) << r.text;
    ASSERT_TRUE(topic.poseCard(KindRoman, QStringLiteral("0 1994")));
    EXPECT_EQ(topic.task().expectedText, QStringLiteral("MCMXCIV"));
}

} // namespace
