// Plain and gap tasks on Fehlerkartei cards: every drawn task round-trips through its card
// text and is judged by the topic's own rule; a series with two misses puts exactly those
// two on cards, and a day later the series of due cards poses them again as they were.
#include "gaptopic.h"
#include "plaintopic.h"
#include "reviewbox.h"

#include "fakes.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::basic;
using namespace quorvel::test;

namespace {

struct Range {
    int rechenartItem;
    std::int32_t lower, upper;
    RangeChoice range;
};
const Range kRanges[] = {
    {0, 0, 100, {}},  {1, -50, 50, {}}, {2, -20, 20, {}}, {3, -100, 100, {}}, {4, 1, 1000, {}},
    {2, 0, 10, {RangeKind::TimesTable, 7}}, {3, 0, 100, {RangeKind::TimesTable, 9}},
    {2, 0, 0, {RangeKind::Squares, 0}},
};

GrundPageSettings settingsOf(const Range& r)
{
    GrundPageSettings s;
    s.rechenartItem = r.rechenartItem;
    s.lowerBound = r.lower;
    s.upperBound = r.upper;
    s.range = r.range;
    return s;
}

// Draws tasks in one topic, poses each card text in another and checks the right answer
// is right there and the task is the same.
template <class Topic, class Same, class Answer>
void roundTrip(Same same, Answer answer)
{
    for (const Range& r : kRanges) {
        TestServices ts;
        Topic drawn(ts.random, [&] { return settingsOf(r); }, {});
        if (!drawn.startRefusal().isEmpty())
            continue;
        Topic posed(ts.random, {}, {});
        drawn.prepareSeries();
        for (int i = 0; i < 40; ++i) {
            const int type = drawn.drawTask();
            const QString card = drawn.cardText();
            ASSERT_TRUE(posed.poseCard(type, card)) << card.toStdString();
            ASSERT_TRUE(same(posed.task(), drawn.task())) << card.toStdString();
            EXPECT_EQ(posed.checkText(answer(drawn.task())).state, AnswerState::Right);
            EXPECT_EQ(posed.checkText(answer(drawn.task()) + QStringLiteral("1")).state, AnswerState::Wrong);
        }
    }
}

TEST(BasicCards, PlainTasksRoundTrip)
{
    roundTrip<PlainTaskTopic>(
        [](const PlainTask& a, const PlainTask& b) {
            return a.operation == b.operation && a.first == b.first && a.second == b.second
                   && a.expected == b.expected && a.text == b.text;
        },
        [](const PlainTask& t) { return QString::number(t.expected); });
}

TEST(BasicCards, GapTasksRoundTrip)
{
    roundTrip<GapTaskTopic>(
        [](const GapTask& a, const GapTask& b) {
            return a.operation == b.operation && a.first == b.first && a.missing == b.missing
                   && a.result == b.result && a.left == b.left && a.right == b.right;
        },
        [](const GapTask& t) { return QString::number(t.missing); });
}

TEST(BasicCards, TextsThatAreNoTaskOfTheTypeArePassedOver)
{
    TestServices ts;
    PlainTaskTopic plain(ts.random, {}, {});
    GapTaskTopic gap(ts.random, {}, {});
    const struct {
        bool isGap;
        int type;
        const char* text;
        bool ok;
    } rows[] = {
        {false, 1, "12 7", true},       {false, 4, "45 -5", true},   {false, 4, "45 7", false},
        {false, 4, "5 0", false},       {false, 5, "1 2", false},    {false, 1, "12  7", false},
        {false, 1, "12 +7", false},     {false, 3, "99999 99999", false}, {false, 1, "1 2 3", false},
        {true, 5, "12 8 20", true},     {true, 8, "-12 4 -3", true}, {true, 5, "12 8 21", false},
        {true, 4, "12 8 20", false},    {true, 6, "x 1 1", false},
    };
    for (const auto& r : rows) {
        const QString text = QString::fromLatin1(r.text);
        const bool ok = r.isGap ? gap.poseCard(r.type, text) : plain.poseCard(r.type, text);
        EXPECT_EQ(ok, r.ok) << r.text;
    }
    EXPECT_EQ(plain.task().text, QStringLiteral("45 : (-5) ="));
    EXPECT_EQ(gap.task().left + QStringLiteral(" _ ") + gap.task().right, gapLeftText(4, -12) + QStringLiteral(" _ = (-3)"));
}

// Feeds the results of a series into a card box on the clock's day.
struct BoxSink : TaskResultSink {
    review::ReviewBox box;
    QDate today;
    void taskResult(int topic, int type, const QString& text, bool firstTry) override
    {
        if (!firstTry && !text.isEmpty())
            box.recordMiss(topic, type, text, today);
    }
};

TEST(BasicCards, TwoMissesBecomeTwoCardsPosedAgainTheNextDay)
{
    TestServices ts;
    std::vector<PlainTask> shown;
    PlainTaskTopic topic(ts.random, [] { return settingsOf(kRanges[4]); },
                         [&](const PlainTask& t) { shown.push_back(t); });
    RecordingView view{ts.log, 1, 0};
    ExerciseSeries series(ts.services, topic, view);
    BoxSink sink;
    sink.today = QDate(2026, 12, 7);
    series.setResultSink(&sink);
    auto right = [&] { return QString::number(topic.task().expected); };
    auto wrong = [&] { return QString::number(topic.task().expected + 1); };
    ASSERT_TRUE(series.begin(5));
    series.confirm({right()});                 // 1: right
    series.confirm({wrong()});                 // 2: wrong twice
    series.confirm({wrong()});
    series.confirm({wrong()});                 // 3: wrong, then right
    series.confirm({right()});
    series.skip();                             // 4: skipped untried
    series.confirm({right()});                 // 5: right
    ASSERT_FALSE(series.running());
    ASSERT_EQ(shown.size(), 5u);
    ASSERT_EQ(sink.box.cards().size(), 2u);
    EXPECT_EQ(sink.box.cards()[0].task, topic.encodeTask(shown[1]));
    EXPECT_EQ(sink.box.cards()[1].task, topic.encodeTask(shown[2]));
    EXPECT_EQ(sink.box.dueCount(sink.today), 0);

    // The next day both are due and posed again, exactly as they were, in their order.
    const QDate tomorrow = sink.today.addDays(1);
    std::vector<GivenTask> given;
    for (const review::Card& c : sink.box.due(tomorrow))
        given.push_back({c.type, c.task});
    ASSERT_EQ(given.size(), 2u);
    shown.clear();
    ts.log.clear();
    ASSERT_TRUE(series.beginGiven(given));
    ASSERT_EQ(shown.size(), 1u);
    series.confirm({right()});
    series.confirm({right()});
    ASSERT_EQ(shown.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(topic.encodeTask(shown[std::size_t(i)]), given[std::size_t(i)].text);
        EXPECT_EQ(shown[std::size_t(i)].operation, given[std::size_t(i)].type);
    }
    EXPECT_FALSE(series.running());
    EXPECT_TRUE(ts.log.events.contains(QStringLiteral("status Aufgabe 2 von 2")));
    EXPECT_TRUE(ts.log.events.contains(QStringLiteral("given 3 %1").arg(given[0].type)));
    EXPECT_TRUE(ts.log.events.contains(QStringLiteral("correct 3 %1").arg(given[0].type)));
}

TEST(BasicCards, NoGivenTaskRefusesWithTheHint)
{
    TestServices ts;
    PlainTaskTopic topic(ts.random, {}, {});
    NullView view;
    ExerciseSeries series(ts.services, topic, view);
    EXPECT_FALSE(series.beginGiven({}));
    ASSERT_EQ(ts.messages.messages.size(), 1u);
    EXPECT_EQ(ts.messages.messages[0].text, QStringLiteral("Heute ist keine Aufgabe zum Wiederholen fällig."));
}

} // namespace
