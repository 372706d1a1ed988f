// The whole way through the frame: a series with two misses writes exactly those two
// cards into the pupil's file; on the following days series of the due cards pose them
// again and move them through the boxes until one is mastered.
#include "reviewrecorder.h"

#include "plaintopic.h"

#include "fakes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::review;

namespace {

struct RecorderFlow : testing::Test {
    QTemporaryDir dir;
    test::TestServices ts;
    test::NullView view;
    std::vector<basic::PlainTask> shown;
    basic::PlainTaskTopic topic{ts.random,
                                [] {
                                    basic::GrundPageSettings s;
                                    s.rechenartItem = 4; // mixed operations
                                    s.upperBound = 1000;
                                    return s;
                                },
                                [this](const basic::PlainTask& t) { shown.push_back(t); }};
    ExerciseSeries series{ts.services, topic, view};
    ReviewRecorder recorder{ts.clock, ts.messages};
    QString path() const { return dir.filePath(QStringLiteral("Anna.qvf")); }

    void SetUp() override
    {
        recorder.setFilePath(path());
        series.setResultSink(&recorder);
    }
    ReviewBox onDisk()
    {
        ReviewBox box;
        EXPECT_TRUE(ReviewFile(ts.messages, path()).read(&box));
        return box;
    }
    QString right() const { return QString::number(topic.task().expected); }
    QString wrong() const { return QString::number(topic.task().expected + 1); }
    // One review series of today's due cards, answered as `firstTry` says per card.
    std::vector<QString> review(const std::vector<bool>& firstTry)
    {
        std::vector<GivenTask> given;
        for (const Card& c : onDisk().due(ts.clock.date))
            given.push_back({c.type, c.task});
        EXPECT_EQ(given.size(), firstTry.size());
        recorder.setReviewing(true);
        shown.clear();
        EXPECT_TRUE(series.beginGiven(given));
        for (bool ok : firstTry) {
            if (!ok)
                series.confirm({wrong()});
            series.confirm({right()});
        }
        EXPECT_FALSE(series.running());
        recorder.setReviewing(false);
        std::vector<QString> posed;
        for (const basic::PlainTask& t : shown)
            posed.push_back(topic.encodeTask(t));
        return posed;
    }
};

TEST_F(RecorderFlow, TwoMissesComeBackAndMoveThroughTheBoxes)
{
    ts.clock.date = QDate(2026, 12, 7);
    ASSERT_TRUE(series.begin(4));
    series.confirm({right()});
    series.confirm({wrong()});
    series.confirm({wrong()});
    series.confirm({wrong()});
    series.confirm({right()});
    series.confirm({right()});
    ASSERT_EQ(shown.size(), 4u);
    const QString first = topic.encodeTask(shown[1]), second = topic.encodeTask(shown[2]);
    ReviewBox box = onDisk();
    ASSERT_EQ(box.cards().size(), 2u);
    EXPECT_EQ(box.cards()[0].task, first);
    EXPECT_EQ(box.cards()[1].task, second);

    // Day by day: which cards are due, posed in that order, and how they are answered.
    const struct {
        int day;
        std::vector<int> due; // 0 first, 1 second
        std::vector<bool> rightAtFirstTry;
        const char* summary;
    } days[] = {
        {1, {0, 1}, {true, false}, "1 von 2 Aufgaben beim ersten Versuch richtig, 0 gemeistert."},
        {2, {1}, {true}, "1 von 1 Aufgaben beim ersten Versuch richtig, 0 gemeistert."},
        {3, {0}, {true}, "1 von 1 Aufgaben beim ersten Versuch richtig, 0 gemeistert."},
        {4, {1}, {true}, "1 von 1 Aufgaben beim ersten Versuch richtig, 0 gemeistert."},
        {8, {0}, {true}, "1 von 1 Aufgaben beim ersten Versuch richtig, 1 gemeistert."},
        {9, {1}, {false}, "0 von 1 Aufgaben beim ersten Versuch richtig, 0 gemeistert."},
    };
    for (const auto& d : days) {
        SCOPED_TRACE(d.day);
        ts.clock.date = QDate(2026, 12, 7).addDays(d.day);
        const std::vector<QString> posed = review(d.rightAtFirstTry);
        ASSERT_EQ(posed.size(), d.due.size());
        for (std::size_t i = 0; i < posed.size(); ++i)
            EXPECT_EQ(posed[i], d.due[i] == 0 ? first : second);
        EXPECT_EQ(recorder.reviewSummary(int(d.due.size())), QString::fromUtf8(d.summary));
    }
    box = onDisk();
    ASSERT_EQ(box.cards().size(), 1u);
    EXPECT_EQ(box.cards()[0].task, second);
    EXPECT_EQ(box.cards()[0].box, 1);
    EXPECT_EQ(box.masteredRecently(ts.clock.date), 1);
    for (const auto& m : ts.messages.messages)
        EXPECT_FALSE(m.error) << m.text.toStdString(); // the file was always read and written
}

TEST_F(RecorderFlow, WithoutAPupilNothingIsWritten)
{
    recorder.setFilePath(QString());
    ASSERT_TRUE(series.begin(1));
    series.confirm({wrong()});
    series.confirm({wrong()});
    EXPECT_FALSE(QFile::exists(path()));
}

} // namespace
