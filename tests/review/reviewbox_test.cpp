// The box rules over simulated days: each step is a day offset and what happens that day.
#include "reviewbox.h"

#include <gtest/gtest.h>

using namespace quorvel::review;

namespace {

const QDate kDay0(2026, 12, 1);

enum class Act { Miss, Right, Wrong };
struct Step {
    int day;
    Act act;
    // After the step: the card's box (0 = no longer in the box), whether it is due on
    // the same day, on the next day, and the mastered count for the 30 days.
    int box;
    bool dueNextDay;
    int mastered;
};
struct Story {
    const char* name;
    std::vector<Step> steps;
    // Days after the last step on which the card is first due (-1: never).
    int firstDueAfter;
};

const std::vector<Story> kStories = {
    {"missed once, due the next day", {{0, Act::Miss, 1, true, 0}}, 1},
    {"up through the boxes to mastered",
     {{0, Act::Miss, 1, true, 0},
      {1, Act::Right, 2, false, 0},
      {3, Act::Right, 3, false, 0},
      {8, Act::Right, 0, false, 1}},
     -1},
    {"box 2 waits two days", {{0, Act::Miss, 1, true, 0}, {1, Act::Right, 2, false, 0}}, 2},
    {"box 3 waits five days",
     {{0, Act::Miss, 1, true, 0}, {1, Act::Right, 2, false, 0}, {3, Act::Right, 3, false, 0}},
     5},
    {"wrong in box 3 goes back to box 1",
     {{0, Act::Miss, 1, true, 0},
      {1, Act::Right, 2, false, 0},
      {3, Act::Right, 3, false, 0},
      {8, Act::Wrong, 1, true, 0}},
     1},
    {"missed again in a normal series goes back to box 1",
     {{0, Act::Miss, 1, true, 0}, {1, Act::Right, 2, false, 0}, {2, Act::Miss, 1, true, 0}},
     1},
    {"answered late still counts from its answer day",
     {{0, Act::Miss, 1, true, 0}, {10, Act::Right, 2, false, 0}},
     2},
};

void PrintTo(const Story& s, std::ostream* os) { *os << s.name; }

class BoxStory : public testing::TestWithParam<Story> {};

TEST_P(BoxStory, MovesAsTheRulesSay)
{
    const Story& story = GetParam();
    ReviewBox box;
    const QString task = QStringLiteral("5+7");
    QDate last;
    for (const Step& s : story.steps) {
        const QDate day = kDay0.addDays(s.day);
        last = day;
        if (s.act == Act::Miss)
            box.recordMiss(3, 1, task, day);
        else
            box.recordReview(3, 1, task, s.act == Act::Right ? ReviewResult::RightFirstTry : ReviewResult::Wrong, day);
        SCOPED_TRACE(s.day);
        ASSERT_LE(box.cards().size(), 1u); // the same task never stands twice
        EXPECT_EQ(box.cards().empty() ? 0 : box.cards()[0].box, s.box);
        EXPECT_EQ(box.dueCount(day), 0); // nothing is due the day it was answered
        EXPECT_EQ(box.dueCount(day.addDays(1)), s.dueNextDay ? 1 : 0);
        EXPECT_EQ(box.masteredRecently(day), s.mastered);
    }
    int first = -1;
    for (int d = 1; d <= 40 && first < 0; ++d)
        if (box.dueCount(last.addDays(d)) == 1)
            first = d;
    EXPECT_EQ(first, story.firstDueAfter);
}

INSTANTIATE_TEST_SUITE_P(Days, BoxStory, testing::ValuesIn(kStories),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             for (char& c : n)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return n;
                         });

TEST(ReviewBox, MasteredCountsThirtyDaysAndIsPruned)
{
    ReviewBox box;
    box.setContents({}, {kDay0, kDay0.addDays(10), kDay0.addDays(29)});
    const struct {
        int day;
        int count;
    } rows[] = {{29, 3}, {30, 2}, {39, 2}, {40, 1}, {59, 0}};
    for (const auto& r : rows)
        EXPECT_EQ(box.masteredRecently(kDay0.addDays(r.day)), r.count) << r.day;
    box.pruneMastered(kDay0.addDays(40));
    EXPECT_EQ(box.mastered().size(), 1u);
}

TEST(ReviewBox, DueAreOldestFirstAndAtMostTwenty)
{
    ReviewBox box;
    // 25 misses on successive days, recorded newest first.
    for (int i = 24; i >= 0; --i)
        box.recordMiss(1, 1 + i % 11, QString::number(i), kDay0.addDays(i));
    const std::vector<Card> due = box.due(kDay0.addDays(30));
    ASSERT_EQ(due.size(), 20u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(due[std::size_t(i)].task, QString::number(i));
    EXPECT_EQ(box.dueCount(kDay0.addDays(30)), 25);
    EXPECT_EQ(box.dueCount(kDay0.addDays(10)), 10); // missed on days 0..9
}

TEST(ReviewBox, SameTextOfAnotherTopicOrTypeIsAnotherCard)
{
    ReviewBox box;
    box.recordMiss(3, 1, QStringLiteral("4"), kDay0);
    box.recordMiss(3, 2, QStringLiteral("4"), kDay0);
    box.recordMiss(5, 1, QStringLiteral("4"), kDay0);
    box.recordMiss(3, 1, QStringLiteral("4"), kDay0.addDays(1));
    EXPECT_EQ(box.cards().size(), 3u);
    EXPECT_FALSE(box.recordReview(4, 1, QStringLiteral("4"), ReviewResult::RightFirstTry, kDay0));
}

TEST(ReviewBox, PastThreeHundredTheOldestOfTheHighestBoxGoes)
{
    ReviewBox box;
    std::vector<Card> cards;
    for (int i = 0; i < kMaxCards; ++i) {
        const int b = i < 100 ? 1 : i < 200 ? 2 : 3;
        cards.push_back(Card{1, 1, QString::number(i), kDay0.addDays(i % 50), b, kDay0.addDays(60)});
    }
    box.setContents(cards, {});
    // The oldest box-3 cards are those missed on day 0 (i = 200 and 250), 200 first.
    box.recordMiss(2, 1, QStringLiteral("neu 1"), kDay0.addDays(70));
    box.recordMiss(2, 1, QStringLiteral("neu 2"), kDay0.addDays(70));
    ASSERT_EQ(box.cards().size(), std::size_t(kMaxCards));
    auto has = [&](const QString& t) {
        for (const Card& c : box.cards())
            if (c.task == t)
                return true;
        return false;
    };
    EXPECT_FALSE(has(QStringLiteral("200")));
    EXPECT_FALSE(has(QStringLiteral("250")));
    EXPECT_TRUE(has(QStringLiteral("201")));
    EXPECT_TRUE(has(QStringLiteral("0")));
    EXPECT_TRUE(has(QStringLiteral("neu 2")));
}

} // namespace
