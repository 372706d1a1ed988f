// Fraction kinds on Fehlerkartei cards: every drawn task of every kind and difficulty
// round-trips through its card text and is judged by the kind's fields.
#include "arithmetic.h"
#include "expandreduce.h"
#include "fractionspages.h"
#include "ordercompare.h"
#include "partsdecimal.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <type_traits>

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

// The other kinds: a topic of the kind for an item of the second group (or for no item,
// as a card is posed with the settings of another choice).
using KindFactory = std::function<std::unique_ptr<FractionKindTopic>(RandomSource&, int item, int difficulty)>;

template <class Topic>
KindFactory kindOf()
{
    return [](RandomSource& random, int item, int difficulty) -> std::unique_ptr<FractionKindTopic> {
        auto read = [=] { return FractionSettings{-1, item, difficulty}; };
        if constexpr (std::is_same_v<Topic, DecimalTopic>)
            return std::make_unique<Topic>(random, read, nullptr, nullptr);
        else
            return std::make_unique<Topic>(random, read, nullptr);
    };
}

QStringList expectedTexts(const FractionKindTopic& topic)
{
    QStringList out;
    for (const AnswerField& f : topic.answerFields())
        out << (f.visible ? f.expectedText() : QString());
    return out;
}

TEST(FractionCards, EveryOtherKindRoundTripsAndIsJudgedByItsFields)
{
    const struct {
        int item;
        KindFactory make;
    } kinds[] = {
        {ItemErweitern, kindOf<ExpandReduceTopic>()}, {ItemKuerzen, kindOf<ExpandReduceTopic>()},
        {ItemOrdnen, kindOf<OrderingTopic>()},        {ItemVergleichen, kindOf<ComparingTopic>()},
        {ItemBruchteile, kindOf<FractionPartTopic>()}, {ItemKommaBruch, kindOf<DecimalTopic>()},
        {ItemBruchKomma, kindOf<DecimalTopic>()},
    };
    for (const auto& k : kinds)
        for (int difficulty = 0; difficulty <= 2; ++difficulty) {
            test::TestServices ts;
            auto drawn = k.make(ts.random, k.item, difficulty);
            // Posed while the settings page shows another kind of the same topic.
            auto posed = k.make(ts.random, k.item == ItemKuerzen ? ItemErweitern : ItemKuerzen, 0);
            drawn->prepareSeries();
            posed->prepareSeries();
            for (int i = 0; i < 40; ++i) {
                const int type = drawn->drawTask();
                const QString card = drawn->cardText();
                ASSERT_FALSE(card.isEmpty()) << k.item;
                ASSERT_TRUE(posed->poseCard(type, card)) << k.item << " " << card.toStdString();
                EXPECT_EQ(posed->cardText(), card);
                EXPECT_EQ(expectedTexts(*posed), expectedTexts(*drawn)) << card.toStdString();
                EXPECT_EQ(posed->checkAnswer(expectedTexts(*drawn)).state, AnswerState::Right)
                    << card.toStdString();
            }
        }
}

TEST(FractionCards, TextsThatAreNoTaskOfTheKindArePassedOver)
{
    test::TestServices ts;
    const struct {
        KindFactory make;
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {kindOf<ExpandReduceTopic>(), 5, "3/4 5 2", true},   {kindOf<ExpandReduceTopic>(), 6, "3/4 5 2", true},
        {kindOf<ExpandReduceTopic>(), 5, "3/4 1 2", false},  {kindOf<ExpandReduceTopic>(), 5, "3/4 5 4", false},
        {kindOf<ExpandReduceTopic>(), 7, "3/4 5 2", false},  {kindOf<ExpandReduceTopic>(), 5, "3/400 5 2", false},
        {kindOf<OrderingTopic>(), 7, "2/3 4/6 1/9", true},   {kindOf<OrderingTopic>(), 7, "2/3 4/6", false},
        {kindOf<OrderingTopic>(), 7, "2/3 4/6 1/31", false}, {kindOf<ComparingTopic>(), 8, "200/3 4/200", true},
        {kindOf<ComparingTopic>(), 8, "0/3 4/6", false},     {kindOf<FractionPartTopic>(), 9, "3/4 500", true},
        {kindOf<FractionPartTopic>(), 9, "3/4 501", false},  {kindOf<FractionPartTopic>(), 9, "3/4  5", false},
        {kindOf<DecimalTopic>(), 10, "0,41", true},          {kindOf<DecimalTopic>(), 10, "450,1", true},
        {kindOf<DecimalTopic>(), 10, "0,410", false},        {kindOf<DecimalTopic>(), 10, "0,+4", false},
        {kindOf<DecimalTopic>(), 10, "41", false},           {kindOf<DecimalTopic>(), 10, "0,0001", false},
        {kindOf<DecimalTopic>(), 11, "18/48 6", true},       {kindOf<DecimalTopic>(), 11, "18/42 6", false},
        {kindOf<DecimalTopic>(), 11, "17/48 6", false},      {kindOf<DecimalTopic>(), 11, "3/8 1", true},
        {kindOf<DecimalTopic>(), 11, "3/8 51", false},       {kindOf<DecimalTopic>(), 12, "3/8 1", false},
    };
    for (const auto& r : rows) {
        auto topic = r.make(ts.random, -1, 0);
        EXPECT_EQ(topic->poseCard(r.type, QString::fromLatin1(r.text)), r.ok) << r.type << " " << r.text;
    }
}

} // namespace
