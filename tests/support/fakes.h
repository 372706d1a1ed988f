#pragma once
// Recorders and scripted sources for tests: every call lands in one shared log, so a
// test can check the order of counts, jingles and notices.

#include "series.h"
#include "services.h"

#include <QStringList>
#include <deque>
#include <random>

namespace quorvel::test {

struct EventLog {
    QStringList events;
    void add(const QString& e) { events << e; }
    void clear() { events.clear(); }
};

class RecordingStats final : public StatsSink {
public:
    explicit RecordingStats(EventLog& log) : m_log(log) {}
    void markStatsChanged(int topic) override { m_log.add(QStringLiteral("changed %1").arg(topic)); }
    void countTaskGiven(int topic, int type) override
    {
        m_log.add(QStringLiteral("given %1 %2").arg(topic).arg(type));
    }
    void countTaskCorrect(int topic, int type) override
    {
        m_log.add(QStringLiteral("correct %1 %2").arg(topic).arg(type));
    }

private:
    EventLog& m_log;
};

// Records jingles as "sound NAME", "sound wrong", "sound right"; a call with the switch
// off is recorded with " (off)".
class RecordingSound final : public SoundSink {
public:
    explicit RecordingSound(EventLog& log) : m_log(log) {}
    // "sound WHAT", or "sound WHAT (off)" with the switch off.
    void record(const QString& what, std::uint8_t on)
    {
        m_log.add(QStringLiteral("sound ") + what + (on == 1 ? QString() : QStringLiteral(" (off)")));
    }

protected:
    void playNamed(const char* name, std::uint8_t on) override { record(QString::fromLatin1(name), on); }
    void playWrong(std::uint8_t on) override { record(QStringLiteral("wrong"), on); }
    void playRight(std::uint8_t on) override { record(QStringLiteral("right"), on); }

private:
    EventLog& m_log;
};

struct RecordedMessage {
    QString text;
    MessageKind kind;
    bool error; // the general error box
};

class RecordingMessages final : public MessageSink {
public:
    explicit RecordingMessages(EventLog& log) : m_log(log) {}
    int showMessage(const QString& text, MessageKind kind, MessageButtons, int,
                    const QString&) override
    {
        messages.push_back({text, kind, false});
        m_log.add(QStringLiteral("message ") + text);
        return 1;
    }
    void showError(const QString& text) override
    {
        messages.push_back({text, MessageKind::Error, true});
        m_log.add(QStringLiteral("error ") + text);
    }
    std::vector<RecordedMessage> messages;

private:
    EventLog& m_log;
};

// Hands out scripted values first (each taken modulo n when out of range would be a
// scripting mistake: such a value fails the test), then falls back to a fixed-seed
// generator so long runs stay reproducible.
class ScriptedRandom final : public RandomSource {
public:
    void script(std::initializer_list<int> values) { m_values.insert(m_values.end(), values); }
    void randomize() override { ++seedings; }
    int random(int n) override;
    std::vector<int> asked; // the n of every call
    int seedings = 0;
    bool scriptMisuse = false;

private:
    std::deque<int> m_values;
    std::mt19937 m_engine{12345};
};

class FixedClock final : public Clock {
public:
    explicit FixedClock(QDate d = QDate(2026, 12, 7)) : date(d) {}
    QDate today() const override { return date; }
    QDate date;
};

// A series view that records into the log: "page N" with the task page as `taskPage` and
// the settings page as `returnPage`, "pad on"/"pad off", "status TEXT"; what happens to
// the answer field goes to `answer` ("clear", "focus").
struct RecordingView : SeriesView {
    RecordingView(EventLog& log, int taskPage, int returnPage)
        : log(log), taskPage(taskPage), returnPage(returnPage)
    {
    }
    void showTaskPage() override { showPage(taskPage); }
    void showReturnPage() override { showPage(returnPage); }
    void setNumberPadEnabled(bool on) override
    {
        pad = on;
        log.add(on ? QStringLiteral("pad on") : QStringLiteral("pad off"));
    }
    void setStatusText(const QString& text) override
    {
        status = text;
        log.add(QStringLiteral("status ") + text);
    }
    void clearAnswer() override { answer << QStringLiteral("clear"); }
    void focusAnswer() override { answer << QStringLiteral("focus"); }
    void announceRight() override {}

    void showPage(int p)
    {
        page = p;
        log.add(QStringLiteral("page %1").arg(p));
    }
    EventLog& log;
    int taskPage, returnPage;
    int page = -1, pad = -1; // pad: -1 untouched, 0 off, 1 on
    QString status = QStringLiteral("untouched");
    QStringList answer;
};

// A series view that shows nothing.
struct NullView : SeriesView {
    void showTaskPage() override {}
    void showReturnPage() override {}
    void setNumberPadEnabled(bool) override {}
    void setStatusText(const QString&) override {}
    void clearAnswer() override {}
    void focusAnswer() override {}
    void announceRight() override {}
};

// Everything a topic needs, recorded.
struct TestServices {
    EventLog log;
    RecordingStats stats{log};
    RecordingSound sound{log};
    RecordingMessages messages{log};
    ScriptedRandom random;
    FixedClock clock;
    Services services{stats, sound, messages, random, clock};
};

} // namespace quorvel::test
