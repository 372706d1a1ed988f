#pragma once
// Recorders and scripted sources for tests: every call lands in one shared log, so a
// test can check the order of counts, jingles and notices.

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
    void musik(const char* name, std::uint8_t on) override { rec(QString::fromLatin1(name), on); }
    void fehlerMusik(std::uint8_t on) override { rec(QStringLiteral("wrong"), on); }
    void richtigMusik(std::uint8_t on) override { rec(QStringLiteral("right"), on); }

private:
    void rec(const QString& what, std::uint8_t on)
    {
        m_log.add(QStringLiteral("sound ") + what + (on == 1 ? QString() : QStringLiteral(" (off)")));
    }
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

// Everything a topic needs, recorded.
struct TestServices {
    EventLog log;
    AppState state;
    RecordingStats stats{log};
    RecordingSound sound{log};
    RecordingMessages messages{log};
    ScriptedRandom random;
    FixedClock clock;
    Services services{state, stats, sound, messages, random, clock};
};

} // namespace quorvel::test
