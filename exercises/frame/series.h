#pragma once
// The exercise series frame shared by every topic with typed answers: start, next task,
// confirm with two tries, skip, abort, end, the status text, counting and jingles.
// A topic supplies only drawing, checking and its texts; the page binds controls.

#include "services.h"

#include <QString>
#include <functional>

namespace quorvel {

// Right and Wrong use up a try; Invalid (a text that is no number: the conversion error in
// the error box) and Notice (an answer that cannot be judged yet, such as too few fields
// filled or no choice made: a notice) cost nothing and leave the task as it is.
enum class AnswerState { Right, Wrong, Invalid, Notice };

struct AnswerCheck {
    AnswerState state = AnswerState::Wrong;
    QString error; // Invalid: the conversion error; Notice: the notice text
};

// The texts and rules in which topics differ.
struct SeriesTexts {
    QString emptyAnswer = QStringLiteral("Sie haben noch keinen Wert eingegeben!");
    QString wrongAnswer = QStringLiteral("Das von Ihnen eingegebene\rErgebnis ist leider falsch !\r");
    QString rightResultPrefix = QStringLiteral("Das richtige Ergebnis lautet: ");
    MessageKind wrongKind = MessageKind::Information;
    int attempts = 2; // tries per task
    // A right answer at a later try still plays the right jingle (it never counts as correct).
    bool rightJingleAfterWrong = false;
    // Empty the answer after a wrong try; otherwise the pupil's text stays for a second look.
    bool clearAfterWrong = true;
};

class SeriesTopic {
public:
    virtual ~SeriesTopic() = default;
    virtual int statTopic() const = 0;
    // A reason not to start (a German notice), or empty. Asked before anything is counted.
    virtual QString startRefusal() { return {}; }
    // Called after the generator is seeded, before the first task: read the settings.
    virtual void prepareSeries() {}
    // Draw the next task, show it, and return its statistics type.
    virtual int drawTask() = 0;
    // Check a non-empty answer text against the task on screen.
    virtual AnswerCheck checkAnswer(const QString& text) = 0;
    // The right answer as the notice after the second wrong try shows it.
    virtual QString expectedAnswerText() const = 0;
    virtual SeriesTexts texts() const { return {}; }
    // The message after a wrong try. `wrongAttempts` includes this one; `finished` is true
    // when no try is left. By default the wrong-answer text, after the last try followed by
    // the right result.
    virtual QString wrongMessage(int wrongAttempts, bool finished) const;
    // Called after a wrong try's jingle and before its message: a topic with several
    // answer fields marks them here (red the first time, corrected the last time).
    virtual void onWrongAnswer(int wrongAttempts, bool finished)
    {
        Q_UNUSED(wrongAttempts);
        Q_UNUSED(finished);
    }
};

// What the frame asks of the window: the status bar, the page stack and the number pad,
// and the topic's answer field.
struct SeriesView {
    std::function<void(const QString&)> setStatusText;
    std::function<void(int)> showPage;                // page of the exercise notebook
    std::function<void(bool)> setNumberPadEnabled;
    std::function<void()> clearAnswer;
    std::function<void()> focusAnswer;
    // A short visible (and spoken) sign of a right answer, for pupils who hear no jingle.
    std::function<void()> announceRight;
};

class ExerciseSeries {
public:
    ExerciseSeries(Services& services, SeriesTopic& topic, SeriesView view, int taskPage,
                   int returnPage, bool usesNumberPad = true);

    // "&Start": refuse with a notice, or mark the topic changed, switch to the task page
    // and run the first task. Returns false when refused.
    bool begin(int taskCount);
    void confirm(const QString& answerText);
    void skip();
    void abort();

    bool running() const { return m_running; }
    quint16 taskCount() const { return m_taskCount; }
    quint16 taskNumber() const { return m_taskNumber; }
    int wrongAttempts() const { return m_wrongAttempts; }

private:
    void start(int taskCount);
    void nextTask();
    void finish(bool disablePad);

    Services& m_s;
    SeriesTopic& m_topic;
    SeriesView m_view;
    int m_taskPage;
    int m_returnPage;
    bool m_usesNumberPad;
    bool m_running = false;
    quint16 m_taskCount = 0;
    quint16 m_taskNumber = 0;
    int m_wrongAttempts = 0;
    int m_currentType = 0;
};

QString seriesStatusText(int taskNumber, int taskCount);

} // namespace quorvel
