// Prime tasks on Fehlerkartei cards: every drawn task of the four types round-trips
// through its card text and is judged by the topic's own rule.
#include "primetasks.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::primes;

namespace {

// Draws in one topic, poses in another; `answer` is the right answer of a task.
template <class Topic, class Make, class Same, class Answer>
void roundTrip(Make make, Same same, Answer answer, const QString& wrong)
{
    for (int difficulty = Leicht; difficulty <= Schwer; ++difficulty)
        for (int variant = 0; variant < 8; ++variant) {
            test::TestServices ts;
            PrimeTaskSettings s;
            s.difficulty = difficulty;
            s.divisorIndex = variant;
            s.numberCount = 2 + variant % 2;
            std::unique_ptr<Topic> drawn = make(ts.random, [s] { return s; });
            std::unique_ptr<Topic> posed = make(ts.random, {});
            drawn->prepareSeries();
            for (int i = 0; i < 20; ++i) {
                const int type = drawn->drawTask();
                const QString card = drawn->cardText();
                ASSERT_TRUE(posed->poseCard(type, card)) << card.toStdString();
                EXPECT_TRUE(same(posed->task(), drawn->task())) << card.toStdString();
                EXPECT_EQ(posed->checkText(answer(drawn->task())).state, AnswerState::Right);
                EXPECT_EQ(posed->checkText(wrong).state == AnswerState::Right, false);
                EXPECT_FALSE(posed->poseCard(type % 4 + 1, card) && type % 4 + 1 != type);
            }
        }
}

TEST(PrimeCards, DivisibilityRoundTrips)
{
    roundTrip<DivisibilityTopic>(
        [](RandomSource& r, DivisibilityTopic::ReadSettings read) {
            return std::make_unique<DivisibilityTopic>(r, read, DivisibilityTopic::ShowTask{});
        },
        [](const DivisibilityTask& a, const DivisibilityTask& b) {
            return a.n == b.n && a.divisor == b.divisor && a.divisible == b.divisible && a.question() == b.question();
        },
        [](const DivisibilityTask& t) { return t.divisible ? QStringLiteral("Ja") : QStringLiteral("Nein"); },
        QStringLiteral("Vielleicht"));
}

TEST(PrimeCards, FactorisationRoundTrips)
{
    roundTrip<FactorTopic>(
        [](RandomSource& r, FactorTopic::ReadSettings read) {
            return std::make_unique<FactorTopic>(r, read, FactorTopic::ShowTask{});
        },
        [](const FactorTask& a, const FactorTask& b) { return a.n == b.n && a.expected == b.expected; },
        [](const FactorTask& t) { return t.expected; }, QStringLiteral("1 1 1 1 1 1 1 1 1 1 1 1 1 1 1"));
}

TEST(PrimeCards, GgTAndKgVRoundTrip)
{
    for (bool ggt : {true, false})
        roundTrip<GgTKgVTopic>(
            [ggt](RandomSource& r, GgTKgVTopic::ReadSettings read) {
                return std::make_unique<GgTKgVTopic>(ggt, r, read, GgTKgVTopic::ShowTask{});
            },
            [](const GgTKgVTask& a, const GgTKgVTask& b) {
                return a.ggt == b.ggt && a.numbers == b.numbers && a.expected == b.expected
                       && a.numbersText() == b.numbersText();
            },
            [](const GgTKgVTask& t) { return QString::number(t.expected); }, QStringLiteral("0"));
}

TEST(PrimeCards, TextsThatAreNoTaskOfTheTypeArePassedOver)
{
    test::TestServices ts;
    DivisibilityTopic div(ts.random, {}, {});
    FactorTopic factor(ts.random, {}, {});
    GgTKgVTopic ggt(true, ts.random, {}, {});
    GgTKgVTopic kgv(false, ts.random, {}, {});
    const struct {
        SeriesTopic* topic;
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {&div, 1, "1254 3", true}, {&div, 1, "1254 7", false}, {&div, 2, "1254 3", false},
        {&factor, 2, "12", true},  {&factor, 2, "1", false},   {&factor, 2, "10001", false},
        {&ggt, 3, "12 18", true},  {&ggt, 3, "12", false},     {&ggt, 3, "0 18", false},
        {&kgv, 4, "4 6 9", true},  {&kgv, 4, "4 6 9 2", false}, {&kgv, 4, "101 2", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.topic->poseCard(r.type, QString::fromLatin1(r.text)), r.ok) << r.text;
    EXPECT_EQ(factor.task().expected, QStringLiteral("2 2 3 "));
    EXPECT_EQ(kgv.task().expected, 36);
}

} // namespace
