// The exercise series frame with a topic whose tasks are scripted: counts, jingles,
// notices and the status text in the order a pupil meets them.
#include "fakes.h"
#include "series.h"

#include <gtest/gtest.h>

using namespace quorvel;
using namespace quorvel::test;

namespace {

// Each task's answer is its number times ten; type cycles 1, 2, 1, 2 ...
class CountingTopic : public OneFieldTopic {
public:
    int statTopic() const override { return TopicBasic; }
    QString startRefusal() override { return refusal; }
    void prepareSeries() override { ++prepared; }
    int drawTask() override
    {
        ++drawn;
        expected = drawn * 10;
        return drawn % 2 == 1 ? 1 : 2;
    }
    AnswerCheck checkText(const QString& text) override
    {
        bool ok = false;
        const int v = text.toInt(&ok);
        if (!ok)
            return {AnswerState::Invalid, QStringLiteral("'%1' ist kein gültiger Integerwert.").arg(text)};
        return {v == expected ? AnswerState::Right : AnswerState::Wrong, {}};
    }
    QString expectedAnswerText() const override { return QString::number(expected); }
    SeriesTexts texts() const override { return t; }

    QString refusal;
    SeriesTexts t;
    int prepared = 0, drawn = 0, expected = 0;
};

struct Fixture : ::testing::Test {
    TestServices ts;
    CountingTopic topic;
    RecordingView recorder{ts.log, 2, 0};
    const QString& status = recorder.status;
    QStringList& view = recorder.answer;
    ExerciseSeries series{ts.services, topic, recorder};
};

} // namespace

TEST_F(Fixture, WholeSeriesRightAtOnce)
{
    ASSERT_TRUE(series.begin(2));
    EXPECT_EQ(ts.random.seedings, 1);
    EXPECT_EQ(topic.prepared, 1);
    series.confirm({"10"});
    series.confirm({"20"});
    EXPECT_FALSE(series.running());
    EXPECT_EQ(ts.log.events,
              QStringList({"changed 3", "page 2", "pad on", "given 3 1", "status Aufgabe 1 von 2",
                           "sound MUSIN02", "correct 3 1", "sound right", "given 3 2",
                           "status Aufgabe 2 von 2", "correct 3 2", "sound right", "status ",
                           "page 0", "sound MUSIN02"}));
    EXPECT_TRUE(status.isEmpty());
}

TEST_F(Fixture, WrongThenRightCountsGivenOnly)
{
    series.begin(2);
    ts.log.clear();
    series.confirm({"11"});
    EXPECT_EQ(series.wrongAttempts(), 1);
    series.confirm({"10"});
    EXPECT_EQ(ts.log.events,
              QStringList({"sound wrong", "message Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r",
                           "given 3 2", "status Aufgabe 2 von 2"}));
}

TEST_F(Fixture, TwoWrongOnLastTaskShowsResultAndEnds)
{
    series.begin(1);
    ts.log.clear();
    series.confirm({"1"});
    series.confirm({"2"});
    EXPECT_EQ(ts.log.events,
              QStringList({"sound wrong", "message Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r",
                           "sound wrong",
                           "message Das von Ihnen eingegebene\rErgebnis ist leider falsch !\rDas richtige Ergebnis lautet: 10",
                           "status ", "page 0", "sound MUSIN02"}));
    EXPECT_FALSE(series.running());
}

TEST_F(Fixture, EmptyAndInvalidAnswersChangeNothing)
{
    series.begin(3);
    ts.log.clear();
    series.confirm({""});
    series.confirm({"12a"});
    EXPECT_EQ(series.wrongAttempts(), 0);
    EXPECT_EQ(series.taskNumber(), 1);
    ASSERT_EQ(ts.messages.messages.size(), 2u);
    EXPECT_EQ(ts.messages.messages[0].text, "Sie haben noch keinen Wert eingegeben!");
    EXPECT_FALSE(ts.messages.messages[0].error);
    EXPECT_EQ(ts.messages.messages[1].text, "'12a' ist kein gültiger Integerwert.");
    EXPECT_TRUE(ts.messages.messages[1].error);
    EXPECT_EQ(ts.log.events.size(), 2);
}

TEST_F(Fixture, SkipAndAbort)
{
    series.begin(2);
    series.skip();
    EXPECT_EQ(series.taskNumber(), 2);
    EXPECT_EQ(status, "Aufgabe 2 von 2");
    ts.log.clear();
    series.skip(); // the last task: the series ends and the pad is switched off
    EXPECT_EQ(ts.log.events, QStringList({"status ", "pad off", "page 0", "sound MUSIN02"}));

    series.begin(5);
    ts.log.clear();
    series.abort();
    EXPECT_EQ(ts.log.events, QStringList({"status ", "pad off", "page 0", "sound MUSIN02"}));
    series.confirm({"10"}); // nothing runs any more
    EXPECT_EQ(ts.log.events.size(), 4);
}

TEST_F(Fixture, RefusedStartCountsNothing)
{
    topic.refusal = QStringLiteral("Nein.");
    EXPECT_FALSE(series.begin(3));
    EXPECT_EQ(ts.log.events, QStringList({"message Nein."}));
    EXPECT_FALSE(series.running());
}

TEST_F(Fixture, TopicTextsAndKindAndSoundSwitch)
{
    topic.t.emptyAnswer = QStringLiteral("Sie haben noch keinen Wert eingegeben");
    topic.t.wrongAnswer = QStringLiteral("Das von Ihnen eingegebene Ergebnis ist falsch.\r");
    topic.t.wrongKind = MessageKind::Warning;
    ts.sound.setSoundOn(false);
    series.begin(1);
    series.confirm({""});
    series.confirm({"3"});
    ASSERT_EQ(ts.messages.messages.size(), 2u);
    EXPECT_EQ(ts.messages.messages[0].text, "Sie haben noch keinen Wert eingegeben");
    EXPECT_EQ(ts.messages.messages[1].kind, MessageKind::Warning);
    EXPECT_TRUE(ts.log.events.contains("sound wrong (off)"));
    EXPECT_TRUE(ts.log.events.contains("sound MUSIN02 (off)"));
}

TEST_F(Fixture, TaskCountWrapsAsSixteenBits)
{
    series.begin(65537); // the spinners never allow this; the counter is 16-bit all the same
    EXPECT_EQ(series.taskCount(), 1);
}

// What a topic may declare: notices that cost no try, its own per-try messages and marks,
// the right jingle after a wrong try, the text kept after a wrong try; and the frame's own
// "Richtig!" and the focus back in the answer on every new task.
TEST_F(Fixture, DeclaredRulesOfATopic)
{
    struct MarkingTopic : CountingTopic {
        int drawTask() override
        {
            attempts = 0;
            return CountingTopic::drawTask();
        }
        AnswerCheck checkText(const QString& text) override
        {
            if (text == QLatin1String("halb"))
                return {AnswerState::Notice, QStringLiteral("Zu wenige Werte !")};
            return CountingTopic::checkText(text);
        }
        QString wrongMessage(bool finished) const override
        {
            return QStringLiteral("falsch %1%2").arg(attempts).arg(finished ? " fertig" : "");
        }
        void onWrongAnswer(bool finished) override
        {
            ++attempts;
            marks << QStringLiteral("%1%2").arg(attempts).arg(finished ? "!" : "");
        }
        int attempts = 0; // wrong tries at the task on screen
        QStringList marks;
    } marking;
    marking.t.rightJingleAfterWrong = true;
    marking.t.clearAfterWrong = false;
    struct Counting : RecordingView {
        using RecordingView::RecordingView;
        void announceRight() override { ++rights; }
        int rights = 0;
    } v{ts.log, 2, 0};
    const int& rights = v.rights;
    ExerciseSeries s{ts.services, marking, v};

    s.begin(3);
    v.answer.clear();
    ts.log.clear();
    s.confirm({"halb"});               // task 1: a notice, no try used
    s.confirm({"1"});                  // wrong once: the text stays
    s.confirm({"10"});                 // right at the second try: jingle, not counted
    s.confirm({"5"});                  // task 2: wrong twice, finished
    s.confirm({"6"});
    s.skip();                        // task 3 skipped: the series ends
    EXPECT_EQ(marking.marks, QStringList({"1", "1", "2!"}));
    EXPECT_EQ(rights, 1);
    EXPECT_EQ(ts.log.events,
              QStringList({"message Zu wenige Werte !", "sound wrong", "message falsch 1",
                           "sound right", "given 3 2", "status Aufgabe 2 von 3", "sound wrong",
                           "message falsch 1", "sound wrong", "message falsch 2 fertig",
                           "given 3 1", "status Aufgabe 3 von 3", "status ", "pad off",
                           "page 0", "sound MUSIN02"}));
    EXPECT_EQ(v.answer.count("clear"), 2); // only the new tasks empty the field
    // Every new task put the typing back into the answer field, skipped ones too.
    EXPECT_EQ(v.answer.count("focus"), 2 + 5); // two new tasks, five confirms
}
