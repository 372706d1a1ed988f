// The model on its own: the topic table and the merge of the pending counts into the
// day records.
#include "services.h"
#include "statsmodel.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::stats;

namespace {

QString day(int d) { return dateText(QDate(2026, 12, 1).addDays(d)); }

// Counts `n` given and `c` correct of type 1 and merges them on day `d`.
void useOnDay(TopicStats& t, int d, int n, int c)
{
    t.pending[0] = {quint16(n), quint16(c)};
    mergePending(t, day(d));
}

QStringList dates(const TopicStats& t)
{
    QStringList out;
    for (const StatRecord& r : t.history)
        out << r.date;
    return out;
}

} // namespace

TEST(StatsModel, TopicTable)
{
    const struct {
        int topic;
        int types;
        const char* ext;
        const char* first;
        const char* last;
    } table[] = {
        {TopicFractions, 11, ".qvb", "Addition", "BruchKomma"},
        {TopicUnits, 6, ".qve", "Gewichte", "Währung"},
        {TopicBasic, 12, ".qvg", "Addition", "Gleichungen Division"},
        {TopicPrimes, 4, ".qvp", "Teilbarkeit", "kgV bestimmen"},
        {TopicNumberSystems, 5, ".qvz", "Römische Zahlen", "Hexadezimalsystem"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(typeCount(row.topic), row.types);
        EXPECT_EQ(fileExtension(row.topic), QLatin1String(row.ext));
        EXPECT_EQ(typeName(row.topic, 1), QString::fromUtf8(row.first));
        EXPECT_EQ(typeName(row.topic, row.types), QString::fromUtf8(row.last));
        EXPECT_TRUE(typeName(row.topic, row.types + 1).isEmpty());
        TopicStats t(row.topic);
        EXPECT_EQ(t.typeCount(), row.types);
        EXPECT_EQ(t.history.size(), 10u);
        EXPECT_FALSE(t.changed);
        for (const StatRecord& r : t.history) {
            EXPECT_TRUE(r.isEmpty());
            EXPECT_EQ(int(r.counts.size()), row.types);
        }
    }
    EXPECT_EQ(typeCount(0), 0);
    EXPECT_EQ(typeCount(6), 0);
    EXPECT_EQ(typeName(TopicBasic, 7), QString::fromUtf8("Lückenaufgaben Multiplikation"));
}

TEST(StatsModel, DateTexts)
{
    EXPECT_EQ(emptyDateText(), " 00.00.0000");
    EXPECT_EQ(dateText(QDate(2026, 12, 6)), " 06.12.2026");
    EXPECT_EQ(dateText(QDate(2027, 1, 31)), " 31.01.2027");
}

TEST(StatsModel, SameDayAddsIntoOneRecord)
{
    TopicStats t(TopicUnits);
    useOnDay(t, 0, 3, 2);
    useOnDay(t, 0, 4, 1);
    EXPECT_EQ(t.history[0].date, day(0));
    EXPECT_EQ(t.history[0].counts[0], (StatCounts{7, 3}));
    EXPECT_TRUE(t.history[1].isEmpty());
    EXPECT_FALSE(t.hasPending());
}

TEST(StatsModel, NextDayFillsTheNextEmptyRecord)
{
    TopicStats t(TopicUnits);
    useOnDay(t, 0, 3, 2);
    useOnDay(t, 1, 5, 5);
    EXPECT_EQ(dates(t).mid(0, 3), QStringList({day(0), day(1), emptyDateText()}));
    EXPECT_EQ(t.history[0].counts[0], (StatCounts{3, 2}));
    EXPECT_EQ(t.history[1].counts[0], (StatCounts{5, 5}));
}

TEST(StatsModel, EleventhDayDropsTheOldest)
{
    TopicStats t(TopicPrimes);
    for (int d = 0; d < 10; ++d)
        useOnDay(t, d, d + 1, d);
    ASSERT_EQ(t.history[9].date, day(9));
    useOnDay(t, 10, 99, 98);
    ASSERT_EQ(t.history.size(), 10u);
    for (int r = 0; r < 9; ++r) {
        EXPECT_EQ(t.history[r].date, day(r + 1));
        EXPECT_EQ(t.history[r].counts[0], (StatCounts{quint16(r + 2), quint16(r + 1)}));
    }
    EXPECT_EQ(t.history[9].date, day(10));
    EXPECT_EQ(t.history[9].counts[0], (StatCounts{99, 98}));
    // The twelfth day again drops the oldest.
    useOnDay(t, 11, 1, 1);
    EXPECT_EQ(t.history[0].date, day(2));
    EXPECT_EQ(t.history[9].date, day(11));
}

TEST(StatsModel, LastRecordTodayAddsAndAppendsNothing)
{
    TopicStats t(TopicPrimes);
    for (int d = 0; d < 10; ++d)
        useOnDay(t, d, 1, 1);
    const QStringList before = dates(t);
    useOnDay(t, 9, 2, 0);
    EXPECT_EQ(dates(t), before);
    EXPECT_EQ(t.history[9].counts[0], (StatCounts{3, 1}));
    EXPECT_EQ(t.history[0].date, day(0));
}

TEST(StatsModel, MergeWithNothingPendingStillMakesTodaysRecord)
{
    TopicStats t(TopicNumberSystems);
    mergePending(t, day(3));
    EXPECT_EQ(t.history[0].date, day(3));
    EXPECT_EQ(t.history[0].counts, std::vector<StatCounts>(5));
    mergePending(t, day(3));
    EXPECT_TRUE(t.history[1].isEmpty());
}

TEST(StatsModel, AddingWrapsAt65536)
{
    TopicStats t(TopicUnits);
    useOnDay(t, 0, 65000, 65535);
    useOnDay(t, 0, 1000, 2);
    EXPECT_EQ(t.history[0].counts[0], (StatCounts{464, 1}));
    quint16 c = 65535;
    bump(c);
    EXPECT_EQ(c, 0);
}

TEST(StatsModel, ClearHistoryLeavesPendingCounts)
{
    TopicStats t(TopicUnits);
    useOnDay(t, 0, 3, 2);
    t.pending[5] = {4, 4};
    clearHistory(t);
    for (const StatRecord& r : t.history)
        EXPECT_TRUE(r.isEmpty());
    EXPECT_EQ(t.pending[5], (StatCounts{4, 4}));
    EXPECT_EQ(t.record(day(0)), nullptr);
}
